// Every prompt and message text of the plug-in, each once, named after what it
// reports. Numbered variants of one text are distinct texts: the number tells
// the user (and us, from a report) which step failed.
#ifndef LEDGEWRIGHT_COMMAND_MESSAGES_H
#define LEDGEWRIGHT_COMMAND_MESSAGES_H

#include "host/zedtext.h"

#define LEDGEWRIGHT_TEXT(name, literal) inline constexpr const ZedChar name[] = ZED_TEXT(literal)

// Prompts of the command.
LEDGEWRIGHT_TEXT(kPromptPattern, "턱걸이타입선택 :");

#endif  // LEDGEWRIGHT_COMMAND_MESSAGES_H
