// Shaped holes: the outline drawn round two centres, the hole made over it
// and made again from the shaped-hole memory.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "base/messages.h"
#include "geometry/figure_record.h"
#include "geometry/shoulder_memory.h"
#include "holes/hole_state.h"
#include "holes/shaped_hole.h"
#include "settings/shoulder_settings.h"
#include "tagging/shoulder_tag.h"
#include "tests/holes/hole_fixture.h"

namespace {

constexpr double kTight = 1e-9;

void ExpectPoint(ZedPoint actual, double x, double y, const char* what) {
    EXPECT_NEAR(actual.x, x, kTight) << what;
    EXPECT_NEAR(actual.y, y, kTight) << what;
}

// The outline's figures in loop order, starting with the first one drawn (the
// side on the left of B→A).
std::vector<ZedFigure> LoopFrom(ZedId segment, ZedPoint leftOfB) {
    std::vector<ZedFigure> figures;
    for (ZedId element : emu::Chain(segment)) {
        figures.push_back(emu::FigureOf(element));
    }
    for (size_t turn = 0; turn < figures.size(); ++turn) {
        const ZedFigure& first = figures.front();
        if (first.kind == ZED_FIG_LINE && std::abs(first.v[0] - leftOfB.x) < kTight &&
            std::abs(first.v[1] - leftOfB.y) < kTight) {
            break;
        }
        std::rotate(figures.begin(), figures.begin() + 1, figures.end());
    }
    return figures;
}

// The point halfway along a clockwise arc.
ZedPoint ArcMiddle(const ZedFigure& arc) {
    const ZedPoint c = ArcCentre(arc), s = ArcStart(arc), e = ArcEnd(arc);
    const double from = std::atan2(s.y - c.y, s.x - c.x);
    double to = std::atan2(e.y - c.y, e.x - c.x);
    while (to >= from) {
        to -= 2.0 * std::acos(-1.0);
    }
    const double middle = (from + to) / 2.0;
    return ZedPoint{c.x + ArcRadius(arc) * std::cos(middle), c.y + ArcRadius(arc) * std::sin(middle)};
}

class ShapedHole : public HoleTest {
protected:
    bool MakeHole(ZedPoint b = {0, 0}, ZedPoint a = {10, 0}, double halfWidth = 2) {
        return CreateShapedHole(plate_, b, a, halfWidth, Pattern::PlaneA);
    }
};

TEST_F(ShapedHole, TheOutlineIsTwoSidesAndTwoClockwiseEnds) {
    ZedId segment = -1;
    ASSERT_TRUE(ShapedHoleOutline({0, 0}, {10, 0}, 2, segment));
    EXPECT_TRUE(emu::SegmentClosed(segment));
    EXPECT_EQ(emu::CheckIntegrity(segment), "");
    const std::vector<ZedFigure> loop = LoopFrom(segment, {0, 2});
    ASSERT_EQ(loop.size(), 4u);

    ASSERT_EQ(loop[0].kind, ZED_FIG_LINE);
    ExpectPoint(LineStart(loop[0]), 0, 2, "left side start");
    ExpectPoint(LineEnd(loop[0]), 10, 2, "left side end");

    ASSERT_EQ(loop[1].kind, ZED_FIG_ARC);
    ExpectPoint(ArcCentre(loop[1]), 10, 0, "end about A, centre");
    ExpectPoint(ArcStart(loop[1]), 10, 2, "end about A, start");
    ExpectPoint(ArcEnd(loop[1]), 10, -2, "end about A, end");
    EXPECT_EQ(ArcRadius(loop[1]), 2.0);
    EXPECT_EQ(ArcDirection(loop[1]), ZED_ARC_CW);
    ExpectPoint(ArcMiddle(loop[1]), 12, 0, "end about A, through");

    ASSERT_EQ(loop[2].kind, ZED_FIG_LINE);
    ExpectPoint(LineStart(loop[2]), 10, -2, "right side start");
    ExpectPoint(LineEnd(loop[2]), 0, -2, "right side end");

    ASSERT_EQ(loop[3].kind, ZED_FIG_ARC);
    ExpectPoint(ArcCentre(loop[3]), 0, 0, "end about B, centre");
    ExpectPoint(ArcStart(loop[3]), 0, -2, "end about B, start");
    ExpectPoint(ArcEnd(loop[3]), 0, 2, "end about B, end");
    EXPECT_EQ(ArcDirection(loop[3]), ZED_ARC_CW);
    ExpectPoint(ArcMiddle(loop[3]), -2, 0, "end about B, through");
}

TEST_F(ShapedHole, TheEndsBulgeAwayFromEachOtherInAnyDirection) {
    // B→A points down and to the left; the left of that direction is down-right.
    const ZedPoint b{5, 5}, a{-3, -1};
    ZedId segment = -1;
    ASSERT_TRUE(ShapedHoleOutline(b, a, 1.5, segment));
    EXPECT_EQ(emu::CheckIntegrity(segment), "");
    const double ux = -0.8, uy = -0.6;  // unit B→A
    const std::vector<ZedFigure> loop = LoopFrom(segment, {b.x + 1.5 * -uy, b.y + 1.5 * ux});
    ASSERT_EQ(loop.size(), 4u);
    ASSERT_EQ(loop[0].kind, ZED_FIG_LINE);
    ExpectPoint(LineEnd(loop[0]), a.x + 1.5 * -uy, a.y + 1.5 * ux, "left side end");
    ExpectPoint(ArcMiddle(loop[1]), a.x + 1.5 * ux, a.y + 1.5 * uy, "end about A");
    ExpectPoint(ArcMiddle(loop[3]), b.x - 1.5 * ux, b.y - 1.5 * uy, "end about B");
}

TEST_F(ShapedHole, IsMadeOverItsOutlineAndRemembered) {
    ShoulderSettings.PA_HoleDir = 2;
    ShoulderSettings.mMainHeight = 3.5;
    ASSERT_TRUE(MakeHole());
    const ZedId hole = CurrentHole();
    ASSERT_NE(hole, -1);
    const ZedHoleShape shape = ShapeOf(hole);
    EXPECT_EQ(shape.layer, 3);
    EXPECT_EQ(shape.flag, 0);
    EXPECT_DOUBLE_EQ(shape.depth, 3.5);
    EXPECT_EQ(shape.fromBelow, 1);
    EXPECT_EQ(shape.sideCode, 7);
    EXPECT_EQ(Shoulder().holeSegment, emu::HoleSegments(hole).at(0));

    const ShapedHoleMemory& memory = LastShapedHole();
    EXPECT_EQ(memory.outline.kind, 1);
    // This host draws the hole as a copy of the outline, which then goes.
    EXPECT_FALSE(emu::SegmentExists(memory.outline.segment));
    EXPECT_TRUE(emu::SegmentClosed(Shoulder().holeSegment));
    EXPECT_EQ(emu::Chain(Shoulder().holeSegment).size(), 4u);
    EXPECT_EQ(memory.layer, 3);
    EXPECT_EQ(memory.centreB.x, 0.0);
    EXPECT_EQ(memory.centreA.x, 10.0);
    EXPECT_EQ(memory.halfWidth, 2.0);
    EXPECT_EQ(memory.fromBelow, 1);
    EXPECT_EQ(memory.depth, 3.5);
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
    EXPECT_EQ(emu::LiveHoleData(), 0);
}

TEST_F(ShapedHole, MakingItTagsTheShoulder) {
    const ZedId shoulder = RememberAShoulder();
    ASSERT_TRUE(MakeHole());
    EXPECT_EQ(emu::AttributeText(shoulder, kAttrHoleSegment), std::to_string(Shoulder().holeSegment));
}

TEST_F(ShapedHole, AMissingMasterNamesItsPathAndKeepsTheOutline) {
    UseEmptyInstallationFolder();
    EXPECT_FALSE(MakeHole());
    EXPECT_EQ(TextsOn(emu::Channel::MessageBox),
              std::vector<std::string>{ShapedMasterMissing()});
    EXPECT_TRUE(emu::HoleIds().empty());
    EXPECT_EQ(emu::SegmentIds().size(), 2u);  // the plate and the outline
    EXPECT_EQ(emu::LiveHoleData(), 0);
}

TEST_F(ShapedHole, AnOutlineThatCannotBeDrawnGivesNoHole) {
    EXPECT_TRUE(MakeHole({0, 0}, {10, 0}, 0.0));  // no width: the host refuses the ends
    EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{Utf8(kMsgShapedHoleNotCreated01)});
    EXPECT_EQ(CurrentHole(), -1);
    EXPECT_TRUE(emu::HoleIds().empty());
    EXPECT_EQ(emu::LiveHoleData(), 0);
}

TEST_F(ShapedHole, RebuildingFollowsTheMemory) {
    ASSERT_TRUE(MakeHole());
    const ZedId first = CurrentHole();
    ShapedHoleMemory& memory = LastShapedHole();
    memory.centreB = {5, 10};
    memory.centreA = {35, 10};
    memory.halfWidth = 3;
    memory.fromBelow = 1;
    memory.depth = 6.25;
    ASSERT_TRUE(RebuildShapedHole());
    const ZedId rebuilt = CurrentHole();
    EXPECT_NE(rebuilt, first);
    EXPECT_EQ(emu::HoleIds(), std::vector<ZedId>{rebuilt});
    const ZedHoleShape shape = ShapeOf(rebuilt);
    EXPECT_EQ(shape.layer, 3);
    EXPECT_DOUBLE_EQ(shape.depth, 6.25);
    EXPECT_EQ(shape.fromBelow, 1);
    EXPECT_EQ(shape.sideCode, 7);
    const std::vector<ZedFigure> loop = LoopFrom(emu::HoleSegments(rebuilt).at(0), {5, 13});
    ASSERT_EQ(loop.size(), 4u);
    ExpectPoint(LineEnd(loop[0]), 35, 13, "left side end");
    EXPECT_EQ(Shoulder().holeSegment, emu::HoleSegments(rebuilt).at(0));
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
    EXPECT_EQ(emu::LiveHoleData(), 0);
}

TEST_F(ShapedHole, RebuildingTwiceDeletesTheOutlineOfTheFirstRebuild) {
    ASSERT_TRUE(MakeHole());
    const ZedId original = LastShapedHole().outline.segment;
    ASSERT_TRUE(RebuildShapedHole());
    const ZedId firstRebuild = LastShapedHole().outline.segment;
    EXPECT_FALSE(emu::SegmentExists(original));
    ASSERT_TRUE(RebuildShapedHole());
    EXPECT_FALSE(emu::SegmentExists(firstRebuild));
    EXPECT_FALSE(emu::SegmentExists(LastShapedHole().outline.segment));
    // The plate and the hole's own segment: each outline went with its hole made.
    EXPECT_EQ(emu::SegmentIds().size(), 2u);
    EXPECT_EQ(emu::HoleIds().size(), 1u);
}

TEST_F(ShapedHole, RebuildingWithoutAHoleFailsQuietly) {
    EXPECT_FALSE(RebuildShapedHole());
    EXPECT_TRUE(emu::Messages().empty());
    EXPECT_EQ(emu::SegmentIds().size(), 1u);
}

TEST_F(ShapedHole, ARebuildWithoutTheMasterLosesTheHoleAndSaysWhere) {
    ASSERT_TRUE(MakeHole());
    UseEmptyInstallationFolder();
    EXPECT_FALSE(RebuildShapedHole());
    EXPECT_EQ(TextsOn(emu::Channel::MessageBox),
              std::vector<std::string>{ShapedMasterMissing()});
    EXPECT_TRUE(emu::HoleIds().empty());
    EXPECT_EQ(CurrentHole(), -1);
    EXPECT_EQ(Shoulder().holeSegment, -1);
}

}  // namespace
