#include "tests/session/session.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "base/messages.h"
#include "command/command_flow.h"
#include "command/command_state.h"
#include "emuhost/emu_api.h"
#include "geometry/shoulder_memory.h"
#include "holes/hole_state.h"
#include "settings/registry_store.h"
#include "settings/shoulder_settings.h"
#include "tests/session/session_drawing.h"
#include "ui/chooser.h"
#include "ui/chooser_dialog.h"
#include "ui/chooser_instance.h"
#include "ui/chooser_layout.h"
#include "ui/headless.h"
#include "ui/window.h"

namespace session {
namespace {

bool InCatalogue(const std::string& text) {
    const std::set<std::string>& catalogue = Catalogue();
    if (catalogue.count(text) != 0) {
        return true;
    }
    // A text that ends its line is followed by a path.
    for (const std::string& entry : catalogue) {
        if (!entry.empty() && entry.back() == '\n' && text.rfind(entry, 0) == 0) {
            return true;
        }
    }
    return false;
}

std::vector<ZedId> ElementsOfType(int segmentType) {
    std::vector<ZedId> elements;
    for (const ZedId segment : emu::SegmentIds()) {
        if (emu::SegmentType(segment) == segmentType) {
            for (const ZedId id : emu::Chain(segment)) {
                elements.push_back(id);
            }
        }
    }
    std::sort(elements.begin(), elements.end());
    return elements;
}

std::string LayerLines() {
    std::istringstream dump(emu::Dump());
    std::string line, layers;
    while (std::getline(dump, line)) {
        if (line.rfind("layer ", 0) == 0 || line.rfind("current layer", 0) == 0) {
            layers += line + "\n";
        }
    }
    return layers;
}

// Faults that an operation stopped half-way may leave in an outline; any
// other finding is the host's bookkeeping broken.
bool IsUnfinishedChange(const std::string& problem) {
    return problem.find("do not touch") != std::string::npos || problem.find("does not close") != std::string::npos ||
           problem.find("meets itself") != std::string::npos;
}

ZedId ElementSegment(ZedId element) {
    for (const ZedId segment : emu::SegmentIds()) {
        const std::vector<ZedId> chain = emu::Chain(segment);
        if (std::find(chain.begin(), chain.end(), element) != chain.end()) {
            return segment;
        }
    }
    return -1;
}

// The ids a list of decimal numbers names that are among the figure
// elements; anything but digits separates two numbers.
std::vector<ZedId> ListedElements(std::string list, const std::set<ZedId>& figureElements) {
    for (char& c : list) {
        c = c >= '0' && c <= '9' ? c : ' ';
    }
    std::istringstream ids(list);
    std::vector<ZedId> elements;
    for (long long id = 0; ids >> id;) {
        if (id <= INT32_MAX && figureElements.count(static_cast<ZedId>(id)) != 0) {
            elements.push_back(static_cast<ZedId>(id));
        }
    }
    return elements;
}

// The segments' marks as texts, read after every step: the lists of 40271
// and the entries of 40277 (a step that marks fewer shoulders deleted one,
// and one that leaves the lists of 40271 as they were an earlier one).
Marks ReadMarks() {
    Marks marks;
    for (const ZedId segment : emu::SegmentIds()) {
        std::istringstream entries(emu::AttributeText(segment, 40277));
        for (std::string entry; std::getline(entries, entry, ';');) {
            ++marks.shoulders;
        }
        const std::string recent = emu::AttributeText(segment, 40271);
        marks.shoulders += recent.empty() ? 0 : 1;
        marks.recent += recent + "\n";
    }
    return marks;
}

std::string Number(double v) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    return buffer;
}

}  // namespace

std::vector<MarkedShoulder> MarkedShoulders() {
    const std::vector<ZedId> figureElements = ElementsOfType(ZED_SGM_FIGURE);
    const std::set<ZedId> figure(figureElements.begin(), figureElements.end());
    std::vector<MarkedShoulder> shoulders;
    const auto add = [&shoulders, &figure](ZedId segment, bool earlier, const std::string& list) {
        std::vector<ZedId> elements = ListedElements(list, figure);
        if (!elements.empty()) {
            shoulders.push_back(MarkedShoulder{segment, earlier, std::move(elements)});
        }
    };
    for (const ZedId segment : emu::SegmentIds()) {
        // 40277: entries joined by ";", the element list before an entry's first ":".
        std::istringstream entries(emu::AttributeText(segment, 40277));
        for (std::string entry; std::getline(entries, entry, ';');) {
            add(segment, true, entry.substr(0, entry.find(':')));
        }
        add(segment, false, emu::AttributeText(segment, 40271));
    }
    return shoulders;
}

std::vector<ZedId> MarkedElements() {
    std::set<ZedId> named;
    for (const MarkedShoulder& shoulder : MarkedShoulders()) {
        named.insert(shoulder.elements.begin(), shoulder.elements.end());
    }
    return {named.begin(), named.end()};
}

uint32_t SessionSeed(uint32_t fixed) {
    const char* given = std::getenv("LEDGEWRIGHT_SESSION_SEED");
    return given != nullptr && *given != 0 ? static_cast<uint32_t>(std::strtoul(given, nullptr, 10)) : fixed;
}

const std::set<std::string>& Catalogue() {
    static const std::set<std::string> catalogue = [] {
        std::set<std::string> texts;
#define LEDGEWRIGHT_TEXT(name, literal) texts.insert(literal);
#include "base/message_texts.inc"
#undef LEDGEWRIGHT_TEXT
        return texts;
    }();
    return catalogue;
}

// The chooser is driven as plain objects, on Windows too, where real windows
// are the default.
Session::Session() { UseWindowBackend(&headless::TheBackend()); }

Session::~Session() { ResetWorld(); }

void Session::ResetWorld(bool keepChooser) {
    if (!keepChooser) {
        DestroyChooser();
    }
    emu::Reset();
    ResetPluginRecords();
    headless::SetModalDriver(nullptr);
    // The old store goes first: a scratch store undoes its redirection when
    // it is destroyed.
    if (!keepChooser) {
        registry_.reset();
    }
}

std::string Session::Begin(const std::string& drawing, bool keepChooser) {
    keepChooser = keepChooser && ChooserExists() && registry_ != nullptr;
    ResetWorld(keepChooser);
    if (!keepChooser) {
        registry_ = std::make_unique<ScratchRegistry>();
    }
    if (!registry_->ok()) {
        return "no scratch registry";
    }
    drawing_ = drawing;
    script_.clear();
    settings_.clear();
    steps_ = 0;
    injected_ = 0;
    protocolErrors_ = 0;
    callsSinceFault_ = 0;
    machineryFailed_ = false;
    const std::string problem = LayOut(drawing);
    if (!problem.empty()) {
        return "the drawing does not lay out: " + problem;
    }
    shapes_ = emu::SegmentIds();
    stats_ = {};
    dimensions_.clear();
    marked_ = ReadMarks();
    deleteWaits_ = false;
    if (RegisterLedgewright() != 0) {
        return "the command does not register";
    }
    emu::ResetCallLog();
    emu::ClearMessages();
    return "";
}

void Session::NoteSetting(const std::string& name, const std::string& value) {
    settings_.push_back("\"" + name + "\"=\"" + value + "\"");
}

bool Session::StoreSetting(const std::string& name, const std::string& value) {
    NoteSetting(name, value);
    return WritePluginSetting(kSettingsKeyName, emu::FromUtf8(name), emu::FromUtf8(value));
}

std::string Session::PickOn(ZedId element) {
    const ZedId segment = ElementSegment(element);
    for (size_t shape = 0; shape < shapes_.size(); ++shape) {
        if (shapes_[shape] == segment) {
            const std::vector<ZedId> chain = emu::Chain(segment);
            const size_t at = static_cast<size_t>(std::find(chain.begin(), chain.end(), element) - chain.begin());
            emu::PickElement(element);
            return "pick-element " + std::to_string(shape + 1) + ":" + std::to_string(at + 1);
        }
    }
    // Not a shape of the drawing file: a click on the middle of the element.
    const ZedFigure f = emu::FigureOf(element);
    double x = (f.v[0] + f.v[2]) / 2, y = (f.v[1] + f.v[3]) / 2;
    if (f.kind == ZED_FIG_ARC || f.kind == ZED_FIG_FILLET) {
        const double from = std::atan2(f.v[3] - f.v[1], f.v[2] - f.v[0]);
        const double to = std::atan2(f.v[5] - f.v[1], f.v[4] - f.v[0]);
        const double turn = 2 * std::acos(-1.0);
        const bool clockwise = emu::ArcFlag(f) == ZED_ARC_CW;
        const double sweep = std::fmod((clockwise ? from - to : to - from) + 2 * turn, turn);
        const double middle = from + (clockwise ? -sweep : sweep) / 2;
        x = f.v[0] + f.v[6] * std::cos(middle);
        y = f.v[1] + f.v[6] * std::sin(middle);
    }
    emu::PickAt(x, y);
    return "pick " + Number(x) + " " + Number(y);
}

std::string Session::ClosedOutlines() const {
    std::string closed;
    for (const ZedId segment : shapes_) {
        closed += emu::SegmentExists(segment) && emu::SegmentClosed(segment) ? '1' : '0';
    }
    return closed;
}

std::string Session::Step(const Action& a) {
    if (steps_ == fault_.atAction) {
        emu::FailNthCall(fault_.nth, fault_.onwards);
        script_.push_back("# host call " + std::to_string(fault_.nth) + " from here fails" +
                          (fault_.onwards ? ", and every call after it" : " (once)") +
                          " (the runner injects no faults)");
    }
    ++steps_;
    const bool wasActive = emu::CommandActive();
    const std::string closedBefore = ClosedOutlines();
    const bool picks = a.kind == ActionKind::PickElement || a.kind == ActionKind::PickMarked ||
                       a.kind == ActionKind::PickPoint;
    stats_.deletePicks += picks && wasActive && deleteWaits_ ? 1 : 0;
    if (wasActive != true && a.kind == ActionKind::Start) {
        layersAtStart_ = LayerLines();
    }
    LedgewrightDlg* chooser = ChooserExists() ? ChooserInstance() : nullptr;
    const size_t entered = emu::EnteredLines().size();
    switch (a.kind) {
        case ActionKind::Start:
            emu::StartCommand();
            script_.push_back("start");
            break;
        case ActionKind::End:
            if (emu::CommandActive()) {
                emu::EndCommand();
            }
            script_.push_back("end");
            break;
        case ActionKind::Type:
            emu::Type(a.text);
            script_.push_back(a.text.empty() ? "type" : "type " + a.text);
            break;
        case ActionKind::PickElement: {
            const size_t shape = static_cast<size_t>(a.shape) % shapes_.size();
            const std::vector<ZedId> chain =
                emu::SegmentExists(shapes_[shape]) ? emu::Chain(shapes_[shape]) : std::vector<ZedId>{};
            if (chain.empty()) {
                script_.push_back("# shape " + std::to_string(shape + 1) + " is gone: nothing picked");
                break;
            }
            script_.push_back(PickOn(chain[static_cast<size_t>(a.index) % chain.size()]));
            break;
        }
        case ActionKind::PickMarked: {
            const std::vector<ZedId> named = MarkedElements();
            if (named.empty()) {
                script_.push_back("# no marked element to pick");
                break;
            }
            const ZedId element = named[static_cast<size_t>(a.index) % named.size()];
            script_.push_back(PickOn(element));
            break;
        }
        case ActionKind::PickDimension:
        case ActionKind::PickNote: {
            const bool dimension = a.kind == ActionKind::PickDimension;
            const std::vector<ZedId> elements = ElementsOfType(dimension ? ZED_SGM_DIMENSION : ZED_SGM_NOTE);
            if (elements.empty()) {
                script_.push_back(std::string("# no ") + (dimension ? "dimension" : "note") + " to pick");
                break;
            }
            const size_t at = static_cast<size_t>(a.index) % elements.size();
            emu::PickElement(elements[at]);
            script_.push_back((dimension ? "pick-dimension " : "pick-note ") + std::to_string(at + 1));
            break;
        }
        case ActionKind::PickPoint:
            emu::PickAt(a.x, a.y);
            script_.push_back("pick " + Number(a.x) + " " + Number(a.y));
            break;
        case ActionKind::ChooserRow:
        case ActionKind::ChooserDelete:
        case ActionKind::ChooserSize: {
            if (chooser == nullptr) {
                script_.push_back("# the chooser is not made yet: " + Describe(a));
                break;
            }
            DialogWindow& window = chooser->Window();
            if (a.kind == ActionKind::ChooserRow) {
                headless::DoubleClickRow(window, kIdcPatternList, a.index);
            } else if (a.kind == ActionKind::ChooserDelete) {
                headless::Click(window, kIdcDelete);
            } else {
                headless::TypeInto(window, kIdcProtrude + a.index, emu::FromUtf8(a.text));
                headless::Leave(window);
            }
            // What the chooser typed reaches the host as typed text.
            script_.push_back("# chooser: " + Describe(a) + (a.kind == ActionKind::ChooserSize
                                                                 ? " (stored at once; give it with --registry)"
                                                                 : ", which types:"));
            const std::vector<std::string> lines = emu::EnteredLines();
            for (size_t i = entered; i < lines.size(); ++i) {
                script_.push_back(lines[i].empty() ? "type" : "type " + lines[i]);
            }
            break;
        }
    }
    return CheckStep(wasActive, closedBefore);
}

std::string Session::CheckStep(bool wasActive, const std::string& closedBefore) {
    injected_ += emu::InjectedFailures();
    const bool faulted = injected_ > 0;
    // Which call the fault hit: the host's own command machinery failing
    // leaves a state without its mask or execute function, which no
    // plug-in can help.
    const std::vector<std::string> calls = emu::CallLog();
    if (fault_.atAction >= 0 && steps_ > fault_.atAction) {
        for (const std::string& call : calls) {
            ++callsSinceFault_;
            const bool failed = callsSinceFault_ == fault_.nth || (fault_.onwards && callsSinceFault_ > fault_.nth);
            machineryFailed_ = machineryFailed_ || (failed && (call == "ZedCtlSetExecuteFunc" ||
                                                                call == "ZedCtlSetReadyFunc" ||
                                                                call == "ZedEvtSetEventMask"));
        }
    }
    std::string problem;
    auto fail = [&problem](const std::string& what) {
        if (problem.empty()) {
            problem = what;
        }
    };
    const std::vector<std::string> protocol = emu::ProtocolErrors();
    if (protocol.size() != protocolErrors_ && !machineryFailed_) {
        fail("protocol error: " + protocol.back());
    }
    protocolErrors_ = protocol.size();
    bool errorShown = false;
    for (const emu::Message& message : emu::Messages()) {
        errorShown = errorShown || message.channel == emu::Channel::Error;
        if (message.channel == emu::Channel::Prompt) {
            deleteWaits_ = message.text == emu::ToUtf8(kPromptDeleteShoulder);
        }
        if (!InCatalogue(message.text)) {
            fail("a message that is not in the catalogue: \"" + message.text + "\"");
        }
    }
    if (!(faulted && fault_.onwards)) {
        if (emu::LiveHoleData() != 0) {
            fail("hole data not freed: " + std::to_string(emu::LiveHoleData()));
        }
        if (emu::LiveHostMemory() != 0) {
            fail("host memory not freed: " + std::to_string(emu::LiveHostMemory()));
        }
    }
    const bool ended = wasActive && !emu::CommandActive();
    const std::string integrity = steps_ % integrityEvery_ == 0 || ended ? emu::CheckAllIntegrity() : std::string();
    if (!integrity.empty() && !(faulted && IsUnfinishedChange(integrity))) {
        fail("unsound drawing: " + integrity);
    }
    const std::string closedAfter = ClosedOutlines();
    for (size_t i = 0; i < closedBefore.size(); ++i) {
        if (closedBefore[i] == '1' && closedAfter[i] == '0' && !errorShown && !faulted) {
            fail("outline " + std::to_string(shapes_[i]) + " (shape " + std::to_string(i + 1) +
                 ") was left open or removed without a message");
        }
    }
    const std::vector<ZedId> dimensions = ElementsOfType(ZED_SGM_DIMENSION);
    stats_.builds += !dimensions.empty() && (dimensions_.empty() || dimensions.back() > dimensions_.back()) ? 1 : 0;
    dimensions_ = dimensions;
    const Marks marked = ReadMarks();
    if (marked.shoulders < marked_.shoulders) {
        ++stats_.deletes;
        stats_.earlierDeletes += marked.recent == marked_.recent ? 1 : 0;
    }
    marked_ = marked;
    stats_.errors += errorShown ? 1 : 0;
    deleteWaits_ = deleteWaits_ && emu::CommandActive();
    if (wasActive && !emu::CommandActive()) {
        ++stats_.ends;
        // A failed host call at the end may leave a layer's pick state or a
        // temporary element behind; the session can only check them clean.
        if (!faulted && LayerLines() != layersAtStart_) {
            fail("the layers differ from the command's start:\n" + layersAtStart_ + "now:\n" + LayerLines());
        }
        if (!faulted && !(ElementsOfType(ZED_SGM_DIMENSION).empty() && ElementsOfType(ZED_SGM_NOTE).empty())) {
            fail("temporary dimensions or notes left after the end");
        }
    }
    // LEDGEWRIGHT_SESSION_TRACE=1 prints every step with what it showed.
    static const bool trace = std::getenv("LEDGEWRIGHT_SESSION_TRACE") != nullptr;
    if (trace) {
        std::fprintf(stderr, "%s\n", script_.empty() ? "" : script_.back().c_str());
        for (const emu::Message& message : emu::Messages()) {
            std::fprintf(stderr, "    %s\n", message.text.c_str());
        }
    }
    // The host's logs are the test's instruments, not the session's memory.
    emu::ResetCallLog();
    emu::ClearMessages();
    return problem;
}

std::string Session::Finish() {
    emu::ClearFaults();
    if (!emu::CommandActive()) {
        return "";
    }
    Action end;
    end.kind = ActionKind::End;
    return Step(end);
}

size_t Session::ScriptBytes() const {
    size_t bytes = script_.capacity() * sizeof(std::string);
    for (const std::string& line : script_) {
        bytes += line.capacity() > 15 ? line.capacity() + 1 : 0;
    }
    return bytes;
}

std::string Session::Replay() const {
    std::string out = "---- session.drw ----\n" + drawing_ + "---- session.script ----\n";
    for (const std::string& line : script_) {
        out += line + "\n";
    }
    out += "---- session.reg ----\n[HKEY_CURRENT_USER\\SOFTWARE\\Quorvane\\ZED\\Ledgewright]\n";
    for (const std::string& line : settings_) {
        out += line + "\n";
    }
    return out + "---- replay: zedrunner --drawing session.drw --script session.script --registry session.reg ----\n";
}

std::string RunSession(const std::string& drawing, const std::vector<Action>& actions, const FaultPlan& fault,
                       SessionStats* stats) {
    Session s;
    const std::string begun = s.Begin(drawing);
    if (!begun.empty()) {
        return begun;
    }
    s.PlanFault(fault);
    for (const Action& action : actions) {
        const std::string problem = s.Step(action);
        if (!problem.empty()) {
            return "step " + std::to_string(s.Steps()) + " (" + Describe(action) + "): " + problem + "\n" + s.Replay();
        }
    }
    const std::string problem = s.Finish();
    if (stats != nullptr) {
        stats->builds += s.Stats().builds;
        stats->deletes += s.Stats().deletes;
        stats->earlierDeletes += s.Stats().earlierDeletes;
        stats->deletePicks += s.Stats().deletePicks;
        stats->errors += s.Stats().errors;
        stats->ends += s.Stats().ends;
    }
    return problem.empty() ? "" : "at the end: " + problem + "\n" + s.Replay();
}

}  // namespace session
