// The angular span of an arc record, for drawing it and for its extent.
#ifndef LEDGEWRIGHT_RUNNER_ARC_GEOMETRY_H
#define LEDGEWRIGHT_RUNNER_ARC_GEOMETRY_H

#include "host/zedlib.h"

namespace runner {

struct ArcSpan {
    double start = 0.0;  // angle of the start point about the centre, radians
    double sweep = 0.0;  // signed: above 0 counter-clockwise, below 0 clockwise; |sweep| in (0, 2π]
};

// The span of an arc (kind 3 or 7) from its start to its end in the direction
// of its flag (1 clockwise, anything else counter-clockwise). An arc whose end
// is its start is a whole turn.
ArcSpan ArcSpanOf(const ZedFigure& arc);

// True when the direction at `angle` about the centre lies on the span.
bool SpanContains(const ArcSpan& span, double angle);

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_ARC_GEOMETRY_H
