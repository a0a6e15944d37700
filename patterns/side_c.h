// Side pattern C ("[패턴C] 끝단오목배치"): a rectangular recess, mMainWidth wide
// and mMainProtrude deep, cut into a straight line of a closed side-view
// outline near the end the user picked closer to, with three temporary
// dimensions: depth (slot 7), width (slot 6) and distance from that end
// (slot 5).
#ifndef LEDGEWRIGHT_PATTERNS_SIDE_C_H
#define LEDGEWRIGHT_PATTERNS_SIDE_C_H

#include "host/zedlib.h"

// Cuts the recess into the picked line (element) of the closed outline
// (segment) near the picked point. True when the recess and its three
// dimensions exist; false after the failure has been reported. A recess whose
// mouth would reach the far end of the line, or that would break the outline,
// is refused before anything changes.
bool BuildSideC(ZedPoint picked, ZedId element, ZedId segment, ZedId instance);

// Reshapes the last recess to the typed value: depth (edit mode 1), width (2)
// or distance from the measured end (3); any other edit mode only tags the
// shoulder again. A refused value changes nothing; a change the host refused
// part-way is carried on by a retry.
bool RebuildSideC(int editMode, double value);

#endif  // LEDGEWRIGHT_PATTERNS_SIDE_C_H
