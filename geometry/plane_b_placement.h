// Plan pattern B's geometry without the drawing: the shoulder of pattern A,
// centred at a whole-number distance from the end of the line nearer the
// pick, and where its corners go when the user types a new width or distance.
#ifndef LEDGEWRIGHT_GEOMETRY_PLANE_B_PLACEMENT_H
#define LEDGEWRIGHT_GEOMETRY_PLANE_B_PLACEMENT_H

#include "geometry/tab_placement.h"
#include "host/zedlib.h"

// Whether a line of length L takes a shoulder of width W. The centre lies at
// least W/2 + 1 from the nearer end, so the far edge reaches the other end
// (or beyond) whenever L <= W + 1: such lines are refused (within 1e-6).
bool PlaneBLineFits(double lineLength, double width);

// Where the centre goes for a pick K on the line S→E: nearest(|SK| + lift)
// from S when the pick is nearer S (|EK| > |SK|), otherwise nearest(|EK| +
// lift) from E, and never nearer that end than W/2 + 1. The end measured from
// is the end whose distance the third dimension shows.
struct MeasuredCentre {
    ZedPoint c{};
    bool fromStart = false;
};
MeasuredCentre MeasuredCentreOf(ZedPoint s, ZedPoint e, ZedPoint picked, double width, double lift = 0.0);

// A new width v: the edge nearer the measured end stays, the other edge moves
// to v from it along the inner side's direction.
ShoulderCorners PlaneBWidthChanged(const ShoulderCorners& corners, double width, bool fromStart);

// A new distance v from the measured end, whose piece is dm long now: the
// whole shoulder slides along the line by v - dm, away from that end.
ShoulderCorners PlaneBDistanceChanged(const ShoulderCorners& corners, double distance, double measuredLength,
                                      bool fromStart);

#endif  // LEDGEWRIGHT_GEOMETRY_PLANE_B_PLACEMENT_H
