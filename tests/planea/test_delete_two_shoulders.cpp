// Two plan-pattern-A shoulders on one outline, built in one session by two
// commands, the second without cut line or hole. The outline carries one tag,
// which the second shoulder wrote: Delete takes the second shoulder alone, and
// a pick on the first changes nothing.
#include <gtest/gtest.h>

#include "tagging/shoulder_tag.h"
#include "tests/planea/planea_fixture.h"

namespace {

using plate::Pt;

struct Built {
    ZedId first = -1;
    ZedId inner = -1;
    ZedId second = -1;
    ZedId hole = -1;
    ZedId cutLine = -1;
};

class TwoShouldersTest : public PlaneATest {
protected:
    // Runs the command once: PlaneA, a pick on the line between a and b, end.
    Built BuildByCommand(ZedId outline, ZedPoint a, ZedPoint b, bool withParts) {
        Store("PA_IsLineDraw", withParts ? "1" : "0");
        Store("PA_IsHoleDraw", withParts ? "1" : "0");
        EXPECT_TRUE(emu::StartCommand());
        EXPECT_TRUE(emu::Type("PlaneA"));
        EXPECT_TRUE(emu::PickElement(plate::LineBetween(outline, a, b)));
        emu::EndCommand();
        const ShoulderMemory& m = Shoulder();
        return Built{m.firstSide.ref.id, m.innerSide.ref.id, m.secondSide.ref.id, m.holeSegment, m.cutLineSegment};
    }
};

TEST_F(TwoShouldersTest, DeleteTakesOnlyTheShoulderTheTagNames) {
    const ZedId outline = AddPlate(plate::Rectangle(), false);
    const Built bottom = BuildByCommand(outline, Pt(0, 0), Pt(100, 0), true);
    ASSERT_NE(bottom.hole, -1);
    ASSERT_NE(bottom.cutLine, -1);
    const Built top = BuildByCommand(outline, Pt(100, 50), Pt(0, 50), false);
    ASSERT_NE(top.inner, -1);
    EXPECT_TRUE(Errors().empty());
    // The second tag names no parts: the second shoulder has none.
    EXPECT_FALSE(emu::HasAttribute(outline, kAttrHoleSegment));
    EXPECT_FALSE(emu::HasAttribute(outline, kAttrCutLineSegment));

    ASSERT_TRUE(emu::StartCommand());
    ASSERT_TRUE(emu::Type("Delete"));
    const std::string before = emu::Dump();
    ASSERT_TRUE(emu::PickElement(bottom.inner));
    EXPECT_EQ(emu::Dump(), before);
    EXPECT_EQ(Errors(), std::vector<std::string>{"턱걸이 형상의 요소를 지시하십시오."});

    emu::ClearMessages();
    ASSERT_TRUE(emu::PickElement(top.inner));
    emu::EndCommand();

    EXPECT_TRUE(Errors().empty());
    for (const ZedId side : {top.first, top.inner, top.second}) {
        EXPECT_FALSE(emu::ElementExists(side));
    }
    EXPECT_GT(plate::LineBetween(outline, Pt(100, 50), Pt(0, 50)), 0);
    // The first shoulder and its parts are untouched.
    for (const ZedId side : {bottom.first, bottom.inner, bottom.second}) {
        EXPECT_TRUE(emu::ElementExists(side));
    }
    EXPECT_TRUE(emu::SegmentExists(bottom.hole));
    EXPECT_TRUE(emu::SegmentExists(bottom.cutLine));
    EXPECT_TRUE(emu::SegmentClosed(outline));
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
}

}  // namespace
