// The change of a three-sided shoulder whose outer corners move: the first
// side comes to end at the first corner, the inner side runs between the two
// corners and the second side starts at the second corner.
#ifndef LEDGEWRIGHT_GEOMETRY_THREE_SIDES_H
#define LEDGEWRIGHT_GEOMETRY_THREE_SIDES_H

#include <vector>

#include "geometry/shoulder_memory.h"
#include "geometry/unfinished_change.h"
#include "host/zedlib.h"

// The three amends, in outline order ("(11)" to "(13)" when the host refuses
// one), then one step in which the memory takes the new records once all are
// made.
std::vector<ChangeStep> MoveThreeSidesSteps(const ShoulderMemory& before, ZedPoint firstCorner,
                                            ZedPoint secondCorner);

#endif  // LEDGEWRIGHT_GEOMETRY_THREE_SIDES_H
