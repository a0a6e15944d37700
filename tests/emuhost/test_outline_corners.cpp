// Filleted and chamfered corners: how they are laid out and reported, and the
// calls that turn them into plain elements or remove them.
#include <cstring>
#include <numbers>

#include "outline_test_support.h"

namespace {

using namespace outline_test;

using OutlineCornerTest = EmuDrawingTest;

std::vector<int> Kinds(const std::vector<ZedFigure>& figures) {
    std::vector<int> kinds;
    for (const ZedFigure& figure : figures) {
        kinds.push_back(figure.kind);
    }
    return kinds;
}

ZedFigure Chamfer(double x1, double y1, double x2, double y2) {
    ZedFigure figure = emu::Line(x1, y1, x2, y2);
    figure.kind = ZED_FIG_CHAMFER;
    return figure;
}

TEST_F(OutlineCornerTest, CornersReportTheirOwnKindsButPlainKindsInTheOutlineList) {
    const ZedId square = Square(0, 0, 10);
    const std::vector<ZedId> sides = emu::Chain(square);
    const ZedLineType2 attributes{6, 0, 0, 0, 3, 0, 0, 0};
    const ZedFigRef firstSide = Ref(sides[0]);
    ASSERT_EQ(ZedFigSetLineType2(&firstSide, &attributes), 0);
    const ZedId fillet = emu::AddFillet(sides[0], 2);
    const ZedId chamfer = emu::AddChamfer(sides[1], 3);
    ASSERT_GT(fillet, 0);
    ASSERT_GT(chamfer, 0);

    const ZedFigure arc = emu::FigureOf(fillet);
    EXPECT_EQ(arc.kind, ZED_FIG_FILLET);
    EXPECT_EQ(emu::ArcFlag(arc), ZED_ARC_CCW);
    ExpectPoint(Pt(arc.v[0], arc.v[1]), 8, 2);
    ExpectPoint(StartPoint(arc), 8, 0);
    ExpectPoint(EndPoint(arc), 10, 2);
    ExpectPoint(StartPoint(emu::FigureOf(chamfer)), 10, 7);
    ExpectPoint(EndPoint(emu::FigureOf(chamfer)), 7, 10);
    EXPECT_EQ(emu::AttributesOf(fillet).colour, 6);

    EXPECT_EQ(emu::Chain(square), (std::vector<ZedId>{sides[0], fillet, sides[1], chamfer, sides[2], sides[3]}));
    EXPECT_EQ(ZedElmGetType(fillet), ZED_FIG_FILLET);
    EXPECT_EQ(ZedElmGetType(chamfer), ZED_FIG_CHAMFER);
    const ZedFigRef ref = Ref(chamfer);
    ZedFigure read{};
    ASSERT_EQ(ZedFigGetFigure(&ref, &read), 0);
    EXPECT_EQ(read.kind, ZED_FIG_CHAMFER);

    const std::vector<ZedFigure> outline = OutlineList(square);
    EXPECT_EQ(Kinds(outline), (std::vector<int>{1, 3, 1, 1, 1, 1}));
    EXPECT_NEAR(SignedArea(outline), 100 - (4 - std::numbers::pi) - 4.5, 1e-9);
    EXPECT_EQ(emu::CheckIntegrity(square), "");
}

TEST_F(OutlineCornerTest, AFilletTurnsTheWayItsChainTurns) {
    // The same square drawn clockwise: the fillet at (0, 0) runs clockwise
    // about a centre inside the square.
    const ZedId square = emu::AddOutline(
        kLayer, {emu::Line(0, 0, 0, 10), emu::Line(0, 10, 10, 10), emu::Line(10, 10, 10, 0), emu::Line(10, 0, 0, 0)},
        true);
    const ZedId fillet = emu::AddFillet(emu::Chain(square)[3], 2);
    ASSERT_GT(fillet, 0);
    const ZedFigure arc = emu::FigureOf(fillet);
    EXPECT_EQ(emu::ArcFlag(arc), ZED_ARC_CW);
    ExpectPoint(Pt(arc.v[0], arc.v[1]), 2, 2);
    ExpectPoint(StartPoint(arc), 2, 0);
    ExpectPoint(EndPoint(arc), 0, 2);
    EXPECT_EQ(emu::Chain(square).back(), fillet);
    EXPECT_NEAR(SignedArea(ChainFigures(square)), -(100 - (4 - std::numbers::pi)), 1e-9);
    EXPECT_EQ(emu::CheckIntegrity(square), "");
}

TEST_F(OutlineCornerTest, ChangingACornerGivesAPlainElementWithANewIdInItsPlace) {
    const ZedId square = Square(0, 0, 10);
    const ZedId fillet = emu::AddFillet(emu::Chain(square)[2], 1.5);
    const ZedFigure laidOut = emu::FigureOf(fillet);
    const ZedId plain = ZedFigChangeCorner(fillet);
    ASSERT_GT(plain, fillet);
    EXPECT_FALSE(emu::ElementExists(fillet));
    EXPECT_EQ(ZedElmGetType(plain), ZED_FIG_ARC);
    EXPECT_EQ(ZedElmGetElementOrder(plain), 4);
    ZedFigure expected = laidOut;
    expected.kind = ZED_FIG_ARC;
    const ZedFigure changed = emu::FigureOf(plain);
    EXPECT_EQ(std::memcmp(&changed, &expected, sizeof changed), 0);
    EXPECT_EQ(ZedFigIsClosed(square), 1);

    EXPECT_EQ(ZedFigChangeCorner(plain), -1);
    const ZedId chamfer = emu::AddChamfer(emu::Chain(square)[0], 1);
    const ZedId line = ZedFigChangeCorner(chamfer);
    EXPECT_EQ(ZedElmGetType(line), ZED_FIG_LINE);
    EXPECT_EQ(emu::CheckIntegrity(square), "");
}

TEST_F(OutlineCornerTest, RemovingACornerExtendsItsNeighboursToTheirCrossing) {
    const ZedId square = Square(0, 0, 10);
    const std::vector<ZedId> sides = emu::Chain(square);
    // The corner at (0, 0) closes the chain: it lies between the tail and the head.
    const ZedId chamfer = emu::AddChamfer(sides[3], 2);
    ASSERT_EQ(emu::Chain(square).back(), chamfer);
    ASSERT_EQ(ZedFigRemoveCorner(chamfer), 0);
    EXPECT_EQ(emu::Chain(square), sides);
    ExpectPoint(EndPoint(emu::FigureOf(sides[3])), 0, 0);
    ExpectPoint(StartPoint(emu::FigureOf(sides[0])), 0, 0);
    EXPECT_NEAR(SignedArea(ChainFigures(square)), 100, 1e-9);
    EXPECT_EQ(emu::CheckIntegrity(square), "");

    const ZedId fillet = emu::AddFillet(sides[1], 3);
    ASSERT_EQ(ZedFigRemoveCorner(fillet), 0);
    ExpectPoint(EndPoint(emu::FigureOf(sides[1])), 10, 10);
    EXPECT_EQ(ZedFigRemoveCorner(sides[1]), -1);
}

TEST_F(OutlineCornerTest, ACornerIsRemovedOnlyBetweenTwoLinesThatCanMeetAhead) {
    struct Case {
        const char* what;
        std::vector<ZedFigure> figures;
        size_t corner;
        bool removable;
    };
    const std::vector<Case> cases = {
        {"between crossing lines", {emu::Line(0, 0, 5, 0), Chamfer(5, 0, 6, 1), emu::Line(6, 1, 6, 5)}, 1, true},
        {"at the end of an open chain", {emu::Line(0, 0, 5, 0), Chamfer(5, 0, 6, 1)}, 1, false},
        {"next to an arc",
         {emu::Arc(5, 5, 5, 0, 0, 5, ZED_ARC_CW), Chamfer(0, 5, 1, 6), emu::Line(1, 6, 1, 9)},
         1,
         false},
        {"between parallel lines", {emu::Line(0, 0, 5, 0), Chamfer(5, 0, 5, 1), emu::Line(5, 1, 0, 1)}, 1, false},
        {"where a line would turn round", {emu::Line(0, 0, 5, 0), Chamfer(5, 0, 6, 1), emu::Line(6, 1, 13, 2)}, 1,
         false},
    };
    for (const Case& c : cases) {
        const ZedId segment = emu::AddOutline(kLayer, c.figures, false);
        ASSERT_GT(segment, 0) << c.what;
        const ZedId corner = emu::Chain(segment)[c.corner];
        const std::string before = emu::Dump();
        emu::ResetCallLog();
        EXPECT_EQ(ZedFigRemoveCorner(corner) == 0, c.removable) << c.what;
        if (c.removable) {
            EXPECT_EQ(emu::CheckIntegrity(segment), "") << c.what;
            ExpectPoint(EndPoint(emu::FigureOf(emu::Chain(segment)[0])), 6, 0);
        } else {
            EXPECT_EQ(emu::Dump(), before) << c.what;
            EXPECT_TRUE(emu::Journal().empty()) << c.what;
        }
    }
}

TEST_F(OutlineCornerTest, LayoutRefusesCornersThatDoNotFit) {
    const ZedId square = Square(0, 0, 10);
    const std::vector<ZedId> sides = emu::Chain(square);
    EXPECT_EQ(emu::AddFillet(sides[0], 10), -1);
    EXPECT_EQ(emu::AddChamfer(sides[0], 10), -1);
    const ZedId straight = emu::AddOutline(kLayer, {emu::Line(0, 20, 5, 20), emu::Line(5, 20, 9, 20)}, false);
    EXPECT_EQ(emu::AddFillet(emu::Chain(straight)[0], 1), -1);
    EXPECT_EQ(emu::AddChamfer(emu::Chain(straight)[1], 1), -1);
    EXPECT_EQ(emu::Chain(square), sides);
}

}  // namespace
