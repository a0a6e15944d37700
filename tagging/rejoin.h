// Joining an outline again across the gap that a deleted shoulder leaves
// between the element before it (b) and the element after it (c): one way for
// each pair of kinds, each with its own numbered messages.
#ifndef LEDGEWRIGHT_TAGGING_REJOIN_H
#define LEDGEWRIGHT_TAGGING_REJOIN_H

#include "host/zedlib.h"

// One of the two elements the outline is joined between. The element may be
// stored the other way round from its chain (drawings joined end to end hold
// such lines and arcs); the joins work on its record written the chain's way,
// so that b's end and c's start are the ends at the gap, and an amend writes
// the record back the way the host stores it.
struct RejoinEnd {
    ZedFigRef ref{0, -1};
    ZedFigure figure{};  // as the host gives it, turned the chain's way when stored the other way
    ZedFigure listed{};  // as the segment's outline list holds it
    bool storedReversed = false;
};

struct Rejoin {
    ZedId picked = -1;  // the shoulder's segment as picked
    RejoinEnd b;
    RejoinEnd c;
    // The segments of b and c once the shoulder's elements are gone: the same
    // segment when the outline was closed, two when it was open.
    ZedId bSegment = -1;
    ZedId cSegment = -1;
    // Set when joining deleted b (or c) and its segment went with it.
    bool bSegmentGone = false;
    bool cSegmentGone = false;
};

// Each moves b's end and c's start to where they meet and joins the two; true
// on success, false after reporting the numbered failure.
bool RejoinCollinearLines(Rejoin& r);
bool RejoinCrossingLines(Rejoin& r);
// b and c parallel on two different lines (a shoulder that took a whole edge
// between two parallel sides): the edge from b's end to c's start comes back
// as a line of its own, with b's line attributes.
bool RejoinParallelLines(Rejoin& r);
// A line and an arc, or two arcs, that do not meet are bridged the same way:
// a line from b's end to c's start closes the outline again.
bool RejoinLineToArc(Rejoin& r);
bool RejoinArcToLine(Rejoin& r);
bool RejoinArcs(Rejoin& r);

// Whether b and c (both lines) run in the same or the opposite direction.
bool AreCollinearDirections(const ZedFigure& b, const ZedFigure& c);
// Whether c's start lies on b's line (both lines).
bool OnOneLine(const ZedFigure& b, const ZedFigure& c);

#endif  // LEDGEWRIGHT_TAGGING_REJOIN_H
