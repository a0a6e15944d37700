// ShoulderSettings: every pattern parameter, one field per registry value,
// each field named as its value. The loaders fill it; the builders read it.
#ifndef LEDGEWRIGHT_SETTINGS_SHOULDER_SETTINGS_H
#define LEDGEWRIGHT_SETTINGS_SHOULDER_SETTINGS_H

#include "host/zedtext.h"

// Kinds: number → double; integer, flag (0 or 1), colour index and line-type
// index → int; text → ZedString as stored.
struct ShoulderSettingsRecord {
    // Shared values of the chooser.
    double mMainProtrude = 0.0;
    double mMainWidth = 0.0;
    double mMainHeight = 0.0;
    int mMainIsLayer = 0;
    ZedString mMainLayer;

    // Plan pattern A.
    int PA_IsWidthValue = 0;
    double PA_WidthValue = 0.0;
    double PA_WidthValueDistance = 0.0;
    int PA_IsHoleDraw = 0;
    int PA_Hole = 0;  // PA_ to PC_Hole: never loaded by the legacy build, so its holes stay MC holes
    ZedString PA_HoleLayer;
    int PA_HoleDir = 0;
    ZedString PA_HoleWidth;
    int PA_IsLineDraw = 0;
    int PA_LineValue = 0;
    int PA_Color = 0;
    int PA_LType = 0;

    // Plan pattern B.
    int PB_IsHoleDraw = 0;
    int PB_Hole = 0;
    ZedString PB_HoleLayer;
    int PB_HoleDir = 0;
    ZedString PB_HoleWidth;
    int PB_IsLineDraw = 0;
    int PB_LineValue = 0;
    int PB_Color = 0;
    int PB_LType = 0;

    // Plan pattern C.
    int PC_IsHoleDraw = 0;
    int PC_Hole = 0;
    ZedString PC_HoleLayer;
    int PC_HoleDir = 0;
    ZedString PC_HoleWidth;
    int PC_LineValue = 0;
    int PC_Color = 0;
    int PC_LType = 0;

    // Plan pattern D.
    int PD_IsSlotDraw = 0;
    ZedString PD_SlotLayer;
    ZedString PD_SlotR;
    int PD_SlotColor = 0;
    int PD_SlotLType = 0;
    int PD_LineValue = 0;
    int PD_Color = 0;
    int PD_LType = 0;

    // Side pattern A.
    int SA_IsLineDraw = 0;
    int SA_LineValue = 0;
    int SA_Color = 0;
    int SA_LType = 0;

    // Side pattern B.
    int SB_IsLineDraw = 0;
    int SB_LineValue = 0;
    int SB_Color = 0;
    int SB_LType = 0;
    double SB_DisplayWidth = 0.0;
    double SB_DisplayProtrude = 0.0;
    int SB_DisplayColor = 0;
    int SB_DisplayLType = 0;
};

// The one process-wide record, all zeros and empty texts until a loader runs.
extern ShoulderSettingsRecord ShoulderSettings;

// Puts the record back to all zeros and empty texts (tests).
void ResetShoulderSettings();

#endif  // LEDGEWRIGHT_SETTINGS_SHOULDER_SETTINGS_H
