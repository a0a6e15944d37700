// BuildPlaneD and RebuildPlaneD: the raised chain (patterns/raised_chain.h)
// with pattern D's settings, and the slot (holes/slot.h).
#include "patterns/plane_d.h"

#include "base/line_pick.h"
#include "base/messages.h"
#include "base/report.h"
#include "base/temporary_elements.h"
#include "geometry/outline_soundness.h"
#include "holes/hole_layer.h"
#include "holes/slot.h"
#include "patterns/raised_chain.h"
#include "settings/shoulder_settings.h"

namespace {

bool SlotWanted() { return ShoulderSettings.PD_IsSlotDraw != 0; }

// The slot is drawn after the chain, so whatever would refuse it is checked
// before the chain is drawn: a refusal then would leave an untagged chain.
// The radius must be a usable size; the outline's layer must be readable and
// resolve to a slot layer (a message box when it does not).
bool CheckSlot(ZedId outline, ZedId& outlineLayer) {
    if (!IsUsableSize(SlotRadiusSetting())) {
        return ReportError(kMsgSlotRadiusInvalid);
    }
    outlineLayer = ZedSgmGetLayer(outline);
    if (outlineLayer == -1) {
        return ReportError(kMsgHoleOutlineLayerNotRead);
    }
    ZedId slotLayer = -1;
    return ResolvePartLayer(outlineLayer, ShoulderSettings.PD_SlotLayer, slotLayer);
}

bool MakeSlot(const RaisedChain& chain, ZedId outlineLayer) {
    return CreateSlot(chain.line.ref.instance, chain.line.s, chain.sRaised, chain.eRaised, chain.line.e,
                      chain.side.flipped ? 0 : 1, SlotAttributes(), outlineLayer);
}

// A new radius: refused before any change when it is not a positive number;
// the slot's three amends, its memory and its dimension are resumable steps.
bool BeginRadiusChange(int editMode, double value) {
    if (!IsUsableSize(value)) {
        return ReportError(kMsgSlotRadiusInvalid);
    }
    BeginChange(editMode, value);
    return true;
}

std::vector<ChangeStep> PlanRadius(double value) {
    const SlotRecords records = SlotRecordsAt(value);
    return {
        [records] { return AmendSlotArcAtEnd(records); },
        [records] { return AmendSlotArcAtStart(records); },
        [records] { return AmendSlotLine(records); },
        [records] {
            RememberSlotRecords(records);
            return true;
        },
        [value] {
            if (!ResizeSlotRadiusDimension(value)) {
                return false;
            }
            TagRaisedChain();
            return true;
        },
    };
}

std::vector<ChangeStep> Plan(int editMode) {
    return editMode == kEditFirst ? PlanRaisedDepth(kMsgDimensionNotRead, nullptr) : PlanRadius(Unfinished().value);
}

bool Begin(int editMode, double value) {
    return editMode == kEditFirst ? BeginRaisedDepthChange(editMode, value) : BeginRadiusChange(editMode, value);
}

}  // namespace

bool BuildPlaneD(ZedId element, ZedId segment, ZedId instance) {
    const ShoulderSettingsRecord& s = ShoulderSettings;
    RaisedChain chain;
    if (!PlanRaisedChain(element, segment, instance, RaisedChainStyle{s.PD_LineValue, s.PD_Color, s.PD_LType},
                         chain)) {
        return false;
    }
    ZedId outlineLayer = -1;
    if (SlotWanted() && !CheckSlot(segment, outlineLayer)) {
        return false;
    }
    if (!DrawRaisedChain(chain) || (SlotWanted() && !MakeSlot(chain, outlineLayer)) ||
        !RememberRaisedChain(chain) || !MakeRaisedDepthDimension(chain)) {
        return false;
    }
    if (SlotWanted() && !CreateSlotRadiusDimension(TemporaryElements()[kSlotSecondDimension])) {
        return false;
    }
    TagRaisedChain();
    return true;
}

bool RebuildPlaneD(int editMode, double value) {
    if (editMode != kEditFirst && (editMode != kEditSecond || !SlotWanted())) {
        TagRaisedChain();
        return true;
    }
    return RunResumableChange(editMode, value, Begin, Plan);
}
