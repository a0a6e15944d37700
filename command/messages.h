// Every prompt and message text of the plug-in, each once, named after what it
// reports. Numbered variants of one text are distinct texts: the number tells
// the user (and us, from a report) which step failed.
#ifndef LEDGEWRIGHT_COMMAND_MESSAGES_H
#define LEDGEWRIGHT_COMMAND_MESSAGES_H

#include "host/zedtext.h"

#define LEDGEWRIGHT_TEXT(name, literal) inline constexpr const ZedChar name[] = ZED_TEXT(literal)

// Prompts of the command.
LEDGEWRIGHT_TEXT(kPromptPattern, "턱걸이타입선택 :");

// Temporary dimensions.
LEDGEWRIGHT_TEXT(kMsgDimensionNotCreated, "치수작성에러.");

// Cut lines.
LEDGEWRIGHT_TEXT(kMsgCutLineNotCreated, "절단선을 작성할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgCutLineLayerNotChanged, "절단선의 레이어를 변경할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgCutLineNotRead, "절단선의 정보를 참조할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgCutLineNotAmended, "절단선길이를 수정할 수 없습니다.");

#endif  // LEDGEWRIGHT_COMMAND_MESSAGES_H
