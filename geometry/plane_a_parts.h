// What the build and the rebuild of plan pattern A share: the settings read as
// sizes, and the shoulder as the memory keeps it.
#ifndef LEDGEWRIGHT_GEOMETRY_PLANE_A_PARTS_H
#define LEDGEWRIGHT_GEOMETRY_PLANE_A_PARTS_H

#include <vector>

#include "geometry/shoulder_memory.h"
#include "geometry/tab_placement.h"
#include "geometry/unfinished_change.h"
#include "host/zedlib.h"

// The shared sizes and pattern A's thresholds from ShoulderSettings.
PlaneASizes PlaneASizesFromSettings();

// The corners of a remembered shoulder, from the records of its three sides.
ShoulderCorners CornersOf(const ShoulderMemory& memory);

// The ends of the line the shoulder stands on: the tail and head pieces' ends
// away from the shoulder, whichever way round the pieces are stored.
ZedPoint BaseLineStart(const ShoulderMemory& m);
ZedPoint BaseLineEnd(const ShoulderMemory& m);

// Puts an element and its record into a piece of the shoulder memory.
void RememberPiece(ShoulderPiece& piece, ZedId instance, ZedId element, const ZedFigure& record);

// Remembers the three sides at the corners, as line records.
void RememberSides(ZedId instance, ZedId first, ZedId inner, ZedId second, const ShoulderCorners& corners);

// A shoulder that took the whole line has no tail or head piece: element 0,
// and a record with both points at the base corner.
void RememberNoEndPieces(ZedId instance, const ShoulderCorners& corners);

// Whether a remembered shoulder took the whole line.
bool IsFullLine(const ShoulderMemory& memory);

// Deletes (reads) an element that a host lookup named. A failed lookup (-1)
// is reported as the deletion's (reading's) failure without asking the host
// about no element.
bool DeleteFoundElement(ZedId element, const ZedChar* failure);
bool ReadFoundFigure(const ZedFigRef& element, ZedFigure& figure, const ZedChar* failure);

// A change of the shoulder to a typed value, worked out from the shoulder as
// the change found it (Unfinished().before): where the corners go, the line's
// pieces from S to E as the change leaves them (for the soundness rule), and
// the steps that make it. A value that cannot be taken has a refusal message
// and no steps.
struct PlaneAChange {
    const ZedChar* refusal = nullptr;
    ShoulderCorners target{};
    std::vector<ZedFigure> pieces;
    std::vector<ChangeStep> steps;
};

// The depth change (edit mode 1) and the width change (edit mode 2, in its own
// file).
PlaneAChange PlanPlaneADepth();
PlaneAChange PlanPlaneAWidth();

// What the width change reads before its first step: the first side's line
// attributes and the outline's layer, into the unfinished change.
bool ReadPlaneAWidthContext();

// The last step of every change, once the sides stand at the new corners: the
// two dimensions, the cut line and the hole follow, and the shoulder is tagged
// again.
bool FollowPlaneACorners(const ShoulderCorners& corners);

#endif  // LEDGEWRIGHT_GEOMETRY_PLANE_A_PARTS_H
