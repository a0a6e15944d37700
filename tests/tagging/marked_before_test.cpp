// Drawings marked as the plug-in marked them before it kept earlier
// shoulders (40270 to 40276 alone), and marks whose 40277 another program
// damaged: Delete acts on them exactly as on today's marks, and an entry that
// does not name a shoulder of its own deletes nothing.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tagging/id_list.h"
#include "tagging/shoulder_tag.h"
#include "tests/tagging/tagging_test_support.h"

namespace {

using namespace tagging_test;

const std::vector<ZedFigure> kRectangleFromOrigin = {L(0, 0, 20, 0), L(20, 0, 20, 10), L(20, 10, 0, 10), L(0, 10, 0, 0)};
// The rectangle with the bottom shoulder, 5 to 9 along and 3 deep.
const std::vector<ZedFigure> kWithBottom = {L(0, 0, 5, 0),    L(5, 0, 5, -3),   L(5, -3, 9, -3), L(9, -3, 9, 0),
                                            L(9, 0, 20, 0),   L(20, 0, 20, 10), L(20, 10, 0, 10), L(0, 10, 0, 0)};

// Which ids a mark's text names: "B" the bottom shoulder's sides, "T" the
// top one's, "H" the bottom one's hole, "N" nothing.
struct MarkRow {
    const char* name;
    const char* type;          // 40270
    const char* list;          // 40271: "B" or "T"
    const char* earlier;       // 40277, with B/T/H put in; nullptr: absent
    const char* pick;          // "B" or "T": the inner side picked
    const char* error;         // nullptr: deleted
    std::vector<ZedFigure> outline;  // after the pick
    const char* typeAfter;     // 40270 afterwards, "" when the mark is gone
};
void PrintTo(const MarkRow& row, std::ostream* os) { *os << row.name; }

class MarkedBeforeTest : public TaggingTest, public ::testing::WithParamInterface<MarkRow> {};

std::string IdText(const Sides& s) {
    return std::to_string(s.first) + "," + std::to_string(s.inner) + "," + std::to_string(s.second);
}

void SetText(ZedId segment, int32_t number, const std::string& text) {
    const ZedString wide = emu::FromUtf8(text);
    ZedAttrValue value{};
    value.kind = ZED_ATTR_TEXT;
    value.value.text = wide.c_str();
    ASSERT_EQ(ZedSgmSetAttribute(segment, number, &value), 0);
}

TEST_P(MarkedBeforeTest, DeleteActsAsOnTheMarkItReads) {
    const MarkRow& row = GetParam();
    const ZedId rectangle = emu::AddOutline(kLayer, kRectangleFromOrigin, true);
    const CutShoulder bottom = CutShoulderInto(rectangle, {5, 0}, {9, 0}, {5, -3}, {9, -3});
    const CutShoulder top = CutShoulderInto(bottom.outline, {15, 10}, {11, 10}, {15, 13}, {11, 13});
    ASSERT_NE(top.outline, -1);
    const ZedId hole = MakeHole(7, -1.5);
    ASSERT_NE(hole, -1);
    const auto put = [&](std::string text) {
        for (size_t at = 0; (at = text.find_first_of("BTH", at)) != std::string::npos;) {
            const std::string ids = text[at] == 'B' ? IdText(bottom.sides) : text[at] == 'T' ? IdText(top.sides)
                                                                                         : std::to_string(hole);
            text.replace(at, 1, ids);
            at += ids.size();
        }
        return text;
    };
    const ZedId outline = top.outline;
    SetText(outline, kAttrShoulderType, row.type);
    SetText(outline, kAttrElementList, put(row.list));
    if (std::string(row.list) == "B") {
        ZedAttrValue value{};
        value.kind = ZED_ATTR_INTEGER;
        value.value.integer = hole;
        ZedSgmSetAttribute(outline, kAttrHoleSegment, &value);
    }
    if (row.earlier != nullptr) {
        SetText(outline, kAttrEarlierShoulders, put(row.earlier));
    }
    EnterDeleteMode();
    const std::string drawing = emu::Dump();
    ASSERT_TRUE(emu::PickElement(std::string(row.pick) == "B" ? bottom.sides.inner : top.sides.inner));
    if (row.error != nullptr) {
        EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{row.error});
        EXPECT_EQ(emu::Dump(), drawing);
        return;
    }
    EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{});
    EXPECT_EQ(OutlineMismatch(outline, row.outline, true), "");
    EXPECT_EQ(emu::AttributeText(outline, kAttrShoulderType), row.typeAfter);
    EXPECT_EQ(emu::SegmentExists(hole), std::string(row.pick) != "B");
    if (*row.typeAfter == 0) {
        EXPECT_FALSE(emu::HasAttribute(outline, kAttrEarlierShoulders));
        EXPECT_FALSE(emu::HasAttribute(outline, kAttrElementList));
    }
}

// The top shoulder's outline: the rectangle with it, 11 to 15 along the top edge and 3 high.
const std::vector<ZedFigure> kWithTop = {L(0, 0, 20, 0),    L(20, 0, 20, 10),  L(20, 10, 15, 10), L(15, 10, 15, 13),
                                         L(15, 13, 11, 13), L(11, 13, 11, 10), L(11, 10, 0, 10),  L(0, 10, 0, 0)};

INSTANTIATE_TEST_SUITE_P(
    Rows, MarkedBeforeTest,
    ::testing::Values(
        // One shoulder marked, as one always was (the top one is no marked
        // shoulder): it goes with its hole and the whole mark.
        MarkRow{"OneShoulder", "SymbolShoulder", "B", nullptr, "B", nullptr, kWithTop, ""},
        MarkRow{"OneShoulderAnyCase", "symbolSHOULDER", "B", nullptr, "B", nullptr, kWithTop, ""},
        // Two shoulders, the first one's mark overwritten by the second: the
        // first is no shoulder the mark names, and the second goes as before.
        MarkRow{"EarlierLostPickedEarlier", "SymbolShoulder", "T", nullptr, "B", kPickShoulderElement, {}, ""},
        MarkRow{"EarlierLostPickedLater", "SymbolShoulder", "T", nullptr, "T", nullptr, kWithBottom, ""},
        // The same with 40277: the first is kept there and goes too; the
        // second going moves the first into 40270 to 40276.
        MarkRow{"EarlierKeptPickedEarlier", "SymbolShoulder", "T", "B:H::::", "B", nullptr, kWithTop,
                "SymbolShoulder"},
        MarkRow{"EarlierKeptPickedLater", "SymbolShoulder", "T", "B:H::::", "T", nullptr, kWithBottom,
                "SymbolShoulder"},
        // A damaged 40277 names nothing: Delete acts on 40271 as before.
        MarkRow{"DamagedEarlierIgnored", "SymbolShoulder", "T", "B:H:::", "T", nullptr, kWithBottom, ""},
        MarkRow{"DamagedEarlierPicked", "SymbolShoulder", "T", "B;x", "B", kPickShoulderElement, {}, ""},
        // An entry that lists the same elements as another shoulder never
        // takes them from it.
        MarkRow{"EntryListsTheLatersElements", "SymbolShoulder", "T", "T:::::", "T", kNotDeleted, {}, ""},
        // An entry of elements that form no shoulder deletes nothing.
        MarkRow{"EntryOfNoShoulder", "SymbolShoulder", "T", "B,T:::::", "B", kNotDeleted, {}, ""}),
    [](const ::testing::TestParamInfo<MarkRow>& info) { return std::string(info.param.name); });

}  // namespace
