// The constants of every text of the plug-in (base/message_texts.inc), in
// the host's text type: wide in the current build; in the legacy build narrow
// code-page-949 text, from the copy of the catalogue encoded at build time.
#ifndef LEDGEWRIGHT_BASE_MESSAGES_H
#define LEDGEWRIGHT_BASE_MESSAGES_H

#include "host/zedtext.h"

#define LEDGEWRIGHT_TEXT(name, literal) inline constexpr const ZedChar name[] = ZED_TEXT(literal);
#if ZED_LEGACY
#include "message_texts_cp949.inc"
#else
#include "base/message_texts.inc"
#endif
#undef LEDGEWRIGHT_TEXT

#endif  // LEDGEWRIGHT_BASE_MESSAGES_H
