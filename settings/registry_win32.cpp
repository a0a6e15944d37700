// The settings backend over the current user's registry.
#include <windows.h>

#include <vector>

#include "platform/win32_text_calls.h"
#include "settings/registry_backend.h"

namespace {

// A value that changes size between the size query and the read is queried
// again; a few rounds are enough for anything but a writer in a tight loop.
constexpr int kReadAttempts = 8;

bool IsTextType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// The text of data read from a string value: whole characters only (an odd
// trailing byte of wide text is dropped), up to the first zero if there is one.
ZedString TextOfData(const std::vector<ZedChar>& buffer, DWORD byteCount) {
    const size_t count = byteCount / sizeof(ZedChar);
    size_t length = 0;
    while (length < count && buffer[length] != 0) {
        ++length;
    }
    return ZedString(buffer.data(), length);
}

// Queries the value into a buffer as large as the value, repeating when the
// value grew in between. The buffer always has a spare zero character.
bool QueryText(HKEY key, const ZedString& valueName, ZedString& text) {
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        DWORD type = REG_NONE;
        DWORD size = 0;
        LONG status = win32_text::QueryValue(key, valueName.c_str(), &type, nullptr, &size);
        if (status != ERROR_SUCCESS || !IsTextType(type)) {
            return false;
        }
        std::vector<ZedChar> buffer(size / sizeof(ZedChar) + 2, 0);
        DWORD got = static_cast<DWORD>(buffer.size() * sizeof(ZedChar));
        status = win32_text::QueryValue(key, valueName.c_str(), &type, reinterpret_cast<BYTE*>(buffer.data()), &got);
        if (status == ERROR_MORE_DATA) {
            continue;
        }
        if (status != ERROR_SUCCESS || !IsTextType(type)) {
            return false;
        }
        const DWORD capacity = static_cast<DWORD>(buffer.size() * sizeof(ZedChar));
        text = TextOfData(buffer, got < capacity ? got : capacity);
        return true;
    }
    return false;
}

}  // namespace

bool RegistryReadString(const ZedString& keyPath, const ZedString& valueName, ZedString& text) {
    HKEY key = nullptr;
    if (win32_text::OpenKey(HKEY_CURRENT_USER, keyPath.c_str(), KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    const bool found = QueryText(key, valueName, text);
    // The text is already copied out; a failed close cannot change it.
    RegCloseKey(key);
    return found;
}

bool RegistryWriteString(const ZedString& keyPath, const ZedString& valueName, const ZedString& text) {
    // The stored size includes the terminating zero and must fit in a DWORD.
    if (text.size() >= MAXDWORD / sizeof(ZedChar) - 1) {
        return false;
    }
    HKEY key = nullptr;
    if (win32_text::CreateKey(HKEY_CURRENT_USER, keyPath.c_str(), KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
        return false;
    }
    // In bytes with the terminating zero: the narrow text's length plus one, or
    // twice the wide text's.
    const DWORD size = static_cast<DWORD>((text.size() + 1) * sizeof(ZedChar));
    const LONG setStatus =
        win32_text::SetValue(key, valueName.c_str(), REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), size);
    const LONG closeStatus = RegCloseKey(key);
    return setStatus == ERROR_SUCCESS && closeStatus == ERROR_SUCCESS;
}
