// The colour and line-type pickers: preset, selection by click and double
// click, keys, the red frame and the colours painted.
#include <ostream>
#include <vector>

#include "tests/ui/ui_test.h"
#include "ui/panel_layouts.h"
#include "ui/picker_layouts.h"
#include "ui/pickers.h"

namespace {

constexpr int kVkSpace = 0x20;

// The frames that paint operations draw, as (cell, colour): the cell whose
// rectangle the frame surrounds by 3 pixels.
struct FrameSeen {
    int cell;
    Rgb colour;
    bool operator==(const FrameSeen&) const = default;
};

std::vector<FrameSeen> FramesOf(const std::vector<headless::PaintOp>& ops, DialogWindow& picker, int firstCell,
                                int cells) {
    std::vector<FrameSeen> frames;
    for (const headless::PaintOp& op : ops) {
        if (op.kind != headless::PaintOp::Kind::Frame) {
            continue;
        }
        EXPECT_EQ(op.penWidth, 2);
        int found = -1;
        for (int i = 0; i < cells; ++i) {
            const Rect r = picker.ItemRect(firstCell + i);
            if (op.rect == Rect{r.left - 3, r.top - 3, r.right + 3, r.bottom + 3}) {
                found = firstCell + i;
            }
        }
        frames.push_back({found, op.colour});
    }
    return frames;
}

// The cells that show a red frame on the screen: those whose last frame drawn is red.
std::vector<int> RedOnScreen(DialogWindow& picker, int firstCell, int cells) {
    std::vector<Rgb> last(static_cast<size_t>(cells), headless::kBackground);
    for (const FrameSeen& frame : FramesOf(headless::Screen(picker), picker, firstCell, cells)) {
        if (frame.cell >= firstCell) {
            last[static_cast<size_t>(frame.cell - firstCell)] = frame.colour;
        }
    }
    std::vector<int> red;
    for (int i = 0; i < cells; ++i) {
        if (last[static_cast<size_t>(i)] == kRed) {
            red.push_back(firstCell + i);
        }
    }
    return red;
}

struct PickerCase {
    bool lineTypes;
    std::string preset;
    std::vector<int> clicks;  // cell indexes, from 0
    int doubleClick;          // cell index or -1
    int key;                  // pressed last, 0 for none
    bool ok;
    std::string chosen;
    std::vector<FrameSeen> framesBeforeClosing;  // of a paint after the clicks
};

void PrintTo(const PickerCase& c, std::ostream* os) { *os << "\"" << c.preset << "\" to " << c.chosen; }

class Pickers : public UiTest, public ::testing::WithParamInterface<PickerCase> {};

TEST_P(Pickers, SelectFrameAndClose) {
    const PickerCase& c = GetParam();
    StartWithChooser();
    const int firstCell = c.lineTypes ? kIdcLineTypeCell01 : kIdcColorCell01;
    const int cells = c.lineTypes ? 10 : 16;
    ZdStColorDlg colours;
    ZdStLTypeDlg lineTypes;
    NamePicker& picker = c.lineTypes ? static_cast<NamePicker&>(lineTypes) : colours;
    picker.Preset(Z(c.preset));
    std::vector<FrameSeen> frames;
    std::vector<int> redOnScreen;
    headless::SetModalDriver([&](DialogWindow& window) {
        for (int cell : c.clicks) {
            headless::Click(window, firstCell + cell);
        }
        frames = FramesOf(headless::Paint(window), window, firstCell, cells);
        redOnScreen = RedOnScreen(window, firstCell, cells);
        if (c.doubleClick >= 0) {
            headless::DoubleClick(window, firstCell + c.doubleClick);
        }
        if (c.key != 0) {
            headless::PressKey(window, c.key);
        }
    });
    EXPECT_EQ(picker.DoModal(PanelWindow(Pattern::PlaneA)), c.ok);
    EXPECT_EQ(U(picker.currentName), c.chosen);
    EXPECT_EQ(frames, c.framesBeforeClosing);
    // Every selection is repainted at once, and only the last one keeps its
    // red frame: the frame of the chosen name's cell, the first cell's for a
    // name that is in no cell.
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(redOnScreen, std::vector<int>{frames.back().cell});
}

constexpr int C = kIdcColorCell01;
constexpr int L = kIdcLineTypeCell01;
constexpr Rgb kBack = headless::kBackground;

// A new picker's current name is the first cell's: the presets are other names,
// so that a preset that did nothing shows.
INSTANTIATE_TEST_SUITE_P(
    Cases, Pickers,
    ::testing::Values(
        // The preset name is framed; the one it replaced is painted over.
        PickerCase{false, "MAINCOLOR06", {}, -1, kVkReturn, true, "MAINCOLOR06", {{C, kBack}, {C + 5, kRed}}},
        PickerCase{false, "mainColor12", {}, -1, kVkSpace, true, "mainColor12", {{C, kBack}, {C + 11, kRed}}},
        // A name in no cell frames the first cell, which needs no painting over.
        PickerCase{false, "MAINCOLOR17", {}, -1, kVkEscape, false, "MAINCOLOR17", {{C, kRed}}},
        // The selected cell again: nothing changes.
        PickerCase{false, "MAINCOLOR04", {3}, -1, kVkReturn, true, "MAINCOLOR04", {{C, kBack}, {C + 3, kRed}}},
        PickerCase{false, "MAINCOLOR07", {3, 9}, -1, kVkReturn, true, "MAINCOLOR10", {{C + 3, kBack}, {C + 9, kRed}}},
        PickerCase{false, "MAINCOLOR16", {2}, 2, 0, true, "MAINCOLOR03", {{C + 15, kBack}, {C + 2, kRed}}},
        PickerCase{true, "LINETYPE06", {}, 5, 0, true, "LINETYPE06", {{L, kBack}, {L + 5, kRed}}},
        PickerCase{true, "LINETYPE10", {6}, -1, kVkSpace, true, "LINETYPE07", {{L + 9, kBack}, {L + 6, kRed}}},
        PickerCase{true, "LINETYPE03", {6}, -1, kVkEscape, false, "LINETYPE07", {{L + 2, kBack}, {L + 6, kRed}}},
        // The empty name is the first cell's: framed, and painted over when
        // another cell is chosen.
        PickerCase{true, "", {}, -1, kVkReturn, true, "", {{L, kRed}}},
        PickerCase{true, "", {6}, -1, kVkReturn, true, "LINETYPE07", {{L, kBack}, {L + 6, kRed}}},
        PickerCase{false, "", {4}, -1, kVkReturn, true, "MAINCOLOR05", {{C, kBack}, {C + 4, kRed}}}));

using PaintTest = UiTest;

TEST_F(PaintTest, CellsPaintTheirPositionsAndSwatchesTheirNames) {
    StartWithChooser();
    std::vector<Rgb> cells;
    headless::SetModalDriver([&](DialogWindow& window) {
        for (const headless::PaintOp& op : headless::Paint(window)) {
            if (op.kind == headless::PaintOp::Kind::Fill) {
                cells.push_back(op.colour);
            }
        }
    });
    ZdStColorDlg picker;
    EXPECT_FALSE(picker.DoModal(PanelWindow(Pattern::PlaneA)));
    ASSERT_EQ(cells.size(), 16u);
    EXPECT_EQ(cells[0], (Rgb{255, 255, 255}));
    EXPECT_EQ(cells[5], (Rgb{255, 0, 0}));
    EXPECT_EQ(cells[11], (Rgb{0, 0, 255}));
    EXPECT_EQ(cells[15], (Rgb{128, 128, 0}));

}

struct SwatchCase {
    std::string name;
    Rgb colour;
};

void PrintTo(const SwatchCase& c, std::ostream* os) { *os << "\"" << c.name << "\""; }

class SwatchPaint : public UiTest, public ::testing::WithParamInterface<SwatchCase> {};

// Plan pattern C shows its colour swatch from the start.
TEST_P(SwatchPaint, TheSwatchPaintsTheColourOfItsName) {
    Store("PC_Color", GetParam().name);
    StartWithChooser();
    std::vector<Rgb> fills;
    for (const headless::PaintOp& op : headless::Paint(PanelWindow(Pattern::PlaneC))) {
        if (op.controlId == kIdcColor) {
            fills.push_back(op.colour);
        }
    }
    EXPECT_EQ(fills, std::vector<Rgb>{GetParam().colour});
}

INSTANTIATE_TEST_SUITE_P(Names, SwatchPaint,
                         ::testing::Values(SwatchCase{"MAINCOLOR06", {255, 0, 0}},
                                           SwatchCase{"maincolor12", {0, 0, 255}},
                                           SwatchCase{"MAINCOLOR17", {255, 255, 255}},
                                           SwatchCase{"", {255, 255, 255}}));

}  // namespace
