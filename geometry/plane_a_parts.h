// What the build and the rebuild of plan pattern A share: the settings read as
// sizes, and the shoulder as the memory keeps it.
#ifndef LEDGEWRIGHT_GEOMETRY_PLANE_A_PARTS_H
#define LEDGEWRIGHT_GEOMETRY_PLANE_A_PARTS_H

#include "geometry/plane_a_placement.h"
#include "geometry/shoulder_memory.h"
#include "host/zedlib.h"

// The shared sizes and pattern A's thresholds from ShoulderSettings.
PlaneASizes PlaneASizesFromSettings();

// The hole's clearance h: PA_HoleWidth read as a number.
double PlaneAHoleClearance();

// The keyword that selects pattern A's hole settings and note texts.
inline constexpr const ZedChar kPlaneAKeyword[] = ZED_TEXT("PlaneA");

// The corners of the remembered shoulder, from the records of its three sides.
ShoulderCorners RememberedCorners();

// Puts an element and its record into a piece of the shoulder memory.
void RememberPiece(ShoulderPiece& piece, ZedId instance, ZedId element, const ZedFigure& record);

// Remembers the three sides at the corners, as line records.
void RememberSides(ZedId instance, ZedId first, ZedId inner, ZedId second, const ShoulderCorners& corners);

// A shoulder that took the whole line has no tail or head piece: element 0,
// and a record with both points at the base corner.
void RememberNoEndPieces(ZedId instance, const ShoulderCorners& corners);

// Whether the remembered shoulder took the whole line.
bool RememberedAsFullLine();

// Deletes (reads) an element that a host lookup named. A failed lookup (-1)
// is reported as the deletion's (reading's) failure without asking the host
// about no element.
bool DeleteFoundElement(ZedId element, const ZedChar* failure);
bool ReadFoundFigure(const ZedFigRef& element, ZedFigure& figure, const ZedChar* failure);

// The rebuild by width (edit mode 2), in its own file.
bool RebuildPlaneAWidth(double width);

// After the sides have moved to new corners: the two dimensions, the cut line
// and the hole follow, and the shoulder is tagged again.
bool FollowPlaneACorners(const ShoulderCorners& corners);

#endif  // LEDGEWRIGHT_GEOMETRY_PLANE_A_PARTS_H
