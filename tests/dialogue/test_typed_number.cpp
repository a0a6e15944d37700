// The number check of the value and depth entries, on its own.
#include <gtest/gtest.h>

#include "command/typed_number.h"
#include "emuhost/emu_api.h"

namespace {

bool Read(const char* utf8, double& value) { return ReadTypedNumber(emu::FromUtf8(utf8), value); }

TEST(DialogueTypedNumber, SignsPointsAndDigitsAreNumbers) {
    struct Case {
        const char* text;
        double value;
    };
    for (const Case& c : {Case{"-1.5", -1.5}, Case{"+2", 2.0}, Case{".5", 0.5}, Case{"1.", 1.0}, Case{"1.2.3", 1.2},
                          Case{"", 0.0}, Case{"-", 0.0}, Case{".", 0.0}, Case{"007", 7.0}, Case{"12.50", 12.5}}) {
        double value = 99.0;
        EXPECT_TRUE(Read(c.text, value)) << c.text;
        EXPECT_DOUBLE_EQ(value, c.value) << c.text;
    }
}

TEST(DialogueTypedNumber, AnythingElseAnywhereIsRefused) {
    for (const char* text : {"1e3", "2-1", " ", " 1", "1 ", "abc", "+-1", "--1", "1,5", "5mm", "１"}) {
        double value = 99.0;
        EXPECT_FALSE(Read(text, value)) << text;
        EXPECT_DOUBLE_EQ(value, 99.0) << text;
    }
}

}  // namespace
