// The drawing dump and the chain integrity check.
#include "outline_test_support.h"

namespace {

using namespace outline_test;

class DumpTest : public ::testing::Test {
protected:
    void SetUp() override { emu::Reset(); }
    void TearDown() override { emu::Reset(); }
};

// Lays out one of each kind of segment through layout helpers and host calls.
void LayOutSample() {
    emu::AddLayer(1, "Outline", 3);
    emu::AddLayer(2, "Notes", 5, false, true);
    emu::SetCurrentLayer(1);
    const ZedLineType2 attributes{2, 0, 0, 0, 1, 0, 0, 0};
    const ZedId outline = emu::AddOutline(
        1, {emu::Line(0, 0, 4, 0), emu::Arc(4, 2, 4, 0, 4, 4, ZED_ARC_CCW), emu::Line(4, 4, 0, 0)}, true, &attributes);
    const ZedString tagText = emu::FromUtf8("SymbolShoulder");
    ZedAttrValue tag{ZED_ATTR_TEXT, 0, {}};
    tag.value.text = tagText.c_str();
    ZedSgmSetAttribute(outline, 40272, &tag);
    ZedAttrValue number{ZED_ATTR_INTEGER, 0, {}};
    number.value.integer = 7;
    ZedSgmSetAttribute(outline, 40270, &number);

    const ZedId circle = emu::AddSegment(ZED_SGM_FIGURE, 1);
    emu::AddFigure(circle, emu::Circle(10, 10, 1.5));

    const ZedId dimensions = ZedSgmCreateSegment(ZED_SGM_DIMENSION, 0);
    ZedLengthDim dim{};
    dim.first = Pt(0, 0);
    dim.second = Pt(4, 0);
    dim.firstElement = emu::Chain(outline)[0];
    dim.secondElement = emu::Chain(outline)[0];
    dim.offset = -10;
    dim.flag80 = 1;
    ZedDimCreateLineLength(dimensions, &dim);

    emu::SetCurrentLayer(2);
    const ZedId notes = ZedSgmCreateSegment(ZED_SGM_NOTE, 0);
    const ZedString noteText = emu::FromUtf8("깊이 5");
    ZedLeader leader{};
    leader.kind = ZED_LEADER_KIND;
    leader.first = Pt(1, 1);
    leader.second = Pt(3, 5);
    leader.third = Pt(3, 5);
    leader.text = noteText.c_str();
    leader.one112 = 1;
    ZedCmtCreateLeader(notes, &leader);
}

TEST_F(DumpTest, TheDumpListsLayersSegmentsAttributesAndElementsInFixedDecimals) {
    LayOutSample();
    const std::string lineAttributes = "; colour 2, line type 1, other 0 0 0 0 0 0\n";
    const std::string expected =
        "layer 1 visible 1 detect 1 colour 3 name \"Outline\"\n"
        "layer 2 visible 0 detect 1 colour 5 name \"Notes\"\n"
        "current layer 2\n"
        "segment 1 figure layer 1 closed\n"
        "  attribute 40270 integer 7\n"
        "  attribute 40272 text \"SymbolShoulder\"\n"
        "  element 2 line (0.000000, 0.000000) -> (4.000000, 0.000000)" +
        lineAttributes +
        "  element 3 arc centre (4.000000, 2.000000) (4.000000, 0.000000) -> (4.000000, 4.000000) radius 2.000000 "
        "ccw" +
        lineAttributes + "  element 4 line (4.000000, 4.000000) -> (0.000000, 0.000000)" + lineAttributes +
        "segment 5 figure layer 1 closed\n"
        "  element 6 circle centre (10.000000, 10.000000) radius 1.500000; colour 0, line type 0, other 0 0 0 0 0 0\n"
        "segment 7 dimension layer 1\n"
        "  element 8 length (0.000000, 0.000000) at element 2 -> (4.000000, 0.000000) at element 2 offset "
        "-10.000000 value 4.000000\n"
        "segment 9 note layer 2\n"
        "  element 10 leader (1.000000, 1.000000) text at (3.000000, 5.000000) and (3.000000, 5.000000) "
        "\"깊이 5\"\n";
    EXPECT_EQ(emu::Dump(), expected);
}

TEST_F(DumpTest, EqualDrawingsDumpEquallyAndEveryVisibleChangeShows) {
    LayOutSample();
    const std::string first = emu::Dump();
    emu::Reset();
    LayOutSample();
    ASSERT_EQ(emu::Dump(), first);

    const ZedFigRef line = Ref(2);
    const ZedFigure moved = emu::Line(0, 0, 4, 0.001);
    ASSERT_EQ(ZedFigAmendFigure(&line, &moved), 0);
    EXPECT_NE(emu::Dump(), first);
    const ZedFigure back = emu::Line(0, 0, 4, 0);
    ASSERT_EQ(ZedFigAmendFigure(&line, &back), 0);
    EXPECT_EQ(emu::Dump(), first);
    ASSERT_EQ(ZedFigSetClosed(1, 0), 0);
    EXPECT_NE(emu::Dump(), first);
}

class IntegrityTest : public EmuDrawingTest {};

TEST_F(IntegrityTest, ABrokenChainAndAnUnclosedClosedChainAreFound) {
    const ZedId square = Square(0, 0, 10);
    const ZedId other = Square(20, 0, 5);
    const std::vector<ZedId> ids = emu::Chain(square);
    EXPECT_EQ(emu::CheckAllIntegrity(), "");

    const ZedFigRef second = Ref(ids[1]);
    const ZedFigure shifted = emu::Line(10, 1, 10, 10);
    ASSERT_EQ(ZedFigAmendFigure(&second, &shifted), 0);
    const std::string broken = emu::CheckIntegrity(square);
    EXPECT_NE(broken.find("do not touch"), std::string::npos) << broken;
    EXPECT_NE(broken.find(std::to_string(ids[1])), std::string::npos) << broken;
    EXPECT_EQ(emu::CheckIntegrity(other), "");
    EXPECT_EQ(emu::CheckAllIntegrity(), broken);

    const ZedFigure restored = emu::Line(10, 0, 10, 10);
    ASSERT_EQ(ZedFigAmendFigure(&second, &restored), 0);
    const ZedFigRef last = Ref(ids[3]);
    const ZedFigure shortLast = emu::Line(0, 10, 0, 1);
    ASSERT_EQ(ZedFigAmendFigure(&last, &shortLast), 0);
    EXPECT_NE(emu::CheckIntegrity(square).find("does not close"), std::string::npos) << emu::CheckIntegrity(square);
    // Open, the same chain is sound.
    ASSERT_EQ(ZedFigSetClosed(square, 0), 0);
    EXPECT_EQ(emu::CheckIntegrity(square), "");
    EXPECT_NE(emu::CheckIntegrity(999), "");
}

}  // namespace
