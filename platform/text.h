// Conversion between the host's text type and UTF-8.
//
// Wide host text is UTF-16 where wchar_t has 2 bytes (Windows) and UTF-32 where
// it has 4 (Linux). The legacy build's narrow text is code page 949.
#ifndef LEDGEWRIGHT_PLATFORM_TEXT_H
#define LEDGEWRIGHT_PLATFORM_TEXT_H

#include <string>

#include "host/zedtext.h"

// Code points of UTF-8 text; a malformed or truncated sequence gives U+FFFD.
std::u32string DecodeUtf8(const std::string& text);
// UTF-8 of code points; a value that is no Unicode scalar gives U+FFFD.
std::string EncodeUtf8(const std::u32string& codePoints);

// UTF-16 code units of code points, surrogate pairs above U+FFFF.
std::u16string EncodeUtf16(const std::u32string& codePoints);
// Code points of UTF-16 code units; an unpaired surrogate gives U+FFFD.
std::u32string DecodeUtf16(const std::u16string& units);

std::string ZedToUtf8(const ZedString& text);
ZedString Utf8ToZed(const std::string& text);

#endif  // LEDGEWRIGHT_PLATFORM_TEXT_H
