#ifndef LEDGEWRIGHT_GEOMETRY_LENGTH_DIMENSION_H
#define LEDGEWRIGHT_GEOMETRY_LENGTH_DIMENSION_H

#include "host/zedlib.h"

// A point of a length dimension and the element it belongs to.
struct DimensionAnchor {
    ZedPoint point;
    ZedFigRef element;  // instance, element
};

// Makes a temporary length dimension from first to second, its line offset by
// the signed distance, in the given dimension segment (made by the caller with
// ZedSgmCreateSegment(1, 0)). The id goes into the slot of the temporary
// element table, -1 included; on failure "치수작성에러." is reported.
bool CreateLengthDimension(const DimensionAnchor& first, const DimensionAnchor& second, double offset, int slot,
                           ZedId segment);

// The same in a dimension segment of its own, made here; a segment the host
// refuses fails without a message.
bool MakeDimensionInOwnSegment(const DimensionAnchor& first, const DimensionAnchor& second, double offset, int slot);

// Moves a temporary length dimension to new points; false when it cannot be
// read (readMessage) or written back (amendMessage).
bool MoveLengthDimension(ZedId element, ZedPoint first, ZedPoint second, const ZedChar* readMessage,
                         const ZedChar* amendMessage);

#endif  // LEDGEWRIGHT_GEOMETRY_LENGTH_DIMENSION_H
