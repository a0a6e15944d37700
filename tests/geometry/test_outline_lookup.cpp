// The outline lookups of the toolkit against outlines in the emulated host:
// records by order, neighbours wrapping at both ends, and FindOutlineIndex's
// matching rules.
#include <gtest/gtest.h>

#include <cmath>

#include "emuhost/emu_api.h"
#include "geometry/figure_record.h"
#include "geometry/outline.h"
#include "tests/support/plugin_test.h"

namespace {

bool SameFigure(const ZedFigure& a, const ZedFigure& b) {
    if (a.kind != b.kind) {
        return false;
    }
    for (int i = 0; i < 7; ++i) {
        if (std::fabs(a.v[i] - b.v[i]) > 1e-9) {
            return false;
        }
    }
    return true;
}

class OutlineLookupTest : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        emu::AddLayer(0);
        // A plate with a rounded corner: four lines and an arc, clockwise.
        outline_ = emu::AddOutline(0,
                                   {emu::Line(0, 0, 0, 40), emu::Line(0, 40, 80, 40), emu::Line(80, 40, 80, 10),
                                    emu::Arc(70, 10, 80, 10, 70, 0, ZED_ARC_CW), emu::Line(70, 0, 0, 0)},
                                   true);
        ASSERT_GT(outline_, 0);
        chain_ = emu::Chain(outline_);
        ASSERT_EQ(chain_.size(), 5u);
    }
    ZedFigRef Ref(size_t i) const { return ZedFigRef{0, chain_[i]}; }
    ZedId outline_ = -1;
    std::vector<ZedId> chain_;
};

TEST_F(OutlineLookupTest, RecordsAreFoundByOrderWithNeighboursWrapping) {
    const size_t n = chain_.size();
    for (size_t i = 0; i < n; ++i) {
        ZedFigure own{}, previous{}, next{};
        ASSERT_TRUE(GetOutlineRecord(Ref(i), own)) << i;
        ASSERT_TRUE(GetPreviousOutlineRecord(Ref(i), previous)) << i;
        ASSERT_TRUE(GetNextOutlineRecord(Ref(i), next)) << i;
        EXPECT_TRUE(SameFigure(own, emu::FigureOf(chain_[i]))) << i;
        EXPECT_TRUE(SameFigure(previous, emu::FigureOf(chain_[(i + n - 1) % n]))) << i;
        EXPECT_TRUE(SameFigure(next, emu::FigureOf(chain_[(i + 1) % n]))) << i;
    }
}

TEST_F(OutlineLookupTest, LookupsFailQuietlyOnUnknownElementsAndRefusedReads) {
    ZedFigure record{};
    EXPECT_FALSE(GetOutlineRecord(ZedFigRef{0, 9999}, record));
    EXPECT_FALSE(GetNextOutlineRecord(ZedFigRef{0, 9999}, record));
    emu::FailCall("ZedFigGetFigure2", 1);
    EXPECT_FALSE(GetPreviousOutlineRecord(Ref(0), record));
    emu::FailCall("ZedSgmGetElementCount", 1);
    EXPECT_FALSE(GetNextOutlineRecord(Ref(0), record));
    EXPECT_TRUE(emu::Messages().empty());
}

TEST_F(OutlineLookupTest, CornersAreListedAsPlainKinds) {
    const ZedId corner = emu::AddFillet(chain_[0], 5.0);
    ASSERT_GT(corner, 0);
    ZedFigure record{};
    ASSERT_TRUE(GetOutlineRecord(ZedFigRef{0, corner}, record));
    EXPECT_EQ(record.kind, ZED_FIG_ARC);
}

// A host that lists a straight run of pieces as one line: the list is shorter
// than the chain, so the lookups find records by matching, and a piece finds
// the longer line it lies on.
TEST_F(OutlineLookupTest, APieceFindsTheLongerListedLineWhenCountsDiffer) {
    emu::Reset();
    emu::AddLayer(0);
    emu::SetOutlineListMergesCollinear(true);
    const ZedId outline = emu::AddOutline(
        0, {emu::Line(0, 0, 40, 0), emu::Line(40, 0, 100, 0), emu::Line(100, 0, 100, 50), emu::Line(100, 50, 0, 50),
            emu::Line(0, 50, 0, 0)},
        true);
    const std::vector<ZedId> chain = emu::Chain(outline);
    ASSERT_EQ(chain.size(), 5u);
    ZedFigure own{}, previous{}, next{};
    for (size_t piece : {0u, 1u}) {
        ASSERT_TRUE(GetOutlineRecord(ZedFigRef{0, chain[piece]}, own)) << piece;
        EXPECT_TRUE(SameFigure(own, emu::Line(0, 0, 100, 0))) << piece;
        ASSERT_TRUE(GetPreviousOutlineRecord(ZedFigRef{0, chain[piece]}, previous)) << piece;
        EXPECT_TRUE(SameFigure(previous, emu::Line(0, 50, 0, 0))) << piece;
        ASSERT_TRUE(GetNextOutlineRecord(ZedFigRef{0, chain[piece]}, next)) << piece;
        EXPECT_TRUE(SameFigure(next, emu::Line(100, 0, 100, 50))) << piece;
    }
    // The last listed record's next wraps to the first.
    ASSERT_TRUE(GetNextOutlineRecord(ZedFigRef{0, chain[4]}, next));
    EXPECT_TRUE(SameFigure(next, emu::Line(0, 0, 100, 0)));
}

// A list kept from one read to the next, as the changes keep theirs, read
// from outlines long and short in turn: each read holds that outline's records
// and no more. A second read of a long outline needs one call of the host,
// with the room the first read found; after a short outline, a long one past
// the thousand records of room is read again with twice the room.
TEST_F(OutlineLookupTest, AKeptListHoldsEachOutlineReadIntoIt) {
    std::vector<ZedFigure> pieces;
    for (int i = 0; i < 1500; ++i) {
        pieces.push_back(emu::Line(i, 100, i + 1, 100));
    }
    pieces.push_back(emu::Line(1500, 100, 1500, 0));
    pieces.push_back(emu::Line(1500, 0, 0, 0));
    pieces.push_back(emu::Line(0, 0, 0, 100));
    const ZedId longOutline = emu::AddOutline(0, pieces, true);
    ASSERT_GT(longOutline, 0);
    OutlineList kept;
    const struct {
        ZedId segment;
        size_t records;
        int calls;  // -1: as many as the reads before it leave room for
    } reads[] = {{longOutline, 1503, -1}, {longOutline, 1503, 1}, {outline_, 5, 1}, {longOutline, 1503, 2},
                 {outline_, 5, 1},        {outline_, 5, 1}};
    for (size_t r = 0; r < std::size(reads); ++r) {
        emu::ResetCallLog();
        ASSERT_TRUE(ReadOutlineList(0, reads[r].segment, kept)) << r;
        if (reads[r].calls != -1) {
            EXPECT_EQ(emu::CallCount(), reads[r].calls) << r;
        }
        const std::vector<ZedId> chain = emu::Chain(reads[r].segment);
        ASSERT_EQ(kept.size(), reads[r].records) << r;
        for (size_t i = 0; i < chain.size(); ++i) {
            ASSERT_TRUE(SameFigure(kept[i], emu::FigureOf(chain[i]))) << r << " " << i;
        }
    }
}

TEST(FindOutlineIndex, ALinePieceMatchesTheLongerLineItLiesOn) {
    const OutlineList list = {emu::Line(0, 0, 0, 40), emu::Line(0, 40, 80, 40), emu::Line(80, 40, 0, 0)};
    EXPECT_EQ(FindOutlineIndex(list, 3, emu::Line(10, 40, 30, 40)), 1);
    EXPECT_EQ(FindOutlineIndex(list, 3, emu::Line(0, 40, 80, 40)), 1);
    ZedFigure chamfer = emu::Line(20, 40, 60, 40);
    chamfer.kind = ZED_FIG_CHAMFER;
    EXPECT_EQ(FindOutlineIndex(list, 3, chamfer), 1);
    // Only where the figure lies counts, not which way it runs; off the line
    // is no match.
    EXPECT_EQ(FindOutlineIndex(list, 3, emu::Line(30, 40, 10, 40)), 1);
    EXPECT_EQ(FindOutlineIndex(list, 3, emu::Line(10, 40.01, 30, 40.01)), -1);
    // The count limits the search.
    EXPECT_EQ(FindOutlineIndex(list, 1, emu::Line(10, 40, 30, 40)), -1);
}

TEST(FindOutlineIndex, AHorizontalPieceMatchesDespiteRoundingAcrossTheXAxis) {
    // The piece's own direction rounds to just below 2π while the listed
    // line's is 0: still the same direction.
    const OutlineList list = {emu::Line(0, 0, 100, 0)};
    EXPECT_EQ(FindOutlineIndex(list, 1, emu::Line(10, 1e-12, 50, -1e-12)), 0);
}

TEST(FindOutlineIndex, ArcsMatchOnCentrePointsAndRadius) {
    const ZedFigure arc = emu::Arc(0, 0, 10, 0, 0, 10, ZED_ARC_CCW);
    const OutlineList list = {emu::Line(0, 10, 10, 0), arc};
    ZedFigure fillet = arc;
    fillet.kind = ZED_FIG_FILLET;
    EXPECT_EQ(FindOutlineIndex(list, 2, fillet), 1);
    ZedFigure moved = arc;
    moved.v[6] += 1e-3;
    EXPECT_EQ(FindOutlineIndex(list, 2, moved), -1);
    EXPECT_EQ(FindOutlineIndex(list, 2, emu::Line(0, 10, 10, 0)), 0);
}

}  // namespace
