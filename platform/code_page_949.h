// Conversion between UTF-8 and the Korean code page 949, the narrow text of the
// legacy build. Bytes that do not convert become U+FFFD in UTF-8 and "?" in
// code page 949.
#ifndef LEDGEWRIGHT_PLATFORM_CODE_PAGE_949_H
#define LEDGEWRIGHT_PLATFORM_CODE_PAGE_949_H

#include <string>

std::string Cp949ToUtf8(const std::string& text);
std::string Utf8ToCp949(const std::string& text);

#endif  // LEDGEWRIGHT_PLATFORM_CODE_PAGE_949_H
