// Plan pattern A ("[패턴A] CENTER배치"): a rectangular shoulder standing out of
// a straight line of a closed plan-view outline, with an optional cut line
// across its base, a hole and its two notes, and two temporary dimensions
// (depth in slot 7, width in slot 6) that the user picks to reshape it.
#ifndef LEDGEWRIGHT_PATTERNS_PLANE_A_H
#define LEDGEWRIGHT_PATTERNS_PLANE_A_H

#include "host/zedlib.h"

// Builds the shoulder on the picked line (element) of the closed outline
// (segment). True when the shoulder, its extras and both dimensions exist;
// false after the failure has been reported. Nothing already changed is undone.
bool BuildPlaneA(ZedId element, ZedId segment, ZedId instance);

// Reshapes the last shoulder to the typed value: its depth when the user
// picked the depth dimension (edit mode 1), its width for the width dimension
// (edit mode 2). Any other edit mode fails at once, without a message.
bool RebuildPlaneA(int editMode, double value);

#endif  // LEDGEWRIGHT_PATTERNS_PLANE_A_H
