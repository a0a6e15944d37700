// Joining an outline again across the gap that a deleted shoulder leaves
// between the element before it (b) and the element after it (c), so that the
// edge runs where it ran before the shoulder was cut: one way for each case,
// each with its own numbered messages.
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
    // The element that runs along the edge once the join is made: b, c or
    // the line that bridges the gap; -1 when none does.
    ZedId edge = -1;
};

// The edge ran from b's end to c's start (the gap). Each way below joins the
// two again along it; true on success, false after reporting the numbered
// failure.

// b and c both run on along the gap: c takes over the whole edge from b's
// start, and b goes.
bool RejoinCollinearLines(Rejoin& r);
// The same, the other way round, for a b that another shoulder lists and
// that must stay: b takes over the whole edge to c's end, and c goes.
bool RejoinCollinearKeepingB(Rejoin& r);
// b alone runs on along the gap: its end moves to c's start.
bool RejoinByB(Rejoin& r);
// c alone runs on along the gap: its start moves to b's end.
bool RejoinByC(Rejoin& r);
// Neither runs on along it (a shoulder that took a whole edge between two
// other elements): the edge comes back as a line of its own, with b's line
// attributes.
bool RejoinByLine(Rejoin& r);

// Whether the element is a line that runs on along the gap, in the direction
// from b's end to c's start (directions compared round the circle).
bool RunsAlongGap(const ZedFigure& figure, const Rejoin& r);

#endif  // LEDGEWRIGHT_TAGGING_REJOIN_H
