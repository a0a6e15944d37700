// The six pattern panels: their values in load order, each bound to its
// control (the defaults are the settings table's, settings/loaders.h).
#include <array>
#include <cstddef>

#include "base/build_profile.h"
#include "ui/panel_layouts.h"
#include "ui/pattern_panel.h"

namespace {

using V = PanelValue::Kind;

constexpr PanelValue kPlaneAAllValues[] = {
    {V::Flag, kIdcIsWidthValue, ZED_TEXT("PA_IsWidthValue")},
    {V::Text, kIdcWidthValue, ZED_TEXT("PA_WidthValue"), true, true},
    {V::Text, kIdcWidthValueDistance, ZED_TEXT("PA_WidthValueDistance"), true, true},
    {V::Flag, kIdcIsHoleDraw, ZED_TEXT("PA_IsHoleDraw")},
    {V::List, kIdcHoleKind, ZED_TEXT("PA_Hole")},
    {V::Text, kIdcHoleLayer, ZED_TEXT("PA_HoleLayer")},
    {V::List, kIdcHoleDir, ZED_TEXT("PA_HoleDir")},
    {V::Text, kIdcHoleWidth, ZED_TEXT("PA_HoleWidth"), false, true},
    {V::Flag, kIdcIsLineDraw, ZED_TEXT("PA_IsLineDraw")},
    {V::Radio, kIdcLineSame, ZED_TEXT("PA_LineValue")},
    {V::Colour, kIdcColor, ZED_TEXT("PA_Color")},
    {V::LineType, kIdcLineType, ZED_TEXT("PA_LType")},
};

constexpr PanelValue kPlaneBAllValues[] = {
    {V::Flag, kIdcIsHoleDraw, ZED_TEXT("PB_IsHoleDraw")},
    {V::List, kIdcHoleKind, ZED_TEXT("PB_Hole")},
    {V::Text, kIdcHoleLayer, ZED_TEXT("PB_HoleLayer")},
    {V::List, kIdcHoleDir, ZED_TEXT("PB_HoleDir")},
    {V::Text, kIdcHoleWidth, ZED_TEXT("PB_HoleWidth"), false, true},
    {V::Flag, kIdcIsLineDraw, ZED_TEXT("PB_IsLineDraw")},
    {V::Radio, kIdcLineSame, ZED_TEXT("PB_LineValue")},
    {V::Colour, kIdcColor, ZED_TEXT("PB_Color")},
    {V::LineType, kIdcLineType, ZED_TEXT("PB_LType")},
};

constexpr PanelValue kPlaneCAllValues[] = {
    {V::Flag, kIdcIsHoleDraw, ZED_TEXT("PC_IsHoleDraw")},
    {V::List, kIdcHoleKind, ZED_TEXT("PC_Hole")},
    {V::Text, kIdcHoleLayer, ZED_TEXT("PC_HoleLayer")},
    {V::List, kIdcHoleDir, ZED_TEXT("PC_HoleDir")},
    {V::Text, kIdcHoleWidth, ZED_TEXT("PC_HoleWidth"), false, true},
    {V::Radio, kIdcLineSame, ZED_TEXT("PC_LineValue")},
    {V::Colour, kIdcColor, ZED_TEXT("PC_Color")},
    {V::LineType, kIdcLineType, ZED_TEXT("PC_LType")},
};

constexpr PanelValue kPlaneDValues[] = {
    {V::Flag, kIdcIsSlotDraw, ZED_TEXT("PD_IsSlotDraw")},
    {V::Text, kIdcSlotLayer, ZED_TEXT("PD_SlotLayer")},
    {V::Text, kIdcSlotR, ZED_TEXT("PD_SlotR")},
    {V::Colour, kIdcSlotColor, ZED_TEXT("PD_SlotColor")},
    {V::LineType, kIdcSlotLineType, ZED_TEXT("PD_SlotLType")},
    {V::Radio, kIdcLineSame, ZED_TEXT("PD_LineValue")},
    {V::Colour, kIdcColor, ZED_TEXT("PD_Color")},
    {V::LineType, kIdcLineType, ZED_TEXT("PD_LType")},
};

constexpr PanelValue kSideAValues[] = {
    {V::Flag, kIdcIsLineDraw, ZED_TEXT("SA_IsLineDraw")},
    {V::Radio, kIdcLineSame, ZED_TEXT("SA_LineValue")},
    {V::Colour, kIdcColor, ZED_TEXT("SA_Color")},
    {V::LineType, kIdcLineType, ZED_TEXT("SA_LType")},
};

constexpr PanelValue kSideBValues[] = {
    {V::Flag, kIdcIsLineDraw, ZED_TEXT("SB_IsLineDraw")},
    {V::Radio, kIdcLineSame, ZED_TEXT("SB_LineValue")},
    {V::Colour, kIdcColor, ZED_TEXT("SB_Color")},
    {V::LineType, kIdcLineType, ZED_TEXT("SB_LType")},
    {V::Text, kIdcDisplayWidth, ZED_TEXT("SB_DisplayWidth"), false, true},
    {V::Text, kIdcDisplayProtrude, ZED_TEXT("SB_DisplayProtrude"), false, true},
    {V::Colour, kIdcDisplayColor, ZED_TEXT("SB_DisplayColor")},
    {V::LineType, kIdcDisplayLineType, ZED_TEXT("SB_DisplayLType")},
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

std::unique_ptr<PatternPanel> MakePatternPanel(Pattern pattern) {
    switch (pattern) {
        case Pattern::PlaneA: return std::make_unique<LedgewrightPlaneADlg>();
        case Pattern::PlaneB: return std::make_unique<LedgewrightPlaneBDlg>();
        case Pattern::PlaneC: return std::make_unique<LedgewrightPlaneCDlg>();
        case Pattern::PlaneD: return std::make_unique<LedgewrightPlaneDDlg>();
        case Pattern::SideA: return std::make_unique<LedgewrightSideADlg>();
        case Pattern::SideB: return std::make_unique<LedgewrightSideBDlg>();
        case Pattern::SideC:
        case Pattern::SideD: break;
    }
    return nullptr;
}
