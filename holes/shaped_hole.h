// The shaped hole: an oblong hole made from the shaped-hole master over an
// outline that the plug-in draws first, two straight sides and a semicircular
// end about each of two centres. The legacy build leaves out its definitions;
// callers reach it only under build_profile::kShapedHoles.
#ifndef LEDGEWRIGHT_HOLES_SHAPED_HOLE_H
#define LEDGEWRIGHT_HOLES_SHAPED_HOLE_H

#include "base/build_profile.h"
#include "base/pattern.h"
#include "holes/hole_state.h"
#include "host/zedlib.h"

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
                      Pattern pattern);

// Deletes the current hole and its outline and makes both again from the
// shaped-hole memory; when there is no current hole (the host refused it), the
// outline left from that attempt goes and both are made. False without a
// message when the memory holds no hole to make.
bool RebuildShapedHole();

// Moves the memory's centres and half-width to the shoulder's new size and
// makes the hole again.
bool RebuildShapedHoleAt(ZedPoint centreB, ZedPoint centreA, double halfWidth);

#endif  // LEDGEWRIGHT_HOLES_SHAPED_HOLE_H
