// The pick-and-edit dialogue at the host's prompt, one set of ready and execute
// functions per pattern: the line pick builds the shoulder, the dimension pick
// takes one of its temporary dimensions or hole notes, the value entry and
// the depth entry take a typed number for it.
#ifndef LEDGEWRIGHT_COMMAND_PICK_DIALOGUE_H
#define LEDGEWRIGHT_COMMAND_PICK_DIALOGUE_H

#include "base/pattern.h"
#include "host/zedlib.h"

// The line-pick ready function of the pattern, which the keyword dispatcher
// installs when the pattern's keyword is typed.
ZedReadyFunc LinePickReadyOf(Pattern pattern);

#endif  // LEDGEWRIGHT_COMMAND_PICK_DIALOGUE_H
