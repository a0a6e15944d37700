// Text put into the runner's markup: the session page's HTML and the SVG
// pictures, inline in that page or on their own.
#ifndef LEDGEWRIGHT_RUNNER_MARKUP_TEXT_H
#define LEDGEWRIGHT_RUNNER_MARKUP_TEXT_H

#include <string>
#include <string_view>

namespace runner {

// Text made safe for HTML and XML text and attribute values: & < > " ' as character
// references; bytes that are no valid UTF-8 and control characters other than
// tab and line end as U+FFFD.
std::string HtmlEscaped(std::string_view text);

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_MARKUP_TEXT_H
