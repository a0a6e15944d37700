// Several shoulders on one plate, built through the command, then deleted one
// by one in every order (small plates) or in random orders (eight shoulders):
// after every Delete no error shows, the drawing is sound, every shoulder
// left is still there to delete and the plate's mark names exactly those
// left, the most recent in 40271 to 40276 and the others in 40277; after the
// last the plate is the rectangle it was, element for element within 1e-9,
// and nothing else is left but side pattern B's line across its step's root,
// which stays by design and lies on the plate's edge.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "geometry/shoulder_memory.h"
#include "geometry/unfinished_change.h"
#include "tagging/shoulder_tag.h"
#include "tests/tagging/tagging_test_support.h"

namespace {

using namespace tagging_test;

// The fixed seed of the random plates, or the one LEDGEWRIGHT_SESSION_SEED
// gives (scripts/soak.sh), as the random sessions take theirs.
uint32_t Seed(uint32_t fixed) {
    const char* given = std::getenv("LEDGEWRIGHT_SESSION_SEED");
    return given != nullptr && *given != 0 ? static_cast<uint32_t>(std::strtoul(given, nullptr, 10)) : fixed;
}

constexpr double kWidth = 200;
constexpr double kHeight = 120;

// The rectangle's edges, counter-clockwise from the bottom one.
ZedPoint Corner(int k) {
    const ZedPoint corners[] = {{0, 0}, {kWidth, 0}, {kWidth, kHeight}, {0, kHeight}};
    return corners[k % 4];
}
std::vector<ZedFigure> Rectangle() {
    std::vector<ZedFigure> edges;
    for (int k = 0; k < 4; ++k) {
        edges.push_back(emu::Line(Corner(k).x, Corner(k).y, Corner(k + 1).x, Corner(k + 1).y));
    }
    return edges;
}

// Where a shoulder is built: on edge `edge`, at the fraction `at` of it for a
// plan pattern, next to the edge's start (at 0) or end (at 1) for a side one.
struct Site {
    const char* pattern;
    int edge;
    double at;
};
std::ostream& operator<<(std::ostream& os, const Site& s) { return os << s.pattern << "@" << s.edge << "/" << s.at; }

bool IsSide(const Site& s) { return s.pattern[0] == 'S'; }

ZedPoint PickPoint(const Site& s) {
    const ZedPoint a = Corner(s.edge);
    const ZedPoint b = Corner(s.edge + 1);
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    // A side step stands at the end nearer the pick: one unit in from the corner.
    const double t = IsSide(s) ? (s.at == 0 ? 1.0 / length : 1.0 - 1.0 / length) : s.at;
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

class MultiShoulderTest : public TaggingTest {
protected:
    void SetUp() override {
        TaggingTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        emu::AddLayer(3, "Holes");
        for (const char* flag : {"PA_IsLineDraw", "PA_IsHoleDraw", "PB_IsLineDraw", "PB_IsHoleDraw", "PC_IsHoleDraw",
                                 "PD_IsSlotDraw", "SA_IsLineDraw", "SB_IsLineDraw"}) {
            Store(flag, "1");
        }
        Register();
    }

    // One shoulder as the plate's mark names it: its sides' ids joined by
    // ",", then its hole, cut line, fourth part, slot and display part, each
    // a segment id or nothing, joined by ":" (empty for a shoulder whose mark
    // is not followed: plan C and D stand in chains of their own).
    struct Built {
        ZedId inner = -1;
        std::string entry;
    };
    static std::string EntryOfMemory() {
        const ShoulderMemory& m = Shoulder();
        std::string entry;
        for (const ZedId side : {m.firstSide.ref.id, m.innerSide.ref.id, m.secondSide.ref.id}) {
            entry += side == -1 ? "" : (entry.empty() ? "" : ",") + std::to_string(side);
        }
        for (const ZedId part : {m.holeSegment, m.cutLineSegment, m.fourthSegment, m.slotSegment, m.displaySegment}) {
            entry += ":" + (part == -1 ? std::string() : std::to_string(part));
        }
        return entry;
    }

    // The plate's mark names the shoulders with an entry, in build order: the
    // most recent in 40271 to 40276, the others as the entries of 40277, one
    // ";" between two; no mark when none stands.
    void ExpectMark(const std::vector<Built>& standing, const std::string& where) {
        std::vector<std::string> entries;
        for (const Built& b : standing) {
            if (!b.entry.empty()) {
                entries.push_back(b.entry);
            }
        }
        std::string earlier, recent;
        for (size_t i = 0; i + 1 < entries.size(); ++i) {
            earlier += (i == 0 ? "" : ";") + entries[i];
        }
        if (!entries.empty()) {
            recent = emu::AttributeText(plate_, kAttrElementList);
            for (int32_t number = kAttrHoleSegment; number <= kAttrDisplaySegment; ++number) {
                recent += ":" + emu::AttributeText(plate_, number);
            }
        }
        EXPECT_EQ(emu::AttributeText(plate_, kAttrEarlierShoulders), earlier) << where;
        EXPECT_EQ(recent, entries.empty() ? "" : entries.back()) << where;
        EXPECT_EQ(emu::HasAttribute(plate_, kAttrShoulderType), !entries.empty()) << where;
    }

    // A fresh plate with shoulders at the sites, each with its cut line, hole
    // or slot where the pattern has one, in build order.
    std::vector<Built> BuildPlate(const std::vector<Site>& sites, double width, double depth, double height) {
        for (const ZedId segment : emu::SegmentIds()) {
            ZedSgmDeleteSegment(segment);
        }
        ResetShoulderMemory();
        emu::ClearMessages();
        plate_ = emu::AddOutline(kLayer, Rectangle(), true);
        Store("mMainWidth", std::to_string(width));
        Store("mMainProtrude", std::to_string(depth));
        Store("mMainHeight", std::to_string(height));
        std::vector<Built> built;
        for (const Site& site : sites) {
            const ZedPoint p = PickPoint(site);
            EXPECT_TRUE(emu::StartCommand());
            EXPECT_TRUE(emu::Type(site.pattern));
            EXPECT_TRUE(emu::PickAt(p.x, p.y)) << site;
            emu::EndCommand();
            EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{}) << site;
            const bool raised = std::string(site.pattern) == "PlaneC" || std::string(site.pattern) == "PlaneD";
            built.push_back({Shoulder().innerSide.ref.id, raised ? "" : EntryOfMemory()});
        }
        ExpectMark(built, "built");
        return built;
    }

    // Deletes the shoulders in the order given (positions in `built`), with
    // the plate's mark after each when it is followed; false after the first
    // check that failed.
    bool DeleteInOrder(std::vector<Built> built, const std::vector<size_t>& order, bool followMark = true) {
        EXPECT_TRUE(emu::StartCommand());
        EXPECT_TRUE(emu::Type("Delete"));
        for (size_t n = 0; n < order.size(); ++n) {
            const ZedId inner = built[order[n]].inner;
            emu::ClearMessages();
            EXPECT_TRUE(emu::PickElement(inner)) << "delete " << n;
            EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{}) << "delete " << n;
            EXPECT_FALSE(emu::ElementExists(inner)) << "delete " << n;
            EXPECT_EQ(emu::CheckAllIntegrity(), "") << "delete " << n;
            for (size_t m = n + 1; m < order.size(); ++m) {
                EXPECT_TRUE(emu::ElementExists(built[order[m]].inner)) << "delete " << n << " took " << m;
            }
            built[order[n]].entry.clear();
            if (followMark) {
                ExpectMark(built, "delete " + std::to_string(n));
            }
            if (::testing::Test::HasFailure()) {
                emu::EndCommand();
                return false;
            }
        }
        emu::EndCommand();
        return true;
    }

    // The plate as it was, and nothing else but side B's root lines on its edges.
    void ExpectPlateBack(const std::string& where) {
        EXPECT_EQ(OutlineMismatch(plate_, Rectangle(), true), "") << where << "\n" << emu::Dump();
        EXPECT_FALSE(emu::HasAttribute(plate_, kAttrShoulderType)) << where;
        EXPECT_TRUE(emu::HoleIds().empty()) << where;
        for (const ZedId segment : emu::SegmentIds()) {
            if (segment == plate_) {
                continue;
            }
            const std::vector<ZedId> chain = emu::Chain(segment);
            const ZedFigure f = chain.size() == 1 ? ChainFigureOf(chain[0]) : ZedFigure{};
            const bool onEdge = f.kind == ZED_FIG_LINE &&
                                ((std::fabs(f.v[1]) < 1e-9 && std::fabs(f.v[3]) < 1e-9) ||
                                 (std::fabs(f.v[1] - kHeight) < 1e-9 && std::fabs(f.v[3] - kHeight) < 1e-9) ||
                                 (std::fabs(f.v[0]) < 1e-9 && std::fabs(f.v[2]) < 1e-9) ||
                                 (std::fabs(f.v[0] - kWidth) < 1e-9 && std::fabs(f.v[2] - kWidth) < 1e-9));
            EXPECT_TRUE(onEdge) << where << ": stray segment " << segment << "\n" << emu::Dump();
        }
    }

    ZedId plate_ = -1;
};

// Small plates, deleted in every order.
struct SmallPlate {
    const char* name;
    std::vector<Site> sites;
};
void PrintTo(const SmallPlate& p, std::ostream* os) { *os << p.name; }

class EveryOrderTest : public MultiShoulderTest, public ::testing::WithParamInterface<SmallPlate> {};

TEST_P(EveryOrderTest, AnyShoulderGoesAtAnyPointAndTheLastGivesThePlateBack) {
    const std::vector<Site>& sites = GetParam().sites;
    std::vector<size_t> order(sites.size());
    std::iota(order.begin(), order.end(), 0);
    int orders = 0;
    do {
        const std::vector<Built> built = BuildPlate(sites, 20, 5, 10);
        ASSERT_FALSE(HasFailure()) << emu::Dump();
        ASSERT_TRUE(DeleteInOrder(built, order)) << "order " << orders;
        ExpectPlateBack("order " + std::to_string(orders));
        ASSERT_FALSE(HasFailure());
        ++orders;
    } while (std::next_permutation(order.begin(), order.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Plates, EveryOrderTest,
    ::testing::Values(
        // Two on one edge: the second cut into the piece the first left.
        SmallPlate{"TwoPlanAOnOneEdge", {{"PlaneA", 0, 1.0 / 3}, {"PlaneA", 0, 2.0 / 3}}},
        SmallPlate{"PlanBAndSideAOnOneEdge", {{"PlaneB", 0, 1.0 / 3}, {"SideA", 0, 1}}},
        SmallPlate{"PlanCAndPlanAOnOpposite", {{"PlaneC", 1, 0.5}, {"PlaneA", 3, 0.5}}},
        // Steps at either side of one corner: the second starts where the
        // first ends, and neither's sides may change with the other's Delete.
        SmallPlate{"SideAAndSideBAtOneCorner", {{"SideA", 0, 1}, {"SideB", 1, 0}}},
        SmallPlate{"SideBAndSideAAtOneCorner", {{"SideB", 0, 1}, {"SideA", 1, 0}}},
        SmallPlate{"FourMixed",
                   {{"PlaneA", 0, 0.5}, {"SideB", 1, 0}, {"PlaneD", 2, 0.5}, {"SideC", 3, 1}}},
        SmallPlate{"FourOnTwoEdges",
                   {{"SideA", 0, 0}, {"PlaneB", 0, 0.5}, {"PlaneA", 2, 1.0 / 3}, {"SideB", 2, 1}}}),
    [](const ::testing::TestParamInfo<SmallPlate>& info) { return std::string(info.param.name); });

// Eight shoulders on random plates: every corner has one side step on one of
// its edges, every edge two plan shoulders (plan C and D only on an edge of
// their own, as their chains stand over the whole picked line); built in a
// random order with random sizes, deleted in a random order.
// Four runs of 50 plates, each from a seed of its own, so that they run side by side.
class EightShouldersTest : public MultiShoulderTest, public ::testing::WithParamInterface<uint32_t> {};

TEST_P(EightShouldersTest, GoInAnyOrder) {
    std::mt19937 rng(Seed(20240624) + GetParam());
    const char* const plans[] = {"PlaneA", "PlaneB"};
    const char* const raised[] = {"PlaneC", "PlaneD"};
    const char* const sides[] = {"SideA", "SideB", "SideC"};
    auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    constexpr int kPlates = 50;
    for (int plate = 0; plate < kPlates; ++plate) {
        // One edge holds a raised chain alone; the corners' steps stand on
        // the other edges.
        const int raisedEdge = pick(4);
        std::vector<Site> sites;
        for (int edge = 0; edge < 4; ++edge) {
            if (edge == raisedEdge) {
                sites.push_back({raised[pick(2)], edge, 0.5});
                continue;
            }
            sites.push_back({plans[pick(2)], edge, 1.0 / 3});
            sites.push_back({plans[pick(2)], edge, 2.0 / 3});
        }
        // Of the four corners, those beside the raised edge take no step,
        // and one more is left out so that eight shoulders stand in all.
        std::vector<int> corners;
        for (int k = 0; k < 4; ++k) {
            if (k != raisedEdge && k != (raisedEdge + 1) % 4) {
                corners.push_back(k);
            }
        }
        corners.erase(corners.begin() + pick(static_cast<int>(corners.size())));
        for (const int k : corners) {
            // Corner k ends edge k-1 and starts edge k; neither is the raised one.
            const bool onStart = pick(2) == 0;
            sites.push_back({sides[pick(3)], onStart ? k : (k + 3) % 4, onStart ? 0.0 : 1.0});
        }
        ASSERT_EQ(sites.size(), 8u);
        std::shuffle(sites.begin(), sites.end(), rng);
        const double width = 5 + pick(16);
        const double depth = 2 + pick(7);
        const double height = 4 + pick(12);
        const std::vector<Built> built = BuildPlate(sites, width, depth, height);
        ASSERT_FALSE(HasFailure()) << "plate " << plate;
        std::vector<size_t> order(sites.size());
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), rng);
        ASSERT_TRUE(DeleteInOrder(built, order)) << "plate " << plate;
        ExpectPlateBack("plate " + std::to_string(plate));
        ASSERT_FALSE(HasFailure());
    }
    RecordProperty("plates", kPlates);
}

INSTANTIATE_TEST_SUITE_P(Runs, EightShouldersTest, ::testing::Values(0u, 1u, 2u, 3u));

}  // namespace

namespace {

// A shoulder built on a side of an earlier one changes that side: cut into it,
// or taking it whole, or its part next to a corner. The earlier shoulder is
// then refused, with the reason on the error line and nothing changed, until
// the later one is deleted; that gives the side back, and the earlier one
// then goes too, giving the plate back.
struct Touching {
    const char* name;
    const char* pattern;  // of the later shoulder, built on the earlier one's inner side
    ZedPoint pick;
    std::vector<std::pair<const char*, const char*>> settings;
    bool sideGone;  // the build deletes the element of the earlier one's inner side
};
void PrintTo(const Touching& t, std::ostream* os) { *os << t.name; }

class TouchingTest : public MultiShoulderTest, public ::testing::WithParamInterface<Touching> {};

TEST_P(TouchingTest, TheEarlierGoesOnlyAfterTheLater) {
    // The earlier one: plan A, 40 wide and 10 deep, in the middle of the
    // bottom edge; its inner side runs from (80, -10) to (120, -10).
    const ZedId earlier = BuildPlate({{"PlaneA", 0, 0.5}}, 40, 10, 5)[0].inner;
    ASSERT_FALSE(HasFailure());
    Store("mMainWidth", "10");
    Store("mMainProtrude", "4");
    for (const auto& [name, value] : GetParam().settings) {
        Store(name, value);
    }
    ASSERT_TRUE(emu::StartCommand());
    ASSERT_TRUE(emu::Type(GetParam().pattern));
    ASSERT_TRUE(emu::PickAt(GetParam().pick.x, GetParam().pick.y));
    emu::EndCommand();
    ASSERT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{});
    const ZedId later = Shoulder().innerSide.ref.id;
    ASSERT_NE(later, -1);
    EXPECT_EQ(emu::ElementExists(earlier), !GetParam().sideGone);

    ASSERT_TRUE(emu::StartCommand());
    ASSERT_TRUE(emu::Type("Delete"));
    emu::ClearMessages();
    const std::string drawing = emu::Dump();
    // A pick on the earlier one's first side, from (80, 0) to (80, -10).
    ASSERT_TRUE(emu::PickAt(80, -5));
    EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{"나중에 작성한 턱걸이가 걸쳐 있어서 삭제할 수 없습니다."});
    EXPECT_EQ(emu::Dump(), drawing);
    emu::EndCommand();

    // The earlier one's entry changed with its side.
    ASSERT_TRUE(DeleteInOrder({{earlier, ""}, {later, ""}}, {1}, false));
    // The side the later one stood on is one line again, as built.
    EXPECT_EQ(OutlineMismatch(plate_,
                              {emu::Line(0, 0, 80, 0), emu::Line(80, 0, 80, -10), emu::Line(80, -10, 120, -10),
                               emu::Line(120, -10, 120, 0), emu::Line(120, 0, kWidth, 0), Rectangle()[1],
                               Rectangle()[2], Rectangle()[3]},
                              true),
              "");
    ASSERT_TRUE(emu::StartCommand());
    ASSERT_TRUE(emu::Type("Delete"));
    emu::ClearMessages();
    ASSERT_TRUE(emu::PickAt(80, -5));
    emu::EndCommand();
    EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{});
    ExpectPlateBack(GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TouchingTest,
    ::testing::Values(
        // Cut into the middle of the side: the side keeps its id for the piece before.
        Touching{"PlanACentredOnTheSide", "PlaneA", {100, -10}, {}, false},
        // The whole side taken: its id is gone, and the line that Delete
        // draws along the later one's root takes its place in the entry.
        Touching{"PlanAOverTheWholeSide", "PlaneA", {100, -10}, {{"PA_WidthValueDistance", "0"}}, true},
        // Steps at either end of the side: the piece at the side's start
        // goes (its id with it), or the piece at its end.
        Touching{"SideAAtTheSidesStart", "SideA", {81, -10}, {}, true},
        Touching{"SideAAtTheSidesEnd", "SideA", {119, -10}, {}, false}),
    [](const ::testing::TestParamInfo<Touching>& info) { return std::string(info.param.name); });

}  // namespace
