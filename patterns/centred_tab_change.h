// A typed depth, width or distance for a rectangle spliced into a line about a
// point (geometry/centred_tab.h), worked out from the shoulder as the change
// found it (Unfinished().before): where the corners go, the line's pieces from
// S to E that the change leaves (for the soundness rule), and the amends that
// make it, in order. The patterns add their own follow-up steps.
#ifndef LEDGEWRIGHT_PATTERNS_CENTRED_TAB_CHANGE_H
#define LEDGEWRIGHT_PATTERNS_CENTRED_TAB_CHANGE_H

#include <vector>

#include "geometry/shoulder_memory.h"
#include "geometry/tab_placement.h"
#include "geometry/unfinished_change.h"
#include "host/zedlib.h"

// One element moved to a new record, with the message of its refusal.
struct TabAmend {
    ShoulderPiece ShoulderMemory::*piece;
    ZedFigure record;
    const ZedChar* failure;
};

// The refusals in which the patterns differ: a width or distance that takes
// the line's whole length (or is not a number), and one that would put the
// mouth's edges out of order along the line.
struct TabChangeRefusals {
    const ZedChar* tooFar;
    const ZedChar* outOfOrder;
};

struct TabChange {
    const ZedChar* refusal = nullptr;
    ShoulderCorners target{};
    bool baseMoved = false;  // width and distance: the mouth moves along the line
    std::vector<ZedFigure> pieces;
    std::vector<TabAmend> amends;
};

// The change for the edit mode (1 depth, 2 width, 3 distance) and value.
TabChange PlanTabChange(int editMode, double value, const TabChangeRefusals& refusals);

// The amends as steps, then one step in which the memory takes the new
// records once all are made.
std::vector<ChangeStep> TabAmendSteps(const TabChange& change);

// Opens a new change: refused before anything changes when the value is not a
// finite number, does not fit the line or would break the outline.
bool OpenTabChange(int editMode, double value, const TabChangeRefusals& refusals);

// The depth and width dimensions follow the corners; the distance dimension
// too when the mouth moved.
bool MoveTabDimensions(const ShoulderCorners& corners, bool baseMoved);

// Tags the shoulder again on its first side's segment; always true.
bool RetagShoulder();

#endif  // LEDGEWRIGHT_PATTERNS_CENTRED_TAB_CHANGE_H
