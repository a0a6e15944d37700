// Layout of the pattern chooser.
#ifndef LEDGEWRIGHT_UI_CHOOSER_LAYOUT_H
#define LEDGEWRIGHT_UI_CHOOSER_LAYOUT_H

#include <array>
#include <cstddef>

#include "base/build_profile.h"
#include "base/messages.h"
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

// The upper group: the shared sizes and the layer filter.
inline constexpr ControlLayout kUpperGroupBox = {ControlKind::GroupBox, 0, 3, 0, 189, 100, ZED_TEXT(""), kStyleNone};

inline constexpr ControlLayout kChooserAllControls[] = {
    kUpperGroupBox,
    {ControlKind::Label, 0, 15, 9, 74, 8, kCapProtrude, kStyleNone},
    {ControlKind::Edit, kIdcProtrude, 91, 5, 79, 14, ZED_TEXT(""), kTabStop},
    {ControlKind::Label, 0, 15, 25, 74, 8, kCapWidth, kStyleNone},
    {ControlKind::Edit, kIdcWidth, 91, 20, 79, 14, ZED_TEXT(""), kTabStop},
    {ControlKind::Label, 0, 15, 39, 74, 8, kCapHeight, kStyleNone},
    {ControlKind::Edit, kIdcHeight, 91, 35, 79, 14, ZED_TEXT(""), kTabStop},
    {ControlKind::CheckBox, kIdcIsLayer, 15, 56, 167, 10, kCapLayerFilter, kTabStop},
    {ControlKind::Label, kIdcLayerLabel, 25, 66, 64, 8, kCapLayerNumbers, kStyleNone},
    {ControlKind::Edit, kIdcLayers, 91, 67, 78, 14, ZED_TEXT(""), kTabStop},
    {ControlKind::PushButton, kIdcDelete, 104, 85, 65, 14, kCapDeleteShoulder, kTabStop},
    {ControlKind::Picture, kIdcPicture, 195, 4, 0, 0, ZED_TEXT(""), kNotify},
    {ControlKind::ListView, kIdcPatternList, 3, 102, 290, 102, ZED_TEXT(""),
     kReportView | kSingleSelect | kShowSelection | kBorder | kTabStop},
};

// The chooser as the build has it: the legacy chooser has no Delete button,
// and the controls inside its upper group stand 7 dialog units lower.
inline constexpr int kLegacyUpperGroupDrop = 7;

constexpr bool InUpperGroup(const ControlLayout& control) {
    return control.kind != ControlKind::GroupBox && control.x < kUpperGroupBox.x + kUpperGroupBox.cx &&
           control.y < kUpperGroupBox.y + kUpperGroupBox.cy;
}

template <size_t N>
constexpr auto ChooserControls(const ControlLayout (&controls)[N]) {
    if constexpr (build_profile::kChooser == build_profile::ChooserVariant::Current) {
        return std::to_array(controls);
    } else {
        std::array<ControlLayout, N - 1> kept{};
        size_t k = 0;
        for (ControlLayout control : controls) {
            if (control.id == kIdcDelete) {
                continue;
            }
            if (InUpperGroup(control)) {
                control.y = static_cast<int16_t>(control.y + kLegacyUpperGroupDrop);
            }
            kept[k++] = control;
        }
        return kept;
    }
}

inline constexpr auto kChooserControls = ChooserControls(kChooserAllControls);

inline constexpr DialogLayout kChooserLayout = {
    DialogKind::Modeless, kCapChooserTitle, 296, 445, kDialogFont, kDialogPointSize, kChooserControls,
};

#endif  // LEDGEWRIGHT_UI_CHOOSER_LAYOUT_H
