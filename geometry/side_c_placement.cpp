#include "geometry/side_c_placement.h"

#include "geometry/outline_soundness.h"
#include "geometry/vec2.h"

PlaneBCentre SideCCentreOf(ZedPoint s, ZedPoint e, ZedPoint picked, double width) {
    return PlaneBCentreOf(s, e, picked, width, 0.5);
}

bool SideCMouthFits(ZedPoint s, ZedPoint e, const PlaneBCentre& centre, double width) {
    const ZedPoint farEnd = centre.fromStart ? e : s;
    return Distance(centre.c, farEnd) - width / 2.0 > kOutlineTouchTolerance;
}

PlaneASide SideCInward(double theta, int inOutAnswer) {
    if (inOutAnswer == 1) {
        return PlaneASide{AtAngle(theta - Pi() / 2.0), false};
    }
    return PlaneASide{AtAngle(theta + Pi() / 2.0), true};
}

double SideCSideDimensionOffset(bool flipped) { return -PlaneADimensionOffset(flipped); }

double SideCDistanceDimensionOffset(bool flipped) { return PlaneADimensionOffset(flipped); }
