// Side pattern C's geometry without the drawing: where the recess's centre
// goes on the picked line, whether its mouth fits the line, and which way it
// cuts in.
#ifndef LEDGEWRIGHT_GEOMETRY_SIDE_C_PLACEMENT_H
#define LEDGEWRIGHT_GEOMETRY_SIDE_C_PLACEMENT_H

#include "geometry/plane_b_placement.h"
#include "geometry/tab_placement.h"
#include "host/zedlib.h"

// The centre for a pick on the line S→E: the pick's distance d from the
// nearer end (E for a pick exactly halfway) taken up to the next whole unit,
// nearest(d + 0.5), but never nearer that end than W/2 + 1.
MeasuredCentre SideCCentreOf(ZedPoint s, ZedPoint e, ZedPoint picked, double width);

// Whether the mouth, W wide about the centre, stops short of the far end of
// the line (by more than the touch tolerance). A mouth that reaches or passes
// it would leave a piece of no length or fold the outline back over itself;
// this also refuses every W ≥ L + 1, for the centre lies at least W/2 + 1 from
// the nearer end.
bool SideCMouthFits(ZedPoint s, ZedPoint e, const MeasuredCentre& centre, double width);

// The direction the recess cuts in: into the plate, the opposite of a
// shoulder standing out. For a line at angle θ the host's answer 1 (the point
// left of the line lies outside) gives θ − π/2; any other answer gives θ + π/2
// and a flipped shoulder.
OutwardSide SideCInward(double theta, int inOutAnswer);

// The dimension offsets: depth and width −10 (+10 when flipped), the
// distance +10 (−10 when flipped).
double SideCSideDimensionOffset(bool flipped);
double SideCDistanceDimensionOffset(bool flipped);

#endif  // LEDGEWRIGHT_GEOMETRY_SIDE_C_PLACEMENT_H
