// What the build and the rebuild of plan pattern A share: the settings read as
// sizes, and the changes to a typed value.
#ifndef LEDGEWRIGHT_GEOMETRY_PLANE_A_PARTS_H
#define LEDGEWRIGHT_GEOMETRY_PLANE_A_PARTS_H

#include <vector>

#include "geometry/remembered_shoulder.h"
#include "geometry/shoulder_memory.h"
#include "geometry/tab_placement.h"
#include "geometry/unfinished_change.h"
#include "host/zedlib.h"

// The shared sizes and pattern A's thresholds from ShoulderSettings.
PlaneASizes PlaneASizesFromSettings();

// A change of the shoulder to a typed value, worked out from the shoulder as
// the change found it (Unfinished().before): where the corners go, the line's
// pieces from S to E as the change leaves them (for the soundness rule), and
// the steps that make it. A value that cannot be taken has a refusal message
// and no steps.
struct PlaneAChange {
    const ZedChar* refusal = nullptr;
    ShoulderCorners target{};
    std::vector<ZedFigure> pieces;
    std::vector<ChangeStep> steps;
};

// The depth change (edit mode 1) and the width change (edit mode 2, in its own
// file).
PlaneAChange PlanPlaneADepth();
PlaneAChange PlanPlaneAWidth();

// What the width change reads before its first step: the first side's line
// attributes and the outline's layer, into the unfinished change.
bool ReadPlaneAWidthContext();

// The last step of every change, once the sides stand at the new corners: the
// two dimensions, the cut line and the hole follow, and the shoulder is tagged
// again.
bool FollowPlaneACorners(const ShoulderCorners& corners);

#endif  // LEDGEWRIGHT_GEOMETRY_PLANE_A_PARTS_H
