// Side pattern D through the emulated host: its line pick draws nothing. A
// closed outline's line gives the pattern's message box, an open one the
// error line; either way the command ends with the drawing and the layers'
// pick states as they were before the keyword.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/planea/planea_fixture.h"

namespace {

using plate::Pt;

struct SideDRow {
    const char* name;
    bool layerFilter;  // the listed-layer option narrows picking to the plate's layer
    bool closed;
};

void PrintTo(const SideDRow& row, std::ostream* out) { *out << row.name; }

class SideDDialogueTest : public PlaneATest, public ::testing::WithParamInterface<SideDRow> {
protected:
    static std::vector<int> Detections() {
        std::vector<int> states;
        for (int layer : {0, kPlateLayer, kHoleLayer}) {
            states.push_back(ZedLyrGetDetection(layer));
        }
        return states;
    }
};

TEST_P(SideDDialogueTest, ThePickEndsTheCommandWithNothingDrawn) {
    const SideDRow& row = GetParam();
    if (row.layerFilter) {
        Store("mMainIsLayer", "1");
        Store("mMainLayer", "50");
    }
    const ZedId outline = row.closed ? AddPlate(plate::Rectangle(), false)
                                     : emu::AddOutline(kPlateLayer, {emu::Line(0, 0, 100, 0)}, false);
    const std::vector<int> layers = Detections();
    const std::string drawing = emu::Dump();
    ASSERT_TRUE(emu::StartCommand());
    ASSERT_TRUE(emu::Type("SideD"));
    EXPECT_EQ(emu::CurrentPrompt(), "<측면도-타입D>턱걸이를 작성할 라인선택 :");
    EXPECT_EQ(emu::PickFilter(), (std::vector<int32_t>{2, 1, 0, 0, 0}));
    ASSERT_TRUE(emu::PickElement(emu::Chain(outline).front()));

    EXPECT_FALSE(emu::CommandActive());
    const std::vector<std::string> box =
        row.closed ? std::vector<std::string>{"Select_SideD_Fig_Main"} : std::vector<std::string>{};
    const std::vector<std::string> error =
        row.closed ? std::vector<std::string>{} : std::vector<std::string>{"닫힌 연결선 형상을 선택하셔야 합니다."};
    EXPECT_EQ(TextsOn(emu::Channel::MessageBox), box);
    EXPECT_EQ(Errors(), error);
    EXPECT_EQ(emu::Dump(), drawing);
    EXPECT_EQ(Detections(), layers);
    EXPECT_TRUE(emu::ProtocolErrors().empty());
}

INSTANTIATE_TEST_SUITE_P(Picks, SideDDialogueTest,
                         ::testing::Values(SideDRow{"ClosedOutline", false, true},
                                           SideDRow{"ClosedOutlineWithListedLayers", true, true},
                                           SideDRow{"OpenOutlineWithListedLayers", true, false}),
                         [](const ::testing::TestParamInfo<SideDRow>& info) { return std::string(info.param.name); });

}  // namespace
