// A shoulder as the shoulder memory keeps it: its corners and the line it
// stands on, read from the records of its pieces, and the remembering of its
// pieces as a builder makes them.
#ifndef LEDGEWRIGHT_GEOMETRY_REMEMBERED_SHOULDER_H
#define LEDGEWRIGHT_GEOMETRY_REMEMBERED_SHOULDER_H

#include "geometry/shoulder_memory.h"
#include "geometry/tab_placement.h"
#include "host/zedlib.h"

// The corners of a remembered shoulder, from the records of its three sides.
ShoulderCorners CornersOf(const ShoulderMemory& memory);

// The ends of the line the shoulder stands on: the tail and head pieces' ends
// away from the shoulder, whichever way round the pieces are stored.
ZedPoint BaseLineStart(const ShoulderMemory& m);
ZedPoint BaseLineEnd(const ShoulderMemory& m);

// Whether the remembered shoulder's distance is measured from S (the tail
// piece) rather than from E (the head piece).
bool MeasuredFromStart(const ShoulderMemory& memory);

// Puts an element and its record into a piece of the shoulder memory.
void RememberPiece(ShoulderPiece& piece, ZedId instance, ZedId element, const ZedFigure& record);

// Remembers the three sides at the corners, as line records.
void RememberSides(ZedId instance, ZedId first, ZedId inner, ZedId second, const ShoulderCorners& corners);

// A shoulder that took the whole line has no tail or head piece: element 0,
// and a record with both points at the base corner.
void RememberNoEndPieces(ZedId instance, const ShoulderCorners& corners);

// Whether a remembered shoulder took the whole line.
bool IsFullLine(const ShoulderMemory& memory);

// Deletes (reads) an element that a host lookup named. A failed lookup (-1)
// is reported as the deletion's (reading's) failure without asking the host
// about no element.
bool DeleteFoundElement(ZedId element, const ZedChar* failure);
bool ReadFoundFigure(const ZedFigRef& element, ZedFigure& figure, const ZedChar* failure);

// The three dimensions of a tab placed at a distance from one end of its line
// (plan pattern B, side pattern C), each in a segment of its own: the first
// and the inner side at `offset`, referring to `first` and `inner`, and the
// distance from the measured end of the line to the tab at `distanceOffset`.
bool MakeMeasuredTabDimensions(const ShoulderCorners& c, const ZedFigRef& first, const ZedFigRef& inner, double offset,
                               double distanceOffset);

#endif  // LEDGEWRIGHT_GEOMETRY_REMEMBERED_SHOULDER_H
