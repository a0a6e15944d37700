// Conversion between UTF-8 and the Korean code page 949, the narrow text of the
// legacy build. What does not convert is replaced, not dropped: in code page
// 949 by "?", in UTF-8 by a character the platform's tables choose (U+FFFD
// through iconv).
#ifndef LEDGEWRIGHT_PLATFORM_CODE_PAGE_949_H
#define LEDGEWRIGHT_PLATFORM_CODE_PAGE_949_H

#include <string>

std::string Cp949ToUtf8(const std::string& text);
std::string Utf8ToCp949(const std::string& text);

#endif  // LEDGEWRIGHT_PLATFORM_CODE_PAGE_949_H
