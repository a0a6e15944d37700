// The dimension pick: the user picks one of the shoulder's temporary
// dimensions (then types its new value) or one of its hole notes (the
// drilling-side note turns the hole over at once, the depth note asks for a
// depth). Typed text is not taken here.
#include "base/line_pick.h"
#include "base/messages.h"
#include "base/report.h"
#include "base/temporary_elements.h"
#include "command/dialogue_states.h"
#include "holes/hole_edits.h"

namespace {

// The first of the pattern's slots that holds the picked element. An empty
// slot (0) never matches; nor does a slot left at -1 by a refused creation,
// so that a pick on nothing (element -1) cannot match it.
const SlotEdit* MatchingSlot(const PatternRow& row, ZedId picked) {
    for (const SlotEdit& candidate : row.Slots()) {
        const ZedId id = TemporaryElements()[candidate.slot].id;
        if (id > 0 && id == picked) {
            return &candidate;
        }
    }
    return nullptr;
}

int AskAgain(const DialogueCallbacks& callbacks) {
    ZedCtlSetReadyFunc(callbacks.dimensionPickReady, ZED_TEXT(""));
    return ZED_EXEC_READY;
}

}  // namespace

int DimensionPickReady(const PatternRow& row, const DialogueCallbacks& callbacks) {
    ZedEvtSetEventMask(ZED_MASK_ELEMENT_PICK);
    ZedEvtSetObject(row.dimensionPickFilter.data());
    ShowPrompt(kPromptDimensionPick);
    ZedCtlSetExecuteFunc(callbacks.dimensionPickExecute, ZED_TEXT(""));
    return 0;
}

int DimensionPickExecute(const PatternRow& row, const DialogueCallbacks& callbacks, int type, ZedEvent* event) {
    double x = 0.0;
    double y = 0.0;
    if (ZedEvtGetPoint(type, event, &x, &y) != 0) {
        return type == ZED_EVT_END ? ZED_EXEC_END : ZED_EXEC_WAIT;
    }
    const ZedId element = ZedEvtGetElementId(type, event);
    const ZedId instance = ZedEvtGetInstanceId(type, event);
    const SlotEdit* match = MatchingSlot(row, element);
    if (match == nullptr) {
        ReportInBox(kMsgPickTemporaryDimension);
        return AskAgain(callbacks);
    }
    PickState& picks = Picks();
    picks.editMode = match->editMode;
    picks.pickedTemporary = ZedFigRef{instance, element};
    switch (match->editMode) {
        case kEditDepthNote:
            ZedCtlSetReadyFunc(callbacks.depthEntryReady, ZED_TEXT(""));
            return ZED_EXEC_READY;
        case kEditSideNote:
            if (const HolePattern* hole = HoleOf(row)) {
                // The hole and note operations report their own failures.
                ToggleDrillingSide(*hole, TemporaryElements()[kSlotSideNote].id);
            }
            return AskAgain(callbacks);
        default:
            ZedCtlSetReadyFunc(callbacks.valueEntryReady, ZED_TEXT(""));
            return ZED_EXEC_READY;
    }
}
