#include "runner/driver.h"

#include <utility>

#include "emuhost/emu_api.h"
#include "runner/host_window.h"
#include "runner/pick_targets.h"
#include "runner/svg_writer.h"
#include "runner/text_files.h"
#include "runner/tokens.h"

namespace runner {

namespace {

const char* ChannelLabel(emu::Channel channel) {
    switch (channel) {
        case emu::Channel::Prompt:
            return "prompt";
        case emu::Channel::Error:
            return "error";
        case emu::Channel::MessageBox:
            return "message box";
    }
    return "message";
}

// Continuation lines of a text are indented so that each report stays one entry.
std::string Indented(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '\n') {
            out += "    ";
        }
    }
    return out;
}

}  // namespace

Driver::Driver(std::ostream& out, LoadedDrawing drawing) : out_(out), drawing_(std::move(drawing)), dialogs_(out) {
    dialogs_.OnPicker([this] { RunPicker(); });
}

void Driver::Run(ActionSource& source, bool echo) {
    source_ = &source;
    echo_ = echo;
    while (std::optional<Action> action = source.Next()) {
        Perform(*action, echo);
    }
    source_ = nullptr;
    Finish();
}

void Driver::RunPicker() {
    if (source_ == nullptr) {
        return;
    }
    while (dialogs_.PickerOpen()) {
        std::optional<Action> action = source_->Next();
        if (!action) {
            return;
        }
        if (action->kind != Action::Kind::Dialog || action->dialog != DialogTarget::Picker) {
            source_->PutBack(std::move(*action));
            return;
        }
        Perform(*action, echo_);
    }
}

void Driver::Note(const std::string& text) { out_ << "(" << text << ")\n"; }

void Driver::Perform(const Action& action, bool echo) {
    if (observer_ != nullptr) {
        observer_->Begun(action);
    }
    if (echo) {
        out_ << "> " << action.echo << "\n";
    }
    switch (action.kind) {
        case Action::Kind::Start:
            Start();
            break;
        case Action::Kind::Type:
            Deliver(emu::Type(action.text), true);
            break;
        case Action::Kind::Pick:
            if (observer_ != nullptr) {
                observer_->Clicked(ZedPoint{action.x, action.y});
            }
            Deliver(emu::PickAt(action.x, action.y), false);
            break;
        case Action::Kind::PickElement:
            PickOn(ShapeElement(drawing_, action.shape, action.position));
            break;
        case Action::Kind::PickDimension:
            PickOn(NthOfSegmentType(ZED_SGM_DIMENSION, action.index));
            break;
        case Action::Kind::PickNote:
            PickOn(NthOfSegmentType(ZED_SGM_NOTE, action.index));
            break;
        case Action::Kind::Picture:
            Note(WriteTextFile(action.text, RenderDrawingSvg()) ? "picture written" : "cannot write the picture");
            break;
        case Action::Kind::Dialog:
            dialogs_.Perform(action);
            break;
        case Action::Kind::End:
            if (emu::CommandActive()) {
                emu::EndCommand();
            } else {
                Note("no command running");
            }
            break;
        case Action::Kind::Quit:
            break;
    }
    // What the action set going in the plug-in's windows (keys a dialog typed
    // into the host window, say) is handled before the next one, as the host's
    // message loop would.
    PumpHostMessages();
    ReportChanges();
    if (observer_ != nullptr) {
        observer_->Done(action);
    }
}

void Driver::Start() {
    if (!emu::Registered()) {
        Note("cannot start: no command is registered");
        return;
    }
    if (emu::CommandActive()) {
        Note("cannot start: a command is already running");
        return;
    }
    if (!emu::StartCommand()) {
        Note("cannot start: the admission function refused");
        return;
    }
    // A command that ends inside its start function still counts as run.
    commandActive_ = true;
}

void Driver::Deliver(bool delivered, bool typed) {
    if (delivered) {
        return;
    }
    if (!emu::CommandActive()) {
        Note("ignored: no command running");
    } else {
        Note(typed ? "ignored: the command does not take typed text now"
                   : "ignored: the command does not take picks now");
    }
}

void Driver::PickOn(const PickTarget& target) {
    if (target.element < 0) {
        Note("nothing to pick: " + target.problem);
        return;
    }
    Note("click on element " + std::to_string(target.element));
    ZedPoint point{};
    if (observer_ != nullptr && emu::ClickPointOf(target.element, &point)) {
        observer_->Clicked(point);
    }
    Deliver(emu::PickElement(target.element), false);
}

void Driver::ReportChanges() {
    const std::vector<emu::Message> messages = emu::Messages();
    if (messages.size() < messagesSeen_) {
        messagesSeen_ = 0;  // the host's list was cleared
    }
    for (size_t k = messagesSeen_; k < messages.size(); ++k) {
        out_ << ChannelLabel(messages[k].channel) << ": " << Indented(messages[k].text) << "\n";
    }
    messagesSeen_ = messages.size();

    const std::vector<std::string> protocolErrors = emu::ProtocolErrors();
    if (protocolErrors.size() < protocolErrorsSeen_) {
        protocolErrorsSeen_ = 0;
    }
    for (size_t k = protocolErrorsSeen_; k < protocolErrors.size(); ++k) {
        out_ << "protocol error: " << Indented(protocolErrors[k]) << "\n";
    }
    protocolErrorsSeen_ = protocolErrors.size();

    const ZedFigRef blink = emu::Blinking();
    if (blink.instance != blink_.instance || blink.id != blink_.id) {
        Note(blink.id < 0 ? "blinking: none" : "blinking: element " + std::to_string(blink.id));
        blink_ = blink;
    }

    const bool active = emu::CommandActive();
    if (commandActive_ && !active) {
        Note("command ended");
    }
    commandActive_ = active;
}

void Driver::Finish() {
    if (emu::CommandActive()) {
        Note("the command is still running after the last action");
    }
}

}  // namespace runner
