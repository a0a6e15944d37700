// The two leader notes beside a hole: the drilling-side note ("상면" top face,
// "하면" bottom face) and the depth note ("깊이:" and the depth with one
// decimal). Each lives in a note segment of its own; its id goes into a slot
// of the temporary element table.
#ifndef LEDGEWRIGHT_HOLES_HOLE_NOTES_H
#define LEDGEWRIGHT_HOLES_HOLE_NOTES_H

#include "base/pattern.h"
#include "host/zedlib.h"

// "하면" for a hole drilled from the bottom face (any side but 0), else "상면".
const ZedChar* DrillingSideText(int drillingSide);

// "깊이:" and the depth with one decimal, rounded as printf's "%.1f" rounds and
// always with "." whatever the process's locale.
ZedString DepthNoteText(double depth);

// Make a note with the arrow at the anchor and the text at the text point and
// put its id into the slot (instance 0), -1 when the host refuses it.
// The drilling-side note's text follows the pattern's drilling side;
// the depth note shows the shoulder height.
bool CreateSideNote(ZedPoint anchor, ZedPoint textPoint, ZedFigRef& slot, Pattern pattern);
bool CreateDepthNote(ZedPoint anchor, ZedPoint textPoint, ZedFigRef& slot);

// Replace the text of a note; the depth note's text is made from the depth.
bool SetNoteText(ZedId note, const ZedString& text);
bool SetDepthNote(ZedId note, double depth);

#endif  // LEDGEWRIGHT_HOLES_HOLE_NOTES_H
