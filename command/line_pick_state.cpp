// The line pick: the user picks a straight line of a closed outline and the
// pattern's builder draws the shoulder on it. Typed text here goes to the
// keyword dispatcher, so that another pattern or a layer can be chosen.
#include "base/line_pick.h"
#include "base/messages.h"
#include "base/report.h"
#include "base/temporary_elements.h"
#include "command/dialogue_states.h"
#include "command/dispatcher.h"
#include "command/layer_states.h"

int LinePickReady(const PatternRow& row, const DialogueCallbacks& callbacks) {
    ZedEvtSetEventMask(ZED_MASK_KEYIN | ZED_MASK_ELEMENT_PICK);
    ZedEvtSetObject(kLinePickFilter.data());
    ShowPrompt(row.linePickPrompt);
    ZedCtlSetExecuteFunc(callbacks.linePickExecute, ZED_TEXT(""));
    return 0;
}

int LinePickExecute(const PatternRow& row, const DialogueCallbacks& callbacks, int type, ZedEvent* event) {
    LinePick& pick = Picks().linePick;
    double x = 0.0;
    double y = 0.0;
    if (ZedEvtGetPoint(type, event, &x, &y) != 0) {
        return AnswerTextOrEnd(type, event);
    }
    pick.point = ZedPoint{x, y};
    pick.element = ZedEvtGetElementId(type, event);
    pick.segment = ZedEvtGetSegmentId(type, event);
    pick.instance = ZedEvtGetInstanceId(type, event);
    pick.detail = ZedEvtGetDetailId(type, event);

    if (!ZedFigIsClosed(pick.segment)) {
        ReportError(kMsgOutlineNotClosedPicked);
        return ZED_EXEC_END;
    }
    if (row.drawsShoulder) {
        // The table's elements belong to no shoulder of this command; the end
        // function deletes whatever the builder files from here on.
        TemporaryElements().Clear();
        Picks().editMode = kEditNone;
    }
    if (!row.build(pick)) {
        return ZED_EXEC_END;
    }
    PutLayersBack();
    ZedCtlSetReadyFunc(callbacks.dimensionPickReady, ZED_TEXT(""));
    return ZED_EXEC_READY;
}
