// RebuildPlaneA on a shoulder built in the middle of a rectangle's bottom
// edge (the edge runs from (0, 0) to (100, 0), the shoulder from x = 40 to 60
// and 5 deep): a new depth; a narrower width, moved in place; a width of the
// whole edge or more, which replaces the edge's pieces; a narrower width on a
// shoulder over the whole edge, which gives them back, and the refusal of a
// width that does not fit. After each the outline is one closed sound chain
// and the dimensions, cut line and hole follow the shoulder.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "tagging/shoulder_tag.h"
#include "tests/planea/planea_fixture.h"
#include "tests/support/shaped_hole_access.h"

namespace {

using plate::Near;
using plate::Pt;

class PlaneARebuildTest : public PlaneATest {
protected:
    void SetUp() override {
        PlaneATest::SetUp();
        outline_ = AddPlate(plate::Rectangle(), false);
        ASSERT_TRUE(BuildOn(outline_, Pt(0, 0), Pt(100, 0)));
        emu::ClearMessages();
    }

    // The outline runs through the corners as a sound closed chain, the
    // dimensions measure them and the cut line spans the base.
    void ExpectShoulder(ZedPoint p1, ZedPoint q1, ZedPoint q2, ZedPoint p2) {
        EXPECT_TRUE(emu::SegmentClosed(outline_));
        EXPECT_EQ(emu::CheckAllIntegrity(), "");
        EXPECT_GT(plate::LineFromTo(outline_, p1, q1), 0);
        EXPECT_GT(plate::LineFromTo(outline_, q1, q2), 0);
        EXPECT_GT(plate::LineFromTo(outline_, q2, p2), 0);
        const ZedLengthDim depth = Dimension(kSlotFirstDimension);
        EXPECT_TRUE(Near(depth.first, p1) && Near(depth.second, q1));
        const ZedLengthDim width = Dimension(kSlotSecondDimension);
        EXPECT_TRUE(Near(width.first, q1) && Near(width.second, q2));
        EXPECT_DOUBLE_EQ(width.offset, -10.0);
        const ZedFigure cut = emu::FigureOf(Shoulder().cutLine.id);
        EXPECT_TRUE(Near(plate::StartOf(cut), p1) && Near(plate::EndOf(cut), p2));
        // The dimensions name the shoulder's current elements.
        const ShoulderMemory& m = Shoulder();
        EXPECT_EQ(depth.firstElement, m.tail.ref.id);
        EXPECT_EQ(depth.secondElement, m.innerSide.ref.id);
        EXPECT_EQ(width.firstElement, m.firstSide.ref.id);
        EXPECT_EQ(width.secondElement, m.secondSide.ref.id);
        if constexpr (build_profile::kTagging) {
            EXPECT_EQ(emu::AttributeText(outline_, kAttrElementList),
                      std::to_string(m.firstSide.ref.id) + "," + std::to_string(m.innerSide.ref.id) + "," +
                          std::to_string(m.secondSide.ref.id));
        }
        EXPECT_TRUE(Errors().empty());
    }

    ZedId outline_ = -1;
};

TEST_F(PlaneARebuildTest, ADepthMovesTheFarCornersAndTheHoleGrows) {
    const std::vector<ZedId> before = emu::Chain(outline_);
    ASSERT_TRUE(Rebuild(kEditFirst, 8.0));
    ExpectShoulder(Pt(40, 0), Pt(40, -8), Pt(60, -8), Pt(60, 0));
    EXPECT_EQ(emu::Chain(outline_), before);
    // |C Q1'| = √164 ≈ 12.81, so the radius is 14.
    EXPECT_DOUBLE_EQ(CurrentHoleShape().diameter, 28.0);
    EXPECT_TRUE(Near(plate::EndOf(Shoulder().firstSide.record), Pt(40, -8)));
}

TEST_F(PlaneARebuildTest, ANarrowerWidthMovesTheFiveElementsInPlace) {
    const std::vector<ZedId> before = emu::Chain(outline_);
    ASSERT_TRUE(Rebuild(kEditSecond, 10.0));
    ExpectShoulder(Pt(45, 0), Pt(45, -5), Pt(55, -5), Pt(55, 0));
    EXPECT_EQ(emu::Chain(outline_), before);
    EXPECT_GT(plate::LineFromTo(outline_, Pt(0, 0), Pt(45, 0)), 0);
    EXPECT_GT(plate::LineFromTo(outline_, Pt(55, 0), Pt(100, 0)), 0);
    // |C Q1'| = √50 ≈ 7.07, so the radius is 8.
    EXPECT_DOUBLE_EQ(CurrentHoleShape().diameter, 16.0);
}

TEST_F(PlaneARebuildTest, AWidthOfTheWholeLineOrMoreTakesTheWholeLine) {
    for (double width : {100.0, 150.0}) {
        SetUp();
        ASSERT_TRUE(Rebuild(kEditSecond, width)) << width;
        ExpectShoulder(Pt(0, 0), Pt(0, -5), Pt(100, -5), Pt(100, 0));
        EXPECT_EQ(emu::Chain(outline_).size(), 6u);
        EXPECT_EQ(Shoulder().tail.ref.id, 0);
        EXPECT_EQ(Shoulder().head.ref.id, 0);
        // |C Q1'| = √2525 ≈ 50.25, so the radius is 51.
        EXPECT_DOUBLE_EQ(CurrentHoleShape().diameter, 102.0);
        TearDown();
    }
}

TEST_F(PlaneARebuildTest, AShoulderOverTheWholeLineNarrowsAndGetsItsPiecesBack) {
    ASSERT_TRUE(Rebuild(kEditSecond, 100.0));
    ASSERT_TRUE(Rebuild(kEditSecond, 30.0));
    ExpectShoulder(Pt(35, 0), Pt(35, -5), Pt(65, -5), Pt(65, 0));
    EXPECT_EQ(emu::Chain(outline_).size(), 8u);
    const ShoulderMemory& m = Shoulder();
    EXPECT_EQ(m.tail.ref.id, plate::LineFromTo(outline_, Pt(0, 0), Pt(35, 0)));
    EXPECT_EQ(m.head.ref.id, plate::LineFromTo(outline_, Pt(65, 0), Pt(100, 0)));
    EXPECT_GT(m.tail.ref.id, 0);
    EXPECT_GT(m.head.ref.id, 0);
    // And it moves in place again from there.
    ASSERT_TRUE(Rebuild(kEditSecond, 12.0));
    ExpectShoulder(Pt(44, 0), Pt(44, -5), Pt(56, -5), Pt(56, 0));
}

TEST_F(PlaneARebuildTest, AShoulderOverTheWholeLineRefusesAWidthThatDoesNotFit) {
    ASSERT_TRUE(Rebuild(kEditSecond, 100.0));
    emu::ClearMessages();
    const std::string before = emu::Dump();
    emu::ResetCallLog();
    EXPECT_FALSE(Rebuild(kEditSecond, 100.0));
    EXPECT_EQ(Errors(), std::vector<std::string>{"수정거리가 너무 큽니다."});
    EXPECT_TRUE(emu::Journal().empty());
    EXPECT_EQ(emu::Dump(), before);
}

TEST_F(PlaneARebuildTest, DepthAndWidthChangesFollowEachOther) {
    ASSERT_TRUE(Rebuild(kEditSecond, 100.0));
    ASSERT_TRUE(Rebuild(kEditFirst, 3.0));
    ExpectShoulder(Pt(0, 0), Pt(0, -3), Pt(100, -3), Pt(100, 0));
    ASSERT_TRUE(Rebuild(kEditSecond, 50.0));
    ExpectShoulder(Pt(25, 0), Pt(25, -3), Pt(75, -3), Pt(75, 0));
    ASSERT_TRUE(Rebuild(kEditFirst, 6.0));
    ExpectShoulder(Pt(25, 0), Pt(25, -6), Pt(75, -6), Pt(75, 0));
}

// Typed values that would break the outline are refused before any change:
// not finite, no width, a negative width (the line's pieces would overlap),
// no depth, or a depth back into the plate as far as its far edge. A negative
// depth that cuts the shoulder into the plate as a notch is kept.
struct ValueCase {
    const char* name;
    int editMode;
    double value;
    const char* error;  // nullptr: taken
};

class PlaneAValueTest : public PlaneARebuildTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(PlaneAValueTest, AValueThatBreaksTheOutlineChangesNothing) {
    const ValueCase& c = GetParam();
    const std::string before = emu::Dump();
    emu::ResetCallLog();
    EXPECT_EQ(Rebuild(c.editMode, c.value), c.error == nullptr);
    if (c.error != nullptr) {
        EXPECT_EQ(Errors(), std::vector<std::string>{c.error});
        EXPECT_TRUE(emu::Journal().empty());
        EXPECT_EQ(emu::Dump(), before);
    } else {
        ExpectShoulder(Pt(40, 0), Pt(40, 5), Pt(60, 5), Pt(60, 0));
    }
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr const char* kTooLarge = "수정거리가 너무 큽니다.";
constexpr const char* kOverlapsOnChange = "형상이 겹쳐서 수정할 수 없습니다.";

INSTANTIATE_TEST_SUITE_P(
    Values, PlaneAValueTest,
    ::testing::Values(ValueCase{"InfiniteWidth", kEditSecond, kInfinity, kTooLarge},
                      ValueCase{"NoWidth", kEditSecond, 0.0, kOverlapsOnChange},
                      ValueCase{"NegativeWidth", kEditSecond, -20.0, kOverlapsOnChange},
                      ValueCase{"InfiniteDepth", kEditFirst, -kInfinity, kTooLarge},
                      ValueCase{"NoDepth", kEditFirst, 0.0, kOverlapsOnChange},
                      ValueCase{"DepthUpToTheFarEdge", kEditFirst, -50.0, kOverlapsOnChange},
                      ValueCase{"NegativeDepthCutsANotch", kEditFirst, -5.0, nullptr}),
    [](const ::testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

// Plan pattern A through the command at the settings' defaults, as the
// dispatcher loads them from an empty store (width 3, depth 1, an MC hole
// with clearance 0.5, no cut line): the shoulder in the middle of the line,
// the hole at its middle. Then the value entry: a value that cannot be taken
// is reported and the entry stays for the next; one that can goes back to the
// dimension pick.
TEST_F(PlaneATest, AtTheDefaultsThroughTheCommand) {
    const ZedId outline = AddPlate(plate::Rectangle(), false);
    ASSERT_TRUE(emu::StartCommand());
    ASSERT_TRUE(emu::Type("PlaneA"));
    ASSERT_TRUE(emu::PickElement(plate::LineBetween(outline, Pt(0, 0), Pt(100, 0))));
    ASSERT_TRUE(Errors().empty());
    EXPECT_GT(plate::LineFromTo(outline, Pt(48.5, 0), Pt(48.5, -1)), 0);
    EXPECT_GT(plate::LineFromTo(outline, Pt(48.5, -1), Pt(51.5, -1)), 0);
    EXPECT_EQ(Shoulder().cutLineSegment, -1);
    // |MQ1| = √3.25 ≈ 1.80, so the radius is nearest(2.80) = 3.
    EXPECT_DOUBLE_EQ(CurrentHoleShape().diameter, 6.0);
    EXPECT_TRUE(Near(CurrentHoleCentre(), Pt(50, 0)));

    ASSERT_TRUE(emu::PickElement(TemporaryElements()[kSlotSecondDimension].id));
    const std::string shoulder = emu::Dump();
    for (const std::string& typed : {"1" + std::string(400, '0'), std::string("-20"), std::string("")}) {
        emu::ClearMessages();
        ASSERT_TRUE(emu::Type(typed));
        EXPECT_EQ(Errors().size(), 1u) << typed.size();
        EXPECT_EQ(emu::CurrentPrompt(), "") << "no new prompt: the entry waits for the next value";
        EXPECT_EQ(emu::Dump(), shoulder);
    }
    EXPECT_EQ(Errors(), std::vector<std::string>{kOverlapsOnChange});
    ASSERT_TRUE(emu::Type("10"));
    EXPECT_EQ(emu::CurrentPrompt(), "수치변경하실 치수지시 :");
    EXPECT_GT(plate::LineFromTo(outline, Pt(45, -1), Pt(55, -1)), 0);
    emu::EndCommand();
}

TEST_F(PlaneARebuildTest, AnyOtherEditModeChangesNothing) {
    const std::string before = emu::Dump();
    for (int mode : {kEditNone, kEditThird, kEditSideNote, kEditDepthNote}) {
        EXPECT_FALSE(Rebuild(mode, 8.0)) << mode;
    }
    EXPECT_EQ(emu::Dump(), before);
    EXPECT_TRUE(emu::Messages().empty());
}

TEST_F(PlaneATest, AShoulderBuiltOverAShortLineNarrowsToOneWithPieces) {
    ShoulderSettings.PA_WidthValueDistance = 0.0;
    const ZedId outline = AddPlate({Pt(0, 0), Pt(8, 0), Pt(8, 50), Pt(0, 50)}, true);
    ASSERT_TRUE(BuildOn(outline, Pt(8, 0), Pt(0, 0)));
    ASSERT_EQ(emu::Chain(outline).size(), 6u);
    EXPECT_FALSE(Rebuild(kEditSecond, 8.0));
    EXPECT_EQ(Errors(), std::vector<std::string>{"수정거리가 너무 큽니다."});
    ASSERT_TRUE(Rebuild(kEditSecond, 4.0));
    EXPECT_EQ(emu::Chain(outline).size(), 8u);
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
    EXPECT_TRUE(emu::SegmentClosed(outline));
    EXPECT_GT(plate::LineFromTo(outline, Pt(8, 0), Pt(6, 0)), 0);
    EXPECT_GT(plate::LineFromTo(outline, Pt(6, 0), Pt(6, -5)), 0);
    EXPECT_GT(plate::LineFromTo(outline, Pt(2, -5), Pt(2, 0)), 0);
    EXPECT_GT(plate::LineFromTo(outline, Pt(2, 0), Pt(0, 0)), 0);
}

TEST_F(PlaneATest, AShapedHoleIsMadeAgainOverTheNewBase) {
    SKIP_WITHOUT_SHAPED_HOLES();
    ShoulderSettings.PA_Hole = 1;
    const ZedId outline = AddPlate(plate::Rectangle(), false);
    ASSERT_TRUE(BuildOn(outline, Pt(0, 0), Pt(100, 0)));
    const ShapedHoleMemory& built = TestShapedHoleMemory();
    EXPECT_TRUE(Near(built.centreB, Pt(40, 0)) && Near(built.centreA, Pt(60, 0)));
    EXPECT_DOUBLE_EQ(built.halfWidth, 5.5);
    EXPECT_EQ(emu::HoleIds().size(), 1u);

    ASSERT_TRUE(Rebuild(kEditSecond, 10.0));
    const ShapedHoleMemory& widened = TestShapedHoleMemory();
    EXPECT_TRUE(Near(widened.centreB, Pt(45, 0)) && Near(widened.centreA, Pt(55, 0)));
    EXPECT_DOUBLE_EQ(widened.halfWidth, 5.5);
    ASSERT_TRUE(Rebuild(kEditFirst, 7.0));
    EXPECT_DOUBLE_EQ(TestShapedHoleMemory().halfWidth, 7.5);
    // One hole, and one hole outline beside the plate's.
    EXPECT_EQ(emu::HoleIds().size(), 1u);
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
    EXPECT_TRUE(Errors().empty());
}

}  // namespace
