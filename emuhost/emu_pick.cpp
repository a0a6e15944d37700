// The drawn shape of each element as the pick sees it: figures as their lines,
// arcs and circles; a length dimension as its dimension line; a radius
// dimension as the line from its arc's centre to its text point; a leader note
// as its leader lines.
#include "emuhost/emu_pick.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace emu {

namespace {

constexpr double kTwoPi = 6.283185307179586;
// Slack for "on the box edge", well below any drawing unit.
constexpr double kBoxSlack = 1e-9;

// One piece of a drawn shape: a straight segment a-b, or an arc about c of
// radius r that runs counter-clockwise from angle `start` through `sweep`.
struct Piece {
    bool isArc = false;
    ZedPoint a{};
    ZedPoint b{};
    ZedPoint c{};
    double r = 0.0;
    double start = 0.0;
    double sweep = 0.0;
};

double Distance(ZedPoint p, ZedPoint q) { return std::hypot(p.x - q.x, p.y - q.y); }

double NormalAngle(double angle) {
    double a = std::fmod(angle, kTwoPi);
    return a < 0.0 ? a + kTwoPi : a;
}

ZedPoint ArcPoint(const Piece& arc, double angle) {
    return ZedPoint{arc.c.x + arc.r * std::cos(angle), arc.c.y + arc.r * std::sin(angle)};
}

bool InSpan(const Piece& arc, double angle) {
    if (arc.sweep >= kTwoPi) {
        return true;
    }
    const double along = NormalAngle(angle - arc.start);
    // Near the start seen from the other side of zero counts as the start.
    return along <= arc.sweep + 1e-12 || along >= kTwoPi - 1e-12;
}

Piece Straight(ZedPoint a, ZedPoint b) {
    Piece piece;
    piece.a = a;
    piece.b = b;
    return piece;
}

int32_t FlagOf(const ZedFigure& figure) {
    int32_t flag = 0;
    std::memcpy(&flag, reinterpret_cast<const unsigned char*>(&figure) + 64, sizeof flag);
    return flag;
}

// An arc figure (kinds 3 and 7): clockwise (flag 1) from its first point to its
// second is counter-clockwise from the second to the first.
Piece ArcPiece(const ZedFigure& figure) {
    Piece piece;
    piece.isArc = true;
    piece.c = ZedPoint{figure.v[0], figure.v[1]};
    const ZedPoint first{figure.v[2], figure.v[3]};
    const ZedPoint second{figure.v[4], figure.v[5]};
    piece.r = figure.v[6] > 0.0 ? figure.v[6] : Distance(piece.c, first);
    const double a1 = std::atan2(first.y - piece.c.y, first.x - piece.c.x);
    const double a2 = std::atan2(second.y - piece.c.y, second.x - piece.c.x);
    if (FlagOf(figure) == ZED_ARC_CW) {
        piece.start = a2;
        piece.sweep = NormalAngle(a1 - a2);
    } else {
        piece.start = a1;
        piece.sweep = NormalAngle(a2 - a1);
    }
    if (piece.sweep < 1e-12) {
        piece.sweep = kTwoPi;  // first and second point together: the whole circle
    }
    return piece;
}

Piece CirclePiece(const ZedFigure& figure) {
    Piece piece;
    piece.isArc = true;
    piece.c = ZedPoint{figure.v[0], figure.v[1]};
    piece.r = figure.v[6];
    piece.sweep = kTwoPi;
    return piece;
}

// The dimension line of a length dimension: the measured points moved by the
// offset along the left normal of the direction from the first to the second.
Piece LengthDimensionLine(const ZedLengthDim& dim) {
    const double length = Distance(dim.first, dim.second);
    const double nx = length > 0.0 ? -(dim.second.y - dim.first.y) / length : 0.0;
    const double ny = length > 0.0 ? (dim.second.x - dim.first.x) / length : 0.0;
    return Straight(ZedPoint{dim.first.x + dim.offset * nx, dim.first.y + dim.offset * ny},
                   ZedPoint{dim.second.x + dim.offset * nx, dim.second.y + dim.offset * ny});
}

Piece RadiusDimensionLine(const ZedRadiusDim& dim) {
    const Element* arc = FindElement(dim.arcElement);
    if (arc == nullptr || arc->cls != ElementClass::Figure) {
        return Straight(dim.textPoint, dim.textPoint);  // the arc is gone: only the text is left
    }
    return Straight(ZedPoint{arc->figure.v[0], arc->figure.v[1]}, dim.textPoint);
}

std::vector<Piece> PiecesOf(const Element& element) {
    switch (element.cls) {
        case ElementClass::Figure: {
            const ZedFigure& f = element.figure;
            switch (f.kind) {
                case ZED_FIG_LINE:
                case ZED_FIG_CHAMFER:
                    return {Straight(ZedPoint{f.v[0], f.v[1]}, ZedPoint{f.v[2], f.v[3]})};
                case ZED_FIG_ARC:
                case ZED_FIG_FILLET:
                    return {ArcPiece(f)};
                case ZED_FIG_CIRCLE:
                    return {CirclePiece(f)};
                default:
                    return {};
            }
        }
        case ElementClass::Dimension:
            if (element.dim.kind == ZED_DIM_LINE_LENGTH) {
                return {LengthDimensionLine(element.dim.length)};
            }
            if (element.dim.kind == ZED_DIM_RADIUS) {
                return {RadiusDimensionLine(element.dim.radius)};
            }
            return {};
        case ElementClass::Note:
            return {Straight(element.leader.first, element.leader.second),
                    Straight(element.leader.second, element.leader.third)};
    }
    return {};
}

double SegmentDistance(const Piece& s, ZedPoint p) {
    const double dx = s.b.x - s.a.x;
    const double dy = s.b.y - s.a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0.0 ? ((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return Distance(p, ZedPoint{s.a.x + t * dx, s.a.y + t * dy});
}

double ArcDistance(const Piece& arc, ZedPoint p) {
    const double fromCentre = Distance(arc.c, p);
    if (fromCentre == 0.0) {
        return arc.r;
    }
    if (InSpan(arc, std::atan2(p.y - arc.c.y, p.x - arc.c.x))) {
        return std::fabs(fromCentre - arc.r);
    }
    return std::min(Distance(p, ArcPoint(arc, arc.start)), Distance(p, ArcPoint(arc, arc.start + arc.sweep)));
}

struct Box {
    double x0, y0, x1, y1;
    bool Holds(ZedPoint p) const {
        return p.x >= x0 - kBoxSlack && p.x <= x1 + kBoxSlack && p.y >= y0 - kBoxSlack && p.y <= y1 + kBoxSlack;
    }
};

// Liang-Barsky: whether some part of the segment lies in the box.
bool SegmentMeetsBox(const Piece& s, const Box& box) {
    const double dx = s.b.x - s.a.x;
    const double dy = s.b.y - s.a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.a.x - (box.x0 - kBoxSlack), (box.x1 + kBoxSlack) - s.a.x, s.a.y - (box.y0 - kBoxSlack),
                         (box.y1 + kBoxSlack) - s.a.y};
    double t0 = 0.0;
    double t1 = 1.0;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return false;
        }
    }
    return true;
}

// Whether the arc crosses the straight box edge from e0 to e1.
bool ArcCrossesEdge(const Piece& arc, ZedPoint e0, ZedPoint e1) {
    const double dx = e1.x - e0.x;
    const double dy = e1.y - e0.y;
    const double fx = e0.x - arc.c.x;
    const double fy = e0.y - arc.c.y;
    const double a = dx * dx + dy * dy;
    const double b = 2.0 * (fx * dx + fy * dy);
    const double c = fx * fx + fy * fy - arc.r * arc.r;
    const double disc = b * b - 4.0 * a * c;
    if (a == 0.0 || disc < 0.0) {
        return false;
    }
    const double root = std::sqrt(disc);
    for (double t : {(-b - root) / (2.0 * a), (-b + root) / (2.0 * a)}) {
        if (t >= -kBoxSlack && t <= 1.0 + kBoxSlack) {
            const ZedPoint hit{e0.x + t * dx, e0.y + t * dy};
            if (InSpan(arc, std::atan2(hit.y - arc.c.y, hit.x - arc.c.x))) {
                return true;
            }
        }
    }
    return false;
}

// An arc meets the box when one of its ends lies inside or it crosses an edge;
// an arc that stays inside has its ends inside.
bool ArcMeetsBox(const Piece& arc, const Box& box) {
    if (box.Holds(ArcPoint(arc, arc.start)) || box.Holds(ArcPoint(arc, arc.start + arc.sweep))) {
        return true;
    }
    const ZedPoint corners[4] = {{box.x0, box.y0}, {box.x1, box.y0}, {box.x1, box.y1}, {box.x0, box.y1}};
    for (int i = 0; i < 4; ++i) {
        if (ArcCrossesEdge(arc, corners[i], corners[(i + 1) % 4])) {
            return true;
        }
    }
    return false;
}

// Whether a figure lies so far from the pick box that its shape cannot meet
// it: the rectangle it lies in (an arc's or circle's whole circle) misses the
// box by more than any rounding. A click looks at every element of the
// drawing, most of them far off; this spares working out their shapes.
bool ClearlyMissesBox(const Element& element, const Box& box) {
    if (element.cls != ElementClass::Figure) {
        return false;
    }
    const ZedFigure& f = element.figure;
    double x0 = 0.0;
    double y0 = 0.0;
    double x1 = 0.0;
    double y1 = 0.0;
    switch (f.kind) {
        case ZED_FIG_LINE:
        case ZED_FIG_CHAMFER:
            x0 = std::min(f.v[0], f.v[2]);
            x1 = std::max(f.v[0], f.v[2]);
            y0 = std::min(f.v[1], f.v[3]);
            y1 = std::max(f.v[1], f.v[3]);
            break;
        case ZED_FIG_ARC:
        case ZED_FIG_FILLET:
        case ZED_FIG_CIRCLE: {
            // The radius as the drawn shape takes it (ArcPiece, CirclePiece).
            const double r = std::fabs(f.kind != ZED_FIG_CIRCLE && !(f.v[6] > 0.0)
                                           ? Distance(ZedPoint{f.v[0], f.v[1]}, ZedPoint{f.v[2], f.v[3]})
                                           : f.v[6]);
            x0 = f.v[0] - r;
            x1 = f.v[0] + r;
            y0 = f.v[1] - r;
            y1 = f.v[1] + r;
            break;
        }
        default:
            return false;
    }
    const double margin = 1e-6 + 1e-9 * (std::fabs(x0) + std::fabs(x1) + std::fabs(y0) + std::fabs(y1) +
                                         std::fabs(box.x0) + std::fabs(box.y0));
    // Written so that a coordinate that is not a number never counts as a miss.
    return x1 < box.x0 - margin || x0 > box.x1 + margin || y1 < box.y0 - margin || y0 > box.y1 + margin;
}

}  // namespace

bool PickDistance(const Element& element, double x, double y, double aperture, double* distance) {
    if (ClearlyMissesBox(element, Box{x - aperture, y - aperture, x + aperture, y + aperture})) {
        return false;
    }
    const std::vector<Piece> pieces = PiecesOf(element);
    const ZedPoint click{x, y};
    const Box box{x - aperture, y - aperture, x + aperture, y + aperture};
    bool meets = false;
    double nearest = 0.0;
    for (const Piece& piece : pieces) {
        if (!(piece.isArc ? ArcMeetsBox(piece, box) : SegmentMeetsBox(piece, box))) {
            continue;
        }
        const double d = piece.isArc ? ArcDistance(piece, click) : SegmentDistance(piece, click);
        nearest = meets ? std::min(nearest, d) : d;
        meets = true;
    }
    if (meets) {
        *distance = nearest;
    }
    return meets;
}

bool PointOnElement(const Element& element, ZedPoint* point) {
    // Texts are where a user clicks dimensions and notes; they stand clear of the outline.
    if (element.cls == ElementClass::Dimension && element.dim.kind == ZED_DIM_RADIUS) {
        *point = element.dim.radius.textPoint;
        return true;
    }
    if (element.cls == ElementClass::Note) {
        *point = element.leader.second;
        return true;
    }
    const std::vector<Piece> pieces = PiecesOf(element);
    if (pieces.empty()) {
        return false;
    }
    const Piece& piece = pieces.front();
    if (piece.isArc) {
        *point = ArcPoint(piece, piece.start + piece.sweep / 2.0);
    } else {
        *point = ZedPoint{(piece.a.x + piece.b.x) / 2.0, (piece.a.y + piece.b.y) / 2.0};
    }
    return true;
}

bool FilterAdmits(const int32_t filter[ZED_FILTER_SIZE], const Segment& segment, const Element& element) {
    // Each field is a set of bits; 0 admits everything of its class.
    const auto admits = [](int32_t field, int bit) {
        return field == 0 || (bit >= 0 && bit < 32 && (static_cast<uint32_t>(field) & (1u << bit)) != 0);
    };
    if (!admits(filter[0], segment.type + 1)) {
        return false;
    }
    switch (element.cls) {
        case ElementClass::Figure:
            return admits(filter[1], element.figure.kind - 1);
        case ElementClass::Dimension:
            return admits(filter[2], element.dim.kind == ZED_DIM_LINE_LENGTH ? 0
                                     : element.dim.kind == ZED_DIM_RADIUS    ? 4
                                                                             : -1);
        case ElementClass::Note:
            return admits(filter[3], element.leader.kind == ZED_LEADER_KIND ? 3 : -1);
    }
    return false;
}

}  // namespace emu
