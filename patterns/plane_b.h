// Plan pattern B ("[패턴B] 임의포인트배치"): pattern A's rectangular shoulder,
// centred where the user picked the line (at a whole-number distance from the
// nearer end), with a third temporary dimension (slot 5) from that end to the
// shoulder.
#ifndef LEDGEWRIGHT_PATTERNS_PLANE_B_H
#define LEDGEWRIGHT_PATTERNS_PLANE_B_H

#include "host/zedlib.h"

// Builds the shoulder on the picked line (element) of the closed outline
// (segment) near the picked point. True when the shoulder, its extras and the
// three dimensions exist; false after the failure has been reported. A line
// too short for the shoulder, or a shoulder that would break the outline, is
// refused before anything changes.
bool BuildPlaneB(ZedPoint picked, ZedId element, ZedId segment, ZedId instance);

// Reshapes the last shoulder to the typed value: depth (edit mode 1), width
// (2) or distance from the measured end (3); any other edit mode only tags the
// shoulder again. A refused value changes nothing; a change the host refused
// part-way is carried on by a retry.
bool RebuildPlaneB(int editMode, double value);

#endif  // LEDGEWRIGHT_PATTERNS_PLANE_B_H
