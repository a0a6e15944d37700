// BuildSideB and RebuildSideB: the end step of patterns/side_step.h with side
// pattern B's display part, root line, cut line and third dimension.
#include "patterns/side_b.h"

#include <cmath>

#include "base/line_pick.h"
#include "base/messages.h"
#include "base/report.h"
#include "base/temporary_elements.h"
#include "geometry/figure_record.h"
#include "geometry/outline_soundness.h"
#include "geometry/vec2.h"
#include "holes/cut_line.h"
#include "patterns/side_step.h"
#include "settings/shoulder_settings.h"

namespace {

// The display part for the step's inner end K (the end that lies inside the
// picked line): DP against n from K, then DW along the rest of the line.
struct DisplayEnds {
    ZedPoint d1{};
    ZedPoint d2{};
};
DisplayEnds DisplayAt(const ShoulderCorners& c, bool atStart, ZedPoint n) {
    const ShoulderSettingsRecord& s = ShoulderSettings;
    const ZedPoint k = atStart ? c.p2 : c.p1;
    const ZedPoint w = atStart ? UnitFrom(c.p1, c.p2) : UnitFrom(c.p2, c.p1);
    const ZedPoint d1 = k - s.SB_DisplayProtrude * n;
    return DisplayEnds{d1, d1 + s.SB_DisplayWidth * w};
}

// The display part in a segment of its own on the outline's layer, in its own
// colour and line type; remembered for the rebuilds and the tagging.
bool MakeDisplayPart(const SideStep& step, const DisplayEnds& ends) {
    const ZedId segment = ZedSgmCreateSegment(ZED_SGM_FIGURE, 0);
    const ZedFigure line = MakeLine(ends.d1, ends.d2);
    const ZedId element = segment == -1 ? -1 : ZedFigCreateFigure(segment, &line);
    if (element == -1) {
        return ReportError(kMsgElementNotCreated101);
    }
    const ZedFigRef ref{step.line.ref.instance, element};
    ZedLineType2 attributes{};
    attributes.colour = ShoulderSettings.SB_DisplayColor;
    attributes.lineType = ShoulderSettings.SB_DisplayLType;
    // A refusal leaves the host's defaults on the line, no reason to stop.
    ZedFigSetLineType2(&ref, &attributes);
    Shoulder().display = ShoulderPiece{ref, line};
    Shoulder().displaySegment = segment;
    if (ZedSgmChangeLayer(segment, step.line.layer) == -1) {
        return ReportError(kMsgLayerNotChanged);
    }
    return true;
}

// The picked line's former course across the step's root, in its own colour
// and line type, then the cut line proper; only the second is remembered.
bool DrawRootLines(const SideStep& step) {
    const ShoulderSettingsRecord& s = ShoulderSettings;
    if (s.SB_IsLineDraw == 0) {
        return true;
    }
    const PickedLine& line = step.line;
    return CreateCutLine(step.c.p1, step.c.p2, line.layer, line.colour, line.lineType) &&
           CreateStyledCutLine(step.c.p1, step.c.p2, line.layer, line.colour,
                               CutLineStyle{s.SB_LineValue, s.SB_Color, s.SB_LType});
}

// The display length dimension stands on the side away from the step's
// offset dimensions' reading: +10 for a step at E not flipped or at S flipped.
bool MakeDisplayDimension(const SideStep& step, const DisplayEnds& ends) {
    const ZedFigRef display = Shoulder().display.ref;
    const double offset = step.atStart == step.side.flipped ? 10.0 : -10.0;
    return MakeDimensionInOwnSegment({ends.d1, display}, {ends.d2, display}, offset, kSlotThirdDimension);
}

SideStepPlan PlanDisplayLength(const ShoulderMemory& before, double length) {
    if (!IsUsableSize(length)) {
        return RefusedPlan<SideStepPlan>(kMsgWidthTooLarge);
    }
    SideStepPlan plan;
    plan.changesOutline = false;
    const ZedPoint d1 = LineStart(before.display.record);
    const ZedPoint d2 = d1 + length * UnitFrom(d1, LineEnd(before.display.record));
    plan.amends = {{&ShoulderMemory::display, MakeLine(d1, d2), kMsgLineNotAmended101}};
    plan.dimensions = {{kSlotThirdDimension, d1, d2, kMsgDimensionNotAmended03}};
    plan.remember = [length] { ShoulderSettings.SB_DisplayWidth = length; };
    return plan;
}

// A length change moves the display part with the step's inner end K', at the
// current display offset and length.
SideStepPlan PlanLength(const ShoulderMemory& before, double length) {
    SideStepPlan plan = PlanSideLength(before, length);
    if (plan.refusal != nullptr) {
        return plan;
    }
    const DisplayEnds ends = DisplayAt(plan.c, plan.atStart, before.stepNormal);
    plan.amends.push_back({&ShoulderMemory::display, MakeLine(ends.d1, ends.d2),
                           plan.atStart ? kMsgLineNotAmended26 : kMsgLineNotAmended36});
    plan.dimensions.push_back({kSlotThirdDimension, ends.d1, ends.d2, kMsgDimensionNotAmended03});
    return plan;
}

SideStepPlan Plan(int editMode, double value) {
    const ShoulderMemory& before = Unfinished().before;
    switch (editMode) {
        case kEditFirst: return PlanSideOffset(before, value);
        case kEditSecond: return PlanLength(before, value);
        default: return PlanDisplayLength(before, value);
    }
}

bool Begin(int editMode, double value) { return BeginSideStepChange(editMode, value, Plan); }

}  // namespace

bool BuildSideB(ZedPoint picked, ZedId element, ZedId segment, ZedId instance) {
    // The display part is drawn after the step is joined: a length that
    // cannot make a line is refused before anything changes.
    if (!IsUsableSize(ShoulderSettings.SB_DisplayWidth) || !std::isfinite(ShoulderSettings.SB_DisplayProtrude)) {
        return ReportError(kMsgShoulderSizeInvalid);
    }
    SideStep step;
    if (!BuildSideStep(picked, element, segment, instance, step)) {
        return false;
    }
    const DisplayEnds ends = DisplayAt(step.c, step.atStart, step.side.normal);
    if (!MakeDisplayPart(step, ends) || !DrawRootLines(step) || !MakeSideStepDimensions(step, -1, -1) ||
        !MakeDisplayDimension(step, ends)) {
        return false;
    }
    RememberSideStep(step);
    TagSideStep();
    return true;
}

bool RebuildSideB(int editMode, double value) {
    if (editMode != kEditFirst && editMode != kEditSecond && editMode != kEditThird) {
        return false;
    }
    return RunResumableChange(editMode, value, Begin, [](int mode) {
        return SideStepSteps(Plan(mode, Unfinished().value), ShoulderSettings.SB_IsLineDraw);
    });
}
