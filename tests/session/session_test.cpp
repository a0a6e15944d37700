// Whole command sessions from seeded choices (the same state machine that
// session_property_test.cpp drives with RapidCheck natively; this one runs
// on every platform, Windows under Wine included): random plates, some with
// shoulder attributes from elsewhere, and random sequences of what a user
// can do, checked after every step (session.h says what), then the same
// sessions with one host call failing once or onwards at a random point.
// A failure prints the session as a host runner drawing and script.
#include <gtest/gtest.h>

#include <iostream>
#include <random>

#include "tests/session/session.h"
#include "tests/session/session_drawing.h"

namespace {

using namespace session;

#ifdef _WIN32
constexpr int kSessions = 120;  // the only random sessions on Windows
#else
constexpr int kSessions = 40;   // RapidCheck runs the many natively
#endif
constexpr int kFaultSessions = 100;

TEST(SessionTest, TheCatalogueIsRead) { EXPECT_GT(Catalogue().size(), 150u); }

TEST(SessionTest, RandomSessionsKeepEveryRule) {
    std::mt19937 rng(SessionSeed(20261208));
    SessionStats stats;
    for (int i = 0; i < kSessions; ++i) {
        const uint32_t seed = rng();
        const std::string drawing = MakeDrawing(seed, DrawingOptions{true, i % 2 == 1});
        SeededChoices choices(rng());
        const std::vector<Action> actions = RandomActions(choices, choices.Int(10, 80));
        const std::string problem = RunSession(drawing, actions, {}, &stats);
        ASSERT_TRUE(problem.empty()) << "session " << i << ": " << problem;
    }
    // The sessions reach builds, picks in Delete mode, refusals and ends.
    // (Delete takes back only what has a shoulder's shape, so most picks on
    // the marks from elsewhere are refused; the round trips delete.)
    EXPECT_GT(stats.builds, kSessions / 2);
    EXPECT_GT(stats.deletePicks, kSessions / 4);
    EXPECT_GT(stats.errors, kSessions / 4);
    EXPECT_GT(stats.ends, kSessions / 2);
    std::cout << "builds " << stats.builds << ", picks in Delete mode " << stats.deletePicks << ", Deletes "
              << stats.deletes << " (" << stats.earlierDeletes << " of an earlier shoulder), steps with an error "
              << stats.errors << ", ends " << stats.ends << "\n";
}

TEST(SessionTest, AHostCallFailingAnywhereInASessionBreaksNothing) {
    std::mt19937 rng(SessionSeed(4242));
    int injected = 0;
    for (int i = 0; i < kFaultSessions; ++i) {
        const uint32_t seed = rng();
        const std::string drawing = MakeDrawing(seed, DrawingOptions{true, i % 3 == 2});
        SeededChoices choices(rng());
        const std::vector<Action> actions = RandomActions(choices, choices.Int(10, 40));
        FaultPlan fault;
        fault.atAction = std::uniform_int_distribution<int>(1, static_cast<int>(actions.size()) - 1)(rng);
        fault.nth = std::uniform_int_distribution<int>(1, 60)(rng);
        fault.onwards = i % 2 == 1;
        Session s;
        ASSERT_EQ(s.Begin(drawing), "");
        s.PlanFault(fault);
        std::string problem;
        for (const Action& action : actions) {
            problem = s.Step(action);
            if (!problem.empty()) {
                break;
            }
        }
        if (problem.empty()) {
            problem = s.Finish();
        }
        injected += s.InjectedFailures() > 0 ? 1 : 0;
        ASSERT_TRUE(problem.empty()) << "session " << i << " fault at action " << fault.atAction << ", call " << fault.nth
                               << (fault.onwards ? " onwards" : " once") << ": " << problem << "\n"
                               << s.Replay();
    }
    // The faults did land in most sessions.
    EXPECT_GT(injected, kFaultSessions / 3);
    RecordProperty("sessions with a failed call", injected);
}

}  // namespace
