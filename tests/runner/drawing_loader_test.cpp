// Laying a drawing file out in the emulated host.
#include "runner/drawing_loader.h"

#include <gtest/gtest.h>

#include "emuhost/emu_api.h"
#include "runner/drawing_file.h"

namespace runner {
namespace {

class ZedrunnerLoaderTest : public testing::Test {
protected:
    void SetUp() override { emu::Reset(); }
    void TearDown() override { emu::Reset(); }

    std::optional<LoadedDrawing> Load(const std::string& text, SourceError& error) {
        const std::optional<DrawingFile> drawing = ParseDrawing(text, "test.drw", error);
        EXPECT_TRUE(drawing.has_value()) << error.ToString();
        if (!drawing) {
            return std::nullopt;
        }
        return LoadDrawing(*drawing, "test.drw", error);
    }
};

TEST_F(ZedrunnerLoaderTest, MakesOneSegmentPerShapeWithItsCornersAndColours) {
    SourceError error;
    const std::optional<LoadedDrawing> loaded = Load(
        "layer 1 colour 4\n"
        "layer 2 colour 6 detect 0\n"
        "current-layer 2\n"
        "outline layer 1\n"
        "  line 0 0 100 0\n  fillet 10\n  line 100 0 100 50 reversed\n  chamfer 5\n"
        "  line 100 50 0 50\n  line 0 50 0 0\n"
        "  attribute 40270 text \"SymbolShoulder\"\n  attribute 40272 integer -7\n"
        "end\n"
        "circle 50 25 5 colour 9 linetype 2\n"
        "outline open\n  line 0 60 50 60\n  arc 50 70 50 60 60 70 ccw\nend\n",
        error);
    ASSERT_TRUE(loaded.has_value()) << error.ToString();
    ASSERT_EQ(loaded->shapeSegments.size(), 3u);
    const ZedId plate = loaded->shapeSegments[0], circle = loaded->shapeSegments[1], open = loaded->shapeSegments[2];

    EXPECT_EQ(emu::SegmentLayer(plate), 1);
    EXPECT_TRUE(emu::SegmentClosed(plate));
    const std::vector<ZedId> chain = emu::Chain(plate);
    ASSERT_EQ(chain.size(), 6u);
    EXPECT_EQ(emu::FigureOf(chain[1]).kind, ZED_FIG_FILLET);
    EXPECT_EQ(emu::FigureOf(chain[3]).kind, ZED_FIG_CHAMFER);
    // Written the chain's way, stored the other: cut back by both corners at the right ends.
    EXPECT_TRUE(emu::StoredReversed(chain[2]));
    EXPECT_FALSE(emu::StoredReversed(chain[0]));
    const ZedFigure right = emu::FigureOf(chain[2]);
    EXPECT_DOUBLE_EQ(right.v[1], 45.0);
    EXPECT_DOUBLE_EQ(right.v[3], 10.0);
    EXPECT_EQ(emu::AttributesOf(chain[0]).colour, 4);  // the layer's colour
    EXPECT_EQ(emu::AttributeText(plate, 40270), "SymbolShoulder");
    EXPECT_EQ(emu::AttributeText(plate, 40272), "-7");
    EXPECT_EQ(emu::CheckAllIntegrity(), "");

    EXPECT_EQ(emu::SegmentLayer(circle), 2);  // the current layer
    ASSERT_EQ(emu::Chain(circle).size(), 1u);
    EXPECT_EQ(emu::FigureOf(emu::Chain(circle)[0]).kind, ZED_FIG_CIRCLE);
    EXPECT_EQ(emu::AttributesOf(emu::Chain(circle)[0]).colour, 9);
    EXPECT_EQ(emu::AttributesOf(emu::Chain(circle)[0]).lineType, 2);

    EXPECT_FALSE(emu::SegmentClosed(open));
    const std::vector<ZedId> openChain = emu::Chain(open);
    ASSERT_EQ(openChain.size(), 2u);
    EXPECT_EQ(emu::ArcFlag(emu::FigureOf(openChain[1])), ZED_ARC_CCW);

    // The drawing's layers and current layer are the file's.
    EXPECT_EQ(ZedLyrGetColor(2), 6);
    EXPECT_EQ(ZedLyrGetDetection(2), 0);
    EXPECT_EQ(emu::SegmentLayer(ZedSgmCreateSegment(ZED_SGM_DIMENSION, 0)), 2);
}

TEST_F(ZedrunnerLoaderTest, ReportsACornerTheHostRefusesAtItsLine) {
    SourceError error;
    EXPECT_FALSE(Load("outline\n line 0 0 10 0\n line 10 0 10 10\n fillet 30\n line 10 10 0 0\nend\n", error));
    EXPECT_EQ(error.ToString(),
              "test.drw:4: the host cannot make a fillet of radius 30 at this corner (it needs two lines that meet "
              "there and are long enough)");

    emu::Reset();
    EXPECT_FALSE(Load("outline open\n line 0 0 10 0\n chamfer 1\n arc 10 5 10 0 15 5 ccw\nend\n", error));
    EXPECT_EQ(error.line, 3);
}

// Found by the drawing-file fuzzer: a closed outline that runs back over
// itself was laid out as an unsound drawing.
TEST_F(ZedrunnerLoaderTest, RefusesAClosedOutlineThatMeetsItself) {
    for (const char* text : {"outline closed\n line 0 0 120 0\n line 120 0 0 0\nend\n",
                             "outline\n line 0 0 10 10\n line 10 10 10 0\n line 10 0 0 10\n line 0 10 0 0\nend\n"}) {
        emu::Reset();
        SourceError error;
        EXPECT_FALSE(Load(text, error)) << text;
        EXPECT_EQ(error.line, 1) << text;
        EXPECT_NE(error.message.find("not a simple chain"), std::string::npos) << error.message;
        EXPECT_EQ(emu::CheckAllIntegrity(), "") << text;
    }
}

}  // namespace
}  // namespace runner
