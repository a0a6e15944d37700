// Finding the element that a pick-element, pick-dimension or pick-note action means.
#ifndef LEDGEWRIGHT_RUNNER_PICK_TARGETS_H
#define LEDGEWRIGHT_RUNNER_PICK_TARGETS_H

#include <string>
#include <vector>

#include "host/zedlib.h"
#include "runner/drawing_loader.h"

namespace runner {

struct PickTarget {
    ZedId element = -1;   // -1 when there is none
    std::string problem;  // why there is none
};

// Element ids of every element in segments of the type (ZED_SGM_DIMENSION,
// ZED_SGM_NOTE, ...), oldest first: ids grow as elements are made.
std::vector<ZedId> ElementsOfSegmentType(int segmentType);

// Element `position` (from 1) of the current chain of shape `shape` (from 1) of the drawing file.
PickTarget ShapeElement(const LoadedDrawing& drawing, int shape, int position);
// The index-th dimension (ZED_SGM_DIMENSION) or note (ZED_SGM_NOTE) element: 1
// the oldest, 2 the next, ...; -1 the newest, -2 the one before, ...
PickTarget NthOfSegmentType(int segmentType, int index);

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_PICK_TARGETS_H
