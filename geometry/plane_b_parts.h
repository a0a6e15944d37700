// What the build and the rebuild of plan pattern B share.
#ifndef LEDGEWRIGHT_GEOMETRY_PLANE_B_PARTS_H
#define LEDGEWRIGHT_GEOMETRY_PLANE_B_PARTS_H

// The distance dimension's offset: 15 to the left of the measured direction,
// -15 for a flipped shoulder.
double PlaneBDistanceOffset(bool flipped);

#endif  // LEDGEWRIGHT_GEOMETRY_PLANE_B_PARTS_H
