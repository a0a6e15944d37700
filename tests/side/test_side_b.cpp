// Side pattern B's display part, root line and cut line: where the display
// part stands and how long it is, its third dimension, how a typed display
// length stays for the later length changes of the same step, and what
// Delete leaves of the root and cut lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/temporary_elements.h"
#include "geometry/figure_record.h"
#include "tests/side/side_fixture.h"
#include "tests/support/build_profile_test.h"
#include "tests/support/expected_drawing.h"

namespace {

using plate::Pt;

ZedLineType2 StyleOf(ZedId element) {
    const ZedFigRef ref{0, element};
    ZedLineType2 style{};
    EXPECT_NE(ZedFigGetLineType2(&ref, &style), -1);
    return style;
}

struct DisplayCase {
    const char* name;
    bool clockwise;
    bool storedReversed;
    bool nearStart;  // pick near (0, 0), else near (100, 0)
};

class SideBDisplayTest : public SideTest, public ::testing::WithParamInterface<DisplayCase> {
protected:
    static ZedFigure DisplayLine() { return emu::FigureOf(Shoulder().display.ref.id); }

    // The display part expected for a step whose inner end is k, with the
    // rest of the line towards w: 0.3 against the step's offset direction,
    // 1.5 (or the given length) along w.
    static void ExpectDisplay(ZedPoint k, ZedPoint w, ZedPoint out, double length, const std::string& where) {
        const ZedFigure d = DisplayLine();
        const ZedPoint d1 = Pt(k.x - 0.3 * out.x, k.y - 0.3 * out.y);
        EXPECT_TRUE(plate::Near(plate::StartOf(d), d1)) << where;
        EXPECT_TRUE(plate::Near(plate::EndOf(d), Pt(d1.x + length * w.x, d1.y + length * w.y))) << where;
        const ZedLengthDim third = Dimension(kSlotThirdDimension);
        EXPECT_TRUE(plate::Near(third.first, plate::StartOf(d)) && plate::Near(third.second, plate::EndOf(d)))
            << where;
    }
};

// With the defaults the display part lies 0.3 off the line on the side away from the
// step, from level with the step's inner end 1.5 along the rest of the line;
// a typed display length sticks for a later length change, which moves the
// display part with the step's inner end.
TEST_P(SideBDisplayTest, TheDisplayPartFollowsTheInnerEndAndKeepsATypedLength) {
    const DisplayCase& c = GetParam();
    const ZedId outline = plate::AddPolygon(kPlateLayer, plate::Rectangle(), c.clockwise, c.storedReversed);
    const std::vector<ZedPoint> polygon = plate::Polygon(plate::Figures(outline));
    const ZedPoint a = c.nearStart ? Pt(0, 0) : Pt(100, 0);
    const ZedPoint b = c.nearStart ? Pt(100, 0) : Pt(0, 0);
    const ZedPoint w = c.nearStart ? Pt(1, 0) : Pt(-1, 0);
    ASSERT_TRUE(BuildSide(SideKind::B, outline, a, b, c.nearStart ? Pt(1, 0) : Pt(99, 0)));
    ExpectedStep step = StepAt(polygon, a, b);
    ExpectDisplay(step.q, w, step.out, 1.5, std::string(c.name) + " built");
    const ZedLineType2 style = StyleOf(Shoulder().display.ref.id);
    EXPECT_EQ(style.colour, 6);
    EXPECT_EQ(style.lineType, 1);
    EXPECT_EQ(emu::SegmentLayer(Shoulder().displaySegment), kPlateLayer);
    // The third dimension reads from the side the step's flip and end say.
    const ZedPoint s = c.clockwise ? Pt(100, 0) : Pt(0, 0);
    const bool atS = plate::Near(a, s);
    const bool flipped = !c.clockwise;  // the rectangle's inside is left of its bottom edge drawn counter-clockwise
    EXPECT_NEAR(Dimension(kSlotThirdDimension).offset, atS == flipped ? 10.0 : -10.0, 1e-12) << c.name;

    ASSERT_TRUE(ChangeSide(SideKind::B, kEditThird, 4.0));
    EXPECT_EQ(ShoulderSettings.SB_DisplayWidth, 4.0);
    ExpectDisplay(step.q, w, step.out, 4.0, std::string(c.name) + " display length");
    ASSERT_TRUE(ChangeSide(SideKind::B, kEditSecond, 25.0));
    step = StepAt(polygon, a, b, 25.0);
    EXPECT_TRUE(HoldsStep(outline, step)) << c.name;
    ExpectDisplay(step.q, w, step.out, 4.0, std::string(c.name) + " step length");
    // A new offset leaves the display part where it is.
    const ZedFigure display = DisplayLine();
    ASSERT_TRUE(ChangeSide(SideKind::B, kEditFirst, 2.0));
    EXPECT_TRUE(plate::SameClosedGeometry({DisplayLine()}, {display}, 0.0)) << c.name;
    EXPECT_TRUE(Errors().empty());
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
}

const DisplayCase kDisplayCases[] = {
    {"NearStart", false, false, true},
    {"NearEnd", false, false, false},
    {"ClockwiseNearStart", true, false, true},
    {"ClockwiseStoredReversedNearEnd", true, true, false},
};

INSTANTIATE_TEST_SUITE_P(Picks, SideBDisplayTest, ::testing::ValuesIn(kDisplayCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Delete takes the step, the display part and the cut line; with the
// line-draw setting the root line, the line's former course across the step's
// root in its own colour and line type, stays where the cut line lay on it.
// (Where each line stands after the build is pinned with the whole drawing in
// tests/drawings.)
TEST_F(SideTest, DeleteLeavesTheRootLineAndNothingElseOfTheStep) {
    if constexpr (!build_profile::kTagging) {
        GTEST_SKIP() << "the legacy build has no Delete mode";
    }
    for (const int lineDraw : {0, 1}) {
        SetUp();
        ShoulderSettings.SB_IsLineDraw = lineDraw;
        const ZedId outline = AddPlate(plate::Rectangle(), false);
        const std::vector<XElement> laidOut = ChainAsLaidOut(outline);
        ASSERT_TRUE(BuildSide(SideKind::B, outline, Pt(0, 0), Pt(100, 0), Pt(1, 0)));
        Delete();
        EXPECT_TRUE(Errors().empty());
        XDrawing left;
        left.segments = {XSegment{"outline", kPlateLayer, true, laidOut}};
        if (lineDraw != 0) {
            XElement root{"", ZED_FIG_LINE, Pt(0, 0), Pt(kHeight, 0)};
            root.colour = 7;
            root.lineType = 3;
            left.segments.push_back(XSegment{"root line", kPlateLayer, false, {root}});
        }
        SCOPED_TRACE(lineDraw);
        ExpectDrawing(left);
        TearDown();
    }
}

// A display length that is no positive number is refused, in the settings
// before anything is drawn and typed before anything changes.
TEST_F(SideTest, ADisplayLengthOfNoLengthIsRefused) {
    for (const double width : {0.0, -1.5}) {
        SetUp();
        ShoulderSettings.SB_DisplayWidth = width;
        const ZedId outline = AddPlate(plate::Rectangle(), false);
        const std::string drawing = emu::Dump();
        EXPECT_FALSE(BuildSide(SideKind::B, outline, Pt(0, 0), Pt(100, 0), Pt(1, 0)));
        EXPECT_EQ(Errors(), std::vector<std::string>{"턱걸이 치수가 올바르지 않습니다."});
        EXPECT_EQ(emu::Dump(), drawing);

        ShoulderSettings.SB_DisplayWidth = 1.5;
        ASSERT_TRUE(BuildSide(SideKind::B, outline, Pt(0, 0), Pt(100, 0), Pt(1, 0)));
        const std::string built = emu::Dump();
        emu::ClearMessages();
        EXPECT_FALSE(ChangeSide(SideKind::B, kEditThird, width));
        EXPECT_EQ(Errors(), std::vector<std::string>{"수정거리가 너무 큽니다."});
        EXPECT_EQ(emu::Dump(), built);
        EXPECT_EQ(ShoulderSettings.SB_DisplayWidth, 1.5);
        TearDown();
    }
}

}  // namespace
