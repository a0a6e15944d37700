// Pictures of the real windows: the chooser with each of its six panels and
// the two pickers, written as PNG into <build>/screenshots/.
#include "tests/win32ui/real_dialogs.h"
#include "ui/panel_layouts.h"

namespace {

struct Shot {
    int row;
    Pattern panel;
    const char* name;
};
constexpr Shot kChooserShots[] = {
    {0, Pattern::PlaneA, "chooser-planea"}, {1, Pattern::PlaneB, "chooser-planeb"},
    {2, Pattern::PlaneC, "chooser-planec"}, {3, Pattern::PlaneD, "chooser-planed"},
    {5, Pattern::SideA, "chooser-sidea"},   {6, Pattern::SideB, "chooser-sideb"},
};

}  // namespace

TEST_F(RealDialogsTest, ScreenshotsOfTheChooserWithEachPanelAndOfThePickers) {
    ASSERT_NO_FATAL_FAILURE(StartWithChooser());
    for (const Shot& shot : kChooserShots) {
        ClickRow(shot.row, false);
        ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(PanelHandle(shot.panel)) != FALSE; })) << shot.name;
        PumpFor(200);
        EXPECT_TRUE(Screenshot(ChooserHandle(), shot.name)) << shot.name;
        PumpFor(600);  // the next click is no double click
    }
    // The pickers from the plan pattern D panel, whose swatches are always shown.
    ClickRow(kPlaneDRow, false);
    ASSERT_TRUE(PumpUntil([this] { return IsWindowVisible(PanelHandle(Pattern::PlaneD)) != FALSE; }));
    HWND panel = PanelHandle(Pattern::PlaneD);
    const struct {
        int swatch;
        const wchar_t* caption;
        const char* name;
    } pickers[] = {{kIdcColor, L"Color Property", "color-picker"}, {kIdcLineType, L"Line Type Property", "linetype-picker"}};
    for (const auto& picker : pickers) {
        EXPECT_TRUE(WithModal(
            picker.caption, [&] { ClickAt(GetDlgItem(panel, picker.swatch), false); },
            [&](HWND dialog) {
                PumpFor(200);
                EXPECT_TRUE(Screenshot(dialog, picker.name)) << picker.name;
                PostMessageW(dialog, WM_CLOSE, 0, 0);
            }));
    }
}
