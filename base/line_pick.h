// The last line pick of any pattern, and which temporary element the user
// picked for editing.
#ifndef LEDGEWRIGHT_BASE_LINE_PICK_H
#define LEDGEWRIGHT_BASE_LINE_PICK_H

#include "host/zedlib.h"

struct LinePick {
    ZedPoint point{0.0, 0.0};
    ZedId element = 0;
    ZedId segment = 0;
    ZedId instance = 0;
    ZedId detail = 0;
};

// Which temporary element the user picked: 1, 2, 3 for the dimensions in
// slots 7, 6, 5; 100 for the drilling-side note, 200 for the depth note; 0
// after a line pick.
enum EditMode { kEditNone = 0, kEditFirst = 1, kEditSecond = 2, kEditThird = 3, kEditSideNote = 100, kEditDepthNote = 200 };

struct PickState {
    LinePick linePick;
    int editMode = kEditNone;
    ZedFigRef pickedTemporary{0, 0};
};

PickState& Picks();
void ResetPicks();

#endif  // LEDGEWRIGHT_BASE_LINE_PICK_H
