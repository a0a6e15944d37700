// Typed values for the end step of side patterns A and B: a new offset moves
// the step's outer side, a new length moves its inner end along the line,
// with the dimensions and the cut line following; values that would leave a
// piece of no length or fold the step over its neighbour are refused with
// nothing changed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/temporary_elements.h"
#include "geometry/figure_record.h"
#include "tests/side/side_fixture.h"

namespace {

using plate::Pt;

struct ChangeCase {
    const char* name;
    bool clockwise;
    bool storedReversed;
    bool trapezoid;
    bool nearStart;  // pick near (0, 0), else near (100, 0)
    int editMode;
    double value;
    const char* refusal;  // null: accepted
};

class SideChangeTest : public SideTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(SideChangeTest, AValueMovesTheStepOrIsRefusedWithNothingChanged) {
    const ChangeCase& c = GetParam();
    for (const SideKind kind : {SideKind::A, SideKind::B}) {
        SetUp();
        const std::vector<ZedPoint> corners = c.trapezoid ? Trapezoid() : plate::Rectangle();
        const ZedId outline = plate::AddPolygon(kPlateLayer, corners, c.clockwise, c.storedReversed);
        const std::vector<ZedPoint> polygon = plate::Polygon(plate::Figures(outline));
        const ZedPoint a = c.nearStart ? Pt(0, 0) : Pt(100, 0);
        const ZedPoint b = c.nearStart ? Pt(100, 0) : Pt(0, 0);
        ASSERT_TRUE(BuildSide(kind, outline, a, b, c.nearStart ? Pt(2, 0) : Pt(98, 0)));
        const std::string drawing = emu::Dump();
        emu::ClearMessages();
        const bool done = ChangeSide(kind, c.editMode, c.value);
        const std::string where = std::string(c.name) + " " + SideKindName(kind);
        EXPECT_EQ(done, c.refusal == nullptr) << where;
        if (!done) {
            EXPECT_EQ(Errors(), std::vector<std::string>{c.refusal}) << where;
            EXPECT_EQ(emu::Dump(), drawing) << where;
            TearDown();
            continue;
        }
        EXPECT_TRUE(Errors().empty()) << where;
        const double height = c.editMode == kEditSecond ? c.value : kHeight;
        const double offset = c.editMode == kEditFirst ? c.value : kProtrusion;
        ExpectedStep step = StepAt(polygon, a, b, height, offset);
        EXPECT_TRUE(HoldsStep(outline, step)) << where;
        EXPECT_EQ(emu::CheckAllIntegrity(), "") << where;
        // The dimensions measure the new offset and length; the cut line runs
        // across the step's root.
        EXPECT_NEAR(plate::Dist(Dimension(kSlotFirstDimension).first, Dimension(kSlotFirstDimension).second),
                    std::abs(offset), 1e-9)
            << where;
        EXPECT_NEAR(plate::Dist(Dimension(kSlotSecondDimension).first, Dimension(kSlotSecondDimension).second), height,
                    1e-9)
            << where;
        const ZedFigure cut = emu::FigureOf(Shoulder().cutLine.id);
        EXPECT_TRUE(plate::Near(plate::StartOf(cut), step.f) || plate::Near(plate::EndOf(cut), step.f)) << where;
        EXPECT_TRUE(plate::Near(plate::StartOf(cut), step.q) || plate::Near(plate::EndOf(cut), step.q)) << where;
        TearDown();
    }
}

const ChangeCase kChanges[] = {
    {"DeeperAtStart", false, false, false, true, kEditFirst, 8.0, nullptr},
    {"ShallowerAtEndClockwise", true, false, false, false, kEditFirst, 2.5, nullptr},
    {"LongerAtStart", false, false, false, true, kEditSecond, 30.0, nullptr},
    {"ShorterAtEnd", false, false, false, false, kEditSecond, 4.0, nullptr},
    {"LongerAtStartStoredReversed", false, true, false, true, kEditSecond, 40.0, nullptr},
    {"LongerAtEndClockwiseStoredReversed", true, true, false, false, kEditSecond, 40.0, nullptr},
    // The remaining piece plus the step is all the line has: one less leaves
    // a piece one unit long.
    {"AllTheLine", false, false, false, true, kEditSecond, 100.0, "수정거리가 너무 큽니다."},
    {"AllTheLineClockwise", true, false, false, false, kEditSecond, 100.0, "수정거리가 너무 큽니다."},
    {"AllButOne", false, true, false, false, kEditSecond, 99.0, nullptr},
    {"NoLength", false, false, false, true, kEditSecond, 0.0, "수정거리가 너무 큽니다."},
    {"NegativeLength", true, false, false, true, kEditSecond, -5.0, "수정거리가 너무 큽니다."},
    // No offset folds the sides onto the line, as no depth does in the plan
    // patterns, and is refused with the same text.
    {"NoOffset", false, false, false, true, kEditFirst, 0.0, "형상이 겹쳐서 수정할 수 없습니다."},
    {"NoOffsetAtEndClockwise", true, false, false, false, kEditFirst, 0.0, "형상이 겹쳐서 수정할 수 없습니다."},
    // Into the plate: along the obtuse corner's neighbour it stays sound, at a
    // right angle it would lie on the neighbour.
    {"NegativeOffsetObtuseCorner", false, false, true, true, kEditFirst, -3.0, nullptr},
    {"NegativeOffsetObtuseCornerAtEnd", true, true, true, false, kEditFirst, -3.0, nullptr},
    {"NegativeOffsetRightAngle", false, false, false, true, kEditFirst, -3.0, "형상이 겹쳐서 수정할 수 없습니다."},
    {"NegativeOffsetRightAngleAtEnd", true, false, false, false, kEditFirst, -3.0, "형상이 겹쳐서 수정할 수 없습니다."},
    {"AcrossThePlate", false, false, true, true, kEditFirst, -60.0, "형상이 겹쳐서 수정할 수 없습니다."},
};

INSTANTIATE_TEST_SUITE_P(Values, SideChangeTest, ::testing::ValuesIn(kChanges),
                         [](const auto& info) { return std::string(info.param.name); });

// The length change tells the step's end by the piece of the line beside it,
// as the chain runs; when neither neighbour runs the inner side's way it
// gives up before any change.
TEST_F(SideTest, ALengthWithNoNeighbourAlongTheStepIsRefused) {
    const ZedId outline = AddPlate(plate::Rectangle(), false);
    ASSERT_TRUE(BuildSide(SideKind::A, outline, Pt(0, 0), Pt(100, 0), Pt(2, 0)));
    // A memory whose head no longer runs along the line (as after another
    // pattern's rebuild had turned it).
    ShoulderMemory& m = Shoulder();
    std::swap(m.head, m.tail);
    const std::string drawing = emu::Dump();
    emu::ClearMessages();
    EXPECT_FALSE(ChangeSide(SideKind::A, kEditSecond, 20.0));
    EXPECT_EQ(Errors(), std::vector<std::string>{"각도방향을 확인할 수 없습니다."});
    EXPECT_EQ(emu::Dump(), drawing);
}

// A step at E whose next edge carries the line on straight: the length
// change still moves the step's inner end along the picked line, not its
// outer end into that edge.
TEST_F(SideTest, ALengthChangeMovesTheInnerEndBesideAStraightNeighbour) {
    const std::vector<ZedPoint> corners{Pt(0, 0), Pt(50, 0), Pt(100, 0), Pt(100, 50), Pt(0, 50)};
    for (const SideKind kind : {SideKind::A, SideKind::B}) {
        SetUp();
        const ZedId outline = AddPlate(corners, false);
        const std::vector<ZedPoint> polygon = plate::Polygon(plate::Figures(outline));
        ASSERT_TRUE(BuildSide(kind, outline, Pt(50, 0), Pt(0, 0), Pt(48, 0)));
        ASSERT_TRUE(ChangeSide(kind, kEditSecond, 20.0));
        EXPECT_TRUE(HoldsStep(outline, StepAt(polygon, Pt(50, 0), Pt(0, 0), 20.0))) << SideKindName(kind);
        EXPECT_GT(plate::LineBetween(outline, Pt(50, 0), Pt(100, 0)), 0) << SideKindName(kind);
        TearDown();
    }
}

}  // namespace
