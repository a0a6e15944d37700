// A plan-pattern-A shoulder removed again with Delete mode, through the
// command as the user does it: the outline is what it was before the build
// (the picked line one line again, the same geometry, closed), and the cut
// line, hole, dimensions and notes are gone.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "tests/planea/planea_fixture.h"

namespace {

using plate::Pt;

struct RoundTrip {
    const char* name;
    std::vector<ZedPoint> polygon;
    bool clockwise;
    ZedPoint a;
    ZedPoint b;
    bool reshape;  // a depth and a width change before the Delete
    double endDistance = 0.5;  // 0: a shoulder over the whole of a short line
    // The polygon's edges the host stores the other way round from the chain.
    std::vector<bool> storedReversed = {};
};

void PrintTo(const RoundTrip& row, std::ostream* out) { *out << row.name; }

class PlaneADeleteTest : public PlaneATest, public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(PlaneADeleteTest, DeleteGivesTheOutlineBackAsItWas) {
    const RoundTrip& c = GetParam();
    ShoulderSettings.PA_WidthValueDistance = c.endDistance;
    const ZedId outline = plate::AddPolygon(kPlateLayer, c.polygon, c.clockwise, c.storedReversed);
    ASSERT_GT(outline, 0);
    const std::vector<ZedFigure> before = plate::ChainFigures(outline);
    ASSERT_TRUE(BuildOn(outline, c.a, c.b));
    if (c.reshape) {
        ASSERT_TRUE(Rebuild(kEditFirst, 7.5));
        ASSERT_TRUE(Rebuild(kEditSecond, 13.0));
    }
    const ZedId firstSide = Shoulder().firstSide.ref.id;

    ASSERT_TRUE(emu::StartCommand());
    ASSERT_TRUE(emu::Type("Delete"));
    ASSERT_TRUE(emu::PickElement(firstSide));
    emu::EndCommand();

    EXPECT_TRUE(Errors().empty());
    EXPECT_TRUE(emu::SegmentClosed(outline));
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
    EXPECT_GT(plate::LineBetween(outline, c.a, c.b), 0);
    EXPECT_TRUE(plate::SameClosedGeometry(plate::ChainFigures(outline), before, 1e-9));
    // Nothing of the shoulder is left: no hole, no cut line, no temporaries.
    EXPECT_TRUE(emu::HoleIds().empty());
    EXPECT_EQ(emu::SegmentIds(), std::vector<ZedId>{outline});
}

INSTANTIATE_TEST_SUITE_P(
    Shoulders, PlaneADeleteTest,
    ::testing::Values(RoundTrip{"RectangleCounterClockwise", plate::Rectangle(), false, Pt(0, 0), Pt(100, 0), false},
                      RoundTrip{"RectangleClockwise", plate::Rectangle(), true, Pt(0, 0), Pt(100, 0), false},
                      RoundTrip{"NotchFloorClockwise", plate::NotchedPlate(), true, Pt(30, 30), Pt(70, 30), false},
                      RoundTrip{"NotchFloorReshaped", plate::NotchedPlate(), false, Pt(30, 30), Pt(70, 30), true},
                      RoundTrip{"ShortLineInset", {Pt(0, 0), Pt(9, 0), Pt(9, 50), Pt(0, 50)}, true, Pt(0, 0),
                                Pt(9, 0), false},
                      // Lines stored the other way round from the chain, as
                      // drawings joined end to end hold them: the picked line
                      // (the pieces Delete joins again), its neighbours (the
                      // sides a full-line shoulder spans), or every line.
                      RoundTrip{"CentreOnAReversedLine", plate::Rectangle(), false, Pt(0, 0), Pt(100, 0), false, 0.5,
                                {true, false, false, false}},
                      RoundTrip{"CentreAllReversedClockwise", plate::Rectangle(), true, Pt(0, 0), Pt(100, 0), false,
                                0.5, {true, true, true, true}},
                      RoundTrip{"InsetOnAReversedLine", {Pt(0, 0), Pt(9, 0), Pt(9, 50), Pt(0, 50)}, false, Pt(0, 0),
                                Pt(9, 0), false, 0.5, {true, false, false, false}},
                      RoundTrip{"NotchFloorReshapedAllReversed", plate::NotchedPlate(), false, Pt(30, 30), Pt(70, 30),
                                true, 0.5, std::vector<bool>(8, true)},
                      RoundTrip{"FullLineBetweenReversedNeighbours", {Pt(0, 0), Pt(8, 0), Pt(8, 50), Pt(0, 50)}, false,
                                Pt(0, 0), Pt(8, 0), false, 0.0, {false, true, false, true}},
                      RoundTrip{"FullLineAllReversedClockwise", {Pt(0, 0), Pt(8, 0), Pt(8, 50), Pt(0, 50)}, true,
                                Pt(0, 0), Pt(8, 0), false, 0.0, {true, true, true, true}}),
    [](const ::testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.name); });

// A full-line shoulder sits between two sides that run parallel to each
// other: Delete brings back the edge between them as a line of its own.
TEST_F(PlaneATest, DeleteOfAFullLineShoulderBringsTheWholeEdgeBack) {
    for (const bool clockwise : {false, true}) {
        SetUp();
        ShoulderSettings.PA_WidthValueDistance = 0.0;
        const ZedId outline = AddPlate({Pt(0, 0), Pt(8, 0), Pt(8, 50), Pt(0, 50)}, clockwise);
        const std::vector<ZedFigure> before = plate::Figures(outline);
        ASSERT_TRUE(BuildOn(outline, Pt(0, 0), Pt(8, 0)));
        ASSERT_EQ(Shoulder().tail.ref.id, 0) << "full-line placement";
        const ZedId firstSide = Shoulder().firstSide.ref.id;

        ASSERT_TRUE(emu::StartCommand());
        ASSERT_TRUE(emu::Type("Delete"));
        ASSERT_TRUE(emu::PickElement(firstSide));
        emu::EndCommand();

        EXPECT_TRUE(Errors().empty()) << clockwise;
        EXPECT_TRUE(emu::SegmentClosed(outline)) << clockwise;
        EXPECT_EQ(emu::CheckAllIntegrity(), "") << clockwise;
        EXPECT_GT(plate::LineBetween(outline, Pt(0, 0), Pt(8, 0)), 0) << clockwise;
        EXPECT_TRUE(plate::SameClosedGeometry(plate::Figures(outline), before, 1e-9)) << clockwise;
        TearDown();
    }
}

// A plate imported with thousands of short pieces: its top edge is 9,997
// lines, 10,000 elements in all. A shoulder on its bottom edge is built
// (reading the outline list once, at its own size), reshaped and deleted.
TEST_F(PlaneATest, AShoulderOnATenThousandElementOutline) {
    std::vector<ZedPoint> polygon{Pt(0, 0), Pt(100, 0)};
    constexpr int kTopPieces = 9997;
    for (int i = 0; i <= kTopPieces; ++i) {
        polygon.push_back(Pt(100.0 - 100.0 * i / kTopPieces, 50));
    }
    const ZedId outline = AddPlate(polygon, false);
    ASSERT_EQ(emu::Chain(outline).size(), 10000u);
    const std::vector<ZedFigure> before = plate::Figures(outline);

    emu::ResetCallLog();
    ASSERT_TRUE(BuildOn(outline, Pt(0, 0), Pt(100, 0)));
    const std::vector<std::string> calls = emu::CallLog();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "ZedFigGetFigure2"), 1);
    ASSERT_TRUE(Rebuild(kEditFirst, 7.5));
    ASSERT_TRUE(Rebuild(kEditSecond, 100.0));
    ASSERT_TRUE(Rebuild(kEditSecond, 13.0));
    EXPECT_EQ(emu::Chain(outline).size(), 10004u);
    EXPECT_GT(plate::LineFromTo(outline, Pt(43.5, -7.5), Pt(56.5, -7.5)), 0);
    EXPECT_EQ(emu::CheckIntegrity(outline), "");

    ASSERT_TRUE(emu::StartCommand());
    ASSERT_TRUE(emu::Type("Delete"));
    ASSERT_TRUE(emu::PickElement(Shoulder().firstSide.ref.id));
    emu::EndCommand();
    EXPECT_TRUE(Errors().empty());
    EXPECT_TRUE(emu::SegmentClosed(outline));
    EXPECT_TRUE(plate::SameClosedGeometry(plate::Figures(outline), before, 1e-9));
}

}  // namespace
