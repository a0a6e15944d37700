// What the plug-in remembers of the hole it made last: the host's hole id and
// the shaped-hole memory.
// The hole's segment lives in the shoulder memory (Shoulder().holeSegment),
// since the shoulder's tag records it.
#ifndef LEDGEWRIGHT_HOLES_HOLE_STATE_H
#define LEDGEWRIGHT_HOLES_HOLE_STATE_H

#include "host/zedlib.h"

struct HoleState {
    // The host's id of the hole made last; -1 after a failed creation or once
    // that hole has been deleted. Every amend, rebuild and move works on it.
    ZedId currentHole = -1;
    // The depth and drilling side (0 from the top face, 1 from below) the
    // shoulder's MC hole was made or last changed with. They outlive the hole:
    // a hole made again for the same shoulder, after a move or after the host
    // refused it, takes them rather than the settings' defaults.
    double depth = 0.0;
    int fromBelow = 0;
};

HoleState& Holes();

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
    // A shoulder asked for this hole (CreateShapedHole ran), whether or not
    // the host made it: the memory then has a hole to make again.
    bool askedFor = false;
};

// The shaped-hole memory (holes/shaped_hole.h); unused in the legacy build.
ShapedHoleMemory& LastShapedHole();

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
