// Side pattern C's dialogue through the emulated host: the keyword leads to
// its line pick, the built recess offers its three dimensions (slots 7, 6
// and 5) at the side patterns' dimension pick, and each typed value reaches
// the rebuild for that dimension.
#include <gtest/gtest.h>

#include "base/line_pick.h"
#include "base/temporary_elements.h"
#include "geometry/figure_record.h"
#include "geometry/remembered_shoulder.h"
#include "tests/planea/planea_fixture.h"

namespace {

using plate::Pt;

class SideCDialogueTest : public PlaneATest {
protected:
    void SetUp() override {
        PlaneATest::SetUp();
        Store("mMainWidth", "3.0");
        Store("mMainProtrude", "1.0");
        plate_ = AddPlate(plate::Rectangle(), false);
        ASSERT_TRUE(emu::StartCommand());
    }

    void TearDown() override {
        EXPECT_TRUE(emu::ProtocolErrors().empty());
        PlaneATest::TearDown();
    }

    ZedId plate_ = -1;
};

TEST_F(SideCDialogueTest, SideCOffersThreeDimensionsAndEachTakesItsValue) {
    ASSERT_TRUE(emu::Type("SideC"));
    EXPECT_EQ(emu::CurrentPrompt(), "<측면도-타입C>턱걸이를 작성할 라인선택 :");
    ASSERT_TRUE(emu::PickAt(3.0, 0.0));
    ASSERT_EQ(emu::CurrentPrompt(), "수치변경하실 치수지시 :");
    EXPECT_EQ(emu::PickFilter(), (std::vector<int32_t>{4, 0, 1, 0, 0}));
    EXPECT_EQ(TemporaryElements()[kSlotSideNote].id, 0);
    EXPECT_EQ(TemporaryElements()[kSlotDepthNote].id, 0);
    // Mouth 2.5 to 5.5 from (0, 0), measured from there.
    struct Entry {
        int slot;
        int editMode;
        const char* typed;
    };
    for (const Entry entry : {Entry{kSlotFirstDimension, kEditFirst, "2"}, Entry{kSlotSecondDimension, kEditSecond, "4"},
                              Entry{kSlotThirdDimension, kEditThird, "6"}}) {
        ASSERT_TRUE(emu::PickElement(TemporaryElements()[entry.slot].id)) << entry.slot;
        EXPECT_EQ(Picks().editMode, entry.editMode);
        EXPECT_EQ(emu::CurrentPrompt(), "변경수치 입력 :");
        ASSERT_TRUE(emu::Type(entry.typed));
        EXPECT_EQ(emu::CurrentPrompt(), "수치변경하실 치수지시 :");
    }
    const ShoulderCorners c = CornersOf(Shoulder());
    EXPECT_TRUE(plate::Near(c.p1, Pt(6, 0)));
    EXPECT_TRUE(plate::Near(c.q1, Pt(6, 2)));
    EXPECT_TRUE(plate::Near(c.q2, Pt(10, 2)));
    EXPECT_TRUE(plate::Near(c.p2, Pt(10, 0)));
    EXPECT_TRUE(Errors().empty());
}

}  // namespace
