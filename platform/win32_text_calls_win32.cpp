#include "platform/win32_text_calls.h"

namespace win32_text {

namespace {

constexpr UINT kCodePage949 = 949;

}  // namespace

std::wstring Wide(const char* cp949) {
    const int length = MultiByteToWideChar(kCodePage949, 0, cp949, -1, nullptr, 0);
    std::wstring wide(length > 0 ? static_cast<size_t>(length) : 1, L'\0');
    if (length > 0) {
        MultiByteToWideChar(kCodePage949, 0, cp949, -1, wide.data(), length);
    }
    wide.resize(wide.size() - 1);
    return wide;
}

void FromWide(const std::wstring& wide, std::string& cp949) {
    const int length = WideCharToMultiByte(kCodePage949, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    cp949.assign(length > 0 ? static_cast<size_t>(length) : 1, '\0');
    if (length > 0) {
        WideCharToMultiByte(kCodePage949, 0, wide.c_str(), -1, cp949.data(), length, nullptr, nullptr);
    }
    cp949.resize(cp949.size() - 1);
}

}  // namespace win32_text
