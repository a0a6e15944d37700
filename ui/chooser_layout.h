// Layout of the pattern chooser.
#ifndef LEDGEWRIGHT_UI_CHOOSER_LAYOUT_H
#define LEDGEWRIGHT_UI_CHOOSER_LAYOUT_H

#include "ui/layout.h"

enum ChooserControlId : int {
    kIdcProtrude = 1001,
    kIdcWidth,
    kIdcHeight,
    kIdcIsLayer,
    kIdcLayerLabel,
    kIdcLayers,
    kIdcDelete,
    kIdcPicture,
    kIdcPatternList,
};

inline constexpr ControlLayout kChooserControls[] = {
    {ControlKind::GroupBox, 0, 3, 0, 189, 100, ZED_TEXT(""), kStyleNone},
    {ControlKind::Label, 0, 15, 9, 74, 8, ZED_TEXT("●. 턱걸이 돌출량 :"), kStyleNone},
    {ControlKind::Edit, kIdcProtrude, 91, 5, 79, 14, ZED_TEXT(""), kTabStop},
    {ControlKind::Label, 0, 15, 25, 74, 8, ZED_TEXT("●. 턱걸이 폭 : "), kStyleNone},
    {ControlKind::Edit, kIdcWidth, 91, 20, 79, 14, ZED_TEXT(""), kTabStop},
    {ControlKind::Label, 0, 15, 39, 74, 8, ZED_TEXT("●. 턱걸이 높이 :"), kStyleNone},
    {ControlKind::Edit, kIdcHeight, 91, 35, 79, 14, ZED_TEXT(""), kTabStop},
    {ControlKind::CheckBox, kIdcIsLayer, 15, 56, 167, 10, ZED_TEXT("레이어검출기능사용(구분자 \"|\"사용)"), kTabStop},
    {ControlKind::Label, kIdcLayerLabel, 25, 66, 64, 8, ZED_TEXT("●. 레이어번호 : "), kStyleNone},
    {ControlKind::Edit, kIdcLayers, 91, 67, 78, 14, ZED_TEXT(""), kTabStop},
    {ControlKind::PushButton, kIdcDelete, 104, 85, 65, 14, ZED_TEXT("턱걸이형상 삭제"), kTabStop},
    {ControlKind::Picture, kIdcPicture, 195, 4, 0, 0, ZED_TEXT(""), kNotify},
    {ControlKind::ListView, kIdcPatternList, 3, 102, 290, 102, ZED_TEXT(""),
     kReportView | kSingleSelect | kShowSelection | kBorder | kTabStop},
};

inline constexpr DialogLayout kChooserLayout = {
    DialogKind::Modeless, ZED_TEXT("턱걸이작성"), 296, 445, kDialogFont, kDialogPointSize, kChooserControls,
};

#endif  // LEDGEWRIGHT_UI_CHOOSER_LAYOUT_H
