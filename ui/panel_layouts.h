// The six pattern panels: their layouts and the values their controls show.
// Controls of the same role carry the same id in every panel.
#ifndef LEDGEWRIGHT_UI_PANEL_LAYOUTS_H
#define LEDGEWRIGHT_UI_PANEL_LAYOUTS_H

#include <array>
#include <cstddef>
#include <span>

#include "base/build_profile.h"
#include "base/messages.h"
#include "base/pattern.h"
#include "ui/layout.h"

enum PanelControlId : int {
    kIdcIsWidthValue = 1301,
    kIdcWidthValue,
    kIdcWidthValueDistance,
    kIdcIsHoleDraw,
    kIdcHoleKind,
    kIdcHoleLayer,
    kIdcHoleDir,
    kIdcHoleWidth,
    kIdcIsLineDraw,
    kIdcLineSame,  // first radio: 0
    kIdcLineOwn,   // second radio: 1
    kIdcColor,
    kIdcLineType,
    kIdcIsSlotDraw,
    kIdcSlotLayer,
    kIdcSlotR,
    kIdcSlotColor,
    kIdcSlotLineType,
    kIdcDisplayWidth,
    kIdcDisplayProtrude,
    kIdcDisplayColor,
    kIdcDisplayLineType,
};

namespace panel_layout {

using K = ControlKind;

inline constexpr uint32_t kSwatch = kSunken | kNotify;
inline constexpr uint32_t kLineTypeSwatch = kBorder | kNotify;

// The hole group of plan patterns B and C.
#define LEDGEWRIGHT_HOLE_GROUP_BC                                                                    \
    {K::CheckBox, kIdcIsHoleDraw, 24, 21, 50, 10, kCapHoleDraw, kTabStop},                    \
        {K::DropDown, kIdcHoleKind, 82, 17, 81, 40, ZED_TEXT(""), kTabStop},                         \
        {K::Label, 0, 38, 36, 40, 8, kCapLayerNumber, kStyleNone},                            \
        {K::Edit, kIdcHoleLayer, 82, 34, 170, 12, ZED_TEXT(""), kTabStop},                           \
        {K::Label, 0, 45, 50, 220, 8, kCapHoleLayerHint, kStyleNone},                                        \
        {K::Label, 0, 38, 65, 40, 8, kCapDirection, kStyleNone},                                  \
        {K::DropDown, kIdcHoleDir, 83, 63, 50, 40, ZED_TEXT(""), kTabStop},                          \
        {K::Label, 0, 38, 80, 40, 8, kCapSpacing, kStyleNone},                                \
        {K::Edit, kIdcHoleWidth, 82, 78, 170, 12, ZED_TEXT(""), kTabStop}

inline constexpr ControlLayout kPlaneAAllControls[] = {
    {K::CheckBox, kIdcIsWidthValue, 20, 23, 44, 10, kCapPunchWidth, kTabStop},
    {K::Edit, kIdcWidthValue, 67, 21, 40, 12, ZED_TEXT(""), kTabStop},
    {K::Label, 0, 110, 23, 40, 8, kCapOrLess, kStyleNone},
    {K::CheckBox, kIdcIsLineDraw, 20, 123, 100, 10, kCapLineDraw, kTabStop},
    {K::Radio, kIdcLineSame, 30, 138, 70, 10, kCapSameColourSolid, kGroupStart | kTabStop},
    {K::Radio, kIdcLineOwn, 30, 151, 70, 10, kCapOwnColourType, kStyleNone},
    {K::Label, 0, 31, 37, 54, 8, kCapBothSpacings, kStyleNone},
    {K::Edit, kIdcWidthValueDistance, 88, 35, 40, 12, ZED_TEXT(""), kTabStop},
    {K::Label, 0, 132, 37, 100, 8, kCapApplySpacings, kStyleNone},
    {K::CheckBox, kIdcIsHoleDraw, 20, 51, 50, 10, kCapHoleDraw, kTabStop},
    {K::Edit, kIdcHoleLayer, 78, 62, 170, 12, ZED_TEXT(""), kTabStop},
    {K::DropDown, kIdcHoleDir, 79, 90, 50, 40, ZED_TEXT(""), kTabStop},
    {K::Label, 0, 45, 79, 220, 8, kCapHoleLayerHint, kStyleNone},
    {K::Edit, kIdcHoleWidth, 78, 105, 170, 12, ZED_TEXT(""), kTabStop},
    {K::ColorSwatch, kIdcColor, 105, 153, 20, 18, ZED_TEXT(""), kSwatch},
    {K::Picture, kIdcLineType, 127, 154, 16, 14, ZED_TEXT(""), kLineTypeSwatch},
    {K::GroupBox, 0, 3, 0, 276, 185, ZED_TEXT(""), kStyleNone},
    {K::DropDown, kIdcHoleKind, 78, 49, 81, 40, ZED_TEXT(""), kTabStop},
    {K::Label, 0, 34, 64, 40, 8, kCapLayerNumber, kStyleNone},
    {K::Label, 0, 34, 92, 40, 8, kCapDirection, kStyleNone},
    {K::Label, 0, 34, 107, 40, 8, kCapSpacing, kStyleNone},
};

inline constexpr ControlLayout kPlaneBAllControls[] = {
    LEDGEWRIGHT_HOLE_GROUP_BC,
    {K::CheckBox, kIdcIsLineDraw, 24, 103, 100, 10, kCapLineDraw, kTabStop},
    {K::Radio, kIdcLineSame, 34, 118, 70, 10, kCapSameColourSolid, kGroupStart | kTabStop},
    {K::Radio, kIdcLineOwn, 34, 131, 70, 10, kCapOwnColourType, kStyleNone},
    {K::ColorSwatch, kIdcColor, 109, 132, 20, 18, ZED_TEXT(""), kSwatch},
    {K::Picture, kIdcLineType, 131, 133, 16, 14, ZED_TEXT(""), kLineTypeSwatch},
    {K::GroupBox, 0, 3, 0, 276, 163, ZED_TEXT(""), kStyleNone},
};

inline constexpr ControlLayout kPlaneCAllControls[] = {
    LEDGEWRIGHT_HOLE_GROUP_BC,
    {K::Label, 0, 26, 105, 100, 8, kCapShapeLine, kStyleNone},
    {K::Radio, kIdcLineSame, 34, 118, 70, 10, kCapSameColourType, kGroupStart | kTabStop},
    {K::Radio, kIdcLineOwn, 34, 131, 70, 10, kCapOwnColourType, kStyleNone},
    {K::ColorSwatch, kIdcColor, 110, 133, 20, 18, ZED_TEXT(""), kSwatch},
    {K::Picture, kIdcLineType, 132, 134, 16, 14, ZED_TEXT(""), kLineTypeSwatch},
    {K::GroupBox, 0, 3, 0, 276, 166, ZED_TEXT(""), kStyleNone},
};
#undef LEDGEWRIGHT_HOLE_GROUP_BC

inline constexpr ControlLayout kPlaneDControls[] = {
    {K::CheckBox, kIdcIsSlotDraw, 24, 21, 50, 10, kCapSlotDraw, kTabStop},
    {K::Label, 0, 38, 36, 40, 8, kCapLayerNumber, kStyleNone},
    {K::Edit, kIdcSlotLayer, 82, 34, 170, 12, ZED_TEXT(""), kTabStop},
    {K::Label, 0, 45, 50, 220, 8, kCapSlotLayerHint, kStyleNone},
    {K::Label, 0, 38, 67, 40, 8, kCapSlotR, kStyleNone},
    {K::Edit, kIdcSlotR, 82, 65, 60, 12, ZED_TEXT(""), kTabStop},
    {K::Label, 0, 38, 94, 78, 8, kCapSlotLine, kStyleNone},
    {K::ColorSwatch, kIdcSlotColor, 118, 90, 20, 18, ZED_TEXT(""), kSwatch},
    {K::Picture, kIdcSlotLineType, 140, 91, 16, 14, ZED_TEXT(""), kLineTypeSwatch},
    {K::Label, 0, 26, 126, 100, 8, kCapShapeLine, kStyleNone},
    {K::Radio, kIdcLineSame, 34, 139, 70, 10, kCapSameColourType, kGroupStart | kTabStop},
    {K::Radio, kIdcLineOwn, 34, 152, 70, 10, kCapOwnColourType, kStyleNone},
    {K::ColorSwatch, kIdcColor, 119, 155, 20, 18, ZED_TEXT(""), kSwatch},
    {K::Picture, kIdcLineType, 141, 156, 16, 14, ZED_TEXT(""), kLineTypeSwatch},
    {K::GroupBox, 0, 3, 0, 276, 186, ZED_TEXT(""), kStyleNone},
};

inline constexpr ControlLayout kSideAControls[] = {
    {K::CheckBox, kIdcIsLineDraw, 24, 22, 100, 10, kCapLineDraw, kTabStop},
    {K::Radio, kIdcLineSame, 34, 37, 70, 10, kCapSameColourSolid, kGroupStart | kTabStop},
    {K::Radio, kIdcLineOwn, 34, 50, 70, 10, kCapOwnColourType, kStyleNone},
    {K::ColorSwatch, kIdcColor, 109, 52, 20, 18, ZED_TEXT(""), kSwatch},
    {K::Picture, kIdcLineType, 131, 53, 16, 14, ZED_TEXT(""), kLineTypeSwatch},
    {K::GroupBox, 0, 3, 0, 276, 87, ZED_TEXT(""), kStyleNone},
};

inline constexpr ControlLayout kSideBControls[] = {
    {K::CheckBox, kIdcIsLineDraw, 24, 22, 100, 10, kCapLineDraw, kTabStop},
    {K::Radio, kIdcLineSame, 34, 37, 70, 10, kCapSameColourSolid, kGroupStart | kTabStop},
    {K::Radio, kIdcLineOwn, 34, 50, 70, 10, kCapOwnColourType, kStyleNone},
    {K::ColorSwatch, kIdcColor, 111, 53, 20, 18, ZED_TEXT(""), kSwatch},
    {K::Picture, kIdcLineType, 133, 54, 16, 14, ZED_TEXT(""), kLineTypeSwatch},
    {K::Label, 0, 34, 90, 62, 8, kCapDisplayWidth, kStyleNone},
    {K::Edit, kIdcDisplayWidth, 99, 88, 65, 12, ZED_TEXT(""), kTabStop},
    {K::Label, 0, 34, 106, 62, 8, kCapDisplayProtrude, kStyleNone},
    {K::Edit, kIdcDisplayProtrude, 99, 104, 65, 12, ZED_TEXT(""), kTabStop},
    {K::Label, 0, 34, 143, 62, 8, kCapDisplayLine, kStyleNone},
    {K::ColorSwatch, kIdcDisplayColor, 112, 140, 20, 18, ZED_TEXT(""), kSwatch},
    {K::Picture, kIdcDisplayLineType, 134, 140, 16, 14, ZED_TEXT(""), kLineTypeSwatch},
    {K::GroupBox, 0, 4, 0, 275, 175, ZED_TEXT(""), kStyleNone},
};

// The plan A to C panels as the build has them: the legacy build, which makes
// the MC hole only, has no hole-kind list, and its hole check box names the MC
// hole. That longer caption takes a wider box, where the list would stand, so
// that a Windows Korean UI font does not cut it off.
inline constexpr int16_t kLegacyHoleDrawWidth = 60;

template <size_t N>
constexpr auto PlanPanelControls(const ControlLayout (&controls)[N]) {
    if constexpr (build_profile::kShapedHoles) {
        return std::to_array(controls);
    } else {
        std::array<ControlLayout, N - 1> kept{};
        size_t k = 0;
        for (ControlLayout control : controls) {
            if (control.id == kIdcHoleKind) {
                continue;
            }
            if (control.id == kIdcIsHoleDraw) {
                control.caption = kCapMcHoleDraw;
                control.cx = kLegacyHoleDrawWidth;
            }
            kept[k++] = control;
        }
        return kept;
    }
}

inline constexpr auto kPlaneAControls = PlanPanelControls(kPlaneAAllControls);
inline constexpr auto kPlaneBControls = PlanPanelControls(kPlaneBAllControls);
inline constexpr auto kPlaneCControls = PlanPanelControls(kPlaneCAllControls);

}  // namespace panel_layout

inline constexpr DialogLayout kPlaneALayout = {DialogKind::Child, ZED_TEXT(""), 279, 207, kDialogFont, kDialogPointSize,
                                               panel_layout::kPlaneAControls};
inline constexpr DialogLayout kPlaneBLayout = {DialogKind::Child, ZED_TEXT(""), 279, 217, kDialogFont, kDialogPointSize,
                                               panel_layout::kPlaneBControls};
inline constexpr DialogLayout kPlaneCLayout = {DialogKind::Child, ZED_TEXT(""), 279, 217, kDialogFont, kDialogPointSize,
                                               panel_layout::kPlaneCControls};
inline constexpr DialogLayout kPlaneDLayout = {DialogKind::Child, ZED_TEXT(""), 279, 217, kDialogFont, kDialogPointSize,
                                               panel_layout::kPlaneDControls};
inline constexpr DialogLayout kSideALayout = {DialogKind::Child, ZED_TEXT(""), 279, 136, kDialogFont, kDialogPointSize,
                                              panel_layout::kSideAControls};
inline constexpr DialogLayout kSideBLayout = {DialogKind::Child, ZED_TEXT(""), 279, 230, kDialogFont, kDialogPointSize,
                                              panel_layout::kSideBControls};

// One value of a panel and the control that shows it. A panel's values are
// those of its pattern's settings table (settings/loaders.h), one row each and
// in the same order, which gives each its registry name and its default.
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
    bool showAsNumber = false;   // edit: shown at load in the settings number format
    bool storeAsNumber = false;  // edit: stored in the settings number format
};

namespace panel_layout {

using V = PanelValue::Kind;

inline constexpr PanelValue kPlaneAValues[] = {
    {V::Flag, kIdcIsWidthValue},
    {V::Text, kIdcWidthValue, true, true},
    {V::Text, kIdcWidthValueDistance, true, true},
    {V::Flag, kIdcIsHoleDraw},
    {V::List, kIdcHoleKind},
    {V::Text, kIdcHoleLayer},
    {V::List, kIdcHoleDir},
    {V::Text, kIdcHoleWidth, false, true},
    {V::Flag, kIdcIsLineDraw},
    {V::Radio, kIdcLineSame},
    {V::Colour, kIdcColor},
    {V::LineType, kIdcLineType},
};

inline constexpr PanelValue kPlaneBValues[] = {
    {V::Flag, kIdcIsHoleDraw},
    {V::List, kIdcHoleKind},
    {V::Text, kIdcHoleLayer},
    {V::List, kIdcHoleDir},
    {V::Text, kIdcHoleWidth, false, true},
    {V::Flag, kIdcIsLineDraw},
    {V::Radio, kIdcLineSame},
    {V::Colour, kIdcColor},
    {V::LineType, kIdcLineType},
};

inline constexpr PanelValue kPlaneCValues[] = {
    {V::Flag, kIdcIsHoleDraw},
    {V::List, kIdcHoleKind},
    {V::Text, kIdcHoleLayer},
    {V::List, kIdcHoleDir},
    {V::Text, kIdcHoleWidth, false, true},
    {V::Radio, kIdcLineSame},
    {V::Colour, kIdcColor},
    {V::LineType, kIdcLineType},
};

inline constexpr PanelValue kPlaneDValues[] = {
    {V::Flag, kIdcIsSlotDraw},
    {V::Text, kIdcSlotLayer},
    {V::Text, kIdcSlotR},
    {V::Colour, kIdcSlotColor},
    {V::LineType, kIdcSlotLineType},
    {V::Radio, kIdcLineSame},
    {V::Colour, kIdcColor},
    {V::LineType, kIdcLineType},
};

inline constexpr PanelValue kSideAValues[] = {
    {V::Flag, kIdcIsLineDraw},
    {V::Radio, kIdcLineSame},
    {V::Colour, kIdcColor},
    {V::LineType, kIdcLineType},
};

inline constexpr PanelValue kSideBValues[] = {
    {V::Flag, kIdcIsLineDraw},
    {V::Radio, kIdcLineSame},
    {V::Colour, kIdcColor},
    {V::LineType, kIdcLineType},
    {V::Text, kIdcDisplayWidth, false, true},
    {V::Text, kIdcDisplayProtrude, false, true},
    {V::Colour, kIdcDisplayColor},
    {V::LineType, kIdcDisplayLineType},
};

}  // namespace panel_layout

// A pattern's panel: its layout, its values and whether the line group's
// enabling rule applies.
struct PanelDescription {
    Pattern pattern;
    const DialogLayout* layout;
    std::span<const PanelValue> values;
    bool lineGroupRule;
};

inline constexpr PanelDescription kPanelDescriptions[] = {
    {Pattern::PlaneA, &kPlaneALayout, panel_layout::kPlaneAValues, true},
    {Pattern::PlaneB, &kPlaneBLayout, panel_layout::kPlaneBValues, true},
    {Pattern::PlaneC, &kPlaneCLayout, panel_layout::kPlaneCValues, false},
    {Pattern::PlaneD, &kPlaneDLayout, panel_layout::kPlaneDValues, false},
    {Pattern::SideA, &kSideALayout, panel_layout::kSideAValues, true},
    {Pattern::SideB, &kSideBLayout, panel_layout::kSideBValues, true},
};

// The pattern's panel; null for a pattern without settings of its own (side
// patterns C and D).
constexpr const PanelDescription* PanelOf(Pattern pattern) {
    for (const PanelDescription& panel : kPanelDescriptions) {
        if (panel.pattern == pattern) {
            return &panel;
        }
    }
    return nullptr;
}

#endif  // LEDGEWRIGHT_UI_PANEL_LAYOUTS_H
