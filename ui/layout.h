// How a dialog is laid out: one description per dialog, the single source from
// which every backend makes its windows and controls.
//
// Positions and sizes are in dialog units of the dialog's font. A size of 0 × 0
// on a bitmap control means that the control takes the size of its bitmap.
#ifndef LEDGEWRIGHT_UI_LAYOUT_H
#define LEDGEWRIGHT_UI_LAYOUT_H

#include <cstdint>
#include <span>

#include "host/zedtext.h"

enum class ControlKind {
    GroupBox,
    Label,
    Edit,
    CheckBox,      // auto check box
    Radio,         // auto radio button
    PushButton,
    Picture,       // bitmap static
    ListView,
    DropDown,      // drop-down list (no typing)
    ColorSwatch,   // self-painted static that holds a colour name
    ColorCell,     // self-painted static of the colour picker
};

// Style bits that matter to the behaviour; each backend maps them to its own.
enum ControlStyle : uint32_t {
    kStyleNone = 0,
    kGroupStart = 1u << 0,     // first control of a radio group
    kNotify = 1u << 1,         // a static that reports clicks and double clicks
    kSunken = 1u << 2,         // sunken edge
    kBorder = 1u << 3,         // thin border
    kReportView = 1u << 4,     // list view: report view
    kSingleSelect = 1u << 5,   // list view: one row at a time
    kShowSelection = 1u << 6,  // list view: selection shown without the focus
    kWhiteRect = 1u << 7,      // static: white rectangle
    kTabStop = 1u << 8,
};

struct ControlLayout {
    ControlKind kind;
    int id;  // 0 for controls that nothing refers to
    int16_t x;
    int16_t y;
    int16_t cx;
    int16_t cy;
    const ZedChar* caption;
    uint32_t style;
};

enum class DialogKind {
    Modeless,  // pop-up with title bar, close box and modal frame
    Child,     // borderless child without a title
    Modal,     // pop-up with title bar and close box, run modally
};

struct DialogLayout {
    DialogKind kind;
    const ZedChar* caption;
    int16_t cx;
    int16_t cy;
    const ZedChar* font;
    int pointSize;
    std::span<const ControlLayout> controls;
};

inline constexpr const ZedChar* kDialogFont = ZED_TEXT("MS Shell Dlg");
inline constexpr int kDialogPointSize = 8;

// The control of the layout with the id, or nullptr.
constexpr const ControlLayout* FindControl(const DialogLayout& layout, int id) {
    for (const ControlLayout& control : layout.controls) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

#endif  // LEDGEWRIGHT_UI_LAYOUT_H
