// What the build and the rebuild of plan pattern B share.
#ifndef LEDGEWRIGHT_GEOMETRY_PLANE_B_PARTS_H
#define LEDGEWRIGHT_GEOMETRY_PLANE_B_PARTS_H

#include "geometry/shoulder_memory.h"
#include "geometry/tab_placement.h"
#include "host/zedlib.h"

// The distance dimension's offset: 15 to the left of the measured direction,
// -15 for a flipped shoulder.
double PlaneBDistanceOffset(bool flipped);

// Whether the remembered shoulder's distance is measured from S (the tail
// piece) rather than from E (the head piece).
bool MeasuredFromStart(const ShoulderMemory& memory);

#endif  // LEDGEWRIGHT_GEOMETRY_PLANE_B_PARTS_H
