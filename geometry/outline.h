// Outline lists and the lookup of an element's record, and its neighbours'
// records, in its outline.
#ifndef LEDGEWRIGHT_GEOMETRY_OUTLINE_H
#define LEDGEWRIGHT_GEOMETRY_OUTLINE_H

#include <vector>

#include "host/zedlib.h"

// How many records an outline list is read with at least; a longer outline is
// read at its own size.
inline constexpr int kOutlineCapacity = 1000;

// The figure records of one segment in outline order.
using OutlineList = std::vector<ZedFigure>;

// Reads the outline list of (instance, segment), starting with the given
// capacity (never below kOutlineCapacity) and reading again with a larger one
// while the host fills the buffer; false when the host refuses. A list kept
// from one read to the next is written by the host in place, without a copy.
bool ReadOutlineList(ZedId instance, ZedId segment, OutlineList& list, int capacity = kOutlineCapacity);

// The first index of the list whose record matches the figure, -1 if none:
// a line (or chamfer) matches a list line it lies on, an arc (or fillet) a
// list arc with the same centre, points and radius, another curve one with
// the same first eight values; every difference below 1e-6.
int FindOutlineIndex(const OutlineList& list, int count, const ZedFigure& figure);

// An element's outline list, read once, and where the element sits in it, so
// that one operation can look up the element's record, its neighbours' and
// ask the in/out test without reading the outline again.
struct LocatedElement {
    OutlineList list;
    int elements = 0;    // the segment's element count
    int order = 0;       // ZedElmGetElementOrder, when the list is in element order
    int matched = -1;    // FindOutlineIndex, otherwise
    bool byOrder = false;
};

// Reads the element's segment, its element count and its outline list (at the
// outline's own size) and finds the element in it. False when the host refuses.
bool LocateInOutline(const ZedFigRef& element, LocatedElement& at);

// The located element's record, and the records before and after it (wrapping
// at both ends). False when the element could not be matched.
bool OwnRecord(const LocatedElement& at, ZedFigure& record);
bool PreviousRecord(const LocatedElement& at, ZedFigure& record);
bool NextRecord(const LocatedElement& at, ZedFigure& record);

// The same lookups for one element, each reading the outline afresh. False
// when anything cannot be read or matched.
bool GetOutlineRecord(const ZedFigRef& element, ZedFigure& record);
bool GetPreviousOutlineRecord(const ZedFigRef& element, ZedFigure& record);
bool GetNextOutlineRecord(const ZedFigRef& element, ZedFigure& record);

#endif  // LEDGEWRIGHT_GEOMETRY_OUTLINE_H
