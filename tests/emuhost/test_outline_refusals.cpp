// Every call that a real kernel would refuse answers its failure value and
// leaves the drawing and the journal untouched.
#include <cstring>
#include <functional>

#include "outline_test_support.h"

namespace {

using namespace outline_test;

class OutlineRefusalTest : public EmuDrawingTest {
protected:
    void SetUp() override {
        EmuDrawingTest::SetUp();
        square = Square(0, 0, 10);
        squareIds = emu::Chain(square);
        open = emu::AddOutline(kLayer, {emu::Line(20, 0, 30, 0), emu::Line(30, 0, 30, 10)}, false);
        openIds = emu::Chain(open);
        apart = emu::AddOutline(kLayer, {emu::Line(40, 0, 50, 0)}, false);
        // Touches the end of the open chain, but on the other layer.
        otherLayer = emu::AddOutline(2, {emu::Line(30, 10, 20, 10)}, false);
        // Ends where the open chain ends: joining would need a reversal.
        endToEnd = emu::AddOutline(kLayer, {emu::Line(30, 20, 30, 10)}, false);
        half = emu::AddOutline(kLayer, {emu::Line(-5, 20, 5, 20), emu::Arc(0, 20, 5, 20, -5, 20, ZED_ARC_CCW)}, true);
        circle = emu::AddSegment(ZED_SGM_FIGURE, kLayer);
        circleId = emu::AddFigure(circle, emu::Circle(60, 60, 3));
        empty = emu::AddSegment(ZED_SGM_FIGURE, kLayer);
        dimensionSegment = emu::AddSegment(ZED_SGM_DIMENSION, kLayer);
        ZedLengthDim dim{};
        dim.first = Pt(0, 0);
        dim.second = Pt(10, 0);
        dim.firstElement = -1;
        dim.secondElement = -1;
        dim.offset = 5;
        dim.flag80 = 1;
        dimension = ZedDimCreateLineLength(dimensionSegment, &dim);
        ASSERT_GT(dimension, 0);
        ASSERT_EQ(emu::CheckAllIntegrity(), "");
    }

    ZedId square = -1;
    std::vector<ZedId> squareIds;
    ZedId open = -1;
    std::vector<ZedId> openIds;
    ZedId apart = -1;
    ZedId otherLayer = -1;
    ZedId endToEnd = -1;
    ZedId half = -1;
    ZedId circle = -1;
    ZedId circleId = -1;
    ZedId empty = -1;
    ZedId dimensionSegment = -1;
    ZedId dimension = -1;
};

struct Refusal {
    const char* what;
    std::function<int()> call;
    int failure = -1;
};

// Runs each call on the same drawing; none may change it or journal anything.
void ExpectAllRefused(const std::vector<Refusal>& refusals) {
    for (const Refusal& refusal : refusals) {
        const std::string before = emu::Dump();
        emu::ResetCallLog();
        EXPECT_EQ(refusal.call(), refusal.failure) << refusal.what;
        EXPECT_EQ(emu::Dump(), before) << refusal.what;
        EXPECT_TRUE(emu::Journal().empty()) << refusal.what << "\n" << JournalText();
    }
}

ZedFigure Corner(ZedFigure figure, int kind) {
    figure.kind = kind;
    return figure;
}

TEST_F(OutlineRefusalTest, ClosingJoiningAndDividingAreRefusedWhereChainsDoNotFit) {
    ZedId divided = -1;
    auto divide = [&divided](ZedId segment, double x, double y, int instance = 0) {
        const ZedFigRef ref{instance, segment};
        const ZedPoint at{x, y};
        return ZedFigDivide(&ref, &at, &divided);
    };
    ExpectAllRefused({
        {"closing a chain whose ends do not meet", [&] { return ZedFigSetClosed(open, 1); }},
        {"closing an empty segment", [&] { return ZedFigSetClosed(empty, 1); }},
        {"closed flag 2", [&] { return ZedFigSetClosed(square, 2); }},
        {"closing a dimension segment", [&] { return ZedFigSetClosed(dimensionSegment, 1); }},
        {"opening a circle", [&] { return ZedFigSetClosed(circle, 0); }},
        {"joining chains that do not touch", [&] { return ZedFigConcat(open, apart); }},
        {"joining a chain to itself", [&] { return ZedFigConcat(open, open); }},
        {"joining a closed chain", [&] { return ZedFigConcat(square, open); }},
        {"joining chains on different layers", [&] { return ZedFigConcat(open, otherLayer); }},
        {"joining chains that meet end to end", [&] { return ZedFigConcat(open, endToEnd); }},
        {"joining an empty segment", [&] { return ZedFigConcat(open, empty); }},
        {"joining an unknown segment", [&] { return ZedFigConcat(open, 999); }},
        {"dividing at a point off the chain", [&] { return divide(square, 5, 0.001); }},
        {"dividing on the arc's circle outside its span", [&] { return divide(half, 0, 15); }},
        {"dividing an open chain", [&] { return divide(open, 25, 0); }},
        {"dividing a circle", [&] { return divide(circle, 63, 60); }},
        {"dividing through instance 1", [&] { return divide(square, 5, 0, 1); }},
        {"dividing an unknown segment", [&] { return divide(999, 5, 0); }},
        {"dividing without an output",
         [&] {
             const ZedFigRef ref{0, square};
             const ZedPoint at{5, 0};
             return ZedFigDivide(&ref, &at, nullptr);
         }},
    });
    EXPECT_EQ(divided, -1);
    EXPECT_EQ(ZedFigIsClosed(999), 0);
    EXPECT_EQ(ZedFigIsClosed(dimensionSegment), 0);
}

TEST_F(OutlineRefusalTest, FiguresThatDoNotFitTheChainOrAreInvalidAreRefused) {
    auto create = [](ZedId segment, ZedFigure figure) { return ZedFigCreateFigure(segment, &figure); };
    auto insert = [](ZedId element, ZedFigure figure) { return ZedFigInsertFigure(element, &figure); };
    auto amend = [](ZedId element, ZedFigure figure, int instance = 0) {
        const ZedFigRef ref{instance, element};
        return ZedFigAmendFigure(&ref, &figure);
    };
    ZedFigure offCircle = emu::Arc(30, 5, 30, 10, 35, 5, ZED_ARC_CW);
    offCircle.v[6] = 5.01;
    ZedFigure noFlag = emu::Arc(30, 5, 30, 10, 35, 5, ZED_ARC_CW);
    emu::SetArcFlag(noFlag, 0);
    ZedFigure curve = emu::Line(30, 10, 40, 10);
    curve.kind = ZED_FIG_CURVE;
    const ZedFigure next = emu::Line(30, 10, 40, 10);
    ExpectAllRefused({
        {"appending to a closed chain", [&] { return create(square, emu::Line(0, 0, 5, 5)); }},
        {"appending where the chain does not end", [&] { return create(open, emu::Line(31, 10, 40, 10)); }},
        {"appending a filleted corner", [&] { return create(open, Corner(emu::Arc(30, 5, 30, 10, 35, 5, 1), 7)); }},
        {"appending a chamfer", [&] { return create(open, Corner(next, ZED_FIG_CHAMFER)); }},
        {"appending an unknown kind", [&] { return create(open, curve); }},
        {"appending a zero-length line", [&] { return create(open, emu::Line(30, 10, 30, 10 + 1e-7)); }},
        {"appending an arc whose radius misses its ends", [&] { return create(open, offCircle); }},
        {"appending an arc without a direction", [&] { return create(open, noFlag); }},
        {"appending a circle to a chain", [&] { return create(open, emu::Circle(0, 0, 1)); }},
        {"appending after a circle", [&] { return create(circle, emu::Line(63, 60, 70, 60)); }},
        {"appending a circle without radius", [&] { return create(empty, emu::Circle(0, 0, 0)); }},
        {"appending to a dimension segment", [&] { return create(dimensionSegment, emu::Line(0, 0, 1, 0)); }},
        {"appending to an unknown segment", [&] { return create(999, emu::Line(0, 0, 1, 0)); }},
        {"appending nothing", [&] { return ZedFigCreateFigure(open, nullptr); }},
        {"inserting into a closed chain", [&] { return insert(squareIds[1], emu::Line(9, 0, 10, 0)); }},
        {"inserting a figure that misses the element", [&] { return insert(openIds[0], emu::Line(10, 0, 21, 0)); }},
        {"inserting a figure that misses the one before",
         [&] { return insert(openIds[1], emu::Line(29, 0, 30, 0)); }},
        {"inserting a corner", [&] { return insert(openIds[0], Corner(emu::Line(10, 0, 20, 0), 8)); }},
        {"inserting before a dimension", [&] { return insert(dimension, emu::Line(-5, 0, 0, 0)); }},
        {"inserting before an unknown element", [&] { return insert(999, emu::Line(-5, 0, 0, 0)); }},
        {"amending a line into an arc", [&] { return amend(openIds[1], emu::Arc(25, 5, 30, 0, 30, 10, 2)); }},
        {"amending to zero length", [&] { return amend(openIds[0], emu::Line(20, 0, 20, 0)); }},
        {"amending an arc off its circle", [&] { return amend(emu::Chain(half)[1], offCircle); }},
        {"amending through instance 1", [&] { return amend(openIds[0], emu::Line(20, 0, 31, 0), 1); }},
        {"amending a dimension as a figure", [&] { return amend(dimension, emu::Line(0, 0, 3, 0)); }},
        {"amending an unknown element", [&] { return amend(999, emu::Line(0, 0, 3, 0)); }},
    });
}

TEST_F(OutlineRefusalTest, CallsOnUnknownOrUnsuitableThingsAreRefused) {
    const ZedFigRef unknownRef{0, 999};
    const ZedFigRef dimensionRef{0, dimension};
    const ZedFigRef otherInstance{1, squareIds[0]};
    const ZedLineType shortForm{1, 1, 0};
    const ZedLineType2 fullForm{1, 0, 0, 0, 1, 0, 0, 0};
    const ZedFigRef sideRef{0, squareIds[0]};
    const ZedLineType colour16{16, 1, 0};
    const ZedLineType negativeLineType{1, -1, 0};
    const ZedLineType2 negativeColour{-1, 0, 0, 0, 1, 0, 0, 0};
    const ZedLineType2 colour255{255, 0, 0, 0, 1, 0, 0, 0};
    const ZedLineType2 negativeLineType2{3, 0, 0, 0, -2, 0, 0, 0};
    ZedFigure figures[4];
    ExpectAllRefused({
        {"changing a plain element as a corner", [&] { return ZedFigChangeCorner(squareIds[0]); }},
        {"removing a plain element as a corner", [&] { return ZedFigRemoveCorner(squareIds[0]); }},
        {"changing an unknown corner", [&] { return ZedFigChangeCorner(999); }},
        {"deleting an unknown element", [&] { return ZedElmDeleteElement(999); }},
        {"deleting an unknown segment", [&] { return ZedSgmDeleteSegment(999); }},
        {"creating a segment of type 3", [&] { return ZedSgmCreateSegment(3, 0); }},
        {"creating a segment with layer option 1", [&] { return ZedSgmCreateSegment(ZED_SGM_FIGURE, 1); }},
        {"moving a segment to a missing layer", [&] { return ZedSgmChangeLayer(square, 99); }},
        {"moving an unknown segment", [&] { return ZedSgmChangeLayer(999, 2); }},
        {"setting line attributes of an unknown element", [&] { return ZedFigSetLineType(&unknownRef, &shortForm); }},
        {"setting line attributes of a dimension", [&] { return ZedFigSetLineType2(&dimensionRef, &fullForm); }},
        {"setting line attributes through instance 1", [&] { return ZedFigSetLineType2(&otherInstance, &fullForm); }},
        {"setting colour 16", [&] { return ZedFigSetLineType(&sideRef, &colour16); }},
        {"setting a negative line type", [&] { return ZedFigSetLineType(&sideRef, &negativeLineType); }},
        {"setting colour -1 in the full form", [&] { return ZedFigSetLineType2(&sideRef, &negativeColour); }},
        {"setting colour 255 in the full form", [&] { return ZedFigSetLineType2(&sideRef, &colour255); }},
        {"setting a negative line type in the full form",
         [&] { return ZedFigSetLineType2(&sideRef, &negativeLineType2); }},
        {"reading a figure through instance 1",
         [&] {
             ZedFigure figure{};
             return ZedFigGetFigure(&otherInstance, &figure);
         }},
        {"reading a dimension as a figure",
         [&] {
             ZedFigure figure{};
             return ZedFigGetFigure(&dimensionRef, &figure);
         }},
        {"reading an outline list with a negative capacity",
         [&] {
             const ZedFigRef ref{0, square};
             return ZedFigGetFigure2(&ref, figures, -1);
         }},
        {"reading the outline list of a dimension segment",
         [&] {
             const ZedFigRef ref{0, dimensionSegment};
             return ZedFigGetFigure2(&ref, figures, 4);
         }},
        {"layer of an unknown segment", [&] { return ZedSgmGetLayer(999); }},
        {"type of an unknown segment", [&] { return ZedSgmGetType(999); }},
        {"count of an unknown segment", [&] { return ZedSgmGetElementCount(999); }},
        {"head of an empty segment", [&] { return ZedSgmGetHeadElementId(empty); }},
        {"tail of an empty segment", [&] { return ZedSgmGetTailElementId(empty); }},
        {"segment of an unknown element", [&] { return ZedElmGetSegment(999); }},
        {"order of an unknown element", [&] { return ZedElmGetElementOrder(999); }},
        {"next of the tail", [&] { return ZedElmGetNextElementId(squareIds[3]); }},
        {"previous of the head", [&] { return ZedElmGetPrevElementId(squareIds[0]); }},
    });
}

TEST_F(OutlineRefusalTest, AnOutlineListIsCutAtTheCapacity) {
    ZedFigure figures[2];
    const ZedFigRef ref{0, square};
    EXPECT_EQ(ZedFigGetFigure2(&ref, figures, 2), 2);
    const ZedFigure second = emu::FigureOf(squareIds[1]);
    EXPECT_EQ(std::memcmp(&figures[1], &second, sizeof second), 0);
    EXPECT_EQ(ZedFigGetFigure2(&ref, nullptr, 0), 0);
}

}  // namespace
