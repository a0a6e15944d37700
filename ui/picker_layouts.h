// Layouts of the colour and line-type pickers.
#ifndef LEDGEWRIGHT_UI_PICKER_LAYOUTS_H
#define LEDGEWRIGHT_UI_PICKER_LAYOUTS_H

#include "ui/layout.h"

enum PickerControlId : int {
    kIdcPickerOk = 1,  // the platform's OK and Cancel ids
    kIdcPickerCancel = 2,
    kIdcColorCell01 = 1101,     // MAINCOLOR01 to MAINCOLOR16 in order
    kIdcLineTypeCell01 = 1201,  // LINETYPE01 to LINETYPE10 in order
};

// Colour cell of MAINCOLOR01 to 08 in row 1, 09 to 16 in row 2.
inline constexpr int16_t kColorCellColumns[] = {12, 36, 60, 83, 107, 131, 155, 179};
inline constexpr int16_t kColorCellRows[] = {11, 33};

#define LEDGEWRIGHT_COLOR_CELL(n, row, column) \
    {ControlKind::ColorCell, kIdcColorCell01 + (n) - 1, kColorCellColumns[column], kColorCellRows[row], 20, 18, \
     ZED_TEXT(""), kWhiteRect | kSunken | kNotify}

inline constexpr ControlLayout kColorPickerControls[] = {
    LEDGEWRIGHT_COLOR_CELL(1, 0, 0),  LEDGEWRIGHT_COLOR_CELL(2, 0, 1),  LEDGEWRIGHT_COLOR_CELL(3, 0, 2),
    LEDGEWRIGHT_COLOR_CELL(4, 0, 3),  LEDGEWRIGHT_COLOR_CELL(5, 0, 4),  LEDGEWRIGHT_COLOR_CELL(6, 0, 5),
    LEDGEWRIGHT_COLOR_CELL(7, 0, 6),  LEDGEWRIGHT_COLOR_CELL(8, 0, 7),  LEDGEWRIGHT_COLOR_CELL(9, 1, 0),
    LEDGEWRIGHT_COLOR_CELL(10, 1, 1), LEDGEWRIGHT_COLOR_CELL(11, 1, 2), LEDGEWRIGHT_COLOR_CELL(12, 1, 3),
    LEDGEWRIGHT_COLOR_CELL(13, 1, 4), LEDGEWRIGHT_COLOR_CELL(14, 1, 5), LEDGEWRIGHT_COLOR_CELL(15, 1, 6),
    LEDGEWRIGHT_COLOR_CELL(16, 1, 7),
    {ControlKind::PushButton, kIdcPickerOk, 57, 62, 50, 14, ZED_TEXT("OK"), kTabStop},
    {ControlKind::PushButton, kIdcPickerCancel, 108, 62, 50, 14, ZED_TEXT("CANCEL"), kTabStop},
};
#undef LEDGEWRIGHT_COLOR_CELL

inline constexpr DialogLayout kColorPickerLayout = {
    DialogKind::Modal, ZED_TEXT("Color Property"), 212, 88, kDialogFont, kDialogPointSize, kColorPickerControls,
};

// Line-type cells: row 1 holds LINETYPE01 to 04 in columns 1 to 4; rows 2 and
// 3 start in column 2.
inline constexpr int16_t kLineTypeCellColumns[] = {12, 60, 107, 155};
inline constexpr int16_t kLineTypeCellRows[] = {11, 30, 49};

#define LEDGEWRIGHT_LINETYPE_CELL(n, row, column) \
    {ControlKind::Picture, kIdcLineTypeCell01 + (n) - 1, kLineTypeCellColumns[column], kLineTypeCellRows[row], 0, 0, \
     ZED_TEXT(""), kBorder | kNotify}

inline constexpr ControlLayout kLineTypePickerControls[] = {
    LEDGEWRIGHT_LINETYPE_CELL(1, 0, 0), LEDGEWRIGHT_LINETYPE_CELL(2, 0, 1), LEDGEWRIGHT_LINETYPE_CELL(3, 0, 2),
    LEDGEWRIGHT_LINETYPE_CELL(4, 0, 3), LEDGEWRIGHT_LINETYPE_CELL(5, 1, 1), LEDGEWRIGHT_LINETYPE_CELL(6, 1, 2),
    LEDGEWRIGHT_LINETYPE_CELL(7, 1, 3), LEDGEWRIGHT_LINETYPE_CELL(8, 2, 1), LEDGEWRIGHT_LINETYPE_CELL(9, 2, 2),
    LEDGEWRIGHT_LINETYPE_CELL(10, 2, 3),
    {ControlKind::PushButton, kIdcPickerOk, 57, 71, 50, 14, ZED_TEXT("OK"), kTabStop},
    {ControlKind::PushButton, kIdcPickerCancel, 108, 71, 50, 14, ZED_TEXT("CANCEL"), kTabStop},
};
#undef LEDGEWRIGHT_LINETYPE_CELL

inline constexpr DialogLayout kLineTypePickerLayout = {
    DialogKind::Modal, ZED_TEXT("Line Type Property"), 212, 99, kDialogFont, kDialogPointSize, kLineTypePickerControls,
};

#endif  // LEDGEWRIGHT_UI_PICKER_LAYOUTS_H
