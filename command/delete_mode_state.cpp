// Delete mode's prompt states.
#include "base/messages.h"
#include "base/report.h"
#include "command/dialogue_states.h"
#include "command/dispatcher.h"
#include "tagging/delete_mode.h"
#include "tagging/shoulder_check.h"

int DeleteModeReady() {
    // Picks are screened by the compare function; typed text is taken too, so
    // that a keyword typed here switches pattern or mode as at any prompt that
    // accepts text (the host delivers typed text only with its mask bit).
    ZedEvtSetEventMask(ZED_MASK_COMPARE_PICK | ZED_MASK_KEYIN);
    ZedEvtSetCompareFunction(IsShoulderSegment);
    ShowPrompt(kPromptDeleteShoulder);
    ZedCtlSetExecuteFunc(DeleteModeExecute, ZED_TEXT(""));
    return 0;
}

int DeleteModeExecute(int type, ZedEvent* event) {
    double x = 0.0;
    double y = 0.0;
    if (ZedEvtGetPoint(type, event, &x, &y) != 0) {
        return AnswerTextOrEnd(type, event);
    }
    // The host screens picks with IsShoulderSegment; a pick on nothing, or
    // from a host that did not screen, is not a shoulder and changes nothing.
    const ZedId element = ZedEvtGetElementId(type, event);
    const ZedId segment = ZedEvtGetSegmentId(type, event);
    const ZedId instance = ZedEvtGetInstanceId(type, event);
    if (segment != -1 && IsShoulderSegment(element) == 1 && ZedElmGetSegment(element) == segment) {
        DeleteShoulder(instance, segment, element);
    }
    return ZED_EXEC_WAIT;
}
