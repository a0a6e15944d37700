// The pick-and-edit dialogue of plan patterns C and D through the emulated
// host: each pattern's line-pick prompt and dimension-pick filter, the
// temporaries each offers (C: its depth dimension and the two hole notes; D:
// its depth and slot radius dimensions), and a radius dimension (kind 16),
// which only pattern D's rebuild takes.
#include <gtest/gtest.h>

#include "base/line_pick.h"
#include "base/temporary_elements.h"
#include "geometry/figure_record.h"
#include "holes/slot.h"
#include "tests/dialogue/dialogue_prompts.h"
#include "tests/planea/planea_fixture.h"

namespace {

using plate::Pt;


class PlaneCDDialogueTest : public PlaneATest {
protected:
    void SetUp() override {
        PlaneATest::SetUp();
        Store("mMainProtrude", "5.0");
        Store("PC_IsHoleDraw", "1");
        Store("PC_HoleLayer", "3");
        Store("PC_HoleWidth", "0.5");
        Store("PD_IsSlotDraw", "1");
        Store("PD_SlotLayer", "3");
        Store("PD_SlotR", "3.0");
        plate_ = AddPlate(plate::Rectangle(), false);
        ASSERT_TRUE(emu::StartCommand());
    }

    void TearDown() override {
        EXPECT_TRUE(emu::ProtocolErrors().empty());
        PlaneATest::TearDown();
    }

    void BuildWith(const char* keyword, const char* prompt) {
        ASSERT_TRUE(emu::Type(keyword));
        EXPECT_EQ(emu::CurrentPrompt(), prompt);
        ASSERT_TRUE(emu::PickElement(plate::LineBetween(plate_, Pt(0, 0), Pt(100, 0))));
        ASSERT_EQ(emu::CurrentPrompt(), kDimensionPrompt);
        emu::ClearMessages();
    }

    static ZedId Slot(int slot) { return TemporaryElements()[slot].id; }

    // A radius dimension on an arc of its own, outside the shoulder.
    static ZedId StrayRadiusDimension() {
        const ZedId arcSegment = emu::AddOutline(0, {MakeArc(Pt(200, 200), Pt(205, 200), Pt(200, 205), 5.0, 1)}, false);
        ZedRadiusDim record{};
        record.flag4 = 1;
        record.arcElement = emu::Chain(arcSegment).front();
        record.textPoint = Pt(215, 200);
        return ZedDimCreateRadius(ZedSgmCreateSegment(ZED_SGM_DIMENSION, 0), &record);
    }

    ZedId plate_ = -1;
};

TEST_F(PlaneCDDialogueTest, PlaneCOffersItsDepthDimensionAndTheTwoHoleNotes) {
    BuildWith("PlaneC", "<평면도-타입C>턱걸이를 작성할 라인선택 :");
    EXPECT_EQ(emu::PickFilter(), (std::vector<int32_t>{12, 0, 1, 8, 0}));
    for (int slot : {kSlotFirstDimension, kSlotSideNote, kSlotDepthNote}) {
        EXPECT_GT(Slot(slot), 0) << slot;
    }
    for (int slot : {kSlotSecondDimension, kSlotThirdDimension}) {
        EXPECT_EQ(Slot(slot), 0) << slot;
    }
    // The drilling-side note toggles and stays; the depth note asks for a depth.
    ASSERT_TRUE(emu::PickElement(Slot(kSlotSideNote)));
    EXPECT_EQ(emu::CurrentPrompt(), kDimensionPrompt);
    EXPECT_EQ(emu::NoteText(Slot(kSlotSideNote)), "하면");
    ASSERT_TRUE(emu::PickElement(Slot(kSlotDepthNote)));
    EXPECT_EQ(Picks().editMode, kEditDepthNote);
    ASSERT_TRUE(emu::Type("3.5"));
    EXPECT_EQ(emu::NoteText(Slot(kSlotDepthNote)), "깊이:3.5");
    // The depth dimension takes a new depth.
    ASSERT_TRUE(emu::PickElement(Slot(kSlotFirstDimension)));
    EXPECT_EQ(emu::CurrentPrompt(), kValuePrompt);
    ASSERT_TRUE(emu::Type("8"));
    EXPECT_EQ(emu::CurrentPrompt(), kDimensionPrompt);
    EXPECT_NEAR(LineEnd(Shoulder().firstSide.record).y, -8.0, 1e-9);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(PlaneCDDialogueTest, PlaneDOffersItsDepthAndRadiusDimensions) {
    BuildWith("PlaneD", "<평면도-타입D>턱걸이를 작성할 라인선택 :");
    EXPECT_EQ(emu::PickFilter(), (std::vector<int32_t>{4, 0, 17, 0, 0}));
    EXPECT_EQ(Slot(kSlotSideNote), 0);
    EXPECT_EQ(Slot(kSlotDepthNote), 0);
    ASSERT_TRUE(emu::PickElement(Slot(kSlotSecondDimension)));
    EXPECT_EQ(Picks().editMode, kEditSecond);
    ASSERT_TRUE(emu::Type("4"));
    EXPECT_EQ(emu::CurrentPrompt(), kDimensionPrompt);
    EXPECT_DOUBLE_EQ(ArcRadius(::Slot().arcAtStart.record), 4.0);
    ASSERT_TRUE(emu::PickElement(Slot(kSlotFirstDimension)));
    ASSERT_TRUE(emu::Type("7"));
    EXPECT_NEAR(LineEnd(Shoulder().firstSide.record).y, -7.0, 1e-9);
    EXPECT_TRUE(Errors().empty());
}

// A radius dimension read back where pattern C's depth dimension was picked
// is not its kind: the typed value leaves the shoulder as it is, without a
// message, and the dialogue waits for a dimension again. Pattern D's takes its
// radius (above).
TEST_F(PlaneCDDialogueTest, OnlyPlaneDTakesARadiusDimension) {
    BuildWith("PlaneC", "<평면도-타입C>턱걸이를 작성할 라인선택 :");
    ASSERT_TRUE(emu::PickElement(Slot(kSlotFirstDimension)));
    ASSERT_EQ(emu::CurrentPrompt(), kValuePrompt);
    Picks().pickedTemporary.id = StrayRadiusDimension();
    const std::string drawing = emu::Dump();
    ASSERT_TRUE(emu::Type("8"));
    EXPECT_EQ(emu::CurrentPrompt(), kDimensionPrompt);
    EXPECT_EQ(emu::Dump(), drawing);
    EXPECT_NEAR(LineEnd(Shoulder().firstSide.record).y, -5.0, 1e-9);
    EXPECT_TRUE(Errors().empty());
}

}  // namespace
