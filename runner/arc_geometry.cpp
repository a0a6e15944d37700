#include "runner/arc_geometry.h"

#include <cmath>
#include <cstring>

namespace runner {

namespace {

constexpr double kTwoPi = 6.283185307179586;
// Below this a span counts as empty, i.e. the arc closes on itself.
constexpr double kTinyAngle = 1e-12;

// An angle brought into [0, 2π).
double Wrapped(double angle) {
    double wrapped = std::fmod(angle, kTwoPi);
    if (wrapped < 0.0) {
        wrapped += kTwoPi;
    }
    return wrapped >= kTwoPi ? 0.0 : wrapped;
}

int32_t DirectionFlag(const ZedFigure& arc) {
    int32_t flag = 0;
    std::memcpy(&flag, reinterpret_cast<const unsigned char*>(&arc) + 64, sizeof flag);
    return flag;
}

}  // namespace

ArcSpan ArcSpanOf(const ZedFigure& arc) {
    const double cx = arc.v[0], cy = arc.v[1];
    const double start = std::atan2(arc.v[3] - cy, arc.v[2] - cx);
    const double end = std::atan2(arc.v[5] - cy, arc.v[4] - cx);
    const bool clockwise = DirectionFlag(arc) == ZED_ARC_CW;
    double magnitude = clockwise ? Wrapped(start - end) : Wrapped(end - start);
    if (magnitude < kTinyAngle) {
        magnitude = kTwoPi;
    }
    return ArcSpan{start, clockwise ? -magnitude : magnitude};
}

bool SpanContains(const ArcSpan& span, double angle) {
    const double along = span.sweep >= 0.0 ? Wrapped(angle - span.start) : Wrapped(span.start - angle);
    return along <= std::fabs(span.sweep);
}

}  // namespace runner
