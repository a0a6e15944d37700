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

std::optional<Pattern> UiTest::VisiblePanel() {
    std::optional<Pattern> visible;
    for (Pattern pattern : kAllPatterns) {
        if (Chooser().Panel(pattern) != nullptr && PanelWindow(pattern).Visible()) {
            EXPECT_FALSE(visible) << "two panels shown";
            visible = pattern;
        }
    }
    return visible;
}
