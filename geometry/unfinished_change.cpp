#include "geometry/unfinished_change.h"

UnfinishedChange& Unfinished() {
    static UnfinishedChange change;
    return change;
}

bool ChangeUnfinished() { return Unfinished().editMode != 0; }

void BeginChange(int editMode, double value) {
    UnfinishedChange& change = Unfinished();
    change = UnfinishedChange{};
    change.editMode = editMode;
    change.value = value;
    change.before = Shoulder();
}

void ClearUnfinishedChange() { Unfinished() = UnfinishedChange{}; }

bool RunChangeSteps(const std::vector<ChangeStep>& steps) {
    UnfinishedChange& change = Unfinished();
    for (size_t i = change.stepsDone; i < steps.size(); ++i) {
        if (!steps[i]()) {
            return false;
        }
        change.stepsDone = i + 1;
    }
    return true;
}

bool RunResumableChange(int editMode, double value, const ChangeOpener& begin, const ChangePlanner& plan) {
    const UnfinishedChange& change = Unfinished();
    if (ChangeUnfinished() && (change.editMode != editMode || change.value != value)) {
        if (!RunChangeSteps(plan(change.editMode))) {
            return false;
        }
        ClearUnfinishedChange();
    }
    if (!ChangeUnfinished() && !begin(editMode, value)) {
        ClearUnfinishedChange();
        return false;
    }
    if (!RunChangeSteps(plan(editMode))) {
        if (change.stepsDone == 0) {
            ClearUnfinishedChange();
        }
        return false;
    }
    ClearUnfinishedChange();
    return true;
}

void ForgetShoulder() {
    ShoulderMemory& m = Shoulder();
    m.firstSide.ref.id = -1;
    m.innerSide.ref.id = -1;
    m.secondSide.ref.id = -1;
    m.measured.id = -1;
    m.display.ref.id = -1;
    m.holeSegment = -1;
    m.cutLineSegment = -1;
    m.fourthSegment = -1;
    m.slotSegment = -1;
    m.displaySegment = -1;
    m.taggedSegment = -1;
    // A change left unfinished on the last shoulder is no longer the user's to retry.
    ClearUnfinishedChange();
}

void ResetShoulderMemory() {
    Shoulder() = ShoulderMemory{};
    ClearUnfinishedChange();
}
