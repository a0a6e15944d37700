// The six pattern panels: defaults on an empty registry, each control storing
// its value at its moment, what a stored value shows, the line group's
// enabling rule and the pickers opened from the swatches.
#include <functional>
#include <utility>
#include <ostream>
#include <vector>

#include "base/build_profile.h"
#include "tests/ui/ui_test.h"
#include "ui/bitmaps.h"
#include "ui/chooser_layout.h"
#include "ui/panel_layouts.h"
#include "ui/picker_layouts.h"

namespace {

using Panel = Pattern;
constexpr Panel kPlaneA = Pattern::PlaneA, kPlaneB = Pattern::PlaneB, kPlaneC = Pattern::PlaneC,
                kPlaneD = Pattern::PlaneD, kSideA = Pattern::SideA, kSideB = Pattern::SideB;

using PanelTest = UiTest;

TEST_F(PanelTest, CreatingTheChooserWritesEveryPanelDefault) {
    StartWithChooser();
    const std::vector<std::pair<std::string, std::string>> defaults = {
        {"PA_IsWidthValue", "1"}, {"PA_WidthValue", "10.0"}, {"PA_WidthValueDistance", "0.5"},
        {"PA_IsHoleDraw", "1"}, {"PA_Hole", "0"}, {"PA_HoleLayer", "3"}, {"PA_HoleDir", "0"},
        {"PA_HoleWidth", "0.5"}, {"PA_IsLineDraw", "0"}, {"PA_LineValue", "0"}, {"PA_Color", "MAINCOLOR06"},
        {"PA_LType", "LINETYPE01"}, {"PB_IsHoleDraw", "1"}, {"PB_Hole", "0"}, {"PB_HoleLayer", "3"},
        {"PB_HoleDir", "0"}, {"PB_HoleWidth", "0.5"}, {"PB_IsLineDraw", "0"}, {"PB_LineValue", "0"},
        {"PB_Color", "MAINCOLOR06"}, {"PB_LType", "LINETYPE01"}, {"PC_IsHoleDraw", "1"}, {"PC_Hole", "0"},
        {"PC_HoleLayer", "3"}, {"PC_HoleDir", "0"}, {"PC_HoleWidth", "0.5"}, {"PC_LineValue", "1"},
        {"PC_Color", "MAINCOLOR06"}, {"PC_LType", "LINETYPE01"}, {"PD_IsSlotDraw", "1"}, {"PD_SlotLayer", "3"},
        {"PD_SlotR", "3.0"}, {"PD_SlotColor", "MAINCOLOR06"}, {"PD_SlotLType", "LINETYPE01"},
        {"PD_LineValue", "1"}, {"PD_Color", "MAINCOLOR09"}, {"PD_LType", "LINETYPE05"}, {"SA_IsLineDraw", "0"},
        {"SA_LineValue", "0"}, {"SA_Color", "MAINCOLOR06"}, {"SA_LType", "LINETYPE01"}, {"SB_IsLineDraw", "0"},
        {"SB_LineValue", "0"}, {"SB_Color", "MAINCOLOR06"}, {"SB_LType", "LINETYPE01"},
        {"SB_DisplayWidth", "1.5"}, {"SB_DisplayProtrude", "0.3"}, {"SB_DisplayColor", "MAINCOLOR06"},
        {"SB_DisplayLType", "LINETYPE01"},
    };
    for (const auto& [name, value] : defaults) {
        // The hole kinds: ThePlanPanelsHoleGroupIsTheBuildsOwn.
        const bool holeKind = name == "PA_Hole" || name == "PB_Hole" || name == "PC_Hole";
        if (!holeKind || build_profile::kShapedHoles) {
            EXPECT_EQ(Stored(name), value) << name;
        }
    }
    // The line-type swatches show their names' pictures.
    EXPECT_EQ(PanelWindow(kPlaneD).Item(kIdcLineType).BitmapShown(), kBitmapLineType01 + 4);
    EXPECT_EQ(PanelWindow(kPlaneD).Item(kIdcSlotLineType).BitmapShown(), kBitmapLineType01);
}

enum class Action { Click, Type, Choose };

struct StoreCase {
    Panel panel;
    std::vector<int> before;  // controls clicked first
    Action action;
    int control;
    std::string input;  // typed text, or the item index chosen
    std::string name;
    std::string stored;
};

void PrintTo(const StoreCase& c, std::ostream* os) { *os << c.name << " " << c.input; }

class PanelStores : public UiTest, public ::testing::WithParamInterface<StoreCase> {};

TEST_P(PanelStores, EachControlStoresItsValueAtItsMoment) {
    const StoreCase& c = GetParam();
    if (c.control == kIdcHoleKind && !build_profile::kShapedHoles) {
        GTEST_SKIP() << "the legacy build has no hole-kind list";
    }
    StartWithChooser();
    DialogWindow& panel = PanelWindow(c.panel);
    for (int id : c.before) {
        headless::Click(panel, id);
    }
    switch (c.action) {
        case Action::Click:
            headless::Click(panel, c.control);
            break;
        case Action::Type:
            headless::TypeInto(panel, c.control, Z(c.input));
            EXPECT_NE(Stored(c.name), c.stored) << "stored before the edit was left";
            headless::Leave(panel);
            EXPECT_EQ(U(panel.Item(c.control).Text()), c.input);
            break;
        case Action::Choose:
            headless::ChooseItem(panel, c.control, std::stoi(c.input));
            break;
    }
    EXPECT_EQ(Stored(c.name), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, PanelStores,
    ::testing::Values(StoreCase{kPlaneA, {}, Action::Click, kIdcIsWidthValue, "", "PA_IsWidthValue", "0"},
                      StoreCase{kPlaneA, {}, Action::Type, kIdcWidthValue, "12", "PA_WidthValue", "12.0"},
                      StoreCase{kPlaneA, {}, Action::Type, kIdcWidthValueDistance, "x", "PA_WidthValueDistance", "0.0"},
                      StoreCase{kPlaneA, {}, Action::Click, kIdcIsHoleDraw, "", "PA_IsHoleDraw", "0"},
                      StoreCase{kPlaneA, {}, Action::Choose, kIdcHoleKind, "1", "PA_Hole", "1"},
                      StoreCase{kPlaneA, {kIdcIsHoleDraw}, Action::Type, kIdcHoleLayer, "30:3|50:5", "PA_HoleLayer",
                                "30:3|50:5"},
                      StoreCase{kPlaneA, {}, Action::Choose, kIdcHoleDir, "1", "PA_HoleDir", "1"},
                      StoreCase{kPlaneA, {}, Action::Type, kIdcHoleWidth, "0.75", "PA_HoleWidth", "0.75"},
                      StoreCase{kPlaneA, {}, Action::Click, kIdcIsLineDraw, "", "PA_IsLineDraw", "1"},
                      StoreCase{kPlaneA, {kIdcIsLineDraw}, Action::Click, kIdcLineOwn, "", "PA_LineValue", "1"},
                      StoreCase{kPlaneB, {kIdcIsLineDraw}, Action::Click, kIdcLineOwn, "", "PB_LineValue", "1"},
                      StoreCase{kPlaneB, {}, Action::Type, kIdcHoleWidth, "2", "PB_HoleWidth", "2.0"},
                      StoreCase{kPlaneC, {}, Action::Click, kIdcLineSame, "", "PC_LineValue", "0"},
                      StoreCase{kPlaneC, {}, Action::Choose, kIdcHoleKind, "1", "PC_Hole", "1"},
                      StoreCase{kPlaneD, {}, Action::Type, kIdcSlotR, "2.50", "PD_SlotR", "2.50"},
                      StoreCase{kPlaneD, {}, Action::Type, kIdcSlotLayer, "30:3", "PD_SlotLayer", "30:3"},
                      StoreCase{kPlaneD, {}, Action::Click, kIdcIsSlotDraw, "", "PD_IsSlotDraw", "0"},
                      StoreCase{kPlaneD, {}, Action::Click, kIdcLineSame, "", "PD_LineValue", "0"},
                      StoreCase{kSideA, {kIdcIsLineDraw, kIdcLineOwn}, Action::Click, kIdcLineSame, "",
                                "SA_LineValue", "0"},
                      StoreCase{kSideB, {}, Action::Type, kIdcDisplayWidth, "2", "SB_DisplayWidth", "2.0"},
                      StoreCase{kSideB, {}, Action::Type, kIdcDisplayProtrude, "abc", "SB_DisplayProtrude", "0.0"}));

TEST_F(PanelTest, ThePlanPanelsHoleGroupIsTheBuildsOwn) {
    StartWithChooser();
    for (Panel panel : {kPlaneA, kPlaneB, kPlaneC}) {
        DialogWindow& window = PanelWindow(panel);
        EXPECT_EQ(window.HasItem(kIdcHoleKind), build_profile::kShapedHoles);
        EXPECT_EQ(U(window.Item(kIdcIsHoleDraw).Text()), build_profile::kShapedHoles ? "구멍작성" : "MC 구멍작성");
    }
    // The legacy build neither shows nor writes a hole kind.
    for (const char* name : {"PA_Hole", "PB_Hole", "PC_Hole"}) {
        EXPECT_EQ(Stored(name), build_profile::kShapedHoles ? "0" : "(missing)") << name;
    }
}

TEST_F(PanelTest, ChoosingTheFirstHoleKindAgainStoresZero) {
    if constexpr (!build_profile::kShapedHoles) {
        GTEST_SKIP() << "the legacy build has no hole-kind list";
    }
    Store("PB_Hole", "1");
    StartWithChooser();
    EXPECT_EQ(PanelWindow(kPlaneB).Item(kIdcHoleKind).Selection(), 1);
    headless::ChooseItem(PanelWindow(kPlaneB), kIdcHoleKind, 0);
    EXPECT_EQ(Stored("PB_Hole"), "0");
}

enum class Shows { Text, Item, Check, Picture };

struct ShownCase {
    std::string name;
    std::string stored;
    Panel panel;
    int control;
    Shows shows;
    std::string shown;  // the text, the list index, "set" or "clear", or the picture's line-type number
};

void PrintTo(const ShownCase& c, std::ostream* os) { *os << c.name << " \"" << c.stored << "\""; }

class PanelShows : public UiTest, public ::testing::WithParamInterface<ShownCase> {};

TEST_P(PanelShows, AStoredValueIsShownAsItsControlShowsIt) {
    const ShownCase& c = GetParam();
    if (c.control == kIdcHoleKind && !build_profile::kShapedHoles) {
        GTEST_SKIP() << "the legacy build has no hole-kind list";
    }
    Store(c.name, c.stored);
    StartWithChooser();
    Control& control = PanelWindow(c.panel).Item(c.control);
    std::string shown;
    switch (c.shows) {
        case Shows::Text:
            shown = U(control.Text());
            break;
        case Shows::Item:
            shown = std::to_string(control.Selection());
            break;
        case Shows::Check:
            shown = control.Checked() ? "set" : "clear";
            break;
        case Shows::Picture:
            shown = std::to_string(control.BitmapShown() - kBitmapLineType01 + 1);
            break;
    }
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(Stored(c.name), c.stored);
}

// Each stored value differs from its default, so that a control left as it
// was made shows.
INSTANTIATE_TEST_SUITE_P(
    Values, PanelShows,
    ::testing::Values(ShownCase{"PA_WidthValue", "12.50", kPlaneA, kIdcWidthValue, Shows::Text, "12.5"},
                      ShownCase{"PA_WidthValueDistance", "1", kPlaneA, kIdcWidthValueDistance, Shows::Text, "1.0"},
                      ShownCase{"PA_HoleWidth", "0.50", kPlaneA, kIdcHoleWidth, Shows::Text, "0.50"},
                      ShownCase{"PD_SlotR", "2.50", kPlaneD, kIdcSlotR, Shows::Text, "2.50"},
                      ShownCase{"SB_DisplayWidth", "1.50", kSideB, kIdcDisplayWidth, Shows::Text, "1.50"},
                      ShownCase{"PA_HoleDir", "2", kPlaneA, kIdcHoleDir, Shows::Item, "-1"},
                      ShownCase{"PB_HoleDir", "1", kPlaneB, kIdcHoleDir, Shows::Item, "1"},
                      ShownCase{"PC_Hole", "1", kPlaneC, kIdcHoleKind, Shows::Item, "1"},
                      ShownCase{"PA_IsLineDraw", "1", kPlaneA, kIdcIsLineDraw, Shows::Check, "set"},
                      ShownCase{"SB_IsLineDraw", "1", kSideB, kIdcIsLineDraw, Shows::Check, "set"},
                      ShownCase{"PA_IsHoleDraw", "0", kPlaneA, kIdcIsHoleDraw, Shows::Check, "clear"},
                      ShownCase{"PD_IsSlotDraw", "true", kPlaneD, kIdcIsSlotDraw, Shows::Check, "clear"},
                      ShownCase{"PA_LineValue", "1", kPlaneA, kIdcLineOwn, Shows::Check, "set"},
                      ShownCase{"PC_LineValue", "0", kPlaneC, kIdcLineSame, Shows::Check, "set"},
                      ShownCase{"PB_LType", "linetype07", kPlaneB, kIdcLineType, Shows::Picture, "7"},
                      ShownCase{"SB_DisplayLType", "LINETYPE10", kSideB, kIdcDisplayLineType, Shows::Picture, "10"},
                      // A name in no cell shows the continuous line's picture.
                      ShownCase{"PD_LType", "LINETYPE11", kPlaneD, kIdcLineType, Shows::Picture, "1"},
                      ShownCase{"SA_LType", "", kSideA, kIdcLineType, Shows::Picture, "1"}));

TEST_F(PanelTest, TheLineGroupRuleEnablesTheRadiosAndShowsTheSwatchesForTheirOwnColour) {
    StartWithChooser();
    DialogWindow& a = PanelWindow(kPlaneA);
    auto state = [&a] {
        return std::vector<bool>{a.Item(kIdcLineSame).Enabled(), a.Item(kIdcLineOwn).Enabled(),
                                 a.Item(kIdcColor).Visible(), a.Item(kIdcLineType).Visible()};
    };
    EXPECT_EQ(state(), (std::vector<bool>{false, false, false, false}));
    headless::Click(a, kIdcIsLineDraw);
    EXPECT_EQ(state(), (std::vector<bool>{true, true, false, false}));
    headless::Click(a, kIdcLineOwn);
    EXPECT_EQ(state(), (std::vector<bool>{true, true, true, true}));
    headless::Click(a, kIdcIsLineDraw);
    EXPECT_EQ(state(), (std::vector<bool>{false, false, false, false}));
    EXPECT_TRUE(a.Item(kIdcHoleLayer).Enabled());
    // Plan pattern C has no rule: its own colour is chosen and shown from the start.
    DialogWindow& c = PanelWindow(kPlaneC);
    EXPECT_TRUE(c.Item(kIdcLineOwn).Checked());
    EXPECT_TRUE(c.Item(kIdcColor).Visible());
    EXPECT_TRUE(c.Item(kIdcLineType).Visible());
    // Side pattern B's rule leaves the display swatches alone.
    EXPECT_FALSE(PanelWindow(kSideB).Item(kIdcColor).Visible());
    EXPECT_TRUE(PanelWindow(kSideB).Item(kIdcDisplayColor).Visible());
}

struct PickCase {
    Panel panel;
    int swatch;
    std::function<void(DialogWindow&)> user;
    std::string name;
    std::string storedBefore;  // "" for the panel's default
    std::string stored;
    int pickersRun = 1;
    Rgb colourShown = {};  // colour swatches: the colour the screen shows afterwards
    int lineTypeShown = 0;  // line-type swatches: the number of the picture shown afterwards
};

void PrintTo(const PickCase& c, std::ostream* os) { *os << c.name << " " << c.stored; }

class PanelPicks : public UiTest, public ::testing::WithParamInterface<PickCase> {};

TEST_P(PanelPicks, ASwatchOpensItsPickerAndOnlyOkStoresAndShowsTheChoice) {
    const PickCase& c = GetParam();
    if (!c.storedBefore.empty()) {
        Store(c.name, c.storedBefore);
    }
    StartWithChooser();
    constexpr int kRowOfPanel[] = {0, 1, 2, 3, 5, 6};
    headless::ClickRow(ChooserWindow(), kIdcPatternList, kRowOfPanel[static_cast<int>(c.panel)]);
    DialogWindow& panel = PanelWindow(c.panel);
    headless::SetModalDriver(c.user);
    const int runsBefore = headless::ModalRuns();
    headless::Click(panel, c.swatch);
    EXPECT_EQ(headless::ModalRuns() - runsBefore, c.pickersRun);
    EXPECT_EQ(Stored(c.name), c.stored);
    if (c.lineTypeShown != 0) {
        EXPECT_EQ(panel.Item(c.swatch).BitmapShown(), kBitmapLineType01 + c.lineTypeShown - 1);
    } else if (c.pickersRun != 0) {
        // The panel is repainted at once: the swatch's last fill on the screen.
        std::vector<Rgb> fills;
        for (const headless::PaintOp& op : headless::Screen(panel)) {
            if (op.controlId == c.swatch && op.kind == headless::PaintOp::Kind::Fill) {
                fills.push_back(op.colour);
            }
        }
        ASSERT_FALSE(fills.empty());
        EXPECT_EQ(fills.back(), c.colourShown);
    }
}

void PickColour12(DialogWindow& picker) {
    headless::Click(picker, kIdcColorCell01 + 11);
    headless::Click(picker, kIdcPickerOk);
}
void PickColour12ThenCancel(DialogWindow& picker) {
    headless::Click(picker, kIdcColorCell01 + 11);
    headless::Click(picker, kIdcPickerCancel);
}
void DoubleClickLineType05(DialogWindow& picker) { headless::DoubleClick(picker, kIdcLineTypeCell01 + 4); }
void PickLineType08WithEscape(DialogWindow& picker) {
    headless::Click(picker, kIdcLineTypeCell01 + 7);
    headless::PressKey(picker, 0x1B);
}

constexpr Rgb kBlue = {0, 0, 255};        // MAINCOLOR12
constexpr Rgb kGreen = {60, 255, 80};     // MAINCOLOR03

// Cancel and Escape start from a stored value that is not the default, so
// that the value kept is told from one written again.
INSTANTIATE_TEST_SUITE_P(
    Swatches, PanelPicks,
    ::testing::Values(PickCase{kPlaneC, kIdcColor, PickColour12, "PC_Color", "", "MAINCOLOR12", 1, kBlue},
                      PickCase{kPlaneC, kIdcColor, PickColour12ThenCancel, "PC_Color", "MAINCOLOR03", "MAINCOLOR03", 1,
                               kGreen},
                      PickCase{kPlaneD, kIdcSlotColor, PickColour12, "PD_SlotColor", "", "MAINCOLOR12", 1, kBlue},
                      PickCase{kPlaneD, kIdcColor, PickColour12ThenCancel, "PD_Color", "MAINCOLOR06", "MAINCOLOR06", 1,
                               kRed},
                      PickCase{kPlaneD, kIdcLineType, DoubleClickLineType05, "PD_LType", "LINETYPE02", "LINETYPE05", 1,
                               {}, 5},
                      PickCase{kPlaneC, kIdcLineType, DoubleClickLineType05, "PC_LType", "", "LINETYPE05", 1, {}, 5},
                      PickCase{kPlaneC, kIdcLineType, PickLineType08WithEscape, "PC_LType", "LINETYPE03", "LINETYPE03",
                               1, {}, 3},
                      PickCase{kSideB, kIdcDisplayLineType, DoubleClickLineType05, "SB_DisplayLType", "",
                               "LINETYPE05", 1, {}, 5},
                      // Hidden while the line is not drawn in its own colour.
                      PickCase{kSideB, kIdcColor, PickColour12, "SB_Color", "MAINCOLOR03", "MAINCOLOR03", 0}));

}  // namespace
