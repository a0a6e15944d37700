#ifndef LEDGEWRIGHT_GEOMETRY_DIRECTION_ANGLE_H
#define LEDGEWRIGHT_GEOMETRY_DIRECTION_ANGLE_H

#include "host/zedlib.h"

// The direction from p to q in radians, in [0, 2π); 0 when the points are
// equal. π is 4·atan(1).
double DirectionAngle(ZedPoint p, ZedPoint q);

#endif  // LEDGEWRIGHT_GEOMETRY_DIRECTION_ANGLE_H
