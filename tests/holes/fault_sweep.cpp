#include "tests/holes/fault_sweep.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "holes/hole_state.h"

namespace {

// "ZedName#k" for each call of the log.
std::vector<std::string> CallKeys(const std::vector<std::string>& calls) {
    std::map<std::string, int> seen;
    std::vector<std::string> keys;
    for (const std::string& name : calls) {
        keys.push_back(name + "#" + std::to_string(++seen[name]));
    }
    return keys;
}

std::vector<std::string> Descriptions(const std::vector<emu::Change>& changes) {
    std::vector<std::string> texts;
    for (const emu::Change& change : changes) {
        texts.push_back(change.name + ": " + change.description);
    }
    return texts;
}

std::vector<std::string> ExpectedJournal(const std::vector<emu::Change>& clean, int failing, AfterFailure after) {
    std::vector<emu::Change> kept;
    for (const emu::Change& change : clean) {
        const bool before = change.call < failing;
        if (before || (after == AfterFailure::GoesOn && change.call > failing)) {
            kept.push_back(change);
        }
    }
    if (after == AfterFailure::StopsThenLastChange && !clean.empty() && clean.back().call > failing) {
        kept.push_back(clean.back());
    }
    return Descriptions(kept);
}

std::string ChannelName(emu::Channel channel) {
    switch (channel) {
        case emu::Channel::Prompt:
            return "prompt";
        case emu::Channel::Error:
            return "error line";
        case emu::Channel::MessageBox:
            return "message box";
    }
    return "?";
}

std::vector<std::string> Shown(const std::vector<emu::Message>& messages) {
    std::vector<std::string> texts;
    for (const emu::Message& message : messages) {
        texts.push_back(ChannelName(message.channel) + ": " + message.text);
    }
    return texts;
}

}  // namespace

emu::Message OnError(const ZedChar* text) { return emu::Message{emu::Channel::Error, emu::ToUtf8(text)}; }
emu::Message InBox(const ZedChar* text) { return emu::Message{emu::Channel::MessageBox, emu::ToUtf8(text)}; }
emu::Message InBox(const std::string& utf8) { return emu::Message{emu::Channel::MessageBox, utf8}; }

void SweepEveryCall(const std::function<void()>& setUp, const std::function<bool()>& operation,
                    const FailureTable& table) {
    setUp();
    const ZedId holeBefore = Holes().currentHole;
    ASSERT_TRUE(operation()) << "the clean run fails";
    const std::vector<std::string> keys = CallKeys(emu::CallLog());
    const std::vector<emu::Change> clean = emu::Journal();
    EXPECT_TRUE(emu::Messages().empty()) << "the clean run shows " << testing::PrintToString(Shown(emu::Messages()));
    EXPECT_EQ(emu::LiveHoleData(), 0);

    // The table names exactly the calls the operation makes.
    for (const std::string& key : keys) {
        EXPECT_TRUE(table.count(key)) << "no outcome for " << key << " in " << testing::PrintToString(keys);
    }
    for (const auto& entry : table) {
        EXPECT_NE(std::find(keys.begin(), keys.end(), entry.first), keys.end()) << entry.first << " is never called";
    }

    for (size_t i = 0; i < keys.size(); ++i) {
        const auto found = table.find(keys[i]);
        if (found == table.end()) {
            continue;
        }
        const FailureOutcome& expected = found->second;
        const int failing = static_cast<int>(i) + 1;
        SCOPED_TRACE("failing call " + std::to_string(failing) + ", " + keys[i]);
        setUp();
        emu::FailNthCall(failing);
        const bool result = operation();
        emu::ClearFaults();

        EXPECT_EQ(emu::InjectedFailures(), 1);
        EXPECT_EQ(result, expected.result);
        EXPECT_EQ(Shown(emu::Messages()), Shown(expected.messages));
        EXPECT_EQ(Descriptions(emu::Journal()), ExpectedJournal(clean, failing, expected.drawing));
        EXPECT_EQ(emu::LiveHoleData(), 0);
        EXPECT_TRUE(emu::ProtocolErrors().empty()) << testing::PrintToString(emu::ProtocolErrors());
        EXPECT_EQ(emu::CheckAllIntegrity(), "");
        switch (expected.hole) {
            case HoleAfter::Kept:
                EXPECT_EQ(Holes().currentHole, holeBefore);
                break;
            case HoleAfter::Gone:
                EXPECT_EQ(Holes().currentHole, -1);
                break;
            case HoleAfter::Replaced:
                EXPECT_NE(Holes().currentHole, -1);
                EXPECT_NE(Holes().currentHole, holeBefore);
                break;
        }
    }

    // One call past the last: the operation runs untouched.
    setUp();
    emu::FailNthCall(static_cast<int>(keys.size()) + 1);
    EXPECT_TRUE(operation());
    emu::ClearFaults();
    EXPECT_EQ(emu::InjectedFailures(), 0);
    EXPECT_EQ(Descriptions(emu::Journal()), Descriptions(clean));
}
