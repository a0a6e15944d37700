// The host's keyboard: key events form the command-line text with the
// keyboard's own state, and Enter takes the line.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "emuhost/emu_api.h"

namespace {

constexpr int kShift = 0x10;
constexpr int kCapsLock = 0x14;
constexpr int kClear = 0x0C;
constexpr int kBack = 0x08;
constexpr int kEnter = 0x0D;

// A key: positive goes down and up; negative only down (-key), with kUp after it.
constexpr int kUp = 0x1000;

struct KeyCase {
    std::string label;
    bool capsLock;
    std::vector<int> keys;  // virtual keys; a key followed by kUp is held until then
    std::vector<std::string> entered;
    std::string left;  // still on the command line
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.label; }

class Keyboard : public ::testing::TestWithParam<KeyCase> {
protected:
    void SetUp() override { emu::Reset(); }
    void TearDown() override { emu::Reset(); }
};

TEST_P(Keyboard, KeysFormTheLineThatEnterTakes) {
    const KeyCase& c = GetParam();
    emu::SetCapsLock(c.capsLock);
    std::vector<int> held;
    for (int key : c.keys) {
        if (key == kUp) {
            ZedEmuKeyInput(static_cast<unsigned>(held.back()), 0, 0, 1);
            held.pop_back();
        } else if (key < 0) {
            ZedEmuKeyInput(static_cast<unsigned>(-key), 0, 0, 0);
            held.push_back(-key);
        } else {
            ZedEmuKeyInput(static_cast<unsigned>(key), 0, 0x33, 0);
            ZedEmuKeyInput(static_cast<unsigned>(key), 0, 0x33, 1);
        }
    }
    EXPECT_EQ(emu::EnteredLines(), c.entered);
    EXPECT_EQ(emu::CommandLine(), c.left);
}

INSTANTIATE_TEST_SUITE_P(
    States, Keyboard,
    ::testing::Values(KeyCase{"letters lower", false, {kClear, 'P', 'L', 'A', 'N', 'E', 'A', kEnter}, {"planea"}, ""},
                      KeyCase{"caps lock", true, {'S', 'I', 'D', 'E', 'A', kEnter}, {"SIDEA"}, ""},
                      KeyCase{"caps lock key", false, {'A', kCapsLock, 'B', kCapsLock, 'C'}, {}, "aBc"},
                      KeyCase{"shift held", false, {'A', -kShift, 'B', kUp, 'C'}, {}, "aBc"},
                      KeyCase{"shift and caps", true, {-kShift, 'A', kUp, 'B'}, {}, "aB"},
                      KeyCase{"digits and space", false, {'3', ' ', '0', kEnter, '5'}, {"3 0"}, "5"},
                      KeyCase{"clear and back", false, {'X', kClear, 'A', 'B', kBack, kEnter}, {"a"}, ""},
                      KeyCase{"enter alone", false, {kEnter}, {""}, ""}));

TEST(HostWindow, ActivationsAreCountedUntilReset) {
    emu::Reset();
    ZedEmuActivateHostWindow();
    ZedEmuActivateHostWindow();
    EXPECT_EQ(emu::HostWindowActivations(), 2);
    emu::Reset();
    EXPECT_EQ(emu::HostWindowActivations(), 0);
    EXPECT_FALSE(emu::CapsLock());
}

}  // namespace
