// The fixture of the dialog tests: a fresh host and registry, no chooser, the
// headless backend with no modal driver, and ways to reach the chooser's
// windows.
#ifndef LEDGEWRIGHT_TESTS_UI_UI_TEST_H
#define LEDGEWRIGHT_TESTS_UI_UI_TEST_H

#include <optional>
#include <string>

#include "tests/support/plugin_test.h"
#include "ui/chooser_dialog.h"
#include "ui/headless.h"

// The virtual keys the tests press.
inline constexpr int kVkReturn = 0x0D;
inline constexpr int kVkEscape = 0x1B;

inline constexpr Rgb kRed = {255, 0, 0};  // MAINCOLOR06

class UiTest : public PluginTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the command, which shows the chooser.
    void StartWithChooser();
    LedgewrightDlg& Chooser();
    DialogWindow& ChooserWindow() { return Chooser().Window(); }
    DialogWindow& PanelWindow(Pattern pattern) { return Chooser().Panel(pattern)->Window(); }
    // The pattern of the one visible panel, none for no panel; a second
    // visible panel fails the test.
    std::optional<Pattern> VisiblePanel();

    static ZedString Z(const std::string& utf8) { return emu::FromUtf8(utf8); }
    static std::string U(const ZedString& text) { return emu::ToUtf8(text.c_str()); }
};

#endif  // LEDGEWRIGHT_TESTS_UI_UI_TEST_H
