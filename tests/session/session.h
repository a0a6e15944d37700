// One command session over a drawing, driven action by action as a user
// drives the host, with the checks that must hold after every step:
//  - no protocol error, no live hole data and no unfreed host memory;
//  - every message shown is one of the catalogue's (base/messages.h);
//  - the drawing sound (emu::CheckAllIntegrity: every closed outline simple);
//  - every outline that was closed stays closed, unless the step showed an
//    error (a refused call may leave an outline open);
//  - after every end of the command: the layers exactly as at its start and
//    no dimension or note left in the drawing.
// With a fault injected (one host call failing once, or every call from it
// on) the session must still keep the protocol, show only catalogue
// messages, keep the host's own bookkeeping intact (an unfinished change may
// leave an outline broken, open or touching itself, nothing else), and leak
// nothing when the call failed once.
// What was done is kept as a host runner script, so that a failing session
// can be replayed with zedrunner.
#ifndef LEDGEWRIGHT_TESTS_SESSION_SESSION_H
#define LEDGEWRIGHT_TESTS_SESSION_SESSION_H

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host/zedlib.h"
#include "tests/session/session_actions.h"
#include "tests/support/scratch_registry.h"

namespace session {

// The seed of a randomised session test: the fixed seed given, so that the
// test command passes or fails on the code alone, unless the environment
// variable LEDGEWRIGHT_SESSION_SEED gives another (scripts/soak.sh).
uint32_t SessionSeed(uint32_t fixed);

// Every text of the message catalogue (base/message_texts.inc), in UTF-8.
const std::set<std::string>& Catalogue();

// A shoulder as a mark lists it: the most recent one of a segment (40271) or
// one of its earlier ones (an entry of 40277), with the listed ids that are
// elements of a figure segment now.
struct MarkedShoulder {
    ZedId segment = -1;
    bool earlier = false;
    std::vector<ZedId> elements;
};
// Every shoulder the segments' marks list, whatever the rest of the mark
// says; a list that names no element now is left out.
std::vector<MarkedShoulder> MarkedShoulders();
// The elements they name, each once, in id order (what PickMarked picks from).
std::vector<ZedId> MarkedElements();

// The shoulders the segments' marks list, counted by their texts, and the
// texts of 40271.
struct Marks {
    size_t shoulders = 0;
    std::string recent;
};

struct FaultPlan {
    int atAction = -1;  // before this action
    int nth = 1;        // the nth host call from there fails
    bool onwards = false;
};

// What the sessions reached, so that a test can tell that its generator
// reaches every kind of step.
struct SessionStats {
    int builds = 0;        // steps that made new temporary dimensions (builds, some changes)
    int deletes = 0;       // steps after which fewer shoulders were marked
    int earlierDeletes = 0;  // of those, steps that took an earlier shoulder (40277) of its outline
    int deletePicks = 0;   // picks made while Delete mode waited
    int errors = 0;        // steps that showed an error
    int ends = 0;          // ends of the command
};

class Session {
public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // A fresh host and plug-in, the drawing laid out and the command
    // registered. "" or what went wrong. With keepChooser the chooser made by
    // an earlier session stays, with its settings store (making it afresh
    // writes every default to the store, which the portable store does
    // slowly): the values it shows are then the session's to set.
    std::string Begin(const std::string& drawing, bool keepChooser = false);
    void PlanFault(const FaultPlan& plan) { fault_ = plan; }
    // The host's integrity check on every nth step only (and at every end).
    void CheckIntegrityEvery(int steps) { integrityEvery_ = steps; }
    // Stores a settings value, as the runner's --registry file would hold it.
    bool StoreSetting(const std::string& name, const std::string& value);
    // Only notes the value for the replay (the chooser stores it).
    void NoteSetting(const std::string& name, const std::string& value);
    // The drawing's shapes (outlines and circles) in file order.
    const std::vector<ZedId>& Shapes() const { return shapes_; }
    // Performs the action and checks; "" or the first fault found.
    std::string Step(const Action& action);
    // Ends a running command and checks what is left.
    std::string Finish();

    // The drawing and the actions as zedrunner's input.
    std::string Replay() const;
    int Steps() const { return steps_; }
    // The heap the replay's record of the actions takes.
    size_t ScriptBytes() const;
    // Host calls failed by injection so far.
    int InjectedFailures() const { return injected_; }
    const SessionStats& Stats() const { return stats_; }

private:
    void ResetWorld(bool keepChooser = false);
    std::string CheckStep(bool wasActive, const std::string& closedBefore);
    std::string ClosedOutlines() const;
    // Picks the element as the runner can replay it; the script line.
    std::string PickOn(ZedId element);

    std::unique_ptr<ScratchRegistry> registry_;
    std::string drawing_;
    std::vector<ZedId> shapes_;
    std::vector<std::string> script_;
    std::vector<std::string> settings_;
    std::string layersAtStart_;
    FaultPlan fault_;
    int steps_ = 0;
    int integrityEvery_ = 1;
    int injected_ = 0;
    size_t protocolErrors_ = 0;
    int callsSinceFault_ = 0;
    bool machineryFailed_ = false;
    SessionStats stats_;
    std::vector<ZedId> dimensions_;
    Marks marked_;
    bool deleteWaits_ = false;  // the last prompt shown was Delete mode's
};

// Runs the actions over the drawing from a fresh host; "" when every check
// held, else the fault with the runner's replay of the session.
std::string RunSession(const std::string& drawing, const std::vector<Action>& actions, const FaultPlan& fault = {},
                       SessionStats* stats = nullptr);

}  // namespace session

#endif  // LEDGEWRIGHT_TESTS_SESSION_SESSION_H
