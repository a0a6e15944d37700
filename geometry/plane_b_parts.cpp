#include "geometry/plane_b_parts.h"

double PlaneBDistanceOffset(bool flipped) { return flipped ? -15.0 : 15.0; }

