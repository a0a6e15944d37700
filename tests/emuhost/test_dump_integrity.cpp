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
    leader.four144 = 4;
    leader.three152 = 3.0;
    leader.two160 = 2.0;
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

// A closed outline laid out in one direction and then in the other is simple,
// or meets itself (crossing, touching, overlapping) where the row says.
struct OutlineRow {
    const char* name;
    std::vector<ZedFigure> figures;
    bool simple;
};

void PrintTo(const OutlineRow& row, std::ostream* os) { *os << row.name; }

class SimpleOutlineTest : public EmuDrawingTest, public ::testing::WithParamInterface<OutlineRow> {
protected:
    // The same chain run the other way round.
    static std::vector<ZedFigure> Reversed(const std::vector<ZedFigure>& figures) {
        std::vector<ZedFigure> reversed;
        for (auto it = figures.rbegin(); it != figures.rend(); ++it) {
            const ZedFigure& f = *it;
            if (f.kind == ZED_FIG_LINE) {
                reversed.push_back(emu::Line(f.v[2], f.v[3], f.v[0], f.v[1]));
            } else {
                const int flag = emu::ArcFlag(f) == ZED_ARC_CW ? ZED_ARC_CCW : ZED_ARC_CW;
                reversed.push_back(emu::Arc(f.v[0], f.v[1], f.v[4], f.v[5], f.v[2], f.v[3], flag));
            }
        }
        return reversed;
    }
};

TEST_P(SimpleOutlineTest, EitherWayRoundTheCheckFindsWhereTheOutlineMeetsItself) {
    const OutlineRow& row = GetParam();
    for (const auto& figures : {row.figures, Reversed(row.figures)}) {
        const ZedId segment = emu::AddOutline(kLayer, figures, true);
        ASSERT_GT(segment, 0) << row.name;
        const std::string problem = emu::CheckIntegrity(segment);
        if (row.simple) {
            EXPECT_EQ(problem, "") << row.name;
        } else {
            EXPECT_NE(problem.find("meets itself"), std::string::npos) << row.name << ": " << problem;
            EXPECT_EQ(emu::CheckAllIntegrity(), problem);
        }
        ASSERT_EQ(ZedSgmDeleteSegment(segment), 0);
    }
}

using emu::Arc;
using emu::Line;

INSTANTIATE_TEST_SUITE_P(
    Outlines, SimpleOutlineTest,
    ::testing::Values(
        OutlineRow{"Square", {Line(0, 0, 10, 0), Line(10, 0, 10, 10), Line(10, 10, 0, 10), Line(0, 10, 0, 0)}, true},
        OutlineRow{"StraightPiecesInARow",
                   {Line(0, 0, 5, 0), Line(5, 0, 10, 0), Line(10, 0, 10, 10), Line(10, 10, 0, 10), Line(0, 10, 0, 0)},
                   true},
        OutlineRow{"TangentFillet",
                   {Line(0, 0, 8, 0), Arc(8, 2, 8, 0, 10, 2, ZED_ARC_CCW), Line(10, 2, 10, 10), Line(10, 10, 0, 10),
                    Line(0, 10, 0, 0)},
                   true},
        OutlineRow{"LineAndHalfCircle", {Line(-1, 0, 1, 0), Arc(0, 0, 1, 0, -1, 0, ZED_ARC_CCW)}, true},
        OutlineRow{"SlotOfTwoLinesAndTwoEnds",
                   {Line(0, 1, 10, 1), Arc(10, 0, 10, 1, 10, -1, ZED_ARC_CW), Line(10, -1, 0, -1),
                    Arc(0, 0, 0, -1, 0, 1, ZED_ARC_CW)},
                   true},
        OutlineRow{"ArcBulgingOutwards",
                   {Line(0, 0, 10, 0), Line(10, 0, 10, 2), Arc(5, 2, 10, 2, 0, 2, ZED_ARC_CCW), Line(0, 2, 0, 0)},
                   true},
        OutlineRow{"NotchStoppingShortOfTheFarSide",
                   {Line(0, 0, 10, 0), Line(10, 0, 10, 10), Line(10, 10, 5.1, 10), Line(5.1, 10, 5, 1e-5),
                    Line(5, 1e-5, 4.9, 10), Line(4.9, 10, 0, 10), Line(0, 10, 0, 0)},
                   true},
        OutlineRow{"BowTie", {Line(0, 0, 10, 10), Line(10, 10, 10, 0), Line(10, 0, 0, 10), Line(0, 10, 0, 0)}, false},
        OutlineRow{"VertexOnAFarSide",
                   {Line(0, 0, 10, 0), Line(10, 0, 10, 10), Line(10, 10, 5, 0), Line(5, 0, 0, 10), Line(0, 10, 0, 0)},
                   false},
        OutlineRow{"NotchSnappedOntoTheFarSide",
                   {Line(0, 0, 10, 0), Line(10, 0, 10, 10), Line(10, 10, 5.1, 10), Line(5.1, 10, 5, 4e-7),
                    Line(5, 4e-7, 4.9, 10), Line(4.9, 10, 0, 10), Line(0, 10, 0, 0)},
                   false},
        OutlineRow{"TabWithItsSidesSwapped",
                   {Line(0, 0, 20, 0), Line(20, 0, 20, 10), Line(20, 10, 8, 10), Line(8, 10, 8, 15),
                    Line(8, 15, 12, 15), Line(12, 15, 12, 10), Line(12, 10, 0, 10), Line(0, 10, 0, 0)},
                   false},
        OutlineRow{"NeighbourDoublingBack",
                   {Line(0, 0, 10, 0), Line(10, 0, 10, 5), Line(10, 5, 5, 5), Line(5, 5, 5, 0), Line(5, 0, 0, 0)},
                   false},
        OutlineRow{"TwoPiecesOnEachOther", {Line(0, 0, 10, 0), Line(10, 0, 0, 0)}, false},
        OutlineRow{"PinchedFigureEight",
                   {Line(0, 0, 4, 0), Line(4, 0, 4, 4), Line(4, 4, 8, 4), Line(8, 4, 8, 8), Line(8, 8, 4, 8),
                    Line(4, 8, 4, 4), Line(4, 4, 0, 4), Line(0, 4, 0, 0)},
                   false},
        OutlineRow{"ArcCrossingTheFarSide",
                   {Line(0, 0, 10, 0), Line(10, 0, 10, 2), Arc(5, 2, 10, 2, 0, 2, ZED_ARC_CW), Line(0, 2, 0, 0)},
                   false},
        OutlineRow{"ArcTouchingTheFarSide",
                   {Line(0, 0, 10, 0), Line(10, 0, 10, 5), Arc(5, 5, 10, 5, 0, 5, ZED_ARC_CW), Line(0, 5, 0, 0)},
                   false},
        OutlineRow{"ArcDoublingBackOnItsCircle",
                   {Arc(0, 0, 5, 0, 0, 5, ZED_ARC_CCW), Arc(0, 0, 0, 5, 3, 4, ZED_ARC_CW), Line(3, 4, 5, 0)}, false},
        OutlineRow{"ArcsTouchingEachOther",
                   {Line(0, 0, 10, 0), Arc(10, 5, 10, 0, 10, 10, ZED_ARC_CW), Line(10, 10, 0, 10),
                    Arc(0, 5, 0, 10, 0, 0, ZED_ARC_CW)},
                   false}),
    [](const ::testing::TestParamInfo<OutlineRow>& info) { return std::string(info.param.name); });

TEST_F(IntegrityTest, ALongOutlineIsCheckedAndItsOneCrossingFound) {
    // A comb of 10,000 pieces: teeth along the bottom, then back along the top.
    std::vector<ZedFigure> figures;
    const int teeth = 4999;
    for (int i = 0; i < teeth; ++i) {
        figures.push_back(Line(i, 0, i + 0.5, 1));
        figures.push_back(Line(i + 0.5, 1, i + 1, 0));
    }
    figures.push_back(Line(teeth, 0, teeth, 3));
    figures.push_back(Line(teeth, 3, 0, 3));
    figures.push_back(Line(0, 3, 0, 0));
    const ZedId sound = emu::AddOutline(kLayer, figures, true);
    ASSERT_GT(sound, 0);
    EXPECT_EQ(emu::CheckIntegrity(sound), "");
    // One tooth reaching through the top side.
    figures[2000] = Line(1000, 0, 1000.5, 4);
    figures[2001] = Line(1000.5, 4, 1001, 0);
    const ZedId crossed = emu::AddOutline(kLayer, figures, true);
    const std::string problem = emu::CheckIntegrity(crossed);
    EXPECT_NE(problem.find("meets itself: elements " + std::to_string(emu::Chain(crossed)[2000])), std::string::npos)
        << problem;
}

}  // namespace
