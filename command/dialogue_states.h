// The four states of the pick-and-edit dialogue, written once for every
// pattern: each takes the pattern's row and the pattern's own host callbacks,
// which pick_dialogue.cpp makes for each pattern and which merely call these.
#ifndef LEDGEWRIGHT_COMMAND_DIALOGUE_STATES_H
#define LEDGEWRIGHT_COMMAND_DIALOGUE_STATES_H

#include "command/pattern_table.h"
#include "host/zedlib.h"

// One pattern's callbacks, so that each state can install the next one.
struct DialogueCallbacks {
    ZedExecuteFunc linePickExecute;
    ZedReadyFunc dimensionPickReady;
    ZedExecuteFunc dimensionPickExecute;
    ZedReadyFunc valueEntryReady;
    ZedExecuteFunc valueEntryExecute;
    ZedReadyFunc depthEntryReady;
    ZedExecuteFunc depthEntryExecute;
};

int LinePickReady(const PatternRow& row, const DialogueCallbacks& callbacks);
int LinePickExecute(const PatternRow& row, const DialogueCallbacks& callbacks, int type, ZedEvent* event);

int DimensionPickReady(const PatternRow& row, const DialogueCallbacks& callbacks);
int DimensionPickExecute(const PatternRow& row, const DialogueCallbacks& callbacks, int type, ZedEvent* event);

// The value entry and the depth entry share their ready function.
int EntryReady(ZedExecuteFunc execute);
int ValueEntryExecute(const PatternRow& row, const DialogueCallbacks& callbacks, int type, ZedEvent* event);
int DepthEntryExecute(const PatternRow& row, const DialogueCallbacks& callbacks, int type, ZedEvent* event);

// Delete mode (current build only): the ready function offers only marked
// shoulders for picking, puts up the prompt and installs DeleteModeExecute; a
// pick deletes that shoulder and waits for the next one, a typed text goes to
// the keyword dispatcher and the end of the command ends it.
int DeleteModeReady();
int DeleteModeExecute(int type, ZedEvent* event);

#endif  // LEDGEWRIGHT_COMMAND_DIALOGUE_STATES_H
