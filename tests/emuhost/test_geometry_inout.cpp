// The in/out test of a point against a closed outline list of lines and arcs.
#include <algorithm>
#include <random>

#include "outline_test_support.h"

namespace {

using namespace outline_test;

using GeometryInOutTest = EmuDrawingTest;

constexpr int kInside = 0;
constexpr int kOutside = 1;
constexpr int kOnOutline = 2;

int InOut(const std::vector<ZedFigure>& outline, double x, double y) {
    const ZedPoint p{x, y};
    return ZedAriIochkPnt(outline.data(), static_cast<int>(outline.size()), &p);
}

// The same outline run the other way round.
std::vector<ZedFigure> Reversed(const std::vector<ZedFigure>& outline) {
    std::vector<ZedFigure> reversed;
    for (auto it = outline.rbegin(); it != outline.rend(); ++it) {
        ZedFigure f = *it;
        if (f.kind == ZED_FIG_CIRCLE) {
            reversed.push_back(f);
            continue;
        }
        if (f.kind == ZED_FIG_ARC) {
            std::swap(f.v[2], f.v[4]);
            std::swap(f.v[3], f.v[5]);
            emu::SetArcFlag(f, emu::ArcFlag(f) == ZED_ARC_CW ? ZED_ARC_CCW : ZED_ARC_CW);
        } else {
            std::swap(f.v[0], f.v[2]);
            std::swap(f.v[1], f.v[3]);
        }
        reversed.push_back(f);
    }
    return reversed;
}

// The same outline with every second record stored the other way round, as
// a list read from elements joined end to end may hold them.
std::vector<ZedFigure> TurnedEverySecond(const std::vector<ZedFigure>& outline) {
    std::vector<ZedFigure> mixed = outline;
    for (size_t i = 1; i < mixed.size(); i += 2) {
        mixed[i] = Reversed({outline[i]}).front();
    }
    return mixed;
}

std::vector<ZedFigure> Polygon(const std::vector<ZedPoint>& points) {
    std::vector<ZedFigure> figures;
    for (size_t i = 0; i < points.size(); ++i) {
        const ZedPoint& a = points[i];
        const ZedPoint& b = points[(i + 1) % points.size()];
        figures.push_back(emu::Line(a.x, a.y, b.x, b.y));
    }
    return figures;
}

struct Probe {
    double x;
    double y;
    int expected;
};

// Checks the probes against the outline in both directions.
void ExpectProbes(const char* what, const std::vector<ZedFigure>& outline, const std::vector<Probe>& probes) {
    for (const auto& [direction, list] :
         {std::pair{"as drawn", outline}, std::pair{"reversed", Reversed(outline)},
          std::pair{"every second record turned", TurnedEverySecond(outline)},
          std::pair{"reversed, every second record turned", TurnedEverySecond(Reversed(outline))}}) {
        for (const Probe& probe : probes) {
            EXPECT_EQ(InOut(list, probe.x, probe.y), probe.expected)
                << what << " " << direction << " at (" << probe.x << ", " << probe.y << ")";
        }
    }
}

TEST_F(GeometryInOutTest, PolygonsConvexAndConcave) {
    ExpectProbes("square", Polygon({Pt(0, 0), Pt(10, 0), Pt(10, 10), Pt(0, 10)}),
                 {{5, 5, kInside}, {15, 5, kOutside}, {-0.001, 5, kOutside}, {0.001, 5, kInside},
                  {10, 5, kOnOutline}, {10, 10, kOnOutline}, {5, 10, kOnOutline}, {20, 10, kOutside}});
    // An L: the notch at the top right is outside; probes level with vertices.
    ExpectProbes("L", Polygon({Pt(0, 0), Pt(10, 0), Pt(10, 4), Pt(4, 4), Pt(4, 10), Pt(0, 10)}),
                 {{2, 2, kInside}, {8, 2, kInside}, {2, 8, kInside}, {8, 8, kOutside}, {6, 4.5, kOutside},
                  {6, 4, kOnOutline}, {-1, 4, kOutside}, {12, 4, kOutside}, {2, 4, kInside}, {4, 10, kOnOutline}});
    // A comb with three teeth: a horizontal line from a probe crosses many edges.
    ExpectProbes("comb",
                 Polygon({Pt(0, 0), Pt(10, 0), Pt(10, 5), Pt(8, 5), Pt(8, 2), Pt(6, 2), Pt(6, 5), Pt(4, 5), Pt(4, 2),
                          Pt(2, 2), Pt(2, 5), Pt(0, 5)}),
                 {{1, 3, kInside}, {3, 3, kOutside}, {5, 3, kInside}, {7, 3, kOutside}, {9, 3, kInside},
                  {5, 1, kInside}, {3, 2, kOnOutline}, {3, 2.0001, kOutside}, {11, 2, kOutside}});
}

TEST_F(GeometryInOutTest, OutlinesWithArcs) {
    // The slot round B = (0, 0) and A = (10, 0) with half-width 2, clockwise.
    ExpectProbes("slot",
                 {emu::Arc(10, 0, 10, 2, 10, -2, ZED_ARC_CW), emu::Line(10, -2, 0, -2),
                  emu::Arc(0, 0, 0, -2, 0, 2, ZED_ARC_CW), emu::Line(0, 2, 10, 2)},
                 {{5, 0, kInside}, {-1.9, 0, kInside}, {11.9, 0, kInside}, {12.1, 0, kOutside}, {-2.1, 0, kOutside},
                  {-1.9, 1.9, kOutside}, {11.9, -1.9, kOutside}, {10, 0, kInside}, {12, 0, kOnOutline},
                  {0, 2, kOnOutline}, {5, 2.5, kOutside}});
    // A square whose top bulges inwards: the bulge is outside.
    ExpectProbes("dented square",
                 {emu::Line(-5, -5, 5, -5), emu::Line(5, -5, 5, 5), emu::Arc(0, 10, 5, 5, -5, 5, ZED_ARC_CW),
                  emu::Line(-5, 5, -5, -5)},
                 // The arc's chord (y = 5) lies in the dent.
                 {{0, 4, kOutside}, {0, 5, kOutside}, {2, 5, kOutside}, {0, 2, kInside}, {4.5, 4.4, kInside},
                  {4.5, 4.9, kOutside}, {0, 10 - std::sqrt(50.0), kOnOutline}, {0, -4, kInside}});
    // A crescent between a half circle and a flatter arc on the same chord: the
    // chord itself lies outside, and a probe on the chord sees both arcs sweep.
    ExpectProbes("crescent",
                 {emu::Arc(0, 0, -5, 0, 5, 0, ZED_ARC_CW), emu::Arc(0, -10, 5, 0, -5, 0, ZED_ARC_CCW)},
                 {{0, 0, kOutside}, {0, 3, kInside}, {0, 1, kOutside}, {0, 6, kOutside}, {4.5, 1, kInside},
                  {-4, -1, kOutside}, {0, 5, kOnOutline}});
    // A half disc: the probe on the chord is on the outline there.
    ExpectProbes("half disc", {emu::Line(-5, 0, 5, 0), emu::Arc(0, 0, 5, 0, -5, 0, ZED_ARC_CCW)},
                 {{0, 0, kOnOutline}, {0, 1, kInside}, {0, -1, kOutside}, {0, 5.1, kOutside}});
    // More than half a circle, closed by a chord below its centre.
    ExpectProbes("major segment", {emu::Line(-3, -4, 3, -4), emu::Arc(0, 0, 3, -4, -3, -4, ZED_ARC_CCW)},
                 {{0, 0, kInside}, {0, -4.5, kOutside}, {4.5, -1, kInside}, {4, -3.5, kOutside}});
    ExpectProbes("circle", {emu::Circle(1, 1, 2)}, {{1, 1, kInside}, {3.5, 1, kOutside}, {3, 1, kOnOutline}});
}

TEST_F(GeometryInOutTest, ListsThatAreNotClosedOutlinesAreRefused) {
    const std::vector<ZedFigure> square = Polygon({Pt(0, 0), Pt(10, 0), Pt(10, 10), Pt(0, 10)});
    const std::vector<ZedFigure> gap(square.begin(), square.end() - 1);
    std::vector<ZedFigure> corner = square;
    corner[1].kind = ZED_FIG_CHAMFER;
    std::vector<ZedFigure> curve = square;
    curve[2].kind = ZED_FIG_CURVE;
    const ZedPoint p{5, 5};
    EXPECT_EQ(InOut(gap, 5, 5), -1);
    EXPECT_EQ(InOut(corner, 5, 5), -1);
    EXPECT_EQ(InOut(curve, 5, 5), -1);
    EXPECT_EQ(ZedAriIochkPnt(square.data(), 0, &p), -1);
    EXPECT_EQ(ZedAriIochkPnt(nullptr, 4, &p), -1);
    EXPECT_EQ(ZedAriIochkPnt(square.data(), 4, nullptr), -1);
    EXPECT_EQ(InOut({emu::Circle(0, 0, 1), emu::Circle(0, 0, 2)}, 0, 0), -1);
}

// ---------------------------------------------------------------------------
// Against an independent count on finely flattened outlines
// ---------------------------------------------------------------------------

// Winding number of a polygon about a point (crossings of the ray to +x, signed).
int PolygonWinding(const std::vector<ZedPoint>& polygon, const ZedPoint& p) {
    int winding = 0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const ZedPoint& a = polygon[i];
        const ZedPoint& b = polygon[(i + 1) % polygon.size()];
        const double side = (b.x - a.x) * (p.y - a.y) - (p.x - a.x) * (b.y - a.y);
        if (a.y <= p.y && b.y > p.y && side > 0) {
            ++winding;
        } else if (a.y > p.y && b.y <= p.y && side < 0) {
            --winding;
        }
    }
    return winding;
}

double SegmentDistance(const ZedPoint& a, const ZedPoint& b, const ZedPoint& p) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y);
}

std::vector<ZedPoint> Flatten(const std::vector<ZedFigure>& outline) {
    std::vector<ZedPoint> points;
    for (const ZedFigure& f : outline) {
        if (f.kind != ZED_FIG_ARC) {
            points.push_back(StartPoint(f));
            continue;
        }
        const double from = std::atan2(f.v[3] - f.v[1], f.v[2] - f.v[0]);
        const double sweep = Sweep(f);
        // Steps small enough that the flattening stays within 1e-4 of the arc.
        const int steps = 1 + static_cast<int>(std::fabs(sweep) / std::sqrt(8e-4 / f.v[6]));
        for (int i = 0; i < steps; ++i) {
            const double angle = from + sweep * i / steps;
            points.push_back(Pt(f.v[0] + f.v[6] * std::cos(angle), f.v[1] + f.v[6] * std::sin(angle)));
        }
    }
    return points;
}

// An arc from a to b that bulges by the sagitta to the left of a -> b (to the
// right when negative).
ZedFigure Bulge(const ZedPoint& a, const ZedPoint& b, double sagitta) {
    const double half = std::hypot(b.x - a.x, b.y - a.y) / 2;
    const ZedPoint left{-(b.y - a.y) / (2 * half), (b.x - a.x) / (2 * half)};
    const double radius = (half * half + sagitta * sagitta) / (2 * std::fabs(sagitta));
    const double back = (radius - std::fabs(sagitta)) * (sagitta > 0 ? -1 : 1);
    const ZedPoint centre{(a.x + b.x) / 2 + back * left.x, (a.y + b.y) / 2 + back * left.y};
    ZedFigure arc = emu::Arc(centre.x, centre.y, a.x, a.y, b.x, b.y, sagitta > 0 ? ZED_ARC_CW : ZED_ARC_CCW);
    arc.v[6] = radius;
    return arc;
}

TEST_F(GeometryInOutTest, AgreesWithAFlattenedOutlineOnRandomShapes) {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    int checked = 0;
    for (int shape = 0; shape < 60; ++shape) {
        // A star-shaped polygon, some of whose sides bulge in or out.
        const int corners = 3 + static_cast<int>(unit(random) * 7);
        std::vector<double> angles;
        for (int i = 0; i < corners; ++i) {
            angles.push_back(unit(random) * 2 * std::numbers::pi);
        }
        std::sort(angles.begin(), angles.end());
        std::vector<ZedPoint> vertices;
        for (double angle : angles) {
            const double radius = 4 + 6 * unit(random);
            vertices.push_back(Pt(radius * std::cos(angle), radius * std::sin(angle)));
        }
        std::vector<ZedFigure> outline;
        for (int i = 0; i < corners; ++i) {
            const ZedPoint& a = vertices[i];
            const ZedPoint& b = vertices[(i + 1) % corners];
            if (std::hypot(b.x - a.x, b.y - a.y) < 0.5) {
                outline.push_back(emu::Line(a.x, a.y, b.x, b.y));
                continue;
            }
            const double choice = unit(random);
            const double chord = std::hypot(b.x - a.x, b.y - a.y);
            if (choice < 0.4) {
                outline.push_back(emu::Line(a.x, a.y, b.x, b.y));
            } else {
                // Up to a half circle out, or a shallow dent in.
                const double sagitta = choice < 0.7 ? -(0.05 + 0.45 * unit(random)) * chord
                                                    : (0.05 + 0.25 * unit(random)) * chord;
                outline.push_back(Bulge(a, b, sagitta));
            }
        }
        if (unit(random) < 0.5) {
            outline = Reversed(outline);
        }
        const std::vector<ZedPoint> flat = Flatten(outline);
        for (int probe = 0; probe < 80; ++probe) {
            const ZedPoint p{-16 + 32 * unit(random), -16 + 32 * unit(random)};
            double nearest = 1e9;
            for (size_t i = 0; i < flat.size(); ++i) {
                nearest = std::min(nearest, SegmentDistance(flat[i], flat[(i + 1) % flat.size()], p));
            }
            if (nearest < 0.01) {
                continue;
            }
            const int expected = PolygonWinding(flat, p) != 0 ? kInside : kOutside;
            ASSERT_EQ(InOut(outline, p.x, p.y), expected) << "shape " << shape << " at (" << p.x << ", " << p.y << ")";
            ++checked;
        }
    }
    EXPECT_GT(checked, 3000);
}

}  // namespace
