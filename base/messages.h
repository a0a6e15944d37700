// The constants of every text of the plug-in (base/message_texts.inc), in
// the host's text type: wide in the current build; in the legacy build narrow
// code-page-949 text, from the copy of the catalogue encoded at build time.
// The build names the file it takes (LEDGEWRIGHT_TEXT_CATALOGUE, set in
// CMakeLists.txt).
#ifndef LEDGEWRIGHT_BASE_MESSAGES_H
#define LEDGEWRIGHT_BASE_MESSAGES_H

#include "host/zedtext.h"

#define LEDGEWRIGHT_TEXT(name, literal) inline constexpr const ZedChar name[] = ZED_TEXT(literal);
#include LEDGEWRIGHT_TEXT_CATALOGUE
#undef LEDGEWRIGHT_TEXT

#endif  // LEDGEWRIGHT_BASE_MESSAGES_H
