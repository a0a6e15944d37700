#include "geometry/side_c_placement.h"

#include "geometry/outline_soundness.h"
#include "geometry/vec2.h"

MeasuredCentre SideCCentreOf(ZedPoint s, ZedPoint e, ZedPoint picked, double width) {
    return MeasuredCentreOf(s, e, picked, width, 0.5);
}

bool SideCMouthFits(ZedPoint s, ZedPoint e, const MeasuredCentre& centre, double width) {
    const ZedPoint farEnd = centre.fromStart ? e : s;
    return Distance(centre.c, farEnd) - width / 2.0 > kOutlineTouchTolerance;
}

OutwardSide SideCInward(double theta, int inOutAnswer) {
    if (inOutAnswer == 1) {
        return OutwardSide{AtAngle(theta - Pi() / 2.0), false};
    }
    return OutwardSide{AtAngle(theta + Pi() / 2.0), true};
}

double SideCSideDimensionOffset(bool flipped) { return -LengthDimensionOffset(flipped); }

double SideCDistanceDimensionOffset(bool flipped) { return LengthDimensionOffset(flipped); }
