// Side pattern B ("[패턴B] 끝단돌출배치(표시부표현)"): side pattern A's end step
// with a display part, a short line beside the picked line just past the
// step, the picked line's former course redrawn across the step's root and a
// cut line there, and a third temporary dimension, the display part's length
// (slot 5).
#ifndef LEDGEWRIGHT_PATTERNS_SIDE_B_H
#define LEDGEWRIGHT_PATTERNS_SIDE_B_H

#include "host/zedlib.h"

// Builds the step and its display part at the end of the picked line nearer
// the picked point. True when they and the three dimensions exist; false
// after the failure has been reported. Refuses before any change what side
// pattern A refuses, and a display length that is no positive number.
bool BuildSideB(ZedPoint picked, ZedId element, ZedId segment, ZedId instance);

// Reshapes the last step to the typed offset (edit mode 1) or length (2; the
// display part follows the step's inner end), or gives the display part the
// typed length (3), which also becomes the display length of the settings
// record (not of the registry). Any other edit mode fails.
bool RebuildSideB(int editMode, double value);

#endif  // LEDGEWRIGHT_PATTERNS_SIDE_B_H
