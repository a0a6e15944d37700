// Delete mode driven as the user drives it through the emulated host: type
// Delete, pick a marked shoulder. The shoulders are made with the toolkit's
// splice helpers, as a builder makes them, or laid out by hand. Checked: what
// is left of the outline (its chain, its points, closed or open, and the
// host's integrity check), which segments go, which attributes stay, and what
// the user is told.
#include <gtest/gtest.h>

#include <algorithm>

#include "geometry/shoulder_memory.h"
#include "tagging/shoulder_tag.h"
#include "tests/tagging/tagging_test_support.h"

namespace {

using namespace tagging_test;

class DeleteModeTest : public TaggingTest {
protected:
    // A closed 20 × 10 rectangle, counter-clockwise from the origin, with a
    // shoulder 4 wide and 3 deep cut into the middle of its bottom edge.
    void MakeRectangleWithShoulder() {
        const ZedId rectangle = emu::AddOutline(kLayer,
                                                {emu::Line(0, 0, 20, 0), emu::Line(20, 0, 20, 10),
                                                 emu::Line(20, 10, 0, 10), emu::Line(0, 10, 0, 0)},
                                                true);
        ASSERT_NE(rectangle, -1);
        cut_ = CutShoulderInto(rectangle, {8, 0}, {12, 0}, {8, -3}, {12, -3});
        ASSERT_NE(cut_.outline, -1);
        ASSERT_EQ(emu::CheckIntegrity(cut_.outline), "");
        ASSERT_EQ(emu::Chain(cut_.outline).size(), 8u);
    }

    // A slot round the shoulder's root as plan pattern D draws one: arcs of
    // radius 2 about the root's ends joined by a line under it.
    static ZedId MakeSlot() {
        return emu::AddOutline(kLayer,
                               {ArcDegrees(8, 0, 2, 90, 270, ZED_ARC_CCW), emu::Line(8, -2, 12, -2),
                                ArcDegrees(12, 0, 2, -90, 90, ZED_ARC_CCW)},
                               false);
    }

    static bool AnyExists(const Sides& sides) {
        return emu::ElementExists(sides.first) || emu::ElementExists(sides.inner) ||
               emu::ElementExists(sides.second);
    }

    static void SetText(ZedId segment, int32_t number, const std::string& utf8) {
        const ZedString text = emu::FromUtf8(utf8);
        ZedAttrValue value{};
        value.kind = ZED_ATTR_TEXT;
        value.value.text = text.c_str();
        ASSERT_EQ(ZedSgmSetAttribute(segment, number, &value), 0);
    }

    CutShoulder cut_;
};

TEST_F(DeleteModeTest, ThePromptOffersMarkedShouldersAndTakesTypedText) {
    EnterDeleteMode();
    EXPECT_EQ(emu::EventMask(), static_cast<uint32_t>(ZED_MASK_COMPARE_PICK | ZED_MASK_KEYIN));
    EXPECT_TRUE(emu::ProtocolErrors().empty());
}

TEST_F(DeleteModeTest, AShoulderInTheMiddleOfAnEdgeLeavesOneStraightEdge) {
    MakeRectangleWithShoulder();
    TagShoulder(cut_.outline, cut_.sides);
    EnterDeleteMode();

    ASSERT_TRUE(emu::PickElement(cut_.sides.inner));

    EXPECT_FALSE(AnyExists(cut_.sides));
    EXPECT_FALSE(emu::ElementExists(cut_.tail));
    const std::vector<ZedId> chain = emu::Chain(cut_.outline);
    ASSERT_EQ(chain.size(), 4u);
    EXPECT_NE(std::find(chain.begin(), chain.end(), cut_.head), chain.end());
    const ZedFigure edge = emu::FigureOf(cut_.head);
    EXPECT_EQ(edge.kind, ZED_FIG_LINE);
    EXPECT_POINT_NEAR(StartOf(edge), 0, 0);
    EXPECT_POINT_NEAR(EndOf(edge), 20, 0);
    EXPECT_TRUE(emu::SegmentClosed(cut_.outline));
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
    EXPECT_TRUE(TextsOn(emu::Channel::Error).empty());

    // The mark goes with the shoulder, and Delete mode waits for the next pick.
    EXPECT_FALSE(emu::HasAttribute(cut_.outline, kAttrShoulderType));
    EXPECT_FALSE(emu::HasAttribute(cut_.outline, kAttrElementList));
    EXPECT_TRUE(emu::CommandActive());
    EXPECT_TRUE(TextsOn(emu::Channel::Prompt).empty());
    EXPECT_TRUE(emu::ProtocolErrors().empty());

    // The outline is no shoulder any more: a pick on it finds nothing.
    const std::string before = emu::Dump();
    ASSERT_TRUE(emu::PickElement(cut_.head));
    EXPECT_EQ(emu::Dump(), before);
}

TEST_F(DeleteModeTest, ThePartsNamedByTheShoulderGoWithIt) {
    MakeRectangleWithShoulder();
    const ZedId hole = MakeHole(10, 3);
    ASSERT_NE(hole, -1);
    const ZedId cutLine = emu::AddOutline(kLayer, {emu::Line(8, 0, 12, 0)}, false);
    const ZedId fourth = emu::AddOutline(kLayer, {emu::Line(9, -1, 11, -1)}, false);
    const ZedId slot = MakeSlot();
    const ZedId display = emu::AddOutline(kLayer, {emu::Line(12, -3, 16, -3)}, false);
    const ZedId unrelated = emu::AddOutline(kLayer, {emu::Circle(30, 30, 2)}, true);
    Shoulder().holeSegment = hole;
    Shoulder().cutLineSegment = cutLine;
    Shoulder().fourthSegment = fourth;
    Shoulder().slotSegment = slot;
    Shoulder().displaySegment = display;
    TagShoulder(cut_.outline, cut_.sides);
    EnterDeleteMode();

    ASSERT_TRUE(emu::PickElement(cut_.sides.first));

    for (const ZedId part : {hole, cutLine, fourth, slot, display}) {
        EXPECT_FALSE(emu::SegmentExists(part)) << part;
    }
    EXPECT_TRUE(emu::SegmentExists(unrelated));
    EXPECT_FALSE(AnyExists(cut_.sides));
    EXPECT_EQ(emu::Chain(cut_.outline).size(), 4u);
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
}

TEST_F(DeleteModeTest, OnlyAnIntegerOtherThanTheShouldersOwnSegmentNamesAPart) {
    MakeRectangleWithShoulder();
    const ZedId unrelated = emu::AddOutline(kLayer, {emu::Circle(30, 30, 2)}, true);
    TagShoulder(cut_.outline, cut_.sides);
    SetText(cut_.outline, kAttrHoleSegment, std::to_string(unrelated));
    ZedAttrValue own{};
    own.kind = ZED_ATTR_INTEGER;
    own.value.integer = cut_.outline;
    ASSERT_EQ(ZedSgmSetAttribute(cut_.outline, kAttrCutLineSegment, &own), 0);
    EnterDeleteMode();

    ASSERT_TRUE(emu::PickElement(cut_.sides.second));

    EXPECT_TRUE(emu::SegmentExists(unrelated));
    ASSERT_TRUE(emu::SegmentExists(cut_.outline));
    EXPECT_FALSE(AnyExists(cut_.sides));
    EXPECT_TRUE(emu::SegmentClosed(cut_.outline));
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
}

// A drawing edited by hand or by another program may name anything in the
// part attributes. Delete takes a named segment only where it can be that
// part of the picked shoulder (4 wide, 3 deep, at x 8 to 12 under y = 0), and
// asks only what holds on any host.
struct NamedPart {
    const char* what;
    int32_t attribute;
    bool goes;
};

void PrintTo(const NamedPart& row, std::ostream* os) { *os << row.what << " as " << row.attribute; }

class DeleteNamedPartTest : public DeleteModeTest, public ::testing::WithParamInterface<NamedPart> {};

TEST_P(DeleteNamedPartTest, OnlyASegmentThatCanBeThePartGoes) {
    const NamedPart& row = GetParam();
    const std::string what = row.what;
    MakeRectangleWithShoulder();
    ZedId part = -1;
    if (what == "another shoulder") {
        part = emu::AddOutline(kLayer, {emu::Line(9, -1, 11, -1)}, false);
        const ZedString type = emu::FromUtf8("symbolshoulder");
        ZedAttrValue value{};
        value.kind = ZED_ATTR_TEXT;
        value.value.text = type.c_str();
        ZedSgmSetAttribute(part, kAttrShoulderType, &value);
    } else if (what == "dimension") {
        part = emu::AddSegment(ZED_SGM_DIMENSION, kLayer);
    } else if (what == "far away") {
        part = emu::AddOutline(kLayer, {emu::Line(40, 40, 50, 40)}, false);
    } else if (what == "a hole" || what == "a hole the host's hole query does not find") {
        part = MakeHole(10, 3);
    } else if (what == "two lines") {
        part = emu::AddOutline(kLayer, {emu::Line(8, 0, 10, 0), emu::Line(10, 0, 12, 0)}, false);
    } else if (what == "empty") {
        part = emu::AddSegment(ZED_SGM_FIGURE, kLayer);
    } else if (what == "a line left at the old root") {
        // A cut line that a failed change did not move with the shoulder.
        part = emu::AddOutline(kLayer, {emu::Line(6, 0, 14, 0)}, false);
    } else if (what == "a slot") {
        part = MakeSlot();
    } else if (what == "a line") {
        part = emu::AddOutline(kLayer, {emu::Line(12, -3, 16, -3)}, false);
    }
    ASSERT_NE(part, -1) << what;
    TagShoulder(cut_.outline, cut_.sides);
    ZedAttrValue value{};
    value.kind = ZED_ATTR_INTEGER;
    value.value.integer = part;
    ASSERT_EQ(ZedSgmSetAttribute(cut_.outline, row.attribute, &value), 0);
    EnterDeleteMode();
    if (what == "a hole the host's hole query does not find") {
        // A host that names a hole's segments otherwise than this one answers
        // no hole for them.
        emu::FailCall("ZedHolGetHoleId", 1, true);
    }

    ASSERT_TRUE(emu::PickElement(cut_.sides.inner));

    EXPECT_EQ(emu::SegmentExists(part), !row.goes) << what;
    EXPECT_FALSE(AnyExists(cut_.sides)) << what;  // the shoulder itself goes
    EXPECT_TRUE(emu::SegmentClosed(cut_.outline));
    EXPECT_TRUE(TextsOn(emu::Channel::Error).empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, DeleteNamedPartTest,
                         ::testing::Values(NamedPart{"another shoulder", kAttrSlotSegment, false},
                                           NamedPart{"dimension", kAttrDisplaySegment, false},
                                           NamedPart{"far away", kAttrFourthSegment, false},
                                           NamedPart{"a hole", kAttrCutLineSegment, false},
                                           NamedPart{"a hole", kAttrSlotSegment, false},
                                           NamedPart{"two lines", kAttrCutLineSegment, false},
                                           NamedPart{"a line", kAttrSlotSegment, false},
                                           NamedPart{"a slot", kAttrDisplaySegment, false},
                                           NamedPart{"empty", kAttrSlotSegment, false},
                                           NamedPart{"a hole the host's hole query does not find",
                                                     kAttrHoleSegment, true},
                                           NamedPart{"a line left at the old root", kAttrCutLineSegment, true},
                                           NamedPart{"a slot", kAttrSlotSegment, true},
                                           NamedPart{"a line", kAttrDisplaySegment, true}));

TEST_F(DeleteModeTest, APartThatCannotBeDeletedKeepsItsAttribute) {
    // The hole's segment stays when the host refuses to delete it, and so does
    // the attribute that names it, even when the outline then cannot be
    // joined and the mark stays for another try.
    MakeRectangleWithShoulder();
    const ZedId hole = MakeHole(10, 3);
    const ZedId cutLine = emu::AddOutline(kLayer, {emu::Line(8, 0, 12, 0)}, false);
    Shoulder().holeSegment = hole;
    Shoulder().cutLineSegment = cutLine;
    TagShoulder(cut_.outline, cut_.sides);
    EnterDeleteMode();
    emu::FailCall("ZedSgmDeleteSegment", 1);
    emu::FailCall("ZedFigSetClosed", 1);

    ASSERT_TRUE(emu::PickElement(cut_.sides.inner));

    EXPECT_EQ(TextsOn(emu::Channel::Error), (std::vector<std::string>{"결합할 수 없습니다(2).", kNotDeleted}));
    EXPECT_TRUE(emu::SegmentExists(hole));
    EXPECT_TRUE(emu::HasAttribute(cut_.outline, kAttrHoleSegment));
    EXPECT_FALSE(emu::SegmentExists(cutLine));
    EXPECT_FALSE(emu::HasAttribute(cut_.outline, kAttrCutLineSegment));
}

TEST_F(DeleteModeTest, AListThatNamesNoShoulderIsRefusedBeforeAnythingChanges) {
    // Only a run of three lines standing on a straight root as three sides of
    // a rectangle, as every builder makes its shoulder, is taken back.
    MakeRectangleWithShoulder();
    const ZedId hole = MakeHole(10, 3);
    const ZedId cutLine = emu::AddOutline(kLayer, {emu::Line(8, 0, 12, 0)}, false);
    const ZedId other = emu::AddOutline(kLayer, {emu::Line(30, 0, 40, 0), emu::Line(40, 0, 40, 5)}, false);
    Shoulder().holeSegment = hole;
    Shoulder().cutLineSegment = cutLine;
    TagShoulder(cut_.outline, cut_.sides);
    EnterDeleteMode();

    // Each list names the first side, which is picked.
    const auto text = [](ZedId id) { return std::to_string(id); };
    const std::string first = text(cut_.sides.first);
    const std::string inner = text(cut_.sides.inner);
    const std::string second = text(cut_.sides.second);
    for (const std::string& list :
         {first + "," + second,                                        // not one run
          first + "," + text(emu::Chain(other)[0]),                    // an element elsewhere
          first + "," + first,                                         // the same element twice
          first, first + "," + inner,                                  // one or two sides
          text(cut_.tail) + "," + first + "," + inner,                 // three lines, no rectangle
          first + "," + inner + "," + second + "," + text(cut_.head),  // four elements
          text(cut_.tail) + "," + first + "," + inner + "," + second + "," + text(cut_.head) + ",999"}) {
        SetText(cut_.outline, kAttrElementList, list);
        const std::string before = emu::Dump();
        emu::ClearMessages();

        ASSERT_TRUE(emu::PickElement(cut_.sides.first)) << list;

        EXPECT_EQ(emu::Dump(), before) << list;
        EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{kNotDeleted}) << list;
        EXPECT_TRUE(emu::CommandActive());
    }
}

TEST_F(DeleteModeTest, SidesOutOfSquareByMoreThanTheHostsToleranceAreNoShoulder) {
    // The step's inner side runs on past its second side's foot by 0.5e-6
    // (one point for the host) or by 1.5e-6 (two).
    for (const double past : {0.5e-6, 1.5e-6}) {
        emu::Reset();
        SetUp();
        const Laid laid = LayOut({emu::Line(20, 0, 20, 10), emu::Line(20, 10, 0, 10), emu::Line(0, 10, 0, 0),
                                  emu::Line(0, 0, 8, 0), emu::Line(8, 0, 8, -3), emu::Line(8, -3, 12 + past, -3),
                                  emu::Line(12 + past, -3, 12, 0), emu::Line(12, 0, 20, 0)},
                                 true);
        ASSERT_EQ(laid.ids.size(), 8u);
        TagShoulder(laid.segment, Sides{laid.ids[4], laid.ids[5], laid.ids[6]});
        EnterDeleteMode();

        ASSERT_TRUE(emu::PickElement(laid.ids[5]));

        const bool square = past < 1e-6;
        EXPECT_EQ(TextsOn(emu::Channel::Error), square ? std::vector<std::string>{}
                                                       : std::vector<std::string>{kNotDeleted})
            << past;
        EXPECT_EQ(emu::Chain(laid.segment).size(), square ? 4u : 8u) << past;
    }
}

TEST_F(DeleteModeTest, AShoulderWhoseRootWouldTouchTheOutlineIsRefusedBeforeAnythingChanges) {
    // A mark from elsewhere on a tab 10..30 standing on y = 20; from below, a
    // notch reaches up to y = 20 between x 15 and 25. The edge the tab's root
    // would bring back runs along the notch's top: the outline would overlap
    // itself.
    const Laid laid = LayOut({emu::Line(40, 20, 30, 20), emu::Line(30, 20, 30, 30), emu::Line(30, 30, 10, 30),
                              emu::Line(10, 30, 10, 20), emu::Line(10, 20, 0, 20), emu::Line(0, 20, 0, 0),
                              emu::Line(0, 0, 15, 0), emu::Line(15, 0, 15, 20), emu::Line(15, 20, 25, 20),
                              emu::Line(25, 20, 25, 0), emu::Line(25, 0, 40, 0), emu::Line(40, 0, 40, 20)},
                             true);
    ASSERT_EQ(laid.ids.size(), 12u);
    const ZedId cutLine = emu::AddOutline(kLayer, {emu::Line(30, 20, 10, 20)}, false);
    Shoulder().cutLineSegment = cutLine;
    TagShoulder(laid.segment, Sides{laid.ids[1], laid.ids[2], laid.ids[3]});
    EnterDeleteMode();
    const std::string before = emu::Dump();

    ASSERT_TRUE(emu::PickElement(laid.ids[2]));

    EXPECT_EQ(emu::Dump(), before);
    EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{kOverlaps});
}

TEST_F(DeleteModeTest, APickTheElementListDoesNotNameChangesNothingAndSaysSo) {
    // The tag covers the whole outline, but only the listed elements are the
    // shoulder's: elsewhere the outline may carry another shoulder whose list
    // was overwritten, and neither it nor the parts may go.
    MakeRectangleWithShoulder();
    const ZedId hole = MakeHole(10, 3);
    Shoulder().holeSegment = hole;
    TagShoulder(cut_.outline, cut_.sides);
    EnterDeleteMode();
    const std::string before = emu::Dump();

    // The list as tagged, a list of the inner side alone, and no list at all.
    const std::vector<std::pair<std::string, std::vector<ZedId>>> rows = {
        {"", {cut_.head, cut_.tail}},
        {std::to_string(cut_.sides.inner), {cut_.head, cut_.sides.first, cut_.sides.second}},
        {"x", {cut_.tail, cut_.sides.inner}}};
    for (const auto& [list, picks] : rows) {
        if (!list.empty()) {
            SetText(cut_.outline, kAttrElementList, list);
        }
        const std::string tagged = emu::Dump();
        for (const ZedId picked : picks) {
            emu::ClearMessages();
            ASSERT_TRUE(emu::PickElement(picked)) << list;
            EXPECT_EQ(emu::Dump(), tagged) << list << ", pick " << picked;
            EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{kPickShoulderElement}) << list;
            EXPECT_TRUE(emu::CommandActive());
        }
    }
    EXPECT_NE(emu::Dump(), before);  // only the list was changed

    SetText(cut_.outline, kAttrElementList,
            std::to_string(cut_.sides.second) + "," + std::to_string(cut_.sides.inner) + "," +
                std::to_string(cut_.sides.first));
    ASSERT_TRUE(emu::PickElement(cut_.sides.inner));
    EXPECT_FALSE(emu::SegmentExists(hole)) << emu::Dump();
    EXPECT_FALSE(AnyExists(cut_.sides));
}

TEST_F(DeleteModeTest, AShoulderAtEitherEndOfAnOpenOutlineIsSimplyDeleted) {
    // A plate edge from (0, 0) to (10, 5) with a three-line step after it or
    // before it; nothing lies beyond the step.
    const std::vector<ZedFigure> stepAfter = {emu::Line(0, 0, 10, 0), emu::Line(10, 0, 10, 5),
                                              emu::Line(10, 5, 12, 5), emu::Line(12, 5, 12, 8),
                                              emu::Line(12, 8, 10, 8)};
    const std::vector<ZedFigure> stepBefore = {emu::Line(0, -3, -2, -3), emu::Line(-2, -3, -2, 0),
                                               emu::Line(-2, 0, 0, 0), emu::Line(0, 0, 10, 0),
                                               emu::Line(10, 0, 10, 5)};
    for (const bool after : {true, false}) {
        emu::Reset();
        SetUp();
        const Laid laid = LayOut(after ? stepAfter : stepBefore, false);
        ASSERT_EQ(laid.ids.size(), 5u);
        const Sides sides = after ? Sides{laid.ids[2], laid.ids[3], laid.ids[4]}
                                  : Sides{laid.ids[0], laid.ids[1], laid.ids[2]};
        const std::vector<ZedId> kept = after ? std::vector<ZedId>{laid.ids[0], laid.ids[1]}
                                              : std::vector<ZedId>{laid.ids[3], laid.ids[4]};
        TagShoulder(laid.segment, sides);
        EnterDeleteMode();

        ASSERT_TRUE(emu::PickElement(sides.inner));

        EXPECT_FALSE(AnyExists(sides)) << after;
        ASSERT_TRUE(emu::ElementExists(kept[0])) << after;
        const ZedId left = ZedElmGetSegment(kept[0]);
        EXPECT_EQ(emu::Chain(left), kept) << after;
        EXPECT_FALSE(emu::SegmentClosed(left)) << after;
        EXPECT_POINT_NEAR(StartOf(emu::FigureOf(kept[0])), 0, 0);
        EXPECT_POINT_NEAR(EndOf(emu::FigureOf(kept[1])), 10, 5);
        EXPECT_EQ(emu::SegmentIds().size(), 1u) << after;
        EXPECT_EQ(emu::CheckAllIntegrity(), "") << after;
        EXPECT_TRUE(TextsOn(emu::Channel::Error).empty()) << after;
        EXPECT_FALSE(emu::HasAttribute(left, kAttrShoulderType)) << after;
    }
}

TEST_F(DeleteModeTest, AnOutlineOfTheShoulderAndOneElementIsRefusedBeforeAnythingChanges) {
    // Plan pattern A over the whole straight edge of a plate that is that
    // edge and a half circle over it: the outline becomes the shoulder and the
    // arc, which is the element before the shoulder and the one after it.
    // There is nothing to join the arc to, and the shoulder, its hole and its
    // cut line stay.
    emu::AddLayer(3, "Holes");
    Store("PA_WidthValueDistance", "0");
    Store("PA_IsLineDraw", "1");
    const Laid laid = LayOut({emu::Line(0, 0, 8, 0), emu::Arc(4, 0, 8, 0, 0, 0, ZED_ARC_CCW)}, true);
    StartCommand();
    ASSERT_TRUE(emu::Type("PlaneA"));
    ASSERT_TRUE(emu::PickElement(laid.ids[0]));
    emu::EndCommand();
    const ShoulderMemory built = Shoulder();
    ASSERT_EQ(emu::Chain(laid.segment).size(), 4u) << emu::Dump();
    ASSERT_TRUE(emu::SegmentExists(built.holeSegment));
    ASSERT_TRUE(emu::SegmentExists(built.cutLineSegment));
    ASSERT_TRUE(TextsOn(emu::Channel::Error).empty());

    ASSERT_TRUE(emu::StartCommand());
    ASSERT_TRUE(emu::Type("Delete"));
    const std::string before = emu::Dump();
    emu::ClearMessages();
    ASSERT_TRUE(emu::PickElement(built.innerSide.ref.id));

    EXPECT_EQ(emu::Dump(), before);
    EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{kNotDeleted});
}

TEST_F(DeleteModeTest, AnEdgeThatStartsAnOpenOutlineIsTakenOverByTheRestOfIt) {
    // b is the first element of the open outline: once the step is gone b is
    // alone in its part, and deleting it takes that part with it. The rest of
    // the edge then runs from b's start and there is nothing left to join.
    const Laid laid = LayOut({emu::Line(0, 0, 8, 0), emu::Line(8, 0, 8, -3), emu::Line(8, -3, 12, -3),
                              emu::Line(12, -3, 12, 0), emu::Line(12, 0, 20, 0), emu::Line(20, 0, 20, 10)},
                             false);
    ASSERT_EQ(laid.ids.size(), 6u);
    const Sides sides{laid.ids[1], laid.ids[2], laid.ids[3]};
    TagShoulder(laid.segment, sides);
    EnterDeleteMode();

    ASSERT_TRUE(emu::PickElement(sides.inner));

    EXPECT_TRUE(TextsOn(emu::Channel::Error).empty());
    EXPECT_FALSE(emu::ElementExists(laid.ids[0]));
    const ZedId edge = laid.ids[4];
    ASSERT_TRUE(emu::ElementExists(edge));
    EXPECT_EQ(emu::Chain(ZedElmGetSegment(edge)), (std::vector<ZedId>{edge, laid.ids[5]}));
    EXPECT_POINT_NEAR(StartOf(emu::FigureOf(edge)), 0, 0);
    EXPECT_EQ(emu::SegmentIds().size(), 1u);
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
}

TEST_F(DeleteModeTest, AShoulderInsideAnOpenOutlineJoinsItsTwoPartsAgain) {
    // The rectangle's chain laid out open: the outline runs from (20, 0)
    // round to (20, 0) without being closed.
    const Laid laid = LayOut({emu::Line(20, 0, 20, 10), emu::Line(20, 10, 0, 10), emu::Line(0, 10, 0, 0),
                              emu::Line(0, 0, 8, 0), emu::Line(8, 0, 8, -3), emu::Line(8, -3, 12, -3),
                              emu::Line(12, -3, 12, 0), emu::Line(12, 0, 20, 0)},
                             false);
    ASSERT_EQ(laid.ids.size(), 8u);
    const Sides sides{laid.ids[4], laid.ids[5], laid.ids[6]};
    TagShoulder(laid.segment, sides);
    EnterDeleteMode();

    ASSERT_TRUE(emu::PickElement(sides.inner));

    const ZedId edge = laid.ids[7];
    ASSERT_TRUE(emu::ElementExists(edge));
    EXPECT_EQ(ZedElmGetSegment(edge), laid.segment);
    EXPECT_EQ(emu::Chain(laid.segment), (std::vector<ZedId>{laid.ids[0], laid.ids[1], laid.ids[2], edge}));
    EXPECT_POINT_NEAR(StartOf(emu::FigureOf(edge)), 0, 0);
    EXPECT_POINT_NEAR(EndOf(emu::FigureOf(edge)), 20, 0);
    EXPECT_FALSE(emu::SegmentClosed(laid.segment));
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
    EXPECT_EQ(emu::SegmentIds().size(), 1u);
    EXPECT_TRUE(TextsOn(emu::Channel::Error).empty());
}

TEST_F(DeleteModeTest, PicksOnAnUntaggedOutlineOrOnNothingChangeNothing) {
    MakeRectangleWithShoulder();
    TagShoulder(cut_.outline, cut_.sides);
    const ZedId plain = emu::AddOutline(kLayer,
                                        {emu::Line(40, 0, 50, 0), emu::Line(50, 0, 50, 10),
                                         emu::Line(50, 10, 40, 10), emu::Line(40, 10, 40, 0)},
                                        true);
    EnterDeleteMode();
    const std::string before = emu::Dump();

    ASSERT_TRUE(emu::PickElement(emu::Chain(plain)[0]));
    ASSERT_TRUE(emu::PickAt(100, 100));

    EXPECT_EQ(emu::Dump(), before);
    EXPECT_TRUE(emu::Messages().empty());
    EXPECT_TRUE(emu::CommandActive());

    // The marked shoulder is still offered.
    ASSERT_TRUE(emu::PickElement(cut_.sides.inner));
    EXPECT_FALSE(AnyExists(cut_.sides));
    EXPECT_EQ(emu::Chain(plain).size(), 4u);
}

TEST_F(DeleteModeTest, TypedKeywordsGoToTheDispatcher) {
    // Delete mode waits for a screened pick (bit 11); the host hands typed
    // text to the execute function only while bit 24 is set as well, and
    // without it a keyword typed here would never reach the dispatcher.
    EnterDeleteMode();
    ASSERT_TRUE(emu::Type("delete"));
    EXPECT_TRUE(emu::CommandActive());
    EXPECT_EQ(TextsOn(emu::Channel::Prompt), std::vector<std::string>{kDeletePrompt});

    ASSERT_TRUE(emu::Type("PlaneA"));
    EXPECT_EQ(emu::CurrentPrompt(), "<평면도-타입A>턱걸이를 작성할 라인선택 :");
    EXPECT_EQ(emu::EventMask(), static_cast<uint32_t>(ZED_MASK_KEYIN | ZED_MASK_ELEMENT_PICK));
    EXPECT_EQ(Stored("PA_WidthValue"), "10.0");

    emu::Reset();
    SetUp();
    EnterDeleteMode();
    ASSERT_TRUE(emu::Type("abc"));
    EXPECT_FALSE(emu::CommandActive());
    EXPECT_TRUE(emu::ProtocolErrors().empty());
}

TEST_F(DeleteModeTest, ALayerNumberKeepsDeleteModeWaiting) {
    emu::AddLayer(30);
    EnterDeleteMode();
    ASSERT_TRUE(emu::Type("30"));
    EXPECT_TRUE(emu::CommandActive());
    EXPECT_EQ(ZedLyrGetDetection(kLayer), 0);
    EXPECT_EQ(ZedLyrGetDetection(30), 1);
    EXPECT_EQ(emu::EventMask(), static_cast<uint32_t>(ZED_MASK_COMPARE_PICK | ZED_MASK_KEYIN));
}

TEST_F(DeleteModeTest, EndingTheCommandEndsDeleteMode) {
    EnterDeleteMode();
    emu::EndCommand();
    EXPECT_FALSE(emu::CommandActive());
    EXPECT_TRUE(emu::ProtocolErrors().empty());
}

}  // namespace
