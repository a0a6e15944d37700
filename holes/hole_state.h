// What the plug-in remembers of the hole it made last: the host's hole id, and
// for a shaped hole everything needed to draw its outline and make it again.
// The hole's segment lives in the shoulder memory (Shoulder().holeSegment),
// since the shoulder's tag records it.
#ifndef LEDGEWRIGHT_HOLES_HOLE_STATE_H
#define LEDGEWRIGHT_HOLES_HOLE_STATE_H

#include "host/zedlib.h"

// The older host release cannot make a hole over an outline: the legacy build
// has no shaped hole at all, and this switch drops its code.
#if ZED_LEGACY
#define LEDGEWRIGHT_SHAPED_HOLES 0
#else
#define LEDGEWRIGHT_SHAPED_HOLES 1
#endif

#if LEDGEWRIGHT_SHAPED_HOLES
// Written when a shaped hole is made and read when it is made again. The
// builders overwrite the centres and the half-width when the shoulder changes
// size; the drilling-side toggle and the depth entry overwrite the flag and the
// depth.
struct ShapedHoleMemory {
    ZedSgmRef outline{1, -1};  // the outline the hole was made over
    ZedId layer = 0;
    ZedPoint centreB{0.0, 0.0};
    ZedPoint centreA{0.0, 0.0};
    double halfWidth = 0.0;
    int fromBelow = 0;
    double depth = 0.0;
};
#endif

struct HoleState {
    // The host's id of the hole made last; -1 after a failed creation or once
    // that hole has been deleted. Every amend, rebuild and move works on it.
    ZedId currentHole = -1;
#if LEDGEWRIGHT_SHAPED_HOLES
    ShapedHoleMemory shaped;
#endif
};

HoleState& Holes();

// Back to the state at load (tests).
void ResetHoleState();

// Makes the hole the current hole and, when the host names its segments, the
// first of them the hole segment; otherwise the hole segment stays as it was.
// False when the segments could not be read.
bool AdoptHole(ZedId hole);

// The hole's first segment reference (the host gives up to 20).
bool FirstHoleSegment(ZedId hole, ZedSgmRef& first);

// After the current hole's segment was deleted: the hole id and the segment id
// name nothing any more and are dropped, so that no later call reaches
// whatever the host may give those ids next.
void ForgetDeletedHole(ZedId deletedSegment);

// Marks the shoulder again so that its tag names the new hole segment: the
// shoulder memory's first side gives the segment of the outline.
void TagShoulderWithHole();

#endif  // LEDGEWRIGHT_HOLES_HOLE_STATE_H
