// The ends of a line or arc record known by where they lie. An outline's lines
// and arcs may be stored either way round (joined end to end), so after a
// divide the end of a piece that lies at the division point may be its start
// or its end, and an element's stored start may be where the chain leaves it.
#ifndef LEDGEWRIGHT_GEOMETRY_LINE_ENDS_H
#define LEDGEWRIGHT_GEOMETRY_LINE_ENDS_H

#include <cmath>

#include "geometry/figure_record.h"
#include "geometry/vec2.h"

// Within 1/10^6 in both coordinates.
inline bool PointsCoincide(ZedPoint a, ZedPoint b) {
    return std::fabs(a.x - b.x) < 1e-6 && std::fabs(a.y - b.y) < 1e-6;
}

// Moves the end of the line that lies at `at` to `to`: whichever of its start
// and end is nearer `at`.
inline void MoveLineEndAt(ZedFigure& line, ZedPoint at, ZedPoint to) {
    if (Distance(LineEnd(line), at) < Distance(LineStart(line), at)) {
        SetLineEnd(line, to);
    } else {
        SetLineStart(line, to);
    }
}

// The line with its end at `at` moved to `to`, as a new record.
inline ZedFigure WithLineEndMoved(ZedFigure line, ZedPoint at, ZedPoint to) {
    MoveLineEndAt(line, at, to);
    return line;
}

// The end of the line away from `at`: the one of its start and end that lies
// farther from it.
inline ZedPoint LineEndAwayFrom(const ZedFigure& line, ZedPoint at) {
    return Distance(LineEnd(line), at) < Distance(LineStart(line), at) ? LineStart(line) : LineEnd(line);
}

// The record of the same element written the other way round: a line's ends
// swapped; an arc's first and second point swapped and its direction flag
// turned. Every other field stays, so turning twice gives the record back.
inline ZedFigure TurnedRound(const ZedFigure& f) {
    ZedFigure turned = f;
    if (IsLineKind(f.kind)) {
        SetLineStart(turned, LineEnd(f));
        SetLineEnd(turned, LineStart(f));
    } else if (IsArcKind(f.kind)) {
        SetArcStart(turned, ArcEnd(f));
        SetArcEnd(turned, ArcStart(f));
        const int32_t flag = ArcDirection(f);
        SetArcDirection(turned, flag == ZED_ARC_CW ? ZED_ARC_CCW : flag == ZED_ARC_CCW ? ZED_ARC_CW : flag);
    }
    return turned;
}

#endif  // LEDGEWRIGHT_GEOMETRY_LINE_ENDS_H
