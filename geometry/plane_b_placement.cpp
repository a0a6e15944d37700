#include "geometry/plane_b_placement.h"

#include <algorithm>

#include "geometry/figure_record.h"
#include "geometry/outline_soundness.h"
#include "geometry/vec2.h"

bool PlaneBLineFits(double lineLength, double width) { return lineLength - (width + 1.0) > kOutlineTouchTolerance; }

MeasuredCentre MeasuredCentreOf(ZedPoint s, ZedPoint e, ZedPoint picked, double width, double lift) {
    const double dS = Distance(s, picked);
    const double dE = Distance(e, picked);
    const ZedPoint u = UnitFrom(s, e);
    const double least = width / 2.0 + 1.0;
    if (dE > dS) {
        return {s + std::max(RoundHalfAway(dS + lift), least) * u, true};
    }
    return {e - std::max(RoundHalfAway(dE + lift), least) * u, false};
}

ShoulderCorners PlaneBWidthChanged(const ShoulderCorners& c, double width, bool fromStart) {
    const ZedPoint u = UnitFrom(c.q1, c.q2);
    ShoulderCorners moved = c;
    if (fromStart) {
        moved.q2 = c.q1 + width * u;
        moved.p2 = c.p1 + width * u;
    } else {
        moved.q1 = c.q2 - width * u;
        moved.p1 = c.p2 - width * u;
    }
    return moved;
}

ShoulderCorners PlaneBDistanceChanged(const ShoulderCorners& c, double distance, double measuredLength,
                                      bool fromStart) {
    const ZedPoint u = UnitFrom(c.q1, c.q2);
    const ZedPoint shift = (fromStart ? 1.0 : -1.0) * (distance - measuredLength) * u;
    return ShoulderCorners{c.p1 + shift, c.q1 + shift, c.q2 + shift, c.p2 + shift};
}
