// The end step of side patterns A and B on plates drawn both ways round, with
// edges stored the other way round and a concave plate, picked near either
// end: the step stands out of the plate at the near end, the line keeps the
// rest, the two dimensions measure the offset and the length on the side the
// flip says, and Delete gives the drawing back.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "base/temporary_elements.h"
#include "geometry/figure_record.h"
#include "tests/side/side_fixture.h"
#include "tests/support/build_profile_test.h"
#include "tests/support/expected_drawing.h"

namespace {

using plate::Pt;

struct StepCase {
    const char* name;
    std::vector<ZedPoint> polygon;
    bool clockwise;
    bool storedReversed;
    ZedPoint a;  // the picked line's ends, a the one nearer the pick
    ZedPoint b;
    ZedPoint pick;
};

class SideStepPlateTest : public SideTest, public ::testing::WithParamInterface<std::tuple<SideKind, StepCase>> {};

TEST_P(SideStepPlateTest, TheStepStandsOutAtTheNearEndAndDeleteGivesTheLineBack) {
    const auto& [kind, c] = GetParam();
    const ZedId outline = plate::AddPolygon(kPlateLayer, c.polygon, c.clockwise, c.storedReversed);
    const std::vector<ZedFigure> before = plate::Figures(outline);
    const std::vector<ZedPoint> polygon = plate::Polygon(before);
    // The chain's own direction along the picked line decides the flip.
    ZedFigure line{};
    for (const ZedFigure& f : plate::ChainFigures(outline)) {
        if (f.kind == ZED_FIG_LINE && plate::SegmentDistance(c.pick, plate::StartOf(f), plate::EndOf(f)) < 1e-9) {
            line = f;
        }
    }
    const ZedPoint s = plate::StartOf(line), e = plate::EndOf(line);

    const std::vector<XElement> laidOut = ChainAsLaidOut(outline);

    ASSERT_TRUE(BuildSide(kind, outline, c.a, c.b, c.pick));
    EXPECT_TRUE(Errors().empty());
    const ExpectedStep step = StepAt(polygon, c.a, c.b);
    EXPECT_TRUE(HoldsStep(outline, step));
    EXPECT_EQ(emu::Chain(outline).size(), before.size() + 3);
    EXPECT_EQ(emu::CheckAllIntegrity(), "");

    // Left of S→E is out of the plate unless the step is flipped.
    const bool flipped = (e.x - s.x) * step.out.y - (e.y - s.y) * step.out.x < 0;
    const ZedLengthDim offset = Dimension(kSlotFirstDimension);
    const ZedLengthDim length = Dimension(kSlotSecondDimension);
    EXPECT_NEAR(offset.offset, flipped ? -10.0 : 10.0, 1e-12);
    EXPECT_NEAR(length.offset, offset.offset, 1e-12);
    EXPECT_NEAR(plate::Dist(offset.first, offset.second), kProtrusion, 1e-9);
    EXPECT_NEAR(plate::Dist(length.first, length.second), kHeight, 1e-9);
    // Both run in chain order: from F1, and from A1.
    const bool atS = plate::Near(c.a, s, 1e-9);
    EXPECT_TRUE(plate::Near(offset.first, atS ? step.f : step.q, 1e-9));
    EXPECT_TRUE(plate::Near(length.first, atS ? step.a1 : step.a2, 1e-9));

    END_HERE_WITHOUT_DELETE_MODE();
    Delete();
    EXPECT_TRUE(Errors().empty());
    // The outline as it was; side pattern B's root line stays where the step
    // stood, in the picked line's colour and line type, and nothing else.
    XDrawing left;
    left.segments = {XSegment{"outline", kPlateLayer, true, laidOut}};
    if (kind == SideKind::B) {
        XElement root{"", ZED_FIG_LINE, atS ? step.f : step.q, atS ? step.q : step.f};
        root.colour = 7;
        root.lineType = 3;
        left.segments.push_back(XSegment{"root line", kPlateLayer, false, {root}});
    }
    ExpectDrawing(left);
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
}

const StepCase kStepCases[] = {
    {"RectangleNearStart", plate::Rectangle(), false, false, Pt(0, 0), Pt(100, 0), Pt(3, 0)},
    {"RectangleNearEnd", plate::Rectangle(), false, false, Pt(100, 0), Pt(0, 0), Pt(96, 0)},
    {"ClockwiseNearStart", plate::Rectangle(), true, false, Pt(0, 0), Pt(100, 0), Pt(3, 0)},
    {"ClockwiseNearEnd", plate::Rectangle(), true, false, Pt(100, 0), Pt(0, 0), Pt(96, 0)},
    {"StoredReversedNearStart", plate::Rectangle(), false, true, Pt(0, 50), Pt(0, 0), Pt(0, 45)},
    {"StoredReversedClockwiseNearEnd", plate::Rectangle(), true, true, Pt(100, 0), Pt(100, 50), Pt(100, 1)},
    // The notch's wall of a concave plate, at the corner where the step
    // carries on from the top edge.
    {"ConcaveNearOuterCorner", plate::NotchedPlate(), false, false, Pt(70, 60), Pt(70, 30), Pt(70, 58)},
    {"ConcaveClockwiseStoredReversed", plate::NotchedPlate(), true, true, Pt(30, 60), Pt(30, 30), Pt(30, 55)},
    // A pick exactly in the middle takes E, the chain's end of the line.
    {"MiddleTakesE", plate::Rectangle(), false, false, Pt(100, 0), Pt(0, 0), Pt(50, 0)},
    {"MiddleTakesEClockwise", plate::Rectangle(), true, false, Pt(0, 0), Pt(100, 0), Pt(50, 0)},
};

INSTANTIATE_TEST_SUITE_P(Plates, SideStepPlateTest,
                         ::testing::Combine(::testing::Values(SideKind::A, SideKind::B), ::testing::ValuesIn(kStepCases)),
                         [](const auto& info) {
                             return std::string(SideKindName(std::get<0>(info.param))) + "_" +
                                    std::get<1>(info.param).name;
                         });

// What is refused before anything changes: a line no longer than the step, a
// step that would fold back over the neighbour at a concave corner, and sizes
// that are no positive numbers.
TEST_F(SideTest, StepsThatDoNotFitChangeNothing) {
    struct Row {
        const char* name;
        std::vector<ZedPoint> polygon;
        ZedPoint a, b, pick;
        double height, protrusion;
        const char* message;
    };
    const Row rows[] = {
        {"LineAsLongAsTheStep", {Pt(0, 0), Pt(10, 0), Pt(10, 50), Pt(0, 50)}, Pt(0, 0), Pt(10, 0), Pt(1, 0), 10.0, 5.0,
         "턱걸이 높이가 너무 큽니다."},
        {"LineShorterThanTheStep", {Pt(0, 0), Pt(8, 0), Pt(8, 50), Pt(0, 50)}, Pt(0, 0), Pt(8, 0), Pt(1, 0), 10.0, 5.0,
         "턱걸이 높이가 너무 큽니다."},
        {"ConcaveCorner", plate::NotchedPlate(), Pt(70, 60), Pt(70, 30), Pt(70, 31), 10.0, 5.0,
         "형상이 겹쳐서 작성할 수 없습니다."},
        {"AcrossTheNotch", plate::NotchedPlate(), Pt(70, 60), Pt(70, 30), Pt(70, 59), 10.0, 40.0,
         "형상이 겹쳐서 작성할 수 없습니다."},
        {"NoOffset", plate::Rectangle(), Pt(0, 0), Pt(100, 0), Pt(1, 0), 10.0, 0.0, "턱걸이 치수가 올바르지 않습니다."},
        {"NegativeHeight", plate::Rectangle(), Pt(0, 0), Pt(100, 0), Pt(1, 0), -10.0, 5.0,
         "턱걸이 치수가 올바르지 않습니다."},
    };
    for (const SideKind kind : {SideKind::A, SideKind::B}) {
        for (const Row& row : rows) {
            SetUp();
            ShoulderSettings.mMainHeight = row.height;
            ShoulderSettings.mMainProtrude = row.protrusion;
            const ZedId outline = AddPlate(row.polygon, false);
            const std::string drawing = emu::Dump();
            EXPECT_FALSE(BuildSide(kind, outline, row.a, row.b, row.pick)) << row.name;
            EXPECT_EQ(Errors(), std::vector<std::string>{row.message}) << row.name;
            EXPECT_EQ(emu::Dump(), drawing) << row.name;
            TearDown();
        }
    }
}

// A picked corner is refused before anything changes: a chamfer, which the
// outline list holds as a line (long enough here for a step 1 long), as well
// as a fillet, which it holds as an arc.
TEST_F(SideTest, APickedCornerIsNoLine) {
    for (const SideKind kind : {SideKind::A, SideKind::B}) {
        for (const bool chamfer : {true, false}) {
            SetUp();
            ShoulderSettings.mMainHeight = 1.0;
            ShoulderSettings.mMainProtrude = 0.5;
            const ZedId outline = AddPlate(plate::Rectangle(), false);
            const ZedId bottom = plate::LineBetween(outline, Pt(0, 0), Pt(100, 0));
            const ZedId corner = chamfer ? emu::AddChamfer(bottom, 3.0) : emu::AddFillet(bottom, 3.0);
            ASSERT_GT(corner, 0);
            const std::string drawing = emu::Dump();
            const ZedPoint picked = Pt(98.5, 1.5);
            Picks().linePick = LinePick{picked, corner, outline, 0, 0};
            EXPECT_FALSE(kind == SideKind::A ? BuildSideA(picked, corner, outline, 0)
                                             : BuildSideB(picked, corner, outline, 0))
                << SideKindName(kind) << chamfer;
            EXPECT_EQ(Errors(), std::vector<std::string>{"직선요소를 선택하셔야 합니다."}) << SideKindName(kind) << chamfer;
            EXPECT_EQ(emu::Dump(), drawing) << SideKindName(kind) << chamfer;
            TearDown();
        }
    }
}

// A filleted or chamfered corner at the near end becomes a plain arc or line
// first; the corner at the other end of the line stays as it was.
TEST_F(SideTest, OnlyTheCornerAtTheNearEndIsFreed) {
    struct Row {
        bool filletAtStart;  // the corner before (0, 0): fillet, else chamfer
        bool pickNearStart;
    };
    for (const Row& row : {Row{true, true}, Row{false, true}, Row{true, false}, Row{false, false}}) {
        SetUp();
        const ZedId outline = AddPlate(plate::Rectangle(), false);
        const ZedId left = plate::LineBetween(outline, Pt(0, 50), Pt(0, 0));
        const ZedId bottom = plate::LineBetween(outline, Pt(0, 0), Pt(100, 0));
        ASSERT_GT(row.filletAtStart ? emu::AddFillet(left, 3.0) : emu::AddChamfer(left, 3.0), 0);
        ASSERT_GT(row.filletAtStart ? emu::AddChamfer(bottom, 3.0) : emu::AddFillet(bottom, 3.0), 0);
        const std::vector<ZedFigure> drawn = plate::Figures(outline);
        const std::vector<ZedPoint> polygon = plate::Polygon(drawn);
        const ZedPoint a = row.pickNearStart ? Pt(3, 0) : Pt(97, 0);
        const ZedPoint b = row.pickNearStart ? Pt(97, 0) : Pt(3, 0);
        ASSERT_TRUE(BuildSide(SideKind::A, outline, a, b, row.pickNearStart ? Pt(4, 0) : Pt(96, 0)));
        EXPECT_TRUE(HoldsStep(outline, StepAt(polygon, a, b)));
        // The corner left is the one away from the pick.
        std::vector<int> corners;
        for (ZedId id : emu::Chain(outline)) {
            const int type = emu::FigureOf(id).kind;
            if (type == ZED_FIG_FILLET || type == ZED_FIG_CHAMFER) {
                corners.push_back(type);
            }
        }
        const int kept = row.filletAtStart == row.pickNearStart ? ZED_FIG_CHAMFER : ZED_FIG_FILLET;
        EXPECT_EQ(corners, std::vector<int>{kept}) << row.filletAtStart << row.pickNearStart;
        EXPECT_TRUE(Errors().empty());
        EXPECT_EQ(emu::CheckAllIntegrity(), "");

        if constexpr (build_profile::kTagging) {  // Delete mode
            // Delete gives the line back whole beside the corner, now plain: the
            // same geometry with the corner's kind told as a plain element's.
            Delete();
            EXPECT_TRUE(Errors().empty());
            std::vector<ZedFigure> plainDrawn = drawn;
            for (ZedFigure& f : plainDrawn) {
                f.kind = f.kind == ZED_FIG_FILLET ? ZED_FIG_ARC : f.kind == ZED_FIG_CHAMFER ? ZED_FIG_LINE : f.kind;
            }
            std::vector<ZedFigure> after = plate::Figures(outline);
            for (ZedFigure& f : after) {
                f.kind = f.kind == ZED_FIG_FILLET ? ZED_FIG_ARC : f.kind == ZED_FIG_CHAMFER ? ZED_FIG_LINE : f.kind;
            }
            EXPECT_TRUE(plate::SameClosedGeometry(after, plainDrawn, 1e-9)) << row.filletAtStart << row.pickNearStart;
            EXPECT_EQ(emu::CheckAllIntegrity(), "");
        }
        TearDown();
    }
}

// A host that lists a run of straight pieces as one line gives the run's ends
// as S and E: the step goes at the run's near end, and every piece between
// it and Q goes, whichever end the step is at.
TEST_F(SideTest, AStepOnARunListedAsOneLineTakesEveryPieceBeforeQ) {
    struct Row {
        std::vector<ZedPoint> corners;
        ZedPoint a, b, pick;   // the picked piece, and where
        ZedPoint nearEnd, farEnd;
    };
    const Row rows[] = {
        {{Pt(0, 0), Pt(5, 0), Pt(100, 0), Pt(100, 50), Pt(0, 50)}, Pt(5, 0), Pt(100, 0), Pt(6, 0), Pt(0, 0), Pt(100, 0)},
        {{Pt(0, 0), Pt(95, 0), Pt(98, 0), Pt(100, 0), Pt(100, 50), Pt(0, 50)}, Pt(0, 0), Pt(95, 0), Pt(94, 0),
         Pt(100, 0), Pt(0, 0)},
    };
    for (const Row& row : rows) {
        SetUp();
        emu::SetOutlineListMergesCollinear(true);
        const ZedId outline = AddPlate(row.corners, false);
        const std::vector<ZedPoint> polygon = plate::Polygon(plate::Figures(outline));
        ASSERT_TRUE(BuildSide(SideKind::A, outline, row.a, row.b, row.pick));
        const ExpectedStep step = StepAt(polygon, row.nearEnd, row.farEnd);
        EXPECT_GT(plate::LineBetween(outline, step.f, step.a1), 0);
        EXPECT_GT(plate::LineBetween(outline, step.a2, step.q), 0);
        EXPECT_TRUE(emu::SegmentClosed(outline));
        EXPECT_EQ(emu::CheckAllIntegrity(), "");
        EXPECT_TRUE(Errors().empty());
        TearDown();
    }
}

}  // namespace
