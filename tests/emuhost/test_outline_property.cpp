// Randomised: dividing any closed outline at any point on it and closing it
// again by joining a piece back keeps the chain sound and its area, with any
// of its elements stored the other way round, and every element's place in
// the chain follows the changes.
#include <algorithm>
#include <random>

#include "outline_test_support.h"

namespace {

using namespace outline_test;

using OutlinePropertyTest = EmuDrawingTest;

// A random star-shaped outline of lines and outward arcs, either way round.
std::vector<ZedFigure> RandomOutline(std::mt19937& random) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const int corners = 3 + static_cast<int>(unit(random) * 8);
    std::vector<ZedPoint> points;
    for (int i = 0; i < corners; ++i) {
        const double angle = 2 * std::numbers::pi * (i + 0.35 + 0.3 * unit(random)) / corners;
        // Radii close enough that the bulging arcs of neighbouring sides never
        // cross: the outline is simple.
        const double radius = 35 + 15 * unit(random);
        points.push_back(Pt(100 + radius * std::cos(angle), -50 + radius * std::sin(angle)));
    }
    const bool clockwise = unit(random) < 0.5;
    if (clockwise) {
        std::reverse(points.begin(), points.end());
    }
    std::vector<ZedFigure> outline;
    for (int i = 0; i < corners; ++i) {
        const ZedPoint& a = points[i];
        const ZedPoint& b = points[(i + 1) % corners];
        if (unit(random) < 0.5) {
            outline.push_back(emu::Line(a.x, a.y, b.x, b.y));
            continue;
        }
        // An arc over the side, bulging outwards by up to a half circle.
        const ZedPoint mid = Pt((a.x + b.x) / 2, (a.y + b.y) / 2);
        const double half = std::hypot(b.x - a.x, b.y - a.y) / 2;
        const ZedPoint outward = clockwise ? Pt(-(b.y - a.y) / (2 * half), (b.x - a.x) / (2 * half))
                                           : Pt((b.y - a.y) / (2 * half), -(b.x - a.x) / (2 * half));
        const double sagitta = half * (0.1 + 0.9 * unit(random));
        const double radius = (half * half + sagitta * sagitta) / (2 * sagitta);
        const ZedPoint centre = Pt(mid.x - (radius - sagitta) * outward.x, mid.y - (radius - sagitta) * outward.y);
        ZedFigure arc = emu::Arc(centre.x, centre.y, a.x, a.y, b.x, b.y, clockwise ? ZED_ARC_CW : ZED_ARC_CCW);
        arc.v[6] = radius;
        outline.push_back(arc);
    }
    return outline;
}

// A point on the element at a fraction of its length.
ZedPoint PointAlong(const ZedFigure& f, double t) {
    if (f.kind == ZED_FIG_LINE) {
        return Pt(f.v[0] + t * (f.v[2] - f.v[0]), f.v[1] + t * (f.v[3] - f.v[1]));
    }
    const double angle = std::atan2(f.v[3] - f.v[1], f.v[2] - f.v[0]) + t * Sweep(f);
    return Pt(f.v[0] + f.v[6] * std::cos(angle), f.v[1] + f.v[6] * std::sin(angle));
}

TEST_F(OutlinePropertyTest, DividingAndRejoiningKeepsTheChainSoundAndItsArea) {
    std::mt19937 random(4711);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        emu::Reset();
        SetUp();
        const std::vector<ZedFigure> figures = RandomOutline(random);
        const double area = SignedArea(figures);
        std::vector<bool> storedReversed;
        for (size_t i = 0; i < figures.size(); ++i) {
            storedReversed.push_back(unit(random) < 0.3);
        }
        const ZedId outline = emu::AddOutline(kLayer, figures, true, nullptr, storedReversed);
        ASSERT_GT(outline, 0);
        const auto expectOrders = [outline] {
            const std::vector<ZedId> chain = emu::Chain(outline);
            for (size_t i = 0; i < chain.size(); ++i) {
                EXPECT_EQ(ZedElmGetElementOrder(chain[i]), static_cast<int>(i) + 1);
            }
        };

        // Anywhere on an element, now and then exactly at its start.
        const size_t element = static_cast<size_t>(unit(random) * static_cast<double>(figures.size()));
        const bool atVertex = unit(random) < 0.2;
        const ZedPoint at = PointAlong(figures[element], atVertex ? 0.0 : 0.02 + 0.96 * unit(random));
        const ZedFigRef ref = Ref(outline);
        ZedId divided = -1;
        ASSERT_EQ(ZedFigDivide(&ref, &at, &divided), 0);
        ASSERT_EQ(divided, outline);
        EXPECT_EQ(emu::Chain(outline).size(), figures.size() + (atVertex ? 0 : 1));
        EXPECT_EQ(emu::CheckIntegrity(outline), "");
        expectOrders();
        // The chain's way, as the outline list runs.
        const ZedFigure head = OutlineList(outline).front();
        const ZedFigure tail = OutlineList(outline).back();
        EXPECT_NEAR(StartPoint(head).x, at.x, 1e-9);
        EXPECT_NEAR(StartPoint(head).y, at.y, 1e-9);
        EXPECT_NEAR(EndPoint(tail).x, at.x, 1e-9);
        EXPECT_NEAR(EndPoint(tail).y, at.y, 1e-9);
        EXPECT_NEAR(SignedArea(OutlineList(outline)), area, 1e-6 * std::fabs(area));

        // Take the head off, draw it again in a segment of its own, join and close.
        const size_t count = emu::Chain(outline).size();
        ASSERT_EQ(ZedElmDeleteElement(ZedSgmGetHeadElementId(outline)), 0);
        const ZedId piece = ZedSgmCreateSegment(ZED_SGM_FIGURE, 0);
        ASSERT_GT(ZedFigCreateFigure(piece, &head), 0);
        ASSERT_EQ(ZedFigConcat(outline, piece), outline);
        ASSERT_EQ(ZedFigSetClosed(outline, 1), 0);
        EXPECT_EQ(emu::Chain(outline).size(), count);
        EXPECT_EQ(emu::CheckAllIntegrity(), "");
        expectOrders();
        EXPECT_NEAR(SignedArea(OutlineList(outline)), area, 1e-6 * std::fabs(area));
        const ZedPoint centre = Pt(100, -50);
        const std::vector<ZedFigure> list = OutlineList(outline);
        EXPECT_EQ(ZedAriIochkPnt(list.data(), static_cast<int>(list.size()), &centre), 0);
    }
}

}  // namespace
