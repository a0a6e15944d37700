#include "runner/session_record.h"

#include "emuhost/emu_api.h"
#include "runner/svg_writer.h"
#include "runner/tokens.h"

namespace runner {

namespace {

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// A line by which the host asked or told the user something.
bool Shown(const std::string& line) {
    return StartsWith(line, "prompt: ") || StartsWith(line, "error: ") || StartsWith(line, "message box: ") ||
           StartsWith(line, "protocol error: ");
}

}  // namespace

std::string ScriptDescription(const std::string& script) {
    std::string description;
    for (const std::string& line : SplitLines(script)) {
        if (!StartsWith(line, "#")) {
            break;
        }
        const std::string text = line.substr(StartsWith(line, "# ") ? 2 : 1);
        if (!text.empty()) {
            description += (description.empty() ? "" : " ") + text;
        }
    }
    return description;
}

SessionRecorder::SessionRecorder(std::ostream& out)
    : transcript_(out), picture_(RenderDrawingSvg()), blink_(emu::Blinking()) {}

void SessionRecorder::TakeText() {
    const std::string text = transcript_.TakeCopy();
    if (open_.empty()) {
        outside_ += text;
    } else {
        texts_[open_.back()] += text;
    }
}

void SessionRecorder::Begun(const Action& action) {
    TakeText();
    if (record_.steps.empty()) {
        record_.before = SplitLines(std::exchange(outside_, std::string()));
    }
    SessionStep step;
    step.number = static_cast<int>(record_.steps.size()) + 1;
    step.action = action.echo;
    record_.steps.push_back(std::move(step));
    texts_.emplace_back();
    open_.push_back(record_.steps.size() - 1);
    click_.reset();
}

void SessionRecorder::Clicked(const ZedPoint& point) { click_ = point; }

void SessionRecorder::Done(const Action& action) {
    TakeText();
    if (open_.empty()) {
        return;
    }
    const size_t index = open_.back();
    open_.pop_back();
    SessionStep& step = record_.steps[index];
    step.lines = SplitLines(texts_[index]);
    if (!step.lines.empty() && step.lines.front() == "> " + action.echo) {
        step.lines.erase(step.lines.begin());
    }
    bool asked = false;
    for (const std::string& line : step.lines) {
        asked = asked || Shown(line);
    }
    const std::string picture = RenderDrawingSvg();
    const ZedFigRef blink = emu::Blinking();
    const bool changed = picture != picture_ || blink.instance != blink_.instance || blink.id != blink_.id;
    if (asked || changed) {
        Marks marks;
        marks.blinking = blink.id;
        marks.clicked = click_.has_value();
        marks.click = click_.value_or(ZedPoint{});
        step.svg = RenderSvg(CollectScene(), marks);
    }
    picture_ = picture;
    blink_ = blink;
    click_.reset();
}

SessionRecord SessionRecorder::Finish() {
    TakeText();
    std::vector<std::string> lines = SplitLines(std::exchange(outside_, std::string()));
    (record_.steps.empty() ? record_.before : record_.after) = std::move(lines);
    return record_;
}

}  // namespace runner
