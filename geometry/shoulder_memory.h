// The shoulder memory: the last shoulder built by any pattern, so that it can
// be rebuilt after the user types a new value, its hole re-made and the
// shoulder tagged for Delete.
#ifndef LEDGEWRIGHT_GEOMETRY_SHOULDER_MEMORY_H
#define LEDGEWRIGHT_GEOMETRY_SHOULDER_MEMORY_H

#include "host/zedlib.h"

// One element of the shoulder: how the host names it and its figure as the
// build made or last amended it.
struct ShoulderPiece {
    ZedFigRef ref{0, -1};
    ZedFigure record{};
};

struct ShoulderMemory {
    // A three-element shoulder, in outline order: the piece of the picked line
    // before the shoulder, the side out of the line, the side parallel to it,
    // the side back to the line, and the piece after. Patterns that replace the
    // whole line keep element 0 in the tail and head references.
    ShoulderPiece tail;
    ShoulderPiece firstSide;
    ShoulderPiece innerSide;
    ShoulderPiece secondSide;
    ShoulderPiece head;

    // The outline's neighbours beyond the tail and head pieces, for the
    // patterns that move them too (0 in the element half when unused).
    ShoulderPiece beforeTail;
    ShoulderPiece afterHead;

    // The piece (tail or head) that a distance dimension measures, for the
    // patterns that show one, or the piece of the picked line left beside a
    // side step; element -1 otherwise.
    ZedFigRef measured{0, -1};

    // Side pattern B's display part, a line beside the picked line, and the
    // direction the step stood out to when it was built (the display part
    // stands off the line against it, whatever offset is typed later).
    ShoulderPiece display;
    ZedPoint stepNormal{0.0, 0.0};

    // The cut line along the shoulder's root, instance 0.
    ZedFigRef cutLine{0, -1};

    // The segments of the shoulder's separate parts, recorded on the shoulder
    // by the tagging; -1 when absent. The hole segment is the current hole's.
    ZedId holeSegment = -1;
    ZedId cutLineSegment = -1;
    ZedId fourthSegment = -1;  // no pattern makes this part
    ZedId slotSegment = -1;
    ZedId displaySegment = -1;

    // What the last tagging of this shoulder wrote: its segment and element
    // list, by which a later tagging finds the shoulder's own entry among the
    // segment's shoulders even when a change gave it new elements. Segment -1
    // until the shoulder is first tagged.
    ZedId taggedSegment = -1;
    ZedId taggedElements[3] = {-1, -1, -1};
};

ShoulderMemory& Shoulder();

// A raised chain's shoulder (plan patterns C and D): the picked line's ends
// S, E and the raised corners S', E' of the remembered sides.
struct RaisedCorners {
    ZedPoint s{};
    ZedPoint sRaised{};
    ZedPoint eRaised{};
    ZedPoint e{};
};
RaisedCorners RaisedCornersOf(const ShoulderMemory& memory);

// Forgetting the shoulder, which also drops a change left unfinished on it, is
// geometry/unfinished_change.h's ForgetShoulder.

#endif  // LEDGEWRIGHT_GEOMETRY_SHOULDER_MEMORY_H
