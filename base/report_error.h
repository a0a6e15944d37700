// Reporting a failure on the host's error line. The steps that fail return
// its result directly: `return ReportError(kMsgSomething);`.
#ifndef LEDGEWRIGHT_BASE_REPORT_ERROR_H
#define LEDGEWRIGHT_BASE_REPORT_ERROR_H

#include "host/zedlib.h"

// Shows the message on the error line; always false.
inline bool ReportError(const ZedChar* message) {
    ZedMsgPutErrorMessage(message);
    return false;
}

#endif  // LEDGEWRIGHT_BASE_REPORT_ERROR_H
