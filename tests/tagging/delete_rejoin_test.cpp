// How Delete mode joins an outline again across the gap a shoulder leaves,
// for every pair of kinds of the element before the shoulder (b) and the one
// after it (c), on closed outlines (b and c stay in one segment, which is
// closed again) and on open ones (b and c end up in two segments, which are
// joined). Every failure message is reached through a fault the emulated host
// injects at the step that reports it; the failing pick keeps the shoulder's
// mark. Geometry checks: where b now ends and c now starts, and the host's
// integrity check of the result.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "tagging/chain_walk.h"
#include "tagging/shoulder_tag.h"
#include "tests/tagging/tagging_test_support.h"

namespace {

using namespace tagging_test;

// A shoulder laid out by hand: the outline's figures with the three sides at
// `first`, `first` + 1 and `first` + 2, b just before them and c just after.
struct JoinCase {
    const char* name;
    std::vector<ZedFigure> figures;
    size_t first;
    // Where b and c meet once the shoulder is gone; absent when b is deleted
    // and c takes over (collinear lines).
    ZedPoint meet;
    // Element ids of the outline's figures in order, for extra checks.
    std::function<void(const std::vector<ZedId>&)> check;
};

ZedFigure Reversed(const ZedFigure& f) {
    if (f.kind == ZED_FIG_LINE) {
        return emu::Line(f.v[2], f.v[3], f.v[0], f.v[1]);
    }
    return emu::Arc(f.v[0], f.v[1], f.v[4], f.v[5], f.v[2], f.v[3],
                    emu::ArcFlag(f) == ZED_ARC_CCW ? ZED_ARC_CW : ZED_ARC_CCW);
}

std::vector<ZedFigure> ReversedOutline(const std::vector<ZedFigure>& figures) {
    std::vector<ZedFigure> reversed;
    for (auto it = figures.rbegin(); it != figures.rend(); ++it) {
        reversed.push_back(Reversed(*it));
    }
    return reversed;
}

// A rectangle 20 × 10 whose bottom edge carries a step 8..12 standing 3 out.
std::vector<ZedFigure> CollinearOutline() {
    return {emu::Line(20, 0, 20, 10), emu::Line(20, 10, 0, 10), emu::Line(0, 10, 0, 0), emu::Line(0, 0, 8, 0),
            emu::Line(8, 0, 8, -3),   emu::Line(8, -3, 12, -3), emu::Line(12, -3, 12, 0), emu::Line(12, 0, 20, 0)};
}

// A shoulder across the bottom-right corner of a 20 × 10 rectangle: b is the
// bottom edge up to x = 16, c the right edge from y = 4.
std::vector<ZedFigure> CornerOutline() {
    return {emu::Line(20, 10, 0, 10),  emu::Line(0, 10, 0, 0),    emu::Line(0, 0, 16, 0), emu::Line(16, 0, 16, -3),
            emu::Line(16, -3, 24, -3), emu::Line(24, -3, 20, 4), emu::Line(20, 4, 20, 10)};
}

// The bottom edge runs up to x = 19 and the right side is an arc about
// (16, 3) of radius 5 that the edge's line meets at x = 12 and x = 20.
std::vector<ZedFigure> LineArcOutline() {
    return {emu::Line(21, 3, 21, 10),
            emu::Line(21, 10, 0, 10),
            emu::Line(0, 10, 0, 0),
            emu::Line(0, 0, 19, 0),
            emu::Line(19, 0, 19, -2),
            emu::Line(19, -2, 21, -2),
            emu::Line(21, -2, ArcPoint(16, 3, 5, -20).x, ArcPoint(16, 3, 5, -20).y),
            ArcDegrees(16, 3, 5, -20, 0, ZED_ARC_CCW)};
}

// LineArcOutline with b ending at (16, 0), right above the arc's centre: the
// two crossings (12, 0) and (20, 0) lie equally far from b's end.
std::vector<ZedFigure> LineArcTieOutline() {
    std::vector<ZedFigure> figures = LineArcOutline();
    figures[3] = emu::Line(0, 0, 16, 0);
    figures[4] = emu::Line(16, 0, 16, -2);
    figures[5] = emu::Line(16, -2, 21, -2);
    return figures;
}

// b an arc about (0, 0) and c an arc about (12, 0), both of radius 10: the
// circles meet at (6, 8) and (6, -8). b runs on past (6, 8), so the host
// marks the first point as lying on b.
std::vector<ZedFigure> OverlappingArcsOutline() {
    const ZedPoint bEnd = ArcPoint(0, 0, 10, 60);
    const ZedPoint cStart = ArcPoint(12, 0, 10, 140);
    return {emu::Line(2, 0, 10, 0),
            ArcDegrees(0, 0, 10, 0, 60, ZED_ARC_CCW),
            emu::Line(bEnd.x, bEnd.y, bEnd.x, 11),
            emu::Line(bEnd.x, 11, cStart.x, 11),
            emu::Line(cStart.x, 11, cStart.x, cStart.y),
            ArcDegrees(12, 0, 10, 140, 180, ZED_ARC_CCW)};
}

// b an arc about (12, 0) and c an arc about (0, 0), clockwise, both stopping
// short of (6, 8): the host's first point (6, -8) is not on b, so the second
// is taken.
std::vector<ZedFigure> ShortArcsOutline() {
    const ZedPoint bEnd = ArcPoint(12, 0, 10, 135);
    const ZedPoint cStart = ArcPoint(0, 0, 10, 45);
    return {emu::Line(10, 0, 10, -5),
            emu::Line(10, -5, 2, -5),
            emu::Line(2, -5, 2, 0),
            ArcDegrees(12, 0, 10, 180, 135, ZED_ARC_CW),
            emu::Line(bEnd.x, bEnd.y, bEnd.x, 11),
            emu::Line(bEnd.x, 11, cStart.x, 11),
            emu::Line(cStart.x, 11, cStart.x, cStart.y),
            ArcDegrees(0, 0, 10, 45, 0, ZED_ARC_CW)};
}

std::vector<JoinCase> JoinCases() {
    return {
        {"collinear lines", CollinearOutline(), 4, {0, 0},
         [](const std::vector<ZedId>& ids) {
             // b goes; c runs the whole edge from b's old start.
             EXPECT_FALSE(emu::ElementExists(ids[3]));
             EXPECT_POINT_NEAR(EndOf(ChainFigureOf(ids[7])), 20, 0);
         }},
        {"crossing lines", CornerOutline(), 3, {20, 0},
         [](const std::vector<ZedId>& ids) {
             EXPECT_POINT_NEAR(StartOf(ChainFigureOf(ids[2])), 0, 0);
             EXPECT_POINT_NEAR(EndOf(ChainFigureOf(ids[6])), 20, 10);
         }},
        {"line then arc", LineArcOutline(), 4, {20, 0},
         [](const std::vector<ZedId>& ids) {
             // Of the two crossings (12, 0) and (20, 0) the one nearer b's end.
             const ZedFigure arc = ChainFigureOf(ids[7]);
             EXPECT_EQ(arc.kind, ZED_FIG_ARC);
             EXPECT_POINT_NEAR(EndOf(arc), 21, 3);
         }},
        {"arc then line", ReversedOutline(LineArcOutline()), 1, {20, 0},
         [](const std::vector<ZedId>& ids) {
             // Of the two crossings the one nearer c's start.
             EXPECT_POINT_NEAR(StartOf(ChainFigureOf(ids[0])), 21, 3);
             EXPECT_POINT_NEAR(EndOf(ChainFigureOf(ids[4])), 0, 0);
         }},
        {"arcs, first point on b", OverlappingArcsOutline(), 2, {6, 8},
         [](const std::vector<ZedId>& ids) { EXPECT_POINT_NEAR(StartOf(ChainFigureOf(ids[1])), 10, 0); }},
        {"arcs, first point off b", ShortArcsOutline(), 4, {6, 8},
         [](const std::vector<ZedId>& ids) { EXPECT_POINT_NEAR(EndOf(ChainFigureOf(ids[7])), 10, 0); }},
        // On a tie the second of the host's two points is taken: along b
        // (12, 0) comes first, along c (reversed) (20, 0).
        {"line then arc, tie", LineArcTieOutline(), 4, {20, 0},
         [](const std::vector<ZedId>& ids) { EXPECT_POINT_NEAR(StartOf(ChainFigureOf(ids[3])), 0, 0); }},
        {"arc then line, tie", ReversedOutline(LineArcTieOutline()), 1, {12, 0},
         [](const std::vector<ZedId>& ids) { EXPECT_POINT_NEAR(EndOf(ChainFigureOf(ids[4])), 0, 0); }},
    };
}

// Which of b and c the host stores the other way round from the chain, as
// drawings joined end to end hold some of their lines and arcs. The join must
// come out the same either way.
enum class Turned { Neither, B, C, Both };

const char* TurnedName(Turned turned) {
    switch (turned) {
        case Turned::Neither:
            return "";
        case Turned::B:
            return ", b stored reversed";
        case Turned::C:
            return ", c stored reversed";
        case Turned::Both:
            return ", b and c stored reversed";
    }
    return "";
}

// One flag a figure: b sits just before the first side, c just after the last.
std::vector<bool> TurnedFlags(size_t figures, size_t first, Turned turned) {
    std::vector<bool> flags(figures, false);
    flags[first - 1] = turned == Turned::B || turned == Turned::Both;
    flags[first + 3] = turned == Turned::C || turned == Turned::Both;
    return flags;
}

constexpr Turned kAllTurned[] = {Turned::Neither, Turned::B, Turned::C, Turned::Both};

class DeleteRejoinTest : public TaggingTest {
protected:
    // Lays the case out (closed or open), tags its shoulder and enters Delete
    // mode; the messages so far are cleared.
    Laid Prepare(const JoinCase& c, bool closed, Turned turned = Turned::Neither) {
        const Laid laid = LayOut(c.figures, closed, TurnedFlags(c.figures.size(), c.first, turned));
        EXPECT_EQ(laid.ids.size(), c.figures.size()) << c.name;
        if (laid.ids.size() != c.figures.size()) {
            return laid;
        }
        sides_ = Sides{laid.ids[c.first], laid.ids[c.first + 1], laid.ids[c.first + 2]};
        TagShoulder(laid.segment, sides_);
        EnterDeleteMode();
        return laid;
    }

    Sides sides_;
};

TEST_F(DeleteRejoinTest, EachPairOfKindsIsJoinedWhereItsElementsMeet) {
    for (const JoinCase& c : JoinCases()) {
        for (const Turned turned : kAllTurned) {
            for (const bool closed : {true, false}) {
                emu::Reset();
                SetUp();
                const Laid laid = Prepare(c, closed, turned);
                ASSERT_FALSE(laid.ids.empty()) << c.name;
                const ZedId b = laid.ids[c.first - 1];
                const ZedId after = laid.ids[c.first + 3];

                ASSERT_TRUE(emu::PickElement(sides_.inner)) << c.name;

                SCOPED_TRACE(std::string(c.name) + TurnedName(turned) + (closed ? ", closed" : ", open"));
                EXPECT_TRUE(TextsOn(emu::Channel::Error).empty());
                for (const ZedId side : {sides_.first, sides_.inner, sides_.second}) {
                    EXPECT_FALSE(emu::ElementExists(side));
                }
                ASSERT_TRUE(emu::ElementExists(after));
                EXPECT_POINT_NEAR(StartOf(ChainFigureOf(after)), c.meet.x, c.meet.y);
                if (emu::ElementExists(b)) {
                    EXPECT_POINT_NEAR(EndOf(ChainFigureOf(b)), c.meet.x, c.meet.y);
                    EXPECT_EQ(ZedElmGetSegment(b), ZedElmGetSegment(after));
                }
                // One outline again, closed when it was closed.
                EXPECT_EQ(emu::SegmentIds(), std::vector<ZedId>{laid.segment});
                EXPECT_EQ(emu::SegmentClosed(laid.segment), closed);
                EXPECT_EQ(emu::Chain(laid.segment).size(), c.figures.size() - 3 - (emu::ElementExists(b) ? 0 : 1));
                EXPECT_EQ(emu::CheckAllIntegrity(), "");
                EXPECT_FALSE(emu::HasAttribute(laid.segment, kAttrShoulderType));
                c.check(laid.ids);
            }
        }
    }
}

TEST_F(DeleteRejoinTest, ACornerBeforeTheEdgeIsMadePlainAndTheEdgeKeepsItsStart) {
    std::vector<ZedFigure> figures = CollinearOutline();
    const Laid laid = LayOut(figures, true);
    const ZedId fillet = emu::AddFillet(laid.ids[2], 2.0);  // between the left edge and b
    ASSERT_NE(fillet, -1);
    const ZedId b = laid.ids[3];
    EXPECT_POINT_NEAR(StartOf(emu::FigureOf(b)), 2, 0);
    sides_ = Sides{laid.ids[4], laid.ids[5], laid.ids[6]};
    TagShoulder(laid.segment, sides_);
    EnterDeleteMode();

    ASSERT_TRUE(emu::PickElement(sides_.inner));

    EXPECT_TRUE(TextsOn(emu::Channel::Error).empty());
    EXPECT_FALSE(emu::ElementExists(b));
    EXPECT_FALSE(emu::ElementExists(fillet));
    const ZedFigure edge = emu::FigureOf(laid.ids[7]);
    EXPECT_POINT_NEAR(StartOf(edge), 2, 0);
    EXPECT_POINT_NEAR(EndOf(edge), 20, 0);
    // The rounded corner keeps its shape as a plain arc in front of the edge.
    const ZedId corner = ZedElmGetPrevElementId(laid.ids[7]) != -1 ? ZedElmGetPrevElementId(laid.ids[7])
                                                                     : ZedSgmGetTailElementId(laid.segment);
    EXPECT_EQ(emu::FigureOf(corner).kind, ZED_FIG_ARC);
    EXPECT_POINT_NEAR(EndOf(emu::FigureOf(corner)), 2, 0);
    EXPECT_TRUE(emu::SegmentClosed(laid.segment));
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
}

TEST_F(DeleteRejoinTest, ALineThatWouldShrinkToNothingIsDeleted) {
    // c's line passes through b's start (b deleted) or b's line through c's
    // end (c deleted); what is left is a 10 × 10 square either way.
    const std::vector<ZedFigure> bGoes = {emu::Line(10, 10, 0, 10), emu::Line(0, 10, 0, 0),  emu::Line(0, 0, 10, 0),
                                          emu::Line(10, 0, 12, 0),  emu::Line(12, 0, 12, 5), emu::Line(12, 5, 11, 5),
                                          emu::Line(11, 5, 10, 5),  emu::Line(10, 5, 10, 10)};
    const std::vector<ZedFigure> cGoes = {emu::Line(10, 10, 0, 10), emu::Line(0, 10, 0, 0),   emu::Line(0, 0, 6, 0),
                                          emu::Line(6, 0, 6, -6),   emu::Line(6, -6, 10, -6), emu::Line(10, -6, 10, -5),
                                          emu::Line(10, -5, 10, 0), emu::Line(10, 0, 10, 10)};
    // The line that goes may be stored the other way round: then its far
    // end, not its stored start or end, is what lies at the crossing.
    for (const bool bIsDeleted : {true, false}) {
        for (const bool turned : {false, true}) {
            emu::Reset();
            SetUp();
            const size_t first = bIsDeleted ? 4 : 3;
            const Turned vanishing = !turned ? Turned::Neither : bIsDeleted ? Turned::B : Turned::C;
            const Laid laid = LayOut(bIsDeleted ? bGoes : cGoes, true, TurnedFlags(8, first, vanishing));
            SCOPED_TRACE(std::string(bIsDeleted ? "b goes" : "c goes") + TurnedName(vanishing));
            ASSERT_EQ(laid.ids.size(), 8u);
            sides_ = Sides{laid.ids[first], laid.ids[first + 1], laid.ids[first + 2]};
            TagShoulder(laid.segment, sides_);
            EnterDeleteMode();

            ASSERT_TRUE(emu::PickElement(sides_.inner));

            EXPECT_TRUE(TextsOn(emu::Channel::Error).empty()) << bIsDeleted;
            EXPECT_FALSE(emu::ElementExists(laid.ids[first + (bIsDeleted ? -1 : 3)])) << bIsDeleted;
            EXPECT_EQ(emu::Chain(laid.segment).size(), 4u) << bIsDeleted;
            EXPECT_TRUE(emu::SegmentClosed(laid.segment)) << bIsDeleted;
            EXPECT_EQ(emu::CheckAllIntegrity(), "") << bIsDeleted;
            for (const ZedId id : emu::Chain(laid.segment)) {
                const ZedFigure f = emu::FigureOf(id);
                for (const ZedPoint p : {StartOf(f), EndOf(f)}) {
                    EXPECT_TRUE((p.x == 0 || p.x == 10) && (p.y == 0 || p.y == 10)) << p.x << "," << p.y;
                }
            }
        }
    }
}

TEST_F(DeleteRejoinTest, ACornerFittedToALineThatGoesGoesWithIt) {
    // b runs along y = 0 from a chamfer that ends at (1, 0), right where c's
    // line x = 1 crosses b's line: b shrinks to nothing and goes. The chamfer
    // was cut between a (along y = x) and b; it goes as well, and a and c meet
    // at the crossing of their lines, (1, 1). The same mirrored with the
    // chamfer after c.
    const std::vector<ZedFigure> cornerBeforeB = {
        emu::Line(-5, -5, 0, 0), emu::Line(0, 0, 4, 0),   emu::Line(4, 0, 4, 3),     emu::Line(4, 3, 2, 3),
        emu::Line(2, 3, 1, 3),   emu::Line(1, 3, 1, 10), emu::Line(1, 10, -5, 10), emu::Line(-5, 10, -5, -5)};
    struct Row {
        bool before;
        std::vector<ZedFigure> figures;
        size_t chamferAfter;  // the line the chamfer follows
        size_t first;         // the first side, counted after the chamfer is in
    };
    const std::vector<Row> rows = {{true, cornerBeforeB, 0, 3}, {false, ReversedOutline(cornerBeforeB), 6, 3}};
    for (const Row& row : rows) {
        for (const bool closed : {true, false}) {
            emu::Reset();
            SetUp();
            const Laid laid = LayOut(row.figures, closed);
            ASSERT_EQ(laid.ids.size(), 8u);
            const ZedId chamfer = emu::AddChamfer(laid.ids[row.chamferAfter], 1.0);
            ASSERT_NE(chamfer, -1);
            const std::vector<ZedId> ids = emu::Chain(laid.segment);
            sides_ = Sides{ids[row.first], ids[row.first + 1], ids[row.first + 2]};
            // The lines on either side of the chamfer and the line that goes.
            const ZedId vanishing = row.before ? ids[row.first - 1] : ids[row.first + 3];
            const ZedId toCrossing = row.before ? ids[0] : ids[row.first - 1];
            const ZedId fromCrossing = row.before ? ids[row.first + 3] : ids[8];
            TagShoulder(laid.segment, sides_);
            EnterDeleteMode();

            ASSERT_TRUE(emu::PickElement(sides_.inner));

            SCOPED_TRACE(std::string(row.before ? "corner before b" : "corner after c") +
                         (closed ? ", closed" : ", open"));
            EXPECT_TRUE(TextsOn(emu::Channel::Error).empty());
            EXPECT_FALSE(emu::ElementExists(vanishing));
            EXPECT_FALSE(emu::ElementExists(chamfer));
            EXPECT_POINT_NEAR(EndOf(emu::FigureOf(toCrossing)), 1, 1);
            EXPECT_POINT_NEAR(StartOf(emu::FigureOf(fromCrossing)), 1, 1);
            EXPECT_EQ(emu::SegmentIds(), std::vector<ZedId>{laid.segment});
            EXPECT_EQ(emu::Chain(laid.segment).size(), 4u);
            EXPECT_EQ(emu::SegmentClosed(laid.segment), closed);
            EXPECT_EQ(emu::CheckAllIntegrity(), "");
        }
    }
}

// Ends that no join can make meet: the gap from b's end to c's start is
// bridged by a line.
struct BridgeCase {
    const char* name;
    std::vector<ZedFigure> figures;
    size_t first;
    ZedPoint from;
    ZedPoint to;
};

std::vector<BridgeCase> BridgeCases() {
    // The line of the bottom edge never reaches the arc about (30, 8).
    const std::vector<ZedFigure> lineArc = {emu::Line(30, 10, 0, 10),   emu::Line(0, 10, 0, 0),
                                            emu::Line(0, 0, 20, 0),     emu::Line(20, 0, 20, -2),
                                            emu::Line(20, -2, 28, -2),  emu::Line(28, -2, 28, 8),
                                            ArcDegrees(30, 8, 2, 180, 90, ZED_ARC_CW)};
    return {
        // A shoulder that took the whole bottom edge between two parallel sides.
        {"parallel lines",
         {emu::Line(20, 10, 0, 10), emu::Line(0, 10, 0, 0), emu::Line(0, 0, 5, -3), emu::Line(5, -3, 15, -3),
          emu::Line(15, -3, 20, 0), emu::Line(20, 0, 20, 10)},
         2, {0, 0}, {20, 0}},
        {"line and arc apart", lineArc, 3, {20, 0}, {28, 8}},
        {"arc and line apart", ReversedOutline(lineArc), 1, {28, 8}, {20, 0}},
        // Circles of radius 2 about (0, 0) and (12, 0) have no point in common.
        {"arcs apart",
         {ArcDegrees(0, 0, 2, 90, 0, ZED_ARC_CW), emu::Line(2, 0, 2, -3), emu::Line(2, -3, 10, -3),
          emu::Line(10, -3, 10, 0), ArcDegrees(12, 0, 2, 180, 90, ZED_ARC_CW), emu::Line(12, 2, 0, 2)},
         1, {2, 0}, {10, 0}},
    };
}

// Colour 5 and line type 3 on every element of the outline.
const ZedLineType2 kOutlineLook = [] {
    ZedLineType2 look{};
    look.colour = 5;
    look.lineType = 3;
    return look;
}();

class DeleteBridgeTest : public DeleteRejoinTest {
protected:
    Laid PrepareBridge(const BridgeCase& c, bool closed, Turned turned = Turned::Neither) {
        Laid laid;
        laid.segment = emu::AddOutline(kLayer, c.figures, closed, &kOutlineLook,
                                       TurnedFlags(c.figures.size(), c.first, turned));
        EXPECT_NE(laid.segment, -1) << c.name;
        if (laid.segment == -1) {
            return laid;
        }
        laid.ids = emu::Chain(laid.segment);
        sides_ = Sides{laid.ids[c.first], laid.ids[c.first + 1], laid.ids[c.first + 2]};
        TagShoulder(laid.segment, sides_);
        EnterDeleteMode();
        return laid;
    }

    // The elements of every segment that run from `from` to `to`.
    static std::vector<ZedId> Bridges(ZedPoint from, ZedPoint to) {
        std::vector<ZedId> found;
        for (const ZedId segment : emu::SegmentIds()) {
            for (const ZedId id : emu::Chain(segment)) {
                const ZedFigure f = emu::FigureOf(id);
                if (f.kind == ZED_FIG_LINE && Distance(StartOf(f), from) < 1e-9 && Distance(EndOf(f), to) < 1e-9) {
                    found.push_back(id);
                }
            }
        }
        return found;
    }

    static double Distance(ZedPoint p, ZedPoint q) { return std::hypot(p.x - q.x, p.y - q.y); }
};

TEST_F(DeleteBridgeTest, EndsThatDoNotMeetAreBridgedByALineThatLooksLikeTheOutline) {
    for (const BridgeCase& c : BridgeCases()) {
        for (const Turned turned : kAllTurned) {
            for (const bool closed : {true, false}) {
                emu::Reset();
                SetUp();
                const Laid laid = PrepareBridge(c, closed, turned);
                ASSERT_FALSE(laid.ids.empty());

                ASSERT_TRUE(emu::PickElement(sides_.inner));

                SCOPED_TRACE(std::string(c.name) + TurnedName(turned) + (closed ? ", closed" : ", open"));
                EXPECT_TRUE(TextsOn(emu::Channel::Error).empty());
                const std::vector<ZedId> bridges = Bridges(c.from, c.to);
                EXPECT_EQ(bridges.size(), 1u);
                if (bridges.size() != 1u) {
                    continue;
                }
                const ZedLineType2 look = emu::AttributesOf(bridges[0]);
                EXPECT_EQ(look.colour, 5);
                EXPECT_EQ(look.lineType, 3);
                // b, the bridge and c follow one another in the one outline left.
                const ZedId b = laid.ids[c.first - 1];
                const ZedId after = laid.ids[c.first + 3];
                EXPECT_EQ(emu::SegmentIds(), std::vector<ZedId>{laid.segment});
                EXPECT_EQ(NextInChain(b), bridges[0]);
                EXPECT_EQ(NextInChain(bridges[0]), after);
                EXPECT_EQ(emu::SegmentClosed(laid.segment), closed);
                EXPECT_EQ(emu::Chain(laid.segment).size(), c.figures.size() - 2);
                EXPECT_EQ(emu::CheckAllIntegrity(), "");
                EXPECT_FALSE(emu::HasAttribute(laid.segment, kAttrShoulderType));
            }
        }
    }
}

TEST_F(DeleteBridgeTest, EveryFailedStepOfTheBridgeHasItsNumberAndLeavesNoStrayLine) {
    struct BridgeFault {
        const char* call;
        int nth;
        const char* message;
        bool closed;
        bool open;
    };
    const std::vector<BridgeFault> faults = {
        {"ZedSgmGetLayer", 1, "결합할 수 없습니다(21).", true, true},
        {"ZedFigGetLineType2", 1, "결합할 수 없습니다(22).", true, true},
        {"ZedSgmCreateSegment", 1, "결합할 수 없습니다(23).", true, true},
        {"ZedFigCreateFigure", 1, "결합할 수 없습니다(24).", true, true},
        {"ZedFigSetLineType2", 1, "결합할 수 없습니다(25).", true, true},
        {"ZedSgmChangeLayer", 1, "결합할 수 없습니다(26).", true, true},
        {"ZedFigConcat", 1, "결합할 수 없습니다(27).", true, true},
        {"ZedFigSetClosed", 1, "결합할 수 없습니다(28).", true, false},
        {"ZedFigConcat", 2, "결합할 수 없습니다(29).", false, true},
    };
    const BridgeCase c = BridgeCases()[0];
    for (const BridgeFault& fault : faults) {
        for (const bool closed : {true, false}) {
            if (!(closed ? fault.closed : fault.open)) {
                continue;
            }
            emu::Reset();
            SetUp();
            const Laid laid = PrepareBridge(c, closed);
            ASSERT_FALSE(laid.ids.empty());
            emu::FailCall(fault.call, fault.nth);

            ASSERT_TRUE(emu::PickElement(sides_.inner));

            SCOPED_TRACE(std::string(fault.call) + " #" + std::to_string(fault.nth) + (closed ? ", closed" : ", open"));
            EXPECT_EQ(emu::InjectedFailures(), 1);
            EXPECT_EQ(TextsOn(emu::Channel::Error), (std::vector<std::string>{fault.message, kNotDeleted}));
            EXPECT_TRUE(Bridges(c.from, c.to).empty());
            EXPECT_EQ(emu::SegmentIds().size(), closed ? 1u : 2u);
            EXPECT_TRUE(emu::HasAttribute(laid.segment, kAttrShoulderType));
            EXPECT_EQ(emu::CheckAllIntegrity(), "");
        }
    }
}

// A host call that fails at a step of the join, and what the user is told.
struct JoinFault {
    const char* call;
    int nth;
    bool closed;
    const char* message;
};

struct FaultCase {
    size_t joinCase;  // index into JoinCases()
    std::vector<JoinFault> faults;
};

TEST_F(DeleteRejoinTest, EveryFailedStepIsReportedByItsNumberAndKeepsTheMark) {
    const std::vector<FaultCase> table = {
        {0,
         {{"ZedFigAmendFigure", 1, true, "직선요소를 수정할 수 없습니다.(1)"},
          {"ZedFigSetClosed", 1, true, "결합할 수 없습니다(2)."},
          {"ZedFigConcat", 1, false, "결합할 수 없습니다(2)."}}},
        {1,
         {{"ZedAriItsLinLin", 1, true, "교차점이 많습니다(1)."},
          {"ZedFigAmendFigure", 1, true, "직선요소를 수정할 수 없습니다.(9)"},
          {"ZedFigAmendFigure", 2, true, "직선요소를 수정할 수 없습니다.(10)"},
          {"ZedFigSetClosed", 1, true, "결합할 수 없습니다(11)."},
          {"ZedFigConcat", 1, false, "결합할 수 없습니다(12)."}}},
        {2,
         {{"ZedFigAmendFigure", 1, true, "직선요소를 수정할 수 없습니다.(101)"},
          {"ZedFigAmendFigure", 2, true, "원호요소를 수정할 수 없습니다.(102)"},
          {"ZedFigSetClosed", 1, true, "결합할 수 없습니다(103)."},
          {"ZedFigConcat", 1, false, "결합할 수 없습니다(104)."}}},
        {3,
         {{"ZedFigAmendFigure", 1, true, "직선요소를 수정할 수 없습니다.(201)"},
          {"ZedFigAmendFigure", 2, true, "원호요소를 수정할 수 없습니다.(202)"},
          {"ZedFigSetClosed", 1, true, "결합할 수 없습니다(203)."},
          {"ZedFigConcat", 1, false, "결합할 수 없습니다(204)."}}},
        {4,
         {{"ZedFigAmendFigure", 1, true, "요소를 수정할 수 없습니다.(301)"},
          {"ZedFigAmendFigure", 2, true, "원호요소를 수정할 수 없습니다.(302)"},
          {"ZedFigSetClosed", 1, true, "결합할 수 없습니다(303)."},
          {"ZedFigConcat", 1, false, "결합할 수 없습니다(304)."}}},
    };
    const std::vector<JoinCase> cases = JoinCases();
    for (const FaultCase& row : table) {
        const JoinCase& c = cases[row.joinCase];
        for (const JoinFault& fault : row.faults) {
            emu::Reset();
            SetUp();
            const Laid laid = Prepare(c, fault.closed);
            ASSERT_FALSE(laid.ids.empty());
            emu::FailCall(fault.call, fault.nth);

            ASSERT_TRUE(emu::PickElement(sides_.inner));

            SCOPED_TRACE(std::string(c.name) + ": " + fault.call + " #" + std::to_string(fault.nth));
            EXPECT_EQ(emu::InjectedFailures(), 1);
            EXPECT_EQ(TextsOn(emu::Channel::Error), (std::vector<std::string>{fault.message, kNotDeleted}));
            // The shoulder's elements are gone; its mark stays on the outline.
            EXPECT_FALSE(emu::ElementExists(sides_.inner));
            EXPECT_TRUE(emu::HasAttribute(laid.segment, kAttrShoulderType));
            EXPECT_TRUE(emu::HasAttribute(laid.segment, kAttrElementList));
            EXPECT_TRUE(emu::CommandActive());
        }
    }
}

TEST_F(DeleteRejoinTest, AnIntersectionTheHostRefusesIsAFailureNotAnOpenOutline) {
    const std::vector<JoinCase> cases = JoinCases();
    const std::vector<std::pair<size_t, const char*>> refusals = {
        {2, "ZedAriItsLinArc"}, {3, "ZedAriItsLinArc"}, {4, "ZedAriItsArcArc"}};
    for (const auto& [index, call] : refusals) {
        emu::Reset();
        SetUp();
        const Laid laid = Prepare(cases[index], true);
        ASSERT_FALSE(laid.ids.empty());
        emu::FailCall(call, 1);

        ASSERT_TRUE(emu::PickElement(sides_.inner));

        EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{kNotDeleted}) << cases[index].name;
        EXPECT_TRUE(emu::HasAttribute(laid.segment, kAttrShoulderType)) << cases[index].name;
    }
}

TEST_F(DeleteRejoinTest, AFailedJoinNextToACornerHasItsOwnNumber) {
    const Laid laid = LayOut(CollinearOutline(), true);
    ASSERT_NE(emu::AddChamfer(laid.ids[2], 1.0), -1);
    sides_ = Sides{laid.ids[4], laid.ids[5], laid.ids[6]};
    TagShoulder(laid.segment, sides_);
    EnterDeleteMode();
    emu::FailCall("ZedFigSetClosed", 1);

    ASSERT_TRUE(emu::PickElement(sides_.inner));

    EXPECT_EQ(TextsOn(emu::Channel::Error), (std::vector<std::string>{"결합할 수 없습니다(1).", kNotDeleted}));
}

// The rectangle with the step, and a chamfer between the step's second side
// and the rest of the edge: c is the chamfer.
Laid LayOutChamferAfterShoulder() {
    const Laid laid = LayOut(CollinearOutline(), true);
    if (laid.ids.size() != 8u || emu::AddChamfer(laid.ids[6], 1.0) == -1) {
        return Laid{};
    }
    return Laid{laid.segment, emu::Chain(laid.segment)};
}

TEST_F(DeleteRejoinTest, ACornerAfterTheShoulderIsMadePlainFirst) {
    const Laid laid = LayOutChamferAfterShoulder();
    ASSERT_EQ(laid.ids.size(), 9u);
    ASSERT_EQ(emu::FigureOf(laid.ids[7]).kind, ZED_FIG_CHAMFER);
    sides_ = Sides{laid.ids[4], laid.ids[5], laid.ids[6]};
    TagShoulder(laid.segment, sides_);
    EnterDeleteMode();

    ASSERT_TRUE(emu::PickElement(sides_.inner));

    // The chamfer, made a plain line from (12, -1) to (13, 0), ends where the
    // bottom edge's line crosses it: it goes, and b runs on to (13, 0).
    EXPECT_TRUE(TextsOn(emu::Channel::Error).empty());
    EXPECT_FALSE(emu::ElementExists(laid.ids[7]));
    EXPECT_POINT_NEAR(EndOf(emu::FigureOf(laid.ids[3])), 13, 0);
    EXPECT_POINT_NEAR(StartOf(emu::FigureOf(laid.ids[8])), 13, 0);
    EXPECT_EQ(emu::Chain(laid.segment).size(), 5u);
    EXPECT_TRUE(emu::SegmentClosed(laid.segment));
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
}

TEST_F(DeleteRejoinTest, NothingIsDeletedWhenTheEndsCannotBeReadOrMadePlain) {
    for (const char* call : {"ZedFigGetFigure", "ZedFigGetFigure2", "ZedFigChangeCorner"}) {
        emu::Reset();
        SetUp();
        const Laid laid = LayOutChamferAfterShoulder();
        ASSERT_EQ(laid.ids.size(), 9u);
        sides_ = Sides{laid.ids[4], laid.ids[5], laid.ids[6]};
        TagShoulder(laid.segment, sides_);
        EnterDeleteMode();
        const std::string before = emu::Dump();
        emu::FailCall(call, 1, true);

        ASSERT_TRUE(emu::PickElement(sides_.inner)) << call;

        EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{kNotDeleted}) << call;
        EXPECT_EQ(emu::Dump(), before) << call;
    }
}

}  // namespace
