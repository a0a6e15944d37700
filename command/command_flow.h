// The command's start, admission and end functions and the pattern prompt, as
// registered with the host.
#ifndef LEDGEWRIGHT_COMMAND_COMMAND_FLOW_H
#define LEDGEWRIGHT_COMMAND_COMMAND_FLOW_H

#include "host/zedlib.h"

// Registers the command with the host and works out the installation folder.
// 0 on success, -1 when the host refuses the registration.
int RegisterLedgewright();

int CommandStart();
int CommandAdmission();
void CommandEnd();
int PatternPromptExecute(int type, ZedEvent* event);

#endif  // LEDGEWRIGHT_COMMAND_COMMAND_FLOW_H
