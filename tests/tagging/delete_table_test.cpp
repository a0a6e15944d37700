// Every pattern's shoulder built through the command on one plate, beside a
// line, an arc, a filleted or a chamfered corner, and taken back with Delete:
// the plate's outline is then the plate as it was laid out, point by point
// (a corner the build made plain compared as the arc or line it draws), the
// shoulder's parts are gone, and nothing else in the drawing has changed.
// Side pattern B's line across the step's root stays by design.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <ostream>

#include "geometry/shoulder_memory.h"
#include "tests/tagging/tagging_test_support.h"

namespace {

using namespace tagging_test;

ZedFigure Fillet(double cx, double cy, double sx, double sy, double ex, double ey, int flag) {
    ZedFigure f = emu::Arc(cx, cy, sx, sy, ex, ey, flag);
    f.kind = ZED_FIG_FILLET;
    return f;
}

// The plate, counter-clockwise: a bottom edge with a chamfered corner after
// it, a right edge rounded into a short top edge by an arc, a step down to the
// long top edge, and a filleted corner before the left edge.
const std::vector<ZedFigure> kPlate = {
    L(0, 0, 98, 0),    Chamfer(98, 0, 100, 2), L(100, 2, 100, 30),
    emu::Arc(90, 30, 100, 30, 90, 40, ZED_ARC_CCW),
    L(90, 40, 82, 40), L(82, 40, 82, 30),      L(82, 30, 5, 30),
    Fillet(5, 25, 5, 30, 0, 25, ZED_ARC_CCW),  L(0, 25, 0, 0)};

struct DeleteRow {
    const char* name;
    const char* pattern;
    ZedPoint pick;
    std::vector<std::pair<const char*, const char*>> settings;
    size_t parts;  // segments the build adds for good (cut line, hole, slot, chain, display part)
};

void PrintTo(const DeleteRow& row, std::ostream* os) { *os << row.name; }

class DeleteTableTest : public TaggingTest, public ::testing::WithParamInterface<DeleteRow> {
protected:
    void SetUp() override {
        TaggingTest::SetUp();
        emu::AddLayer(3, "Holes");
        // Laid out with sharp corners, then cut and rounded as a user would.
        const Laid laid = LayOut({L(0, 0, 100, 0), L(100, 0, 100, 30), emu::Arc(90, 30, 100, 30, 90, 40, ZED_ARC_CCW),
                                  L(90, 40, 82, 40), L(82, 40, 82, 30), L(82, 30, 0, 30), L(0, 30, 0, 0)},
                                 true);
        ASSERT_EQ(laid.ids.size(), 7u);
        ASSERT_NE(emu::AddChamfer(laid.ids[0], 2.0), -1);
        ASSERT_NE(emu::AddFillet(laid.ids[5], 5.0), -1);
        plate_ = laid.segment;
        ASSERT_EQ(OutlineMismatch(plate_, kPlate, true), "");
        // Beside the plate: a circle and an open figure that no Delete touches.
        emu::AddOutline(kLayer, {emu::Circle(200, 200, 5)}, true);
        emu::AddOutline(kLayer, {L(200, 0, 210, 0), L(210, 0, 210, 10)}, false);
        for (const auto& [name, value] :
             std::vector<std::pair<const char*, const char*>>{{"mMainProtrude", "5"}, {"mMainWidth", "20"},
                                                              {"mMainHeight", "10"}, {"PA_IsLineDraw", "1"},
                                                              {"PB_IsLineDraw", "1"}, {"SA_IsLineDraw", "1"},
                                                              {"SB_IsLineDraw", "1"}}) {
            Store(name, value);
        }
    }

    // Every segment but the plate, with its elements' records.
    std::map<ZedId, std::vector<std::string>> Others() const {
        std::map<ZedId, std::vector<std::string>> others;
        for (const ZedId segment : emu::SegmentIds()) {
            if (segment == plate_) {
                continue;
            }
            std::vector<std::string>& records = others[segment];
            for (const ZedId id : emu::Chain(segment)) {
                const ZedFigure f = emu::FigureOf(id);
                records.emplace_back(reinterpret_cast<const char*>(&f), sizeof f);
            }
        }
        return others;
    }

    ZedId plate_ = -1;
};

TEST_P(DeleteTableTest, DeleteGivesThePlateBack) {
    const DeleteRow& row = GetParam();
    for (const auto& [name, value] : row.settings) {
        Store(name, value);
    }
    const std::map<ZedId, std::vector<std::string>> others = Others();

    StartCommand();
    ASSERT_TRUE(emu::Type(row.pattern));
    ASSERT_TRUE(emu::PickAt(row.pick.x, row.pick.y));
    emu::EndCommand();
    ASSERT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{});
    const ZedId inner = Shoulder().innerSide.ref.id;
    ASSERT_TRUE(emu::ElementExists(inner)) << emu::Dump();
    ASSERT_EQ(emu::SegmentIds().size(), 1 + others.size() + row.parts) << emu::Dump();

    ASSERT_TRUE(emu::StartCommand());
    ASSERT_TRUE(emu::Type("Delete"));
    ASSERT_TRUE(emu::PickElement(inner));
    emu::EndCommand();

    EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{});
    EXPECT_EQ(OutlineMismatch(plate_, kPlate, true), "");
    EXPECT_FALSE(emu::HasAttribute(plate_, 40270));
    EXPECT_TRUE(emu::HoleIds().empty());
    std::map<ZedId, std::vector<std::string>> left = Others();
    if (std::string(row.pattern) == "SideB") {
        // The line that redraws the edge across the step's root.
        ASSERT_EQ(left.size(), others.size() + 1);
        const ZedId root = left.rbegin()->first;
        EXPECT_FALSE(emu::SegmentClosed(root));
        ASSERT_EQ(emu::Chain(root).size(), 1u);
        EXPECT_EQ(OutlineMismatch(root, {L(0, 25, 0, 15)}, false), "");
        left.erase(root);
    }
    EXPECT_EQ(left, others);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DeleteTableTest,
    ::testing::Values(
        // Plan A in the middle of the bottom edge, a line before it and the
        // chamfer after it; with its cut line and hole.
        DeleteRow{"PlaneA centre, beside a line and a chamfer", "PlaneA", {49, 0}, {}, 2},
        // Plan A in the middle of the left edge, the fillet before it.
        DeleteRow{"PlaneA centre, beside a fillet", "PlaneA", {0, 12.5}, {}, 2},
        // The short top edge (8 long): set in from its ends, or over all of it
        // between the arc and the step.
        DeleteRow{"PlaneA inset, beside an arc", "PlaneA", {86, 40}, {}, 2},
        DeleteRow{"PlaneA full line, beside an arc", "PlaneA", {86, 40}, {{"PA_WidthValueDistance", "0"}}, 2},
        DeleteRow{"PlaneB", "PlaneB", {25, 0}, {}, 2},
        // Plan C and D stand beside the line in a chain of their own, with a
        // hole or a slot.
        DeleteRow{"PlaneC", "PlaneC", {40, 0}, {}, 2},
        DeleteRow{"PlaneD", "PlaneD", {100, 15}, {}, 2},
        // Side A at the end of the bottom edge, before the chamfer, and at the
        // start of the short top edge, after the arc.
        DeleteRow{"SideA beside a chamfer", "SideA", {95, 0}, {}, 1},
        DeleteRow{"SideA beside an arc", "SideA", {89, 40}, {{"mMainHeight", "3"}}, 1},
        // Side B at the start of the left edge, after the fillet: the display
        // part, the cut line, and the line across the root that stays.
        DeleteRow{"SideB beside a fillet", "SideB", {0, 24}, {}, 3},
        // Side C near the start of the long top edge, after the step.
        DeleteRow{"SideC beside a line", "SideC", {75, 30}, {}, 0}),
    [](const ::testing::TestParamInfo<DeleteRow>& info) {
        std::string name = info.param.name;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

}  // namespace
