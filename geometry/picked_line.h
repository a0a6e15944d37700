// The picked line of a closed outline as the plan builders read it before they
// change anything: its figure and its neighbours', its record in the outline
// list, and which way out of the plate a shoulder on it stands.
#ifndef LEDGEWRIGHT_GEOMETRY_PICKED_LINE_H
#define LEDGEWRIGHT_GEOMETRY_PICKED_LINE_H

#include "geometry/outline.h"
#include "geometry/plane_a_placement.h"
#include "host/zedlib.h"

struct PickedLine {
    ZedFigRef ref{};
    ZedId segment = -1;    // the closed outline
    ZedFigure previous{};  // the neighbours as ZedFigGetFigure gives them,
    ZedFigure next{};      // corners with kinds 7 and 8
    ZedPoint s{};  // the line's start and end as its outline list holds them
    ZedPoint e{};
    int colour = 0;  // from the short line attributes
    ZedLineType2 attributes{};
    ZedId layer = -1;
};

enum class Neighbour { Previous, Next };

// The element before (after) the given one, or the segment's tail (head) when
// the element starts (ends) the chain: the outline is closed.
ZedId WrappedNeighbour(ZedId element, ZedId segment, Neighbour which);

// The picked element's figure, segment and both neighbours' figures; reports
// "(21)" on failure.
bool ReadPickedElement(PickedLine& line);

// The picked line's record and its neighbours' in the outline list, which is
// read once into `at` and kept for the in/out test and the room check;
// reports "(22)" on failure or when the element is not a line.
bool ReadOutlineRecords(PickedLine& line, LocatedElement& at);

// Which way the shoulder stands out: the host's in/out test of a point just
// left of the line beside m. A test the host cannot answer would put the
// shoulder on a guessed side, so it fails like an unreadable outline.
bool FindSide(const PickedLine& line, const OutlineList& outline, ZedPoint m, PlaneASide& side);

#endif  // LEDGEWRIGHT_GEOMETRY_PICKED_LINE_H
