// The MC hole: a round hole made from the MC hole master at a centre point,
// and the changes made to it while its shoulder is being edited.
#ifndef LEDGEWRIGHT_HOLES_MC_HOLE_H
#define LEDGEWRIGHT_HOLES_MC_HOLE_H

#include "base/pattern.h"
#include "host/zedlib.h"

// Makes an MC hole of twice the radius across at the centre, on the hole layer
// of the pattern for the outline's layer, drilled from the pattern's
// side, as deep as the shoulder is high. It becomes the current hole. A hole
// the host refuses is reported, leaves the current hole -1 and still counts as
// success; a layer or master-file problem fails.
bool CreateMcHole(ZedId outlineSegment, ZedPoint centre, double radius, Pattern pattern);

// Makes the shoulder's MC hole again at the centre, with the depth and
// drilling side it was made or last changed with (HoleState), not the
// settings' own: after the old hole was deleted, or when the host refused it.
// Reports and succeeds as CreateMcHole does.
bool RemakeMcHole(ZedId outlineSegment, ZedPoint centre, double radius, Pattern pattern);

// The shoulder's MC hole follows a change of the shoulder: it takes the new
// radius in place, or moves to the new centre (centreMoved); when the shoulder
// has no hole (the host refused it), it is made at the centre instead, so that
// a change never depends on a hole that is not there.
bool FitMcHole(ZedId outlineSegment, ZedPoint centre, double radius, Pattern pattern, bool centreMoved);

// Change the current hole in place. A depth that is set becomes the one a
// hole made again takes.
bool SetMcHoleDiameter(double radius);
bool SetMcHoleDepth(double depth);

// Deletes the current hole and makes it again at the same centre with the same
// layer, diameter, flag byte and depth, drilled from the given side, which a
// hole made later keeps too.
bool RebuildMcHole(int drillingSide);

// Resizes the current hole, deletes it and makes a new MC hole at the new
// centre, over the outline of the last line pick, with the depth and side the
// old one had.
bool MoveMcHole(ZedPoint centre, double radius, Pattern pattern);

// The centre of the first circle among the figures of a hole's segment.
bool FindHoleCentre(const ZedSgmRef& holeSegment, ZedPoint& centre);

#endif  // LEDGEWRIGHT_HOLES_MC_HOLE_H
