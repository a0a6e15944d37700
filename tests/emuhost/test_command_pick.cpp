// What a click picks: the nearest element whose shape meets the pick box,
// screened by layer detection, the pick filter and the compare function; the
// pick that finds nothing; clicks on a named element.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emuhost/emu_api.h"

namespace {

struct Pick {
    ZedId element = -2;
    ZedId segment = -2;
    ZedId instance = -2;
    ZedId detail = -2;
    double x = 0;
    double y = 0;
};
std::vector<Pick> g_picks;
uint32_t g_mask = ZED_MASK_ELEMENT_PICK;
int32_t g_filter[ZED_FILTER_SIZE] = {0, 0, 0, 0, 0};
ZedCompareFunc g_compare = nullptr;
std::vector<ZedId> g_compared;

int Execute(int type, ZedEvent* event) {
    if (type == ZED_EVT_END) {
        return ZED_EXEC_END;
    }
    Pick pick;
    if (ZedEvtGetPoint(type, event, &pick.x, &pick.y) == 0) {
        pick.element = ZedEvtGetElementId(type, event);
        pick.segment = ZedEvtGetSegmentId(type, event);
        pick.instance = ZedEvtGetInstanceId(type, event);
        pick.detail = ZedEvtGetDetailId(type, event);
        g_picks.push_back(pick);
    }
    return ZED_EXEC_WAIT;
}

int Ready() {
    ZedEvtSetEventMask(g_mask);
    ZedEvtSetObject(g_filter);
    ZedEvtSetCompareFunction(g_compare);
    ZedCtlSetExecuteFunc(Execute, ZED_TEXT(""));
    return 0;
}

int AdmitEveryPick() { return 1; }
void EndQuietly() {}

// Admits the elements of segments that carry attribute 40270, as a Delete mode would.
int CompareTagged(ZedId element) {
    g_compared.push_back(element);
    const ZedId segment = ZedElmGetSegment(element);
    ZedAttrValue value{};
    return segment != -1 && ZedSgmGetAttribute(segment, 40270, &value) == 0 ? 1 : 0;
}

class PickTest : public ::testing::Test {
protected:
    void SetUp() override {
        emu::Reset();
        g_picks.clear();
        g_compared.clear();
        g_mask = ZED_MASK_ELEMENT_PICK;
        std::fill(std::begin(g_filter), std::end(g_filter), 0);
        g_compare = nullptr;
        emu::AddLayer(1);
        emu::AddLayer(2);
        // A square on layer 1 from (0, 0) to (10, 10); its bottom edge is element 1 of the chain.
        square_ = emu::AddOutline(1,
                                  {emu::Line(0, 0, 10, 0), emu::Line(10, 0, 10, 10), emu::Line(10, 10, 0, 10),
                                   emu::Line(0, 10, 0, 0)},
                                  true);
        ASSERT_GT(square_, 0);
        squareChain_ = emu::Chain(square_);
        // A line on layer 2 just above the bottom edge, and an upper half circle about (30, 0).
        above_ = emu::AddOutline(2, {emu::Line(0, 0.6, 10, 0.6)}, false);
        arc_ = emu::AddOutline(1, {emu::Arc(30, 0, 35, 0, 25, 0, ZED_ARC_CCW)}, false);
        ASSERT_GT(above_, 0);
        ASSERT_GT(arc_, 0);
    }
    void TearDown() override { emu::Reset(); }

    void Start() {
        ASSERT_EQ(ZedCtlRegisterZedLib2(Ready, AdmitEveryPick, EndQuietly), 1);
        ASSERT_TRUE(emu::StartCommand());
    }

    // The element the click at (x, y) picked (-1 for a pick of nothing).
    ZedId PickedAt(double x, double y) {
        const size_t before = g_picks.size();
        EXPECT_TRUE(emu::PickAt(x, y));
        return g_picks.size() == before + 1 ? g_picks.back().element : -2;
    }

    ZedId Head(ZedId segment) { return emu::Chain(segment).front(); }

    ZedId square_ = -1;
    std::vector<ZedId> squareChain_;
    ZedId above_ = -1;
    ZedId arc_ = -1;
};

TEST_F(PickTest, TheNearestElementInThePickBoxIsPickedWithItsSegmentAndOrder) {
    Start();
    ASSERT_TRUE(emu::PickAt(4, 0.25));
    ASSERT_EQ(g_picks.size(), 1u);
    EXPECT_EQ(g_picks[0].element, squareChain_[0]);
    EXPECT_EQ(g_picks[0].segment, square_);
    EXPECT_EQ(g_picks[0].instance, 0);
    EXPECT_EQ(g_picks[0].detail, 1);
    EXPECT_DOUBLE_EQ(g_picks[0].x, 4);
    EXPECT_DOUBLE_EQ(g_picks[0].y, 0.25);
    EXPECT_EQ(PickedAt(4, 0.4), Head(above_));
    EXPECT_EQ(PickedAt(10.3, 5), squareChain_[1]);
    EXPECT_EQ(g_picks.back().detail, 2);
}

TEST_F(PickTest, AClickAwayFromEverythingStillArrivesAsAPickOfNothing) {
    Start();
    ASSERT_TRUE(emu::PickAt(5, 5));  // the middle of the square, 5 from every edge
    ASSERT_EQ(g_picks.size(), 1u);
    EXPECT_EQ(g_picks[0].element, -1);
    EXPECT_EQ(g_picks[0].segment, -1);
    EXPECT_EQ(g_picks[0].instance, -1);
    EXPECT_EQ(g_picks[0].detail, -1);
    EXPECT_DOUBLE_EQ(g_picks[0].x, 5);
}

TEST_F(PickTest, ThePickBoxIsASquareOfTheAperture) {
    Start();
    // The arc's start (35, 0) lies 0.9 away on both axes: in the box, though farther than 1.
    EXPECT_EQ(PickedAt(35.9, -0.9), Head(arc_));
    EXPECT_EQ(PickedAt(36.1, -0.9), -1);
    emu::SetPickAperture(0.2);
    EXPECT_EQ(PickedAt(4, 0.25), -1);
    EXPECT_EQ(PickedAt(4, 0.15), squareChain_[0]);
}

TEST_F(PickTest, ArcsArePickedAlongTheirSpanOnly) {
    Start();
    EXPECT_EQ(PickedAt(30, 5.5), Head(arc_));
    EXPECT_EQ(PickedAt(30, -5), -1);  // on the circle, off the arc
    EXPECT_EQ(PickedAt(35.5, -0.5), Head(arc_));
    emu::AddLayer(3);
    const ZedId circle = emu::AddOutline(3, {emu::Circle(50, 0, 2)}, true);
    EXPECT_EQ(PickedAt(50, -2.3), Head(circle));
    EXPECT_EQ(PickedAt(50, 0), -1);  // the centre is 2 away from the circle
}

TEST_F(PickTest, LayersWithoutDetectionOfferNothing) {
    ASSERT_EQ(ZedLyrSetDetection(1, 0), 0);
    Start();
    EXPECT_EQ(PickedAt(4, 0.25), Head(above_));  // the nearer bottom edge is on layer 1
    EXPECT_EQ(PickedAt(30, 5.5), -1);
    ASSERT_EQ(ZedLyrSetDetection(1, 1), 0);
    EXPECT_EQ(PickedAt(30, 5.5), Head(arc_));
}

TEST_F(PickTest, ThePickFilterScreensFigureKinds) {
    // The square's top right corner rounded: a fillet about (8, 8) from (10, 8) to (8, 10).
    const ZedId fillet = emu::AddFillet(squareChain_[1], 2);
    ASSERT_GT(fillet, 0);
    Start();
    EXPECT_EQ(PickedAt(9.5, 9.4), fillet);
    emu::EndCommand();

    g_filter[0] = 2;  // the line pick: figures, lines only
    g_filter[1] = 1;
    ASSERT_TRUE(emu::StartCommand());
    EXPECT_EQ(PickedAt(9.5, 9.4), -1);
    EXPECT_EQ(PickedAt(30, 5.5), -1);
    EXPECT_EQ(PickedAt(4, 0.25), squareChain_[0]);
    emu::EndCommand();

    g_filter[1] = 64;  // fillet corners only
    ASSERT_TRUE(emu::StartCommand());
    EXPECT_EQ(PickedAt(9.5, 9.4), fillet);
    EXPECT_EQ(PickedAt(4, 0.25), -1);
    emu::EndCommand();

    g_filter[0] = 4;  // dimensions only: no figure at all
    g_filter[1] = 0;
    ASSERT_TRUE(emu::StartCommand());
    EXPECT_EQ(PickedAt(4, 0.25), -1);
}

// A line-length dimension of the bottom edge drawn 3 below it, and a radius dimension of the arc.
struct Dimensions {
    ZedId length = -1;
    ZedId radius = -1;
    ZedId note = -1;
};

Dimensions AddDimensions(ZedId bottomEdge, ZedId arc) {
    Dimensions made;
    emu::SetCurrentLayer(2);
    ZedLengthDim length{};
    length.first = ZedPoint{0, 0};
    length.second = ZedPoint{10, 0};
    length.firstElement = bottomEdge;
    length.secondElement = bottomEdge;
    length.offset = -3;  // to the right of the direction from the first point to the second: below
    length.flag80 = 1;
    made.length = ZedDimCreateLineLength(ZedSgmCreateSegment(ZED_SGM_DIMENSION, 0), &length);
    ZedRadiusDim radius{};
    radius.flag4 = 1;
    radius.arcElement = arc;
    radius.textPoint = ZedPoint{30, 15};
    made.radius = ZedDimCreateRadius(ZedSgmCreateSegment(ZED_SGM_DIMENSION, 0), &radius);
    ZedLeader leader{};
    leader.kind = ZED_LEADER_KIND;
    leader.first = ZedPoint{20, 20};
    leader.second = ZedPoint{25, 25};
    leader.third = leader.second;
    leader.text = ZED_TEXT("하면");
    leader.one112 = 1;
    leader.four144 = 4;
    leader.three152 = 3.0;
    leader.two160 = 2.0;
    made.note = ZedCmtCreateLeader(ZedSgmCreateSegment(ZED_SGM_NOTE, 0), &leader);
    return made;
}

TEST_F(PickTest, DimensionsAndNotesArePickedByTheirLinesAndScreenedByKind) {
    const Dimensions dims = AddDimensions(squareChain_[0], Head(arc_));
    ASSERT_GT(dims.length, 0);
    ASSERT_GT(dims.radius, 0);
    ASSERT_GT(dims.note, 0);
    // The plan patterns' dimension pick: line-length dimensions and leader notes.
    g_filter[0] = 12;
    g_filter[2] = 1;
    g_filter[3] = 8;
    Start();
    EXPECT_EQ(PickedAt(5, -3.2), dims.length);
    EXPECT_EQ(PickedAt(5, 0.2), -1);     // the measured edge itself is a figure
    EXPECT_EQ(PickedAt(30, 10), -1);     // radius dimensions are not admitted
    EXPECT_EQ(PickedAt(22.4, 22.6), dims.note);
    emu::EndCommand();

    // Slot pattern: line-length and radius dimensions, no notes.
    g_filter[0] = 4;
    g_filter[2] = 17;
    g_filter[3] = 0;
    ASSERT_TRUE(emu::StartCommand());
    EXPECT_EQ(PickedAt(30.3, 10), dims.radius);  // the line from the arc's centre to its text
    EXPECT_EQ(PickedAt(5, -3.2), dims.length);
    EXPECT_EQ(PickedAt(22.4, 22.6), -1);
}

TEST_F(PickTest, TheCompareFunctionScreensDeleteModePicks) {
    ASSERT_EQ(emu::PickFilter(), (std::vector<int32_t>{0, 0, 0, 0, 0}));
    ZedAttrValue tag{};
    tag.kind = ZED_ATTR_TEXT;
    tag.value.text = ZED_TEXT("SymbolShoulder");
    ASSERT_EQ(ZedSgmSetAttribute(above_, 40270, &tag), 0);
    g_mask = ZED_MASK_COMPARE_PICK;
    g_compare = CompareTagged;
    Start();
    // The untagged bottom edge is nearer, but only the tagged line is offered.
    EXPECT_EQ(PickedAt(4, 0.25), Head(above_));
    EXPECT_EQ(g_compared, (std::vector<ZedId>{squareChain_[0], Head(above_)}));
    EXPECT_EQ(PickedAt(30, 5.5), -1);
    EXPECT_TRUE(emu::ProtocolErrors().empty());
    emu::EndCommand();

    // Without a compare function nothing is offered at all.
    g_compare = nullptr;
    ASSERT_TRUE(emu::StartCommand());
    EXPECT_EQ(PickedAt(4, 0.4), -1);
}

TEST_F(PickTest, PickingANamedElementPrefersItAndIsScreenedLikeAClick) {
    // Two lines on top of each other: the click on either picks the one named.
    const ZedId twin = emu::AddOutline(2, {emu::Line(0, 0.6, 10, 0.6)}, false);
    Start();
    ASSERT_TRUE(emu::PickElement(Head(above_)));
    EXPECT_EQ(g_picks.back().element, Head(above_));
    ASSERT_TRUE(emu::PickElement(Head(twin)));
    EXPECT_EQ(g_picks.back().element, Head(twin));
    EXPECT_DOUBLE_EQ(g_picks.back().x, 5);
    EXPECT_DOUBLE_EQ(g_picks.back().y, 0.6);
    // Once its layer is closed to picking, the click at its middle goes to the bottom edge below.
    ASSERT_EQ(ZedLyrSetDetection(2, 0), 0);
    ASSERT_TRUE(emu::PickElement(Head(twin)));
    EXPECT_EQ(g_picks.back().element, squareChain_[0]);
    EXPECT_FALSE(emu::PickElement(9999));
}

TEST_F(PickTest, PicksNeedAWaitingCommandAndAValidFilter) {
    EXPECT_FALSE(emu::PickAt(4, 0.25));
    Start();
    const int32_t reserved[ZED_FILTER_SIZE] = {2, 1, 0, 0, 7};
    EXPECT_EQ(ZedEvtSetObject(reserved), -1);
    EXPECT_EQ(ZedEvtSetObject(nullptr), -1);
    EXPECT_EQ(emu::PickFilter(), (std::vector<int32_t>{0, 0, 0, 0, 0}));
    const int32_t lines[ZED_FILTER_SIZE] = {2, 1, 0, 0, 0};
    EXPECT_EQ(ZedEvtSetObject(lines), 0);
    EXPECT_EQ(emu::PickFilter(), (std::vector<int32_t>{2, 1, 0, 0, 0}));
    emu::EndCommand();
    EXPECT_FALSE(emu::PickAt(4, 0.25));
    EXPECT_TRUE(g_picks.empty());
}

}  // namespace
