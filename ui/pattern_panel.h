// A pattern panel: a borderless child of the chooser that shows one pattern's
// settings and stores each change at once. The six panel classes differ only
// in their layout, their values and whether the line group's enabling rule
// applies.
#ifndef LEDGEWRIGHT_UI_PATTERN_PANEL_H
#define LEDGEWRIGHT_UI_PATTERN_PANEL_H

#include <memory>
#include <span>
#include <vector>

#include "base/pattern.h"
#include "host/zedtext.h"
#include "ui/layout.h"
#include "ui/swatches.h"
#include "ui/window.h"

// One value of a panel and the control that shows it.
struct PanelValue {
    enum class Kind {
        Flag,      // check box: "1" or "0"
        Radio,     // radio pair (control: the first): "0" or "1"
        List,      // drop-down list: "1" for any index but 0, else "0"
        Text,      // edit
        Colour,    // colour swatch: the colour name
        LineType,  // line-type swatch: the line-type name
    };
    Kind kind;
    int controlId;
    const ZedChar* name;  // the registry value, whose dialog default settings/loaders.h gives
    bool showAsNumber = false;   // edit: shown at load in the settings number format
    bool storeAsNumber = false;  // edit: stored in the settings number format
};

class PatternPanel : public DialogHandler {
public:
    // Makes the panel's window as a child of the chooser; creation loads the
    // values. False when the window could not be made.
    bool Create(DialogWindow& chooser);
    DialogWindow& Window() { return *window_; }

    void OnInit(DialogWindow& window) override;
    void OnEvent(int controlId, Event event, int detail) override;
    void PaintControl(int controlId, Canvas& canvas, const Rect& client) override;

protected:
    PatternPanel(const DialogLayout& layout, std::span<const PanelValue> values, bool lineGroupRule);

private:
    struct Member {
        int number = 0;             // flags, radio pairs and lists
        ZedString text;             // edits and line-type names
        StaticMainColor swatch;     // colours
    };
    int IndexOfControl(int controlId) const;
    void Load();
    void ApplyLineGroupRule();
    void ChooseColour(size_t index);
    void ChooseLineType(size_t index);
    void Store(size_t index, const ZedString& text) const;

    const DialogLayout& layout_;
    std::span<const PanelValue> values_;
    bool lineGroupRule_;
    std::vector<Member> members_;
    std::unique_ptr<DialogWindow> window_;
    DialogWindow* initWindow_ = nullptr;
};

class LedgewrightPlaneADlg final : public PatternPanel {
public:
    LedgewrightPlaneADlg();
};
class LedgewrightPlaneBDlg final : public PatternPanel {
public:
    LedgewrightPlaneBDlg();
};
class LedgewrightPlaneCDlg final : public PatternPanel {
public:
    LedgewrightPlaneCDlg();
};
class LedgewrightPlaneDDlg final : public PatternPanel {
public:
    LedgewrightPlaneDDlg();
};
class LedgewrightSideADlg final : public PatternPanel {
public:
    LedgewrightSideADlg();
};
class LedgewrightSideBDlg final : public PatternPanel {
public:
    LedgewrightSideBDlg();
};

// The settings panel of the pattern, not yet created; null for a pattern
// without settings of its own (side patterns C and D).
std::unique_ptr<PatternPanel> MakePatternPanel(Pattern pattern);

#endif  // LEDGEWRIGHT_UI_PATTERN_PANEL_H
