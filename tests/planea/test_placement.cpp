// Plan pattern A's placement geometry on its own, without a drawing: the
// choice of placement at its thresholds, the base points, the side, the hole
// radius's rounding, the notes' rays, and the corners after a typed depth or
// width.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry/tab_placement.h"
#include "tests/planea/plate_drawing.h"

namespace {

using plate::Near;
using plate::Pt;

PlaneASizes Sizes(double width, bool useWidthValue, double widthValue, double distance) {
    return PlaneASizes{width, 5.0, useWidthValue, widthValue, distance};
}

TEST(PlaneAPlacementChoice, ALineAsLongAsTheWidthIsShort) {
    const PlaneASizes sizes = Sizes(20.0, false, 0.0, 0.5);
    EXPECT_EQ(ChoosePlaneAPlacement(20.0, sizes).placement, PlaneAPlacement::Inset);
    EXPECT_EQ(ChoosePlaneAPlacement(20.0 + 1e-9, sizes).placement, PlaneAPlacement::Centre);
    EXPECT_FALSE(ChoosePlaneAPlacement(20.0, sizes).refused);
}

TEST(PlaneAPlacementChoice, TheSecondThresholdCountsOnlyWhenSwitchedOn) {
    EXPECT_EQ(ChoosePlaneAPlacement(25.0, Sizes(20.0, true, 30.0, 0.5)).placement, PlaneAPlacement::Inset);
    EXPECT_EQ(ChoosePlaneAPlacement(25.0, Sizes(20.0, false, 30.0, 0.5)).placement, PlaneAPlacement::Centre);
    // Whichever threshold is larger decides.
    EXPECT_EQ(ChoosePlaneAPlacement(15.0, Sizes(20.0, true, 10.0, 0.5)).placement, PlaneAPlacement::Inset);
}

TEST(PlaneAPlacementChoice, NoEndDistanceReplacesAShortLineWhole) {
    for (double d : {0.0, -1.0}) {
        const PlacementChoice choice = ChoosePlaneAPlacement(8.0, Sizes(20.0, true, 10.0, d));
        EXPECT_FALSE(choice.refused) << d;
        EXPECT_EQ(choice.placement, PlaneAPlacement::FullLine) << d;
    }
}

TEST(PlaneAPlacementChoice, AnEndDistanceOfAThirdOfTheLineIsRefused) {
    EXPECT_TRUE(ChoosePlaneAPlacement(9.0, Sizes(20.0, true, 10.0, 3.0)).refused);
    EXPECT_TRUE(ChoosePlaneAPlacement(9.0, Sizes(20.0, true, 10.0, 4.0)).refused);
    EXPECT_FALSE(ChoosePlaneAPlacement(9.0, Sizes(20.0, true, 10.0, 2.999)).refused);
    // A long line never looks at the distance.
    EXPECT_FALSE(ChoosePlaneAPlacement(90.0, Sizes(20.0, true, 10.0, 40.0)).refused);
}

TEST(ShoulderBasePoints, EachPlacementKeepsTheMiddleOfTheLine) {
    const ZedPoint s = Pt(10, 4), e = Pt(-30, 34);  // length 50, direction (-0.8, 0.6)
    const PlaneASizes sizes = Sizes(20.0, true, 10.0, 5.0);

    const ShoulderBase centre = ShoulderBasePoints(PlaneAPlacement::Centre, s, e, sizes);
    EXPECT_TRUE(Near(centre.p1, Pt(-2, 13)));
    EXPECT_TRUE(Near(centre.p2, Pt(-18, 25)));

    const ShoulderBase inset = ShoulderBasePoints(PlaneAPlacement::Inset, s, e, sizes);
    EXPECT_TRUE(Near(inset.p1, Pt(6, 7)));
    EXPECT_TRUE(Near(inset.p2, Pt(-26, 31)));

    const ShoulderBase full = ShoulderBasePoints(PlaneAPlacement::FullLine, s, e, sizes);
    EXPECT_TRUE(Near(full.p1, s));
    EXPECT_TRUE(Near(full.p2, e));

    for (const ShoulderBase& base : {centre, inset, full}) {
        EXPECT_TRUE(Near(base.m, Pt(-10, 19)));
    }
}

TEST(OutwardSide, OnlyAnOutsideAnswerKeepsTheLeftSide) {
    const double east = 0.0;
    const OutwardSide outside = OutwardSideFromAnswer(east, 1);
    EXPECT_FALSE(outside.flipped);
    EXPECT_TRUE(Near(outside.normal, Pt(0, 1), 1e-12));
    for (int answer : {0, 2, -1}) {
        const OutwardSide other = OutwardSideFromAnswer(east, answer);
        EXPECT_TRUE(other.flipped) << answer;
        EXPECT_TRUE(Near(other.normal, Pt(0, -1), 1e-12)) << answer;
    }
    EXPECT_TRUE(Near(OutwardSideTestPoint(Pt(3, 4), east), Pt(3, 4.001), 1e-12));
    EXPECT_DOUBLE_EQ(LengthDimensionOffset(false), 10.0);
    EXPECT_DOUBLE_EQ(LengthDimensionOffset(true), -10.0);
}

TEST(PlaneAHole, TheRadiusIsRoundedUpFromTheCircleThroughTheFarCorner) {
    const ZedPoint m = Pt(0, 0), q1 = Pt(-3, 4);  // |MQ1| = 5
    EXPECT_DOUBLE_EQ(TabHoleRadius(m, q1, -2.6), 3.0);  // 2.4 + 0.5 = 2.9
    EXPECT_DOUBLE_EQ(TabHoleRadius(m, q1, -3.0), 3.0);  // 2.0 + 0.5 = 2.5, half away from zero
    EXPECT_DOUBLE_EQ(TabHoleRadius(m, q1, -3.1), 2.0);  // 2.4
    EXPECT_DOUBLE_EQ(TabHoleRadius(m, q1, 0.5), 6.0);   // 6.0
}

TEST(PlaneAHole, TheNotesLieOnRaysAt45And315Degrees) {
    const ZedPoint m = Pt(10, 20), q1 = Pt(7, 24);  // |MQ1| = 5
    const double diagonal = std::sqrt(0.5);
    const NotePoints side = SideNotePoints(m, q1, 0.5);  // radii 6 and 11
    EXPECT_TRUE(Near(side.anchor, Pt(10 + 6 * diagonal, 20 + 6 * diagonal), 1e-12));
    EXPECT_TRUE(Near(side.text, Pt(10 + 11 * diagonal, 20 + 11 * diagonal), 1e-12));
    const NotePoints depth = DepthNotePoints(m, q1, 0.5);
    EXPECT_TRUE(Near(depth.anchor, Pt(10 + 6 * diagonal, 20 - 6 * diagonal), 1e-12));
    EXPECT_TRUE(Near(depth.text, Pt(10 + 11 * diagonal, 20 - 11 * diagonal), 1e-12));
}

// A shoulder on a line running west, standing out to the south.
const ShoulderCorners kShoulder{Pt(60, 0), Pt(60, -5), Pt(40, -5), Pt(40, 0)};

TEST(PlaneAReshape, ADepthMovesTheFarCornersAlongTheFirstSide) {
    const ShoulderCorners deeper = PlaneADepthChanged(kShoulder, 8.0);
    EXPECT_TRUE(Near(deeper.p1, Pt(60, 0)));
    EXPECT_TRUE(Near(deeper.q1, Pt(60, -8)));
    EXPECT_TRUE(Near(deeper.q2, Pt(40, -8)));
    EXPECT_TRUE(Near(deeper.p2, Pt(40, 0)));
}

TEST(PlaneAReshape, AWidthKeepsTheMiddleOfBaseAndInnerSide) {
    const ShoulderCorners narrow = PlaneAWidthChanged(kShoulder, 3.0);
    EXPECT_TRUE(Near(narrow.p1, Pt(53, 0)));
    EXPECT_TRUE(Near(narrow.q1, Pt(53, -5)));
    EXPECT_TRUE(Near(narrow.q2, Pt(47, -5)));
    EXPECT_TRUE(Near(narrow.p2, Pt(47, 0)));
    EXPECT_TRUE(Near(PlaneAInnerMiddle(kShoulder), Pt(50, -5)));
}

}  // namespace
