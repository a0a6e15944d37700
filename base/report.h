// Where every text of the plug-in reaches the user, and the only place that
// calls the host's three channels for it: failures that stop an operation on
// the error line, prompts and notices on the prompt line, and a few notices in
// a modal box. A step that fails returns its report: `return
// ReportError(kMsgSomething);`. A change plan refused before anything changes
// is made by RefusedPlan and carries its text in its `refusal` field to the
// one who carries the plan out, who reports it with ReportError.
#ifndef LEDGEWRIGHT_BASE_REPORT_H
#define LEDGEWRIGHT_BASE_REPORT_H

#include "host/zedlib.h"

// Shows the message on the error line; always false.
inline bool ReportError(const ZedChar* message) {
    ZedMsgPutErrorMessage(message);
    return false;
}

// Shows a prompt or a notice on the prompt line.
inline void ShowPrompt(const ZedChar* text) { ZedMsgPutMessage(text); }

// Shows the message in a modal box; always false.
inline bool ReportInBox(const ZedChar* message) {
    ZedDlgMessageBox(message);
    return false;
}

// A change plan of type Plan that is refused: no steps, only the message.
template <class Plan>
Plan RefusedPlan(const ZedChar* message) {
    Plan plan{};
    plan.refusal = message;
    return plan;
}

#endif  // LEDGEWRIGHT_BASE_REPORT_H
