// Plates for the plan-pattern-A tests, laid out in the emulated host, and
// geometry to judge the result with that does not ask the host: an in/out
// test of its own, the chain as figures, lookups of lines by their ends.
#ifndef LEDGEWRIGHT_TESTS_PLANEA_PLATE_DRAWING_H
#define LEDGEWRIGHT_TESTS_PLANEA_PLATE_DRAWING_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <utility>
#include <vector>

#include "emuhost/emu_api.h"

namespace plate {

inline ZedPoint Pt(double x, double y) { return ZedPoint{x, y}; }

inline bool Near(ZedPoint a, ZedPoint b, double tolerance = 1e-9) {
    return std::fabs(a.x - b.x) <= tolerance && std::fabs(a.y - b.y) <= tolerance;
}

inline double Dist(ZedPoint a, ZedPoint b) { return std::hypot(b.x - a.x, b.y - a.y); }

// A plate 50 high whose bottom edge runs `width` from the origin.
inline std::vector<ZedPoint> Narrow(double width) { return {Pt(0, 0), Pt(width, 0), Pt(width, 50), Pt(0, 50)}; }

inline ZedPoint StartOf(const ZedFigure& f) {
    return f.kind == ZED_FIG_ARC || f.kind == ZED_FIG_FILLET ? Pt(f.v[2], f.v[3]) : Pt(f.v[0], f.v[1]);
}
inline ZedPoint EndOf(const ZedFigure& f) {
    return f.kind == ZED_FIG_ARC || f.kind == ZED_FIG_FILLET ? Pt(f.v[4], f.v[5]) : Pt(f.v[2], f.v[3]);
}

// The point half way round an arc from its first point to its second, in
// the sense its direction flag names (1 clockwise, 2 counter-clockwise, y up).
inline ZedPoint ArcMiddle(const ZedFigure& arc) {
    const double full = 2.0 * std::numbers::pi;
    const double from = std::atan2(arc.v[3] - arc.v[1], arc.v[2] - arc.v[0]);
    const double to = std::atan2(arc.v[5] - arc.v[1], arc.v[4] - arc.v[0]);
    const double counterClockwise = std::fmod(to - from + 2.0 * full, full);
    int32_t flag = 0;
    std::memcpy(&flag, reinterpret_cast<const unsigned char*>(&arc) + 64, sizeof flag);
    const double middle = flag == 1 ? from - (full - counterClockwise) / 2.0 : from + counterClockwise / 2.0;
    return Pt(arc.v[0] + arc.v[6] * std::cos(middle), arc.v[1] + arc.v[6] * std::sin(middle));
}

// A closed outline of lines through the vertices, listed counter-clockwise;
// drawn in reverse order (clockwise) when asked. The host stores the edges
// flagged in storedReversed (one flag an edge, edge i from vertex i to vertex
// i + 1 of the list) the other way round from the chain; no flags, none.
inline ZedId AddPolygon(int layer, std::vector<ZedPoint> ccw, bool clockwise, std::vector<bool> storedReversed) {
    const size_t n = ccw.size();
    storedReversed.resize(n, false);
    if (clockwise) {
        std::reverse(ccw.begin(), ccw.end());
        // Drawn edge j runs along listed edge n - 2 - j (mod n), backwards.
        std::vector<bool> drawn(n);
        for (size_t j = 0; j < n; ++j) {
            drawn[j] = storedReversed[(2 * n - 2 - j) % n];
        }
        storedReversed = drawn;
    }
    std::vector<ZedFigure> lines;
    for (size_t i = 0; i < n; ++i) {
        const ZedPoint a = ccw[i];
        const ZedPoint b = ccw[(i + 1) % n];
        lines.push_back(emu::Line(a.x, a.y, b.x, b.y));
    }
    ZedLineType2 attributes{};
    attributes.colour = 7;
    attributes.lineType = 3;
    attributes.host4 = 11;  // a host field that the shoulder's sides must copy
    return emu::AddOutline(layer, lines, true, &attributes, storedReversed);
}

// The same with every edge stored one way.
inline ZedId AddPolygon(int layer, std::vector<ZedPoint> ccw, bool clockwise, bool storedReversed = false) {
    const size_t n = ccw.size();
    return AddPolygon(layer, std::move(ccw), clockwise, std::vector<bool>(n, storedReversed));
}

// A 100 × 50 rectangle from the origin.
inline std::vector<ZedPoint> Rectangle() { return {Pt(0, 0), Pt(100, 0), Pt(100, 50), Pt(0, 50)}; }

// A plate with a notch 40 wide and 30 deep cut into its top edge; the notch's
// floor runs from (30, 30) to (70, 30) with the plate below it.
inline std::vector<ZedPoint> NotchedPlate() {
    return {Pt(0, 0), Pt(100, 0), Pt(100, 60), Pt(70, 60), Pt(70, 30), Pt(30, 30), Pt(30, 60), Pt(0, 60)};
}

// The element of the chain that is a line between a and b, either way round;
// -1 when there is none.
inline ZedId LineBetween(ZedId segment, ZedPoint a, ZedPoint b) {
    for (ZedId id : emu::Chain(segment)) {
        const ZedFigure f = emu::FigureOf(id);
        if (f.kind != ZED_FIG_LINE) {
            continue;
        }
        if ((Near(StartOf(f), a, 1e-6) && Near(EndOf(f), b, 1e-6)) ||
            (Near(StartOf(f), b, 1e-6) && Near(EndOf(f), a, 1e-6))) {
            return id;
        }
    }
    return -1;
}

// The element of the chain that is a line from a to b in that direction.
inline ZedId LineFromTo(ZedId segment, ZedPoint a, ZedPoint b, double tolerance = 1e-9) {
    for (ZedId id : emu::Chain(segment)) {
        const ZedFigure f = emu::FigureOf(id);
        if (f.kind == ZED_FIG_LINE && Near(StartOf(f), a, tolerance) && Near(EndOf(f), b, tolerance)) {
            return id;
        }
    }
    return -1;
}

inline std::vector<ZedFigure> Figures(ZedId segment) {
    std::vector<ZedFigure> figures;
    for (ZedId id : emu::Chain(segment)) {
        figures.push_back(emu::FigureOf(id));
    }
    return figures;
}

// The figures each written the chain's way, whichever way the host stores them.
inline std::vector<ZedFigure> ChainFigures(ZedId segment) {
    std::vector<ZedFigure> figures;
    for (ZedId id : emu::Chain(segment)) {
        ZedFigure f = emu::FigureOf(id);
        if (emu::StoredReversed(id)) {
            const bool arc = f.kind == ZED_FIG_ARC || f.kind == ZED_FIG_FILLET;
            const ZedPoint start = StartOf(f);
            const ZedPoint end = EndOf(f);
            const int kind = f.kind;
            f = arc ? emu::Arc(f.v[0], f.v[1], end.x, end.y, start.x, start.y,
                               emu::ArcFlag(f) == ZED_ARC_CCW ? ZED_ARC_CW : ZED_ARC_CCW)
                    : emu::Line(end.x, end.y, start.x, start.y);
            f.kind = kind;
        }
        figures.push_back(f);
    }
    return figures;
}

// The chain as a polygon: lines by their ends, arcs (and fillets) by many
// points along them, chamfers as lines.
inline std::vector<ZedPoint> Polygon(const std::vector<ZedFigure>& figures) {
    std::vector<ZedPoint> points;
    for (const ZedFigure& f : figures) {
        if (f.kind != ZED_FIG_ARC && f.kind != ZED_FIG_FILLET) {
            points.push_back(StartOf(f));
            continue;
        }
        const ZedPoint c = Pt(f.v[0], f.v[1]);
        const double r = f.v[6];
        const double from = std::atan2(f.v[3] - c.y, f.v[2] - c.x);
        const double to = std::atan2(f.v[5] - c.y, f.v[4] - c.x);
        double sweep = to - from;
        const bool ccw = emu::ArcFlag(f) == ZED_ARC_CCW;
        while (ccw && sweep <= 0) {
            sweep += 2 * std::numbers::pi;
        }
        while (!ccw && sweep >= 0) {
            sweep -= 2 * std::numbers::pi;
        }
        constexpr int kSteps = 256;
        for (int i = 0; i < kSteps; ++i) {
            const double a = from + sweep * i / kSteps;
            points.push_back(Pt(c.x + r * std::cos(a), c.y + r * std::sin(a)));
        }
    }
    return points;
}

inline double SegmentDistance(ZedPoint p, ZedPoint a, ZedPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 == 0 ? 0 : ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2;
    t = std::clamp(t, 0.0, 1.0);
    return Dist(p, Pt(a.x + t * dx, a.y + t * dy));
}

// The line of the chain that the point lies on; -1 when there is none.
inline ZedId LineAt(ZedId segment, ZedPoint p) {
    for (ZedId id : emu::Chain(segment)) {
        const ZedFigure f = emu::FigureOf(id);
        if (f.kind == ZED_FIG_LINE && SegmentDistance(p, StartOf(f), EndOf(f)) < 1e-9) {
            return id;
        }
    }
    return -1;
}

enum class Where { Inside, Outside, OnEdge };

// Even-odd test against the polygon, with a band of the tolerance around its
// edges counted as on the edge.
inline Where Locate(const std::vector<ZedPoint>& polygon, ZedPoint p, double tolerance = 1e-7) {
    bool inside = false;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const ZedPoint a = polygon[i];
        const ZedPoint b = polygon[(i + 1) % polygon.size()];
        if (SegmentDistance(p, a, b) <= tolerance) {
            return Where::OnEdge;
        }
        if ((a.y > p.y) != (b.y > p.y)) {
            const double x = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
            if (x > p.x) {
                inside = !inside;
            }
        }
    }
    return inside ? Where::Inside : Where::Outside;
}

// The chain's figures up to rotation: the same elements in the same cyclic
// order, every point within the tolerance.
inline bool SameClosedGeometry(const std::vector<ZedFigure>& a, const std::vector<ZedFigure>& b,
                               double tolerance = 1e-9) {
    if (a.size() != b.size() || a.empty()) {
        return false;
    }
    for (size_t shift = 0; shift < a.size(); ++shift) {
        bool same = true;
        for (size_t i = 0; i < a.size() && same; ++i) {
            const ZedFigure& x = a[i];
            const ZedFigure& y = b[(i + shift) % b.size()];
            same = x.kind == y.kind && Near(StartOf(x), StartOf(y), tolerance) && Near(EndOf(x), EndOf(y), tolerance);
        }
        if (same) {
            return true;
        }
    }
    return false;
}

}  // namespace plate

#endif  // LEDGEWRIGHT_TESTS_PLANEA_PLATE_DRAWING_H
