// The pattern chooser's dialog class.
#ifndef LEDGEWRIGHT_UI_CHOOSER_DIALOG_H
#define LEDGEWRIGHT_UI_CHOOSER_DIALOG_H

#include <array>
#include <memory>
#include <optional>

#include "base/pattern.h"
#include "host/zedtext.h"
#include "ui/pattern_panel.h"
#include "ui/window.h"

// Keys take the platform's way: Enter belongs to the focused control (a push
// button clicks, an open drop-down closes) and otherwise asks for OK, which the
// chooser has not; Escape and the close box hide it.
class LedgewrightDlg final : public DialogHandler {
public:
    LedgewrightDlg();
    // Makes the window (hidden) and runs its initialisation; false when the
    // window or one of its panels could not be made.
    bool Create();
    DialogWindow& Window() { return *window_; }
    // The pattern's panel; null for a pattern without one.
    PatternPanel* Panel(Pattern pattern) { return panels_[static_cast<size_t>(pattern)].get(); }

    const ZedString settingsKeyName;
    ZedString protrudeText;
    ZedString widthText;
    ZedString heightText;
    int isLayer = 0;
    ZedString layers;
    int itemNo = -1;

    void OnInit(DialogWindow& window) override;
    void OnEvent(int controlId, Event event, int detail) override;

private:
    void SetUpList();
    void LoadValues();
    void EnableLayerControls();
    void RefreshControls();
    void StoreAllValues();
    void ChooseRow(int row, bool typeKeyword);
    void ShowPicture();
    void ShowPanel();
    void TypeCurrentKeyword();

    std::unique_ptr<DialogWindow> window_;
    DialogWindow* initWindow_ = nullptr;
    bool panelsMade_ = false;
    std::array<std::unique_ptr<PatternPanel>, kAllPatterns.size()> panels_;
};

// What one item number of the chooser stands for: its row and its pattern,
// whose keyword, picture and panel the chooser shows.
struct ChooserItem {
    int row;                         // -1: no row
    std::optional<Pattern> pattern;  // none: the separator row
};
// The item of a number; an item with nothing for any number outside 1 to 9.
ChooserItem ChooserItemOf(int itemNo);

#endif  // LEDGEWRIGHT_UI_CHOOSER_DIALOG_H
