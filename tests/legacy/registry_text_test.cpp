// The settings values as Windows keeps them: whichever call the build makes
// (the narrow one in the legacy build), the registry holds the Korean text, and
// the stored size is the string's length plus its terminating zero in the
// build's character size.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/build_profile.h"
#include "base/messages.h"
#include "settings/registry_backend.h"
#include "settings/registry_store.h"
#include "tests/support/scratch_registry.h"

namespace {

TEST(RegistryText, KoreanTextIsStoredAsTheSameCharactersInEitherBuild) {
    if constexpr (build_profile::kLegacy) {
        // The narrow calls convert with the process's ANSI code page.
        ASSERT_EQ(GetACP(), 949u) << "run the legacy build's tests under the Korean locale (LANG=ko_KR.UTF-8)";
    }
    ScratchRegistry registry;
    ASSERT_TRUE(registry.ok());
    const ZedString keyPath = ZedString(kPluginKeyRoot) + kSettingsKeyName;
    const ZedString text = kPromptPattern;
    ASSERT_TRUE(RegistryWriteString(keyPath, ZED_TEXT("korean"), text));

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Quorvane\\ZED\\Ledgewright", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    wchar_t wide[64] = {};
    DWORD size = sizeof wide;
    DWORD type = REG_NONE;
    EXPECT_EQ(RegQueryValueExW(key, L"korean", nullptr, &type, reinterpret_cast<BYTE*>(wide), &size), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::wstring(wide), L"턱걸이타입선택 :");
    // Nothing after the terminating zero: a narrow value handed over with a
    // wide value's size would leave more.
    EXPECT_EQ(size, (std::wstring(wide).size() + 1) * sizeof(wchar_t));

    ZedString back;
    ASSERT_TRUE(RegistryReadString(keyPath, ZED_TEXT("korean"), back));
    EXPECT_EQ(back, text);
}

}  // namespace
#endif
