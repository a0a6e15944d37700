#include "settings/loaders.h"

#include <span>

#include "base/build_profile.h"
#include "settings/conversions.h"
#include "settings/registry_store.h"
#include "settings/shoulder_settings.h"

namespace {

using R = ShoulderSettingsRecord;

// The stores of SettingValue: the field's type is part of the template, so a
// kind cannot be paired with a field of the wrong type.

template <double R::*Field>
void Number(const ZedString& text) {
    ShoulderSettings.*Field = SettingNumber(text);
}

template <int R::*Field>
void Integer(const ZedString& text) {
    ShoulderSettings.*Field = SettingInteger(text);
}

template <int R::*Field>
void Flag(const ZedString& text) {
    ShoulderSettings.*Field = SettingFlag(text);
}

template <ZedString R::*Field>
void Text(const ZedString& text) {
    ShoulderSettings.*Field = text;
}

template <int R::*Field>
void Color(const ZedString& text) {
    ShoulderSettings.*Field = SettingColor(text);
}

template <int R::*Field>
void LineType(const ZedString& text) {
    ShoulderSettings.*Field = SettingLineType(text);
}

constexpr bool kShapedHoleKind = true;

void LoadValues(std::span<const SettingValue> values) {
    for (const SettingValue& value : values) {
        if (!value.InThisBuild()) {
            continue;
        }
        value.store(ReadPluginSettingOrDefault(kSettingsKeyName, value.name, value.commandDefault));
    }
}

// Each table lists its values in loading order (the panels show theirs in the
// same order), with both defaults.

const SettingValue kMainValues[] = {
    {kMainProtrude, ZED_TEXT("1.0"), ZED_TEXT("1.0"), Number<&R::mMainProtrude>},
    {kMainWidth, ZED_TEXT("3.0"), ZED_TEXT("3.0"), Number<&R::mMainWidth>},
    {kMainHeight, ZED_TEXT("2.0"), ZED_TEXT("2.0"), Number<&R::mMainHeight>},
    {kMainIsLayer, ZED_TEXT("0"), ZED_TEXT("0"), Flag<&R::mMainIsLayer>},
    {kMainLayer, ZED_TEXT("30|50|60"), ZED_TEXT("30|50|60"), Text<&R::mMainLayer>},
};

const SettingValue kPlaneAValues[] = {
    {ZED_TEXT("PA_IsWidthValue"), ZED_TEXT("1"), ZED_TEXT("1"), Flag<&R::PA_IsWidthValue>},
    {ZED_TEXT("PA_WidthValue"), ZED_TEXT("10.0"), ZED_TEXT("10.0"), Number<&R::PA_WidthValue>},
    {ZED_TEXT("PA_WidthValueDistance"), ZED_TEXT("0.5"), ZED_TEXT("0.5"), Number<&R::PA_WidthValueDistance>},
    {ZED_TEXT("PA_IsHoleDraw"), ZED_TEXT("1"), ZED_TEXT("1"), Flag<&R::PA_IsHoleDraw>},
    {ZED_TEXT("PA_Hole"), ZED_TEXT("0"), ZED_TEXT("0"), Integer<&R::PA_Hole>, kShapedHoleKind},
    {ZED_TEXT("PA_HoleLayer"), ZED_TEXT("3"), ZED_TEXT("3"), Text<&R::PA_HoleLayer>},
    {ZED_TEXT("PA_HoleDir"), ZED_TEXT("0"), ZED_TEXT("0"), Integer<&R::PA_HoleDir>},
    {ZED_TEXT("PA_HoleWidth"), ZED_TEXT("0.5"), ZED_TEXT("0.5"), Text<&R::PA_HoleWidth>},
    {ZED_TEXT("PA_IsLineDraw"), ZED_TEXT("0"), ZED_TEXT("0"), Flag<&R::PA_IsLineDraw>},
    {ZED_TEXT("PA_LineValue"), ZED_TEXT("0"), ZED_TEXT("0"), Integer<&R::PA_LineValue>},
    {ZED_TEXT("PA_Color"), ZED_TEXT("MAINCOLOR12"), ZED_TEXT("MAINCOLOR06"), Color<&R::PA_Color>},
    {ZED_TEXT("PA_LType"), ZED_TEXT("LINETYPE05"), ZED_TEXT("LINETYPE01"), LineType<&R::PA_LType>},
};

const SettingValue kPlaneBValues[] = {
    {ZED_TEXT("PB_IsHoleDraw"), ZED_TEXT("1"), ZED_TEXT("1"), Flag<&R::PB_IsHoleDraw>},
    {ZED_TEXT("PB_Hole"), ZED_TEXT("0"), ZED_TEXT("0"), Integer<&R::PB_Hole>, kShapedHoleKind},
    {ZED_TEXT("PB_HoleLayer"), ZED_TEXT("3"), ZED_TEXT("3"), Text<&R::PB_HoleLayer>},
    {ZED_TEXT("PB_HoleDir"), ZED_TEXT("0"), ZED_TEXT("0"), Integer<&R::PB_HoleDir>},
    {ZED_TEXT("PB_HoleWidth"), ZED_TEXT("0.5"), ZED_TEXT("0.5"), Text<&R::PB_HoleWidth>},
    {ZED_TEXT("PB_IsLineDraw"), ZED_TEXT("0"), ZED_TEXT("0"), Flag<&R::PB_IsLineDraw>},
    {ZED_TEXT("PB_LineValue"), ZED_TEXT("0"), ZED_TEXT("0"), Integer<&R::PB_LineValue>},
    {ZED_TEXT("PB_Color"), ZED_TEXT("MAINCOLOR12"), ZED_TEXT("MAINCOLOR06"), Color<&R::PB_Color>},
    {ZED_TEXT("PB_LType"), ZED_TEXT("LINETYPE05"), ZED_TEXT("LINETYPE01"), LineType<&R::PB_LType>},
};

const SettingValue kPlaneCValues[] = {
    {ZED_TEXT("PC_IsHoleDraw"), ZED_TEXT("1"), ZED_TEXT("1"), Flag<&R::PC_IsHoleDraw>},
    {ZED_TEXT("PC_Hole"), ZED_TEXT("0"), ZED_TEXT("0"), Integer<&R::PC_Hole>, kShapedHoleKind},
    {ZED_TEXT("PC_HoleLayer"), ZED_TEXT("3"), ZED_TEXT("3"), Text<&R::PC_HoleLayer>},
    {ZED_TEXT("PC_HoleDir"), ZED_TEXT("0"), ZED_TEXT("0"), Integer<&R::PC_HoleDir>},
    {ZED_TEXT("PC_HoleWidth"), ZED_TEXT("0.5"), ZED_TEXT("0.5"), Text<&R::PC_HoleWidth>},
    {ZED_TEXT("PC_LineValue"), ZED_TEXT("1"), ZED_TEXT("1"), Integer<&R::PC_LineValue>},
    {ZED_TEXT("PC_Color"), ZED_TEXT("MAINCOLOR12"), ZED_TEXT("MAINCOLOR06"), Color<&R::PC_Color>},
    {ZED_TEXT("PC_LType"), ZED_TEXT("LINETYPE05"), ZED_TEXT("LINETYPE01"), LineType<&R::PC_LType>},
};

const SettingValue kPlaneDValues[] = {
    {ZED_TEXT("PD_IsSlotDraw"), ZED_TEXT("1"), ZED_TEXT("1"), Flag<&R::PD_IsSlotDraw>},
    {ZED_TEXT("PD_SlotLayer"), ZED_TEXT("3"), ZED_TEXT("3"), Text<&R::PD_SlotLayer>},
    {ZED_TEXT("PD_SlotR"), ZED_TEXT("3.0"), ZED_TEXT("3.0"), Text<&R::PD_SlotR>},
    {ZED_TEXT("PD_SlotColor"), ZED_TEXT("MAINCOLOR12"), ZED_TEXT("MAINCOLOR06"), Color<&R::PD_SlotColor>},
    {ZED_TEXT("PD_SlotLType"), ZED_TEXT("LINETYPE05"), ZED_TEXT("LINETYPE01"), LineType<&R::PD_SlotLType>},
    {ZED_TEXT("PD_LineValue"), ZED_TEXT("1"), ZED_TEXT("1"), Integer<&R::PD_LineValue>},
    {ZED_TEXT("PD_Color"), ZED_TEXT("MAINCOLOR12"), ZED_TEXT("MAINCOLOR09"), Color<&R::PD_Color>},
    {ZED_TEXT("PD_LType"), ZED_TEXT("LINETYPE05"), ZED_TEXT("LINETYPE05"), LineType<&R::PD_LType>},
};

const SettingValue kSideAValues[] = {
    {ZED_TEXT("SA_IsLineDraw"), ZED_TEXT("0"), ZED_TEXT("0"), Flag<&R::SA_IsLineDraw>},
    {ZED_TEXT("SA_LineValue"), ZED_TEXT("0"), ZED_TEXT("0"), Integer<&R::SA_LineValue>},
    {ZED_TEXT("SA_Color"), ZED_TEXT("MAINCOLOR12"), ZED_TEXT("MAINCOLOR06"), Color<&R::SA_Color>},
    {ZED_TEXT("SA_LType"), ZED_TEXT("LINETYPE05"), ZED_TEXT("LINETYPE01"), LineType<&R::SA_LType>},
};

const SettingValue kSideBValues[] = {
    {ZED_TEXT("SB_IsLineDraw"), ZED_TEXT("0"), ZED_TEXT("0"), Flag<&R::SB_IsLineDraw>},
    {ZED_TEXT("SB_LineValue"), ZED_TEXT("0"), ZED_TEXT("0"), Integer<&R::SB_LineValue>},
    {ZED_TEXT("SB_Color"), ZED_TEXT("MAINCOLOR12"), ZED_TEXT("MAINCOLOR06"), Color<&R::SB_Color>},
    {ZED_TEXT("SB_LType"), ZED_TEXT("LINETYPE05"), ZED_TEXT("LINETYPE01"), LineType<&R::SB_LType>},
    {ZED_TEXT("SB_DisplayWidth"), ZED_TEXT("1.5"), ZED_TEXT("1.5"), Number<&R::SB_DisplayWidth>},
    {ZED_TEXT("SB_DisplayProtrude"), ZED_TEXT("0.3"), ZED_TEXT("0.3"), Number<&R::SB_DisplayProtrude>},
    {ZED_TEXT("SB_DisplayColor"), ZED_TEXT("MAINCOLOR12"), ZED_TEXT("MAINCOLOR06"), Color<&R::SB_DisplayColor>},
    {ZED_TEXT("SB_DisplayLType"), ZED_TEXT("LINETYPE05"), ZED_TEXT("LINETYPE01"), LineType<&R::SB_DisplayLType>},
};

}  // namespace

bool SettingValue::InThisBuild() const { return !holeKind || build_profile::kShapedHoles; }

std::span<const SettingValue> PatternSettingValues(Pattern pattern) {
    switch (pattern) {
        case Pattern::PlaneA: return kPlaneAValues;
        case Pattern::PlaneB: return kPlaneBValues;
        case Pattern::PlaneC: return kPlaneCValues;
        case Pattern::PlaneD: return kPlaneDValues;
        case Pattern::SideA: return kSideAValues;
        case Pattern::SideB: return kSideBValues;
        case Pattern::SideC:
        case Pattern::SideD: break;
    }
    return {};
}

void LoadMainSettings() { LoadValues(kMainValues); }

void LoadMainSettings(const ChooserSharedValues& values) {
    ShoulderSettings.mMainProtrude = SettingNumber(values.protrude);
    ShoulderSettings.mMainWidth = SettingNumber(values.width);
    ShoulderSettings.mMainHeight = SettingNumber(values.height);
    ShoulderSettings.mMainIsLayer = values.isLayer;
    ShoulderSettings.mMainLayer = values.layers;
}

void LoadPatternSettings(Pattern pattern) { LoadValues(PatternSettingValues(pattern)); }

const ZedChar* DialogDefault(const ZedChar* name) {
    for (const SettingValue& value : kMainValues) {
        if (ZedString(value.name) == name) {
            return value.dialogDefault;
        }
    }
    for (Pattern pattern : kAllPatterns) {
        for (const SettingValue& value : PatternSettingValues(pattern)) {
            if (ZedString(value.name) == name) {
                return value.dialogDefault;
            }
        }
    }
    return ZED_TEXT("");
}
