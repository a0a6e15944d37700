// Typing a keyword into the host's command line as the user's keyboard would.
#ifndef LEDGEWRIGHT_UI_TYPE_KEYWORD_H
#define LEDGEWRIGHT_UI_TYPE_KEYWORD_H

#include <vector>

#include "host/zedtext.h"
#include "ui/window.h"

// The key events: Clear, the keyword's keys (virtual-key code only, no Shift,
// extra information 0x33), Enter; each key down then up.
std::vector<KeyInput> KeywordKeys(const ZedString& keyword);
// Sends them into the system's input stream.
void TypeKeyword(const ZedString& keyword);

#endif  // LEDGEWRIGHT_UI_TYPE_KEYWORD_H
