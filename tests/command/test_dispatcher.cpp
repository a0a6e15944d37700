// The keyword dispatcher at the pattern prompt, driven through the emulated
// host as a user would type: which texts are keywords, which are layer
// numbers, and which end the command.
#include <gtest/gtest.h>

#include "base/build_profile.h"
#include "emuhost/emu_api.h"
#include "settings/shoulder_settings.h"
#include "tests/support/plugin_test.h"
#include "ui/chooser_dialog.h"
#include "ui/chooser_instance.h"
#include "ui/chooser_layout.h"
#include "ui/headless.h"

namespace {

// The chooser writes every panel default at the first start, so whether a
// pattern's settings were loaded shows in ShoulderSettings, not in the registry.
class DispatcherTest : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        for (int layer : {0, 30, 50, 60}) {
            emu::AddLayer(layer);
        }
        StartCommand();
    }
};

TEST_F(DispatcherTest, StartPutsUpThePatternPromptAndListensForTextAndClicks) {
    EXPECT_EQ(emu::CurrentPrompt(), "턱걸이타입선택 :");
    // The older host gets typed text alone.
    EXPECT_EQ(emu::EventMask(), build_profile::kLegacy ? ZED_MASK_KEYIN : ZED_MASK_KEYIN | ZED_MASK_POINT);
    EXPECT_TRUE(emu::CommandActive());
}

TEST_F(DispatcherTest, PatternKeywordsAreRecognisedInAnyCase) {
    // A recognised pattern keyword loads that pattern's settings, which writes
    // its missing values back with their defaults.
    for (const char* typed : {"planea", "PLANEA", "pLaNeA"}) {
        emu::Reset();
        SetUp();
        emu::Type(typed);
        EXPECT_EQ(Stored("PA_WidthValue"), "10.0") << typed;
    }
}

TEST_F(DispatcherTest, NearMissesOfAKeywordEndTheCommandWithoutLoadingIt) {
    for (const char* typed : {"Plane A", "PlaneA ", " PlaneA", "PlaneAB", "Plane"}) {
        emu::Reset();
        SetUp();
        emu::Type(typed);
        EXPECT_FALSE(emu::CommandActive()) << typed;
        EXPECT_EQ(ShoulderSettings.PA_WidthValue, 0.0) << typed;
        EXPECT_TRUE(TextsOn(emu::Channel::Error).empty()) << typed;
    }
}

TEST_F(DispatcherTest, EveryTypedStringLoadsTheSharedSettings) {
    emu::Type("30");
    EXPECT_EQ(Stored("mMainLayer"), "30|50|60");
    EXPECT_EQ(Stored("mMainProtrude"), "1.0");
}

TEST_F(DispatcherTest, EachPatternLoadsOnlyItsOwnSettings) {
    emu::Type("PlaneD");
    EXPECT_EQ(emu::ToUtf8(ShoulderSettings.PD_SlotR.c_str()), "3.0");
    EXPECT_TRUE(ShoulderSettings.PA_HoleWidth.empty());
    EXPECT_EQ(ShoulderSettings.SB_DisplayWidth, 0.0);
}

TEST_F(DispatcherTest, SideCAndSideDReloadOnlyTheSharedSettings) {
    for (const char* keyword : {"SideC", "sided"}) {
        emu::Reset();
        SetUp();
        emu::Type(keyword);
        EXPECT_EQ(ShoulderSettings.mMainWidth, 3.0) << keyword;
        const ShoulderSettingsRecord& s = ShoulderSettings;
        for (const ZedString* text : {&s.PA_HoleWidth, &s.PB_HoleWidth, &s.PC_HoleWidth, &s.PD_SlotR}) {
            EXPECT_TRUE(text->empty()) << keyword;
        }
        EXPECT_EQ(s.SA_Color, 0) << keyword;
        EXPECT_EQ(s.SB_Color, 0) << keyword;
    }
}

TEST_F(DispatcherTest, TextsThatAreNoPositiveNumberEndTheCommandSilently) {
    for (const char* typed : {"0", "-3", "abc", ""}) {
        emu::Reset();
        SetUp();
        EXPECT_TRUE(emu::Type(typed));
        EXPECT_FALSE(emu::CommandActive()) << typed;
        EXPECT_TRUE(TextsOn(emu::Channel::Error).empty()) << typed;
        EXPECT_TRUE(TextsOn(emu::Channel::MessageBox).empty()) << typed;
    }
}

TEST_F(DispatcherTest, ALayerNumberKeepsThePromptAndLeavesOnlyThatLayerPickable) {
    for (const char* typed : {"30", "30abc"}) {
        emu::Reset();
        SetUp();
        emu::Type(typed);
        EXPECT_TRUE(emu::CommandActive()) << typed;
        EXPECT_EQ(emu::CurrentPrompt(), "턱걸이타입선택 :");
        EXPECT_EQ(ZedLyrGetDetection(30), 1) << typed;
        for (int other : {0, 50, 60}) {
            EXPECT_EQ(ZedLyrGetDetection(other), 0) << typed << " layer " << other;
        }
    }
}

TEST_F(DispatcherTest, ALayerNumberThatNamesNoLayerLeavesNothingPickableUntilTheEnd) {
    emu::Type("77");
    EXPECT_TRUE(emu::CommandActive());
    for (int layer : {0, 30, 50, 60}) {
        EXPECT_EQ(ZedLyrGetDetection(layer), 0);
    }
    emu::EndCommand();
    for (int layer : {0, 30, 50, 60}) {
        EXPECT_EQ(ZedLyrGetDetection(layer), 1);
    }
}

TEST_F(DispatcherTest, AClickAtThePatternPromptEndsTheCommand) {
    if constexpr (build_profile::kLegacy) {
        GTEST_SKIP() << "the legacy build does not listen for clicks at the pattern prompt";
    }
    EXPECT_TRUE(emu::PickAt(5.0, 5.0));
    EXPECT_FALSE(emu::CommandActive());
    EXPECT_TRUE(emu::ProtocolErrors().empty());
}

TEST_F(DispatcherTest, DeleteTouchesNoLayer) {
    headless::Click(ChooserInstance()->Window(), kIdcIsLayer);  // the layer filter on
    emu::Type("Delete");
    for (int layer : {0, 30, 50, 60}) {
        EXPECT_EQ(ZedLyrGetDetection(layer), 1) << layer;
    }
    EXPECT_TRUE(ShoulderSettings.PA_HoleWidth.empty());
    // Delete mode, or in the legacy build the end of the command like any
    // other text that is no keyword.
    EXPECT_EQ(emu::CommandActive(), build_profile::kTagging);
}

}  // namespace
