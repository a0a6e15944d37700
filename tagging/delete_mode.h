// Delete mode's work: the user picks a marked shoulder, and its separate parts
// and its outline elements go while the outline is joined again. Its prompt
// states are the command's (command/delete_mode_state.cpp).
#ifndef LEDGEWRIGHT_TAGGING_DELETE_MODE_H
#define LEDGEWRIGHT_TAGGING_DELETE_MODE_H

#include "host/zedlib.h"

// Deletes the shoulder whose tag is on segment `shoulder`, of which `picked`
// is the element the user picked; reports on the error line why it deletes
// nothing.
void DeleteShoulder(ZedId instance, ZedId shoulder, ZedId picked);

#endif  // LEDGEWRIGHT_TAGGING_DELETE_MODE_H
