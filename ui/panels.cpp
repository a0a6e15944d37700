// The six pattern panels: their values in load order, with the panel defaults.
#include <array>
#include <cstddef>

#include "base/build_profile.h"
#include "ui/panel_layouts.h"
#include "ui/pattern_panel.h"

namespace {

using V = PanelValue::Kind;

constexpr PanelValue kPlaneAAllValues[] = {
    {V::Flag, kIdcIsWidthValue, ZED_TEXT("PA_IsWidthValue"), ZED_TEXT("1")},
    {V::Text, kIdcWidthValue, ZED_TEXT("PA_WidthValue"), ZED_TEXT("10.0"), true, true},
    {V::Text, kIdcWidthValueDistance, ZED_TEXT("PA_WidthValueDistance"), ZED_TEXT("0.5"), true, true},
    {V::Flag, kIdcIsHoleDraw, ZED_TEXT("PA_IsHoleDraw"), ZED_TEXT("1")},
    {V::List, kIdcHoleKind, ZED_TEXT("PA_Hole"), ZED_TEXT("0")},
    {V::Text, kIdcHoleLayer, ZED_TEXT("PA_HoleLayer"), ZED_TEXT("3")},
    {V::List, kIdcHoleDir, ZED_TEXT("PA_HoleDir"), ZED_TEXT("0")},
    {V::Text, kIdcHoleWidth, ZED_TEXT("PA_HoleWidth"), ZED_TEXT("0.5"), false, true},
    {V::Flag, kIdcIsLineDraw, ZED_TEXT("PA_IsLineDraw"), ZED_TEXT("0")},
    {V::Radio, kIdcLineSame, ZED_TEXT("PA_LineValue"), ZED_TEXT("0")},
    {V::Colour, kIdcColor, ZED_TEXT("PA_Color"), ZED_TEXT("MAINCOLOR06")},
    {V::LineType, kIdcLineType, ZED_TEXT("PA_LType"), ZED_TEXT("LINETYPE01")},
};

constexpr PanelValue kPlaneBAllValues[] = {
    {V::Flag, kIdcIsHoleDraw, ZED_TEXT("PB_IsHoleDraw"), ZED_TEXT("1")},
    {V::List, kIdcHoleKind, ZED_TEXT("PB_Hole"), ZED_TEXT("0")},
    {V::Text, kIdcHoleLayer, ZED_TEXT("PB_HoleLayer"), ZED_TEXT("3")},
    {V::List, kIdcHoleDir, ZED_TEXT("PB_HoleDir"), ZED_TEXT("0")},
    {V::Text, kIdcHoleWidth, ZED_TEXT("PB_HoleWidth"), ZED_TEXT("0.5"), false, true},
    {V::Flag, kIdcIsLineDraw, ZED_TEXT("PB_IsLineDraw"), ZED_TEXT("0")},
    {V::Radio, kIdcLineSame, ZED_TEXT("PB_LineValue"), ZED_TEXT("0")},
    {V::Colour, kIdcColor, ZED_TEXT("PB_Color"), ZED_TEXT("MAINCOLOR06")},
    {V::LineType, kIdcLineType, ZED_TEXT("PB_LType"), ZED_TEXT("LINETYPE01")},
};

constexpr PanelValue kPlaneCAllValues[] = {
    {V::Flag, kIdcIsHoleDraw, ZED_TEXT("PC_IsHoleDraw"), ZED_TEXT("1")},
    {V::List, kIdcHoleKind, ZED_TEXT("PC_Hole"), ZED_TEXT("0")},
    {V::Text, kIdcHoleLayer, ZED_TEXT("PC_HoleLayer"), ZED_TEXT("3")},
    {V::List, kIdcHoleDir, ZED_TEXT("PC_HoleDir"), ZED_TEXT("0")},
    {V::Text, kIdcHoleWidth, ZED_TEXT("PC_HoleWidth"), ZED_TEXT("0.5"), false, true},
    {V::Radio, kIdcLineSame, ZED_TEXT("PC_LineValue"), ZED_TEXT("1")},
    {V::Colour, kIdcColor, ZED_TEXT("PC_Color"), ZED_TEXT("MAINCOLOR06")},
    {V::LineType, kIdcLineType, ZED_TEXT("PC_LType"), ZED_TEXT("LINETYPE01")},
};

constexpr PanelValue kPlaneDValues[] = {
    {V::Flag, kIdcIsSlotDraw, ZED_TEXT("PD_IsSlotDraw"), ZED_TEXT("1")},
    {V::Text, kIdcSlotLayer, ZED_TEXT("PD_SlotLayer"), ZED_TEXT("3")},
    {V::Text, kIdcSlotR, ZED_TEXT("PD_SlotR"), ZED_TEXT("3.0")},
    {V::Colour, kIdcSlotColor, ZED_TEXT("PD_SlotColor"), ZED_TEXT("MAINCOLOR06")},
    {V::LineType, kIdcSlotLineType, ZED_TEXT("PD_SlotLType"), ZED_TEXT("LINETYPE01")},
    {V::Radio, kIdcLineSame, ZED_TEXT("PD_LineValue"), ZED_TEXT("1")},
    {V::Colour, kIdcColor, ZED_TEXT("PD_Color"), ZED_TEXT("MAINCOLOR09")},
    {V::LineType, kIdcLineType, ZED_TEXT("PD_LType"), ZED_TEXT("LINETYPE05")},
};

constexpr PanelValue kSideAValues[] = {
    {V::Flag, kIdcIsLineDraw, ZED_TEXT("SA_IsLineDraw"), ZED_TEXT("0")},
    {V::Radio, kIdcLineSame, ZED_TEXT("SA_LineValue"), ZED_TEXT("0")},
    {V::Colour, kIdcColor, ZED_TEXT("SA_Color"), ZED_TEXT("MAINCOLOR06")},
    {V::LineType, kIdcLineType, ZED_TEXT("SA_LType"), ZED_TEXT("LINETYPE01")},
};

constexpr PanelValue kSideBValues[] = {
    {V::Flag, kIdcIsLineDraw, ZED_TEXT("SB_IsLineDraw"), ZED_TEXT("0")},
    {V::Radio, kIdcLineSame, ZED_TEXT("SB_LineValue"), ZED_TEXT("0")},
    {V::Colour, kIdcColor, ZED_TEXT("SB_Color"), ZED_TEXT("MAINCOLOR06")},
    {V::LineType, kIdcLineType, ZED_TEXT("SB_LType"), ZED_TEXT("LINETYPE01")},
    {V::Text, kIdcDisplayWidth, ZED_TEXT("SB_DisplayWidth"), ZED_TEXT("1.5"), false, true},
    {V::Text, kIdcDisplayProtrude, ZED_TEXT("SB_DisplayProtrude"), ZED_TEXT("0.3"), false, true},
    {V::Colour, kIdcDisplayColor, ZED_TEXT("SB_DisplayColor"), ZED_TEXT("MAINCOLOR06")},
    {V::LineType, kIdcDisplayLineType, ZED_TEXT("SB_DisplayLType"), ZED_TEXT("LINETYPE01")},
};

// The legacy build has no hole-kind values (PA_Hole, PB_Hole, PC_Hole): its
// panels neither show nor store them.
template <size_t N>
constexpr auto PlanPanelValues(const PanelValue (&values)[N]) {
    if constexpr (build_profile::kShapedHoles) {
        return std::to_array(values);
    } else {
        std::array<PanelValue, N - 1> kept{};
        size_t k = 0;
        for (const PanelValue& value : values) {
            if (value.controlId != kIdcHoleKind) {
                kept[k++] = value;
            }
        }
        return kept;
    }
}

constexpr auto kPlaneAValues = PlanPanelValues(kPlaneAAllValues);
constexpr auto kPlaneBValues = PlanPanelValues(kPlaneBAllValues);
constexpr auto kPlaneCValues = PlanPanelValues(kPlaneCAllValues);

}  // namespace

LedgewrightPlaneADlg::LedgewrightPlaneADlg() : PatternPanel(kPlaneALayout, kPlaneAValues, true) {}
LedgewrightPlaneBDlg::LedgewrightPlaneBDlg() : PatternPanel(kPlaneBLayout, kPlaneBValues, true) {}
LedgewrightPlaneCDlg::LedgewrightPlaneCDlg() : PatternPanel(kPlaneCLayout, kPlaneCValues, false) {}
LedgewrightPlaneDDlg::LedgewrightPlaneDDlg() : PatternPanel(kPlaneDLayout, kPlaneDValues, false) {}
LedgewrightSideADlg::LedgewrightSideADlg() : PatternPanel(kSideALayout, kSideAValues, true) {}
LedgewrightSideBDlg::LedgewrightSideBDlg() : PatternPanel(kSideBLayout, kSideBValues, true) {}
