// The value entry and the depth entry: the picked dimension or depth note
// blinks until the user types; a text that is not a number is refused and
// asked for again, a number changes the shoulder or the hole.
#include "base/line_pick.h"
#include "base/messages.h"
#include "base/report.h"
#include "command/dialogue_states.h"
#include "command/typed_number.h"
#include "holes/hole_edits.h"

namespace {

// What the host hears back from an entry that has no number to work with.
struct EntryValue {
    bool present = false;
    int answer = ZED_EXEC_WAIT;
    double value = 0.0;
};

// The typed number, or the answer for an event that brings none: the end of
// the command ends it, a text that is not a number is reported and the state
// waits for the next one, any other event is ignored.
EntryValue TakeTypedValue(int type, ZedEvent* event) {
    if (type != ZED_EVT_KEYIN) {
        return EntryValue{false, type == ZED_EVT_END ? ZED_EXEC_END : ZED_EXEC_WAIT};
    }
    ZedIdClearBlink();
    EntryValue entry;
    const ZedChar* typed = ZedEvtGetKeyinString(type, event);
    if (typed == nullptr || !ReadTypedNumber(ZedString(typed), entry.value)) {
        ReportError(kMsgNumberExpected);
        return EntryValue{false, ZED_EXEC_WAIT};
    }
    entry.present = true;
    return entry;
}

int BackToDimensionPick(const DialogueCallbacks& callbacks) {
    ZedCtlSetReadyFunc(callbacks.dimensionPickReady, ZED_TEXT(""));
    return ZED_EXEC_READY;
}

}  // namespace

int EntryReady(ZedExecuteFunc execute) {
    ZedEvtSetEventMask(ZED_MASK_KEYIN);
    const ZedFigRef picked = Picks().pickedTemporary;
    ZedIdSetBlinkElementId(&picked);
    ShowPrompt(kPromptValueEntry);
    ZedCtlSetExecuteFunc(execute, ZED_TEXT(""));
    return 0;
}

int ValueEntryExecute(const PatternRow& row, const DialogueCallbacks& callbacks, int type, ZedEvent* event) {
    const EntryValue entry = TakeTypedValue(type, event);
    if (!entry.present) {
        return entry.answer;
    }
    ZedDimRecord dimension{};
    if (ZedDimGetDimension(Picks().pickedTemporary.id, &dimension) == -1) {
        ReportError(kMsgDimensionInfoNotRead);
        return ZED_EXEC_END;
    }
    // A dimension of a kind the rebuild does not take changes nothing.
    if (!AcceptsDimensionKind(row, dimension.kind)) {
        return BackToDimensionPick(callbacks);
    }
    // A failed rebuild has reported itself; the user may type another value.
    if (!row.rebuild(Picks().editMode, entry.value)) {
        return ZED_EXEC_WAIT;
    }
    return BackToDimensionPick(callbacks);
}

int DepthEntryExecute(const PatternRow& row, const DialogueCallbacks& callbacks, int type, ZedEvent* event) {
    const EntryValue entry = TakeTypedValue(type, event);
    if (!entry.present) {
        return entry.answer;
    }
    // A hole that cannot take the depth has been reported; the command ends.
    const HolePattern* hole = HoleOf(row);
    if (hole == nullptr || !EnterHoleDepth(*hole, Picks().pickedTemporary.id, entry.value)) {
        return ZED_EXEC_END;
    }
    return BackToDimensionPick(callbacks);
}
