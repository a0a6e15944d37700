#include "tests/ui/ui_test.h"

#include "ui/chooser.h"
#include "ui/chooser_instance.h"

void UiTest::SetUp() {
    PluginTest::SetUp();
    headless::SetModalDriver(nullptr);
    headless::SetHostWindowRect({0, 0, 1600, 1000});
}

void UiTest::TearDown() {
    headless::SetModalDriver(nullptr);
    PluginTest::TearDown();
}

void UiTest::StartWithChooser() {
    StartCommand();
    ASSERT_TRUE(ChooserExists());
}

LedgewrightDlg& UiTest::Chooser() { return *ChooserInstance(); }

int UiTest::VisiblePanel() {
    int visible = -1;
    for (int i = 0; i < LedgewrightDlg::kPanelCount; ++i) {
        if (PanelWindow(i).Visible()) {
            visible = visible == -1 ? i : -2;
        }
    }
    return visible;
}
