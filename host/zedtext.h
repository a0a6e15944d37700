// The host's text type, behind one build switch.
//
// The current host takes wide-character text; the older release (the legacy
// build, ZED_LEGACY=1) takes narrow text in the Korean code page 949 through the
// same calls. Code must not assume the size of wchar_t: it is 2 bytes on
// Windows and 4 on Linux.
#ifndef LEDGEWRIGHT_HOST_ZEDTEXT_H
#define LEDGEWRIGHT_HOST_ZEDTEXT_H

#ifndef ZED_LEGACY
#define ZED_LEGACY 0
#endif

#if ZED_LEGACY
typedef char ZedChar;
#define ZED_TEXT(literal) literal
#else
#include <wchar.h>
typedef wchar_t ZedChar;
#define ZED_TEXT_WIDEN(literal) L##literal
#define ZED_TEXT(literal) ZED_TEXT_WIDEN(literal)
#endif

#ifdef __cplusplus
#include <string>
using ZedString = std::basic_string<ZedChar>;
#endif

#endif  // LEDGEWRIGHT_HOST_ZEDTEXT_H
