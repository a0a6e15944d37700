// A rebuild that the host refused part-way, kept so that the user's retry
// carries on from where it stopped instead of starting over from a drawing
// that is half changed.
//
// A rebuild is worked out as a list of steps, each of which the host makes
// whole or not at all: one amend, one deletion, the whole new chain (itself
// resumable), the join, taking the new shoulder into the memory, and the
// follow-up of dimensions, cut line, hole and tag. The list is worked out from
// the shoulder as the change found it, which is kept here beside the values
// the change read before its first step, so that a retry works out the same
// list and skips the steps already done. The shoulder memory itself changes
// only at the step that takes the new shoulder in, after the elements are all
// in place.
#ifndef LEDGEWRIGHT_GEOMETRY_UNFINISHED_CHANGE_H
#define LEDGEWRIGHT_GEOMETRY_UNFINISHED_CHANGE_H

#include <cstddef>
#include <functional>
#include <vector>

#include "geometry/shoulder_memory.h"
#include "host/zedlib.h"

struct UnfinishedChange {
    int editMode = 0;  // 0: no change is unfinished
    double value = 0.0;
    size_t stepsDone = 0;
    ShoulderMemory before;  // the shoulder as the change found it

    // What the change read before its first step.
    ZedId outline = -1;  // the outline's segment
    ZedId layer = -1;
    ZedLineType2 attributes{};

    // What the steps done so far have made.
    ZedId divided = -1;
    ZedId chain = -1;
    std::vector<ZedId> chainIds;
    ZedId joined = -1;
};

UnfinishedChange& Unfinished();

// Whether a change is under way or stopped part-way.
bool ChangeUnfinished();

// Starts a change of the current shoulder for the edit mode and value.
void BeginChange(int editMode, double value);

// No change is unfinished (a change completed, or a new shoulder is built).
void ClearUnfinishedChange();

using ChangeStep = std::function<bool()>;

// Runs the steps from the first one not yet done; each that succeeds counts as
// done. False at the first step that fails (it has reported itself).
bool RunChangeSteps(const std::vector<ChangeStep>& steps);

// A rebuild of the current shoulder to a typed value, resumable: a change
// left unfinished with another mode or value is finished first (the outline
// is then neither the old shoulder nor the new); a new change is opened with
// `begin` (BeginChange and the checks made before anything changes, which
// report their own refusal); then the steps that `plan` works out for the
// edit mode run from the first one not done. A change refused at its first
// step has changed nothing and is forgotten; one refused later waits for the
// retry.
using ChangeOpener = std::function<bool(int editMode, double value)>;
using ChangePlanner = std::function<std::vector<ChangeStep>(int editMode)>;
bool RunResumableChange(int editMode, double value, const ChangeOpener& begin, const ChangePlanner& plan);

// What a builder does before it draws a new shoulder: the three sides are
// forgotten (element -1) and so are the five part segments; a change left
// unfinished on the last shoulder is no longer the user's to retry.
void ForgetShoulder();

// The shoulder memory and the unfinished change back to their state at load
// (tests).
void ResetShoulderMemory();

#endif  // LEDGEWRIGHT_GEOMETRY_UNFINISHED_CHANGE_H
