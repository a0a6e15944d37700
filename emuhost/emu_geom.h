// Plane geometry of single figure records: end points, validity, distances,
// splitting, and the fixed-decimal text used by the journal and the dump.
// Internal to the emulated host.
#ifndef LEDGEWRIGHT_EMUHOST_EMU_GEOM_H
#define LEDGEWRIGHT_EMUHOST_EMU_GEOM_H

#include <string>

#include "host/zedlib.h"

namespace emu {

// Points closer than this are the same point.
constexpr double kTolerance = 1e-6;

// Kinds 1 and 8 are laid out as lines, kinds 3 and 7 as arcs.
inline bool IsLineKind(int kind) { return kind == ZED_FIG_LINE || kind == ZED_FIG_CHAMFER; }
inline bool IsArcKind(int kind) { return kind == ZED_FIG_ARC || kind == ZED_FIG_FILLET; }
inline bool IsCornerKind(int kind) { return kind == ZED_FIG_FILLET || kind == ZED_FIG_CHAMFER; }

double Distance(const ZedPoint& p, const ZedPoint& q);
// Within kTolerance of each other. Inline and without a square root: the
// host's busiest comparison.
inline bool Near(const ZedPoint& p, const ZedPoint& q) {
    const double dx = q.x - p.x;
    const double dy = q.y - p.y;
    return dx * dx + dy * dy <= kTolerance * kTolerance;
}

// Where a line or arc starts and ends (a circle has neither; its centre is
// given for both).
inline ZedPoint StartOf(const ZedFigure& f) {
    return IsArcKind(f.kind) ? ZedPoint{f.v[2], f.v[3]} : ZedPoint{f.v[0], f.v[1]};
}
inline ZedPoint EndOf(const ZedFigure& f) {
    if (IsArcKind(f.kind)) {
        return ZedPoint{f.v[4], f.v[5]};
    }
    return IsLineKind(f.kind) ? ZedPoint{f.v[2], f.v[3]} : ZedPoint{f.v[0], f.v[1]};
}
void SetStart(ZedFigure& figure, const ZedPoint& p);
void SetEnd(ZedFigure& figure, const ZedPoint& p);
ZedPoint CentreOf(const ZedFigure& figure);
// The same line or arc run the other way: ends swapped, an arc's direction
// flag turned (1 and 2). A circle stays as it is.
ZedFigure TurnedRound(const ZedFigure& figure);

// "" for a figure that a drawing may hold, else what is wrong with it: an
// unknown kind, a zero-length line or arc, an arc end off its circle, a radius
// not above zero, an arc direction flag other than 1 and 2.
std::string FigureProblem(const ZedFigure& figure);

// The arc's signed sweep in radians: positive counter-clockwise, its size in
// (0, 2pi). Only for valid arcs.
double SweepOf(const ZedFigure& arc);
// The arc's point at a fraction of its sweep (0 start, 1 end).
ZedPoint PointOnArc(const ZedFigure& arc, double fraction);
// Whether a point on the arc's circle lies within its span (by angle).
bool WithinArcSpan(const ZedFigure& arc, const ZedPoint& p);

// Shortest distance from a point to the element (line segment, arc span or
// whole circle).
double DistanceTo(const ZedFigure& figure, const ZedPoint& p);
// Whether the point lies within the distance of the element; as DistanceTo,
// without a square root for lines.
bool WithinDistance(const ZedFigure& figure, const ZedPoint& p, double distance);

// The element cut at a point on it: the first piece runs from its start to the
// point, the second from the point to its end.
void SplitAt(const ZedFigure& figure, const ZedPoint& p, ZedFigure& first, ZedFigure& second);

// The crossing of the unbounded lines through two line figures; false when
// they are parallel.
bool CrossLines(const ZedFigure& a, const ZedFigure& b, ZedPoint& crossing);

// "line (x, y) -> (x, y)", "arc centre (x, y) (x, y) -> (x, y) radius r cw", ...
std::string FigureText(const ZedFigure& figure);
// "colour c, line type t, other ..." with the six host fields.
std::string LineAttributesText(const ZedLineType2& attributes);

}  // namespace emu

#endif  // LEDGEWRIGHT_EMUHOST_EMU_GEOM_H
