// Side pattern A ("[패턴A] 끝단돌출배치"): the end step of patterns/side_step.h
// with a cut line along its root and two temporary dimensions, its offset
// (slot 7) and its length (slot 6).
#ifndef LEDGEWRIGHT_PATTERNS_SIDE_A_H
#define LEDGEWRIGHT_PATTERNS_SIDE_A_H

#include "host/zedlib.h"

// Builds the step at the end of the picked line (element) of the closed
// outline (segment) nearer the picked point. True when the step and both
// dimensions exist; false after the failure has been reported. A line not
// longer than the step, or a step that would break the outline, is refused
// before anything changes.
bool BuildSideA(ZedPoint picked, ZedId element, ZedId segment, ZedId instance);

// Reshapes the last step to the typed offset (edit mode 1) or length (2); any
// other edit mode fails. A value that would break the outline is refused
// before any change; a change the host refused part-way is carried on by a
// retry.
bool RebuildSideA(int editMode, double value);

#endif  // LEDGEWRIGHT_PATTERNS_SIDE_A_H
