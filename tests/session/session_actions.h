// What a user can do in a command session, as plain data, and how random
// sessions are chosen. Every random choice goes through Choices: seeded
// choices on every platform, and natively RapidCheck's generators, which
// then shrink a failing session (session_property_test.cpp).
#ifndef LEDGEWRIGHT_TESTS_SESSION_SESSION_ACTIONS_H
#define LEDGEWRIGHT_TESTS_SESSION_SESSION_ACTIONS_H

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace session {

enum class ActionKind {
    Start,
    End,
    Type,           // text
    PickElement,    // element `index` (modulo) of outline `shape` (modulo)
    PickMarked,     // element `index` (modulo) of those a mark's element list names
    PickDimension,  // dimension `index` (modulo) in the order they were made
    PickNote,       // note `index` (modulo), the same way
    PickPoint,      // a click at (x, y)
    ChooserRow,     // double click on row `index` of the chooser's list
    ChooserDelete,  // the chooser's Delete button
    ChooserSize,    // text typed into edit `index` (protrude, width, height)
};

struct Action {
    ActionKind kind = ActionKind::Start;
    std::string text;
    int shape = 0;
    int index = 0;
    double x = 0.0;
    double y = 0.0;
};

// A source of random choices: a whole number from lo to hi, both included.
// Smaller numbers are the simpler choices (a shrinker moves towards them).
class Choices {
public:
    virtual ~Choices() = default;
    virtual int Int(int lo, int hi) = 0;
};

class SeededChoices : public Choices {
public:
    explicit SeededChoices(uint32_t seed) : rng_(seed) {}
    int Int(int lo, int hi) override { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

private:
    std::mt19937 rng_;
};

struct ActionWeights {
    bool endings = true;  // End, and garbage that ends the command
};

// One action, weighted towards what builds, changes and deletes shoulders.
Action RandomAction(Choices& choices, const ActionWeights& weights = {});
// A few actions that belong together (a keyword, a line pick, then changes of
// the shoulder; Delete and picks on marked elements; a few shoulders on one
// outline, each ended, then Delete and picks), or one random action.
std::vector<Action> RandomChunk(Choices& choices, const ActionWeights& weights = {});
// The command's start, then chunks up to `count` actions.
std::vector<Action> RandomActions(Choices& choices, int count, const ActionWeights& weights = {});

std::string Describe(const Action& action);

}  // namespace session

#endif  // LEDGEWRIGHT_TESTS_SESSION_SESSION_ACTIONS_H
