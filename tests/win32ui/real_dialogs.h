// The fixture of the real dialogs' tests (Windows, under Wine on the build
// machine): a fresh host and registry, the runner's host window standing for
// the host's main window, the Windows backend, and a user's mouse and keyboard
// through the system's input stream.
#ifndef LEDGEWRIGHT_TESTS_WIN32UI_REAL_DIALOGS_H
#define LEDGEWRIGHT_TESTS_WIN32UI_REAL_DIALOGS_H

#include <windows.h>

#include <functional>
#include <string>

#include "tests/support/plugin_test.h"
#include "ui/chooser_dialog.h"
#include "ui/layout.h"

// The chooser's row of plan pattern D, whose panel shows the picker buttons.
inline constexpr int kPlaneDRow = 3;

// Wide text as UTF-8, for messages.
std::string Utf8(const std::wstring& text);

class RealDialogsTest : public PluginTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the command, which opens the real chooser, and lets it settle.
    void StartWithChooser();
    LedgewrightDlg& Chooser();
    HWND ChooserHandle();
    HWND PanelHandle(Pattern pattern);
    HWND HostWindow();

    // Handles this thread's messages until the condition holds; false when it
    // still does not hold after the time (milliseconds).
    static bool PumpUntil(const std::function<bool()>& condition, int timeoutMs = 5000);
    static void PumpFor(int milliseconds);
    // A click, or a double click, at the centre of a window (or at a point in
    // its client coordinates) through the system's input stream.
    static void ClickAt(HWND window, bool doubleClick);
    static void ClickAt(HWND window, POINT client, bool doubleClick);
    static void PressKey(WORD virtualKey);
    // A click or double click on a row of the chooser's pattern list.
    void ClickRow(int row, bool doubleClick);

    // Runs `open` (which opens a modal dialog) and, once a modal dialog with
    // the caption is up, `inside` with its handle. `inside` must close it; a
    // dialog still open 10 s later is closed with its close box and the test
    // fails. Returns whether `inside` ran.
    static bool WithModal(const wchar_t* caption, const std::function<void()>& open,
                          const std::function<void(HWND)>& inside);


public:
    static std::wstring TextOf(HWND window);
    // Writes a PNG picture of the top-level window, as the X display shows it
    // under Wine, to <build>/screenshots/<name>.png (ImageMagick's import);
    // false when it could not be taken.
    static bool Screenshot(HWND window, const std::string& name);
};

// Checks every control of the dialog against its layout: its rectangle is the
// layout's rectangle mapped from the dialog's own dialog units, and every
// caption of its own reads back exactly; the dialog's caption too.
void ExpectMatchesLayout(HWND dialog, const DialogLayout& layout, const std::string& name);

#endif  // LEDGEWRIGHT_TESTS_WIN32UI_REAL_DIALOGS_H
