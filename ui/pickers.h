// The colour and line-type pickers: small modal dialogs that choose one name
// by its cell.
#ifndef LEDGEWRIGHT_UI_PICKERS_H
#define LEDGEWRIGHT_UI_PICKERS_H

#include <array>
#include <span>

#include "host/zedtext.h"
#include "ui/layout.h"
#include "ui/swatches.h"
#include "ui/window.h"

// What the two pickers share: a current and a previous name, one cell per name,
// selection by click and double click, keys, and the red selection frame.
class NamePicker : public DialogHandler {
public:
    ZedString currentName;
    ZedString previousName;

    // Takes the swatch's name as the current one, the old current becoming the
    // previous, unless they are the same without regard to case.
    void Preset(const ZedString& swatchName);
    // Runs modally, owned by the window; true for OK.
    bool DoModal(DialogWindow& owner);

    void OnInit(DialogWindow& window) override;
    void OnEvent(int controlId, Event event, int detail) override;
    bool OnKey(int virtualKey) override;
    void OnPaint(Canvas& canvas) override;

protected:
    NamePicker(const DialogLayout& layout, std::span<const ZedChar* const> names, int firstCellId,
               const ZedChar* initialName);
    DialogWindow* window_ = nullptr;
    std::span<const ZedChar* const> names_;
    int firstCellId_;

private:
    void Select(const ZedString& name);
    // The cell of a name, the first cell for a name that matches none.
    int CellOf(const ZedString& name) const;
    const DialogLayout& layout_;
};

class ZdStColorDlg final : public NamePicker {
public:
    ZdStColorDlg();
    void PaintControl(int controlId, Canvas& canvas, const Rect& client) override;

private:
    std::array<StaticBkColor, 16> cells_;
};

class ZdStLTypeDlg final : public NamePicker {
public:
    ZdStLTypeDlg();
    // Gives each cell its line type's picture.
    void OnInit(DialogWindow& window) override;
};

#endif  // LEDGEWRIGHT_UI_PICKERS_H
