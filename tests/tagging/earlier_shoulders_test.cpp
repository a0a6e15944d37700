// The text of attribute 40277, the earlier shoulders of an outline: what
// reads as entries and what names no shoulder at all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emuhost/emu_api.h"
#include "tagging/earlier_shoulders.h"

namespace {

ShoulderEntry E(ShoulderElementIds ids, ShoulderParts parts = {-1, -1, -1, -1, -1}) { return {std::move(ids), parts}; }

struct TextRow {
    const char* text;
    std::vector<ShoulderEntry> entries;  // none: the text names no shoulder
};

TEST(EarlierShouldersTest, ATextReadsAsItsEntriesOrAsNone) {
    const TextRow rows[] = {
        {"101,102,103:2001:2002:::", {E({101, 102, 103}, {2001, 2002, -1, -1, -1})}},
        {"1,2,3:::::;4,5,6::::7:8", {E({1, 2, 3}), E({4, 5, 6}, {-1, -1, -1, 7, 8})}},
        // Empty pieces of the element list are skipped, as in 40271.
        {",7,,8,:::::", {E({7, 8})}},
        {"9:2147483647::::", {E({9}, {2147483647, -1, -1, -1, -1})}},
        // Not six fields, no element, a part that is no positive 32-bit id,
        // an empty or a trailing entry, blanks, other separators.
        {"1,2,3::::", {}},
        {"1,2,3::::::", {}},
        {":1::::", {}},
        {"1:0::::", {}},
        {"1:-4::::", {}},
        {"1:2147483648::::", {}},
        {"1:x::::", {}},
        {"1:::::;", {}},
        {";1:::::", {}},
        {"1::::: ", {}},
        {"1|2:::::", {}},
        {"", {}},
        // Ten element ids are more than a shoulder lists.
        {"1,2,3,4,5,6,7,8,9,10:::::", {}},
    };
    for (const TextRow& row : rows) {
        EXPECT_EQ(ParseEarlierShoulders(emu::FromUtf8(row.text).c_str()), row.entries) << row.text;
    }
    EXPECT_TRUE(ParseEarlierShoulders(nullptr).empty());
}

std::string Entries(int count, const char* entry) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += (i == 0 ? "" : ";") + std::string(entry);
    }
    return text;
}

TEST(EarlierShouldersTest, ThirtyTwoEntriesAndFourThousandNinetySixCharactersAtMost) {
    EXPECT_EQ(ParseEarlierShoulders(emu::FromUtf8(Entries(32, "1:::::")).c_str()).size(), 32u);
    EXPECT_TRUE(ParseEarlierShoulders(emu::FromUtf8(Entries(33, "1:::::")).c_str()).empty());
    // 4096 characters: "1" padded with zeros to 4091, then ":::::".
    const std::string longest = std::string(4090, '0') + "1:::::";
    ASSERT_EQ(longest.size(), 4096u);
    EXPECT_EQ(ParseEarlierShoulders(emu::FromUtf8(longest).c_str()), std::vector<ShoulderEntry>{E({1})});
    EXPECT_TRUE(ParseEarlierShoulders(emu::FromUtf8("0" + longest).c_str()).empty());
}

TEST(EarlierShouldersTest, WritingKeepsTheNewestThatFitAndLeavesOutEntriesWithoutElements) {
    EXPECT_EQ(emu::ToUtf8(FormatEarlierShoulders(std::vector<ShoulderEntry>{
                                                     E({101, 102, 103}, {2001, 2002, -1, -1, -1}), E({}),
                                                     E({301, 302, 303}, {-1, 305, 0, -1, 306})})
                              .c_str()),
              "101,102,103:2001:2002:::;301,302,303::305:::306");
    // Forty entries of ids 1 to 40: the last 32 are kept, oldest first.
    std::vector<ShoulderEntry> many;
    for (ZedId id = 1; id <= 40; ++id) {
        many.push_back(E({id}));
    }
    const std::vector<ShoulderEntry> kept = ParseEarlierShoulders(FormatEarlierShoulders(many).c_str());
    ASSERT_EQ(kept.size(), 32u);
    EXPECT_EQ(kept.front(), E({9}));
    EXPECT_EQ(kept.back(), E({40}));
    // Entries of the longest ids, 88 characters each with the separator:
    // 32 fit in 4096 characters.
    std::vector<ShoulderEntry> longest(
        40, E({2147483647, 2147483647, 2147483647}, {2147483647, 2147483647, 2147483647, 2147483647, 2147483647}));
    const ZedString text = FormatEarlierShoulders(longest);
    EXPECT_EQ(text.size(), 32u * 88 - 1);
    EXPECT_EQ(ParseEarlierShoulders(text.c_str()).size(), 32u);
}

}  // namespace
