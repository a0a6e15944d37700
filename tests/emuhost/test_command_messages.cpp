// What the user sees besides the drawing: the three message channels and the
// blinking element.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emuhost/emu_api.h"

namespace {

class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override { emu::Reset(); }
    void TearDown() override { emu::Reset(); }
};

TEST_F(MessagesTest, MessagesAreLoggedInOrderOnTheirChannelsAsUtf8) {
    EXPECT_EQ(ZedMsgPutMessage(ZED_TEXT("턱걸이타입선택 :")), 0);
    EXPECT_EQ(ZedMsgPutErrorMessage(ZED_TEXT("치수작성에러.")), 0);
    EXPECT_EQ(ZedDlgMessageBox(ZED_TEXT("Hole 마스터파일이 없어서 작성할 수 없습니다.\n/x")), 1);
    EXPECT_EQ(ZedMsgPutMessage(ZED_TEXT("수치변경하실 치수지시 :")), 0);
    const std::vector<emu::Message> messages = emu::Messages();
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[0].channel, emu::Channel::Prompt);
    EXPECT_EQ(messages[0].text, "턱걸이타입선택 :");
    EXPECT_EQ(messages[1].channel, emu::Channel::Error);
    EXPECT_EQ(messages[1].text, "치수작성에러.");
    EXPECT_EQ(messages[2].channel, emu::Channel::MessageBox);
    EXPECT_EQ(messages[2].text, "Hole 마스터파일이 없어서 작성할 수 없습니다.\n/x");
    // Only prompts become the current prompt.
    EXPECT_EQ(emu::CurrentPrompt(), "수치변경하실 치수지시 :");
    emu::ClearMessages();
    EXPECT_TRUE(emu::Messages().empty());
    EXPECT_EQ(emu::CurrentPrompt(), "");
}

TEST_F(MessagesTest, NullTextsAndFailedCallsShowNothing) {
    EXPECT_EQ(ZedMsgPutMessage(nullptr), -1);
    EXPECT_EQ(ZedMsgPutErrorMessage(nullptr), -1);
    EXPECT_EQ(ZedDlgMessageBox(nullptr), -1);
    emu::FailCall("ZedMsgPutMessage", 1);
    EXPECT_EQ(ZedMsgPutMessage(ZED_TEXT("x")), -1);
    EXPECT_TRUE(emu::Messages().empty());
    EXPECT_EQ(emu::CurrentPrompt(), "");
}

TEST_F(MessagesTest, OnlyAnExistingElementBlinksUntilClearedOrDeleted) {
    emu::AddLayer(0);
    const ZedId segment = emu::AddOutline(0, {emu::Line(0, 0, 1, 0)}, false);
    const ZedId element = emu::Chain(segment).front();
    EXPECT_EQ(emu::Blinking().id, -1);
    const ZedFigRef unknown{0, 4242};
    const ZedFigRef otherInstance{3, element};
    EXPECT_EQ(ZedIdSetBlinkElementId(&unknown), -1);
    EXPECT_EQ(ZedIdSetBlinkElementId(&otherInstance), -1);
    EXPECT_EQ(ZedIdSetBlinkElementId(nullptr), -1);
    EXPECT_EQ(emu::Blinking().id, -1);

    const ZedFigRef ref{0, element};
    ASSERT_EQ(ZedIdSetBlinkElementId(&ref), 0);
    EXPECT_EQ(emu::Blinking().instance, 0);
    EXPECT_EQ(emu::Blinking().id, element);
    ASSERT_EQ(ZedIdClearBlink(), 0);
    EXPECT_EQ(emu::Blinking().id, -1);

    ASSERT_EQ(ZedIdSetBlinkElementId(&ref), 0);
    ASSERT_EQ(ZedSgmDeleteSegment(segment), 0);
    EXPECT_EQ(emu::Blinking().id, -1);
    EXPECT_EQ(emu::Blinking().instance, -1);
}

}  // namespace
