// The layer step of a pattern keyword and the putting back of the layers'
// pick state: whatever is typed, once the command ends every layer is as it
// was before the command touched it.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "base/split_text.h"
#include "command/layer_states.h"
#include "emuhost/emu_api.h"
#include "tests/support/plugin_test.h"

namespace {

struct LayerLook {
    int visible, detect, colour;
    std::string name;
    bool operator==(const LayerLook&) const = default;
};

void PrintTo(const LayerLook& look, std::ostream* out) {
    *out << "{visible " << look.visible << ", detect " << look.detect << ", colour " << look.colour << ", \""
         << look.name << "\"}";
}

LayerLook Look(int layer) {
    ZedChar name[128] = {};
    ZedLyrGetName(layer, name, 128);
    return {ZedLyrGetVisibility(layer), ZedLyrGetDetection(layer), ZedLyrGetColor(layer), emu::ToUtf8(name)};
}

class LayerStepTest : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        // A mix of states, so that restoring "everything on" would be caught.
        emu::AddLayer(0, "외형", 1, true, true);
        emu::AddLayer(30, "Plate", 2, true, false);
        emu::AddLayer(50, "Holes", 3, false, true);
        emu::AddLayer(60, "Notes", 4, true, true);
        emu::AddLayer(70, "Hidden", 5, false, false);
        for (int layer : kLayers) {
            before_.push_back(Look(layer));
        }
    }
    void ExpectLayersAsBefore() {
        for (size_t i = 0; i < kLayers.size(); ++i) {
            EXPECT_EQ(Look(kLayers[i]), before_[i]) << "layer " << kLayers[i];
        }
    }
    static constexpr std::array<int, 5> kLayers = {0, 30, 50, 60, 70};
    std::vector<LayerLook> before_;
};

TEST_F(LayerStepTest, WithTheFilterOnOnlyTheListedLayersArePickable) {
    Store("mMainIsLayer", "1");
    Store("mMainLayer", "30|50|60");
    StartCommand();
    emu::Type("PlaneA");
    for (int layer : kLayers) {
        EXPECT_EQ(ZedLyrGetDetection(layer), layer == 30 || layer == 50 || layer == 60 ? 1 : 0) << layer;
    }
    // A second keyword narrows again without a second snapshot.
    emu::Type("PlaneA");
    emu::EndCommand();
    ExpectLayersAsBefore();
    EXPECT_FALSE(LayerSnapshotState().changed);
}

TEST_F(LayerStepTest, NarrowingHoldsWhileTheLinePickWaits) {
    // Empty pieces of the list add no layer.
    Store("mMainIsLayer", "1");
    Store("mMainLayer", "||30||60|");
    StartCommand();
    emu::Type("PlaneA");
    ASSERT_TRUE(emu::CommandActive());
    EXPECT_EQ(ZedLyrGetDetection(30), 1);
    EXPECT_EQ(ZedLyrGetDetection(60), 1);
    EXPECT_EQ(ZedLyrGetDetection(0), 0);
    EXPECT_EQ(ZedLyrGetDetection(50), 0);
    EXPECT_EQ(ZedLyrGetDetection(70), 0);
    emu::EndCommand();
    ExpectLayersAsBefore();
}

TEST_F(LayerStepTest, WithTheFilterOffNoLayerChanges) {
    Store("mMainIsLayer", "0");
    StartCommand();
    emu::ResetCallLog();
    emu::Type("PlaneA");
    for (const std::string& call : emu::CallLog()) {
        EXPECT_NE(call, "ZedLyrSetDetection");
    }
    ExpectLayersAsBefore();
}

TEST_F(LayerStepTest, LayersComeBackAfterATypedLayerNumberFollowedByAKeyword) {
    // The snapshot is taken before the typed number narrows picking, and the
    // keyword's layer step does not take a second one over it.
    Store("mMainIsLayer", "1");
    StartCommand();
    emu::Type("60");
    emu::Type("SideA");
    emu::EndCommand();
    ExpectLayersAsBefore();
}

TEST_F(LayerStepTest, LayersComeBackAfterALayerNumberWithTheFilterOff) {
    Store("mMainIsLayer", "0");
    StartCommand();
    emu::Type("50");
    emu::Type("30");
    emu::Type("PlaneA");
    emu::EndCommand();
    ExpectLayersAsBefore();
}

TEST_F(LayerStepTest, LayersThatVanishDuringTheCommandAreSkipped) {
    // Layer 70 is in the snapshot the keyword takes, and the user removes it
    // while the line pick waits: putting the layers back leaves it alone and
    // restores every other layer.
    Store("mMainIsLayer", "1");
    Store("mMainLayer", "30");
    StartCommand();
    emu::Type("PlaneA");
    ASSERT_TRUE(emu::RemoveLayer(70));
    emu::ResetCallLog();
    emu::EndCommand();

    EXPECT_FALSE(ZedLyrHasLayer(70));
    for (size_t i = 0; i + 1 < kLayers.size(); ++i) {
        EXPECT_EQ(Look(kLayers[i]), before_[i]) << "layer " << kLayers[i];
    }
    // No call is made for the layer that is gone: four setters for each of the
    // four layers left.
    const std::vector<std::string> calls = emu::CallLog();
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const std::string& call) { return call.rfind("ZedLyrSet", 0) == 0; }),
              16);
}

TEST_F(LayerStepTest, SnapshotHoldsEveryLayerHoweverMany) {
    for (int layer = 100; layer < 350; ++layer) {
        emu::AddLayer(layer, "L" + std::to_string(layer), layer % 16, layer % 2 == 0, layer % 3 == 0);
    }
    ASSERT_TRUE(SaveLayerStates());
    EXPECT_EQ(LayerSnapshotState().layers.size(), 255u);
    DisableAllLayerDetection();
    ZedLyrSetColor(349, 0);
    RestoreLayerStates();
    EXPECT_EQ(ZedLyrGetDetection(348), 1);
    EXPECT_EQ(ZedLyrGetDetection(349), 0);
    EXPECT_EQ(ZedLyrGetColor(349), 349 % 16);
    EXPECT_EQ(emu::LiveHostMemory(), 0);
}

TEST_F(LayerStepTest, LongLayerNamesAreRestoredWhole) {
    const std::string longName(300, 'n');
    emu::AddLayer(80, longName);
    ASSERT_TRUE(SaveLayerStates());
    ZedLyrSetName(80, emu::FromUtf8("short").c_str());
    RestoreLayerStates();
    EXPECT_EQ(Look(80).name.size(), 127u);  // what Look's buffer holds
    ZedChar name[512] = {};
    EXPECT_EQ(ZedLyrGetName(80, name, 512), 300);
    EXPECT_EQ(emu::ToUtf8(name), longName);
}

TEST_F(LayerStepTest, NoLayersGivesAnEmptySnapshotAndTheStepGoesOn) {
    emu::Reset();
    EXPECT_FALSE(SaveLayerStates());
    EXPECT_TRUE(LayerSnapshotState().layers.empty());
}

TEST(SplitText, DropsEmptyPiecesAndCountsWhatItAppended) {
    std::vector<ZedString> pieces{emu::FromUtf8("stale")};
    EXPECT_EQ(SplitText(ZED_TEXT('|'), emu::FromUtf8("|30||50|"), pieces), 2);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(emu::ToUtf8(pieces[0].c_str()), "30");
    EXPECT_EQ(emu::ToUtf8(pieces[1].c_str()), "50");
    EXPECT_EQ(SplitText(ZED_TEXT('|'), ZedString(), pieces), 0);
    EXPECT_TRUE(pieces.empty());
    EXPECT_EQ(SplitText(ZED_TEXT(':'), emu::FromUtf8("30:3"), pieces), 2);
}

}  // namespace
