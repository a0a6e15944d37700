// Registration with the host, the command's start and end, and the temporary
// element table.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/temporary_elements.h"
#include "command/command_flow.h"
#include "command/command_state.h"
#include "emuhost/emu_api.h"
#include "platform/path.h"
#include "tests/support/plugin_test.h"

namespace {

class CommandFlowTest : public PluginTest {};

TEST_F(CommandFlowTest, RegistrationSetsTheInstallationFolder) {
    EXPECT_EQ(RegisterLedgewright(), 0);
    EXPECT_TRUE(emu::Registered());
    EXPECT_FALSE(InstallationFolder().empty());
}

TEST_F(CommandFlowTest, RefusedRegistrationLeavesTheInstallationFolderEmpty) {
    emu::FailCall("ZedCtlRegisterZedLib2", 1);
    EXPECT_EQ(RegisterLedgewright(), -1);
    EXPECT_TRUE(InstallationFolder().empty());
    EXPECT_FALSE(emu::Registered());
}

TEST_F(CommandFlowTest, TheCommandIsAdmittedEveryTime) {
    Register();
    for (int run = 0; run < 3; ++run) {
        ASSERT_TRUE(emu::StartCommand()) << run;
        emu::EndCommand();
    }
    EXPECT_TRUE(emu::ProtocolErrors().empty());
}

TEST_F(CommandFlowTest, EndingTheCommandDeletesTheTemporaryElementsFromSlotSevenDown) {
    emu::AddLayer(0);
    StartCommand();
    TemporaryElementTable& table = TemporaryElements();
    ZedId ids[8] = {};
    for (int slot : {1, 2, 5, 6, 7}) {
        const ZedId segment = emu::AddSegment(ZED_SGM_FIGURE, 0);
        ids[slot] = emu::AddFigure(segment, emu::Line(slot * 10.0, 0, slot * 10.0 + 5, 0));
        ASSERT_GT(ids[slot], 0);
        table[slot] = ZedFigRef{0, ids[slot]};
    }
    emu::ResetCallLog();
    emu::EndCommand();

    const std::vector<std::string> calls = emu::CallLog();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "ZedElmDeleteElement"), 5);
    // Slot 7 first: its element is deleted by the first delete in the journal.
    const std::vector<emu::Change> journal = emu::Journal();
    ASSERT_FALSE(journal.empty());
    EXPECT_NE(journal.front().description.find(std::to_string(ids[7])), std::string::npos)
        << journal.front().description;
    for (int slot = 1; slot <= kTemporarySlotCount; ++slot) {
        EXPECT_EQ(table[slot].id, 0) << slot;
        if (ids[slot] != 0) {
            EXPECT_FALSE(emu::ElementExists(ids[slot])) << slot;
        }
    }
}

TEST_F(CommandFlowTest, AFailedDeleteAtTheEndStillEmptiesTheTable) {
    StartCommand();
    TemporaryElements()[7] = ZedFigRef{0, 12345};  // no such element
    emu::EndCommand();
    EXPECT_EQ(TemporaryElements()[7].id, 0);
    EXPECT_FALSE(emu::CommandActive());
}

TEST_F(CommandFlowTest, EventsThePatternPromptDoesNotUseAreWaitedOut) {
    StartCommand();
    // Typed text the host cannot hand over (an injected failure of the read)
    // leaves the prompt waiting rather than ending or guessing.
    emu::FailCall("ZedEvtGetKeyinString", 1);
    EXPECT_TRUE(emu::Type("PlaneA"));
    EXPECT_TRUE(emu::CommandActive());
    emu::EndCommand();
    EXPECT_TRUE(emu::ProtocolErrors().empty());
}

}  // namespace
