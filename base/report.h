// Where every text of the plug-in reaches the user, and the only place that
// calls the host's three channels for it: failures that stop an operation on
// the error line, prompts and notices on the prompt line, and a few notices in
// a modal box. A step that fails returns its report: `return
// ReportError(kMsgSomething);`. A plan that is refused before anything changes
// carries its text to one of these (the `refusal` of a change plan).
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

#endif  // LEDGEWRIGHT_BASE_REPORT_H
