// Plan patterns C and D on the plan-pattern-A plates: the raised chain beside
// the unchanged picked line, its attributes, its depth change (to the other
// side for a negative depth), pattern D's slot on its layer with its radius
// dimension, the refusals that change nothing, and Delete giving the drawing
// back. Each plate is drawn both ways round, one of them concave, and some
// with elements stored against the chain's direction.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "base/line_pick.h"
#include "base/temporary_elements.h"
#include "command/command_state.h"
#include "geometry/figure_record.h"
#include "holes/slot.h"
#include "patterns/plane_c.h"
#include "patterns/plane_d.h"
#include "tests/planea/planea_fixture.h"
#include "tests/support/build_profile_test.h"

namespace {

using plate::Dist;
using plate::Pt;

enum class Kind { C, D };

struct PlateCase {
    const char* name;
    std::vector<ZedPoint> polygon;
    bool clockwise;
    ZedPoint a;
    ZedPoint b;
    // Per listed edge: stored against the chain's direction.
    std::vector<bool> storedReversed = {};
};

class PlaneCDTest : public PlaneATest {
protected:
    ZedId AddCase(const PlateCase& c) {
        const ZedId segment = plate::AddPolygon(kPlateLayer, c.polygon, c.clockwise, c.storedReversed);
        EXPECT_GT(segment, 0);
        return segment;
    }

    // A plate whose bottom edge meets sides that lean outwards, so that a
    // chain may stand on either side of that edge without lying on a side.
    static std::vector<ZedPoint> Trapezoid() { return {Pt(0, 0), Pt(100, 0), Pt(120, 50), Pt(-20, 50)}; }

    static bool Build(Kind kind, ZedId outline, ZedPoint a, ZedPoint b) {
        const ZedId line = plate::LineBetween(outline, a, b);
        EXPECT_GT(line, 0);
        return kind == Kind::C ? BuildPlaneC(line, outline, 0) : BuildPlaneD(line, outline, 0);
    }

    static bool Change(Kind kind, int editMode, double value) {
        Picks().editMode = editMode;
        return kind == Kind::C ? RebuildPlaneC(Picks().editMode, value) : RebuildPlaneD(Picks().editMode, value);
    }

    // The chain's figures in chain order.
    static std::vector<ZedFigure> ChainFigures() {
        return plate::Figures(ZedElmGetSegment(Shoulder().firstSide.ref.id));
    }

    static std::vector<ZedFigure> SlotFigures() { return plate::Figures(Shoulder().slotSegment); }

    static ZedPoint RadiusTextPoint() {
        ZedDimRecord record{};
        EXPECT_TRUE(emu::DimensionOf(TemporaryElements()[kSlotSecondDimension].id, &record));
        return record.radius.textPoint;
    }

    static void Delete() {
        ASSERT_TRUE(emu::StartCommand());
        ASSERT_TRUE(emu::Type("Delete"));
        ASSERT_TRUE(emu::PickElement(Shoulder().firstSide.ref.id));
        emu::EndCommand();
    }
};

class PlaneCDPlateTest : public PlaneCDTest, public ::testing::WithParamInterface<std::tuple<Kind, PlateCase>> {};

// The outline keeps the picked line as it was; the chain runs from one end of
// the line out of the plate, along it at the depth, and back to the other
// end. Delete takes the chain (and the hole or slot) away and leaves the
// drawing as it was.
TEST_P(PlaneCDPlateTest, TheChainStandsOutBesideTheUnchangedLineAndDeleteTakesItAway) {
    const auto& [kind, c] = GetParam();
    const ZedId outline = AddCase(c);
    ASSERT_EQ(emu::CheckIntegrity(outline), "");
    const std::vector<ZedFigure> before = plate::Figures(outline);
    const std::vector<ZedPoint> polygon = plate::Polygon(before);
    ASSERT_TRUE(Build(kind, outline, c.a, c.b));
    EXPECT_TRUE(Errors().empty());

    EXPECT_TRUE(plate::SameClosedGeometry(plate::Figures(outline), before, 1e-9));
    EXPECT_GT(plate::LineBetween(outline, c.a, c.b), 0);
    const std::vector<ZedFigure> chain = ChainFigures();
    ASSERT_EQ(chain.size(), 3u);
    const ZedPoint s = plate::StartOf(chain[0]);
    const ZedPoint e = plate::EndOf(chain[2]);
    EXPECT_TRUE((plate::Near(s, c.a) && plate::Near(e, c.b)) || (plate::Near(s, c.b) && plate::Near(e, c.a)));
    EXPECT_NEAR(Dist(s, plate::EndOf(chain[0])), 5.0, 1e-9);
    EXPECT_NEAR(Dist(plate::StartOf(chain[2]), e), 5.0, 1e-9);
    const ZedPoint middle = Pt((chain[1].v[0] + chain[1].v[2]) / 2, (chain[1].v[1] + chain[1].v[3]) / 2);
    EXPECT_EQ(plate::Locate(polygon, middle), plate::Where::Outside);
    EXPECT_FALSE(emu::SegmentClosed(ZedElmGetSegment(Shoulder().firstSide.ref.id)));
    if (kind == Kind::D) {
        ASSERT_EQ(SlotFigures().size(), 3u);
    } else {
        EXPECT_FALSE(emu::HoleIds().empty());
    }

    END_HERE_WITHOUT_DELETE_MODE();
    Delete();
    EXPECT_TRUE(Errors().empty());
    EXPECT_TRUE(plate::SameClosedGeometry(plate::Figures(outline), before, 1e-9));
    EXPECT_TRUE(emu::HoleIds().empty());
    EXPECT_EQ(emu::SegmentIds(), std::vector<ZedId>{outline});
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
}

const PlateCase kPlates[] = {
    {"RectangleCounterClockwise", plate::Rectangle(), false, Pt(0, 0), Pt(100, 0)},
    {"RectangleClockwise", plate::Rectangle(), true, Pt(0, 0), Pt(100, 0)},
    {"NotchedPlateClockwise", plate::NotchedPlate(), true, Pt(0, 0), Pt(100, 0)},
    {"NotchedPlateCounterClockwise", plate::NotchedPlate(), false, Pt(100, 0), Pt(100, 60)},
    {"RectangleStoredReversed", plate::Rectangle(), false, Pt(0, 0), Pt(100, 0), {true, true, true, true}},
    {"TrapezoidPartlyStoredReversedClockwise", {Pt(0, 0), Pt(100, 0), Pt(120, 50), Pt(-20, 50)}, true, Pt(0, 0),
     Pt(100, 0), {true, false, true, false}},
};

INSTANTIATE_TEST_SUITE_P(Plates, PlaneCDPlateTest, ::testing::Combine(::testing::Values(Kind::C, Kind::D),
                                                                      ::testing::ValuesIn(kPlates)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param) == Kind::C ? "C_" : "D_") +
                                    std::get<1>(info.param).name;
                         });

// The chain copies the picked line's attributes, or takes the pattern's own
// colour and line type.
TEST_F(PlaneCDTest, TheChainsAttributesFollowTheLineValueSetting) {
    struct Row {
        int lineValue;
        int colour;
        int lineType;
    };
    for (const Row& row : {Row{0, 7, 3}, Row{1, 9, 5}}) {
        SetUp();
        ShoulderSettings.PC_LineValue = row.lineValue;
        const ZedId outline = AddPlate(plate::Rectangle(), false);
        ASSERT_TRUE(Build(Kind::C, outline, Pt(0, 0), Pt(100, 0)));
        for (const ShoulderPiece* side : {&Shoulder().firstSide, &Shoulder().innerSide, &Shoulder().secondSide}) {
            ZedLineType2 attributes{};
            ASSERT_NE(ZedFigGetLineType2(&side->ref, &attributes), -1);
            EXPECT_EQ(attributes.colour, row.colour) << row.lineValue;
            EXPECT_EQ(attributes.lineType, row.lineType) << row.lineValue;
            EXPECT_EQ(attributes.host4, row.lineValue == 0 ? 11 : 0) << row.lineValue;
        }
        TearDown();
    }
}

// A typed depth moves both far corners along the first side from S and E:
// S' = S + v·n, E' = E + v·n with n the build's outward normal, so a negative
// depth puts the chain inside the plate. The outline never changes, so the
// only depths refused, before any change, are those that give the chain no
// length or take it across the outline: a chain along the rectangle's sides
// (inwards, or over its whole height and beyond) is accepted, one through
// the top of the trapezoid, whose sides lean outwards, is not. The depth
// dimension follows; pattern D's slot stays where it is. A radius that is no
// positive number is refused likewise.
TEST_F(PlaneCDTest, ADepthIsRefusedOnlyWhenTheChainWouldHaveNoLengthOrCrossTheOutline) {
    struct Row {
        Kind kind;
        bool trapezoid;
        bool clockwise;
        int editMode;
        double value;
        const char* refusal;  // nullptr: accepted
    };
    const char* const overlaps = "형상이 겹쳐서 수정할 수 없습니다.";
    const char* const badRadius = "장공 R량이 올바르지 않습니다.";
    const Row rows[] = {
        {Kind::C, false, false, kEditFirst, -5.0, nullptr},    {Kind::D, false, true, kEditFirst, -5.0, nullptr},
        {Kind::C, false, true, kEditFirst, -3.0, nullptr},     {Kind::C, false, false, kEditFirst, -50.0, nullptr},
        {Kind::D, false, false, kEditFirst, -60.0, nullptr},   {Kind::C, true, true, kEditFirst, -4.0, nullptr},
        {Kind::D, true, false, kEditFirst, -4.0, nullptr},     {Kind::C, false, false, kEditFirst, 0.0, overlaps},
        {Kind::D, false, true, kEditFirst, 0.0, overlaps},     {Kind::C, true, false, kEditFirst, -60.0, overlaps},
        {Kind::D, true, true, kEditFirst, -60.0, overlaps},    {Kind::D, false, false, kEditSecond, 0.0, badRadius},
        {Kind::D, false, false, kEditSecond, -3.0, badRadius},
    };
    for (const Row& row : rows) {
        SetUp();
        const ZedId outline = AddPlate(row.trapezoid ? PlaneCDTest::Trapezoid() : plate::Rectangle(), row.clockwise);
        const std::vector<ZedFigure> plateBefore = plate::Figures(outline);
        ASSERT_TRUE(Build(row.kind, outline, Pt(0, 0), Pt(100, 0)));
        const std::vector<ZedFigure> slot = row.kind == Kind::D ? SlotFigures() : std::vector<ZedFigure>{};
        const std::string drawing = emu::Dump();
        emu::ClearMessages();
        const std::string name = std::string(row.kind == Kind::C ? "C " : "D ") +
                                 (row.trapezoid ? "trapezoid " : "rectangle ") +
                                 (row.clockwise ? "clockwise " : "counter-clockwise ") + std::to_string(row.value);
        EXPECT_EQ(Change(row.kind, row.editMode, row.value), row.refusal == nullptr) << name;
        if (row.refusal != nullptr) {
            EXPECT_EQ(Errors(), std::vector<std::string>{row.refusal}) << name;
            EXPECT_EQ(emu::Dump(), drawing) << name;
            TearDown();
            continue;
        }
        EXPECT_TRUE(Errors().empty()) << name;
        // Both plates lie above their bottom edge: the chain was built below.
        const ZedPoint s = row.clockwise ? Pt(100, 0) : Pt(0, 0);
        const ZedPoint e = row.clockwise ? Pt(0, 0) : Pt(100, 0);
        const ZedPoint sRaised = Pt(s.x, -row.value);
        const ZedPoint eRaised = Pt(e.x, -row.value);
        const std::vector<ZedFigure> chain = ChainFigures();
        ASSERT_EQ(chain.size(), 3u) << name;
        EXPECT_TRUE(plate::Near(plate::StartOf(chain[0]), s) && plate::Near(plate::EndOf(chain[0]), sRaised)) << name;
        EXPECT_TRUE(plate::Near(plate::StartOf(chain[1]), sRaised) && plate::Near(plate::EndOf(chain[1]), eRaised))
            << name;
        EXPECT_TRUE(plate::Near(plate::StartOf(chain[2]), eRaised) && plate::Near(plate::EndOf(chain[2]), e)) << name;
        const ZedLengthDim depth = Dimension(kSlotFirstDimension);
        EXPECT_TRUE(plate::Near(depth.first, s) && plate::Near(depth.second, sRaised)) << name;
        EXPECT_TRUE(plate::SameClosedGeometry(plate::Figures(outline), plateBefore, 0.0)) << name;
        if (row.kind == Kind::D) {
            EXPECT_TRUE(plate::SameClosedGeometry(SlotFigures(), slot, 0.0)) << name;
        }
        TearDown();
    }
}

// The same rule at the build: a chain standing out into the notch along its
// walls is drawn, one whose depth takes it through the notch's far wall into
// the plate is refused before anything is drawn.
TEST_F(PlaneCDTest, AChainIsRefusedAtTheBuildOnlyWhenItWouldCrossTheOutline) {
    struct Row {
        ZedPoint a, b;  // the picked line
        double depth;
        bool accepted;
        ZedPoint aRaised, bRaised;  // a and b moved out by the depth
    };
    const Row rows[] = {
        {Pt(30, 30), Pt(70, 30), 5.0, true, Pt(30, 35), Pt(70, 35)},
        {Pt(30, 30), Pt(30, 60), 45.0, false, {}, {}},
    };
    for (const Row& row : rows) {
        for (const Kind kind : {Kind::C, Kind::D}) {
            SetUp();
            ShoulderSettings.mMainProtrude = row.depth;
            const ZedId outline = AddPlate(plate::NotchedPlate(), kind == Kind::D);
            const std::string drawing = emu::Dump();
            EXPECT_EQ(Build(kind, outline, row.a, row.b), row.accepted) << row.depth;
            if (!row.accepted) {
                EXPECT_EQ(Errors(), std::vector<std::string>{"형상이 겹쳐서 작성할 수 없습니다."}) << row.depth;
                EXPECT_EQ(emu::Dump(), drawing) << row.depth;
                TearDown();
                continue;
            }
            EXPECT_TRUE(Errors().empty());
            const std::vector<ZedFigure> chain = ChainFigures();
            ASSERT_EQ(chain.size(), 3u);
            const bool fromA = plate::Near(plate::StartOf(chain[0]), row.a);
            EXPECT_TRUE(plate::Near(plate::EndOf(chain[0]), fromA ? row.aRaised : row.bRaised));
            EXPECT_TRUE(plate::Near(plate::EndOf(chain[1]), fromA ? row.bRaised : row.aRaised));
            EXPECT_TRUE(plate::Near(plate::EndOf(chain[2]), fromA ? row.b : row.a));
            TearDown();
        }
    }
}

// The slot's layer: one number whatever the outline's layer, or the pair for
// the outline's layer; an outline on a layer no pair names gets the message
// box, and nothing is drawn. A slot radius that is no positive number is
// refused before anything is drawn.
TEST_F(PlaneCDTest, TheSlotLayerResolvesLikeTheHoleLayerAndABadSlotDrawsNothing) {
    struct Row {
        const char* layerText;
        const char* radius;
        int slotLayer;  // -1: refused
        const char* message;
        emu::Channel channel;
    };
    const Row rows[] = {
        {"3", "3.0", 3, "", emu::Channel::Error},
        {"30:3|50:5", "3.0", 5, "", emu::Channel::Error},
        {"30:3|40:4", "3.0", -1, "소속 레이어를 확인할 수 없어서 구멍을 작성할 수 없습니다.", emu::Channel::MessageBox},
        {"3", "0", -1, "장공 R량이 올바르지 않습니다.", emu::Channel::Error},
        {"3", "-2.5", -1, "장공 R량이 올바르지 않습니다.", emu::Channel::Error},
    };
    for (const Row& row : rows) {
        SetUp();
        emu::AddLayer(5);
        ShoulderSettings.PD_SlotLayer = ZedString(row.layerText, row.layerText + std::char_traits<char>::length(row.layerText));
        ShoulderSettings.PD_SlotR = ZedString(row.radius, row.radius + std::char_traits<char>::length(row.radius));
        const ZedId outline = AddPlate(plate::Rectangle(), false);
        const std::string drawing = emu::Dump();
        const bool built = Build(Kind::D, outline, Pt(0, 0), Pt(100, 0));
        EXPECT_EQ(built, row.slotLayer != -1) << row.layerText << " " << row.radius;
        if (built) {
            EXPECT_EQ(emu::SegmentLayer(Shoulder().slotSegment), row.slotLayer) << row.layerText;
            EXPECT_TRUE(Errors().empty());
        } else {
            EXPECT_EQ(TextsOn(row.channel), std::vector<std::string>{row.message}) << row.layerText << " " << row.radius;
            EXPECT_EQ(emu::Dump(), drawing) << row.layerText << " " << row.radius;
        }
        TearDown();
    }
}

// Without a slot, the build makes the chain and the depth dimension only, and
// a radius change has nothing to do.
TEST_F(PlaneCDTest, WithoutASlotThereIsNoRadiusDimensionAndARadiusDoesNothing) {
    ShoulderSettings.PD_IsSlotDraw = 0;
    const ZedId outline = AddPlate(plate::Rectangle(), false);
    ASSERT_TRUE(Build(Kind::D, outline, Pt(0, 0), Pt(100, 0)));
    EXPECT_EQ(TemporaryElements()[kSlotSecondDimension].id, 0);
    EXPECT_NE(TemporaryElements()[kSlotFirstDimension].id, 0);
    EXPECT_EQ(Shoulder().slotSegment, -1);
    const std::string drawing = emu::Dump();
    EXPECT_TRUE(Change(Kind::D, kEditSecond, 5.0));
    EXPECT_EQ(emu::Dump(), drawing);
}

// Putting the plug-in's records back to their state at load forgets the last
// slot with the shoulder it belongs to: no record names an element or segment
// of the drawing any more.
TEST_F(PlaneCDTest, ThePluginsRecordsAtLoadHoldNoSlot) {
    const ZedId outline = AddPlate(plate::Rectangle(), false);
    ASSERT_TRUE(Build(Kind::D, outline, Pt(0, 0), Pt(100, 0)));
    ASSERT_GT(Slot().segment, 0);
    ResetPluginRecords();
    const SlotMemory& slot = Slot();
    for (const ShoulderPiece* piece : {&slot.arcAtStart, &slot.line, &slot.arcAtEnd}) {
        EXPECT_EQ(piece->ref.id, -1);
        EXPECT_EQ(piece->record.kind, 0);
    }
    EXPECT_EQ(slot.segment, -1);
    EXPECT_EQ(slot.notFlipped, 1);
    EXPECT_EQ(Shoulder().slotSegment, -1);
    EXPECT_EQ(Shoulder().firstSide.ref.id, -1);
}

// A new radius after a depth: the slot's points are R from the line's ends
// along the chain as it now stands (A1 = S + R·(S→S'), A2 = S + R·(S'→S),
// B2 = E + R·(E→E'), B1 = E + R·(E'→E)), each arc's direction flag says which
// side that is (1 when S' lies left of S→E, 2 when right), so the arcs still
// run round the line's ends away from the line, and the radius dimension's
// text lies R + 10 from S a quarter turn short of (past) A2. A negative depth
// puts the chain, and so the slot's straight side, on the other side.
TEST_F(PlaneCDTest, ARadiusAfterADepthMakesTheSlotRoundTheLineEndsOnTheChainsSide) {
    struct Row {
        bool clockwise;
        double depth;
    };
    const double r = 4.5;
    for (const Row row : {Row{false, -4.0}, Row{false, 6.0}, Row{true, -4.0}, Row{true, 6.0}}) {
        SetUp();
        const ZedId outline = AddPlate(PlaneCDTest::Trapezoid(), row.clockwise);
        ASSERT_TRUE(Build(Kind::D, outline, Pt(0, 0), Pt(100, 0)));
        ASSERT_TRUE(Change(Kind::D, kEditFirst, row.depth));
        ASSERT_TRUE(Change(Kind::D, kEditSecond, r));
        // The plate lies above its bottom edge: the chain was built below it.
        const ZedPoint s = row.clockwise ? Pt(100, 0) : Pt(0, 0);
        const ZedPoint e = row.clockwise ? Pt(0, 0) : Pt(100, 0);
        const ZedPoint towardsChain = Pt(0, row.depth > 0 ? -1 : 1);
        const ZedPoint a1{s.x + r * towardsChain.x, s.y + r * towardsChain.y};
        const ZedPoint a2{s.x - r * towardsChain.x, s.y - r * towardsChain.y};
        const ZedPoint b2{e.x + r * towardsChain.x, e.y + r * towardsChain.y};
        const ZedPoint b1{e.x - r * towardsChain.x, e.y - r * towardsChain.y};
        const double ux = (e.x - s.x) / 100.0;
        const bool chainLeftOfLine = ux * towardsChain.y > 0;
        const int flag = chainLeftOfLine ? ZED_ARC_CW : ZED_ARC_CCW;
        const std::vector<ZedFigure> slot = SlotFigures();
        ASSERT_EQ(slot.size(), 3u);
        const std::string name = std::string(row.clockwise ? "clockwise " : "counter-clockwise ") +
                                 std::to_string(row.depth);
        EXPECT_TRUE(plate::Near(ArcCentre(slot[0]), s)) << name;
        EXPECT_TRUE(plate::Near(ArcStart(slot[0]), a2)) << name;
        EXPECT_TRUE(plate::Near(ArcEnd(slot[0]), a1)) << name;
        EXPECT_TRUE(plate::Near(plate::StartOf(slot[1]), a1)) << name;
        EXPECT_TRUE(plate::Near(plate::EndOf(slot[1]), b2)) << name;
        EXPECT_TRUE(plate::Near(ArcCentre(slot[2]), e)) << name;
        EXPECT_TRUE(plate::Near(ArcStart(slot[2]), b2)) << name;
        EXPECT_TRUE(plate::Near(ArcEnd(slot[2]), b1)) << name;
        for (const ZedFigure& arc : {slot[0], slot[2]}) {
            EXPECT_EQ(ArcRadius(arc), r) << name;
            EXPECT_EQ(ArcDirection(arc), flag) << name;
        }
        // Half way round, each arc lies beyond its line end, away from the line.
        EXPECT_TRUE(plate::Near(plate::ArcMiddle(slot[0]), Pt(s.x - r * ux, 0))) << name;
        EXPECT_TRUE(plate::Near(plate::ArcMiddle(slot[2]), Pt(e.x + r * ux, 0))) << name;
        const double quarter = 4.0 * std::atan(1.0) * 0.25;
        const double angle = std::atan2(a2.y - s.y, a2.x - s.x) + (chainLeftOfLine ? -quarter : quarter);
        EXPECT_TRUE(plate::Near(RadiusTextPoint(), Pt(s.x + (r + 10) * std::cos(angle), s.y + (r + 10) * std::sin(angle))))
            << name;
        EXPECT_TRUE(Errors().empty()) << name;
        TearDown();
    }
}

}  // namespace
