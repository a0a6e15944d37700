#include "runner/html_session.h"

#include <sstream>
#include <vector>

#include "runner/markup_text.h"
#include "runner/svg_writer.h"

namespace runner {

namespace {

// The kind of a transcript line, as the page's style knows it.
const char* LineClass(const std::string& line) {
    const auto starts = [&](const char* prefix) { return line.rfind(prefix, 0) == 0; };
    if (starts("prompt: ")) {
        return "prompt";
    }
    if (starts("error: ")) {
        return "error";
    }
    if (starts("message box: ")) {
        return "message-box";
    }
    if (starts("protocol error: ")) {
        return "protocol-error";
    }
    if (starts("registry: ")) {
        return "registry";
    }
    if (starts("(")) {
        return "note";
    }
    return "other";
}

// The lines as a list, a text's continuation lines (indented by four blanks
// in the transcript) kept with it.
void Lines(std::ostream& out, const std::vector<std::string>& lines) {
    if (lines.empty()) {
        out << "<p class=\"nothing\">(nothing shown)</p>\n";
        return;
    }
    out << "<ul class=\"shown\">\n";
    for (size_t k = 0; k < lines.size(); ++k) {
        out << "<li class=\"" << LineClass(lines[k]) << "\">" << HtmlEscaped(lines[k]);
        while (k + 1 < lines.size() && lines[k + 1].rfind("    ", 0) == 0) {
            out << "\n" << HtmlEscaped(lines[++k].substr(4));
        }
        out << "</li>\n";
    }
    out << "</ul>\n";
}

// The picture inline: no XML declaration, and a name for readers of the page.
std::string InlineSvg(const std::string& svg, int number) {
    std::string inline_ = svg;
    if (inline_.rfind("<?xml", 0) == 0) {
        inline_.erase(0, inline_.find('\n') + 1);
    }
    const size_t tag = inline_.find("<svg ");
    if (tag != std::string::npos) {
        inline_.insert(tag + 5, "role=\"img\" aria-label=\"the drawing after step " + std::to_string(number) + "\" ");
    }
    return inline_;
}

void Step(std::ostream& out, const SessionStep& step) {
    out << "<li class=\"step" << (step.svg ? "" : " quiet") << "\" id=\"step-" << step.number << "\">\n";
    out << "<h2><span class=\"number\">" << step.number << "</span> <code>" << HtmlEscaped(step.action)
        << "</code></h2>\n";
    if (step.svg) {
        out << "<figure>\n" << InlineSvg(*step.svg, step.number) << "<figcaption>\n";
        Lines(out, step.lines);
        out << "</figcaption>\n</figure>\n";
    } else {
        Lines(out, step.lines);
    }
    out << "</li>\n";
}

std::string Style() {
    return std::string(
               "body { font-family: sans-serif; color: #1d1d1f; "
               "background: #fff; margin: 24px auto; "
               "max-width: 1040px; padding: 0 16px; }\n"
               "h1 { font-size: 1.5rem; margin: 0 0 8px; }\n"
               ".about { color: #555; margin: 0 0 8px; }\n"
               ".legend { color: #555; font-size: 0.9rem; }\n"
               ".swatch { display: inline-block; width: 1em; height: "
               "0.8em; border: 1px solid #888; "
               "vertical-align: middle; }\n"
               ".swatch.blink { background: ") +
           kBlinkHaloColour + "; }\n.swatch.click { background: " + kClickMarkColour +
           "; }\n"
           "ol.steps { list-style: none; padding: 0; margin: 16px 0; }\n"
           "li.step { border-top: 1px solid #ddd; padding: 10px 0; }\n"
           "li.step h2 { font-size: 1rem; font-weight: normal; margin: 0 0 6px; "
           "}\n"
           ".number { display: inline-block; min-width: 1.8em; padding: 1px 4px; "
           "margin-right: 6px; "
           "border-radius: 4px; background: #2d4f7c; color: #fff; text-align: "
           "center; font-weight: bold; }\n"
           "li.quiet .number { background: #8a97a8; }\n"
           "h2 code { font-size: 1rem; }\n"
           "figure { display: flex; gap: 16px; align-items: flex-start; margin: "
           "0; }\n"
           "figure svg { flex: none; width: 420px; height: auto; max-height: "
           "315px; background: #000; }\n"
           "figcaption { flex: 1; min-width: 0; }\n"
           "ul.shown { list-style: none; padding: 0; margin: 0; font-family: "
           "monospace; font-size: 0.9rem; }\n"
           "ul.shown li { white-space: pre-wrap; overflow-wrap: anywhere; "
           "padding: 1px 0; }\n"
           "li.prompt { color: #0a5c2e; font-weight: bold; }\n"
           "li.error, li.protocol-error { color: #b00020; font-weight: bold; }\n"
           "li.message-box { color: #8a4b00; font-weight: bold; }\n"
           "li.registry { color: #2d4f7c; }\n"
           "li.note, p.nothing { color: #666; }\n"
           "p.nothing { margin: 0; font-size: 0.9rem; }\n";
}

}  // namespace

std::string RenderSessionHtml(const SessionRecord& record) {
    std::ostringstream out;
    const std::string title = "Ledgewright session: " + record.title;
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta "
           "charset=\"utf-8\">\n"
        << "<meta name=\"viewport\" content=\"width=device-width, "
           "initial-scale=1\">\n"
        << "<title>" << HtmlEscaped(title) << "</title>\n<style>\n"
        << Style() << "</style>\n</head>\n<body>\n<header>\n<h1>" << HtmlEscaped(title) << "</h1>\n";
    if (!record.description.empty()) {
        out << "<p class=\"description\">" << HtmlEscaped(record.description) << "</p>\n";
    }
    if (!record.about.empty()) {
        out << "<p class=\"about\">";
        for (size_t k = 0; k < record.about.size(); ++k) {
            out << (k == 0 ? "" : " · ") << HtmlEscaped(record.about[k]);
        }
        out << "</p>\n";
    }
    out << "<p class=\"legend\">Every action in the order it was played, with "
           "what the host showed because of it. "
           "After each action that changed the drawing or asked something, the "
           "drawing as it then stood: "
           "<span class=\"swatch blink\"></span> the blinking element, <span "
           "class=\"swatch click\"></span> "
           "the point clicked.</p>\n</header>\n";
    if (!record.before.empty()) {
        out << "<section class=\"before\">\n<h2>Before the first action</h2>\n";
        Lines(out, record.before);
        out << "</section>\n";
    }
    out << "<ol class=\"steps\">\n";
    for (const SessionStep& step : record.steps) {
        Step(out, step);
    }
    out << "</ol>\n";
    if (!record.after.empty()) {
        out << "<section class=\"after\">\n<h2>After the last action</h2>\n";
        Lines(out, record.after);
        out << "</section>\n";
    }
    out << "</body>\n</html>\n";
    return out.str();
}

}  // namespace runner
