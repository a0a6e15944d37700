// Plan pattern D ("[패턴D] 장공배치"): the raised chain of pattern C beside the
// picked line and, when asked, a slot around the line (holes/slot.h). The
// depth dimension (slot 7) and the slot's radius dimension (slot 6) are picked
// to type a new depth or radius. No hole, notes or cut line.
#ifndef LEDGEWRIGHT_PATTERNS_PLANE_D_H
#define LEDGEWRIGHT_PATTERNS_PLANE_D_H

#include "host/zedlib.h"

// Builds the chain, the slot and the two dimensions. A slot radius that is
// not a positive number, or a slot layer that the outline's layer does not
// resolve, is refused before anything is drawn.
bool BuildPlaneD(ZedId element, ZedId segment, ZedId instance);

// A new depth (edit mode 1; the slot stays where it is) or slot radius (edit
// mode 2; the slot and its dimension follow). Any other edit mode, and a
// radius without a slot, only tags the shoulder again and succeeds.
bool RebuildPlaneD(int editMode, double value);

#endif  // LEDGEWRIGHT_PATTERNS_PLANE_D_H
