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

// Text made safe for HTML text and attribute values: & < > " ' as character
// references; bytes that are no valid UTF-8 and control characters other than
// tab and line end as U+FFFD.
std::string HtmlEscaped(std::string_view text);

// The page (deterministic: the same record gives the same text).
std::string RenderSessionHtml(const SessionRecord& record);

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_HTML_SESSION_H
