// Plain 2-D point arithmetic for the shoulder geometry. No host calls.
#ifndef LEDGEWRIGHT_GEOMETRY_VEC2_H
#define LEDGEWRIGHT_GEOMETRY_VEC2_H

#include <cmath>

#include "host/zedlib.h"

inline ZedPoint operator+(ZedPoint a, ZedPoint b) { return {a.x + b.x, a.y + b.y}; }
inline ZedPoint operator-(ZedPoint a, ZedPoint b) { return {a.x - b.x, a.y - b.y}; }
inline ZedPoint operator*(double k, ZedPoint a) { return {k * a.x, k * a.y}; }
inline bool operator==(ZedPoint a, ZedPoint b) { return a.x == b.x && a.y == b.y; }

inline double Length(ZedPoint a) { return std::hypot(a.x, a.y); }
inline double Distance(ZedPoint a, ZedPoint b) { return Length(b - a); }
inline ZedPoint Midpoint(ZedPoint a, ZedPoint b) { return {(a.x + b.x) / 2.0, (a.y + b.y) / 2.0}; }

// The unit vector from a towards b; the zero vector when they coincide.
inline ZedPoint UnitFrom(ZedPoint a, ZedPoint b) {
    const double length = Distance(a, b);
    return length == 0.0 ? ZedPoint{0.0, 0.0} : (1.0 / length) * (b - a);
}

// The unit vector at an angle in radians.
inline ZedPoint AtAngle(double angle) { return {std::cos(angle), std::sin(angle)}; }

// π as the plug-in computes it.
inline double Pi() { return 4.0 * std::atan(1.0); }

// x rounded to the nearest integer, halves away from zero.
inline double RoundHalfAway(double x) { return x >= 0.0 ? std::trunc(x + 0.5) : std::trunc(x - 0.5); }

#endif  // LEDGEWRIGHT_GEOMETRY_VEC2_H
