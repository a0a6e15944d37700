// What a user can do in a command session, as plain data: RapidCheck
// generates and shrinks lists of these natively, and a seeded generator
// makes the same kinds of lists where RapidCheck is not built (Windows).
#ifndef LEDGEWRIGHT_TESTS_SESSION_SESSION_ACTIONS_H
#define LEDGEWRIGHT_TESTS_SESSION_SESSION_ACTIONS_H

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

// Texts a user may type: layer numbers, keywords in any letter case, Delete,
// values (plain, negative, huge, empty, malformed) and garbage.
std::string RandomTypedText(std::mt19937& rng);

struct ActionWeights {
    bool endings = true;  // End, and texts that end the command
};
Action RandomAction(std::mt19937& rng, const ActionWeights& weights = {});
// A few actions that belong together (a keyword, a line pick, then changes of
// the shoulder; Delete and picks on marked elements), or one random action.
std::vector<Action> RandomChunk(std::mt19937& rng, const ActionWeights& weights = {});
std::vector<Action> RandomActions(std::mt19937& rng, int count, const ActionWeights& weights = {});

std::string Describe(const Action& action);

}  // namespace session

#endif  // LEDGEWRIGHT_TESTS_SESSION_SESSION_ACTIONS_H
