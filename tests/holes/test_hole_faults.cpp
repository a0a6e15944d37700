// Every host call of every hole and note operation refused in turn: the right
// report on the right channel, the right answer, no hole data left with the
// plug-in, and the drawing changed exactly as far as the operation got.
#include <gtest/gtest.h>

#include "base/messages.h"
#include "holes/hole_edits.h"
#include "holes/hole_notes.h"
#include "holes/hole_state.h"
#include "holes/mc_hole.h"
#include "settings/shoulder_settings.h"
#include "tests/holes/fault_sweep.h"
#include "tests/holes/hole_fixture.h"
#include "tests/support/hole_row.h"
#include "tests/support/shaped_hole_access.h"

namespace {

using After = AfterFailure;

class HoleFault : public HoleTest {
protected:
    // The scene with an MC hole (or a shaped hole) and its two notes, as a
    // builder of pattern A leaves it; the call log starts after it.
    std::function<void()> WithHole(bool shaped) {
        return [this, shaped] {
            ResetScene();
            ShoulderSettings.PA_Hole = shaped ? 1 : 0;
            if (shaped) {
                ASSERT_TRUE(TestCreateShapedHole(plate_, {10, 10}, {30, 10}, 2, Pattern::PlaneA));
            } else {
                ASSERT_TRUE(CreateMcHole(plate_, {20, 10}, 4, Pattern::PlaneA));
            }
            ASSERT_TRUE(CreateSideNote({23, 13}, {28, 18}, side_, Pattern::PlaneA));
            ASSERT_TRUE(CreateDepthNote({23, 7}, {28, 2}, depth_));
            emu::ResetCallLog();
            emu::ClearMessages();
        };
    }
    std::function<void()> Bare() {
        return [this] { ResetScene(); };
    }
    emu::Message McMasterMissingBox() const { return InBox(McMasterMissing()); }
    emu::Message ShapedMasterMissingBox() const { return InBox(ShapedMasterMissing()); }

    // The calls that draw the shaped hole's outline; each refusal gives the
    // outcome.
    static void AddOutlineCalls(FailureTable& table, const FailureOutcome& outcome, int segmentCall = 1) {
        table["ZedSgmCreateSegment#" + std::to_string(segmentCall)] = outcome;
        table["ZedFigCreateFigure#1"] = outcome;
        table["ZedFigInsertFigure#1"] = outcome;
        table["ZedFigInsertFigure#2"] = outcome;
        table["ZedFigInsertFigure#3"] = outcome;
        table["ZedFigSetClosed#1"] = outcome;
    }

    ZedFigRef side_{0, 0};
    ZedFigRef depth_{0, 0};
};

const FailureOutcome kQuietSuccess{true, {}, After::GoesOn, HoleAfter::Replaced};

TEST_F(HoleFault, CreateMcHole) {
    const FailureTable table = {
        {"ZedSgmGetLayer#1", {false, {OnError(kMsgHoleOutlineLayerNotRead)}}},
        {"ZedHolGetHoleMaster#1", {false, {McMasterMissingBox()}}},
        {"ZedHolCreateHole#1", {true, {OnError(kMsgMcHoleNotCreated01)}, After::Stops, HoleAfter::Gone}},
        {"ZedHolFreeHoleData#1", kQuietSuccess},
        {"ZedHolGetHoleSegmentId#1", kQuietSuccess},
    };
    SweepEveryCall(Bare(), [this] { return CreateMcHole(plate_, {20, 10}, 4, Pattern::PlaneA); }, table);
}

TEST_F(HoleFault, SetMcHoleDiameterAndDepth) {
    const FailureTable table = {
        {"ZedHolGetHoleData#1", {false, {InBox(kMsgHoleDataNotRead)}}},
        {"ZedHolAmendHoleData#1", {false, {InBox(kMsgHoleDataNotAmended)}}},
        {"ZedHolFreeHoleData#1", {true, {}, After::GoesOn}},
    };
    SweepEveryCall(WithHole(false), [] { return SetMcHoleDiameter(6); }, table);
    SweepEveryCall(WithHole(false), [] { return SetMcHoleDepth(6); }, table);
}

TEST_F(HoleFault, RebuildMcHole) {
    const FailureOutcome quietFailure{false, {}};
    const FailureTable table = {
        {"ZedHolGetHoleData#1", {false, {InBox(kMsgHoleDataNotRead)}}},
        {"ZedHolGetHoleSegmentId#1", quietFailure},
        {"ZedHolGetHoleId#1", quietFailure},
        {"ZedHolGetHoleData#2", quietFailure},
        {"ZedFigGetFigure2#1", quietFailure},
        {"ZedHoleFreeHoleData#1", kQuietSuccess},
        {"ZedSgmDeleteSegment#1", quietFailure},
        {"ZedHolGetHoleMaster#1", {false, {McMasterMissingBox()}, After::Stops, HoleAfter::Gone}},
        {"ZedHolCreateHole#1", {false, {InBox(kMsgMcHoleNotRemade)}, After::Stops, HoleAfter::Gone}},
        {"ZedHolFreeHoleData#1", kQuietSuccess},
        {"ZedHolFreeHoleData#2", kQuietSuccess},
        {"ZedHolGetHoleSegmentId#2", kQuietSuccess},
    };
    SweepEveryCall(WithHole(false), [] { return RebuildMcHole(1); }, table);
}

TEST_F(HoleFault, MoveMcHole) {
    const FailureOutcome notCreated{false, {}, After::Stops, HoleAfter::Gone};
    FailureOutcome layerNotRead = notCreated;
    layerNotRead.messages = {OnError(kMsgHoleOutlineLayerNotRead), InBox(kMsgHoleNotCreated)};
    FailureOutcome masterMissing = notCreated;
    masterMissing.messages = {McMasterMissingBox(), InBox(kMsgHoleNotCreated)};
    const FailureTable table = {
        {"ZedHolGetHoleData#1", {false, {InBox(kMsgHoleDataNotRead)}}},
        {"ZedHolAmendHoleData#1", {false, {InBox(kMsgHoleDataNotAmended)}}},
        {"ZedHolFreeHoleData#1", kQuietSuccess},
        {"ZedHolGetHoleSegmentId#1", {false, {InBox(kMsgHoleSegmentsNotRead)}}},
        {"ZedSgmDeleteSegment#1", {false, {InBox(kMsgHoleNotDeleted)}}},
        {"ZedSgmGetLayer#1", layerNotRead},
        {"ZedHolGetHoleMaster#1", masterMissing},
        {"ZedHolCreateHole#1", {true, {OnError(kMsgMcHoleNotCreated01)}, After::Stops, HoleAfter::Gone}},
        {"ZedHolFreeHoleData#2", kQuietSuccess},
        {"ZedHolGetHoleSegmentId#2", kQuietSuccess},
    };
    SweepEveryCall(WithHole(false), [] { return MoveMcHole({25, 12}, 3, Pattern::PlaneA); }, table);
}

TEST_F(HoleFault, CreateShapedHole) {
    SKIP_WITHOUT_SHAPED_HOLES();
    const FailureOutcome noHole{true, {OnError(kMsgShapedHoleNotCreated01)}, After::Stops, HoleAfter::Gone};
    FailureTable table = {
        {"ZedSgmGetLayer#1", {false, {OnError(kMsgHoleOutlineLayerNotRead)}}},
        {"ZedHolGetHoleMaster#1", {false, {ShapedMasterMissingBox()}}},
        {"ZedHolCreateFigHole#1", noHole},
        {"ZedHolFreeHoleData#1", kQuietSuccess},
        {"ZedHolGetHoleSegmentId#1", kQuietSuccess},
        // Whether the host took the outline into the hole, and the outline's
        // deletion when it did not: a failure leaves at most the outline.
        {"ZedHolGetHoleId#1", kQuietSuccess},
        {"ZedSgmDeleteSegment#1", kQuietSuccess},
    };
    AddOutlineCalls(table, noHole);
    SweepEveryCall(Bare(), [this] { return TestCreateShapedHole(plate_, {10, 10}, {30, 10}, 2, Pattern::PlaneA); },
                   table);
}

TEST_F(HoleFault, RebuildShapedHole) {
    SKIP_WITHOUT_SHAPED_HOLES();
    const FailureOutcome noHole{true, {OnError(kMsgShapedHoleNotCreated01)}, After::Stops, HoleAfter::Gone};
    FailureTable table = {
        {"ZedHolGetHoleSegmentId#1", {false, {}}},
        {"ZedSgmDeleteSegment#1", {false, {}}},
        // The old outline that cannot be deleted stays; the rest goes on.
        {"ZedSgmDeleteSegment#2", kQuietSuccess},
        {"ZedHolGetHoleMaster#1", {false, {ShapedMasterMissingBox()}, After::Stops, HoleAfter::Gone}},
        {"ZedHolCreateFigHole#1", noHole},
        {"ZedHolFreeHoleData#1", kQuietSuccess},
        {"ZedHolGetHoleSegmentId#2", kQuietSuccess},
        {"ZedHolGetHoleId#1", kQuietSuccess},
        {"ZedSgmDeleteSegment#3", kQuietSuccess},
    };
    AddOutlineCalls(table, noHole);
    SweepEveryCall(WithHole(true), [] { return TestRebuildShapedHole(); }, table);
}

TEST_F(HoleFault, NotesAreMadeOrReported) {
    const FailureTable table = {
        {"ZedSgmCreateSegment#1", {false, {OnError(kMsgDimensionNotCreated)}}},
        {"ZedCmtCreateLeader#1", {false, {OnError(kMsgDimensionNotCreated)}}},
    };
    ZedFigRef slot{0, 0};
    SweepEveryCall(Bare(), [&slot] { return CreateSideNote({1, 2}, {3, 4}, slot, Pattern::PlaneA); }, table);
    SweepEveryCall(Bare(), [&slot] { return CreateDepthNote({1, 2}, {3, 4}, slot); }, table);
}

TEST_F(HoleFault, NoteTextsAreChangedOrReported) {
    const FailureTable table = {
        {"ZedCmtGetComment#1", {false, {OnError(kMsgHoleNoteNotRead)}}},
        {"ZedCmtAmendComment#1", {false, {OnError(kMsgNoteNotAmended)}}},
    };
    SweepEveryCall(WithHole(false), [this] { return SetDepthNote(depth_.id, 5); }, table);
    SweepEveryCall(WithHole(false), [this] { return SetNoteText(side_.id, ZED_TEXT("하면")); }, table);
}

TEST_F(HoleFault, TurningAnMcHoleOverAlwaysTurnsTheNote) {
    // Whatever becomes of the hole, the side turns and the note follows it.
    const FailureOutcome quiet{true, {}, After::StopsThenLastChange};
    const FailureOutcome lost{true, {}, After::StopsThenLastChange, HoleAfter::Gone};
    FailureOutcome unreadable = quiet;
    unreadable.messages = {InBox(kMsgHoleDataNotRead)};
    FailureOutcome masterMissing = lost;
    masterMissing.messages = {McMasterMissingBox()};
    FailureOutcome notRemade = lost;
    notRemade.messages = {InBox(kMsgMcHoleNotRemade)};
    const FailureTable table = {
        {"ZedHolGetHoleData#1", unreadable},
        {"ZedHolGetHoleSegmentId#1", quiet},
        {"ZedHolGetHoleId#1", quiet},
        {"ZedHolGetHoleData#2", quiet},
        {"ZedFigGetFigure2#1", quiet},
        {"ZedHoleFreeHoleData#1", kQuietSuccess},
        {"ZedSgmDeleteSegment#1", quiet},
        {"ZedHolGetHoleMaster#1", masterMissing},
        {"ZedHolCreateHole#1", notRemade},
        {"ZedHolFreeHoleData#1", kQuietSuccess},
        {"ZedHolFreeHoleData#2", kQuietSuccess},
        {"ZedHolGetHoleSegmentId#2", kQuietSuccess},
        {"ZedCmtGetComment#1", {true, {OnError(kMsgHoleNoteNotRead)}, After::Stops, HoleAfter::Replaced}},
        {"ZedCmtAmendComment#1", {true, {OnError(kMsgNoteNotAmended)}, After::Stops, HoleAfter::Replaced}},
    };
    SweepEveryCall(
        WithHole(false),
        [this] {
            const int side = ToggleDrillingSide(HoleRow(Pattern::PlaneA), side_.id);
            return side == 1 && ShoulderSettings.PA_HoleDir == 1;
        },
        table);
}

TEST_F(HoleFault, TurningAShapedHoleOverAlwaysTurnsTheNote) {
    SKIP_WITHOUT_SHAPED_HOLES();
    const FailureOutcome noHole{
        true, {OnError(kMsgShapedHoleNotCreated01)}, After::StopsThenLastChange, HoleAfter::Gone};
    FailureTable table = {
        {"ZedHolGetHoleSegmentId#1", {true, {}, After::StopsThenLastChange}},
        {"ZedSgmDeleteSegment#1", {true, {}, After::StopsThenLastChange}},
        {"ZedSgmDeleteSegment#2", kQuietSuccess},
        {"ZedHolGetHoleMaster#1", {true, {ShapedMasterMissingBox()}, After::StopsThenLastChange, HoleAfter::Gone}},
        {"ZedHolCreateFigHole#1", noHole},
        {"ZedHolFreeHoleData#1", kQuietSuccess},
        {"ZedHolGetHoleSegmentId#2", kQuietSuccess},
        {"ZedHolGetHoleId#1", kQuietSuccess},
        {"ZedSgmDeleteSegment#3", kQuietSuccess},
        {"ZedCmtGetComment#1", {true, {OnError(kMsgHoleNoteNotRead)}, After::Stops, HoleAfter::Replaced}},
        {"ZedCmtAmendComment#1", {true, {OnError(kMsgNoteNotAmended)}, After::Stops, HoleAfter::Replaced}},
    };
    AddOutlineCalls(table, noHole);
    SweepEveryCall(
        WithHole(true),
        [this] { return ToggleDrillingSide(HoleRow(Pattern::PlaneA), side_.id) == 1; }, table);
}

TEST_F(HoleFault, ATypedDepthForAnMcHole) {
    const FailureTable table = {
        {"ZedHolGetHoleData#1", {false, {InBox(kMsgHoleDataNotRead), InBox(kMsgHoleDepthNotSetA1)}}},
        {"ZedHolAmendHoleData#1", {false, {InBox(kMsgHoleDataNotAmended), InBox(kMsgHoleDepthNotSetA1)}}},
        {"ZedHolFreeHoleData#1", {true, {}, After::GoesOn}},
        {"ZedCmtGetComment#1", {false, {OnError(kMsgHoleNoteNotRead), InBox(kMsgHoleDepthNotSetA2)}}},
        {"ZedCmtAmendComment#1", {false, {OnError(kMsgNoteNotAmended), InBox(kMsgHoleDepthNotSetA2)}}},
    };
    SweepEveryCall(
        WithHole(false), [this] { return EnterHoleDepth(HoleRow(Pattern::PlaneA), depth_.id, 7.5); },
        table);
}

TEST_F(HoleFault, ATypedDepthForAShapedHole) {
    SKIP_WITHOUT_SHAPED_HOLES();
    const FailureOutcome noHole{
        true, {OnError(kMsgShapedHoleNotCreated01)}, After::StopsThenLastChange, HoleAfter::Gone};
    FailureTable table = {
        // The hole cannot be re-made: the command ends; the hole's own steps report nothing here.
        {"ZedHolGetHoleSegmentId#1", {false, {}}},
        {"ZedSgmDeleteSegment#1", {false, {}}},
        {"ZedSgmDeleteSegment#2", kQuietSuccess},
        {"ZedHolGetHoleMaster#1", {false, {ShapedMasterMissingBox()}, After::Stops, HoleAfter::Gone}},
        {"ZedHolCreateFigHole#1", noHole},
        {"ZedHolFreeHoleData#1", kQuietSuccess},
        {"ZedHolGetHoleSegmentId#2", kQuietSuccess},
        {"ZedHolGetHoleId#1", kQuietSuccess},
        {"ZedSgmDeleteSegment#3", kQuietSuccess},
        {"ZedCmtGetComment#1",
         {false, {OnError(kMsgHoleNoteNotRead), InBox(kMsgHoleDepthNotSetA2)}, After::Stops, HoleAfter::Replaced}},
        {"ZedCmtAmendComment#1",
         {false, {OnError(kMsgNoteNotAmended), InBox(kMsgHoleDepthNotSetA2)}, After::Stops, HoleAfter::Replaced}},
    };
    AddOutlineCalls(table, noHole);
    SweepEveryCall(
        WithHole(true), [this] { return EnterHoleDepth(HoleRow(Pattern::PlaneA), depth_.id, 7.5); },
        table);
}

}  // namespace
