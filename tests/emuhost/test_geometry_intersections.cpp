// Intersections of unbounded lines and whole circles, with the span markers,
// and the distance query.
#include "outline_test_support.h"

namespace {

using namespace outline_test;

using GeometryIntersectionTest = EmuDrawingTest;

void ExpectHit(const ZedItsPoint& hit, double x, double y, int marker) {
    EXPECT_NEAR(hit.p.x, x, 1e-9);
    EXPECT_NEAR(hit.p.y, y, 1e-9);
    EXPECT_EQ(hit.marker, marker);
}

int LinLin(const ZedFigure& a, const ZedFigure& b, ZedIntersection& out, int option = 0) {
    return ZedAriItsLinLin(option, &a, &b, &out);
}

int LinArc(const ZedFigure& line, const ZedFigure& arc, ZedIntersection& out, int option = 0) {
    return ZedAriItsLinArc(option, &line, &arc, &out);
}

int ArcArc(const ZedFigure& a, const ZedFigure& b, ZedIntersection& out, int option = 0) {
    return ZedAriItsArcArc(option, &a, &b, &out);
}

TEST_F(GeometryIntersectionTest, LinesCrossUnboundedAndTheMarkerTellsWhetherBothSpansHoldThePoint) {
    ZedIntersection out{};
    ASSERT_EQ(LinLin(emu::Line(0, 0, 10, 10), emu::Line(0, 10, 10, 0), out), 1);
    ExpectHit(out.points[0], 5, 5, 1);
    ASSERT_EQ(LinLin(emu::Line(0, 0, 2, 2), emu::Line(0, 10, 10, 0), out), 1);
    ExpectHit(out.points[0], 5, 5, 0);
    // Touching at an end counts as within the span.
    ASSERT_EQ(LinLin(emu::Line(0, 0, 5, 0), emu::Line(5, 0, 5, 7), out), 1);
    ExpectHit(out.points[0], 5, 0, 1);

    EXPECT_EQ(LinLin(emu::Line(0, 0, 10, 0), emu::Line(0, 1, 10, 1), out), 0);
    EXPECT_EQ(LinLin(emu::Line(0, 0, 10, 0), emu::Line(20, 0, 5, 0), out), 0);
    EXPECT_EQ(LinLin(emu::Line(0, 0, 10, 0), emu::Line(0, 1, 10, 1), out, 1), -1);
    EXPECT_EQ(LinLin(emu::Line(0, 0, 10, 0), emu::Arc(0, 0, 1, 0, 0, 1, ZED_ARC_CCW), out), -1);
    EXPECT_EQ(LinLin(emu::Line(0, 0, 0, 0), emu::Line(0, 1, 10, 1), out), -1);
    EXPECT_EQ(ZedAriItsLinLin(0, nullptr, nullptr, &out), -1);
}

TEST_F(GeometryIntersectionTest, ALineMeetsACircleInTheLinesOwnDirection) {
    ZedIntersection out{};
    // The right half of the circle of radius 5 about the origin, upwards.
    const ZedFigure rightHalf = emu::Arc(0, 0, 0, -5, 0, 5, ZED_ARC_CCW);
    ASSERT_EQ(LinArc(emu::Line(-10, 0, 10, 0), rightHalf, out), 2);
    ExpectHit(out.points[0], -5, 0, 0);
    ExpectHit(out.points[1], 5, 0, 1);
    ASSERT_EQ(LinArc(emu::Line(10, 0, -10, 0), rightHalf, out), 2);
    ExpectHit(out.points[0], 5, 0, 1);
    ExpectHit(out.points[1], -5, 0, 0);
    // A short line: the points lie on its unbounded extension only.
    ASSERT_EQ(LinArc(emu::Line(-1, 0, 1, 0), rightHalf, out), 2);
    EXPECT_EQ(out.points[1].marker, 0);
    // A whole circle stands for any arc.
    ASSERT_EQ(LinArc(emu::Line(0, -10, 0, 10), emu::Circle(0, 0, 5), out), 2);
    ExpectHit(out.points[0], 0, -5, 1);

    // Tangent, also along a slanted line whose distance is computed.
    ASSERT_EQ(LinArc(emu::Line(-10, 5, 10, 5), rightHalf, out), 1);
    ExpectHit(out.points[0], 0, 5, 1);
    const double c = std::cos(std::numbers::pi / 6);
    const double s = std::sin(std::numbers::pi / 6);
    ASSERT_EQ(LinArc(emu::Line(5 * c - 8 * s, 5 * s + 8 * c, 5 * c + 8 * s, 5 * s - 8 * c), rightHalf, out), 1);
    ExpectHit(out.points[0], 5 * c, 5 * s, 1);
    EXPECT_EQ(LinArc(emu::Line(-10, 5.001, 10, 5.001), rightHalf, out), 0);

    EXPECT_EQ(LinArc(emu::Line(-10, 0, 10, 0), rightHalf, out, 2), -1);
    EXPECT_EQ(LinArc(rightHalf, emu::Line(-10, 0, 10, 0), out), -1);
}

TEST_F(GeometryIntersectionTest, TwoCirclesMeetLeftOfTheCentreLineFirstWithTheFirstArcsMarker) {
    ZedIntersection out{};
    // The first quadrant of the circle about the origin, and a circle about (8, 0).
    const ZedFigure quarter = emu::Arc(0, 0, 5, 0, 0, 5, ZED_ARC_CCW);
    const ZedFigure other = emu::Arc(8, 0, 3, 0, 8, 5, ZED_ARC_CW);
    ASSERT_EQ(ArcArc(quarter, other, out), 2);
    ExpectHit(out.points[0], 4, 3, 1);
    ExpectHit(out.points[1], 4, -3, 0);
    // Seen from the other circle, left of its centre line is below.
    ASSERT_EQ(ArcArc(other, quarter, out), 2);
    ExpectHit(out.points[0], 4, -3, 0);
    ExpectHit(out.points[1], 4, 3, 1);
    // The same first circle, clockwise from (0, 5) to (5, 0): still the first quadrant.
    ASSERT_EQ(ArcArc(emu::Arc(0, 0, 0, 5, 5, 0, ZED_ARC_CW), other, out), 2);
    EXPECT_EQ(out.points[0].marker, 1);
    EXPECT_EQ(out.points[1].marker, 0);

    ASSERT_EQ(ArcArc(emu::Circle(0, 0, 3), emu::Circle(8, 0, 5), out), 1);
    ExpectHit(out.points[0], 3, 0, 1);
    ASSERT_EQ(ArcArc(emu::Circle(0, 0, 5), emu::Circle(2, 0, 3), out), 1);
    ExpectHit(out.points[0], 5, 0, 1);
    EXPECT_EQ(ArcArc(emu::Circle(0, 0, 5), emu::Circle(0, 0, 5), out), 0);
    EXPECT_EQ(ArcArc(emu::Circle(0, 0, 5), emu::Circle(0, 0, 3), out), 0);
    EXPECT_EQ(ArcArc(emu::Circle(0, 0, 1), emu::Circle(8, 0, 5), out), 0);
    EXPECT_EQ(ArcArc(emu::Circle(0, 0, 5), emu::Circle(1, 0, 1), out), 0);
    EXPECT_EQ(ArcArc(quarter, other, out, 1), -1);
    EXPECT_EQ(ArcArc(quarter, emu::Line(0, 0, 1, 1), out), -1);
}

TEST_F(GeometryIntersectionTest, DistanceBetweenPoints) {
    const ZedPoint p{1, 2};
    const ZedPoint q{4, 6};
    EXPECT_DOUBLE_EQ(ZedAriLen2Pnts(&p, &q), 5.0);
    EXPECT_DOUBLE_EQ(ZedAriLen2Pnts(&q, &q), 0.0);
    EXPECT_DOUBLE_EQ(ZedAriLen2Pnts(&p, nullptr), -1.0);
}

}  // namespace
