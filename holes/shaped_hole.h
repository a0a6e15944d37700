// The shaped hole: an oblong hole made from the shaped-hole master over an
// outline that the plug-in draws first, two straight sides and a semicircular
// end about each of two centres. The legacy build leaves out its definitions;
// callers reach it only under build_profile::kShapedHoles.
#ifndef LEDGEWRIGHT_HOLES_SHAPED_HOLE_H
#define LEDGEWRIGHT_HOLES_SHAPED_HOLE_H

#include "command/build_profile.h"
#include "host/zedlib.h"

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

// The shaped-hole memory (defined with the shaped hole, so the legacy build
// has none).
ShapedHoleMemory& LastShapedHole();

// Draws in a new figure segment the closed clockwise loop round the centres B
// and A at the half-width r: the line beside B to beside A on the left of B→A,
// the end about A, the line back on the right, the end about B. segment
// receives the new segment (-1 when the host gave none), also when a later step
// fails; false when any step fails.
bool ShapedHoleOutline(ZedPoint centreB, ZedPoint centreA, double halfWidth, ZedId& segment);

// Draws the outline and makes the hole over it on the pattern's hole layer,
// drilled from the pattern's side, as deep as the shoulder is high; the hole
// becomes the current hole and its outline, centres and fields go into the
// shaped-hole memory. A hole the host refuses is reported and still counts as
// success; a layer or master-file problem fails.
bool CreateShapedHole(ZedId outlineSegment, ZedPoint centreB, ZedPoint centreA, double halfWidth,
                      const ZedString& keyword);

// Deletes the current hole and its outline and makes both again from the
// shaped-hole memory; when there is no current hole (the host refused it), the
// outline left from that attempt goes and both are made. False without a
// message when the memory holds no hole to make.
bool RebuildShapedHole();

// Moves the memory's centres and half-width to the shoulder's new size and
// makes the hole again.
bool RebuildShapedHoleAt(ZedPoint centreB, ZedPoint centreA, double halfWidth);

#endif  // LEDGEWRIGHT_HOLES_SHAPED_HOLE_H
