// The self-painted statics: the colour swatch of a pattern panel and the cells
// of the colour picker.
#ifndef LEDGEWRIGHT_UI_SWATCHES_H
#define LEDGEWRIGHT_UI_SWATCHES_H

#include "host/zedtext.h"
#include "ui/window.h"

// The colour swatch: holds a colour name and paints its colour.
class StaticMainColor {
public:
    ZedString colorName = ZED_TEXT("MAINCOLOR01");
    // Fills the client rectangle; a name not in the table paints as MAINCOLOR01.
    void Paint(Canvas& canvas, const Rect& client) const;
};

// A cell of the colour picker: paints the colour of its own position in the
// picker (row 1: MAINCOLOR01 to 08, row 2: MAINCOLOR09 to 16), black at any
// other position.
class StaticBkColor {
public:
    // itemRect: the cell's rectangle in the picker's client coordinates.
    void Paint(Canvas& canvas, const Rect& client, const DialogWindow& picker, const Rect& itemRect) const;
};

// The colour of a colour name.
Rgb ColorOfName(const ZedString& colorName);

#endif  // LEDGEWRIGHT_UI_SWATCHES_H
