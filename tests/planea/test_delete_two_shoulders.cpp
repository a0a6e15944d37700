// Two plan-pattern-A shoulders on one outline, built in one session by two
// commands, the second without cut line or hole. The outline's mark describes
// the second in 40270 to 40276 and keeps the first in 40277: Delete takes
// either, the first one first here, with its own hole and cut line, and then
// the second; the plate is then the rectangle it was.
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

TEST_F(TwoShouldersTest, DeleteTakesTheEarlierShoulderToo) {
    const ZedId outline = AddPlate(plate::Rectangle(), false);
    const std::vector<ZedFigure> plateBefore = plate::ChainFigures(outline);
    const Built bottom = BuildByCommand(outline, Pt(0, 0), Pt(100, 0), true);
    ASSERT_NE(bottom.hole, -1);
    ASSERT_NE(bottom.cutLine, -1);
    const Built top = BuildByCommand(outline, Pt(100, 50), Pt(0, 50), false);
    ASSERT_NE(top.inner, -1);
    EXPECT_TRUE(Errors().empty());
    // The second tag names no parts: the second shoulder has none.
    EXPECT_FALSE(emu::HasAttribute(outline, kAttrHoleSegment));
    EXPECT_FALSE(emu::HasAttribute(outline, kAttrCutLineSegment));
    EXPECT_EQ(emu::AttributeText(outline, kAttrEarlierShoulders),
              std::to_string(bottom.first) + "," + std::to_string(bottom.inner) + "," + std::to_string(bottom.second) +
                  ":" + std::to_string(bottom.hole) + ":" + std::to_string(bottom.cutLine) + ":::");

    ASSERT_TRUE(emu::StartCommand());
    ASSERT_TRUE(emu::Type("Delete"));
    ASSERT_TRUE(emu::PickElement(bottom.inner));
    EXPECT_TRUE(Errors().empty());
    for (const ZedId side : {bottom.first, bottom.inner, bottom.second}) {
        EXPECT_FALSE(emu::ElementExists(side));
    }
    EXPECT_FALSE(emu::SegmentExists(bottom.hole));
    EXPECT_FALSE(emu::SegmentExists(bottom.cutLine));
    EXPECT_GT(plate::LineBetween(outline, Pt(0, 0), Pt(100, 0)), 0);
    // The second shoulder is untouched and still the most recent.
    for (const ZedId side : {top.first, top.inner, top.second}) {
        EXPECT_TRUE(emu::ElementExists(side));
    }
    EXPECT_EQ(emu::AttributeText(outline, kAttrElementList),
              std::to_string(top.first) + "," + std::to_string(top.inner) + "," + std::to_string(top.second));
    EXPECT_FALSE(emu::HasAttribute(outline, kAttrEarlierShoulders));

    ASSERT_TRUE(emu::PickElement(top.inner));
    emu::EndCommand();
    EXPECT_TRUE(Errors().empty());
    EXPECT_FALSE(emu::HasAttribute(outline, kAttrShoulderType));
    EXPECT_TRUE(plate::SameClosedGeometry(plate::ChainFigures(outline), plateBefore, 1e-9));
    EXPECT_EQ(emu::SegmentIds(), std::vector<ZedId>{outline});
    EXPECT_EQ(emu::CheckAllIntegrity(), "");
}

}  // namespace
