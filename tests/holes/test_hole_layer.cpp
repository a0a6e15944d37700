// The hole layer from a pattern's layer text and the outline's layer.
#include <gtest/gtest.h>

#include "base/messages.h"
#include "geometry/shoulder_memory.h"
#include "holes/hole_layer.h"
#include "holes/mc_hole.h"
#include "settings/shoulder_settings.h"
#include "tests/holes/hole_fixture.h"

namespace {

class HoleLayer : public HoleTest {
protected:
    // The hole layer for an outline on the layer, or -1 when it fails.
    ZedId Resolve(int outlineLayer, const char* text) {
        const ZedId outline = AddPlate(outlineLayer);
        ZedId layer = -1;
        return ResolveHoleLayer(outline, emu::FromUtf8(text), layer) ? layer : -1;
    }
    static std::vector<std::string> Boxes() { return TextsOn(emu::Channel::MessageBox); }
};

TEST_F(HoleLayer, ASingleNumberIsTheLayerWhateverTheOutline) {
    EXPECT_EQ(Resolve(50, "3"), 3);
    EXPECT_EQ(Resolve(60, "3"), 3);
    EXPECT_TRUE(emu::Messages().empty());
}

TEST_F(HoleLayer, PairsGiveTheHoleLayerOfTheOutlinesLayer) {
    EXPECT_EQ(Resolve(50, "30:3|50:5"), 5);
    EXPECT_EQ(Resolve(30, "30:3|50:5"), 3);
}

TEST_F(HoleLayer, ALonePairIsReadAsOneNumber) { EXPECT_EQ(Resolve(50, "30:3"), 30); }

TEST_F(HoleLayer, TheLastMatchingPairWins) { EXPECT_EQ(Resolve(30, "30:3|30:4"), 4); }

TEST_F(HoleLayer, ABarBeforeOneNumberReadsTheWholeTextAsZero) { EXPECT_EQ(Resolve(50, "|3"), 0); }

TEST_F(HoleLayer, PiecesThatAreNotPairsNeverMatch) {
    EXPECT_EQ(Resolve(50, "50|50:"), -1);
    EXPECT_EQ(Resolve(50, "50:5:6|30:3"), -1);
    EXPECT_EQ(Boxes().size(), 2u);
}

TEST_F(HoleLayer, AnEmptyTextOrOnlyABarShowsTheLayerMessage) {
    EXPECT_EQ(Resolve(50, ""), -1);
    EXPECT_EQ(Resolve(50, "|"), -1);
    EXPECT_EQ(Boxes(), std::vector<std::string>(2, Utf8(kMsgHoleLayerNotResolved)));
}

TEST_F(HoleLayer, NoMatchingPairMakesNoHole) {
    ShoulderSettings.PA_HoleLayer = ZED_TEXT("30:3|50:5");
    const ZedId outline = AddPlate(60);
    EXPECT_FALSE(CreateMcHole(outline, {20, 10}, 4, Pattern::PlaneA));
    EXPECT_EQ(Boxes(), std::vector<std::string>{Utf8(kMsgHoleLayerNotResolved)});
    EXPECT_TRUE(emu::HoleIds().empty());
    EXPECT_EQ(emu::LiveHoleData(), 0);
}

TEST_F(HoleLayer, TheHoleGoesOnTheResolvedLayer) {
    ShoulderSettings.PA_HoleLayer = ZED_TEXT("30:3|50:5");
    ASSERT_TRUE(CreateMcHole(plate_, {20, 10}, 4, Pattern::PlaneA));
    EXPECT_EQ(ShapeOf(CurrentHole()).layer, 5);
    EXPECT_EQ(emu::SegmentLayer(Shoulder().holeSegment), 5);
}

}  // namespace
