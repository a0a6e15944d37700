// Sessions the random sessions and round trips once failed on, kept as they
// were shrunk: a drawing in the runner's format, settings and the actions.
// Each must now keep every rule of a session (session.h), leave exactly the
// segments named, show an error at the steps named and, where it says so,
// leave the drawing's first outline as it was laid out. A finding of
// scripts/soak.sh becomes a row here.
#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>

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
    std::vector<int> stepsWithAnError = {};  // counted from 1
    bool firstOutlineKept = false;
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


// The outline's chain and records as the host's dump writes them.
std::string OutlineText(ZedId outline) {
    std::string text;
    bool inside = false;
    std::istringstream dump(emu::Dump());
    for (std::string line; std::getline(dump, line);) {
        if (line.rfind("segment ", 0) == 0) {
            inside = line.rfind("segment " + std::to_string(outline) + " ", 0) == 0;
        }
        if (inside && line.find("attribute") == std::string::npos) {
            text += line + "\n";
        }
    }
    return text;
}

const Regression kRegressions[] = {
    // A mark from elsewhere that lists three of a rectangle's four sides:
    // Delete would have left one side, open, without a word. The outline
    // stays as it is, and Delete says so.
    {"a mark listing all sides but one",
     "layer 0\nlayer 50\ncurrent-layer 0\noutline layer 50 closed\n  line 250 0 270 0\n  line 270 0 270 30\n"
     "  line 270 30 250 30\n  line 250 30 250 0\n  attribute 40270 text \"SymbolShoulder\"\n"
     "  attribute 40271 text \"5,2,3\"\nend\n",
     {},
     {A(ActionKind::Start), T("Delete"), A(ActionKind::PickElement, 3), A(ActionKind::End)},
     1,
     {3},
     true},
    // A shaped hole: its outline stayed beside the hole's own copy, and
    // Delete, which knows the hole's segment only, left the outline behind.
    {"a shaped hole's outline",
     "layer 0\nlayer 3\nlayer 50\ncurrent-layer 0\noutline layer 50 closed\n  line 0 0 60 0\n  line 60 0 60 40\n"
     "  line 60 40 0 40\n  line 0 40 0 0\nend\n",
     {{"PA_Hole", "1"}, {"PA_IsHoleDraw", "1"}, {"PA_IsLineDraw", "1"}},
     {A(ActionKind::Start), T("PlaneA"), P(30, 0), A(ActionKind::End), A(ActionKind::Start), T("Delete"),
      A(ActionKind::PickMarked), A(ActionKind::End)},
     1},
    // A plate with filleted corners whose mark from elsewhere lists the
    // bottom edge and the corners on either side of it (ids 6, 4, 7): Delete
    // took the three away and closed the outline with a slanted line from
    // (30, 11) to (0, 14), without a word. No shoulder stands there: the
    // outline stays as it is, and Delete says so.
    {"a mark listing a corner, an edge and a corner",
     "layer 0\nlayer 50\ncurrent-layer 0\noutline layer 50 closed\n  line 0 40 30 40\n  line 30 40 30 0\n"
     "  fillet 11\n  line 30 0 0 0\n  fillet 14\n  line 0 0 0 40\n  attribute 40270 text \"SymbolShoulder\"\n"
     "  attribute 40271 text \"6,4,7\"\nend\n",
     {},
     {A(ActionKind::Start), T("Delete"), A(ActionKind::PickElement, 3), A(ActionKind::End)},
     1,
     {3},
     true},
};

class SessionRegressionTest : public ::testing::TestWithParam<Regression> {};

TEST_P(SessionRegressionTest, KeepsEveryRule) {
    const Regression& r = GetParam();
    Session s;
    ASSERT_EQ(s.Begin(r.drawing), "");
    for (const auto& [name, value] : r.settings) {
        ASSERT_TRUE(s.StoreSetting(name, value));
    }
    const ZedId outline = s.Shapes().front();
    const std::string laidOut = OutlineText(outline);
    std::vector<int> stepsWithAnError;
    for (const Action& action : r.actions) {
        const int errorsBefore = s.Stats().errors;
        const std::string problem = s.Step(action);
        ASSERT_TRUE(problem.empty()) << problem << "\n" << s.Replay();
        if (s.Stats().errors > errorsBefore) {
            stepsWithAnError.push_back(s.Steps());
        }
    }
    EXPECT_EQ(emu::SegmentIds().size(), r.segmentsLeft) << emu::Dump();
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
    EXPECT_EQ(stepsWithAnError, r.stepsWithAnError) << s.Replay();
    if (r.firstOutlineKept) {
        EXPECT_EQ(OutlineText(outline), laidOut);
    }
}

INSTANTIATE_TEST_SUITE_P(Found, SessionRegressionTest, ::testing::ValuesIn(kRegressions));

}  // namespace
