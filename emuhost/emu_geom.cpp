// Plane geometry of single figure records.
#include "emuhost/emu_geom.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "emuhost/emu_state.h"

namespace emu {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

double AngleAbout(const ZedPoint& centre, const ZedPoint& p) { return std::atan2(p.y - centre.y, p.x - centre.x); }

// An angle brought into [0, 2pi).
double Wrap(double angle) {
    double a = std::fmod(angle, kTwoPi);
    if (a < 0) {
        a += kTwoPi;
    }
    return a >= kTwoPi ? 0.0 : a;
}

double DistanceToSegment(const ZedPoint& a, const ZedPoint& b, const ZedPoint& p) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return Distance(p, ZedPoint{a.x + t * dx, a.y + t * dy});
}

const char* KindName(int kind) {
    switch (kind) {
    case ZED_FIG_LINE:
        return "line";
    case ZED_FIG_CIRCLE:
        return "circle";
    case ZED_FIG_ARC:
        return "arc";
    case ZED_FIG_FILLET:
        return "fillet";
    case ZED_FIG_CHAMFER:
        return "chamfer";
    default:
        return "kind";
    }
}

}  // namespace


double Distance(const ZedPoint& p, const ZedPoint& q) { return std::hypot(q.x - p.x, q.y - p.y); }



void SetStart(ZedFigure& f, const ZedPoint& p) {
    const int at = IsArcKind(f.kind) ? 2 : 0;
    f.v[at] = p.x;
    f.v[at + 1] = p.y;
}

void SetEnd(ZedFigure& f, const ZedPoint& p) {
    const int at = IsArcKind(f.kind) ? 4 : 2;
    f.v[at] = p.x;
    f.v[at + 1] = p.y;
}

ZedPoint CentreOf(const ZedFigure& f) { return ZedPoint{f.v[0], f.v[1]}; }

ZedFigure TurnedRound(const ZedFigure& f) {
    if (!IsLineKind(f.kind) && !IsArcKind(f.kind)) {
        return f;
    }
    ZedFigure turned = f;
    SetStart(turned, EndOf(f));
    SetEnd(turned, StartOf(f));
    if (IsArcKind(f.kind)) {
        const int32_t flag = ArcFlag(f);
        SetArcFlag(turned, flag == ZED_ARC_CW ? ZED_ARC_CCW : flag == ZED_ARC_CCW ? ZED_ARC_CW : flag);
    }
    return turned;
}

std::string FigureProblem(const ZedFigure& f) {
    if (IsLineKind(f.kind)) {
        if (!std::isfinite(f.v[0]) || !std::isfinite(f.v[1]) || !std::isfinite(f.v[2]) || !std::isfinite(f.v[3])) {
            return "line with a non-finite coordinate";
        }
        if (Near(StartOf(f), EndOf(f))) {
            return "zero-length line at " + FmtPoint(f.v[0], f.v[1]);
        }
        return "";
    }
    if (f.kind == ZED_FIG_CIRCLE) {
        if (!std::isfinite(f.v[0]) || !std::isfinite(f.v[1]) || !std::isfinite(f.v[6]) || !(f.v[6] > kTolerance)) {
            return "circle without a positive radius";
        }
        return "";
    }
    if (IsArcKind(f.kind)) {
        for (int i = 0; i < 7; ++i) {
            if (!std::isfinite(f.v[i])) {
                return "arc with a non-finite value";
            }
        }
        const int32_t flag = ArcFlag(f);
        if (flag != ZED_ARC_CW && flag != ZED_ARC_CCW) {
            return "arc with direction flag " + std::to_string(flag);
        }
        if (!(f.v[6] > kTolerance)) {
            return "arc without a positive radius";
        }
        const ZedPoint centre = CentreOf(f);
        if (std::fabs(Distance(centre, StartOf(f)) - f.v[6]) > kTolerance) {
            return "arc start " + FmtPoint(f.v[2], f.v[3]) + " off its circle";
        }
        if (std::fabs(Distance(centre, EndOf(f)) - f.v[6]) > kTolerance) {
            return "arc end " + FmtPoint(f.v[4], f.v[5]) + " off its circle";
        }
        if (Near(StartOf(f), EndOf(f))) {
            return "zero-length arc at " + FmtPoint(f.v[2], f.v[3]);
        }
        return "";
    }
    return "unknown figure kind " + std::to_string(f.kind);
}

double SweepOf(const ZedFigure& arc) {
    const ZedPoint centre = CentreOf(arc);
    const double from = AngleAbout(centre, StartOf(arc));
    const double to = AngleAbout(centre, EndOf(arc));
    if (ArcFlag(arc) == ZED_ARC_CW) {
        return -Wrap(from - to);
    }
    return Wrap(to - from);
}

ZedPoint PointOnArc(const ZedFigure& arc, double fraction) {
    const ZedPoint centre = CentreOf(arc);
    const double angle = AngleAbout(centre, StartOf(arc)) + fraction * SweepOf(arc);
    return ZedPoint{centre.x + arc.v[6] * std::cos(angle), centre.y + arc.v[6] * std::sin(angle)};
}

bool WithinArcSpan(const ZedFigure& arc, const ZedPoint& p) {
    if (arc.kind == ZED_FIG_CIRCLE) {
        return true;
    }
    // Measured along the arc from its start in its own direction; a point a
    // tolerance beyond either end still counts.
    if (Near(p, StartOf(arc)) || Near(p, EndOf(arc))) {
        return true;
    }
    const ZedPoint centre = CentreOf(arc);
    const double sweep = SweepOf(arc);
    const double from = AngleAbout(centre, StartOf(arc));
    const double at = AngleAbout(centre, p);
    const double along = sweep >= 0 ? Wrap(at - from) : Wrap(from - at);
    return along <= std::fabs(sweep);
}

double DistanceTo(const ZedFigure& f, const ZedPoint& p) {
    if (IsLineKind(f.kind)) {
        return DistanceToSegment(StartOf(f), EndOf(f), p);
    }
    const ZedPoint centre = CentreOf(f);
    const double radial = std::fabs(Distance(centre, p) - f.v[6]);
    if (f.kind == ZED_FIG_CIRCLE) {
        return radial;
    }
    if (Distance(centre, p) > 0 && WithinArcSpan(f, p)) {
        return radial;
    }
    return std::min(Distance(p, StartOf(f)), Distance(p, EndOf(f)));
}

bool WithinDistance(const ZedFigure& f, const ZedPoint& p, double distance) {
    if (!IsLineKind(f.kind)) {
        return DistanceTo(f, p) <= distance;
    }
    const double ax = f.v[0], ay = f.v[1];
    const double dx = f.v[2] - ax, dy = f.v[3] - ay;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - ax) * dx + (p.y - ay) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = ax + t * dx - p.x, ey = ay + t * dy - p.y;
    return ex * ex + ey * ey <= distance * distance;
}

void SplitAt(const ZedFigure& f, const ZedPoint& p, ZedFigure& first, ZedFigure& second) {
    first = f;
    second = f;
    SetEnd(first, p);
    SetStart(second, p);
}

bool CrossLines(const ZedFigure& a, const ZedFigure& b, ZedPoint& crossing) {
    const ZedPoint p = StartOf(a);
    const ZedPoint q = StartOf(b);
    const double ax = EndOf(a).x - p.x;
    const double ay = EndOf(a).y - p.y;
    const double bx = EndOf(b).x - q.x;
    const double by = EndOf(b).y - q.y;
    const double denominator = ax * by - ay * bx;
    if (std::fabs(denominator) <= 1e-12 * std::hypot(ax, ay) * std::hypot(bx, by)) {
        return false;
    }
    const double t = ((q.x - p.x) * by - (q.y - p.y) * bx) / denominator;
    crossing = ZedPoint{p.x + t * ax, p.y + t * ay};
    return true;
}

std::string FigureText(const ZedFigure& f) {
    std::string text = KindName(f.kind);
    if (IsLineKind(f.kind)) {
        return text + " " + FmtPoint(f.v[0], f.v[1]) + " -> " + FmtPoint(f.v[2], f.v[3]);
    }
    if (f.kind == ZED_FIG_CIRCLE) {
        return text + " centre " + FmtPoint(f.v[0], f.v[1]) + " radius " + Fmt(f.v[6]);
    }
    if (IsArcKind(f.kind)) {
        const int32_t flag = ArcFlag(f);
        const std::string direction =
            flag == ZED_ARC_CW ? "cw" : flag == ZED_ARC_CCW ? "ccw" : "flag " + std::to_string(flag);
        return text + " centre " + FmtPoint(f.v[0], f.v[1]) + " " + FmtPoint(f.v[2], f.v[3]) + " -> " +
               FmtPoint(f.v[4], f.v[5]) + " radius " + Fmt(f.v[6]) + " " + direction;
    }
    return text + " " + std::to_string(f.kind);
}

std::string LineAttributesText(const ZedLineType2& a) {
    std::string text = "colour " + std::to_string(a.colour) + ", line type " + std::to_string(a.lineType) + ", other";
    for (int32_t field : {a.host4, a.host8, a.host12, a.extra, a.host24, a.host28}) {
        text += " " + std::to_string(field);
    }
    return text;
}

}  // namespace emu
