// Build, then Delete, on many random plates through the command as a user
// drives it: one to four shoulders on different edges of a plate (now and
// then side by side at a corner), of every pattern (random sizes, cut lines
// and hole kinds, a random pick along each edge, now and then a change of one
// of its sizes); then Delete on a random listed element of a random shoulder
// left, the most recent of its outline or an earlier one, until none is left.
// Each pick must take that one shoulder without an error, and the drawing
// must then be as it was: the plate's outline the same geometry within 1e-9
// (corners the build made plain, and a line the rejoin may have left in two
// collinear pieces, compared by geometry) and no segment left besides it,
// except side pattern B's line across the step's root, which stays by design
// and must lie on the old outline.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <map>
#include <optional>

#include "emuhost/emu_api.h"
#include "tests/session/session.h"
#include "tests/session/session_drawing.h"

namespace {

using namespace session;

// Plates until this many shoulders were built and deleted again (a plate
// too small for a shoulder refuses it, which counts for nothing).
constexpr int kRoundTrips = 750;
constexpr int kMostPlates = 1100;
const char* const kPatterns[] = {"PlaneA", "PlaneB", "PlaneC", "PlaneD", "SideA", "SideB", "SideC"};
// Each pattern's switches for its cut line, hole kind, hole and slot.
const std::map<std::string, std::vector<std::string>> kFlags = {
    {"PlaneA", {"PA_IsLineDraw", "PA_Hole", "PA_IsHoleDraw"}},
    {"PlaneB", {"PB_IsLineDraw", "PB_Hole", "PB_IsHoleDraw"}},
    {"PlaneC", {"PC_Hole", "PC_IsHoleDraw"}},
    {"PlaneD", {"PD_IsSlotDraw"}},
    {"SideA", {"SA_IsLineDraw"}},
    {"SideB", {"SB_IsLineDraw"}},
    {"SideC", {}},
};

// The element's figure the chain's way, corners as the plain arcs and lines
// they draw.
ZedFigure ChainFigure(ZedId element) {
    ZedFigure f = emu::FigureOf(element);
    f.kind = f.kind == ZED_FIG_FILLET ? ZED_FIG_ARC : f.kind == ZED_FIG_CHAMFER ? ZED_FIG_LINE : f.kind;
    if (emu::StoredReversed(element)) {
        if (f.kind == ZED_FIG_LINE) {
            f = emu::Line(f.v[2], f.v[3], f.v[0], f.v[1]);
        } else {
            f = emu::Arc(f.v[0], f.v[1], f.v[4], f.v[5], f.v[2], f.v[3],
                         emu::ArcFlag(f) == ZED_ARC_CW ? ZED_ARC_CCW : ZED_ARC_CW);
        }
    }
    return f;
}

// The outline as geometry: runs of lines that continue each other straight
// taken as one line.
std::vector<ZedFigure> Geometry(ZedId segment) {
    std::vector<ZedFigure> figures;
    for (const ZedId id : emu::Chain(segment)) {
        const ZedFigure f = ChainFigure(id);
        if (!figures.empty() && f.kind == ZED_FIG_LINE && figures.back().kind == ZED_FIG_LINE) {
            ZedFigure& last = figures.back();
            const double cross = (last.v[2] - last.v[0]) * (f.v[3] - f.v[1]) - (last.v[3] - last.v[1]) * (f.v[2] - f.v[0]);
            const double dot = (last.v[2] - last.v[0]) * (f.v[2] - f.v[0]) + (last.v[3] - last.v[1]) * (f.v[3] - f.v[1]);
            if (std::fabs(cross) <= 1e-9 * std::hypot(f.v[2] - f.v[0], f.v[3] - f.v[1]) && dot > 0) {
                last.v[2] = f.v[2];
                last.v[3] = f.v[3];
                continue;
            }
        }
        figures.push_back(f);
    }
    // The chain may start inside a straight run: join its last line to its first.
    if (figures.size() > 1 && figures.front().kind == ZED_FIG_LINE && figures.back().kind == ZED_FIG_LINE) {
        const ZedFigure& a = figures.back();
        const ZedFigure& b = figures.front();
        const double cross = (a.v[2] - a.v[0]) * (b.v[3] - b.v[1]) - (a.v[3] - a.v[1]) * (b.v[2] - b.v[0]);
        if (std::fabs(cross) <= 1e-9 * std::hypot(b.v[2] - b.v[0], b.v[3] - b.v[1])) {
            figures.front().v[0] = a.v[0];
            figures.front().v[1] = a.v[1];
            figures.pop_back();
        }
    }
    return figures;
}

bool Same(const ZedFigure& a, const ZedFigure& b) {
    if (a.kind != b.kind) {
        return false;
    }
    const int values = a.kind == ZED_FIG_LINE ? 4 : 7;
    for (int i = 0; i < values; ++i) {
        if (std::fabs(a.v[i] - b.v[i]) > 1e-9) {
            return false;
        }
    }
    return a.kind == ZED_FIG_LINE || emu::ArcFlag(a) == emu::ArcFlag(b);
}

// The same closed outline, whichever element the chain starts at.
bool SameClosed(const std::vector<ZedFigure>& a, const std::vector<ZedFigure>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t shift = 0; shift < a.size(); ++shift) {
        bool all = true;
        for (size_t i = 0; i < a.size() && all; ++i) {
            all = Same(a[i], b[(i + shift) % b.size()]);
        }
        if (all) {
            return true;
        }
    }
    return false;
}

// Whether the point lies on the line segment (within 1e-9).
bool OnLine(const ZedFigure& l, double x, double y) {
    const double dx = l.v[2] - l.v[0], dy = l.v[3] - l.v[1];
    const double t = ((x - l.v[0]) * dx + (y - l.v[1]) * dy) / (dx * dx + dy * dy);
    return t > -1e-9 && t < 1 + 1e-9 && std::fabs((x - l.v[0]) * dy - (y - l.v[1]) * dx) / std::hypot(dx, dy) <= 1e-9;
}

bool LineAlong(const ZedFigure& f, const ZedFigure& l) {
    return f.kind == ZED_FIG_LINE && l.kind == ZED_FIG_LINE && OnLine(l, f.v[0], f.v[1]) && OnLine(l, f.v[2], f.v[3]);
}

// Whether a one-line open segment lies along the outline's geometry.
bool LiesOnOutline(ZedId segment, const std::vector<ZedFigure>& outline) {
    const std::vector<ZedId> chain = emu::Chain(segment);
    if (chain.size() != 1 || emu::SegmentClosed(segment)) {
        return false;
    }
    const ZedFigure f = ChainFigure(chain[0]);
    return std::any_of(outline.begin(), outline.end(), [&](const ZedFigure& l) { return LineAlong(f, l); });
}

Action Typed(const std::string& text) {
    Action a;
    a.kind = ActionKind::Type;
    a.text = text;
    return a;
}

Action Of(ActionKind kind, int index = 0) {
    Action a;
    a.kind = kind;
    a.index = index;
    return a;
}

TEST(RoundTripTest, BuildThenDeleteGivesEveryPlateBack) {
    SeededChoices choices(SessionSeed(7500));
    std::map<std::string, int> built;
    int roundTrips = 0, earlierDeleted = 0, severalOnAPlate = 0;
    size_t planned = 0;
    Session s;  // one chooser for all plates
    for (int round = 0; round < kMostPlates && roundTrips < kRoundTrips; ++round) {
        ASSERT_EQ(s.Begin(MakeDrawing(static_cast<uint32_t>(choices.Int(0, 1 << 30)), DrawingOptions{false, false}),
                          true),
                  "");
        const ZedId plate = s.Shapes().front();
        const std::vector<ZedFigure> original = Geometry(plate);
        const auto number = [&](int lo, int hi) { return std::to_string(choices.Int(lo, hi) / 10.0); };
        // The shared sizes as the chooser holds them: typed into its edits
        // once it is there, stored for the first start and for a replay.
        const std::string sizes[] = {number(5, 40), number(10, 150), number(10, 200)};
        const char* const sizeNames[] = {"mMainProtrude", "mMainWidth", "mMainHeight"};
        std::vector<Action> actions = {Of(ActionKind::Start)};
        for (int i = 0; i < 3; ++i) {
            s.NoteSetting(sizeNames[i], sizes[i]);
            Action edit = Of(ActionKind::ChooserSize, i);
            edit.text = sizes[i];
            actions.push_back(edit);
        }
        // The plate's straight edges; shoulders on two of them that meet at a
        // corner may stand side by side there.
        std::vector<ZedId> lines;
        for (const ZedId id : emu::Chain(plate)) {
            if (emu::FigureOf(id).kind == ZED_FIG_LINE) {
                lines.push_back(id);
            }
        }
        const size_t n = lines.size();
        const int wanted = choices.Int(1, 4);
        std::vector<size_t> edges;
        for (int tries = 0; tries < 8 && static_cast<int>(edges.size()) < wanted; ++tries) {
            const size_t i = static_cast<size_t>(choices.Int(0, static_cast<int>(n) - 1));
            if (std::find(edges.begin(), edges.end(), i) == edges.end()) {
                edges.push_back(i);
            }
        }
        // One shoulder per edge, each at a random point along it, each in a
        // command of its own; patterns in turn, so that no plate has one twice
        // and each pattern's switches are stored once.
        std::vector<std::string> patterns;
        for (const size_t e : edges) {
            patterns.push_back(kPatterns[planned++ % std::size(kPatterns)]);
            for (const std::string& flag : kFlags.at(patterns.back())) {
                s.StoreSetting(flag, std::to_string(choices.Int(0, 1)));
            }
            const ZedFigure line = emu::FigureOf(lines[e]);
            const double t = choices.Int(5, 95) / 100.0;
            Action pick = Of(ActionKind::PickPoint);
            pick.x = line.v[0] + t * (line.v[2] - line.v[0]);
            pick.y = line.v[1] + t * (line.v[3] - line.v[1]);
            if (patterns.size() > 1) {
                actions.push_back(Of(ActionKind::Start));
            }
            actions.push_back(Typed(patterns.back()));
            actions.push_back(pick);
            if (choices.Int(0, 1) == 1) {
                actions.push_back(Of(ActionKind::PickDimension, choices.Int(0, 9)));
                actions.push_back(Typed(number(5, 150)));
            }
            // The changes wait for dimension picks until the command ends.
            actions.push_back(Of(ActionKind::End));
        }
        std::string problem;
        size_t picks = 0;
        for (const Action& a : actions) {
            const size_t before = MarkedShoulders().size();
            problem = problem.empty() ? s.Step(a) : problem;
            // A plate too small for a shoulder refuses it.
            if (a.kind == ActionKind::PickPoint && MarkedShoulders().size() > before) {
                ++built[patterns[picks]];
            }
            picks += a.kind == ActionKind::PickPoint ? 1 : 0;
        }
        ASSERT_EQ(problem, "") << s.Replay();
        const size_t shoulders = MarkedShoulders().size();
        roundTrips += static_cast<int>(shoulders);
        severalOnAPlate += shoulders > 1 ? 1 : 0;
        // Delete on any listed element of any shoulder left, the most recent
        // of its outline or an earlier one: each pick takes that shoulder
        // alone, with no error.
        for (const Action& a : {Of(ActionKind::Start), Typed("Delete")}) {
            problem = problem.empty() ? s.Step(a) : problem;
        }
        for (std::vector<MarkedShoulder> left = MarkedShoulders(); !left.empty() && problem.empty();
             left = MarkedShoulders()) {
            const MarkedShoulder& target = left[static_cast<size_t>(choices.Int(0, static_cast<int>(left.size()) - 1))];
            const ZedId element =
                target.elements[static_cast<size_t>(choices.Int(0, static_cast<int>(target.elements.size()) - 1))];
            const std::vector<ZedId> named = MarkedElements();
            const int errors = s.Stats().errors;
            problem = s.Step(Of(ActionKind::PickMarked,
                                static_cast<int>(std::find(named.begin(), named.end(), element) - named.begin())));
            if (problem.empty() && (s.Stats().errors != errors || MarkedShoulders().size() != left.size() - 1)) {
                problem = "Delete did not take the shoulder of element " + std::to_string(element);
            }
            earlierDeleted += target.earlier ? 1 : 0;
        }
        problem = problem.empty() ? s.Step(Of(ActionKind::End)) : problem;
        ASSERT_EQ(problem, "") << "round " << round << "\n" << s.Replay() << "now:\n" << emu::Dump();
        bool back = emu::SegmentExists(plate) && emu::SegmentClosed(plate) && SameClosed(Geometry(plate), original);
        for (const ZedId segment : emu::SegmentIds()) {
            back = back && (segment == plate || (std::count(patterns.begin(), patterns.end(), "SideB") != 0 &&
                                                 LiesOnOutline(segment, original)));
        }
        EXPECT_TRUE(back) << "round " << round << ": the drawing did not come back\n"
                          << s.Replay() << "now:\n"
                          << emu::Dump();
    }
    std::cout << roundTrips << " shoulders on " << severalOnAPlate << " plates with several and the rest alone; "
              << earlierDeleted << " deleted while a later one stood on their outline\n";
    for (const char* pattern : kPatterns) {
        std::cout << pattern << ": " << built[pattern] << " built\n";
        // Every pattern takes its share.
        EXPECT_GT(built[pattern], kRoundTrips / static_cast<int>(std::size(kPatterns)) / 2) << pattern;
    }
    EXPECT_GE(roundTrips, kRoundTrips);
    EXPECT_GT(severalOnAPlate, kRoundTrips / 10);
    EXPECT_GT(earlierDeleted, kRoundTrips / 20);
}

}  // namespace
