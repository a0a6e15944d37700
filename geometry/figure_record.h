// Reading and writing the fields of a figure record by name.
#ifndef LEDGEWRIGHT_GEOMETRY_FIGURE_RECORD_H
#define LEDGEWRIGHT_GEOMETRY_FIGURE_RECORD_H

#include <cstring>

#include "host/zedlib.h"

// Lines (kind 1, and chamfers, kind 8): start and end.
inline ZedPoint LineStart(const ZedFigure& f) { return {f.v[0], f.v[1]}; }
inline ZedPoint LineEnd(const ZedFigure& f) { return {f.v[2], f.v[3]}; }
inline void SetLineStart(ZedFigure& f, ZedPoint p) { f.v[0] = p.x, f.v[1] = p.y; }
inline void SetLineEnd(ZedFigure& f, ZedPoint p) { f.v[2] = p.x, f.v[3] = p.y; }

// Arcs (kind 3, and filleted corners, kind 7) and circles (kind 2): centre,
// first and second point, radius and the direction flag at byte 64.
inline ZedPoint ArcCentre(const ZedFigure& f) { return {f.v[0], f.v[1]}; }
inline ZedPoint ArcStart(const ZedFigure& f) { return {f.v[2], f.v[3]}; }
inline ZedPoint ArcEnd(const ZedFigure& f) { return {f.v[4], f.v[5]}; }
inline double ArcRadius(const ZedFigure& f) { return f.v[6]; }
inline void SetArcStart(ZedFigure& f, ZedPoint p) { f.v[2] = p.x, f.v[3] = p.y; }
inline void SetArcEnd(ZedFigure& f, ZedPoint p) { f.v[4] = p.x, f.v[5] = p.y; }
inline int32_t ArcDirection(const ZedFigure& f) {
    int32_t flag = 0;
    std::memcpy(&flag, reinterpret_cast<const unsigned char*>(&f) + 64, sizeof flag);
    return flag;
}

inline void SetArcDirection(ZedFigure& f, int32_t flag) {
    std::memcpy(reinterpret_cast<unsigned char*>(&f) + 64, &flag, sizeof flag);
}

inline bool IsLineKind(int kind) { return kind == ZED_FIG_LINE || kind == ZED_FIG_CHAMFER; }
inline bool IsArcKind(int kind) { return kind == ZED_FIG_ARC || kind == ZED_FIG_FILLET; }

// A line record from a to b.
inline ZedFigure MakeLine(ZedPoint a, ZedPoint b) {
    ZedFigure f{};
    f.kind = ZED_FIG_LINE;
    SetLineStart(f, a);
    SetLineEnd(f, b);
    return f;
}

// An arc record about c from a to b with radius r and the direction flag.
inline ZedFigure MakeArc(ZedPoint c, ZedPoint a, ZedPoint b, double r, int32_t direction) {
    ZedFigure f{};
    f.kind = ZED_FIG_ARC;
    f.v[0] = c.x, f.v[1] = c.y;
    SetArcStart(f, a);
    SetArcEnd(f, b);
    f.v[6] = r;
    SetArcDirection(f, direction);
    return f;
}

// The point where an element of the chain starts and where it ends, whatever
// its kind.
inline ZedPoint FigureStart(const ZedFigure& f) { return IsArcKind(f.kind) ? ArcStart(f) : LineStart(f); }
inline ZedPoint FigureEnd(const ZedFigure& f) { return IsArcKind(f.kind) ? ArcEnd(f) : LineEnd(f); }

#endif  // LEDGEWRIGHT_GEOMETRY_FIGURE_RECORD_H
