// Chain editing of the emulated host: building, dividing, joining, closing and
// deleting.
#include <cstring>
#include <numbers>

#include "outline_test_support.h"

namespace {

using namespace outline_test;

using OutlineChainTest = EmuDrawingTest;

// An open chain of lines through the points.
ZedId Polyline(const std::vector<ZedPoint>& points, int layer = kLayer) {
    std::vector<ZedFigure> figures;
    for (size_t i = 1; i < points.size(); ++i) {
        figures.push_back(emu::Line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y));
    }
    return emu::AddOutline(layer, figures, false);
}

// ---------------------------------------------------------------------------
// Building chains through the host calls
// ---------------------------------------------------------------------------

TEST_F(OutlineChainTest, ABackwardsBuiltSlotOutlineIsAClosedClockwiseLoop) {
    // B = (0, 0), A = (10, 0), half-width 2: the hole outline of the shaped hole.
    const ZedId segment = ZedSgmCreateSegment(ZED_SGM_FIGURE, 0);
    ASSERT_GT(segment, 0);
    EXPECT_EQ(ZedSgmGetLayer(segment), kLayer);
    const ZedFigure upper = emu::Line(0, 2, 10, 2);
    const ZedFigure capB = emu::Arc(0, 0, 0, -2, 0, 2, ZED_ARC_CW);
    const ZedFigure lower = emu::Line(10, -2, 0, -2);
    const ZedFigure capA = emu::Arc(10, 0, 10, 2, 10, -2, ZED_ARC_CW);
    const ZedId e1 = ZedFigCreateFigure(segment, &upper);
    const ZedId e2 = ZedFigInsertFigure(e1, &capB);
    const ZedId e3 = ZedFigInsertFigure(e2, &lower);
    const ZedId e4 = ZedFigInsertFigure(e3, &capA);
    ASSERT_GT(e4, 0);
    ASSERT_EQ(ZedFigSetClosed(segment, 1), 0);

    EXPECT_EQ(emu::Chain(segment), (std::vector<ZedId>{e4, e3, e2, e1}));
    EXPECT_EQ(ZedFigIsClosed(segment), 1);
    EXPECT_EQ(emu::CheckIntegrity(segment), "");
    const std::vector<ZedFigure> outline = OutlineList(segment);
    EXPECT_NEAR(SignedArea(outline), -(40 + 4 * std::numbers::pi), 1e-9);
    const ZedPoint inside = Pt(-1.5, 0);
    const ZedPoint outside = Pt(12.5, 0);
    EXPECT_EQ(ZedAriIochkPnt(outline.data(), 4, &inside), 0);
    EXPECT_EQ(ZedAriIochkPnt(outline.data(), 4, &outside), 1);
    // Order and neighbours as the plug-in reads them.
    EXPECT_EQ(ZedElmGetElementOrder(e4), 1);
    EXPECT_EQ(ZedElmGetElementOrder(e1), 4);
    EXPECT_EQ(ZedElmGetNextElementId(e1), -1);
    EXPECT_EQ(ZedElmGetPrevElementId(e4), -1);
    EXPECT_EQ(ZedElmGetNextElementId(e4), e3);
    EXPECT_EQ(ZedSgmGetHeadElementId(segment), e4);
    EXPECT_EQ(ZedSgmGetTailElementId(segment), e1);
}

TEST_F(OutlineChainTest, AmendsMayBreakTheChainAndAnInsertMustBridgeBothSides) {
    const ZedId segment = ZedSgmCreateSegment(ZED_SGM_FIGURE, 0);
    const ZedFigure left = emu::Line(0, 0, 5, 0);
    const ZedFigure right = emu::Line(5, 0, 10, 0);
    const ZedId a = ZedFigCreateFigure(segment, &left);
    const ZedId b = ZedFigCreateFigure(segment, &right);
    const ZedFigRef refA = Ref(a);
    const ZedFigRef refB = Ref(b);
    const ZedFigure shortLeft = emu::Line(0, 0, 4, 0);
    const ZedFigure shortRight = emu::Line(6, 0, 10, 0);
    ASSERT_EQ(ZedFigAmendFigure(&refA, &shortLeft), 0);
    ASSERT_EQ(ZedFigAmendFigure(&refB, &shortRight), 0);
    EXPECT_NE(emu::CheckIntegrity(segment), "");

    const ZedFigure offByHalf = emu::Line(4.5, 0, 6, 0);
    EXPECT_EQ(ZedFigInsertFigure(b, &offByHalf), -1);
    const ZedFigure bridge = emu::Line(4, 0, 6, 0);
    const ZedId middle = ZedFigInsertFigure(b, &bridge);
    ASSERT_GT(middle, 0);
    EXPECT_EQ(emu::Chain(segment), (std::vector<ZedId>{a, middle, b}));
    EXPECT_EQ(emu::CheckIntegrity(segment), "");
}

// ---------------------------------------------------------------------------
// Dividing
// ---------------------------------------------------------------------------

TEST_F(OutlineChainTest, DividingInsideALineCutsItAndTheSecondPieceHeadsTheChain) {
    const ZedId square = Square(0, 0, 10);
    const std::vector<ZedId> before = emu::Chain(square);
    const ZedFigRef ref = Ref(square);
    const ZedPoint at = Pt(4, 0);
    ZedId divided = -1;
    ASSERT_EQ(ZedFigDivide(&ref, &at, &divided), 0);
    EXPECT_EQ(divided, square);
    EXPECT_EQ(ZedFigIsClosed(square), 0);

    const std::vector<ZedId> after = emu::Chain(square);
    ASSERT_EQ(after.size(), 5u);
    EXPECT_EQ((std::vector<ZedId>(after.begin() + 1, after.end())),
              (std::vector<ZedId>{before[1], before[2], before[3], before[0]}));
    ExpectPoint(StartPoint(emu::FigureOf(after.front())), 4, 0);
    ExpectPoint(EndPoint(emu::FigureOf(after.front())), 10, 0);
    ExpectPoint(StartPoint(emu::FigureOf(before[0])), 0, 0);
    ExpectPoint(EndPoint(emu::FigureOf(before[0])), 4, 0);
    EXPECT_EQ(emu::CheckIntegrity(square), "");
    EXPECT_NEAR(SignedArea(ChainFigures(square)), 100, 1e-9);
    EXPECT_EQ(ZedFigSetClosed(square, 1), 0);
}

TEST_F(OutlineChainTest, DividingAtAVertexOnlyRotatesTheChain) {
    const ZedId square = Square(0, 0, 10);
    const std::vector<ZedId> before = emu::Chain(square);
    const ZedFigRef ref = Ref(square);
    // Within the tolerance of the corner (10, 10).
    const ZedPoint at = Pt(10 + 4e-7, 10 - 4e-7);
    ZedId divided = -1;
    ASSERT_EQ(ZedFigDivide(&ref, &at, &divided), 0);
    EXPECT_EQ(emu::Chain(square), (std::vector<ZedId>{before[2], before[3], before[0], before[1]}));
    ExpectPoint(StartPoint(emu::FigureOf(before[2])), 10, 10);
}

TEST_F(OutlineChainTest, DividingInsideAnArcGivesTwoArcsOfTheSameCircleAndSense) {
    // A half disc: diameter along the x axis, arc over the top.
    const ZedLineType2 attributes{3, 0, 0, 0, 2, 0, 0, 0};
    const ZedId half = emu::AddOutline(kLayer, {emu::Line(-5, 0, 5, 0), emu::Arc(0, 0, 5, 0, -5, 0, ZED_ARC_CCW)},
                                       true, &attributes);
    const ZedId arc = emu::Chain(half)[1];
    const ZedFigRef ref = Ref(half);
    const ZedPoint at = Pt(0, 5);
    ZedId divided = -1;
    ASSERT_EQ(ZedFigDivide(&ref, &at, &divided), 0);

    const std::vector<ZedId> chain = emu::Chain(half);
    ASSERT_EQ(chain.size(), 3u);
    EXPECT_EQ(chain[2], arc);
    const ZedFigure head = emu::FigureOf(chain[0]);
    const ZedFigure tail = emu::FigureOf(arc);
    for (const ZedFigure& piece : {head, tail}) {
        EXPECT_EQ(piece.kind, ZED_FIG_ARC);
        EXPECT_EQ(emu::ArcFlag(piece), ZED_ARC_CCW);
        EXPECT_DOUBLE_EQ(piece.v[6], 5);
    }
    ExpectPoint(StartPoint(head), 0, 5);
    ExpectPoint(EndPoint(head), -5, 0);
    ExpectPoint(EndPoint(tail), 0, 5);
    EXPECT_EQ(emu::AttributesOf(chain[0]).colour, 3);
    EXPECT_EQ(emu::AttributesOf(chain[0]).lineType, 2);
    EXPECT_NEAR(SignedArea(ChainFigures(half)), 12.5 * std::numbers::pi, 1e-9);
}

// ---------------------------------------------------------------------------
// Joining and closing
// ---------------------------------------------------------------------------

TEST_F(OutlineChainTest, JoiningAppendsOrPrependsTheSecondChainUnderTheFirstId) {
    const ZedId first = Polyline({Pt(0, 0), Pt(10, 0), Pt(10, 10)});
    const ZedId after = Polyline({Pt(10, 10), Pt(0, 10)});
    const ZedId before = Polyline({Pt(0, 10), Pt(0, 5), Pt(0, 0)});
    std::vector<ZedId> expected = emu::Chain(first);
    const std::vector<ZedId> afterIds = emu::Chain(after);
    expected.insert(expected.end(), afterIds.begin(), afterIds.end());

    ASSERT_EQ(ZedFigConcat(first, after), first);
    EXPECT_EQ(emu::Chain(first), expected);
    EXPECT_FALSE(emu::SegmentExists(after));
    EXPECT_EQ(ZedElmGetSegment(afterIds[0]), first);

    // The last chain ends where the joined one starts and where it ends: it
    // goes after it (the first match wins); the result then closes.
    std::vector<ZedId> closing = expected;
    const std::vector<ZedId> beforeIds = emu::Chain(before);
    closing.insert(closing.end(), beforeIds.begin(), beforeIds.end());
    ASSERT_EQ(ZedFigConcat(first, before), first);
    EXPECT_EQ(emu::Chain(first), closing);
    EXPECT_EQ(ZedFigSetClosed(first, 1), 0);
    EXPECT_EQ(emu::CheckIntegrity(first), "");
}

TEST_F(OutlineChainTest, JoiningAChainThatLeadsIntoTheFirstPutsItInFront) {
    const ZedId first = Polyline({Pt(0, 0), Pt(10, 0)});
    const ZedId second = Polyline({Pt(-5, 5), Pt(-5, 0), Pt(0, 0)});
    ZedAttrValue tag{ZED_ATTR_INTEGER, 0, {}};
    tag.value.integer = 7;
    ASSERT_EQ(ZedSgmSetAttribute(first, 40272, &tag), 0);
    ASSERT_EQ(ZedSgmSetAttribute(second, 40273, &tag), 0);
    std::vector<ZedId> expected = emu::Chain(second);
    expected.push_back(emu::Chain(first)[0]);

    ASSERT_EQ(ZedFigConcat(first, second), first);
    EXPECT_EQ(emu::Chain(first), expected);
    EXPECT_TRUE(emu::HasAttribute(first, 40272));
    EXPECT_FALSE(emu::HasAttribute(first, 40273));
    EXPECT_EQ(emu::CheckIntegrity(first), "");
}

TEST_F(OutlineChainTest, OpeningAndClosingFollowTheEnds) {
    const ZedId square = Square(0, 0, 10);
    EXPECT_EQ(ZedFigSetClosed(square, 0), 0);
    EXPECT_EQ(ZedFigIsClosed(square), 0);
    EXPECT_EQ(ZedFigSetClosed(square, 1), 0);
    EXPECT_EQ(ZedFigIsClosed(square), 1);

    const ZedId circle = emu::AddSegment(ZED_SGM_FIGURE, kLayer);
    ASSERT_GT(emu::AddFigure(circle, emu::Circle(3, 3, 1)), 0);
    EXPECT_EQ(ZedFigIsClosed(circle), 1);
    EXPECT_EQ(ZedFigSetClosed(circle, 1), 0);
    EXPECT_EQ(ZedFigSetClosed(circle, 0), -1);
}

// ---------------------------------------------------------------------------
// Deleting elements
// ---------------------------------------------------------------------------

TEST_F(OutlineChainTest, DeletingInAClosedChainOpensItAfterTheDeletedElement) {
    const ZedId square = Square(0, 0, 10);
    const std::vector<ZedId> ids = emu::Chain(square);
    ASSERT_EQ(ZedElmDeleteElement(ids[1]), 0);
    EXPECT_EQ(emu::Chain(square), (std::vector<ZedId>{ids[2], ids[3], ids[0]}));
    EXPECT_EQ(ZedFigIsClosed(square), 0);
    EXPECT_FALSE(emu::ElementExists(ids[1]));
    EXPECT_EQ(emu::CheckIntegrity(square), "");

    // Now at the ends of an open chain: it only gets shorter.
    ASSERT_EQ(ZedElmDeleteElement(ids[2]), 0);
    ASSERT_EQ(ZedElmDeleteElement(ids[0]), 0);
    EXPECT_EQ(emu::Chain(square), (std::vector<ZedId>{ids[3]}));
    ASSERT_EQ(ZedElmDeleteElement(ids[3]), 0);
    EXPECT_FALSE(emu::SegmentExists(square));
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
}

TEST_F(OutlineChainTest, DeletingInsideAnOpenChainSplitsItAndTheAttributesStayWithTheFirstPart) {
    const ZedId chain = Polyline({Pt(0, 0), Pt(1, 0), Pt(2, 0), Pt(3, 0), Pt(4, 0), Pt(5, 0)}, 2);
    ZedAttrValue tag{ZED_ATTR_INTEGER, 0, {}};
    tag.value.integer = 1;
    ASSERT_EQ(ZedSgmSetAttribute(chain, 40270, &tag), 0);
    const std::vector<ZedId> ids = emu::Chain(chain);

    ASSERT_EQ(ZedElmDeleteElement(ids[2]), 0);
    EXPECT_EQ(emu::Chain(chain), (std::vector<ZedId>{ids[0], ids[1]}));
    const ZedId rest = ZedElmGetSegment(ids[3]);
    ASSERT_NE(rest, chain);
    EXPECT_GT(rest, ids.back());
    EXPECT_EQ(emu::Chain(rest), (std::vector<ZedId>{ids[3], ids[4]}));
    EXPECT_EQ(emu::SegmentLayer(rest), 2);
    EXPECT_EQ(ZedFigIsClosed(rest), 0);
    EXPECT_TRUE(emu::HasAttribute(chain, 40270));
    EXPECT_FALSE(emu::HasAttribute(rest, 40270));
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
}

TEST_F(OutlineChainTest, DeletingADimensionTakesItsSegmentWithIt) {
    const ZedId segment = ZedSgmCreateSegment(ZED_SGM_DIMENSION, 0);
    ZedLengthDim dim{};
    dim.first = Pt(0, 0);
    dim.second = Pt(5, 0);
    dim.firstElement = -1;
    dim.secondElement = -1;
    dim.offset = 10;
    dim.flag80 = 1;
    const ZedId element = ZedDimCreateLineLength(segment, &dim);
    ASSERT_GT(element, 0);
    EXPECT_EQ(ZedElmGetType(element), -1);
    ASSERT_EQ(ZedElmDeleteElement(element), 0);
    EXPECT_FALSE(emu::SegmentExists(segment));
    EXPECT_FALSE(emu::ElementExists(element));
}

// ---------------------------------------------------------------------------
// Segments and line attributes
// ---------------------------------------------------------------------------

TEST_F(OutlineChainTest, SegmentsGoOnTheCurrentLayerAndMoveOnlyToLayersThatExist) {
    emu::SetCurrentLayer(2);
    const ZedId segment = ZedSgmCreateSegment(ZED_SGM_NOTE, 0);
    EXPECT_EQ(ZedSgmGetType(segment), ZED_SGM_NOTE);
    EXPECT_EQ(ZedSgmGetLayer(segment), 2);
    EXPECT_EQ(ZedSgmGetElementCount(segment), 0);
    EXPECT_EQ(ZedSgmGetHeadElementId(segment), -1);
    EXPECT_EQ(ZedSgmChangeLayer(segment, 1), 0);
    EXPECT_EQ(ZedSgmGetLayer(segment), 1);
    EXPECT_EQ(ZedSgmChangeLayer(segment, 99), -1);
    EXPECT_EQ(ZedSgmGetLayer(segment), 1);

    emu::SetCurrentLayer(99);
    EXPECT_EQ(ZedSgmCreateSegment(ZED_SGM_FIGURE, 0), -1);
}

TEST_F(OutlineChainTest, TheShortLineAttributesAreTheColourAndLineTypeOfTheFullRecord) {
    const ZedId square = Square(0, 0, 10);
    const ZedFigRef ref = Ref(emu::Chain(square)[0]);
    const ZedLineType2 full{4, 11, 12, 13, 5, 6, 17, 18};
    ASSERT_EQ(ZedFigSetLineType2(&ref, &full), 0);
    ZedLineType shortForm{};
    ASSERT_EQ(ZedFigGetLineType(&ref, &shortForm), 0);
    EXPECT_EQ(shortForm.colour, 4);
    EXPECT_EQ(shortForm.lineType, 5);
    EXPECT_EQ(shortForm.reserved, 0);

    const ZedLineType changed{9, 2, 77};
    ASSERT_EQ(ZedFigSetLineType(&ref, &changed), 0);
    ZedLineType2 back{};
    ASSERT_EQ(ZedFigGetLineType2(&ref, &back), 0);
    const ZedLineType2 expected{9, 11, 12, 13, 2, 6, 17, 18};
    EXPECT_EQ(std::memcmp(&back, &expected, sizeof back), 0);

    // A new element starts with all-zero attributes.
    const ZedId open = ZedSgmCreateSegment(ZED_SGM_FIGURE, 0);
    const ZedFigure line = emu::Line(0, 0, 1, 1);
    const ZedFigRef fresh = Ref(ZedFigCreateFigure(open, &line));
    ASSERT_EQ(ZedFigGetLineType2(&fresh, &back), 0);
    const ZedLineType2 zeros{};
    EXPECT_EQ(std::memcmp(&back, &zeros, sizeof back), 0);
}

}  // namespace
