// Outline lists and the lookup of an element's record, and its neighbours'
// records, in its outline.
#ifndef LEDGEWRIGHT_GEOMETRY_OUTLINE_H
#define LEDGEWRIGHT_GEOMETRY_OUTLINE_H

#include <vector>

#include "host/zedlib.h"

// How many records an outline list is read with.
inline constexpr int kOutlineCapacity = 1000;

// The figure records of one segment in outline order.
using OutlineList = std::vector<ZedFigure>;

// Reads the outline list of (instance, segment) with the given capacity; false
// when the host refuses.
bool ReadOutlineList(ZedId instance, ZedId segment, OutlineList& list, int capacity = kOutlineCapacity);

// The first index of the list whose record matches the figure, -1 if none:
// a line (or chamfer) matches a list line it lies on, an arc (or fillet) a
// list arc with the same centre, points and radius, another curve one with
// the same first eight values; every difference below 1e-6.
int FindOutlineIndex(const OutlineList& list, int count, const ZedFigure& figure);

// The record of the element as its outline list holds it, and of the records
// before and after it (wrapping at both ends). False when anything cannot be
// read or matched.
bool GetOutlineRecord(const ZedFigRef& element, ZedFigure& record);
bool GetPreviousOutlineRecord(const ZedFigRef& element, ZedFigure& record);
bool GetNextOutlineRecord(const ZedFigRef& element, ZedFigure& record);

#endif  // LEDGEWRIGHT_GEOMETRY_OUTLINE_H
