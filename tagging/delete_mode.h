// Delete mode: the user picks a marked shoulder, and its separate parts and
// its outline elements go while the outline is joined again.
#ifndef LEDGEWRIGHT_TAGGING_DELETE_MODE_H
#define LEDGEWRIGHT_TAGGING_DELETE_MODE_H

#include "host/zedlib.h"

// Ready function: offers only marked shoulders for picking, puts up the
// prompt and installs DeleteModeExecute.
int DeleteModeReady();

// Execute function: a pick deletes that shoulder and waits for the next one; a
// typed text goes to the keyword dispatcher; the end of the command ends it.
int DeleteModeExecute(int type, ZedEvent* event);

#endif  // LEDGEWRIGHT_TAGGING_DELETE_MODE_H
