// Through UTF-16 with the system's code-page tables.
#include "platform/code_page_949.h"

#include <windows.h>

namespace {

constexpr UINT kCodePage949 = 949;

std::wstring ToUtf16(UINT codePage, const std::string& text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring out(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) {
        MultiByteToWideChar(codePage, 0, text.data(), size, out.data(), length);
    }
    return out;
}

std::string FromUtf16(UINT codePage, const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) {
        WideCharToMultiByte(codePage, 0, text.data(), size, out.data(), length, nullptr, nullptr);
    }
    return out;
}

}  // namespace

std::string Cp949ToUtf8(const std::string& text) { return FromUtf16(CP_UTF8, ToUtf16(kCodePage949, text)); }

std::string Utf8ToCp949(const std::string& text) { return FromUtf16(kCodePage949, ToUtf16(CP_UTF8, text)); }
