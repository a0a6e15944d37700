// Sessions the random sessions and round trips once failed on, kept as they
// were shrunk: a drawing in the runner's format, settings and the actions.
// Each must now keep every rule of a session (session.h) and leave exactly
// the segments named.
#include <gtest/gtest.h>

#include <ostream>

#include "emuhost/emu_api.h"
#include "tests/session/session.h"

namespace {

using namespace session;

struct Regression {
    const char* name;
    const char* drawing;
    std::vector<std::pair<const char*, const char*>> settings;
    std::vector<Action> actions;
    size_t segmentsLeft;
};

void PrintTo(const Regression& r, std::ostream* os) { *os << r.name; }

Action A(ActionKind kind, int index = 0) {
    Action a;
    a.kind = kind;
    a.index = index;
    return a;
}

Action T(const char* text) {
    Action a;
    a.kind = ActionKind::Type;
    a.text = text;
    return a;
}

Action P(double x, double y) {
    Action a;
    a.kind = ActionKind::PickPoint;
    a.x = x;
    a.y = y;
    return a;
}


const Regression kRegressions[] = {
    // A mark from elsewhere that lists three of a rectangle's four sides:
    // Delete would have left one side, open, without a word. The outline
    // stays as it is.
    {"a mark listing all sides but one",
     "layer 0\nlayer 50\ncurrent-layer 0\noutline layer 50 closed\n  line 250 0 270 0\n  line 270 0 270 30\n"
     "  line 270 30 250 30\n  line 250 30 250 0\n  attribute 40270 text \"SymbolShoulder\"\n"
     "  attribute 40271 text \"5,2,3\"\nend\n",
     {},
     {A(ActionKind::Start), T("Delete"), A(ActionKind::PickElement, 3), A(ActionKind::End)},
     1},
    // A shaped hole: its outline stayed beside the hole's own copy, and
    // Delete, which knows the hole's segment only, left the outline behind.
    {"a shaped hole's outline",
     "layer 0\nlayer 3\nlayer 50\ncurrent-layer 0\noutline layer 50 closed\n  line 0 0 60 0\n  line 60 0 60 40\n"
     "  line 60 40 0 40\n  line 0 40 0 0\nend\n",
     {{"PA_Hole", "1"}, {"PA_IsHoleDraw", "1"}, {"PA_IsLineDraw", "1"}},
     {A(ActionKind::Start), T("PlaneA"), P(30, 0), A(ActionKind::End), A(ActionKind::Start), T("Delete"),
      A(ActionKind::PickMarked), A(ActionKind::End)},
     1},
};

class SessionRegressionTest : public ::testing::TestWithParam<Regression> {};

TEST_P(SessionRegressionTest, KeepsEveryRule) {
    const Regression& r = GetParam();
    Session s;
    ASSERT_EQ(s.Begin(r.drawing), "");
    for (const auto& [name, value] : r.settings) {
        ASSERT_TRUE(s.StoreSetting(name, value));
    }
    for (const Action& action : r.actions) {
        const std::string problem = s.Step(action);
        ASSERT_TRUE(problem.empty()) << problem << "\n" << s.Replay();
    }
    EXPECT_EQ(emu::SegmentIds().size(), r.segmentsLeft) << emu::Dump();
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
}

INSTANTIATE_TEST_SUITE_P(Found, SessionRegressionTest, ::testing::ValuesIn(kRegressions));

}  // namespace
