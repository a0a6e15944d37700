#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/build_profile.h"
#include "settings/loaders.h"
#include "settings/registry_store.h"
#include "settings/shoulder_settings.h"
#include "tests/support/scratch_registry.h"
#include "ui/chooser.h"

#ifndef _WIN32
#include <cstdio>

#include "settings/registry_backend.h"
#endif

namespace {

using Values = std::vector<std::pair<const ZedChar*, const ZedChar*>>;

ZedString Stored(const ZedChar* name) {
    ZedString text;
    return ReadPluginSetting(kSettingsKeyName, name, text) ? text : ZedString(ZED_TEXT("<missing>"));
}

void Store(const ZedChar* name, const ZedString& text) {
    ASSERT_TRUE(WritePluginSetting(kSettingsKeyName, name, text)) << name;
}

class Loaders : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(registry_.ok());
        ResetShoulderSettings();
    }
    void TearDown() override { ResetShoulderSettings(); }

    // The hole kinds are values the legacy build neither reads nor writes.
    void ExpectStored(const Values& values) {
        for (const auto& [name, text] : values) {
            const ZedString nameText(name);
            const bool holeKind = nameText == ZED_TEXT("PA_Hole") || nameText == ZED_TEXT("PB_Hole") ||
                                  nameText == ZED_TEXT("PC_Hole");
            EXPECT_EQ(Stored(name), holeKind && !build_profile::kShapedHoles ? ZED_TEXT("<missing>") : text) << name;
        }
    }

    ScratchRegistry registry_;
};

TEST_F(Loaders, PlaneAWritesItsCommandDefaultsOnAnEmptyKey) {
    LoadPatternSettings(Pattern::PlaneA);
    ExpectStored({{ZED_TEXT("PA_IsWidthValue"), ZED_TEXT("1")},
                  {ZED_TEXT("PA_WidthValue"), ZED_TEXT("10.0")},
                  {ZED_TEXT("PA_WidthValueDistance"), ZED_TEXT("0.5")},
                  {ZED_TEXT("PA_IsHoleDraw"), ZED_TEXT("1")},
                  {ZED_TEXT("PA_Hole"), ZED_TEXT("0")},
                  {ZED_TEXT("PA_HoleLayer"), ZED_TEXT("3")},
                  {ZED_TEXT("PA_HoleDir"), ZED_TEXT("0")},
                  {ZED_TEXT("PA_HoleWidth"), ZED_TEXT("0.5")},
                  {ZED_TEXT("PA_IsLineDraw"), ZED_TEXT("0")},
                  {ZED_TEXT("PA_LineValue"), ZED_TEXT("0")},
                  {ZED_TEXT("PA_Color"), ZED_TEXT("MAINCOLOR12")},
                  {ZED_TEXT("PA_LType"), ZED_TEXT("LINETYPE05")}});
    const ShoulderSettingsRecord& s = ShoulderSettings;
    EXPECT_EQ(s.PA_Color, 11);
    EXPECT_EQ(s.PA_LType, 1);
    EXPECT_DOUBLE_EQ(s.PA_WidthValue, 10.0);
    EXPECT_DOUBLE_EQ(s.PA_WidthValueDistance, 0.5);
    EXPECT_EQ(s.PA_IsWidthValue, 1);
    EXPECT_EQ(s.PA_IsHoleDraw, 1);
    EXPECT_EQ(s.PA_IsLineDraw, 0);
    EXPECT_EQ(s.PA_HoleLayer, ZED_TEXT("3"));
    EXPECT_EQ(s.PA_HoleWidth, ZED_TEXT("0.5"));
    // Other patterns' values are left alone.
    EXPECT_EQ(Stored(ZED_TEXT("PB_Color")), ZED_TEXT("<missing>"));
    EXPECT_EQ(Stored(ZED_TEXT("mMainLayer")), ZED_TEXT("<missing>"));
}

TEST_F(Loaders, StoredValuesAreConvertedAndKept) {
    Store(ZED_TEXT("PA_WidthValue"), ZED_TEXT("12abc"));
    Store(ZED_TEXT("PA_WidthValueDistance"), ZED_TEXT("abc"));
    Store(ZED_TEXT("PA_IsWidthValue"), ZED_TEXT("true"));
    Store(ZED_TEXT("PA_IsHoleDraw"), ZED_TEXT("01"));
    Store(ZED_TEXT("PA_IsLineDraw"), ZED_TEXT("1"));
    Store(ZED_TEXT("PA_HoleDir"), ZED_TEXT("1"));
    Store(ZED_TEXT("PA_Hole"), ZED_TEXT("2x"));
    Store(ZED_TEXT("PA_HoleLayer"), ZED_TEXT("30:3|50:5"));
    Store(ZED_TEXT("PA_Color"), ZED_TEXT("maincolor03"));
    Store(ZED_TEXT("PA_LType"), ZED_TEXT("LINETYPE99"));
    LoadPatternSettings(Pattern::PlaneA);
    const ShoulderSettingsRecord& s = ShoulderSettings;
    EXPECT_DOUBLE_EQ(s.PA_WidthValue, 12.0);
    EXPECT_DOUBLE_EQ(s.PA_WidthValueDistance, 0.0);
    EXPECT_EQ(s.PA_IsWidthValue, 0);
    EXPECT_EQ(s.PA_IsHoleDraw, 0);
    EXPECT_EQ(s.PA_IsLineDraw, 1);
    EXPECT_EQ(s.PA_HoleDir, 1);
    EXPECT_EQ(s.PA_Hole, build_profile::kShapedHoles ? 2 : 0);
    EXPECT_EQ(s.PA_HoleLayer, ZED_TEXT("30:3|50:5"));
    EXPECT_EQ(s.PA_Color, 2);
    EXPECT_EQ(s.PA_LType, 0);
    // Present values are never replaced, however they read.
    ExpectStored({{ZED_TEXT("PA_WidthValue"), ZED_TEXT("12abc")},
                  {ZED_TEXT("PA_IsWidthValue"), ZED_TEXT("true")},
                  {ZED_TEXT("PA_LType"), ZED_TEXT("LINETYPE99")}});
    // The values that were missing got their defaults.
    ExpectStored({{ZED_TEXT("PA_HoleWidth"), ZED_TEXT("0.5")}, {ZED_TEXT("PA_LineValue"), ZED_TEXT("0")}});
}

TEST_F(Loaders, MainSettingsComeFromTheRegistryWithoutAChooser) {
    ASSERT_FALSE(ChooserExists());
    LoadMainSettings();
    ExpectStored({{ZED_TEXT("mMainProtrude"), ZED_TEXT("1.0")},
                  {ZED_TEXT("mMainWidth"), ZED_TEXT("3.0")},
                  {ZED_TEXT("mMainHeight"), ZED_TEXT("2.0")},
                  {ZED_TEXT("mMainIsLayer"), ZED_TEXT("0")},
                  {ZED_TEXT("mMainLayer"), ZED_TEXT("30|50|60")}});
    EXPECT_DOUBLE_EQ(ShoulderSettings.mMainProtrude, 1.0);
    EXPECT_DOUBLE_EQ(ShoulderSettings.mMainWidth, 3.0);
    EXPECT_DOUBLE_EQ(ShoulderSettings.mMainHeight, 2.0);
    EXPECT_EQ(ShoulderSettings.mMainIsLayer, 0);
    EXPECT_EQ(ShoulderSettings.mMainLayer, ZED_TEXT("30|50|60"));

    Store(ZED_TEXT("mMainProtrude"), ZED_TEXT("2.5"));
    Store(ZED_TEXT("mMainWidth"), ZED_TEXT("8"));
    Store(ZED_TEXT("mMainHeight"), ZED_TEXT("0.75"));
    Store(ZED_TEXT("mMainIsLayer"), ZED_TEXT("1"));
    Store(ZED_TEXT("mMainLayer"), ZED_TEXT("7|8"));
    LoadMainSettings();
    EXPECT_DOUBLE_EQ(ShoulderSettings.mMainProtrude, 2.5);
    EXPECT_DOUBLE_EQ(ShoulderSettings.mMainWidth, 8.0);
    EXPECT_DOUBLE_EQ(ShoulderSettings.mMainHeight, 0.75);
    EXPECT_EQ(ShoulderSettings.mMainIsLayer, 1);
    EXPECT_EQ(ShoulderSettings.mMainLayer, ZED_TEXT("7|8"));
}

TEST_F(Loaders, ALongLayerListIsKept) {
    ZedString layers;
    while (layers.size() < 200) {
        layers += ZED_TEXT("12|");
    }
    layers.resize(200);
    Store(ZED_TEXT("mMainLayer"), layers);
    LoadMainSettings();
    EXPECT_EQ(ShoulderSettings.mMainLayer, layers);
    EXPECT_EQ(Stored(ZED_TEXT("mMainLayer")), layers);
}

TEST_F(Loaders, PlaneDKeepsSlotAndShapeLinesApart) {
    Store(ZED_TEXT("PD_SlotLType"), ZED_TEXT("LINETYPE02"));
    Store(ZED_TEXT("PD_LType"), ZED_TEXT("LINETYPE07"));
    Store(ZED_TEXT("PD_SlotColor"), ZED_TEXT("MAINCOLOR04"));
    Store(ZED_TEXT("PD_Color"), ZED_TEXT("MAINCOLOR09"));
    LoadPatternSettings(Pattern::PlaneD);
    EXPECT_EQ(ShoulderSettings.PD_SlotLType, 4);
    EXPECT_EQ(ShoulderSettings.PD_LType, 3);
    EXPECT_EQ(ShoulderSettings.PD_SlotColor, 3);
    EXPECT_EQ(ShoulderSettings.PD_Color, 8);
}

TEST_F(Loaders, EveryPatternWritesItsOwnDefaults) {
    LoadPatternSettings(Pattern::PlaneB);
    ExpectStored({{ZED_TEXT("PB_IsHoleDraw"), ZED_TEXT("1")},
                  {ZED_TEXT("PB_Hole"), ZED_TEXT("0")},
                  {ZED_TEXT("PB_HoleLayer"), ZED_TEXT("3")},
                  {ZED_TEXT("PB_HoleDir"), ZED_TEXT("0")},
                  {ZED_TEXT("PB_HoleWidth"), ZED_TEXT("0.5")},
                  {ZED_TEXT("PB_IsLineDraw"), ZED_TEXT("0")},
                  {ZED_TEXT("PB_LineValue"), ZED_TEXT("0")},
                  {ZED_TEXT("PB_Color"), ZED_TEXT("MAINCOLOR12")},
                  {ZED_TEXT("PB_LType"), ZED_TEXT("LINETYPE05")}});
    EXPECT_EQ(ShoulderSettings.PB_IsHoleDraw, 1);
    EXPECT_EQ(ShoulderSettings.PB_Color, 11);
    EXPECT_EQ(ShoulderSettings.PB_LType, 1);

    LoadPatternSettings(Pattern::PlaneC);
    ExpectStored({{ZED_TEXT("PC_IsHoleDraw"), ZED_TEXT("1")},
                  {ZED_TEXT("PC_Hole"), ZED_TEXT("0")},
                  {ZED_TEXT("PC_HoleLayer"), ZED_TEXT("3")},
                  {ZED_TEXT("PC_HoleDir"), ZED_TEXT("0")},
                  {ZED_TEXT("PC_HoleWidth"), ZED_TEXT("0.5")},
                  {ZED_TEXT("PC_LineValue"), ZED_TEXT("1")},
                  {ZED_TEXT("PC_Color"), ZED_TEXT("MAINCOLOR12")},
                  {ZED_TEXT("PC_LType"), ZED_TEXT("LINETYPE05")}});
    EXPECT_EQ(Stored(ZED_TEXT("PC_IsLineDraw")), ZED_TEXT("<missing>"));
    EXPECT_EQ(ShoulderSettings.PC_LineValue, 1);

    LoadPatternSettings(Pattern::PlaneD);
    ExpectStored({{ZED_TEXT("PD_IsSlotDraw"), ZED_TEXT("1")},
                  {ZED_TEXT("PD_SlotLayer"), ZED_TEXT("3")},
                  {ZED_TEXT("PD_SlotR"), ZED_TEXT("3.0")},
                  {ZED_TEXT("PD_SlotColor"), ZED_TEXT("MAINCOLOR12")},
                  {ZED_TEXT("PD_SlotLType"), ZED_TEXT("LINETYPE05")},
                  {ZED_TEXT("PD_LineValue"), ZED_TEXT("1")},
                  {ZED_TEXT("PD_Color"), ZED_TEXT("MAINCOLOR12")},
                  {ZED_TEXT("PD_LType"), ZED_TEXT("LINETYPE05")}});
    EXPECT_EQ(ShoulderSettings.PD_SlotR, ZED_TEXT("3.0"));
    EXPECT_EQ(ShoulderSettings.PD_IsSlotDraw, 1);

    LoadPatternSettings(Pattern::SideA);
    ExpectStored({{ZED_TEXT("SA_IsLineDraw"), ZED_TEXT("0")},
                  {ZED_TEXT("SA_LineValue"), ZED_TEXT("0")},
                  {ZED_TEXT("SA_Color"), ZED_TEXT("MAINCOLOR12")},
                  {ZED_TEXT("SA_LType"), ZED_TEXT("LINETYPE05")}});
    EXPECT_EQ(ShoulderSettings.SA_Color, 11);

    LoadPatternSettings(Pattern::SideB);
    ExpectStored({{ZED_TEXT("SB_IsLineDraw"), ZED_TEXT("0")},
                  {ZED_TEXT("SB_LineValue"), ZED_TEXT("0")},
                  {ZED_TEXT("SB_Color"), ZED_TEXT("MAINCOLOR12")},
                  {ZED_TEXT("SB_LType"), ZED_TEXT("LINETYPE05")},
                  {ZED_TEXT("SB_DisplayWidth"), ZED_TEXT("1.5")},
                  {ZED_TEXT("SB_DisplayProtrude"), ZED_TEXT("0.3")},
                  {ZED_TEXT("SB_DisplayColor"), ZED_TEXT("MAINCOLOR12")},
                  {ZED_TEXT("SB_DisplayLType"), ZED_TEXT("LINETYPE05")}});
    EXPECT_DOUBLE_EQ(ShoulderSettings.SB_DisplayWidth, 1.5);
    EXPECT_DOUBLE_EQ(ShoulderSettings.SB_DisplayProtrude, 0.3);
    EXPECT_EQ(ShoulderSettings.SB_DisplayColor, 11);
    EXPECT_EQ(ShoulderSettings.SB_DisplayLType, 1);
}

TEST_F(Loaders, SideBDisplayValuesAreIndependentOfTheLineValues) {
    Store(ZED_TEXT("SB_Color"), ZED_TEXT("MAINCOLOR02"));
    Store(ZED_TEXT("SB_LType"), ZED_TEXT("LINETYPE03"));
    Store(ZED_TEXT("SB_DisplayColor"), ZED_TEXT("MAINCOLOR15"));
    Store(ZED_TEXT("SB_DisplayLType"), ZED_TEXT("LINETYPE08"));
    LoadPatternSettings(Pattern::SideB);
    EXPECT_EQ(ShoulderSettings.SB_Color, 1);
    EXPECT_EQ(ShoulderSettings.SB_LType, 5);
    EXPECT_EQ(ShoulderSettings.SB_DisplayColor, 14);
    EXPECT_EQ(ShoulderSettings.SB_DisplayLType, 7);
}

TEST_F(Loaders, ReloadingFollowsTheRegistry) {
    LoadPatternSettings(Pattern::PlaneA);
    ShoulderSettings.PA_HoleDir = 1;  // the drilling-side toggle changes it in memory only
    Store(ZED_TEXT("PA_Color"), ZED_TEXT("MAINCOLOR16"));
    LoadPatternSettings(Pattern::PlaneA);
    EXPECT_EQ(ShoulderSettings.PA_Color, 15);
    EXPECT_EQ(ShoulderSettings.PA_HoleDir, 0);
}

#ifndef _WIN32
// Making the registry refuse writes needs the portable backend's file; the
// real registry under Windows cannot be made to fail from a test.
TEST_F(Loaders, AFailedWriteBackStillGivesTheDefaults) {
    const std::string blocker = registry_.folder() + "/blocker";
    FILE* file = std::fopen(blocker.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    SetRegistryFilePath(blocker + "/registry.reg");
    LoadPatternSettings(Pattern::PlaneA);
    EXPECT_EQ(ShoulderSettings.PA_Color, 11);
    EXPECT_EQ(ShoulderSettings.PA_LType, 1);
    EXPECT_DOUBLE_EQ(ShoulderSettings.PA_WidthValue, 10.0);
    EXPECT_EQ(ShoulderSettings.PA_IsWidthValue, 1);
}
#endif

#ifdef _WIN32
// A value of another type exists only in the real registry.
TEST_F(Loaders, AValueOfAnotherTypeIsReplacedByTheDefault) {
    const DWORD zero = 0;
    ASSERT_TRUE(registry_.SetRawValue(L"PA_IsHoleDraw", REG_DWORD, &zero, sizeof zero));
    LoadPatternSettings(Pattern::PlaneA);
    EXPECT_EQ(ShoulderSettings.PA_IsHoleDraw, 1);
    EXPECT_EQ(Stored(ZED_TEXT("PA_IsHoleDraw")), ZED_TEXT("1"));
}
#endif

}  // namespace
