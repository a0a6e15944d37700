// Plan pattern C ("[패턴C] 선단그대로돌출"): the whole picked line raised by the
// shoulder depth, as an open chain of three lines beside the line, which the
// outline keeps unchanged; a hole with its two notes when asked, and the
// depth dimension (slot 7) that the user picks to change the depth.
#ifndef LEDGEWRIGHT_PATTERNS_PLANE_C_H
#define LEDGEWRIGHT_PATTERNS_PLANE_C_H

#include "host/zedlib.h"

// Builds the chain beside the picked line (element) of the closed outline
// (segment). True when the chain, its hole and notes and the dimension exist;
// false after the failure has been reported.
bool BuildPlaneC(ZedId element, ZedId segment, ZedId instance);

// Moves the chain to the typed depth (edit mode 1); a negative depth puts it
// on the other side of the line. Any other edit mode only tags the shoulder
// again and succeeds.
bool RebuildPlaneC(int editMode, double value);

#endif  // LEDGEWRIGHT_PATTERNS_PLANE_C_H
