#ifndef LEDGEWRIGHT_COMMAND_DISPATCHER_H
#define LEDGEWRIGHT_COMMAND_DISPATCHER_H

#include "host/zedlib.h"

// Handles one string typed at a prompt that accepts text: a pattern keyword or
// Delete switches to that state (2), a positive number narrows picking to that
// layer and keeps the state (3), anything else ends the command (0).
int DispatchKeyword(const ZedString& text);

// The answer of a state that takes typed text to an event that carries no
// picked point: typed text goes to DispatchKeyword, the end of the command
// ends it, anything else is waited out.
int AnswerTextOrEnd(int type, ZedEvent* event);

#endif  // LEDGEWRIGHT_COMMAND_DISPATCHER_H
