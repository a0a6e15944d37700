// Every numbered message of every change, each reached once: the host call
// of that step fails, the change stops and shows the step's own text (on the
// error line, or in a message box for the hole's steps). Then the refusal of
// a picked element that is no straight line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/temporary_elements.h"
#include "holes/hole_edits.h"
#include "tests/drawings/drawing_fixture.h"
#include "tests/support/hole_row.h"

namespace {

using plate::Pt;

// What the user sees: "error: " or "box: " and the text.
std::string E(const std::string& text) { return "error: " + text; }
std::string B(const std::string& text) { return "box: " + text; }

struct StepFailure {
    const char* call;
    int rank;  // its k-th call within the change
    std::vector<std::string> shown;
};

constexpr int kDepthEntry = 200;  // the typed depth of the hole, through its note

struct ChangeMessages {
    const char* name;
    Pattern pattern;
    double pickX;  // on the rectangle's bottom line
    Step change;
    std::vector<StepFailure> failures;
};

const std::string kLine = "직선요소를 수정할 수 없습니다.";
const std::string kDimRead = "치수요소를 참조할 수 없습니다.";
const std::string kDim = "치수요소를 수정할 수 없습니다.";
const std::string kCut = "절단선길이를 수정할 수 없습니다.";
const std::string kHoleRead = "holedata를 참조할 수 없습니다.";
const std::string kHoleAmend = "holedata를 수정할 수 없습니다.";
const std::string kDepth = "구멍의 깊이를 수정할 수 없습니다.";

// The amends of the k-th to the k+n-th element: numbers first, first + 1, ...
std::vector<StepFailure> Amends(int first, int count, int fromRank = 1) {
    std::vector<StepFailure> rows;
    for (int i = 0; i < count; ++i) {
        rows.push_back({"ZedFigAmendFigure", fromRank + i, {E(kLine + "(" + std::to_string(first + i) + ")")}});
    }
    return rows;
}

std::vector<StepFailure> Join(std::vector<StepFailure> a, const std::vector<StepFailure>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<StepFailure> kTwoDimensions = {{"ZedDimGetDimension", 1, {E(kDimRead)}},
                                                 {"ZedDimAmendDimension", 1, {E(kDim + "(01)")}},
                                                 {"ZedDimGetDimension", 2, {E(kDimRead)}},
                                                 {"ZedDimAmendDimension", 2, {E(kDim + "(02)")}}};
const std::vector<StepFailure> kThirdDimension = {{"ZedDimGetDimension", 3, {E(kDimRead)}},
                                                  {"ZedDimAmendDimension", 3, {E(kDim + "(02)")}}};
const std::vector<StepFailure> kMovedHole = {
    {"ZedHolGetHoleData", 1, {B(kHoleRead)}},
    {"ZedHolAmendHoleData", 1, {B(kHoleAmend)}},
    {"ZedHolGetHoleSegmentId", 1, {B("holedata의 sgm정보를 확인할 수 없습니다.")}},
    {"ZedSgmDeleteSegment", 1, {B("구멍을 삭제할 수 없습니다.")}}};

const ChangeMessages kChanges[] = {
    {"PlaneBDepth", Pattern::PlaneB, 12.6, {1, 8},
     Join(Join(Amends(11, 3), kTwoDimensions),
          {{"ZedFigAmendFigure", 4, {E(kCut)}},
           {"ZedHolGetHoleData", 1, {B(kHoleRead)}},
           {"ZedHolAmendHoleData", 1, {B(kHoleAmend)}}})},
    {"PlaneBWidthAtStart", Pattern::PlaneB, 12.6, {2, 12},
     Join(Join(Join(Amends(23, 3), kTwoDimensions), kThirdDimension), Join({{"ZedFigAmendFigure", 4, {E(kCut)}}}, kMovedHole))},
    {"PlaneBWidthAtEnd", Pattern::PlaneB, 80.3, {2, 12}, Join(Join(Amends(33, 3), kTwoDimensions), kThirdDimension)},
    {"PlaneBDistanceAtEnd", Pattern::PlaneB, 80.3, {3, 30}, Join(Join(Amends(31, 5), kThirdDimension), kMovedHole)},
    {"PlaneCDepth", Pattern::PlaneC, 50, {1, 8},
     Join(Amends(11, 3),
          {{"ZedDimGetDimension", 1, {E(kDimRead + "<01>")}},
           {"ZedDimAmendDimension", 1, {E(kDim + "(01)")}},
           {"ZedHolGetHoleData", 1, {B(kHoleRead)}}})},
    {"PlaneDDepth", Pattern::PlaneD, 50, {1, 8},
     Join(Amends(11, 3), {{"ZedDimGetDimension", 1, {E(kDimRead)}}, {"ZedDimAmendDimension", 1, {E(kDim + "(01)")}}})},
    {"PlaneDRadius", Pattern::PlaneD, 50, {2, 4.5},
     {{"ZedFigAmendFigure", 1, {E("원호요소를 수정할 수 없습니다.(13)")}},
      {"ZedFigAmendFigure", 2, {E("원호요소를 수정할 수 없습니다.(11)")}},
      {"ZedFigAmendFigure", 3, {E(kLine + "(12)")}},
      {"ZedDimGetDimension", 1, {E(kDimRead)}},
      {"ZedDimAmendDimension", 1, {E(kDim + "(01)")}}}},
    {"SideAOffset", Pattern::SideA, 3, {1, 8}, Join(Join(Amends(11, 3), kTwoDimensions), {{"ZedFigAmendFigure", 4, {E(kCut)}}})},
    {"SideALengthAtStart", Pattern::SideA, 3, {2, 25}, Amends(23, 3)},
    {"SideALengthAtEnd", Pattern::SideA, 96, {2, 25},
     Join(Join(Amends(33, 3), kTwoDimensions), {{"ZedFigAmendFigure", 4, {E(kCut)}}})},
    {"SideBOffset", Pattern::SideB, 1, {1, 2}, Join(Amends(11, 3), kTwoDimensions)},
    {"SideBLengthAtStart", Pattern::SideB, 1, {2, 25},
     Join(Join(Amends(23, 4), kTwoDimensions),
          {{"ZedDimGetDimension", 3, {E(kDimRead)}},
           {"ZedDimAmendDimension", 3, {E(kDim + "(03)")}},
           {"ZedFigAmendFigure", 5, {E(kCut)}}})},
    {"SideBLengthAtEnd", Pattern::SideB, 99, {2, 25}, Amends(33, 4)},
    {"SideBDisplay", Pattern::SideB, 99, {3, 4},
     {{"ZedFigAmendFigure", 1, {E(kLine + "(101)")}},
      {"ZedDimGetDimension", 1, {E(kDimRead)}},
      {"ZedDimAmendDimension", 1, {E(kDim + "(03)")}}}},
    {"SideCDepth", Pattern::SideC, 3, {1, 8}, Join(Amends(11, 3), kTwoDimensions)},
    {"SideCWidthAtStart", Pattern::SideC, 3, {2, 12}, Join(Join(Amends(23, 3), kTwoDimensions), kThirdDimension)},
    {"SideCWidthAtEnd", Pattern::SideC, 85.2, {2, 12}, Join(Amends(33, 3), kThirdDimension)},
    {"SideCDistanceAtEnd", Pattern::SideC, 85.2, {3, 30}, Join(Amends(31, 5), kThirdDimension)},
    // The typed depth of the hole, through the depth note.
    {"PlaneADepthEntry", Pattern::PlaneA, 50, {kDepthEntry, 3},
     {{"ZedHolGetHoleData", 1, {B(kHoleRead), B(kDepth + "(A-1)")}},
      {"ZedCmtAmendComment", 1, {E("주기정보를 수정할수 없습니다."), B(kDepth + "(A-2)")}}}},
    {"PlaneBDepthEntry", Pattern::PlaneB, 12.6, {kDepthEntry, 3},
     {{"ZedHolAmendHoleData", 1, {B(kHoleAmend), B(kDepth + "(B-1)")}},
      {"ZedCmtGetComment", 1, {E("구멍주기정보를 확인할수 없습니다."), B(kDepth + "(B-2)")}}}},
    {"PlaneCDepthEntry", Pattern::PlaneC, 50, {kDepthEntry, 3},
     {{"ZedHolGetHoleData", 1, {B(kHoleRead), B(kDepth + "(C-1)")}},
      {"ZedCmtAmendComment", 1, {E("주기정보를 수정할수 없습니다."), B(kDepth + "(C-2)")}}}},
};

void PrintTo(const ChangeMessages& c, std::ostream* out) { *out << c.name; }

class StepMessageTest : public DrawingTest, public ::testing::WithParamInterface<ChangeMessages> {};

TEST_P(StepMessageTest, EachFailingStepShowsItsOwnMessage) {
    const ChangeMessages& c = GetParam();
    // A change stopped between two amends leaves the outline broken there.
    ExpectIntegrityFault();
    const bool plan = c.pattern == Pattern::PlaneA || c.pattern == Pattern::PlaneB || c.pattern == Pattern::PlaneC ||
                      c.pattern == Pattern::PlaneD;
    for (const StepFailure& failure : c.failures) {
        SCOPED_TRACE(std::string(failure.call) + " #" + std::to_string(failure.rank));
        SetUp();
        Sizes sizes;
        sizes.height = plan ? 2.0 : 10.0;
        UseSizes(sizes);
        PlateLine line;
        ZedId element = -1;
        const ZedId outline = LayOut(PickedPlate{plate::Rectangle(), Pt(0, 0), Pt(100, 0), Pt(c.pickX, 0)},
                                     Placement{"AsDrawn"}, line, element);
        ASSERT_TRUE(Build(c.pattern, element, outline, line.pick));
        emu::ClearMessages();
        emu::FailCall(failure.call, failure.rank);
        const bool done = c.change.editMode == kDepthEntry
                              ? EnterHoleDepth(HoleRow(c.pattern),
                                               TemporaryElements()[kSlotDepthNote].id, c.change.value)
                              : Change(c.pattern, c.change.editMode, c.change.value);
        EXPECT_EQ(emu::InjectedFailures(), 1) << "the call is not made";
        emu::ClearFaults();
        EXPECT_FALSE(done);
        std::vector<std::string> shown;
        for (const emu::Message& message : emu::Messages()) {
            if (message.channel != emu::Channel::Prompt) {
                shown.push_back((message.channel == emu::Channel::Error ? E : B)(message.text));
            }
        }
        EXPECT_EQ(shown, failure.shown);
    }
}

INSTANTIATE_TEST_SUITE_P(Changes, StepMessageTest, ::testing::ValuesIn(kChanges),
                         [](const auto& info) { return std::string(info.param.name); });

// Side patterns A and B build on a straight line only: an arc picked is
// refused before anything changes.
TEST_F(DrawingTest, ASideStepOnAnArcIsRefused) {
    for (const Pattern pattern : {Pattern::SideA, Pattern::SideB}) {
        SetUp();
        UseSizes(Sizes{});
        const ZedId outline = emu::AddOutline(kPlateLayer,
                                              {emu::Line(0, 0, 100, 0), emu::Line(100, 0, 100, 50),
                                               emu::Arc(50, 50, 100, 50, 0, 50, ZED_ARC_CCW), emu::Line(0, 50, 0, 0)},
                                              true);
        const ZedId arc = emu::Chain(outline)[2];
        const std::string drawing = emu::Dump();
        EXPECT_FALSE(Build(pattern, arc, outline, Pt(60, 99)));
        EXPECT_EQ(Errors(), std::vector<std::string>{"직선요소를 선택하셔야 합니다."});
        EXPECT_EQ(emu::Dump(), drawing);
    }
}

}  // namespace
