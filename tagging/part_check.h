// Whether a segment that one of a shoulder's part attributes names can really
// be that part. A drawing edited by hand or written by another program may
// carry any number in those attributes (another outline's id, a dimension's
// segment, the outline's own id, numbers of nothing at all), and Delete must
// remove only what is plausibly a part of the picked shoulder.
#ifndef LEDGEWRIGHT_TAGGING_PART_CHECK_H
#define LEDGEWRIGHT_TAGGING_PART_CHECK_H

#include <cstdint>
#include <span>
#include <vector>

#include "host/zedlib.h"

// Where the shoulder lies: the ends of its listed elements that do lie in the
// picked segment, and the box round them.
struct ShoulderExtent {
    bool known = false;
    std::vector<ZedPoint> ends;
    double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
};
ShoulderExtent ReadShoulderExtent(ZedId instance, ZedId shoulder, std::span<const ZedId> ids);

// A part is never the shoulder's own segment nor another marked shoulder, and
// always a figure segment with elements that lies by the shoulder (its box
// meets the shoulder's box grown by the box's larger side). Beyond that:
// the hole's segment (40272) belongs to a hole and every other part to none;
// the cut line (40273) is an open segment of one line whose two ends are ends
// of the shoulder's elements (its root runs between them).
bool IsPlausiblePart(const ShoulderExtent& extent, ZedId shoulder, int32_t attribute, ZedId part);

#endif  // LEDGEWRIGHT_TAGGING_PART_CHECK_H
