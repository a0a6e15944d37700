// BuildPlaneA on short lines: a line exactly as long as the width is inset by
// the end distance; without an end distance it is replaced whole (also next
// to filleted and chamfered corners, which become plain elements first); an
// end distance that leaves no room is refused before anything changes.
#include <gtest/gtest.h>

#include "base/messages.h"
#include "tests/planea/planea_fixture.h"

namespace {

using plate::Narrow;
using plate::Near;
using plate::Pt;

TEST_F(PlaneATest, ALineExactlyAsLongAsTheWidthIsInsetNotCentred) {
    ShoulderSettings.PA_IsWidthValue = 0;
    for (bool clockwise : {false, true}) {
        SetUp();
        ShoulderSettings.PA_IsWidthValue = 0;
        const ZedId outline = AddPlate(Narrow(20.0), clockwise);
        const ZedPoint s = clockwise ? Pt(20, 0) : Pt(0, 0);
        const ZedPoint e = clockwise ? Pt(0, 0) : Pt(20, 0);
        const double step = clockwise ? -0.5 : 0.5;
        ASSERT_TRUE(BuildOn(outline, s, e)) << clockwise;
        EXPECT_EQ(emu::CheckIntegrity(outline), "");
        EXPECT_TRUE(emu::SegmentClosed(outline));
        // Tail and head pieces of exactly the end distance, no empty piece.
        EXPECT_GT(plate::LineFromTo(outline, s, Pt(s.x + step, 0)), 0) << clockwise;
        EXPECT_GT(plate::LineFromTo(outline, Pt(s.x + step, 0), Pt(s.x + step, -5)), 0) << clockwise;
        EXPECT_GT(plate::LineFromTo(outline, Pt(e.x - step, 0), e), 0) << clockwise;
        EXPECT_EQ(emu::Chain(outline).size(), 8u);
        TearDown();
    }
}

TEST_F(PlaneATest, NoEndDistanceReplacesAShortLineWhole) {
    for (double distance : {0.0, -2.0}) {
        for (bool clockwise : {false, true}) {
            SetUp();
            ShoulderSettings.PA_WidthValueDistance = distance;
            const ZedId outline = AddPlate(Narrow(8.0), clockwise);
            const ZedPoint s = clockwise ? Pt(8, 0) : Pt(0, 0);
            const ZedPoint e = clockwise ? Pt(0, 0) : Pt(8, 0);
            ASSERT_TRUE(BuildOn(outline, s, e));
            EXPECT_TRUE(Errors().empty());
            EXPECT_TRUE(emu::SegmentClosed(outline));
            EXPECT_EQ(emu::CheckAllIntegrity(), "");
            // Three sides in place of the one line.
            EXPECT_EQ(emu::Chain(outline).size(), 6u);
            EXPECT_EQ(plate::LineBetween(outline, s, e), -1);
            const ZedId first = plate::LineFromTo(outline, s, Pt(s.x, -5));
            EXPECT_GT(first, 0);
            EXPECT_GT(plate::LineFromTo(outline, Pt(s.x, -5), Pt(e.x, -5)), 0);
            EXPECT_GT(plate::LineFromTo(outline, Pt(e.x, -5), e), 0);
            // No line pieces: element 0, records at the line's ends.
            const ShoulderMemory& m = Shoulder();
            EXPECT_EQ(m.tail.ref.id, 0);
            EXPECT_EQ(m.head.ref.id, 0);
            EXPECT_TRUE(Near(plate::StartOf(m.tail.record), s) && Near(plate::EndOf(m.tail.record), s));
            EXPECT_TRUE(Near(plate::StartOf(m.head.record), e) && Near(plate::EndOf(m.head.record), e));
            EXPECT_EQ(m.firstSide.ref.id, first);
            // The depth dimension's base names no element.
            EXPECT_EQ(Dimension(kSlotFirstDimension).firstElement, 0);
            EXPECT_EQ(Dimension(kSlotSecondDimension).firstElement, first);
            TearDown();
        }
    }
}

TEST_F(PlaneATest, AnEndDistanceOfAThirdOfTheLineIsRefusedAndNothingChanges) {
    struct Case {
        int useWidthValue;
        const char* message;
    };
    for (const Case& c : {Case{1, "이격폭이 너무 큽니다.(21)"}, Case{0, "이격폭이 너무 큽니다.(22)"}}) {
        SetUp();
        ShoulderSettings.PA_IsWidthValue = c.useWidthValue;
        ShoulderSettings.PA_WidthValueDistance = 3.0;
        const ZedId outline = AddPlate(Narrow(9.0), false);
        const std::string before = emu::Dump();
        emu::ResetCallLog();
        EXPECT_FALSE(BuildOn(outline, Pt(0, 0), Pt(9, 0)));
        EXPECT_EQ(Errors(), std::vector<std::string>{c.message});
        EXPECT_TRUE(emu::Journal().empty());
        EXPECT_EQ(emu::Dump(), before);
        EXPECT_EQ(TemporaryElements()[kSlotFirstDimension].id, 0);
        TearDown();
    }
}

class PlaneACornerTest : public PlaneATest {
protected:
    // A plate 20 wide whose bottom edge has a chamfer before it and a fillet
    // after it (drawn counter-clockwise), leaving the line from (2, 0) to
    // (17, 0).
    ZedId CorneredPlate() {
        const ZedId outline = AddPlate(Narrow(20.0), false);
        const ZedId bottom = plate::LineBetween(outline, Pt(0, 0), Pt(20, 0));
        const ZedId left = plate::LineBetween(outline, Pt(0, 50), Pt(0, 0));
        EXPECT_GT(emu::AddFillet(bottom, 3.0), 0);
        EXPECT_GT(emu::AddChamfer(left, 2.0), 0);
        EXPECT_GT(plate::LineFromTo(outline, Pt(2, 0), Pt(17, 0), 1e-9), 0);
        ShoulderSettings.PA_WidthValueDistance = 0.0;
        return outline;
    }

    static std::vector<int> Kinds(ZedId outline) {
        std::vector<int> kinds;
        for (const ZedFigure& f : plate::Figures(outline)) {
            kinds.push_back(f.kind);
        }
        return kinds;
    }
};

TEST_F(PlaneACornerTest, AFullLineShoulderTurnsTheCornersBesideItIntoPlainElements) {
    const ZedId outline = CorneredPlate();
    const std::vector<ZedFigure> before = plate::Figures(outline);
    ASSERT_TRUE(BuildOn(outline, Pt(2, 0), Pt(17, 0)));
    EXPECT_TRUE(TextsOn(emu::Channel::Prompt).empty());
    EXPECT_TRUE(Errors().empty());
    EXPECT_TRUE(emu::SegmentClosed(outline));
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
    for (int kind : Kinds(outline)) {
        EXPECT_TRUE(kind == ZED_FIG_LINE || kind == ZED_FIG_ARC) << kind;
    }
    // The corners keep their place as a plain line and a plain arc.
    int arcs = 0;
    for (const ZedFigure& f : before) {
        if (f.kind == ZED_FIG_CHAMFER) {
            EXPECT_GT(plate::LineFromTo(outline, plate::StartOf(f), plate::EndOf(f)), 0);
        }
    }
    for (const ZedFigure& f : plate::Figures(outline)) {
        arcs += f.kind == ZED_FIG_ARC ? 1 : 0;
    }
    EXPECT_EQ(arcs, 1);
    EXPECT_GT(plate::LineFromTo(outline, Pt(2, 0), Pt(2, -5)), 0);
    EXPECT_GT(plate::LineFromTo(outline, Pt(17, -5), Pt(17, 0)), 0);
}

TEST_F(PlaneACornerTest, ACornerThatCannotBeFreedIsOnlyANotice) {
    const ZedId outline = CorneredPlate();
    emu::FailCall("ZedFigChangeCorner", 1, true);
    ASSERT_TRUE(BuildOn(outline, Pt(2, 0), Pt(17, 0)));
    EXPECT_EQ(TextsOn(emu::Channel::Prompt),
              (std::vector<std::string>{"모따기요소를 변경할 수 없습니다.(11)", "코너를 원호로 변경할 수 없습니다.(12)"}));
    EXPECT_TRUE(Errors().empty());
    EXPECT_TRUE(emu::SegmentClosed(outline));
    const std::vector<int> kinds = Kinds(outline);
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), ZED_FIG_FILLET), 1);
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), ZED_FIG_CHAMFER), 1);
}

TEST_F(PlaneACornerTest, TheCornerMessagesNameWhichSideFailed) {
    // Drawn clockwise the chamfer comes after the line and the fillet before.
    const ZedId outline = AddPlate(Narrow(20.0), true);
    const ZedId bottom = plate::LineBetween(outline, Pt(0, 0), Pt(20, 0));
    const ZedId right = plate::LineBetween(outline, Pt(20, 50), Pt(20, 0));
    ASSERT_GT(emu::AddChamfer(bottom, 2.0), 0);
    ASSERT_GT(emu::AddFillet(right, 3.0), 0);
    ShoulderSettings.PA_WidthValueDistance = 0.0;
    emu::FailCall("ZedFigChangeCorner", 1, true);
    ASSERT_TRUE(BuildOn(outline, Pt(17, 0), Pt(2, 0)));
    EXPECT_EQ(TextsOn(emu::Channel::Prompt),
              (std::vector<std::string>{"코너를 원호로 변경할 수 없습니다.(11)", "모따기요소를 변경할 수 없습니다.(12)"}));
}

}  // namespace
