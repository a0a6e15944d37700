// The ends of a line record known by where they lie. An outline's lines may
// be stored either way round (joined end to end), so after a divide the end of
// a piece that lies at the division point may be its start or its end.
#ifndef LEDGEWRIGHT_GEOMETRY_LINE_ENDS_H
#define LEDGEWRIGHT_GEOMETRY_LINE_ENDS_H

#include <cmath>

#include "geometry/figure_record.h"

// Within 1/10^6 in both coordinates.
inline bool PointsCoincide(ZedPoint a, ZedPoint b) {
    return std::fabs(a.x - b.x) < 1e-6 && std::fabs(a.y - b.y) < 1e-6;
}

// Moves the end of the line that lies at `at` to `to`: its end when the end
// lies there, otherwise its start.
inline void MoveLineEndAt(ZedFigure& line, ZedPoint at, ZedPoint to) {
    if (PointsCoincide(LineEnd(line), at)) {
        SetLineEnd(line, to);
    } else {
        SetLineStart(line, to);
    }
}

// The end of the line away from `at`: its start when its end lies at `at`,
// otherwise its end.
inline ZedPoint LineEndAwayFrom(const ZedFigure& line, ZedPoint at) {
    return PointsCoincide(LineEnd(line), at) ? LineStart(line) : LineEnd(line);
}

#endif  // LEDGEWRIGHT_GEOMETRY_LINE_ENDS_H
