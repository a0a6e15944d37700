// One host session of 10,000 random actions (the command started and ended
// again and again) on one plate with marks from elsewhere: every step checked as in every session (session.h), and the
// plug-in's memory and time per action must not grow. The drawing is kept
// from growing without end the way a user would: once more than a few
// shoulders stand, the next chunk deletes one. The test prints the heap in
// use and the time per action over the first and the last thousand actions
// (after a warm-up of 500); the heap leaves out the session's own record of
// the actions, which grows with them by design.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's allocator statistics (its runtime exports them).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#elif defined(__GLIBC__)
#include <malloc.h>
#endif

#include "emuhost/emu_api.h"
#include "tests/session/session.h"
#include "tests/session/session_drawing.h"

namespace {

using namespace session;

constexpr int kActions = 10000;
constexpr int kWindow = 1000;
constexpr int kWarmUp = 500;

// Bytes the process's allocator has handed out and not yet taken back; 0
// where it cannot be asked (Windows).
double HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<double>(__sanitizer_get_current_allocated_bytes());
#elif defined(__GLIBC__)
    return static_cast<double>(mallinfo2().uordblks);
#else
    return 0.0;
#endif
}

size_t ElementCount() {
    size_t elements = 0;
    for (const ZedId segment : emu::SegmentIds()) {
        elements += emu::Chain(segment).size();
    }
    return elements;
}

#if defined(__SANITIZE_ADDRESS__) || defined(__GLIBC__)
constexpr bool kHeapKnown = true;
#else
constexpr bool kHeapKnown = false;
#endif

struct Window {
    double seconds = 0.0;
    int actions = 0;
    double heapSum = 0.0;
    double elementSum = 0.0;
    double MicrosecondsPerAction() const { return 1e6 * seconds / actions; }
    double HeapKiB() const { return heapSum / actions / 1024.0; }
    double Elements() const { return elementSum / actions; }
};

TEST(LongSessionTest, TenThousandActionsKeepMemoryAndTimeFlat) {
    Session s;
    s.CheckIntegrityEvery(10);  // the host's whole-drawing check is the costliest
    ASSERT_EQ(s.Begin(MakeDrawing(20261208, DrawingOptions{true, true})), "");
    const size_t marksAtStart = MarkedShoulders().size();
    SeededChoices choices(10000);
    const ActionWeights weights{true};
    std::vector<Action> pending;
    Window first, last;
    int restarts = 0;
    bool deleteNext = false;
    for (int done = 0; done < kActions; ++done) {
        if (pending.empty()) {
            if (!emu::CommandActive()) {
                pending = {Action{}};
                ++restarts;
            } else if (deleteNext && MarkedShoulders().size() > marksAtStart + 2) {
                Action type;
                type.kind = ActionKind::Type;
                type.text = "Delete";
                Action pick;
                pick.kind = ActionKind::PickMarked;
                pick.index = choices.Int(0, 999);
                pending = {type, pick};
            } else {
                // The dimension pick takes no typed text: a user ends the
                // command to go on, as every fourth chunk here does.
                pending = RandomChunk(choices, weights);
                if (choices.Int(0, 3) == 0) {
                    Action end;
                    end.kind = ActionKind::End;
                    pending.push_back(end);
                }
            }
            deleteNext = !deleteNext;
        }
        const Action action = pending.front();
        pending.erase(pending.begin());
        const auto start = std::chrono::steady_clock::now();
        const std::string problem = s.Step(action);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ASSERT_TRUE(problem.empty()) << "action " << done << " (" << Describe(action) << "): " << problem << "\n"
                                     << s.Replay();
        Window* window = done >= kWarmUp && done < kWarmUp + kWindow ? &first
                         : done >= kActions - kWindow                ? &last
                                                                     : nullptr;
        if (window != nullptr) {
            window->seconds += seconds;
            window->heapSum += kHeapKnown ? HeapInUse() - static_cast<double>(s.ScriptBytes()) : 0.0;
            window->elementSum += static_cast<double>(ElementCount());
            ++window->actions;
        }
    }
    ASSERT_EQ(s.Finish(), "");
    std::printf("long session: %d actions, %d starts of the command; %d builds, %d Deletes\n", kActions, restarts,
                s.Stats().builds, s.Stats().deletes);
    const auto heap = [](const Window& w) { return kHeapKnown ? std::to_string(w.HeapKiB()) + " KiB" : "unknown"; };
    std::printf("  start: %.1f us per action, heap in use %s, %.0f elements in the drawing\n",
                first.MicrosecondsPerAction(), heap(first).c_str(), first.Elements());
    std::printf("  end:   %.1f us per action, heap in use %s, %.0f elements in the drawing\n",
                last.MicrosecondsPerAction(), heap(last).c_str(), last.Elements());
    RecordProperty("start_us_per_action", std::to_string(first.MicrosecondsPerAction()));
    RecordProperty("end_us_per_action", std::to_string(last.MicrosecondsPerAction()));
    RecordProperty("start_heap_kib", std::to_string(first.HeapKiB()));
    RecordProperty("end_heap_kib", std::to_string(last.HeapKiB()));
    // An action costs in proportion to the drawing it walks, which grows by
    // the shoulders built; what must not grow is the cost per element with
    // the session's age (noise on a shared machine aside, not double). The
    // heap may hold a few more shoulders.
    const auto perElement = [](const Window& w) { return w.MicrosecondsPerAction() / std::max(1.0, w.Elements()); };
    EXPECT_LT(perElement(last), 2.0 * perElement(first) + 5.0);
    EXPECT_LT(last.HeapKiB(), first.HeapKiB() * 1.25 + 2048.0);
    EXPECT_GT(s.Stats().builds, 60);
    EXPECT_GT(s.Stats().deletes, 40);
}

}  // namespace
