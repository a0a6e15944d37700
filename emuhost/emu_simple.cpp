// The simple-outline check of closed chains.
#include "emuhost/emu_simple.h"

#include <algorithm>
#include <cmath>

#include "emuhost/emu_geom.h"
#include "emuhost/emu_state.h"

namespace emu {

namespace {

// A point this close to the joint of two neighbours is the joint itself.
constexpr double kJointRadius = 10 * kTolerance;
// Curves this close to tangency meet in one point.
constexpr double kTangency = 1e-9;

struct Box {
    double minX, minY, maxX, maxY;
    size_t index;
};

Box BoxOf(const ZedFigure& f, size_t index) {
    const ZedPoint s = StartOf(f);
    const ZedPoint e = EndOf(f);
    Box box{std::min(s.x, e.x), std::min(s.y, e.y), std::max(s.x, e.x), std::max(s.y, e.y), index};
    if (IsArcKind(f.kind)) {
        const ZedPoint c = CentreOf(f);
        const double r = f.v[6];
        for (const ZedPoint p : {ZedPoint{c.x + r, c.y}, ZedPoint{c.x, c.y + r}, ZedPoint{c.x - r, c.y},
                                 ZedPoint{c.x, c.y - r}}) {
            if (WithinArcSpan(f, p)) {
                box.minX = std::min(box.minX, p.x);
                box.minY = std::min(box.minY, p.y);
                box.maxX = std::max(box.maxX, p.x);
                box.maxY = std::max(box.maxY, p.y);
            }
        }
    }
    box.minX -= kTolerance;
    box.minY -= kTolerance;
    box.maxX += kTolerance;
    box.maxY += kTolerance;
    return box;
}

double Cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

// A few points, kept without allocating: the pair test runs for every two
// pieces whose boxes meet.
struct Points {
    ZedPoint at[12];
    int count = 0;
    void Add(const ZedPoint& p) { at[count++] = p; }
};

// Where the carriers of the two pieces (unbounded lines, whole circles) cross.
void AddCarrierCrossings(const ZedFigure& a, const ZedFigure& b, Points& points) {
    if (IsLineKind(a.kind) && IsLineKind(b.kind)) {
        const ZedPoint p = StartOf(a), q = StartOf(b);
        const double dx1 = EndOf(a).x - p.x, dy1 = EndOf(a).y - p.y;
        const double dx2 = EndOf(b).x - q.x, dy2 = EndOf(b).y - q.y;
        const double denominator = Cross(dx1, dy1, dx2, dy2);
        if (std::fabs(denominator) <= 1e-12 * std::hypot(dx1, dy1) * std::hypot(dx2, dy2)) {
            return;  // parallel: an overlap shows at the ends
        }
        const double t = Cross(q.x - p.x, q.y - p.y, dx2, dy2) / denominator;
        points.Add(ZedPoint{p.x + t * dx1, p.y + t * dy1});
        return;
    }
    if (IsArcKind(a.kind) && IsArcKind(b.kind)) {
        const ZedPoint c1 = CentreOf(a), c2 = CentreOf(b);
        const double r1 = a.v[6], r2 = b.v[6];
        const double d = Distance(c1, c2);
        if (d <= kTangency || d > r1 + r2 + kTangency || d < std::fabs(r1 - r2) - kTangency) {
            return;  // concentric (an overlap shows at the ends) or apart
        }
        const double ux = (c2.x - c1.x) / d, uy = (c2.y - c1.y) / d;
        const double along = (d * d + r1 * r1 - r2 * r2) / (2 * d);
        const ZedPoint foot{c1.x + along * ux, c1.y + along * uy};
        const double h2 = r1 * r1 - along * along;
        if (std::fabs(d - (r1 + r2)) <= kTangency || std::fabs(d - std::fabs(r1 - r2)) <= kTangency || h2 <= 0) {
            points.Add(foot);
            return;
        }
        const double h = std::sqrt(h2);
        points.Add(ZedPoint{foot.x - h * uy, foot.y + h * ux});
        points.Add(ZedPoint{foot.x + h * uy, foot.y - h * ux});
        return;
    }
    const ZedFigure& line = IsLineKind(a.kind) ? a : b;
    const ZedFigure& arc = IsLineKind(a.kind) ? b : a;
    const ZedPoint p = StartOf(line);
    const double length = Distance(p, EndOf(line));
    const double ux = (EndOf(line).x - p.x) / length, uy = (EndOf(line).y - p.y) / length;
    const ZedPoint c = CentreOf(arc);
    const double r = arc.v[6];
    const double t = (c.x - p.x) * ux + (c.y - p.y) * uy;
    const ZedPoint foot{p.x + t * ux, p.y + t * uy};
    const double h = Distance(c, foot);
    if (h > r + kTangency) {
        return;
    }
    if (r - h <= kTangency) {
        points.Add(foot);
        return;
    }
    const double half = std::sqrt(r * r - h * h);
    points.Add(ZedPoint{foot.x - half * ux, foot.y - half * uy});
    points.Add(ZedPoint{foot.x + half * ux, foot.y + half * uy});
}

// Points of one piece where it may come nearest the other: the ends and the
// middle, and where the other's normal through an arc's centre meets the arc.
void AddNearPoints(const ZedFigure& f, const ZedFigure& other, Points& points) {
    points.Add(StartOf(f));
    points.Add(EndOf(f));
    if (IsLineKind(f.kind)) {
        points.Add(ZedPoint{(StartOf(f).x + EndOf(f).x) / 2, (StartOf(f).y + EndOf(f).y) / 2});
        return;
    }
    points.Add(PointOnArc(f, 0.5));
    const ZedPoint c = CentreOf(f);
    const double r = f.v[6];
    double nx = 0, ny = 0;
    if (IsLineKind(other.kind)) {
        const double dx = EndOf(other).x - StartOf(other).x, dy = EndOf(other).y - StartOf(other).y;
        const double length = std::hypot(dx, dy);
        nx = -dy / length;
        ny = dx / length;
    } else {
        const double d = Distance(c, CentreOf(other));
        if (d <= kTangency) {
            return;
        }
        nx = (CentreOf(other).x - c.x) / d;
        ny = (CentreOf(other).y - c.y) / d;
    }
    for (const double sign : {1.0, -1.0}) {
        const ZedPoint p{c.x + sign * r * nx, c.y + sign * r * ny};
        if (WithinArcSpan(f, p)) {
            points.Add(p);
        }
    }
}

// Whether two pieces meet anywhere but at the joints given.
bool Meet(const ZedFigure& a, const ZedFigure& b, const Points& joints, ZedPoint& at) {
    Points points;
    AddCarrierCrossings(a, b, points);
    AddNearPoints(a, b, points);
    AddNearPoints(b, a, points);
    for (int k = 0; k < points.count; ++k) {
        const ZedPoint& p = points.at[k];
        if (DistanceTo(a, p) > kTolerance || DistanceTo(b, p) > kTolerance) {
            continue;
        }
        bool atJoint = false;
        for (int j = 0; j < joints.count; ++j) {
            atJoint = atJoint || Distance(p, joints.at[j]) <= kJointRadius;
        }
        if (!atJoint) {
            at = p;
            return true;
        }
    }
    return false;
}

// The ends that two neighbours share, whichever way each is stored.
Points Joints(const ZedFigure& a, const ZedFigure& b) {
    Points joints;
    for (const ZedPoint& p : {StartOf(a), EndOf(a)}) {
        if (Near(p, StartOf(b)) || Near(p, EndOf(b))) {
            joints.Add(p);
        }
    }
    return joints;
}

}  // namespace

SelfContact FindSelfContact(const std::vector<ZedFigure>& figures) {
    const size_t count = figures.size();
    std::vector<Box> boxes;
    boxes.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        boxes.push_back(BoxOf(figures[i], i));
    }
    std::sort(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.minX < b.minX; });
    SelfContact best;
    for (size_t k = 0; k < boxes.size(); ++k) {
        for (size_t m = k + 1; m < boxes.size() && boxes[m].minX <= boxes[k].maxX; ++m) {
            if (boxes[m].minY > boxes[k].maxY || boxes[m].maxY < boxes[k].minY) {
                continue;
            }
            const size_t i = std::min(boxes[k].index, boxes[m].index);
            const size_t j = std::max(boxes[k].index, boxes[m].index);
            const bool neighbours = j == i + 1 || (i == 0 && j == count - 1);
            const Points joints = neighbours ? Joints(figures[i], figures[j]) : Points{};
            ZedPoint at{};
            // Of all contacts the one earliest in the chain, so that the report does not depend on the sweep.
            if (Meet(figures[i], figures[j], joints, at) &&
                (!best.found || i < best.first || (i == best.first && j < best.second))) {
                best = SelfContact{true, i, j, at};
            }
        }
    }
    return best;
}

}  // namespace emu
