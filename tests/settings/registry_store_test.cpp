// The settings store over the platform's backend: the real registry on
// Windows, the portable file elsewhere. The tests use only the public store
// functions, so they check both backends alike.
#include <gtest/gtest.h>

#include "settings/registry_store.h"
#include "tests/support/scratch_registry.h"

namespace {

const ZedString kPluginKey = ZED_TEXT("SOFTWARE\\Quorvane\\ZED\\Ledgewright");

class RegistryStore : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(registry_.ok()); }

    ScratchRegistry registry_;
};

TEST_F(RegistryStore, MissingValueLeavesTheTextAlone) {
    ZedString text = ZED_TEXT("untouched");
    EXPECT_EQ(ReadSetting(kPluginKey, ZED_TEXT("PA_Color"), text), -1);
    EXPECT_EQ(text, ZED_TEXT("untouched"));
    EXPECT_FALSE(ReadPluginSetting(kSettingsKeyName, ZED_TEXT("PA_Color"), text));

    ASSERT_TRUE(WritePluginSetting(kSettingsKeyName, ZED_TEXT("PA_LType"), ZED_TEXT("LINETYPE05")));
    EXPECT_EQ(ReadSetting(kPluginKey, ZED_TEXT("PA_Color"), text), -1);
    EXPECT_EQ(text, ZED_TEXT("untouched"));
}

TEST_F(RegistryStore, PluginFormUsesTheVendorKey) {
    ASSERT_TRUE(WritePluginSetting(kSettingsKeyName, ZED_TEXT("mMainWidth"), ZED_TEXT("3.0")));
    ZedString text;
    ASSERT_EQ(ReadSetting(kPluginKey, ZED_TEXT("mMainWidth"), text), 0);
    EXPECT_EQ(text, ZED_TEXT("3.0"));

    ASSERT_EQ(WriteSetting(ZED_TEXT("SOFTWARE\\Quorvane\\ZED\\Other"), ZED_TEXT("mMainWidth"), ZED_TEXT("9.0")), 0);
    ASSERT_TRUE(ReadPluginSetting(ZED_TEXT("Other"), ZED_TEXT("mMainWidth"), text));
    EXPECT_EQ(text, ZED_TEXT("9.0"));
    ASSERT_TRUE(ReadPluginSetting(kSettingsKeyName, ZED_TEXT("mMainWidth"), text));
    EXPECT_EQ(text, ZED_TEXT("3.0"));
}

TEST_F(RegistryStore, SlashesReachTheSameKeyAsBackslashes) {
    ASSERT_EQ(WriteSetting(ZED_TEXT("SOFTWARE/Quorvane/ZED/Ledgewright"), ZED_TEXT("PA_HoleLayer"), ZED_TEXT("7")), 0);
    ZedString text;
    ASSERT_TRUE(ReadPluginSetting(kSettingsKeyName, ZED_TEXT("PA_HoleLayer"), text));
    EXPECT_EQ(text, ZED_TEXT("7"));

    ASSERT_TRUE(WritePluginSetting(kSettingsKeyName, ZED_TEXT("PA_HoleWidth"), ZED_TEXT("0.25")));
    ASSERT_EQ(ReadSetting(ZED_TEXT("SOFTWARE/Quorvane\\ZED/Ledgewright"), ZED_TEXT("PA_HoleWidth"), text), 0);
    EXPECT_EQ(text, ZED_TEXT("0.25"));
    EXPECT_EQ(NormalizeKeyPath(ZED_TEXT("a/b\\c/")), ZED_TEXT("a\\b\\c\\"));
}

TEST_F(RegistryStore, KeepsValuesOfAnyLength) {
    for (size_t length : {size_t{126}, size_t{127}, size_t{200}, size_t{5000}, size_t{70000}}) {
        ZedString value;
        for (size_t i = 0; i < length; ++i) {
            value += static_cast<ZedChar>(ZED_TEXT('0') + i % 10);
        }
        ASSERT_TRUE(WritePluginSetting(kSettingsKeyName, ZED_TEXT("mMainLayer"), value)) << length;
        ZedString text;
        ASSERT_TRUE(ReadPluginSetting(kSettingsKeyName, ZED_TEXT("mMainLayer"), text)) << length;
        EXPECT_EQ(text, value) << length;
    }
}

TEST_F(RegistryStore, EmptyTextIsFoundAndDiffersFromMissing) {
    ASSERT_TRUE(WritePluginSetting(kSettingsKeyName, ZED_TEXT("mMainLayer"), ZED_TEXT("")));
    ZedString text = ZED_TEXT("x");
    ASSERT_TRUE(ReadPluginSetting(kSettingsKeyName, ZED_TEXT("mMainLayer"), text));
    EXPECT_EQ(text, ZED_TEXT(""));
}

TEST_F(RegistryStore, RewritingOneValueKeepsTheOthers) {
    ASSERT_TRUE(WritePluginSetting(kSettingsKeyName, ZED_TEXT("PA_Color"), ZED_TEXT("MAINCOLOR06")));
    ASSERT_TRUE(WritePluginSetting(kSettingsKeyName, ZED_TEXT("PA_LType"), ZED_TEXT("LINETYPE01")));
    ASSERT_TRUE(WritePluginSetting(kSettingsKeyName, ZED_TEXT("PA_Color"), ZED_TEXT("MAINCOLOR09")));
    ZedString text;
    ASSERT_TRUE(ReadPluginSetting(kSettingsKeyName, ZED_TEXT("PA_Color"), text));
    EXPECT_EQ(text, ZED_TEXT("MAINCOLOR09"));
    ASSERT_TRUE(ReadPluginSetting(kSettingsKeyName, ZED_TEXT("PA_LType"), text));
    EXPECT_EQ(text, ZED_TEXT("LINETYPE01"));
}

TEST_F(RegistryStore, ValueNamesIgnoreCaseAsTheRegistryDoes) {
    ASSERT_TRUE(WritePluginSetting(kSettingsKeyName, ZED_TEXT("PA_Color"), ZED_TEXT("MAINCOLOR06")));
    ASSERT_TRUE(WritePluginSetting(ZED_TEXT("LEDGEWRIGHT"), ZED_TEXT("pa_color"), ZED_TEXT("MAINCOLOR07")));
    ZedString text;
    ASSERT_TRUE(ReadPluginSetting(kSettingsKeyName, ZED_TEXT("PA_COLOR"), text));
    EXPECT_EQ(text, ZED_TEXT("MAINCOLOR07"));
}

TEST_F(RegistryStore, KeepsQuotesBackslashesAndKoreanText) {
    const ZedString value = ZED_TEXT("구멍 \"A\" C:\\zed_ap\\ 30|50|60 =[]; ");
    ASSERT_TRUE(WritePluginSetting(kSettingsKeyName, ZED_TEXT("이름 \"x\\y\""), value));
    ZedString text;
    ASSERT_TRUE(ReadPluginSetting(kSettingsKeyName, ZED_TEXT("이름 \"x\\y\""), text));
    EXPECT_EQ(text, value);
}

TEST_F(RegistryStore, ReadOrDefaultWritesTheDefaultOnlyWhenMissing) {
    EXPECT_EQ(ReadPluginSettingOrDefault(kSettingsKeyName, ZED_TEXT("PA_Color"), ZED_TEXT("MAINCOLOR12")),
              ZED_TEXT("MAINCOLOR12"));
    ZedString text;
    ASSERT_TRUE(ReadPluginSetting(kSettingsKeyName, ZED_TEXT("PA_Color"), text));
    EXPECT_EQ(text, ZED_TEXT("MAINCOLOR12"));

    EXPECT_EQ(ReadPluginSettingOrDefault(kSettingsKeyName, ZED_TEXT("PA_Color"), ZED_TEXT("MAINCOLOR06")),
              ZED_TEXT("MAINCOLOR12"));
    ASSERT_TRUE(ReadPluginSetting(kSettingsKeyName, ZED_TEXT("PA_Color"), text));
    EXPECT_EQ(text, ZED_TEXT("MAINCOLOR12"));
}

#ifdef _WIN32
// Values that another program stored with other types or without the
// terminating zero exist only in the real registry.

TEST_F(RegistryStore, ValuesOfOtherTypesCountAsMissing) {
    const DWORD number = 1;
    ASSERT_TRUE(registry_.SetRawValue(L"PA_IsHoleDraw", REG_DWORD, &number, sizeof number));
    const BYTE bytes[] = {'1', 0, 0, 0};
    ASSERT_TRUE(registry_.SetRawValue(L"PA_IsLineDraw", REG_BINARY, bytes, sizeof bytes));
    const wchar_t multi[] = L"1\0002\0";
    ASSERT_TRUE(registry_.SetRawValue(L"PA_Hole", REG_MULTI_SZ, multi, sizeof multi));
    ZedString text = ZED_TEXT("untouched");
    EXPECT_FALSE(ReadPluginSetting(kSettingsKeyName, ZED_TEXT("PA_IsHoleDraw"), text));
    EXPECT_FALSE(ReadPluginSetting(kSettingsKeyName, ZED_TEXT("PA_IsLineDraw"), text));
    EXPECT_FALSE(ReadPluginSetting(kSettingsKeyName, ZED_TEXT("PA_Hole"), text));
    EXPECT_EQ(text, ZED_TEXT("untouched"));
}

TEST_F(RegistryStore, TextWithoutItsZeroIsReadToItsEnd) {
    const wchar_t unterminated[] = {L'3', L'0', L'|', L'5', L'0'};
    ASSERT_TRUE(registry_.SetRawValue(L"mMainLayer", REG_SZ, unterminated, sizeof unterminated));
    ZedString text;
    ASSERT_TRUE(ReadPluginSetting(kSettingsKeyName, ZED_TEXT("mMainLayer"), text));
    EXPECT_EQ(text, ZED_TEXT("30|50"));

    // An odd byte count ends in half a character, which is dropped.
    const wchar_t odd[] = {L'1', L'2', L'7'};
    ASSERT_TRUE(registry_.SetRawValue(L"mMainWidth", REG_SZ, odd, sizeof odd - 1));
    ASSERT_TRUE(ReadPluginSetting(kSettingsKeyName, ZED_TEXT("mMainWidth"), text));
    EXPECT_EQ(text, ZED_TEXT("12"));

    ASSERT_TRUE(registry_.SetRawValue(L"mMainHeight", REG_SZ, odd, 0));
    ASSERT_TRUE(ReadPluginSetting(kSettingsKeyName, ZED_TEXT("mMainHeight"), text));
    EXPECT_EQ(text, ZED_TEXT(""));
}

TEST_F(RegistryStore, ExpandableTextIsReadAsStoredUpToItsZero) {
    const wchar_t expandable[] = L"%TEMP%\0tail";
    ASSERT_TRUE(registry_.SetRawValue(L"PA_HoleLayer", REG_EXPAND_SZ, expandable, sizeof expandable));
    ZedString text;
    ASSERT_TRUE(ReadPluginSetting(kSettingsKeyName, ZED_TEXT("PA_HoleLayer"), text));
    EXPECT_EQ(text, ZED_TEXT("%TEMP%"));
}

TEST_F(RegistryStore, WritesPlainStringValuesWithTheirZero) {
    ASSERT_TRUE(WritePluginSetting(kSettingsKeyName, ZED_TEXT("PA_Color"), ZED_TEXT("MAINCOLOR12")));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Quorvane\\ZED\\Ledgewright", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    DWORD type = 0;
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExW(key, L"PA_Color", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, (11u + 1u) * sizeof(wchar_t));
}
#endif

}  // namespace
