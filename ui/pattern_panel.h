// A pattern panel: a borderless child of the chooser that shows one pattern's
// settings and stores each change at once. The panel classes differ only in
// their pattern's panel description (ui/panel_layouts.h): the layout, the
// values and whether the line group's enabling rule applies.
#ifndef LEDGEWRIGHT_UI_PATTERN_PANEL_H
#define LEDGEWRIGHT_UI_PATTERN_PANEL_H

#include <memory>
#include <span>
#include <vector>

#include "base/pattern.h"
#include "host/zedtext.h"
#include "ui/layout.h"
#include "ui/panel_layouts.h"
#include "ui/swatches.h"
#include "ui/window.h"

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
    explicit PatternPanel(Pattern pattern);

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
    std::vector<PanelValue> values_;  // those of this build, each with its registry name in names_
    std::vector<const ZedChar*> names_;
    bool lineGroupRule_;
    std::vector<Member> members_;
    std::unique_ptr<DialogWindow> window_;
    DialogWindow* initWindow_ = nullptr;
};

template <Pattern kPattern>
class PatternPanelOf final : public PatternPanel {
public:
    PatternPanelOf() : PatternPanel(kPattern) {}
};

using LedgewrightPlaneADlg = PatternPanelOf<Pattern::PlaneA>;
using LedgewrightPlaneBDlg = PatternPanelOf<Pattern::PlaneB>;
using LedgewrightPlaneCDlg = PatternPanelOf<Pattern::PlaneC>;
using LedgewrightPlaneDDlg = PatternPanelOf<Pattern::PlaneD>;
using LedgewrightSideADlg = PatternPanelOf<Pattern::SideA>;
using LedgewrightSideBDlg = PatternPanelOf<Pattern::SideB>;

// The settings panel of the pattern, not yet created; null for a pattern
// without settings of its own (side patterns C and D).
std::unique_ptr<PatternPanel> MakePatternPanel(Pattern pattern);

#endif  // LEDGEWRIGHT_UI_PATTERN_PANEL_H
