// The soundness rule as plain geometry: a stretch of a closed outline replaced
// by a rectangular tab (tail piece, three sides, head piece, or the three
// sides alone over the whole stretch), on a rectangle, a plate with a notch
// and a plate with a rounded corner. Each row says what the rule must answer:
// tabs that stand clear are sound, whichever way the plate is drawn and
// whichever way its records are stored; tabs that reach, touch (on the grid,
// exactly) or cross another part of the outline, fold back over a neighbour,
// have no width or a negative one, or are not finite are refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "emuhost/emu_api.h"
#include "geometry/outline_soundness.h"

namespace {

ZedPoint Pt(double x, double y) { return ZedPoint{x, y}; }

std::vector<ZedPoint> Rectangle() { return {Pt(0, 0), Pt(100, 0), Pt(100, 50), Pt(0, 50)}; }
// The notch's floor runs from (70, 30) to (30, 30), its walls up to y = 60.
std::vector<ZedPoint> Notched() {
    return {Pt(0, 0), Pt(100, 0), Pt(100, 60), Pt(70, 60), Pt(70, 30), Pt(30, 30), Pt(30, 60), Pt(0, 60)};
}

// A closed outline of lines through the points, in their order or reversed;
// with `flipOne` the second record is stored the other way round.
OutlineList Lines(std::vector<ZedPoint> points, bool reversed, bool flipOne) {
    if (reversed) {
        std::reverse(points.begin(), points.end());
    }
    OutlineList list;
    for (size_t i = 0; i < points.size(); ++i) {
        const ZedPoint a = points[i];
        const ZedPoint b = points[(i + 1) % points.size()];
        list.push_back(flipOne && i == 1 ? emu::Line(b.x, b.y, a.x, a.y) : emu::Line(a.x, a.y, b.x, b.y));
    }
    return list;
}

// A 100 x 50 plate whose top right corner is rounded: an arc of radius 10
// about (90, 40) from (100, 40) to (90, 50).
OutlineList Rounded() {
    return {emu::Line(0, 0, 100, 0), emu::Line(100, 0, 100, 40), emu::Arc(90, 40, 100, 40, 90, 50, ZED_ARC_CCW),
            emu::Line(90, 50, 0, 50), emu::Line(0, 50, 0, 0)};
}

// A 100 x 100 plate with a round bite out of its top edge: a clockwise
// half circle of radius 10 about (50, 100), from (60, 100) down to (40, 100),
// listed first (from inside the bite it turns more than half a turn).
OutlineList Bitten() {
    return {emu::Arc(50, 100, 60, 100, 40, 100, ZED_ARC_CW), emu::Line(40, 100, 0, 100),
            emu::Line(0, 100, 0, 0),  emu::Line(0, 0, 100, 0),
            emu::Line(100, 0, 100, 100), emu::Line(100, 100, 60, 100)};
}

// The tab on the stretch from s to e: base from x0 to x1 along it, standing
// `depth` to the left of s→e; without end pieces when the base is the
// whole stretch.
std::vector<ZedFigure> Tab(ZedPoint s, ZedPoint e, double x0, double x1, double depth) {
    const double length = std::hypot(e.x - s.x, e.y - s.y);
    const ZedPoint u{(e.x - s.x) / length, (e.y - s.y) / length};
    const ZedPoint n{-u.y, u.x};
    const auto at = [&](double along, double out) {
        return Pt(s.x + along * u.x + out * n.x, s.y + along * u.y + out * n.y);
    };
    const ZedPoint p1 = at(x0, 0), q1 = at(x0, depth), q2 = at(x1, depth), p2 = at(x1, 0);
    std::vector<ZedFigure> pieces;
    if (x0 != 0.0) {
        pieces.push_back(emu::Line(s.x, s.y, p1.x, p1.y));
    }
    pieces.push_back(emu::Line(p1.x, p1.y, q1.x, q1.y));
    pieces.push_back(emu::Line(q1.x, q1.y, q2.x, q2.y));
    pieces.push_back(emu::Line(q2.x, q2.y, p2.x, p2.y));
    if (x1 != length) {
        pieces.push_back(emu::Line(p2.x, p2.y, e.x, e.y));
    }
    return pieces;
}

struct Row {
    const char* name;
    OutlineList outline;
    ZedPoint s, e;  // the stretch replaced, in the outline's order
    double x0, x1, depth;
    OutlineSoundness expected;
};

constexpr double kInf = std::numeric_limits<double>::infinity();
using S = OutlineSoundness;

const Row kRows[] = {
    // Bottom edge of the rectangle, drawn counter-clockwise: left of it is the
    // plate, so a negative depth stands out of it and a positive one cuts in.
    {"TabOutOfTheRectangle", Lines(Rectangle(), false, false), Pt(0, 0), Pt(100, 0), 40, 60, -5, S::Sound},
    {"NotchIntoTheRectangle", Lines(Rectangle(), false, false), Pt(0, 0), Pt(100, 0), 40, 60, 5, S::Sound},
    {"DrawnClockwise", Lines(Rectangle(), true, false), Pt(100, 0), Pt(0, 0), 40, 60, 5, S::Sound},
    {"OneRecordStoredReversed", Lines(Rectangle(), false, true), Pt(0, 0), Pt(100, 0), 40, 60, 5, S::Sound},
    {"NotchUpToTheFarEdge", Lines(Rectangle(), false, false), Pt(0, 0), Pt(100, 0), 40, 60, 50, S::Crossing},
    {"NotchThroughTheFarEdge", Lines(Rectangle(), false, false), Pt(0, 0), Pt(100, 0), 40, 60, 70, S::Crossing},
    // A stretch inside the edge: what is kept runs all the way round from its
    // end back to its start.
    {"InsideTheEdgeOut", Lines(Rectangle(), false, false), Pt(20, 0), Pt(80, 0), 20, 40, -5, S::Sound},
    {"InsideTheEdgeThroughTheFarEdge", Lines(Rectangle(), false, false), Pt(20, 0), Pt(80, 0), 20, 40, 70,
     S::Crossing},
    {"EndPieceJustLongEnough", Lines(Rectangle(), false, false), Pt(0, 0), Pt(100, 0), 1e-3, 60, -5, S::Sound},
    {"WholeEdgeOut", Lines(Rectangle(), false, false), Pt(0, 0), Pt(100, 0), 0, 100, -5, S::Sound},
    // Turned back over the neighbour at a right-angled corner.
    {"WholeEdgeFoldsBackOverTheSides", Lines(Rectangle(), false, false), Pt(0, 0), Pt(100, 0), 0, 100, 5,
     S::Crossing},
    {"NoWidth", Lines(Rectangle(), false, false), Pt(0, 0), Pt(100, 0), 50, 50, -5, S::ZeroLength},
    {"NoDepth", Lines(Rectangle(), false, false), Pt(0, 0), Pt(100, 0), 40, 60, 0, S::ZeroLength},
    {"NegativeWidthOverlapsItsPieces", Lines(Rectangle(), false, false), Pt(0, 0), Pt(100, 0), 60, 40, -5,
     S::Crossing},
    {"EndPieceOfNoLength", Lines(Rectangle(), false, false), Pt(0, 0), Pt(100, 0), 1e-8, 60, -5, S::ZeroLength},
    {"InfiniteDepth", Lines(Rectangle(), false, false), Pt(0, 0), Pt(100, 0), 40, 60, kInf, S::NotFinite},
    {"InfiniteWidth", Lines(Rectangle(), false, false), Pt(0, 0), Pt(100, 0), -kInf, kInf, -5, S::NotFinite},
    // The bottom edge of the notched plate, cut in towards the notch's floor.
    {"ClearOfTheNotch", Lines(Notched(), false, false), Pt(0, 0), Pt(100, 0), 40, 60, 25, S::Sound},
    {"OnTheNotchFloor", Lines(Notched(), false, false), Pt(0, 0), Pt(100, 0), 40, 60, 30, S::Crossing},
    {"IntoTheNotch", Lines(Notched(), false, false), Pt(0, 0), Pt(100, 0), 40, 60, 35, S::Crossing},
    {"BesideTheNotch", Lines(Notched(), false, false), Pt(0, 0), Pt(100, 0), 5, 25, 55, S::Sound},
    {"CornerOnTheNotchWall", Lines(Notched(), false, false), Pt(0, 0), Pt(100, 0), 10, 30, 40, S::Crossing},
    // The notch's floor, standing out into the notch, whole and inset.
    {"FloorTabInTheNotch", Lines(Notched(), true, false), Pt(30, 30), Pt(70, 30), 10, 30, 20, S::Sound},
    {"FloorTabOutOfTheNotch", Lines(Notched(), true, false), Pt(30, 30), Pt(70, 30), 10, 30, 40, S::Sound},
    {"FloorTabAlongTheWalls", Lines(Notched(), true, false), Pt(30, 30), Pt(70, 30), 0, 40, 20, S::Crossing},
    // A rounded corner: the arc is met at (98, 46).
    {"BelowTheArc", Rounded(), Pt(0, 0), Pt(100, 0), 92, 98, 45, S::Sound},
    {"TouchingTheArc", Rounded(), Pt(0, 0), Pt(100, 0), 92, 98, 46, S::Crossing},
    {"ThroughTheArc", Rounded(), Pt(0, 0), Pt(100, 0), 92, 98, 47, S::Crossing},
};

class OutlineSoundnessTest : public ::testing::TestWithParam<Row> {};

TEST_P(OutlineSoundnessTest, TheRuleJudgesTheTab) {
    const Row& row = GetParam();
    const std::vector<ZedFigure> tab = Tab(row.s, row.e, row.x0, row.x1, row.depth);
    EXPECT_EQ(CheckOutlineReplacement(row.outline, row.s, row.e, tab), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Tabs, OutlineSoundnessTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

// A chain of three sides beside the whole stretch, apart from the outline
// (plan patterns C and D): only a chain with no length, not finite, or lying
// partly inside and partly outside the outline is refused; running along the
// outline or touching it is no crossing.
const Row kChainRows[] = {
    {"ChainOutOfTheRectangle", Lines(Rectangle(), false, false), Pt(0, 0), Pt(100, 0), 0, 100, -5, S::Sound},
    {"ChainInsideAlongTheSides", Lines(Rectangle(), false, false), Pt(0, 0), Pt(100, 0), 0, 100, 5, S::Sound},
    {"ChainInsideDrawnClockwise", Lines(Rectangle(), true, true), Pt(100, 0), Pt(0, 0), 0, 100, -5, S::Sound},
    {"ChainOverTheWholePlate", Lines(Rectangle(), false, false), Pt(0, 0), Pt(100, 0), 0, 100, 50, S::Sound},
    {"ChainBeyondTheCorners", Lines(Rectangle(), false, false), Pt(0, 0), Pt(100, 0), 0, 100, 60, S::Sound},
    {"ChainOfNoDepth", Lines(Rectangle(), false, false), Pt(0, 0), Pt(100, 0), 0, 100, 0, S::ZeroLength},
    {"ChainInfinitelyDeep", Lines(Rectangle(), false, false), Pt(0, 0), Pt(100, 0), 0, 100, kInf, S::NotFinite},
    // Into the notch along its walls, or from its wall through the far wall,
    // or from the other wall across the mouth and through two corners.
    {"ChainAlongTheNotchWalls", Lines(Notched(), true, false), Pt(30, 30), Pt(70, 30), 0, 40, 5, S::Sound},
    {"ChainThroughTheFarWall", Lines(Notched(), false, false), Pt(30, 30), Pt(30, 60), 0, 30, -45, S::Crossing},
    {"ChainOntoTheNearWall", Lines(Notched(), false, false), Pt(70, 60), Pt(70, 30), 0, 30, -40, S::Sound},
    {"ChainThroughTheCorners", Lines(Notched(), false, false), Pt(70, 60), Pt(70, 30), 0, 30, -50, S::Crossing},
    // Inside the rounded plate below the arc, or through it.
    {"ChainBelowTheArc", Rounded(), Pt(0, 0), Pt(100, 0), 0, 100, 35, S::Sound},
    {"ChainThroughTheArc", Rounded(), Pt(0, 0), Pt(100, 0), 0, 100, 45, S::Crossing},
    // Inside the bitten plate below the bite, or through the bite.
    {"ChainBelowTheBite", Bitten(), Pt(0, 0), Pt(100, 0), 0, 100, 85, S::Sound},
    {"ChainThroughTheBite", Bitten(), Pt(0, 0), Pt(100, 0), 0, 100, 95, S::Crossing},
};

class OutlineChainTest : public ::testing::TestWithParam<Row> {};

TEST_P(OutlineChainTest, TheRuleJudgesTheChainBesideTheOutline) {
    const Row& row = GetParam();
    EXPECT_EQ(CheckChainBeside(row.outline, Tab(row.s, row.e, row.x0, row.x1, row.depth)), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Chains, OutlineChainTest, ::testing::ValuesIn(kChainRows),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

TEST(OutlineSoundness, AStretchNotOnTheOutlineIsJudgedByItsOwnPieces) {
    const OutlineList rectangle = Lines(Rectangle(), false, false);
    EXPECT_EQ(CheckOutlineReplacement(rectangle, Pt(0, 200), Pt(100, 200), Tab(Pt(0, 200), Pt(100, 200), 40, 60, 5)),
              OutlineSoundness::Sound);
    EXPECT_EQ(
        CheckOutlineReplacement(rectangle, Pt(0, 200), Pt(100, 200), Tab(Pt(0, 200), Pt(100, 200), 60, 40, 5)),
        OutlineSoundness::Crossing);
}

// The in/out count the chain rule stands on, by the turns each outline makes
// round the point: inside an anticlockwise outline +1, a clockwise one -1,
// outside 0; a point level with corners, in an arc's segment, in a bite, and
// exactly on an arc's chord.
struct WindingRow {
    const char* name;
    OutlineList outline;
    ZedPoint p;
    int expected;
};

TEST(OutlineSoundness, TheWindingNumberCountsTheTurnsRoundThePoint) {
    const WindingRow rows[] = {
        {"Inside", Lines(Rectangle(), false, false), Pt(50, 25), 1},
        {"InsideClockwise", Lines(Rectangle(), true, true), Pt(50, 25), -1},
        {"RightOfThePlate", Lines(Rectangle(), false, false), Pt(150, 25), 0},
        {"LeftOfThePlate", Lines(Rectangle(), true, false), Pt(-10, 25), 0},
        {"LevelWithTheTopCorners", Lines(Rectangle(), false, false), Pt(-10, 50), 0},
        {"LevelWithTheBottomCorners", Lines(Rectangle(), true, true), Pt(-10, 0), 0},
        {"InsideLevelWithTheNotchFloor", Lines(Notched(), false, false), Pt(10, 30), 1},
        {"InTheNotch", Lines(Notched(), true, false), Pt(50, 45), 0},
        {"InTheArcsSegment", Rounded(), Pt(97, 47), 1},
        {"BeyondTheArc", Rounded(), Pt(99, 49), 0},
        {"OnTheArcsChord", Rounded(), Pt(95, 45), 1},
        {"InTheBite", Bitten(), Pt(50, 95), 0},
        {"BelowTheBite", Bitten(), Pt(50, 85), 1},
        {"OnTheBitesChord", Bitten(), Pt(50, 100), 0},
    };
    for (const WindingRow& row : rows) {
        EXPECT_EQ(WindingNumber(row.outline, row.p), row.expected) << row.name;
    }
}

TEST(OutlineSoundness, UsableSizesArePositiveAndFinite) {
    EXPECT_TRUE(IsUsableSize(0.001));
    EXPECT_TRUE(IsUsableSize(1e300));
    EXPECT_FALSE(IsUsableSize(0.0));
    EXPECT_FALSE(IsUsableSize(-3.0));
    EXPECT_FALSE(IsUsableSize(kInf));
    EXPECT_FALSE(IsUsableSize(std::numeric_limits<double>::quiet_NaN()));
}

}  // namespace
