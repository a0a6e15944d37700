// The Windows calls that take text, by the host's text type: the narrow ("A")
// call for the legacy build's code-page-949 text, the wide ("W") call for the
// current build's. Overloads on the character type choose, so the code that
// calls them is the same in both builds.
#ifndef LEDGEWRIGHT_PLATFORM_WIN32_TEXT_CALLS_H
#define LEDGEWRIGHT_PLATFORM_WIN32_TEXT_CALLS_H

#include <windows.h>

#include <string>

namespace win32_text {

inline DWORD ModuleFileName(char* buffer, DWORD capacity) { return GetModuleFileNameA(nullptr, buffer, capacity); }
inline DWORD ModuleFileName(wchar_t* buffer, DWORD capacity) { return GetModuleFileNameW(nullptr, buffer, capacity); }

inline SHORT KeyOfCharacter(char c) { return VkKeyScanA(c); }
inline SHORT KeyOfCharacter(wchar_t c) { return VkKeyScanW(c); }

inline LONG OpenKey(HKEY parent, const char* path, REGSAM access, HKEY* key) {
    return RegOpenKeyExA(parent, path, 0, access, key);
}
inline LONG OpenKey(HKEY parent, const wchar_t* path, REGSAM access, HKEY* key) {
    return RegOpenKeyExW(parent, path, 0, access, key);
}

inline LONG CreateKey(HKEY parent, const char* path, REGSAM access, HKEY* key) {
    return RegCreateKeyExA(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, key, nullptr);
}
inline LONG CreateKey(HKEY parent, const wchar_t* path, REGSAM access, HKEY* key) {
    return RegCreateKeyExW(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, key, nullptr);
}

inline LONG QueryValue(HKEY key, const char* name, DWORD* type, BYTE* data, DWORD* size) {
    return RegQueryValueExA(key, name, nullptr, type, data, size);
}
inline LONG QueryValue(HKEY key, const wchar_t* name, DWORD* type, BYTE* data, DWORD* size) {
    return RegQueryValueExW(key, name, nullptr, type, data, size);
}

// The size is in bytes: a narrow string's length plus one, a wide string's
// characters plus one times two.
inline LONG SetValue(HKEY key, const char* name, DWORD type, const BYTE* data, DWORD size) {
    return RegSetValueExA(key, name, 0, type, data, size);
}
inline LONG SetValue(HKEY key, const wchar_t* name, DWORD type, const BYTE* data, DWORD size) {
    return RegSetValueExW(key, name, 0, type, data, size);
}

// Dialog templates and controls take UTF-16 in both builds: narrow text is
// code page 949.
inline std::wstring Wide(const wchar_t* text) { return std::wstring(text); }
std::wstring Wide(const char* cp949);
inline void FromWide(const std::wstring& wide, std::wstring& text) { text = wide; }
void FromWide(const std::wstring& wide, std::string& cp949);

}  // namespace win32_text

#endif  // LEDGEWRIGHT_PLATFORM_WIN32_TEXT_CALLS_H
