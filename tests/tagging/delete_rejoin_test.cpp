// How Delete mode joins an outline again across the gap a shoulder leaves
// between the element before it (b) and the element after it (c): the edge
// comes back where it ran, from the shoulder's first point to its last. Each
// row is a hand-laid outline with a shoulder and the outline written out as it
// must be after Delete, on closed outlines (b and c stay in one segment, which
// is closed again) and on open ones (two parts, joined again), with b and c
// stored either way round. Every failure message is reached through a fault
// the emulated host injects at the step that reports it; the failing pick
// keeps the shoulder's mark.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tagging/chain_walk.h"
#include "tagging/shoulder_tag.h"
#include "tests/tagging/tagging_test_support.h"

namespace {

using namespace tagging_test;

// The outline's figures with the three sides at `first`, `first` + 1 and
// `first` + 2, b just before them and c just after; `after` is the outline
// once the shoulder is deleted.
struct JoinCase {
    const char* name;
    std::vector<ZedFigure> figures;
    size_t first;
    std::vector<ZedFigure> after;
    // The host lists a run of lines that continue each other straight as one.
    bool mergingHost = false;
};

ZedFigure Reversed(const ZedFigure& f) {
    ZedFigure turned = f.kind == ZED_FIG_ARC ? emu::Arc(f.v[0], f.v[1], f.v[4], f.v[5], f.v[2], f.v[3],
                                                        emu::ArcFlag(f) == ZED_ARC_CCW ? ZED_ARC_CW : ZED_ARC_CCW)
                                             : emu::Line(f.v[2], f.v[3], f.v[0], f.v[1]);
    turned.kind = f.kind;
    return turned;
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
    return {L(20, 0, 20, 10), L(20, 10, 0, 10), L(0, 10, 0, 0), L(0, 0, 8, 0),
            L(8, 0, 8, -3),   L(8, -3, 12, -3), L(12, -3, 12, 0), L(12, 0, 20, 0)};
}
const std::vector<ZedFigure> kRectangle = {L(20, 0, 20, 10), L(20, 10, 0, 10), L(0, 10, 0, 0), L(0, 0, 20, 0)};

// The bottom edge runs to x = 16, a step stands on 16..20, and the corner
// beyond is an arc about (17, 4) whose circle crosses y = 0 at x = 14 too,
// nearer the bottom edge's end than the arc's start (20, 0).
std::vector<ZedFigure> LineThenArcOutline() {
    return {L(0, 10, 0, 0),  L(0, 0, 16, 0), L(16, 0, 16, -3), L(16, -3, 20, -3), L(20, -3, 20, 0),
            emu::Arc(17, 4, 20, 0, 22, 4, ZED_ARC_CCW), L(22, 4, 22, 10), L(22, 10, 0, 10)};
}
std::vector<ZedFigure> LineThenArcAfter() {
    return {L(0, 10, 0, 0), L(0, 0, 20, 0), emu::Arc(17, 4, 20, 0, 22, 4, ZED_ARC_CCW), L(22, 4, 22, 10),
            L(22, 10, 0, 10)};
}

// b an arc about (3, 4) and c an arc about (5, 4), both of radius 5, on either
// side of a shoulder that took the whole edge (0, 0)..(8, 0); the circles meet
// at (4, -0.9) and (4, 8.9).
std::vector<ZedFigure> ArcsOutline(bool withShoulder) {
    std::vector<ZedFigure> figures = {L(-2, 10, -2, 4), emu::Arc(3, 4, -2, 4, 0, 0, ZED_ARC_CCW)};
    if (withShoulder) {
        figures.insert(figures.end(), {L(0, 0, 0, -3), L(0, -3, 8, -3), L(8, -3, 8, 0)});
    } else {
        figures.push_back(L(0, 0, 8, 0));
    }
    figures.insert(figures.end(), {emu::Arc(5, 4, 8, 0, 10, 4, ZED_ARC_CCW), L(10, 4, 10, 10), L(10, 10, -2, 10)});
    return figures;
}

// A bottom edge whose direction lies just below a whole turn (it falls by
// 1e-10 a unit), so that the step's root runs at 2π − 1e-10 while the rest
// of the edge after it runs at exactly 0.
constexpr double kFall = 1e-10;
std::vector<ZedFigure> WrappingOutline() {
    return {L(20, -12 * kFall, 20, 10),
            L(20, 10, 0, 10),
            L(0, 10, 0, 0),
            L(0, 0, 8, -8 * kFall),
            L(8, -8 * kFall, 8, -3 - 8 * kFall),
            L(8, -3 - 8 * kFall, 12, -3 - 12 * kFall),
            L(12, -3 - 12 * kFall, 12, -12 * kFall),
            L(12, -12 * kFall, 20, -12 * kFall)};
}

std::vector<JoinCase> JoinCases() {
    return {
        // b goes, and c runs the whole edge from b's start.
        {"both run on", CollinearOutline(), 4, kRectangle},
        {"both run on, across a whole turn", WrappingOutline(), 4,
         {L(20, -12 * kFall, 20, 10), L(20, 10, 0, 10), L(0, 10, 0, 0), L(0, 0, 20, -12 * kFall)}},
        // A step at the end of the bottom edge: b runs on to the corner.
        {"b runs on, c a line",
         {L(20, 10, 0, 10), L(0, 10, 0, 0), L(0, 0, 16, 0), L(16, 0, 16, -3), L(16, -3, 20, -3), L(20, -3, 20, 0),
          L(20, 0, 20, 10)},
         3,
         {L(20, 10, 0, 10), L(0, 10, 0, 0), L(0, 0, 20, 0), L(20, 0, 20, 10)}},
        // A step at the start of the bottom edge: c runs back to the corner.
        {"c runs on, b a line",
         {L(0, 10, 0, 0), L(0, 0, 0, -3), L(0, -3, 4, -3), L(4, -3, 4, 0), L(4, 0, 20, 0), L(20, 0, 20, 10),
          L(20, 10, 0, 10)},
         1,
         {L(0, 10, 0, 0), L(0, 0, 20, 0), L(20, 0, 20, 10), L(20, 10, 0, 10)}},
        {"b runs on, c an arc", LineThenArcOutline(), 2, LineThenArcAfter()},
        {"b an arc, c runs on", ReversedOutline(LineThenArcOutline()), 3, ReversedOutline(LineThenArcAfter())},
        // Shoulders that took a whole edge: the edge comes back as a line.
        {"neither, between parallel sides",
         {L(20, 10, 0, 10), L(0, 10, 0, 0), L(0, 0, 0, -3), L(0, -3, 20, -3), L(20, -3, 20, 0), L(20, 0, 20, 10)},
         2,
         {L(20, 10, 0, 10), L(0, 10, 0, 0), L(0, 0, 20, 0), L(20, 0, 20, 10)}},
        {"neither, between sides whose lines cross below",
         {L(24, 10, -4, 10), L(-4, 10, 0, 0), L(0, 0, 0, -3), L(0, -3, 20, -3), L(20, -3, 20, 0), L(20, 0, 24, 10)},
         2,
         {L(24, 10, -4, 10), L(-4, 10, 0, 0), L(0, 0, 20, 0), L(20, 0, 24, 10)}},
        {"neither, between arcs whose circles meet", ArcsOutline(true), 2, ArcsOutline(false)},
        // Chamfers on both root corners: made plain lines, the root comes
        // back between them.
        {"b and c corners",
         {L(20, 10, 0, 10), L(0, 10, 0, 0), L(0, 0, 7, 0), Chamfer(7, 0, 8, -1), L(8, -1, 8, -4), L(8, -4, 12, -4),
          L(12, -4, 12, -1), Chamfer(12, -1, 13, 0), L(13, 0, 20, 0), L(20, 0, 20, 10)},
         4,
         {L(20, 10, 0, 10), L(0, 10, 0, 0), L(0, 0, 7, 0), L(7, 0, 8, -1), L(8, -1, 12, -1), L(12, -1, 13, 0),
          L(13, 0, 20, 0), L(20, 0, 20, 10)}},
        // A straight chamfer before b, which the host lists with b as one
        // line: the edge starts where b does, not where that line does.
        {"both run on, a straight corner before b listed with it",
         {L(20, 0, 20, 10), L(20, 10, 0, 10), L(0, 10, 0, 0), Chamfer(0, 0, 2, 0), L(2, 0, 8, 0), L(8, 0, 8, -3),
          L(8, -3, 12, -3), L(12, -3, 12, 0), L(12, 0, 20, 0)},
         5,
         {L(20, 0, 20, 10), L(20, 10, 0, 10), L(0, 10, 0, 0), L(0, 0, 2, 0), L(2, 0, 20, 0)},
         true},
    };
}

const JoinCase& CaseNamed(const std::vector<JoinCase>& cases, const std::string& name) {
    return *std::find_if(cases.begin(), cases.end(), [&](const JoinCase& c) { return c.name == name; });
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

// Colour 5 and line type 3 on every element of the outline.
const ZedLineType2 kOutlineLook = [] {
    ZedLineType2 look{};
    look.colour = 5;
    look.lineType = 3;
    return look;
}();

class DeleteRejoinTest : public TaggingTest {
protected:
    // Lays the case out (closed or open), tags its shoulder and enters Delete
    // mode; the messages so far are cleared.
    Laid Prepare(const JoinCase& c, bool closed, Turned turned = Turned::Neither) {
        emu::SetOutlineListMergesCollinear(c.mergingHost);
        Laid laid;
        laid.segment =
            emu::AddOutline(kLayer, c.figures, closed, &kOutlineLook, TurnedFlags(c.figures.size(), c.first, turned));
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

    Sides sides_;
};

TEST_F(DeleteRejoinTest, TheEdgeComesBackWhereTheShoulderStood) {
    for (const JoinCase& c : JoinCases()) {
        for (const Turned turned : kAllTurned) {
            for (const bool closed : {true, false}) {
                emu::Reset();
                SetUp();
                const Laid laid = Prepare(c, closed, turned);
                ASSERT_FALSE(laid.ids.empty()) << c.name;

                ASSERT_TRUE(emu::PickElement(sides_.inner)) << c.name;

                SCOPED_TRACE(std::string(c.name) + TurnedName(turned) + (closed ? ", closed" : ", open"));
                EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{});
                // One outline again, closed when it was closed, and nothing else.
                EXPECT_EQ(emu::SegmentIds(), std::vector<ZedId>{laid.segment});
                EXPECT_EQ(OutlineMismatch(laid.segment, c.after, closed), "");
                EXPECT_EQ(emu::CheckAllIntegrity(), "");
                EXPECT_FALSE(emu::HasAttribute(laid.segment, kAttrShoulderType));
                // Every element of the outline looks as the outline did.
                for (const ZedId id : emu::Chain(laid.segment)) {
                    EXPECT_EQ(emu::AttributesOf(id).colour, 5);
                    EXPECT_EQ(emu::AttributesOf(id).lineType, 3);
                }
            }
        }
    }
}

TEST_F(DeleteRejoinTest, ACornerBeforeTheEdgeIsMadePlainAndHandedBackAfterTheJoin) {
    std::vector<ZedFigure> figures = CollinearOutline();
    const Laid laid = LayOut(figures, true);
    const ZedId fillet = emu::AddFillet(laid.ids[2], 2.0);  // between the left edge and b
    ASSERT_NE(fillet, -1);
    const ZedId b = laid.ids[3];
    EXPECT_POINT_NEAR(StartOf(emu::FigureOf(b)), 2, 0);
    sides_ = Sides{laid.ids[4], laid.ids[5], laid.ids[6]};
    TagShoulder(laid.segment, sides_);
    EnterDeleteMode();
    emu::ResetCallLog();

    ASSERT_TRUE(emu::PickElement(sides_.inner));

    EXPECT_TRUE(TextsOn(emu::Channel::Error).empty());
    EXPECT_FALSE(emu::ElementExists(b));
    EXPECT_FALSE(emu::ElementExists(fillet));
    const ZedFigure edge = emu::FigureOf(laid.ids[7]);
    EXPECT_POINT_NEAR(StartOf(edge), 2, 0);
    EXPECT_POINT_NEAR(EndOf(edge), 20, 0);
    // The rounded corner keeps its shape as a plain arc in front of the edge.
    const ZedId corner = PreviousInChain(laid.ids[7]);
    EXPECT_EQ(emu::FigureOf(corner).kind, ZED_FIG_ARC);
    EXPECT_POINT_NEAR(EndOf(emu::FigureOf(corner)), 2, 0);
    EXPECT_TRUE(emu::SegmentClosed(laid.segment));
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
    // Once the outline is closed again the plain arc is handed to the host to
    // be made a corner again (a host that can turns it back).
    const std::vector<std::string> calls = emu::CallLog();
    const auto closing = std::find(calls.begin(), calls.end(), "ZedFigSetClosed");
    ASSERT_NE(closing, calls.end());
    EXPECT_EQ(std::count(closing, calls.end(), "ZedFigChangeCorner"), 1);
}

TEST_F(DeleteRejoinTest, EndsThatAreCornersAreReadAndMadePlainBeforeAnythingIsDeleted) {
    const JoinCase c = CaseNamed(JoinCases(), "b and c corners");
    for (const char* call : {"ZedFigGetFigure", "ZedFigGetFigure2", "ZedFigChangeCorner"}) {
        emu::Reset();
        SetUp();
        const Laid laid = Prepare(c, true);
        ASSERT_FALSE(laid.ids.empty());
        const std::string before = emu::Dump();
        emu::FailCall(call, 1, true);

        ASSERT_TRUE(emu::PickElement(sides_.inner)) << call;

        EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{kNotDeleted}) << call;
        EXPECT_EQ(emu::Dump(), before) << call;
    }
}

// The elements of every segment that run from `from` to `to`.
std::vector<ZedId> LinesFromTo(ZedPoint from, ZedPoint to) {
    std::vector<ZedId> found;
    for (const ZedId segment : emu::SegmentIds()) {
        for (const ZedId id : emu::Chain(segment)) {
            const ZedFigure f = emu::FigureOf(id);
            if (f.kind == ZED_FIG_LINE && std::hypot(f.v[0] - from.x, f.v[1] - from.y) < 1e-9 &&
                std::hypot(f.v[2] - to.x, f.v[3] - to.y) < 1e-9) {
                found.push_back(id);
            }
        }
    }
    return found;
}

TEST_F(DeleteRejoinTest, EveryFailedStepOfABridgeHasItsNumberAndLeavesNoStrayLine) {
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
    const JoinCase c = CaseNamed(JoinCases(), "neither, between parallel sides");
    for (const BridgeFault& fault : faults) {
        for (const bool closed : {true, false}) {
            if (!(closed ? fault.closed : fault.open)) {
                continue;
            }
            emu::Reset();
            SetUp();
            const Laid laid = Prepare(c, closed);
            ASSERT_FALSE(laid.ids.empty());
            emu::FailCall(fault.call, fault.nth);

            ASSERT_TRUE(emu::PickElement(sides_.inner));

            SCOPED_TRACE(std::string(fault.call) + " #" + std::to_string(fault.nth) + (closed ? ", closed" : ", open"));
            EXPECT_EQ(emu::InjectedFailures(), 1);
            EXPECT_EQ(TextsOn(emu::Channel::Error), (std::vector<std::string>{fault.message, kNotDeleted}));
            EXPECT_TRUE(LinesFromTo({0, 0}, {20, 0}).empty());
            EXPECT_EQ(emu::SegmentIds().size(), closed ? 1u : 2u);
            EXPECT_TRUE(emu::HasAttribute(laid.segment, kAttrShoulderType));
        }
    }
}

// A host call that fails at a step of the join, and what the user is told.
struct JoinFault {
    const char* call;
    bool closed;
    const char* message;
};

TEST_F(DeleteRejoinTest, EveryFailedStepIsReportedByItsNumberAndKeepsTheMark) {
    const std::vector<std::pair<const char*, std::vector<JoinFault>>> table = {
        {"both run on",
         {{"ZedFigAmendFigure", true, "직선요소를 수정할 수 없습니다.(1)"},
          {"ZedFigSetClosed", true, "결합할 수 없습니다(2)."},
          {"ZedFigConcat", false, "결합할 수 없습니다(2)."}}},
        {"b runs on, c a line",
         {{"ZedFigAmendFigure", true, "직선요소를 수정할 수 없습니다.(9)"},
          {"ZedFigSetClosed", true, "결합할 수 없습니다(11)."},
          {"ZedFigConcat", false, "결합할 수 없습니다(12)."}}},
        {"c runs on, b a line",
         {{"ZedFigAmendFigure", true, "직선요소를 수정할 수 없습니다.(10)"},
          {"ZedFigSetClosed", true, "결합할 수 없습니다(11)."},
          {"ZedFigConcat", false, "결합할 수 없습니다(12)."}}},
        {"b runs on, c an arc",
         {{"ZedFigAmendFigure", true, "직선요소를 수정할 수 없습니다.(101)"},
          {"ZedFigSetClosed", true, "결합할 수 없습니다(103)."},
          {"ZedFigConcat", false, "결합할 수 없습니다(104)."}}},
        {"b an arc, c runs on",
         {{"ZedFigAmendFigure", true, "직선요소를 수정할 수 없습니다.(201)"},
          {"ZedFigSetClosed", true, "결합할 수 없습니다(203)."},
          {"ZedFigConcat", false, "결합할 수 없습니다(204)."}}},
    };
    const std::vector<JoinCase> cases = JoinCases();
    for (const auto& [name, faults] : table) {
        const JoinCase& c = CaseNamed(cases, name);
        for (const JoinFault& fault : faults) {
            emu::Reset();
            SetUp();
            const Laid laid = Prepare(c, fault.closed);
            ASSERT_FALSE(laid.ids.empty());
            emu::FailCall(fault.call, 1);

            ASSERT_TRUE(emu::PickElement(sides_.inner));

            SCOPED_TRACE(std::string(c.name) + ": " + fault.call);
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

}  // namespace
