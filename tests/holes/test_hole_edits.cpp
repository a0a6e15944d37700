// Turning a hole over and typing a new depth, as the pick dialogue does it.
#include <gtest/gtest.h>

#include <cstring>

#include "base/messages.h"
#include "geometry/shoulder_memory.h"
#include "holes/hole_edits.h"
#include "holes/hole_notes.h"
#include "holes/hole_state.h"
#include "holes/mc_hole.h"
#include "settings/shoulder_settings.h"
#include "tests/holes/hole_fixture.h"
#include "tests/support/hole_row.h"
#include "tests/support/shaped_hole_access.h"

namespace {

// What the user can see of the hole and its notes, without the ids.
struct HoleLook {
    ZedHoleShape shape;
    ZedPoint centre;
    std::string sideNote;
    std::string depthNote;
};

class HoleEdit : public HoleTest {
protected:
    // A shoulder of the pattern with its hole and both notes, as a builder leaves it.
    void BuildHole(Pattern pattern, bool shaped = false) {
        pattern_ = pattern;
        if (shaped) {
            ASSERT_TRUE(TestCreateShapedHole(plate_, {10, 10}, {30, 10}, 2, pattern));
        } else {
            ASSERT_TRUE(CreateMcHole(plate_, {20, 10}, 4, pattern));
        }
        ASSERT_TRUE(CreateSideNote({23, 13}, {28, 18}, side_, pattern));
        ASSERT_TRUE(CreateDepthNote({23, 7}, {28, 2}, depth_));
    }
    HoleLook Look() const {
        HoleLook look{ShapeOf(CurrentHole()), {}, emu::NoteText(side_.id), emu::NoteText(depth_.id)};
        if (!Shaped()) {
            look.centre = CircleCentreOf(CurrentHole());
        }
        return look;
    }
    bool Shaped() const { return HoleKind(HoleRow(pattern_)) != 0; }
    int Toggle() { return ToggleDrillingSide(HoleRow(pattern_), side_.id); }
    bool EnterDepth(double depth) { return EnterHoleDepth(HoleRow(pattern_), depth_.id, depth); }

    static void ExpectSame(const HoleLook& a, const HoleLook& b) {
        EXPECT_EQ(std::memcmp(&a.shape, &b.shape, sizeof a.shape), 0) << "hole shape";
        EXPECT_EQ(a.centre.x, b.centre.x);
        EXPECT_EQ(a.centre.y, b.centre.y);
        EXPECT_EQ(a.sideNote, b.sideNote);
        EXPECT_EQ(a.depthNote, b.depthNote);
    }

    Pattern pattern_ = Pattern::PlaneA;
    ZedFigRef side_{0, 0};
    ZedFigRef depth_{0, 0};
};

TEST_F(HoleEdit, TurningAnMcHoleOverTwiceRestoresHoleAndNote) {
    BuildHole(Pattern::PlaneA);
    const HoleLook first = Look();
    EXPECT_EQ(first.sideNote, "상면");

    EXPECT_EQ(Toggle(), 1);
    EXPECT_EQ(ShoulderSettings.PA_HoleDir, 1);
    const HoleLook turned = Look();
    EXPECT_EQ(turned.sideNote, "하면");
    EXPECT_EQ(turned.shape.fromBelow, 1);
    EXPECT_EQ(turned.shape.sideCode, 7);
    EXPECT_EQ(turned.centre.x, first.centre.x);

    EXPECT_EQ(Toggle(), 0);
    ExpectSame(Look(), first);
    EXPECT_EQ(emu::HoleIds().size(), 1u);
    EXPECT_TRUE(emu::Messages().empty());
    EXPECT_EQ(emu::LiveHoleData(), 0);
}

TEST_F(HoleEdit, TurningIsKeptInTheSettingsRecordOnly) {
    BuildHole(Pattern::PlaneA);
    Toggle();
    EXPECT_EQ(ShoulderSettings.PA_HoleDir, 1);
    EXPECT_EQ(Stored("PA_HoleDir"), "(missing)");
}

TEST_F(HoleEdit, AnyNonZeroSideShowsTheBottomFaceAndTurnsToZero) {
    ShoulderSettings.PA_HoleDir = 5;
    BuildHole(Pattern::PlaneA);
    EXPECT_EQ(emu::NoteText(side_.id), "하면");
    EXPECT_EQ(Toggle(), 0);
    EXPECT_EQ(ShoulderSettings.PA_HoleDir, 0);
    EXPECT_EQ(emu::NoteText(side_.id), "상면");
    EXPECT_EQ(ShapeOf(CurrentHole()).fromBelow, 0);
    EXPECT_EQ(ShapeOf(CurrentHole()).sideCode, 0);
}

TEST_F(HoleEdit, EachPatternTurnsItsOwnSide) {
    BuildHole(Pattern::PlaneB);
    Toggle();
    EXPECT_EQ(ShoulderSettings.PB_HoleDir, 1);
    EXPECT_EQ(ShoulderSettings.PA_HoleDir, 0);
    EXPECT_EQ(ShoulderSettings.PC_HoleDir, 0);
}

TEST_F(HoleEdit, TurningAShapedHoleOverTwiceRestoresHoleAndNote) {
    SKIP_WITHOUT_SHAPED_HOLES();
    ShoulderSettings.PC_Hole = 1;
    BuildHole(Pattern::PlaneC, true);
    const HoleLook first = Look();
    EXPECT_EQ(Toggle(), 1);
    EXPECT_EQ(TestShapedHoleMemory().fromBelow, 1);
    EXPECT_EQ(ShapeOf(CurrentHole()).fromBelow, 1);
    EXPECT_EQ(emu::NoteText(side_.id), "하면");
    EXPECT_EQ(Toggle(), 0);
    ExpectSame(Look(), first);
    EXPECT_EQ(emu::HoleIds().size(), 1u);
    EXPECT_EQ(emu::LiveHoleData(), 0);
}

TEST_F(HoleEdit, AFailedRebuildStillTurnsTheNote) {
    BuildHole(Pattern::PlaneA);
    UseEmptyInstallationFolder();
    EXPECT_EQ(Toggle(), 1);
    EXPECT_EQ(emu::NoteText(side_.id), "하면");
    EXPECT_EQ(TextsOn(emu::Channel::MessageBox), std::vector<std::string>{McMasterMissing()});
}

TEST_F(HoleEdit, ATypedDepthChangesOnlyTheMcHolesDepth) {
    BuildHole(Pattern::PlaneA);
    const ZedId hole = CurrentHole();
    ZedHoleShape expected = ShapeOf(hole);
    expected.depth = 12.345;
    EXPECT_TRUE(EnterDepth(12.345));
    EXPECT_EQ(CurrentHole(), hole);
    const ZedHoleShape shape = ShapeOf(hole);
    EXPECT_EQ(std::memcmp(&shape, &expected, sizeof shape), 0);
    EXPECT_EQ(emu::NoteText(depth_.id), "깊이:12.3");
    EXPECT_EQ(emu::NoteText(side_.id), "상면");
}

TEST_F(HoleEdit, ATypedDepthRemakesAShapedHole) {
    SKIP_WITHOUT_SHAPED_HOLES();
    ShoulderSettings.PB_Hole = 2;
    BuildHole(Pattern::PlaneB, true);
    const ZedId hole = CurrentHole();
    EXPECT_TRUE(EnterDepth(4));
    EXPECT_NE(CurrentHole(), hole);
    EXPECT_EQ(TestShapedHoleMemory().depth, 4.0);
    EXPECT_DOUBLE_EQ(ShapeOf(CurrentHole()).depth, 4.0);
    EXPECT_EQ(emu::NoteText(depth_.id), "깊이:4.0");
}

TEST_F(HoleEdit, AnMcDepthThatCannotBeSetShowsThePatternsFirstMessage) {
    BuildHole(Pattern::PlaneC);
    emu::FailCall("ZedHolAmendHoleData", 1);
    EXPECT_FALSE(EnterDepth(3));
    EXPECT_EQ(TextsOn(emu::Channel::MessageBox),
              (std::vector<std::string>{Utf8(kMsgHoleDataNotAmended), Utf8(kMsgHoleDepthNotSetC1)}));
    EXPECT_EQ(emu::NoteText(depth_.id), "깊이:2.0");
}

TEST_F(HoleEdit, ADepthNoteThatCannotBeChangedShowsThePatternsSecondMessage) {
    BuildHole(Pattern::PlaneB);
    EXPECT_FALSE(EnterHoleDepth(HoleRow(Pattern::PlaneB), 4711, 3));
    EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{Utf8(kMsgHoleNoteNotRead)});
    EXPECT_EQ(TextsOn(emu::Channel::MessageBox), std::vector<std::string>{Utf8(kMsgHoleDepthNotSetB2)});
}

TEST_F(HoleEdit, AShapedHoleThatCannotBeRemadeEndsWithoutTouchingTheNote) {
    SKIP_WITHOUT_SHAPED_HOLES();
    ShoulderSettings.PA_Hole = 1;
    BuildHole(Pattern::PlaneA, true);
    UseEmptyInstallationFolder();
    EXPECT_FALSE(EnterDepth(9));
    EXPECT_EQ(TextsOn(emu::Channel::MessageBox),
              std::vector<std::string>{ShapedMasterMissing()});
    EXPECT_EQ(emu::NoteText(depth_.id), "깊이:2.0");
}

}  // namespace
