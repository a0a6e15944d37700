// ZedLib geometry queries: distance, the in/out test of a point against a
// closed outline list, and the intersections of lines and circles.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "emuhost/emu_geom.h"
#include "emuhost/emu_state.h"

using namespace emu;

namespace {

constexpr double kPi = std::numbers::pi;
// A point this close to the outline lies on it.
constexpr double kOnOutline = 1e-9;
// A line and a circle, or two circles, this close to touching touch.
constexpr double kTangent = 1e-9;

double Cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

// How far the direction from p to the element turns while the element is
// traversed, in radians; p does not lie on the element. An arc turns as much
// as its chord plus one whole turn when p lies in the circular segment between
// chord and arc (the arc and the chord back form a loop around p, counter-
// clockwise for a counter-clockwise arc). A counter-clockwise arc lies right
// of its chord, a clockwise one left of it.
double Turning(const ZedFigure& f, const ZedPoint& p) {
    const ZedPoint s = StartOf(f);
    const ZedPoint e = EndOf(f);
    const double side = Cross(s.x - p.x, s.y - p.y, e.x - p.x, e.y - p.y);
    const double along = (s.x - p.x) * (e.x - p.x) + (s.y - p.y) * (e.y - p.y);
    if (IsLineKind(f.kind)) {
        return std::atan2(side, along);
    }
    const bool ccw = ArcFlag(f) == ZED_ARC_CCW;
    if (side == 0 && along < 0) {
        // p on the chord: the arc sweeps half a turn round it.
        return ccw ? kPi : -kPi;
    }
    double turning = std::atan2(side, along);
    const bool inDisk = Distance(CentreOf(f), p) < f.v[6];
    if (inDisk && ccw && side < 0) {
        turning += 2 * kPi;
    } else if (inDisk && !ccw && side > 0) {
        turning -= 2 * kPi;
    }
    return turning;
}

// The same count in whole turns, without an angle: the element's chord crosses
// the ray from p towards +x upwards with p on its left (+1) or downwards with p
// on its right (-1), and an arc adds the whole turn Turning adds. False, and
// nothing counted, when p lies so near the chord's line that the side could be
// misjudged (on an arc's chord among them): the angles decide then.
bool AddCrossing(const ZedFigure& f, const ZedPoint& p, long& turns) {
    const ZedPoint s = StartOf(f);
    const ZedPoint e = EndOf(f);
    const double side = Cross(s.x - p.x, s.y - p.y, e.x - p.x, e.y - p.y);
    // |side| against 1e-9 of the product of the distances, compared squared.
    const double toStart = (s.x - p.x) * (s.x - p.x) + (s.y - p.y) * (s.y - p.y);
    const double toEnd = (e.x - p.x) * (e.x - p.x) + (e.y - p.y) * (e.y - p.y);
    if (!(side * side > 1e-18 * toStart * toEnd)) {
        return false;
    }
    if (s.y <= p.y) {
        turns += e.y > p.y && side > 0 ? 1 : 0;
    } else {
        turns -= e.y <= p.y && side < 0 ? 1 : 0;
    }
    if (!IsLineKind(f.kind)) {
        const bool ccw = ArcFlag(f) == ZED_ARC_CCW;
        const bool inDisk = Distance(CentreOf(f), p) < f.v[6];
        if (inDisk && ccw && side < 0) {
            ++turns;
        } else if (inDisk && !ccw && side > 0) {
            --turns;
        }
    }
    return true;
}

// Lines and arcs that a drawing may hold, or one circle.
bool OutlineRecordsValid(const ZedFigure* outline, int count) {
    if (count == 1 && outline[0].kind == ZED_FIG_CIRCLE) {
        return FigureProblem(outline[0]).empty();
    }
    for (int i = 0; i < count; ++i) {
        const ZedFigure& f = outline[i];
        if ((f.kind != ZED_FIG_LINE && f.kind != ZED_FIG_ARC) || !FigureProblem(f).empty()) {
            return false;
        }
    }
    return true;
}

// Walks the outline list as a closed chain whose records join end to end,
// each taken the way the walk runs through it (a record stored the other way
// round is turned), and hands each to `visit`. The first record is taken as
// stored or turned (turnFirst); every later one is entered where the one
// before is left. False when the records do not close up so.
template <class Visit>
bool WalkOutline(const ZedFigure* outline, int count, bool turnFirst, Visit&& visit) {
    ZedFigure current = turnFirst ? TurnedRound(outline[0]) : outline[0];
    const ZedPoint first = StartOf(current);
    visit(current);
    for (int i = 1; i < count; ++i) {
        const ZedPoint at = EndOf(current);
        if (Near(StartOf(outline[i]), at)) {
            current = outline[i];
        } else if (Near(EndOf(outline[i]), at)) {
            current = TurnedRound(outline[i]);
        } else {
            return false;
        }
        visit(current);
    }
    return Near(EndOf(current), first);
}

// How many whole turns the direction from p to the outline makes along the
// walk: counted by crossings, or where p lies too near a chord for that, by
// adding up how far the direction turns. False when the records do not close
// up either way round.
bool WindingAround(const ZedFigure* outline, int count, const ZedPoint& p, long& turns) {
    for (const bool turnFirst : {false, true}) {
        long crossings = 0;
        bool counted = true;
        if (!WalkOutline(outline, count, turnFirst,
                         [&](const ZedFigure& f) { counted = counted && AddCrossing(f, p, crossings); })) {
            continue;
        }
        if (counted) {
            turns = crossings;
            return true;
        }
        double turning = 0;
        WalkOutline(outline, count, turnFirst, [&](const ZedFigure& f) { turning += Turning(f, p); });
        turns = std::lround(turning / (2 * kPi));
        return true;
    }
    return false;
}

#if !ZED_LEGACY  // the intersection calls' helpers; the older host has no such calls
bool IsLine(const ZedFigure* f) { return f != nullptr && IsLineKind(f->kind) && FigureProblem(*f).empty(); }

bool IsRound(const ZedFigure* f) {
    return f != nullptr && (IsArcKind(f->kind) || f->kind == ZED_FIG_CIRCLE) && FigureProblem(*f).empty();
}

void Put(ZedIntersection* out, int index, const ZedPoint& p, bool marker) {
    out->points[index].p = p;
    out->points[index].marker = marker ? 1 : 0;
}

bool OnLine(const ZedFigure& line, const ZedPoint& p) { return DistanceTo(line, p) <= kTolerance; }
#endif

}  // namespace

extern "C" {

double ZedAriLen2Pnts(const ZedPoint* p, const ZedPoint* q) {
    EMU_ENTER(-1.0);
    if (p == nullptr || q == nullptr) {
        return -1.0;
    }
    return Distance(*p, *q);
}

int ZedAriIochkPnt(const ZedFigure* outline, int count, const ZedPoint* point) {
    EMU_ENTER(-1);
    if (outline == nullptr || point == nullptr || count < 1 || !OutlineRecordsValid(outline, count)) {
        return -1;
    }
    const bool circle = outline[0].kind == ZED_FIG_CIRCLE;
    long turns = 0;
    if (!circle && !WindingAround(outline, count, *point, turns)) {
        return -1;
    }
    for (int i = 0; i < count; ++i) {
        if (WithinDistance(outline[i], *point, kOnOutline)) {
            return 2;
        }
    }
    if (circle) {
        return Distance(CentreOf(outline[0]), *point) < outline[0].v[6] ? 0 : 1;
    }
    // Winding number: whole turns of the direction from the point to the
    // outline; not zero inside, whichever way the outline runs.
    return turns != 0 ? 0 : 1;
}

#if !ZED_LEGACY  // not in the older host
int ZedAriItsLinLin(int option, const ZedFigure* a, const ZedFigure* b, ZedIntersection* out) {
    EMU_ENTER(-1);
    if (option != 0 || !IsLine(a) || !IsLine(b) || out == nullptr) {
        return -1;
    }
    *out = ZedIntersection{};
    ZedPoint crossing;
    if (!CrossLines(*a, *b, crossing)) {
        return 0;
    }
    Put(out, 0, crossing, OnLine(*a, crossing) && OnLine(*b, crossing));
    return 1;
}
#endif

#if !ZED_LEGACY  // not in the older host
int ZedAriItsLinArc(int option, const ZedFigure* line, const ZedFigure* arc, ZedIntersection* out) {
    EMU_ENTER(-1);
    if (option != 0 || !IsLine(line) || !IsRound(arc) || out == nullptr) {
        return -1;
    }
    *out = ZedIntersection{};
    const ZedPoint s = StartOf(*line);
    const ZedPoint e = EndOf(*line);
    const double length = Distance(s, e);
    const ZedPoint u{(e.x - s.x) / length, (e.y - s.y) / length};
    const ZedPoint c = CentreOf(*arc);
    const double r = arc->v[6];
    // The foot of the centre on the line, and the centre's distance from it.
    const double t = (c.x - s.x) * u.x + (c.y - s.y) * u.y;
    const ZedPoint foot{s.x + t * u.x, s.y + t * u.y};
    const double h = Distance(foot, c);
    if (h > r + kTangent) {
        return 0;
    }
    if (std::fabs(h - r) <= kTangent) {
        Put(out, 0, foot, OnLine(*line, foot) && WithinArcSpan(*arc, foot));
        return 1;
    }
    // In the line's own direction: the nearer to its start first.
    const double half = std::sqrt(r * r - h * h);
    const ZedPoint points[2] = {{foot.x - half * u.x, foot.y - half * u.y}, {foot.x + half * u.x, foot.y + half * u.y}};
    for (int i = 0; i < 2; ++i) {
        Put(out, i, points[i], OnLine(*line, points[i]) && WithinArcSpan(*arc, points[i]));
    }
    return 2;
}
#endif

#if !ZED_LEGACY  // not in the older host
int ZedAriItsArcArc(int option, const ZedFigure* a, const ZedFigure* b, ZedIntersection* out) {
    EMU_ENTER(-1);
    if (option != 0 || !IsRound(a) || !IsRound(b) || out == nullptr) {
        return -1;
    }
    *out = ZedIntersection{};
    const ZedPoint ca = CentreOf(*a);
    const ZedPoint cb = CentreOf(*b);
    const double ra = a->v[6];
    const double rb = b->v[6];
    const double d = Distance(ca, cb);
    // Concentric circles (the same circle included) have no single points in common.
    if (d <= kTangent || d > ra + rb + kTangent || d < std::fabs(ra - rb) - kTangent) {
        return 0;
    }
    const ZedPoint u{(cb.x - ca.x) / d, (cb.y - ca.y) / d};
    const double x = (d * d + ra * ra - rb * rb) / (2 * d);
    const ZedPoint base{ca.x + x * u.x, ca.y + x * u.y};
    if (std::fabs(d - (ra + rb)) <= kTangent || std::fabs(d - std::fabs(ra - rb)) <= kTangent) {
        Put(out, 0, base, WithinArcSpan(*a, base));
        return 1;
    }
    // The point left of the line from the first centre to the second comes first.
    const double h = std::sqrt(std::max(0.0, ra * ra - x * x));
    const ZedPoint points[2] = {{base.x - h * u.y, base.y + h * u.x}, {base.x + h * u.y, base.y - h * u.x}};
    for (int i = 0; i < 2; ++i) {
        Put(out, i, points[i], WithinArcSpan(*a, points[i]));
    }
    return 2;
}
#endif

}  // extern "C"
