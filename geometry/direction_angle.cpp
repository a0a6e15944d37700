#include "geometry/direction_angle.h"

#include <cmath>

#include "geometry/vec2.h"

double DirectionAngle(ZedPoint p, ZedPoint q) {
    const double pi = Pi();
    if (p.x == q.x) {
        if (p.y == q.y) {
            return 0.0;
        }
        return p.y > q.y ? 3.0 * pi / 2.0 : pi / 2.0;
    }
    const double a = std::atan((q.y - p.y) / (q.x - p.x));
    double angle = a;
    if (p.x > q.x) {
        angle = a + pi;
    } else if (a < 0.0) {
        angle = a + 2.0 * pi;
    }
    // a + 2π can round up to 2π itself for a tiny negative a: keep the range.
    return angle >= 2.0 * pi ? 0.0 : angle;
}
