// A session as one self-contained HTML page (zedrunner --html): a title, the
// script's own description, then every action numbered in the order it was
// played with what the host showed because of it, and beside each action that
// changed the drawing or asked something the drawing as it then stood (inline
// SVG, the blinking element and the clicked point marked). The style is in the
// page; it loads nothing and runs no script.
#ifndef LEDGEWRIGHT_RUNNER_HTML_SESSION_H
#define LEDGEWRIGHT_RUNNER_HTML_SESSION_H

#include <string>
#include <string_view>

#include "runner/session_record.h"

namespace runner {

// The page (deterministic: the same record gives the same text).
std::string RenderSessionHtml(const SessionRecord& record);

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_HTML_SESSION_H
