// The cut line: one straight line across the base of a shoulder, where the
// plate's edge ran before, in a segment of its own.
#ifndef LEDGEWRIGHT_HOLES_CUT_LINE_H
#define LEDGEWRIGHT_HOLES_CUT_LINE_H

#include "host/zedlib.h"

// Draws the cut line from start to end on the layer with the colour and line
// type, and remembers it (reference and segment) in the shoulder memory.
bool CreateCutLine(ZedPoint start, ZedPoint end, ZedId layer, int colour, int lineType);

// The cut line in a pattern's style: the picked line's colour, solid, when
// ownStyle is 0, otherwise the pattern's own colour and line type.
struct CutLineStyle {
    int ownStyle = 0;
    int colour = 0;
    int lineType = 0;
};
bool CreateStyledCutLine(ZedPoint start, ZedPoint end, ZedId layer, int pickedColour, const CutLineStyle& style);

// Moves the remembered cut line to new base points.
bool MoveCutLine(ZedPoint start, ZedPoint end);

#endif  // LEDGEWRIGHT_HOLES_CUT_LINE_H
