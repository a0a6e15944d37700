// BuildSideA and RebuildSideA: the end step with side pattern A's cut line.
#include "patterns/side_a.h"

#include "base/line_pick.h"
#include "base/messages.h"
#include "base/report.h"
#include "holes/cut_line.h"
#include "patterns/side_step.h"
#include "settings/shoulder_settings.h"

namespace {

SideStepPlan Plan(int editMode, double value) {
    const ShoulderMemory& before = Unfinished().before;
    return editMode == kEditFirst ? PlanSideOffset(before, value) : PlanSideLength(before, value);
}

bool Begin(int editMode, double value) { return BeginSideStepChange(editMode, value, Plan); }

}  // namespace

bool BuildSideA(ZedPoint picked, ZedId element, ZedId segment, ZedId instance) {
    SideStep step;
    if (!BuildSideStep(picked, element, segment, instance, step)) {
        return false;
    }
    const ShoulderSettingsRecord& s = ShoulderSettings;
    if (s.SA_IsLineDraw != 0 &&
        !CreateStyledCutLine(step.c.p1, step.c.p2, step.line.layer, step.line.colour,
                             CutLineStyle{s.SA_LineValue, s.SA_Color, s.SA_LType})) {
        return false;
    }
    if (!MakeSideStepDimensions(step, step.tail.ref.id, step.head.ref.id)) {
        return false;
    }
    RememberSideStep(step);
    TagSideStep();
    return true;
}

bool RebuildSideA(int editMode, double value) {
    if (editMode != kEditFirst && editMode != kEditSecond) {
        return false;
    }
    return RunResumableChange(editMode, value, Begin, [](int mode) {
        return SideStepSteps(Plan(mode, Unfinished().value), ShoulderSettings.SA_IsLineDraw);
    });
}
