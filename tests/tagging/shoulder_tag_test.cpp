// The mark on a shoulder's segment, written from the shoulder memory and read
// back by the host's pick screening in Delete mode. Runs against the emulated
// host; the attributes are read back with its inspection calls.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "geometry/shoulder_memory.h"
#include "geometry/unfinished_change.h"
#include "tagging/shoulder_check.h"
#include "tagging/shoulder_tag.h"
#include "tests/tagging/tagging_test_support.h"

namespace {

using namespace tagging_test;

class ShoulderTagTest : public TaggingTest {
protected:
    void SetUp() override {
        TaggingTest::SetUp();
        segment_ = emu::AddSegment(ZED_SGM_FIGURE, kLayer);
        element_ = emu::AddFigure(segment_, emu::Line(0, 0, 10, 0));
    }

    static void SetSides(ZedId first, ZedId inner, ZedId second) {
        Shoulder().firstSide.ref = ZedFigRef{0, first};
        Shoulder().innerSide.ref = ZedFigRef{0, inner};
        Shoulder().secondSide.ref = ZedFigRef{0, second};
    }

    static void SetText(ZedId segment, int32_t number, const std::string& utf8) {
        const ZedString text = emu::FromUtf8(utf8);
        ZedAttrValue value{};
        value.kind = ZED_ATTR_TEXT;
        value.value.text = text.c_str();
        ASSERT_EQ(ZedSgmSetAttribute(segment, number, &value), 0);
    }

    static void SetInteger(ZedId segment, int32_t number, int32_t integer) {
        ZedAttrValue value{};
        value.kind = ZED_ATTR_INTEGER;
        value.value.integer = integer;
        ASSERT_EQ(ZedSgmSetAttribute(segment, number, &value), 0);
    }

    ZedId segment_ = -1;
    ZedId element_ = -1;
};

TEST_F(ShoulderTagTest, MarksTheSegmentAndListsOnlyTheKnownSides) {
    SetSides(101, -1, 205);
    ShoulderTag(segment_);
    EXPECT_EQ(emu::AttributeText(segment_, kAttrShoulderType), "SymbolShoulder");
    EXPECT_EQ(emu::AttributeText(segment_, kAttrElementList), "101,205");

    SetSides(-1, 7, -1);
    ShoulderTag(segment_);
    EXPECT_EQ(emu::AttributeText(segment_, kAttrElementList), "7");
}

TEST_F(ShoulderTagTest, WithNoSideKnownTheEarlierListStays) {
    SetSides(11, 12, 13);
    ShoulderTag(segment_);
    ForgetShoulder();
    ShoulderTag(segment_);
    EXPECT_EQ(emu::AttributeText(segment_, kAttrElementList), "11,12,13");
    EXPECT_EQ(emu::AttributeText(segment_, kAttrShoulderType), "SymbolShoulder");

    // On a segment that was never tagged there is then no list at all.
    const ZedId fresh = emu::AddSegment(ZED_SGM_FIGURE, kLayer);
    ShoulderTag(fresh);
    EXPECT_FALSE(emu::HasAttribute(fresh, kAttrElementList));
    EXPECT_TRUE(emu::HasAttribute(fresh, kAttrShoulderType));
}

TEST_F(ShoulderTagTest, PartSegmentsAreSetWhenKnownAndDeletedWhenNot) {
    SetSides(1, 2, 3);
    ShoulderTag(segment_);
    for (int32_t number = kAttrHoleSegment; number <= kAttrDisplaySegment; ++number) {
        EXPECT_FALSE(emu::HasAttribute(segment_, number)) << number;
    }

    // A hole made later re-tags the shoulder with its segment.
    Shoulder().holeSegment = 41;
    Shoulder().cutLineSegment = 42;
    Shoulder().slotSegment = 44;
    Shoulder().displaySegment = 45;
    ShoulderTag(segment_);
    EXPECT_EQ(emu::AttributeText(segment_, kAttrHoleSegment), "41");
    EXPECT_EQ(emu::AttributeText(segment_, kAttrCutLineSegment), "42");
    EXPECT_EQ(emu::AttributeText(segment_, kAttrSlotSegment), "44");
    EXPECT_EQ(emu::AttributeText(segment_, kAttrDisplaySegment), "45");
    EXPECT_FALSE(emu::HasAttribute(segment_, kAttrFourthSegment));

    // A re-tag overwrites every value: a part that is gone loses its attribute.
    Shoulder().holeSegment = 51;
    Shoulder().cutLineSegment = -1;
    Shoulder().slotSegment = -1;
    SetSides(8, -1, 9);
    ShoulderTag(segment_);
    EXPECT_EQ(emu::AttributeText(segment_, kAttrHoleSegment), "51");
    EXPECT_FALSE(emu::HasAttribute(segment_, kAttrCutLineSegment));
    EXPECT_FALSE(emu::HasAttribute(segment_, kAttrSlotSegment));
    EXPECT_EQ(emu::AttributeText(segment_, kAttrDisplaySegment), "45");
    EXPECT_EQ(emu::AttributeText(segment_, kAttrElementList), "8,9");
}

TEST_F(ShoulderTagTest, TheFourthPartIsNeverLeftOnATaggedShoulder) {
    SetInteger(segment_, kAttrFourthSegment, 99);
    SetSides(1, 2, 3);
    ShoulderTag(segment_);
    EXPECT_FALSE(emu::HasAttribute(segment_, kAttrFourthSegment));
}

TEST_F(ShoulderTagTest, ATaggedFigureSegmentIsOfferedInAnyLetterCase) {
    for (const char* text : {"SymbolShoulder", "symbolshoulder", "SYMBOLSHOULDER", "sYmBoLsHoUlDeR"}) {
        SetText(segment_, kAttrShoulderType, text);
        EXPECT_EQ(IsShoulderSegment(element_), 1) << text;
    }
    SetSides(element_, -1, -1);
    ShoulderTag(segment_);
    EXPECT_EQ(IsShoulderSegment(element_), 1);
}

TEST_F(ShoulderTagTest, OtherSegmentsAreNotOffered) {
    EXPECT_EQ(IsShoulderSegment(element_), 0) << "no attribute";
    for (const char* text : {"SymbolShoulder ", "Symbol Shoulder", "SymbolShoulde", "SymbolShoulderX", "",
                             "ＳymbolShoulder"}) {
        SetText(segment_, kAttrShoulderType, text);
        EXPECT_EQ(IsShoulderSegment(element_), 0) << text;
    }
    SetInteger(segment_, kAttrShoulderType, 40270);
    EXPECT_EQ(IsShoulderSegment(element_), 0) << "integer value";
    EXPECT_EQ(IsShoulderSegment(-1), 0);
    EXPECT_EQ(IsShoulderSegment(12345), 0);

    // A dimension segment is never a shoulder, whatever it carries.
    const ZedId dimensions = emu::AddSegment(ZED_SGM_DIMENSION, kLayer);
    ZedLengthDim record{};
    record.second = ZedPoint{5, 0};
    record.offset = 2.0;
    record.flag80 = 1;
    const ZedId dimension = ZedDimCreateLineLength(dimensions, &record);
    ASSERT_NE(dimension, -1);
    SetText(dimensions, kAttrShoulderType, "SymbolShoulder");
    EXPECT_EQ(IsShoulderSegment(dimension), 0);
}

TEST_F(ShoulderTagTest, AHostThatCannotReadTheMarkOffersNothing) {
    SetSides(1, 2, 3);
    ShoulderTag(segment_);
    for (const char* call : {"ZedElmGetSegment", "ZedSgmGetType", "ZedSgmGetAttribute"}) {
        emu::FailCall(call, 1);
        EXPECT_EQ(IsShoulderSegment(element_), 0) << call;
        emu::ClearFaults();
    }
    EXPECT_EQ(IsShoulderSegment(element_), 1);
}

// A change tags its shoulder again. Whatever another program left in the mark
// since, the mark then reads as a first tagging writes it: the type in its own
// letters, the shoulder's list and parts, and 40277 only when it is a list of
// earlier shoulders, as the earlier-shoulders format writes it. A list that
// another program put in 40271 names another shoulder, which becomes earlier.
struct RetagRow {
    const char* name;
    const char* list;            // 40271 before the change; nullptr as tagged
    const char* type;            // 40270 before the change
    const char* earlier;         // 40277 before the change as text; nullptr absent
    bool earlierAsInteger;       // 40277 an integer instead
    const char* earlierAfter;    // nullptr: absent
};
void PrintTo(const RetagRow& row, std::ostream* os) { *os << row.name; }

class RetagTest : public ShoulderTagTest, public ::testing::WithParamInterface<RetagRow> {};

TEST_P(RetagTest, TaggingAgainLeavesTheMarkAFirstTaggingWrites) {
    const RetagRow& row = GetParam();
    SetSides(101, 102, 103);
    ShoulderTag(segment_);
    SetText(segment_, kAttrShoulderType, row.type);
    if (row.list != nullptr) {
        SetText(segment_, kAttrElementList, row.list);
    }
    if (row.earlierAsInteger) {
        SetInteger(segment_, kAttrEarlierShoulders, 7);
    } else if (row.earlier != nullptr) {
        SetText(segment_, kAttrEarlierShoulders, row.earlier);
    }

    SetSides(101, 102, 104);
    Shoulder().holeSegment = 41;
    ShoulderTag(segment_);
    EXPECT_EQ(emu::AttributeText(segment_, kAttrShoulderType), "SymbolShoulder");
    EXPECT_EQ(emu::AttributeText(segment_, kAttrElementList), "101,102,104");
    EXPECT_EQ(emu::AttributeText(segment_, kAttrHoleSegment), "41");
    EXPECT_FALSE(emu::HasAttribute(segment_, kAttrCutLineSegment));
    if (row.earlierAfter == nullptr) {
        EXPECT_FALSE(emu::HasAttribute(segment_, kAttrEarlierShoulders));
    } else {
        EXPECT_EQ(emu::AttributeText(segment_, kAttrEarlierShoulders), row.earlierAfter);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Marks, RetagTest,
    ::testing::Values(RetagRow{"AsWritten", nullptr, "SymbolShoulder", nullptr, false, nullptr},
                      RetagRow{"TypeInOtherLetters", nullptr, "SYMBOLSHOULDER", nullptr, false, nullptr},
                      RetagRow{"EarlierShoulderKept", nullptr, "SymbolShoulder", "301,302,303::305:::306", false,
                               "301,302,303::305:::306"},
                      RetagRow{"EarlierEmpty", nullptr, "SymbolShoulder", "", false, nullptr},
                      RetagRow{"EarlierDamaged", nullptr, "SymbolShoulder", "301,302,303::305:::306;", false, nullptr},
                      RetagRow{"EarlierAnInteger", nullptr, "SymbolShoulder", nullptr, true, nullptr},
                      RetagRow{"ListOfAnotherShoulder", "201,202,203", "SymbolShoulder", nullptr, false,
                               "201,202,203:::::"}),
    [](const ::testing::TestParamInfo<RetagRow>& info) { return std::string(info.param.name); });

}  // namespace
