// Plan pattern B on the plates of plan A's tests: which lines take the
// shoulder, where the pick puts it, which end its distance is measured from,
// and what a typed width or distance moves. Every case runs on the plate
// drawn both ways round, with its elements stored either way.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/messages.h"
#include "geometry/figure_record.h"
#include "geometry/remembered_shoulder.h"
#include "geometry/vec2.h"
#include "holes/hole_state.h"
#include "tests/planea/planea_fixture.h"
#include "tests/support/build_profile_test.h"
#include "tests/support/shaped_hole_access.h"

namespace {

using plate::Pt;

// How the plate is drawn: its direction, and whether its elements are stored
// against the chain's direction.
struct Drawing {
    const char* name;
    bool clockwise;
    bool storedReversed;
};

class PlaneBTest : public PlaneATest, public ::testing::WithParamInterface<Drawing> {
protected:
    bool Clockwise() const { return GetParam().clockwise; }
    // The bottom line of a plate L long and 50 high, as the outline runs.
    ZedPoint S(double length) const { return Clockwise() ? Pt(length, 0) : Pt(0, 0); }
    ZedPoint E(double length) const { return Clockwise() ? Pt(0, 0) : Pt(length, 0); }
    ZedId Plate(double length) {
        const ZedId segment = plate::AddPolygon(kPlateLayer, {Pt(0, 0), Pt(length, 0), Pt(length, 50), Pt(0, 50)},
                                                Clockwise(), GetParam().storedReversed);
        EXPECT_GT(segment, 0);
        return segment;
    }
    bool Build(ZedId outline, double length, ZedPoint picked) {
        return BuildBOn(outline, Pt(0, 0), Pt(length, 0), picked);
    }
    static double Along(ZedPoint from, ZedPoint p) { return plate::Dist(from, p); }
};

// Lines of length L with W = 30: the shoulder needs L > W + 1.
struct FitRow {
    double length;
    bool accepted;
};

TEST_P(PlaneBTest, ALineNoLongerThanTheWidthPlusOneIsRefusedUnchanged) {
    for (const FitRow row : {FitRow{29.0, false}, FitRow{29.5, false}, FitRow{31.0, false}, FitRow{31.5, true}}) {
        SetUp();
        ShoulderSettings.mMainWidth = 30.0;
        const ZedId outline = Plate(row.length);
        const std::string before = emu::Dump();
        EXPECT_EQ(Build(outline, row.length, Pt(row.length / 3, 0)), row.accepted) << row.length;
        if (row.accepted) {
            EXPECT_TRUE(Errors().empty()) << row.length;
            EXPECT_EQ(emu::CheckIntegrity(outline), "") << row.length;
        } else {
            EXPECT_EQ(Errors(), std::vector<std::string>{emu::ToUtf8(kMsgShoulderTooWide)}) << row.length;
            EXPECT_EQ(emu::Dump(), before) << row.length;
        }
        TearDown();
    }
}

// Picks on the 100 line with W = 20: the centre sits at a whole distance from
// the nearer end, at least W/2 + 1 = 11; a pick in the middle measures from E.
struct PickRow {
    double fromLeft;      // the pick's x
    double centreX;       // where the centre goes
    bool measuredAtLeft;  // the distance is measured from (0, 0) (the middle pick: from E)
};

TEST_P(PlaneBTest, ThePickPlacesTheCentreAndChoosesTheMeasuredEnd) {
    for (const PickRow row : {PickRow{0.4, 11, true}, PickRow{12.6, 13, true}, PickRow{99.6, 89, false},
                              PickRow{87.4, 87, false}, PickRow{50, 50, false}}) {
        SetUp();
        const ZedId outline = Plate(100);
        ASSERT_TRUE(Build(outline, 100, Pt(row.fromLeft, 0))) << row.fromLeft;
        const ShoulderCorners c = CornersOf(Shoulder());
        EXPECT_TRUE(plate::Near(Midpoint(c.p1, c.p2), Pt(row.centreX, 0))) << row.fromLeft;
        // The middle pick is as near one end as the other: E is measured.
        // The middle pick measures from E, which is (0, 0) on the clockwise plate.
        const bool atLeft = row.fromLeft == 50 ? Clockwise() : row.measuredAtLeft;
        const ZedPoint end = atLeft ? Pt(0, 0) : Pt(100, 0);
        const ZedLengthDim distance = Dimension(kSlotThirdDimension);
        const ZedPoint nearEdge = Along(end, c.p1) < Along(end, c.p2) ? c.p1 : c.p2;
        EXPECT_NEAR(plate::Dist(distance.first, distance.second), Along(end, nearEdge), 1e-9) << row.fromLeft;
        EXPECT_TRUE(plate::Near(distance.first, end) || plate::Near(distance.second, end)) << row.fromLeft;
        EXPECT_EQ(Shoulder().measured.id, atLeft == !Clockwise() ? Shoulder().tail.ref.id : Shoulder().head.ref.id);
        EXPECT_TRUE(plate::Near(CurrentHoleCentre(), Pt(row.centreX, 0))) << row.fromLeft;
        EXPECT_EQ(emu::CheckIntegrity(outline), "");
        TearDown();
    }
}

TEST_P(PlaneBTest, AWidthTypedBackKeepsTheEdgeNearerTheMeasuredEnd) {
    for (const double pick : {12.6, 87.4}) {
        SetUp();
        const ZedId outline = Plate(100);
        ASSERT_TRUE(Build(outline, 100, Pt(pick, 0)));
        const bool left = pick < 50;
        // Centre 13 from the measured end: the near edge stays 3 from it.
        ASSERT_TRUE(RebuildB(kEditSecond, 8.0));
        const double nearX = left ? 3 : 97;
        const double farX = left ? 11 : 89;
        EXPECT_GT(plate::LineBetween(outline, Pt(nearX, -5), Pt(farX, -5)), 0) << pick;
        const ZedLengthDim width = Dimension(kSlotSecondDimension);
        EXPECT_NEAR(plate::Dist(width.first, width.second), 8.0, 1e-9);
        const ZedLengthDim distance = Dimension(kSlotThirdDimension);
        EXPECT_NEAR(plate::Dist(distance.first, distance.second), 3.0, 1e-9);
        EXPECT_TRUE(plate::Near(CurrentHoleCentre(), Pt((nearX + farX) / 2, 0))) << pick;
        EXPECT_EQ(emu::CheckIntegrity(outline), "");
        TearDown();
    }
}

TEST_P(PlaneBTest, ADistanceMovesTheWholeShoulderWithItsParts) {
    const ZedId outline = Plate(100);
    ASSERT_TRUE(Build(outline, 100, Pt(12.6, 0)));
    ASSERT_TRUE(RebuildB(kEditThird, 30.0));
    EXPECT_TRUE(Errors().empty());
    // The near edge now 30 from (0, 0): the shoulder spans x 30 to 50.
    EXPECT_GT(plate::LineBetween(outline, Pt(30, -5), Pt(50, -5)), 0);
    EXPECT_GT(plate::LineBetween(outline, Pt(30, 0), Pt(30, -5)), 0);
    EXPECT_GT(plate::LineBetween(outline, Pt(50, 0), Pt(50, -5)), 0);
    EXPECT_GT(plate::LineBetween(outline, Pt(0, 0), Pt(30, 0)), 0);
    EXPECT_GT(plate::LineBetween(outline, Pt(50, 0), Pt(100, 0)), 0);
    const ZedLengthDim distance = Dimension(kSlotThirdDimension);
    EXPECT_NEAR(plate::Dist(distance.first, distance.second), 30.0, 1e-9);
    const ZedLengthDim depth = Dimension(kSlotFirstDimension);
    EXPECT_NEAR(std::min(depth.first.x, depth.second.x), Clockwise() ? 50 : 30, 1e-9);
    const ZedLengthDim width = Dimension(kSlotSecondDimension);
    EXPECT_NEAR(std::min(width.first.x, width.second.x), 30, 1e-9);
    EXPECT_TRUE(plate::Near(CurrentHoleCentre(), Pt(40, 0)));
    EXPECT_EQ(emu::CheckIntegrity(outline), "");
    EXPECT_EQ(emu::HoleIds().size(), 1u);
}

TEST_P(PlaneBTest, AShapedHoleFollowsTheShoulderAlongTheLine) {
    SKIP_WITHOUT_SHAPED_HOLES();
    ShoulderSettings.PB_Hole = 1;
    const ZedId outline = Plate(100);
    ASSERT_TRUE(Build(outline, 100, Pt(12.6, 0)));
    const ZedId builtHole = Holes().currentHole;
    EXPECT_GT(TestShapedHoleMemory().outline.segment, 0) << "a shaped hole, not an MC hole";
    ASSERT_TRUE(RebuildB(kEditThird, 30.0));
    EXPECT_TRUE(Errors().empty());
    const ShoulderCorners c = CornersOf(Shoulder());
    EXPECT_TRUE(plate::Near(TestShapedHoleMemory().centreB, c.p1));
    EXPECT_TRUE(plate::Near(TestShapedHoleMemory().centreA, c.p2));
    EXPECT_NEAR(TestShapedHoleMemory().halfWidth, 5.5, 1e-9);
    EXPECT_NE(Holes().currentHole, builtHole);
    EXPECT_EQ(emu::HoleIds().size(), 1u);
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
}

// Values the line cannot take are refused before any change.
struct RefusalRow {
    int editMode;
    double value;
    const ZedChar* message;
};

TEST_P(PlaneBTest, EachRefusalChangesNothing) {
    for (const RefusalRow row : {RefusalRow{kEditSecond, 97.0, kMsgWidthTooLarge},
                                 RefusalRow{kEditThird, 80.0, kMsgWidthTooLarge},
                                 RefusalRow{kEditThird, -5.0, kMsgShoulderOverlapsEdit},
                                 RefusalRow{kEditSecond, 0.0, kMsgShoulderOverlapsEdit},
                                 RefusalRow{kEditFirst, -60.0, kMsgShoulderOverlapsEdit}}) {
        SetUp();
        const ZedId outline = Plate(100);
        ASSERT_TRUE(Build(outline, 100, Pt(12.6, 0)));
        emu::ClearMessages();
        const std::string before = emu::Dump();
        EXPECT_FALSE(RebuildB(row.editMode, row.value)) << row.editMode << " " << row.value;
        EXPECT_EQ(Errors(), std::vector<std::string>{emu::ToUtf8(row.message)}) << row.editMode << " " << row.value;
        EXPECT_EQ(emu::Dump(), before) << row.editMode << " " << row.value;
        TearDown();
    }
}

// A plate with a V cut into its top: a deep shoulder on one flank near the
// bottom of the V would cross the other flank.
TEST_P(PlaneBTest, AShoulderThatWouldMeetThePlateIsRefusedUnchanged) {
    const ZedId outline = AddPlate({Pt(0, 0), Pt(100, 0), Pt(100, 50), Pt(55, 10), Pt(50, 50), Pt(0, 50)}, Clockwise());
    ShoulderSettings.mMainProtrude = 30.0;
    const std::string before = emu::Dump();
    EXPECT_FALSE(BuildBOn(outline, Pt(100, 50), Pt(55, 10), Pt(56, 10.9)));
    EXPECT_EQ(Errors(), std::vector<std::string>{emu::ToUtf8(kMsgShoulderOverlaps)});
    EXPECT_EQ(emu::Dump(), before);
}

// A host that lists a straight run of pieces as one line: the 100 line is
// drawn in pieces broken at the given x, and its ends are the run's. The
// shoulder (W = 20, T = 5) is placed on the run as on one line; the pieces
// wholly inside its base go, those its corners lie on are shortened to them,
// the others stay, and the outline stays sound.
TEST_P(PlaneBTest, OnARunListedAsOneLineTheBaseTakesThePiecesItSpans) {
    struct Row {
        std::vector<double> breaks;
        double pickX;
        double lo, hi;  // the base along x
    };
    const Row rows[] = {
        {{5, 15}, 0.4, 1, 21},              // pieces inside on both sides of the centre
        {{0.5, 11, 30}, 0.4, 1, 21},        // the centre at a break
        {{21, 50}, 12.6, 3, 23},            // a corner beyond a break
        {{85, 99.5}, 99.6, 79, 99},         // near the right end
    };
    for (const Row& row : rows) {
        SetUp();
        emu::SetOutlineListMergesCollinear(true);
        std::vector<ZedPoint> ccw{Pt(0, 0)};
        for (double x : row.breaks) {
            ccw.push_back(Pt(x, 0));
        }
        for (const ZedPoint p : {Pt(100, 0), Pt(100, 50), Pt(0, 50)}) {
            ccw.push_back(p);
        }
        // The run's pieces stored its own way (a piece stored against it is not
        // found in the merged list); the other edges as the drawing says.
        std::vector<bool> storedReversed(ccw.size(), GetParam().storedReversed);
        std::fill(storedReversed.begin(), storedReversed.begin() + static_cast<long>(row.breaks.size() + 1), false);
        const ZedId outline = plate::AddPolygon(kPlateLayer, ccw, Clockwise(), storedReversed);
        const ZedPoint picked = Pt(row.pickX, 0);
        const ZedId piece = plate::LineAt(outline, picked);
        ASSERT_GT(piece, 0);
        Picks().linePick = LinePick{picked, piece, outline, 0, 0};
        const std::string where = "pick " + std::to_string(row.pickX);
        ASSERT_TRUE(BuildPlaneB(picked, piece, outline, 0)) << where;
        EXPECT_TRUE(Errors().empty()) << where;
        std::vector<ZedPoint> expected{Pt(0, 0)};
        for (double x : row.breaks) {
            if (x < row.lo - 1e-9) {
                expected.push_back(Pt(x, 0));
            }
        }
        for (const ZedPoint p : {Pt(row.lo, 0), Pt(row.lo, -5), Pt(row.hi, -5), Pt(row.hi, 0)}) {
            expected.push_back(p);
        }
        for (double x : row.breaks) {
            if (x > row.hi + 1e-9) {
                expected.push_back(Pt(x, 0));
            }
        }
        for (const ZedPoint p : {Pt(100, 0), Pt(100, 50), Pt(0, 50)}) {
            expected.push_back(p);
        }
        if (Clockwise()) {
            std::reverse(expected.begin(), expected.end());
        }
        std::vector<ZedFigure> figures;
        for (size_t i = 0; i < expected.size(); ++i) {
            const ZedPoint a = expected[i], b = expected[(i + 1) % expected.size()];
            figures.push_back(emu::Line(a.x, a.y, b.x, b.y));
        }
        EXPECT_TRUE(plate::SameClosedGeometry(plate::ChainFigures(outline), figures, 1e-9)) << where;
        EXPECT_EQ(emu::CheckAllIntegrity(), "") << where;
        EXPECT_TRUE(plate::Near(CurrentHoleCentre(), Pt((row.lo + row.hi) / 2, 0))) << where;
        // The distance runs along the piece the nearer corner lies on, from its
        // far end, as a typed distance is measured.
        const bool nearLeft = row.pickX < 50;
        double pieceEnd = nearLeft ? 0.0 : 100.0;
        for (double x : row.breaks) {
            pieceEnd = nearLeft ? (x < row.lo - 1e-9 ? std::max(pieceEnd, x) : pieceEnd)
                                : (x > row.hi + 1e-9 ? std::min(pieceEnd, x) : pieceEnd);
        }
        // Its points run the way the outline runs (S before E).
        const double left = nearLeft ? pieceEnd : row.hi, right = nearLeft ? row.lo : pieceEnd;
        const ZedLengthDim distance = Dimension(kSlotThirdDimension);
        EXPECT_TRUE(plate::Near(distance.first, Pt(Clockwise() ? right : left, 0))) << where;
        EXPECT_TRUE(plate::Near(distance.second, Pt(Clockwise() ? left : right, 0))) << where;
        EXPECT_EQ(distance.firstElement, Shoulder().measured.id) << where;
        EXPECT_EQ(distance.secondElement, Shoulder().measured.id) << where;
        TearDown();
    }
}

TEST_P(PlaneBTest, DeleteGivesTheOutlineBackAsItWas) {
    const ZedId outline = Plate(100);
    const std::vector<ZedFigure> before = plate::Figures(outline);
    ASSERT_TRUE(Build(outline, 100, Pt(12.6, 0)));
    ASSERT_TRUE(RebuildB(kEditThird, 40.0));
    ASSERT_TRUE(RebuildB(kEditSecond, 13.0));
    const ZedId firstSide = Shoulder().firstSide.ref.id;
    END_HERE_WITHOUT_DELETE_MODE();
    ASSERT_TRUE(emu::StartCommand());
    ASSERT_TRUE(emu::Type("Delete"));
    ASSERT_TRUE(emu::PickElement(firstSide));
    emu::EndCommand();
    EXPECT_TRUE(Errors().empty());
    EXPECT_TRUE(emu::SegmentClosed(outline));
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
    EXPECT_TRUE(plate::SameClosedGeometry(plate::Figures(outline), before, 1e-9));
    EXPECT_TRUE(emu::HoleIds().empty());
    EXPECT_EQ(emu::SegmentIds(), std::vector<ZedId>{outline});
}

INSTANTIATE_TEST_SUITE_P(Drawings, PlaneBTest,
                         ::testing::Values(Drawing{"CounterClockwise", false, false},
                                           Drawing{"Clockwise", true, false},
                                           Drawing{"CounterClockwiseStoredReversed", false, true},
                                           Drawing{"ClockwiseStoredReversed", true, true}),
                         [](const ::testing::TestParamInfo<Drawing>& info) { return std::string(info.param.name); });

}  // namespace
