// Whether a segment that one of a shoulder's part attributes names can really
// be that part. A drawing edited by hand or written by another program may
// carry any number in those attributes (another outline's id, a dimension's
// segment, the outline's own id, numbers of nothing at all), and Delete must
// remove only what is plausibly a part of the picked shoulder. Only what holds
// on any host is asked: what a hole's segment is, and how it is named to the
// host's hole calls, is the host's own choice.
#ifndef LEDGEWRIGHT_TAGGING_PART_CHECK_H
#define LEDGEWRIGHT_TAGGING_PART_CHECK_H

#include <cstdint>
#include <vector>

#include "host/zedlib.h"

// The box round the shoulder's sides.
struct ShoulderExtent {
    double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
};
ShoulderExtent ExtentOf(const std::vector<ZedFigure>& sides);

// A part is never the shoulder's own segment nor another marked shoulder, and
// always a segment whose figures the host lists and that lies by the shoulder
// (its box meets the shoulder's box grown by the box's larger side). Beyond
// that, every part but the hole is a figure segment, as the plug-in makes
// them: the cut line (40273) and the display part (40276) an open one of one
// line, the slot (40275) an open one of an arc, a line and an arc.
bool IsPlausiblePart(const ShoulderExtent& extent, ZedId shoulder, int32_t attribute, ZedId part);

#endif  // LEDGEWRIGHT_TAGGING_PART_CHECK_H
