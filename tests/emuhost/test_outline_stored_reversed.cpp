// Elements stored the other way round from their chain (a drawing joined end
// to end): what the reading calls, the dividing, amending, joining, closing
// and corner calls, the integrity check and the dump make of them. The plate
// is a square from (0, 0) to (10, 10), counter-clockwise, whose right side is
// a half disc bulging to x = 15; the flags say which elements are stored
// turned round.
#include <array>
#include <string>

#include "outline_test_support.h"

namespace {

using namespace outline_test;

class StoredReversedTest : public EmuDrawingTest {
protected:
    // The chain's way: bottom, arc, top, left.
    static std::vector<ZedFigure> ChainWay() {
        return {emu::Line(0, 0, 10, 0), emu::Arc(10, 5, 10, 0, 10, 10, ZED_ARC_CCW), emu::Line(10, 10, 0, 10),
                emu::Line(0, 10, 0, 0)};
    }

    ZedId Plate(const std::vector<bool>& reversed, bool closed = true) {
        const ZedId segment = emu::AddOutline(kLayer, ChainWay(), closed, nullptr, reversed);
        EXPECT_GT(segment, 0);
        ids_ = emu::Chain(segment);
        return segment;
    }

    static ZedFigure Stored(ZedId element) {
        ZedFigure figure{};
        const ZedFigRef ref = Ref(element);
        EXPECT_EQ(ZedFigGetFigure(&ref, &figure), 0);
        return figure;
    }

    static void ExpectPoint(const ZedPoint& actual, double x, double y) {
        EXPECT_NEAR(actual.x, x, 1e-9);
        EXPECT_NEAR(actual.y, y, 1e-9);
    }

    std::vector<ZedId> ids_;
};

TEST_F(StoredReversedTest, ElementsReadAsStoredAndTheOutlineListRunsTheChainsWay) {
    const ZedId plate = Plate({true, true, false, true});
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
    // As stored: the bottom from (10, 0) to (0, 0), the arc clockwise from the top.
    const ZedFigure bottom = Stored(ids_[0]);
    ExpectPoint(StartPoint(bottom), 10, 0);
    ExpectPoint(EndPoint(bottom), 0, 0);
    const ZedFigure arc = Stored(ids_[1]);
    ExpectPoint(StartPoint(arc), 10, 10);
    EXPECT_EQ(emu::ArcFlag(arc), ZED_ARC_CW);
    EXPECT_TRUE(emu::StoredReversed(ids_[0]));
    EXPECT_FALSE(emu::StoredReversed(ids_[2]));
    // The outline list walks the chain: every record starts where the one before ends.
    const std::vector<ZedFigure> list = OutlineList(plate);
    ASSERT_EQ(list.size(), 4u);
    for (size_t i = 0; i < list.size(); ++i) {
        const ZedFigure expected = ChainWay()[i];
        ExpectPoint(StartPoint(list[i]), StartPoint(expected).x, StartPoint(expected).y);
        ExpectPoint(EndPoint(list[i]), EndPoint(expected).x, EndPoint(expected).y);
        EXPECT_EQ(emu::ArcFlag(list[i]), emu::ArcFlag(expected));
    }
    EXPECT_GT(SignedArea(list), 0);
    const std::string dump = emu::Dump();
    EXPECT_NE(dump.find("line (10.000000, 0.000000) -> (0.000000, 0.000000) stored reversed"), std::string::npos)
        << dump;
    // The flags, when given, are one a figure.
    EXPECT_EQ(emu::AddOutline(kLayer, ChainWay(), true, nullptr, {true, false}), -1);
}

// Dividing inside an element stored turned round: both pieces stay so, the
// head (from the point on, the chain's way) has its stored end at the point.
TEST_F(StoredReversedTest, DividingKeepsThePiecesStoredTheirWay) {
    struct Row {
        const char* where;
        ZedPoint at;
    };
    for (const Row& row : {Row{"inside a line", Pt(4, 0)}, Row{"inside the arc", Pt(15, 5)},
                           Row{"where the chain enters the bottom", Pt(0, 0)}}) {
        SetUp();
        const ZedId plate = Plate({true, true, true, true});
        const ZedFigRef ref = Ref(plate);
        ZedId divided = -1;
        ASSERT_EQ(ZedFigDivide(&ref, &row.at, &divided), 0) << row.where;
        const std::vector<ZedId> chain = emu::Chain(plate);
        const ZedId head = chain.front();
        const ZedId tail = chain.back();
        EXPECT_TRUE(emu::StoredReversed(head) && emu::StoredReversed(tail)) << row.where;
        ExpectPoint(EndPoint(Stored(head)), row.at.x, row.at.y);
        ExpectPoint(StartPoint(Stored(tail)), row.at.x, row.at.y);
        EXPECT_EQ(emu::CheckIntegrity(plate), "");
        EXPECT_EQ(ZedFigSetClosed(plate, 1), 0);
        TearDown();
    }
}

TEST_F(StoredReversedTest, AnAmendIsTakenAsStoredSoTurningARecordRoundBreaksTheChain) {
    const ZedId plate = Plate({true, false, false, false});
    const ZedFigRef bottom = Ref(ids_[0]);
    // Shortened at the chain's start, the stored end: the chain breaks there.
    ZedFigure shorter = emu::Line(10, 0, 2, 0);
    ASSERT_EQ(ZedFigAmendFigure(&bottom, &shorter), 0);
    EXPECT_NE(emu::CheckIntegrity(plate).find("does not close"), std::string::npos) << emu::CheckIntegrity(plate);
    // Written the chain's way, the record is still taken as stored: it now runs backwards.
    const ZedFigure chainWay = emu::Line(0, 0, 10, 0);
    ASSERT_EQ(ZedFigAmendFigure(&bottom, &chainWay), 0);
    EXPECT_TRUE(emu::StoredReversed(ids_[0]));
    EXPECT_NE(emu::CheckIntegrity(plate), "");
    const ZedFigure stored = emu::Line(10, 0, 0, 0);
    ASSERT_EQ(ZedFigAmendFigure(&bottom, &stored), 0);
    EXPECT_EQ(emu::CheckIntegrity(plate), "");
}

TEST_F(StoredReversedTest, NewElementsRunTheChainsWayFromWhereItLeavesItsStoredElements) {
    // Open from (0, 0) round to (0, 10): the last element (left side) is left out.
    std::vector<ZedFigure> open = ChainWay();
    open.pop_back();
    const ZedId plate = emu::AddOutline(kLayer, open, false, nullptr, {true, true, true});
    ids_ = emu::Chain(plate);
    // The chain ends at (0, 10), the top's stored start; a figure from its stored end is refused.
    const ZedFigure fromStoredEnd = emu::Line(10, 10, 0, 0);
    EXPECT_EQ(ZedFigCreateFigure(plate, &fromStoredEnd), -1);
    const ZedId other = ZedSgmCreateSegment(ZED_SGM_FIGURE, 0);
    const ZedFigure left = emu::Line(0, 10, 0, 0);
    ASSERT_GT(ZedFigCreateFigure(other, &left), 0);
    // A figure in front of the bottom must end where the chain enters it, (0, 0).
    const ZedFigure intoStoredStart = emu::Line(5, -5, 10, 0);
    EXPECT_EQ(ZedFigInsertFigure(ids_[0], &intoStoredStart), -1);
    EXPECT_EQ(ZedFigConcat(plate, other), plate);
    EXPECT_EQ(ZedFigSetClosed(plate, 1), 0);
    EXPECT_EQ(emu::CheckIntegrity(plate), "");
    EXPECT_TRUE(emu::StoredReversed(ids_[2]));
}

TEST_F(StoredReversedTest, CornersBetweenStoredReversedLinesCutAndMeetAtTheRightEnds) {
    const std::vector<ZedPoint> square{Pt(0, 0), Pt(10, 0), Pt(10, 10), Pt(0, 10)};
    std::vector<ZedFigure> lines;
    for (size_t i = 0; i < square.size(); ++i) {
        const ZedPoint a = square[i], b = square[(i + 1) % square.size()];
        lines.push_back(emu::Line(a.x, a.y, b.x, b.y));
    }
    for (const bool fillet : {true, false}) {
        SetUp();
        const ZedId plate = emu::AddOutline(kLayer, lines, true, nullptr, {true, true, true, true});
        const std::vector<ZedId> chain = emu::Chain(plate);
        const ZedId corner = fillet ? emu::AddFillet(chain[0], 2) : emu::AddChamfer(chain[0], 2);
        ASSERT_GT(corner, 0);
        // Cut back at the chain's end of the bottom (its stored start) and the right side's stored end.
        ExpectPoint(StartPoint(Stored(chain[0])), 8, 0);
        ExpectPoint(EndPoint(Stored(chain[1])), 10, 2);
        EXPECT_EQ(emu::CheckIntegrity(plate), "");
        const ZedId plain = ZedFigChangeCorner(corner);
        ASSERT_GT(plain, 0);
        EXPECT_EQ(emu::CheckIntegrity(plate), "");
        TearDown();
    }
    SetUp();
    const ZedId plate = emu::AddOutline(kLayer, lines, true, nullptr, {true, false, true, true});
    const std::vector<ZedId> chain = emu::Chain(plate);
    const ZedId chamfer = emu::AddChamfer(chain[0], 2);
    ASSERT_EQ(ZedFigRemoveCorner(chamfer), 0);
    ExpectPoint(StartPoint(Stored(chain[0])), 10, 0);
    ExpectPoint(StartPoint(Stored(chain[1])), 10, 0);
    EXPECT_EQ(emu::CheckIntegrity(plate), "");
}

}  // namespace
