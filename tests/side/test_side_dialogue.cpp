// The pick-and-edit dialogue of side patterns A and B through the emulated
// host: each pattern's line-pick prompt, the side patterns' dimension-pick
// filter, the dimensions each offers (A two, B three), a typed value for each,
// and B's typed display length, which the registry does not keep.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/line_pick.h"
#include "base/temporary_elements.h"
#include "geometry/figure_record.h"
#include "tests/side/side_fixture.h"

namespace {

using plate::Pt;

const char* const kDimensionPrompt = "수치변경하실 치수지시 :";
const char* const kValuePrompt = "변경수치 입력 :";

class SideDialogueTest : public SideTest {
protected:
    void SetUp() override {
        SideTest::SetUp();
        Store("mMainHeight", "10.0");
        Store("mMainProtrude", "5.0");
        Store("SB_DisplayWidth", "1.5");
        plate_ = AddPlate(plate::Rectangle(), false);
        ASSERT_TRUE(emu::StartCommand());
    }

    void TearDown() override {
        EXPECT_TRUE(emu::ProtocolErrors().empty());
        SideTest::TearDown();
    }

    static ZedId Slot(int slot) { return TemporaryElements()[slot].id; }

    static double Measured(int slot) {
        const ZedLengthDim d = Dimension(slot);
        return plate::Dist(d.first, d.second);
    }

    ZedId plate_ = -1;
};

TEST_F(SideDialogueTest, EachSidePatternOffersItsDimensionsAndTakesAValueForEach) {
    struct Row {
        const char* keyword;
        const char* prompt;
        std::vector<int> slots;
    };
    const Row rows[] = {
        {"SideA", "<측면도-타입A>턱걸이를 작성할 라인선택 :", {kSlotFirstDimension, kSlotSecondDimension}},
        {"SideB", "<측면도-타입B>턱걸이를 작성할 라인선택 :",
         {kSlotFirstDimension, kSlotSecondDimension, kSlotThirdDimension}},
    };
    for (const Row& row : rows) {
        SetUp();
        ASSERT_TRUE(emu::Type(row.keyword));
        EXPECT_EQ(emu::CurrentPrompt(), row.prompt);
        ASSERT_TRUE(emu::PickAt(2, 0));
        ASSERT_EQ(emu::CurrentPrompt(), kDimensionPrompt) << row.keyword;
        EXPECT_EQ(emu::PickFilter(), (std::vector<int32_t>{4, 0, 1, 0, 0}));
        for (int slot = 1; slot <= kTemporarySlotCount; ++slot) {
            const bool offered = std::count(row.slots.begin(), row.slots.end(), slot) > 0;
            EXPECT_EQ(Slot(slot) > 0, offered) << row.keyword << " slot " << slot;
        }
        // Each offered dimension takes a value and measures it afterwards.
        double value = 3.0;
        for (int slot : row.slots) {
            ASSERT_TRUE(emu::PickElement(Slot(slot)));
            EXPECT_EQ(emu::CurrentPrompt(), kValuePrompt);
            ASSERT_TRUE(emu::Type(std::to_string(value)));
            EXPECT_EQ(emu::CurrentPrompt(), kDimensionPrompt);
            EXPECT_NEAR(Measured(slot), value, 1e-9) << row.keyword << " slot " << slot;
            value += 4.0;
        }
        EXPECT_TRUE(Errors().empty());
        emu::EndCommand();
        TearDown();
    }
}

// A typed display length is the current one until the next SideB keyword
// loads the registry's again.
TEST_F(SideDialogueTest, ATypedDisplayLengthLastsUntilTheSettingsAreLoadedAgain) {
    ASSERT_TRUE(emu::Type("SideB"));
    ASSERT_TRUE(emu::PickAt(2, 0));
    ASSERT_TRUE(emu::PickElement(Slot(kSlotThirdDimension)));
    ASSERT_TRUE(emu::Type("4"));
    EXPECT_EQ(ShoulderSettings.SB_DisplayWidth, 4.0);
    EXPECT_EQ(Stored("SB_DisplayWidth"), "1.5");
    emu::EndCommand();

    ASSERT_TRUE(emu::StartCommand());
    ASSERT_TRUE(emu::Type("SideB"));
    EXPECT_EQ(ShoulderSettings.SB_DisplayWidth, 1.5);
    emu::EndCommand();
}

}  // namespace
