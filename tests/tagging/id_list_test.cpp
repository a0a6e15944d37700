// The shoulder element list of attribute 40271: written by the tagging, read
// by Delete mode from whatever text the drawing holds. Pure text handling, no
// host calls.
#include <gtest/gtest.h>

#include <string>

#include "emuhost/emu_api.h"
#include "tagging/id_list.h"

namespace {

using Ids = ShoulderElementIds;

Ids Parse(const std::string& utf8) { return ParseIdText(emu::FromUtf8(utf8).c_str()); }

TEST(TagIdListTest, ReadsWhatTheTaggingWrites) {
    const ZedId written[] = {101, 205, 2147483647};
    const ZedString text = FormatIdList(written);
    EXPECT_EQ(emu::ToUtf8(text.c_str()), "101,205,2147483647");
    EXPECT_EQ(ParseIdText(text.c_str()), (Ids{101, 205, 2147483647}));
    EXPECT_EQ(emu::ToUtf8(FormatIdList({}).c_str()), "");
}

TEST(TagIdListTest, EmptyPiecesAreSkipped) {
    EXPECT_EQ(Parse(",101,,205,"), (Ids{101, 205}));
    EXPECT_EQ(Parse(",,,"), Ids{});
    EXPECT_EQ(Parse(""), Ids{});
    EXPECT_EQ(Parse("7"), Ids{7});
}

TEST(TagIdListTest, NumbersAreWholeDecimalIntegersOfThirtyTwoBits) {
    EXPECT_EQ(Parse("007,-3"), (Ids{7, -3}));
    EXPECT_EQ(Parse("-2147483648"), Ids{-2147483647 - 1});
    EXPECT_EQ(Parse("2147483648"), Ids{});
    EXPECT_EQ(Parse("-2147483649"), Ids{});
    EXPECT_EQ(Parse("99999999999"), Ids{});
    EXPECT_EQ(Parse("1,99999999999999999999999999"), Ids{});
}

TEST(TagIdListTest, ATextThatIsNotEntirelyAListGivesNoIds) {
    for (const char* text : {"12abc", "abc", "1,2,x", "1;2", " 1", "1 ", "1, 2", "+1", "-", "1-2", "--1", "1.5",
                             "０１", "상면", "101,205\n"}) {
        EXPECT_EQ(Parse(text), Ids{}) << text;
    }
}

TEST(TagIdListTest, NineIdsAreTheMostAShoulderLists) {
    EXPECT_EQ(Parse("1,2,3,4,5,6,7,8,9").size(), 9u);
    EXPECT_EQ(Parse(",1,2,3,4,5,6,7,8,9,,"), (Ids{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(Parse("1,2,3,4,5,6,7,8,9,10"), Ids{});
    EXPECT_EQ(Parse(std::string(4000, '1') + ",2"), Ids{});
}

TEST(TagIdListTest, OnlyATextValueCarriesAList) {
    const ZedString text = emu::FromUtf8("4,5");
    ZedAttrValue value{};
    value.kind = ZED_ATTR_TEXT;
    value.value.text = text.c_str();
    EXPECT_EQ(ParseIdList(value), (Ids{4, 5}));

    value.value.text = nullptr;
    EXPECT_EQ(ParseIdList(value), Ids{});

    // An integer value is never taken for a text, even when its bits would
    // make a readable pointer.
    for (const int32_t kind : {int32_t{ZED_ATTR_INTEGER}, 0, 1, 4, -1}) {
        ZedAttrValue other{};
        other.kind = kind;
        other.value.text = text.c_str();
        EXPECT_EQ(ParseIdList(other), Ids{}) << kind;
    }
}

}  // namespace
