#include "tagging/shoulder_shape.h"

#include <cmath>

#include "geometry/figure_record.h"
#include "geometry/line_ends.h"
#include "geometry/vec2.h"

namespace {

constexpr double kTolerance = 1.0 / 1e6;

bool Near(ZedPoint p, ZedPoint q) { return Distance(p, q) <= kTolerance; }

// The end of the line that lies at `at` and the other one; false unless
// exactly one of its ends lies there.
bool EndsFrom(const ZedFigure& line, ZedPoint at, ZedPoint& other) {
    const bool atStart = Near(LineStart(line), at);
    const bool atEnd = Near(LineEnd(line), at);
    if (atStart == atEnd) {
        return false;
    }
    other = atStart ? LineEnd(line) : LineStart(line);
    return true;
}

// Where the first line meets the second: the end of the first that lies on
// exactly one end of the second.
bool Joint(const ZedFigure& first, const ZedFigure& second, ZedPoint& joint, ZedPoint& firstFar) {
    int found = 0;
    for (const ZedPoint end : {LineStart(first), LineEnd(first)}) {
        ZedPoint ignored{};
        if (EndsFrom(second, end, ignored)) {
            joint = end;
            ++found;
        }
    }
    if (found != 1) {
        return false;
    }
    return EndsFrom(first, joint, firstFar);
}

}  // namespace

bool ShoulderRootOf(const std::vector<ZedFigure>& sides, ShoulderRoot& root) {
    if (sides.size() != 3) {
        return false;
    }
    for (const ZedFigure& side : sides) {
        if (side.kind != ZED_FIG_LINE) {
            return false;
        }
    }
    ZedPoint p{}, a{}, b{}, q{};
    if (!Joint(sides[0], sides[1], a, p) || !EndsFrom(sides[1], a, b) || !EndsFrom(sides[2], b, q)) {
        return false;
    }
    const ZedPoint rootLine = q - p;
    const ZedPoint rise = a - p;
    const double length = Length(rootLine);
    if (length <= kTolerance || Length(rise) <= kTolerance || Distance(rise, b - q) > kTolerance) {
        return false;
    }
    const double along = (rise.x * rootLine.x + rise.y * rootLine.y) / length;
    if (std::fabs(along) > kTolerance) {
        return false;
    }
    root = ShoulderRoot{p, q};
    return true;
}
