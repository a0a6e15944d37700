// Every pattern's whole drawing after its build and after each typed value,
// compared field by field with the drawing its formulas give: the outline's
// elements, the cut line, root line, display part and slot, the hole and its
// notes, every dimension with its element references, and the tag. Each case
// runs on the plate as drawn and again turned, mirrored, moved, drawn the
// other way round and with its edges stored the other way round; the
// formulas, worked on the plate as it then lies, must still give the drawing.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "tests/drawings/drawing_fixture.h"
#include "tests/support/build_profile_test.h"

namespace {

using plate::Pt;

struct DrawingCase {
    const char* name;
    Pattern pattern;
    PickedPlate plate;
    Sizes sizes;
    std::vector<Step> steps;
};

const std::vector<ZedPoint> kRectangle = plate::Rectangle();             // 100 × 50
const std::vector<ZedPoint> kNarrow = {Pt(0, 0), Pt(8, 0), Pt(8, 50), Pt(0, 50)};  // a short bottom line
const std::vector<ZedPoint> kTrapezoid = {Pt(0, 0), Pt(100, 0), Pt(120, 50), Pt(-20, 50)};

// The bottom line of a plate, picked at x.
PickedPlate Bottom(const std::vector<ZedPoint>& corners, double x) {
    return PickedPlate{corners, corners[0], corners[1], Pt(x, 0)};
}

Sizes Plan() { return Sizes{.height = 2.0}; }
template <class F>
Sizes Plan(F change) {
    Sizes s = Plan();
    change(s);
    return s;
}
template <class F>
Sizes Side(F change) {
    Sizes s;
    change(s);
    return s;
}

const DrawingCase kCases[] = {
    // Plan pattern A: centre placement, then deeper, narrower, the whole line
    // and part of it back; inset and full-line placement on a short line.
    {"PlaneACentre", Pattern::PlaneA, Bottom(kRectangle, 50), Plan(), {{1, 8}, {2, 10}, {1, 3}}},
    {"PlaneAWholeLineAndBack", Pattern::PlaneA, Bottom(kTrapezoid, 50), Plan(), {{2, 120}, {2, 100.5}, {2, 30}}},
    // A width exactly the line's length takes the whole line, also where the
    // turned line measures a hair longer; the same width back is refused.
    {"PlaneAWidthOfTheLine", Pattern::PlaneA, Bottom(kRectangle, 50), Plan(), {{2, 100}, {2, 100}, {2, 99.9999995}}},
    {"PlaneACentreShapedHole", Pattern::PlaneA, Bottom(kRectangle, 50), Plan([](Sizes& s) { s.shapedHole = true; }),
     {{1, 8}, {2, 10}}},
    {"PlaneAFromBelowOwnCutLine", Pattern::PlaneA, Bottom(kTrapezoid, 50),
     Plan([](Sizes& s) { s.holeDir = 1, s.lineValue = 1, s.clearance = 1.5; }), {{1, 2.5}, {2, 40}}},
    {"PlaneANothingExtra", Pattern::PlaneA, Bottom(kRectangle, 50),
     Plan([](Sizes& s) { s.hole = false, s.lineDraw = false; }), {{2, 12}}},
    {"PlaneAInset", Pattern::PlaneA, Bottom(kNarrow, 4), Plan(), {{1, 3}, {2, 5}, {2, 9}}},
    {"PlaneAFullLine", Pattern::PlaneA, Bottom(kNarrow, 4), Plan([](Sizes& s) { s.distance = 0; }),
     {{2, 5}, {1, 2}, {2, 8}}},
    {"PlaneAInsetTooClose", Pattern::PlaneA, Bottom(kNarrow, 4), Plan([](Sizes& s) { s.distance = 3; }), {}},
    {"PlaneAInsetTooCloseNoThreshold", Pattern::PlaneA, Bottom(kNarrow, 4),
     Plan([](Sizes& s) { s.distance = 3, s.widthValueOn = false; }), {}},
    // Plan pattern B from either end; a width and a distance that take the
    // whole line are refused.
    {"PlaneBFromStart", Pattern::PlaneB, Bottom(kRectangle, 12.6), Plan(), {{1, 8}, {2, 12}, {3, 30}, {2, 95}, {3, 95}}},
    {"PlaneBFromEnd", Pattern::PlaneB, Bottom(kRectangle, 80.3), Plan(), {{1, 8}, {2, 12}, {3, 30}, {3, 4}}},
    {"PlaneBCloseToTheEnd", Pattern::PlaneB, Bottom(kTrapezoid, 99.6), Plan([](Sizes& s) { s.holeDir = 1; }),
     {{3, 20}, {2, 6}}},
    {"PlaneBShapedHoleOwnCutLine", Pattern::PlaneB, Bottom(kRectangle, 30.2),
     Plan([](Sizes& s) { s.shapedHole = true, s.lineValue = 1; }), {{2, 12}, {3, 20}, {1, 3}}},
    {"PlaneBTooWide", Pattern::PlaneB, Bottom(kNarrow, 4), Plan([](Sizes& s) { s.width = 9; }), {}},
    // Plan patterns C and D.
    {"PlaneC", Pattern::PlaneC, Bottom(kRectangle, 50), Plan(), {{1, 8}, {1, 2.5}}},
    {"PlaneCShortLine", Pattern::PlaneC, Bottom(kNarrow, 4), Plan([](Sizes& s) { s.clearance = 0.25; }), {{1, 2}}},
    {"PlaneCShapedHoleOwnColour", Pattern::PlaneC, Bottom(kTrapezoid, 50),
     Plan([](Sizes& s) { s.shapedHole = true, s.lineValue = 1, s.holeDir = 2; }), {{1, 8}}},
    {"PlaneD", Pattern::PlaneD, Bottom(kRectangle, 50), Plan([](Sizes& s) { s.lineValue = 1; }),
     {{2, 4.5}, {1, 8}, {2, 2}}},
    {"PlaneDPickedLinesColours", Pattern::PlaneD, Bottom(kTrapezoid, 50), Plan(), {{2, 4.5}, {1, 3}}},
    {"PlaneDWithoutSlot", Pattern::PlaneD, Bottom(kRectangle, 50), Plan([](Sizes& s) { s.slot = false; }),
     {{1, 8}, {2, 4}}},
    // Side patterns A and B at either end, C near either end.
    {"SideAAtStart", Pattern::SideA, Bottom(kRectangle, 3), Side([](Sizes&) {}), {{1, 8}, {2, 25}, {2, 100.5}, {2, 99}}},
    {"SideAAtEnd", Pattern::SideA, Bottom(kTrapezoid, 96), Side([](Sizes& s) { s.lineValue = 1; }),
     {{1, 8}, {2, 25}, {2, 100.5}}},
    {"SideAWithoutCutLine", Pattern::SideA, Bottom(kRectangle, 99), Side([](Sizes& s) { s.lineDraw = false; }),
     {{2, 4}}},
    {"SideAStepTooLong", Pattern::SideA, Bottom(kNarrow, 1), Side([](Sizes& s) { s.height = 8; }), {}},
    {"SideBAtStart", Pattern::SideB, Bottom(kRectangle, 1), Side([](Sizes&) {}), {{3, 4}, {2, 25}, {1, 2}}},
    {"SideBAtEnd", Pattern::SideB, Bottom(kTrapezoid, 99), Side([](Sizes& s) { s.lineValue = 1; }),
     {{2, 25}, {3, 4}, {1, 2}, {2, 100.5}}},
    {"SideBWithoutLines", Pattern::SideB, Bottom(kRectangle, 2), Side([](Sizes& s) { s.lineDraw = false; }),
     {{2, 12}}},
    {"SideCNearStart", Pattern::SideC, Bottom(kRectangle, 3), Side([](Sizes&) {}), {{1, 8}, {2, 12}, {3, 30}, {3, 90}}},
    {"SideCNearEnd", Pattern::SideC, Bottom(kTrapezoid, 85.2), Side([](Sizes&) {}), {{2, 12}, {3, 30}, {1, 3}, {2, 90}}},
    {"SideCNarrowNearStart", Pattern::SideC, Bottom(kRectangle, 0.4), Side([](Sizes& s) { s.width = 3; }),
     {{3, 1}, {2, 5}}},
    {"SideCTooWide", Pattern::SideC, Bottom(kNarrow, 1), Side([](Sizes& s) { s.width = 9; }), {}},
};

const Placement kPlacements[] = {
    {"AsDrawn"},
    {"Clockwise", 0.0, false, {0, 0}, true},
    {"StoredReversed", 0.0, false, {0, 0}, false, true},
    {"Turned30", 3.14159265358979 / 6},
    {"Turned200AndMoved", 3.14159265358979 * 10 / 9, false, {1000, -250}},
    {"Mirrored", 0.0, true},
    {"MirroredTurnedClockwiseStoredReversed", 1.9, true, {-40, 7}, true, true},
    // The bottom line then runs just below a whole turn, so that the
    // directions of its pieces and of the sides beside it, worked out from
    // rounded points, lie either side of 0 and 2π (one turn for a step at
    // either end).
    {"JustBelowAWholeTurn", -3e-16},
    {"JustBelowAWholeTurnAgain", -5e-16},
};

void PrintTo(const DrawingCase& c, std::ostream* out) { *out << c.name; }

}  // namespace

void PrintTo(const Placement& p, std::ostream* out) { *out << p.name; }

namespace {

class ExactDrawingTest : public DrawingTest,
                         public ::testing::WithParamInterface<std::tuple<DrawingCase, Placement>> {};

TEST_P(ExactDrawingTest, EveryStepLeavesTheDrawingTheFormulasGive) {
    const auto& [c, placement] = GetParam();
    if (c.sizes.shapedHole && !build_profile::kShapedHoles) {
        GTEST_SKIP() << "the legacy build makes MC holes only";
    }
    UseSizes(c.sizes);
    PlateLine line;
    ZedId element = -1;
    const ZedId outline = LayOut(c.plate, placement, line, element);
    ExpectedShoulder want(c.pattern, line, c.sizes);
    const std::string before = emu::Dump();
    const bool built = Build(c.pattern, element, outline, line.pick);
    if (!want.refusal().empty()) {
        EXPECT_FALSE(built);
        EXPECT_EQ(Errors(), std::vector<std::string>{want.refusal()});
        EXPECT_EQ(emu::Dump(), before);
        return;
    }
    ASSERT_TRUE(built) << testing::PrintToString(Errors());
    EXPECT_EQ(Errors(), std::vector<std::string>{});
    {
        SCOPED_TRACE("built");
        ExpectDrawing(want.Drawing());
    }
    for (const Step& step : c.steps) {
        SCOPED_TRACE("edit mode " + std::to_string(step.editMode) + ", value " + std::to_string(step.value));
        emu::ClearMessages();
        const std::vector<ZedId> holes = emu::HoleIds();
        want.Change(step.editMode, step.value);
        EXPECT_EQ(Change(c.pattern, step.editMode, step.value), want.refusal().empty());
        if (want.holeKept() || !want.refusal().empty()) {
            EXPECT_EQ(emu::HoleIds(), holes) << "the hole is made again";
        }
        EXPECT_EQ(Errors(), want.refusal().empty() ? std::vector<std::string>{}
                                                   : std::vector<std::string>{want.refusal()});
        ExpectDrawing(want.Drawing());
    }
}

INSTANTIATE_TEST_SUITE_P(Patterns, ExactDrawingTest,
                         ::testing::Combine(::testing::ValuesIn(kCases), ::testing::ValuesIn(kPlacements)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
                         });

}  // namespace
