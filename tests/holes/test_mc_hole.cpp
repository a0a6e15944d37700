// MC holes: made from the master at a centre, amended, turned over and moved.
#include <gtest/gtest.h>

#include <cstdlib>

#include "base/line_pick.h"
#include "base/messages.h"
#include "command/command_state.h"
#include "geometry/shoulder_memory.h"
#include "holes/hole_master.h"
#include "holes/hole_state.h"
#include "holes/mc_hole.h"
#include "platform/path.h"
#include "settings/shoulder_settings.h"
#include "tagging/shoulder_tag.h"
#include "tests/holes/hole_fixture.h"
#include "tests/support/shaped_hole_access.h"

namespace {

class McHole : public HoleTest {
protected:
    // An MC hole of pattern A at (20, 10) with radius 4.
    ZedId MakeHole() {
        EXPECT_TRUE(CreateMcHole(plate_, {20, 10}, 4, Pattern::PlaneA));
        return CurrentHole();
    }
};

TEST_F(McHole, IsMadeWithTheFieldsOfThePatternOverTheMastersOwn) {
    ShoulderSettings.mMainHeight = 3.25;
    const ZedId hole = MakeHole();
    ASSERT_NE(hole, -1);
    const ZedHoleShape shape = ShapeOf(hole);
    EXPECT_DOUBLE_EQ(shape.diameter, 8.0);
    EXPECT_EQ(shape.layer, 3);
    EXPECT_EQ(shape.flag, 0);
    EXPECT_DOUBLE_EQ(shape.depth, 3.25);
    EXPECT_EQ(shape.fromBelow, 0);
    EXPECT_EQ(shape.sideCode, 0);
    EXPECT_EQ(CircleCentreOf(hole).x, 20.0);
    EXPECT_EQ(CircleCentreOf(hole).y, 10.0);
    EXPECT_EQ(Shoulder().holeSegment, emu::HoleSegments(hole).at(0));
    EXPECT_TRUE(emu::Messages().empty());
    EXPECT_EQ(emu::LiveHoleData(), 0);
}

TEST_F(McHole, AnyDrillingSideButZeroDrillsFromBelow) {
    for (int side : {1, 5, -2}) {
        ShoulderSettings.PA_HoleDir = side;
        const ZedHoleShape shape = ShapeOf(MakeHole());
        EXPECT_EQ(shape.fromBelow, 1) << side;
        EXPECT_EQ(shape.sideCode, 7) << side;
    }
}

TEST_F(McHole, TheKeywordChoosesThePatternsSettings) {
    ShoulderSettings.PB_HoleDir = 1;  // PB_HoleLayer "30:4|50:5", the plate is on 50
    ASSERT_TRUE(CreateMcHole(plate_, {20, 10}, 4, Pattern::PlaneB));
    EXPECT_EQ(ShapeOf(CurrentHole()).layer, 5);
    EXPECT_EQ(ShapeOf(CurrentHole()).fromBelow, 1);
    ASSERT_TRUE(CreateMcHole(plate_, {20, 10}, 4, Pattern::PlaneA));
    EXPECT_EQ(ShapeOf(CurrentHole()).layer, 3);
    EXPECT_EQ(ShapeOf(CurrentHole()).fromBelow, 0);
    // A pattern without a hole row draws nothing rather than plan A's hole.
    const std::vector<ZedId> before = emu::HoleIds();
    EXPECT_FALSE(CreateMcHole(plate_, {20, 10}, 4, Pattern::SideA));
    EXPECT_EQ(emu::HoleIds(), before);
}

TEST_F(McHole, AMissingMasterNamesThePathThatWasTried) {
    UseEmptyInstallationFolder();
    EXPECT_FALSE(CreateMcHole(plate_, {20, 10}, 4, Pattern::PlaneA));
    const std::vector<std::string> boxes = TextsOn(emu::Channel::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], McMasterMissing());
    EXPECT_TRUE(emu::HoleIds().empty());
    EXPECT_EQ(emu::LiveHoleData(), 0);
}

TEST_F(McHole, ARefusedHoleIsReportedAndStillSucceeds) {
    const ZedId earlier = MakeHole();
    const ZedId earlierSegment = Shoulder().holeSegment;
    emu::ClearMessages();
    emu::FailCall("ZedHolCreateHole", 1);
    EXPECT_TRUE(CreateMcHole(plate_, {30, 10}, 2, Pattern::PlaneA));
    EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{Utf8(kMsgMcHoleNotCreated01)});
    EXPECT_EQ(CurrentHole(), -1);
    EXPECT_EQ(Shoulder().holeSegment, earlierSegment);
    EXPECT_EQ(emu::HoleIds(), std::vector<ZedId>{earlier});
    EXPECT_EQ(emu::LiveHoleData(), 0);
}

TEST_F(McHole, TheBuildsOwnMastersAreFoundFromItsFolder) {
    const char* build = std::getenv("LEDGEWRIGHT_BUILD_DIR");
    if (build == nullptr) {
        GTEST_SKIP() << "LEDGEWRIGHT_BUILD_DIR is not set (run through ctest)";
    }
    InstallationFolder() = emu::FromUtf8(build);
    EXPECT_TRUE(CreateMcHole(plate_, {20, 10}, 4, Pattern::PlaneA));
    EXPECT_NE(CurrentHole(), -1);
    EXPECT_TRUE(emu::Messages().empty());
}

TEST_F(McHole, DiameterAndDepthChangeInPlace) {
    const ZedId hole = MakeHole();
    ASSERT_TRUE(SetMcHoleDiameter(6));
    ASSERT_TRUE(SetMcHoleDepth(4.5));
    EXPECT_EQ(CurrentHole(), hole);
    const ZedHoleShape shape = ShapeOf(hole);
    EXPECT_DOUBLE_EQ(shape.diameter, 12.0);
    EXPECT_DOUBLE_EQ(shape.depth, 4.5);
    EXPECT_DOUBLE_EQ(CircleRadiusOf(hole), 6.0);
    EXPECT_EQ(shape.layer, 3);
    EXPECT_EQ(emu::LiveHoleData(), 0);
}

TEST_F(McHole, TurningOverRemakesTheHoleWithItsFieldsAtTheSameCentre) {
    const ZedId hole = MakeHole();
    ASSERT_TRUE(SetMcHoleDepth(5.5));
    ASSERT_TRUE(RebuildMcHole(1));
    const ZedId remade = CurrentHole();
    ASSERT_NE(remade, -1);
    EXPECT_NE(remade, hole);
    EXPECT_EQ(emu::HoleIds(), std::vector<ZedId>{remade});
    const ZedHoleShape shape = ShapeOf(remade);
    EXPECT_DOUBLE_EQ(shape.diameter, 8.0);
    EXPECT_EQ(shape.layer, 3);
    EXPECT_EQ(shape.flag, 0);
    EXPECT_DOUBLE_EQ(shape.depth, 5.5);
    EXPECT_EQ(shape.fromBelow, 1);
    EXPECT_EQ(shape.sideCode, 7);
    EXPECT_EQ(CircleCentreOf(remade).x, 20.0);
    EXPECT_EQ(CircleCentreOf(remade).y, 10.0);
    EXPECT_EQ(Shoulder().holeSegment, emu::HoleSegments(remade).at(0));
    EXPECT_EQ(emu::LiveHoleData(), 0);
}

TEST_F(McHole, TurningOverRetagsTheShoulderWithTheNewHoleSegment) {
    const ZedId shoulder = RememberAShoulder();
    MakeHole();
    ASSERT_TRUE(RebuildMcHole(1));
    // The legacy build tags nothing.
    EXPECT_EQ(emu::AttributeText(shoulder, kAttrHoleSegment),
              build_profile::kTagging ? std::to_string(Shoulder().holeSegment) : "");
}

TEST_F(McHole, MakingTheHoleLeavesTheTaggingToTheBuilder) {
    const ZedId shoulder = RememberAShoulder();
    MakeHole();
    EXPECT_FALSE(emu::HasAttribute(shoulder, kAttrHoleSegment));
}

TEST_F(McHole, ARebuildThatLosesTheHoleForgetsIt) {
    MakeHole();
    UseEmptyInstallationFolder();
    EXPECT_FALSE(RebuildMcHole(1));
    EXPECT_EQ(TextsOn(emu::Channel::MessageBox), std::vector<std::string>{McMasterMissing()});
    EXPECT_TRUE(emu::HoleIds().empty());
    EXPECT_EQ(CurrentHole(), -1);
    EXPECT_EQ(Shoulder().holeSegment, -1);
    EXPECT_EQ(emu::LiveHoleData(), 0);
}

TEST_F(McHole, TheCentreIsTheFirstCircleOfTheHole) {
    MakeHole();
    ZedPoint centre{};
    ASSERT_TRUE(FindHoleCentre(ZedSgmRef{1, Shoulder().holeSegment}, centre));
    EXPECT_EQ(centre.x, 20.0);
    EXPECT_EQ(centre.y, 10.0);
    EXPECT_FALSE(FindHoleCentre(ZedSgmRef{1, plate_}, centre));  // in no hole
    EXPECT_EQ(emu::LiveHoleData(), 0);
}

TEST_F(McHole, AHoleWithoutACircleHasNoCentre) {
    SKIP_WITHOUT_SHAPED_HOLES();
    ASSERT_TRUE(TestCreateShapedHole(plate_, {10, 10}, {30, 10}, 2, Pattern::PlaneA));
    ZedPoint centre{-1, -1};
    EXPECT_FALSE(FindHoleCentre(ZedSgmRef{1, Shoulder().holeSegment}, centre));
    EXPECT_EQ(emu::LiveHoleData(), 0);
    EXPECT_FALSE(RebuildMcHole(1));
    EXPECT_TRUE(emu::Messages().empty());
    EXPECT_EQ(emu::LiveHoleData(), 0);
}

TEST_F(McHole, MovingMakesANewHoleOnThePickedOutlinesLayer) {
    const ZedId hole = MakeHole();
    const ZedId picked = AddPlate(30);
    Picks().linePick.segment = picked;
    ASSERT_TRUE(MoveMcHole({25, 12}, 3, Pattern::PlaneB));  // PB_HoleLayer "30:4|50:5"
    const ZedId moved = CurrentHole();
    EXPECT_EQ(emu::HoleIds(), std::vector<ZedId>{moved});
    EXPECT_NE(moved, hole);
    EXPECT_EQ(CircleCentreOf(moved).x, 25.0);
    EXPECT_EQ(CircleCentreOf(moved).y, 12.0);
    EXPECT_DOUBLE_EQ(ShapeOf(moved).diameter, 6.0);
    EXPECT_EQ(ShapeOf(moved).layer, 4);
    EXPECT_EQ(Shoulder().holeSegment, emu::HoleSegments(moved).at(0));
    EXPECT_EQ(emu::LiveHoleData(), 0);
}

TEST_F(McHole, AMoveWhoseNewHoleFailsSaysSoAfterTheHolesOwnReport) {
    MakeHole();
    UseEmptyInstallationFolder();
    EXPECT_FALSE(MoveMcHole({25, 12}, 3, Pattern::PlaneA));
    EXPECT_EQ(TextsOn(emu::Channel::MessageBox),
              (std::vector<std::string>{McMasterMissing(), Utf8(kMsgHoleNotCreated)}));
    EXPECT_TRUE(emu::HoleIds().empty());
    EXPECT_EQ(CurrentHole(), -1);
}

}  // namespace
