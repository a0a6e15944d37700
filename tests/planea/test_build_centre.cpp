// BuildPlaneA with centre placement, on a rectangle and on a plate with a
// notch (the picked line is the notch's floor), each drawn clockwise and
// counter-clockwise. The expected shoulder is worked out here from the
// drawing alone: the outward side is the one where an independent in/out test
// finds no plate. Checked: the outline stays one closed sound chain with the
// three sides in place and the line's pieces beside them, the shoulder stands
// outside the plate, the sides copy the line's attributes, the dimensions
// measure depth and width with the offset's sign following the flip, and the
// cut line, hole, notes, memory and tag are those of this shoulder.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "base/build_profile.h"
#include "patterns/plane_c.h"
#include "patterns/plane_d.h"
#include "tagging/shoulder_tag.h"
#include "tests/planea/planea_fixture.h"

namespace {

using plate::Dist;
using plate::Near;
using plate::Pt;

struct CentreCase {
    const char* name;
    std::vector<ZedPoint> polygon;  // counter-clockwise
    bool clockwise;
    ZedPoint a;  // the picked line's ends
    ZedPoint b;
};

// The shoulder as the test expects it.
struct Expected {
    ZedPoint s, e, p1, p2, q1, q2, m;
    bool flipped;
};

Expected Expect(const std::vector<ZedPoint>& polygon, const ZedFigure& line, double width, double protrusion) {
    Expected x{};
    x.s = plate::StartOf(line);
    x.e = plate::EndOf(line);
    const double length = Dist(x.s, x.e);
    const ZedPoint u{(x.e.x - x.s.x) / length, (x.e.y - x.s.y) / length};
    const ZedPoint left{-u.y, u.x};
    x.m = Pt((x.s.x + x.e.x) / 2, (x.s.y + x.e.y) / 2);
    x.flipped = plate::Locate(polygon, Pt(x.m.x + 0.01 * left.x, x.m.y + 0.01 * left.y)) != plate::Where::Outside;
    const ZedPoint n = x.flipped ? Pt(-left.x, -left.y) : left;
    x.p1 = Pt(x.m.x - width / 2 * u.x, x.m.y - width / 2 * u.y);
    x.p2 = Pt(x.m.x + width / 2 * u.x, x.m.y + width / 2 * u.y);
    x.q1 = Pt(x.p1.x + protrusion * n.x, x.p1.y + protrusion * n.y);
    x.q2 = Pt(x.p2.x + protrusion * n.x, x.p2.y + protrusion * n.y);
    return x;
}

class PlaneACentreTest : public PlaneATest, public ::testing::WithParamInterface<CentreCase> {};

TEST_P(PlaneACentreTest, TheShoulderStandsOutOfTheMiddleOfTheLine) {
    const CentreCase& c = GetParam();
    const ZedId outline = AddPlate(c.polygon, c.clockwise);
    const ZedId picked = plate::LineBetween(outline, c.a, c.b);
    const Expected x = Expect(c.polygon, emu::FigureOf(picked), 20.0, 5.0);
    const size_t before = emu::Chain(outline).size();

    ASSERT_TRUE(BuildPlaneA(picked, outline, 0));
    EXPECT_TRUE(Errors().empty());

    // One closed sound outline: the line's two pieces and the three sides.
    EXPECT_TRUE(emu::SegmentClosed(outline));
    EXPECT_EQ(emu::CheckIntegrity(outline), "");
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
    EXPECT_EQ(emu::Chain(outline).size(), before + 4);
    const ZedId tail = plate::LineFromTo(outline, x.s, x.p1);
    const ZedId first = plate::LineFromTo(outline, x.p1, x.q1);
    const ZedId inner = plate::LineFromTo(outline, x.q1, x.q2);
    const ZedId second = plate::LineFromTo(outline, x.q2, x.p2);
    const ZedId head = plate::LineFromTo(outline, x.p2, x.e);
    ASSERT_GT(tail, 0);
    ASSERT_GT(first, 0);
    ASSERT_GT(inner, 0);
    ASSERT_GT(second, 0);
    ASSERT_GT(head, 0);

    // Out of the plate, not into it.
    EXPECT_EQ(plate::Locate(c.polygon, x.q1), plate::Where::Outside);
    EXPECT_EQ(plate::Locate(c.polygon, x.q2), plate::Where::Outside);

    for (ZedId side : {first, inner, second}) {
        const ZedLineType2 attributes = emu::AttributesOf(side);
        EXPECT_EQ(attributes.colour, 7);
        EXPECT_EQ(attributes.lineType, 3);
        EXPECT_EQ(attributes.host4, 11);
    }

    // Depth and width dimensions, offset to the outside of the measured run.
    const double offset = x.flipped ? -10.0 : 10.0;
    const ZedLengthDim depth = Dimension(kSlotFirstDimension);
    EXPECT_TRUE(Near(depth.first, x.p1));
    EXPECT_TRUE(Near(depth.second, x.q1));
    EXPECT_DOUBLE_EQ(depth.offset, offset);
    EXPECT_EQ(depth.firstElement, tail);
    EXPECT_EQ(depth.secondElement, inner);
    EXPECT_NEAR(Dist(depth.first, depth.second), 5.0, 1e-9);
    const ZedLengthDim width = Dimension(kSlotSecondDimension);
    EXPECT_TRUE(Near(width.first, x.q1));
    EXPECT_TRUE(Near(width.second, x.q2));
    EXPECT_DOUBLE_EQ(width.offset, offset);
    EXPECT_EQ(width.firstElement, first);
    EXPECT_EQ(width.secondElement, second);
    EXPECT_NEAR(Dist(width.first, width.second), 20.0, 1e-9);
    EXPECT_EQ(TemporaryElements()[kSlotFirstDimension].instance, 0);
    EXPECT_EQ(TemporaryElements()[kSlotSecondDimension].instance, 0);

    // The cut line spans the base in the picked line's colour, solid.
    const ShoulderMemory& memory = Shoulder();
    const ZedFigure cut = emu::FigureOf(memory.cutLine.id);
    EXPECT_TRUE(Near(plate::StartOf(cut), x.p1));
    EXPECT_TRUE(Near(plate::EndOf(cut), x.p2));
    EXPECT_EQ(emu::AttributesOf(memory.cutLine.id).colour, 7);
    EXPECT_EQ(emu::AttributesOf(memory.cutLine.id).lineType, 0);
    EXPECT_EQ(emu::SegmentLayer(memory.cutLineSegment), kPlateLayer);

    // An MC hole round M through the far corners: |MQ1| = √125 ≈ 11.18, so
    // the radius is 12 and the notes' radii 12 and 17.
    const ZedHoleShape hole = CurrentHoleShape();
    EXPECT_DOUBLE_EQ(hole.diameter, 24.0);
    EXPECT_EQ(hole.layer, kHoleLayer);
    EXPECT_TRUE(Near(CurrentHoleCentre(), x.m));
    const double d = std::sqrt(0.5);
    const ZedLeader side = Note(kSlotSideNote);
    EXPECT_TRUE(Near(side.first, Pt(x.m.x + 12 * d, x.m.y + 12 * d)));
    EXPECT_TRUE(Near(side.second, Pt(x.m.x + 17 * d, x.m.y + 17 * d)));
    const ZedLeader depthNote = Note(kSlotDepthNote);
    EXPECT_TRUE(Near(depthNote.first, Pt(x.m.x + 12 * d, x.m.y - 12 * d)));
    EXPECT_TRUE(Near(depthNote.second, Pt(x.m.x + 17 * d, x.m.y - 17 * d)));
    EXPECT_EQ(emu::NoteText(TemporaryElements()[kSlotSideNote].id), "상면");
    EXPECT_EQ(emu::NoteText(TemporaryElements()[kSlotDepthNote].id), "깊이:2.0");

    // The memory names this shoulder, and so does the outline's tag.
    EXPECT_EQ(memory.tail.ref.id, tail);
    EXPECT_EQ(memory.firstSide.ref.id, first);
    EXPECT_EQ(memory.innerSide.ref.id, inner);
    EXPECT_EQ(memory.secondSide.ref.id, second);
    EXPECT_EQ(memory.head.ref.id, head);
    if constexpr (build_profile::kTagging) {
        EXPECT_EQ(emu::AttributeText(outline, kAttrShoulderType), "SymbolShoulder");
        EXPECT_EQ(emu::AttributeText(outline, kAttrElementList),
                  std::to_string(first) + "," + std::to_string(inner) + "," + std::to_string(second));
        EXPECT_EQ(emu::AttributeText(outline, kAttrHoleSegment), std::to_string(memory.holeSegment));
        EXPECT_EQ(emu::AttributeText(outline, kAttrCutLineSegment), std::to_string(memory.cutLineSegment));
    } else {
        // The older host keeps no attributes: the legacy shoulder carries no tag.
        for (int32_t number = kAttrShoulderType; number <= kAttrDisplaySegment; ++number) {
            EXPECT_FALSE(emu::HasAttribute(outline, number)) << number;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Plates, PlaneACentreTest,
    ::testing::Values(CentreCase{"RectangleCounterClockwise", plate::Rectangle(), false, Pt(0, 0), Pt(100, 0)},
                      CentreCase{"RectangleClockwise", plate::Rectangle(), true, Pt(0, 0), Pt(100, 0)},
                      CentreCase{"RectangleRightEdge", plate::Rectangle(), true, Pt(100, 0), Pt(100, 50)},
                      CentreCase{"NotchFloorCounterClockwise", plate::NotchedPlate(), false, Pt(30, 30), Pt(70, 30)},
                      CentreCase{"NotchFloorClockwise", plate::NotchedPlate(), true, Pt(30, 30), Pt(70, 30)},
                      CentreCase{"NotchWallClockwise", plate::NotchedPlate(), true, Pt(70, 30), Pt(70, 60)}),
    [](const ::testing::TestParamInfo<CentreCase>& info) { return std::string(info.param.name); });

// Settings or geometry that leave the shoulder no room are refused before
// anything changes: a width or depth of 0 or less or not finite, and a
// shoulder on a wall of the notch that would reach (or just touch) the wall
// across; one that stops short of it is built.
struct NoRoomCase {
    const char* name;
    double width;
    double protrusion;
    const char* error;  // nullptr: built
};

class PlaneANoRoomTest : public PlaneATest, public ::testing::WithParamInterface<NoRoomCase> {};

TEST_P(PlaneANoRoomTest, TheBuildIsRefusedBeforeAnyChange) {
    const NoRoomCase& c = GetParam();
    ShoulderSettings.mMainWidth = c.width;
    ShoulderSettings.mMainProtrude = c.protrusion;
    const ZedId outline = AddPlate(plate::NotchedPlate(), false);
    const std::string before = emu::Dump();
    const bool built = BuildOn(outline, Pt(70, 30), Pt(70, 60));
    EXPECT_EQ(built, c.error == nullptr);
    if (c.error != nullptr) {
        EXPECT_EQ(Errors(), std::vector<std::string>{c.error});
        EXPECT_EQ(emu::Dump(), before);
    } else {
        EXPECT_EQ(emu::CheckAllIntegrity(), "");
    }
}

constexpr const char* kSizeInvalid = "턱걸이 치수가 올바르지 않습니다.";
constexpr const char* kOverlapsOnBuild = "형상이 겹쳐서 작성할 수 없습니다.";

INSTANTIATE_TEST_SUITE_P(
    Settings, PlaneANoRoomTest,
    ::testing::Values(NoRoomCase{"NoWidth", 0.0, 5.0, kSizeInvalid}, NoRoomCase{"NegativeWidth", -20.0, 5.0, kSizeInvalid},
                      NoRoomCase{"NoDepth", 20.0, 0.0, kSizeInvalid},
                      NoRoomCase{"NegativeDepth", 20.0, -1.0, kSizeInvalid},
                      NoRoomCase{"InfiniteDepth", 20.0, std::numeric_limits<double>::infinity(), kSizeInvalid},
                      NoRoomCase{"AcrossTheNotch", 20.0, 45.0, kOverlapsOnBuild},
                      NoRoomCase{"TouchingTheWallAcross", 20.0, 40.0, kOverlapsOnBuild},
                      NoRoomCase{"ShortOfTheWallAcross", 20.0, 39.5, nullptr}),
    [](const ::testing::TestParamInfo<NoRoomCase>& info) { return std::string(info.param.name); });

TEST_F(PlaneATest, TheSameLineDrawnEitherWayGetsTheSameShoulder) {
    std::vector<ZedPoint> corners[2];
    for (bool clockwise : {false, true}) {
        SetUp();
        const ZedId outline = AddPlate(plate::Rectangle(), clockwise);
        ASSERT_TRUE(BuildOn(outline, Pt(0, 0), Pt(100, 0)));
        const ShoulderMemory& m = Shoulder();
        // Corners in the order of increasing x, whichever way the line ran.
        std::vector<ZedPoint> points{plate::StartOf(m.firstSide.record), plate::EndOf(m.firstSide.record),
                                     plate::EndOf(m.innerSide.record), plate::EndOf(m.secondSide.record)};
        std::sort(points.begin(), points.end(),
                  [](ZedPoint a, ZedPoint b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
        corners[clockwise ? 1 : 0] = points;
        TearDown();
    }
    ASSERT_EQ(corners[0].size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(Near(corners[0][i], corners[1][i])) << i;
    }
}

TEST_F(PlaneATest, ACutLineInThePatternsOwnColourAndLineType) {
    ShoulderSettings.PA_LineValue = 1;
    const ZedId outline = AddPlate(plate::Rectangle(), false);
    ASSERT_TRUE(BuildOn(outline, Pt(0, 0), Pt(100, 0)));
    const ZedLineType2 attributes = emu::AttributesOf(Shoulder().cutLine.id);
    EXPECT_EQ(attributes.colour, 4);
    EXPECT_EQ(attributes.lineType, 2);
}

// A plan shoulder stands on a straight line of the outline: a picked fillet
// is refused with the outline-record message, the drawing as it was.
TEST_F(PlaneATest, APickedFilletIsNoLineForEveryPlanPattern) {
    const auto buildA = [](ZedPoint, ZedId e, ZedId s) { return BuildPlaneA(e, s, 0); };
    const auto buildB = [](ZedPoint p, ZedId e, ZedId s) { return BuildPlaneB(p, e, s, 0); };
    const auto buildC = [](ZedPoint, ZedId e, ZedId s) { return BuildPlaneC(e, s, 0); };
    const auto buildD = [](ZedPoint, ZedId e, ZedId s) { return BuildPlaneD(e, s, 0); };
    const std::vector<bool (*)(ZedPoint, ZedId, ZedId)> builders{buildA, buildB, buildC, buildD};
    for (size_t pattern = 0; pattern < builders.size(); ++pattern) {
        SetUp();
        const ZedId outline = AddPlate(plate::Rectangle(), false);
        const ZedId fillet = emu::AddFillet(plate::LineBetween(outline, Pt(0, 0), Pt(100, 0)), 3.0);
        ASSERT_GT(fillet, 0);
        const std::string drawing = emu::Dump();
        const ZedPoint picked = Pt(99.1, 0.9);
        Picks().linePick = LinePick{picked, fillet, outline, 0, 0};
        EXPECT_FALSE(builders[pattern](picked, fillet, outline)) << pattern;
        EXPECT_EQ(Errors(), std::vector<std::string>{"형상의 요소정보를 확인할 수 없습니다.(22)"}) << pattern;
        EXPECT_EQ(emu::Dump(), drawing) << pattern;
        TearDown();
    }
}

}  // namespace
