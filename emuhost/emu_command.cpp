// The host's command machinery: registration, the ready/execute callback loop,
// events and their screening, and what the user does at the prompt (start,
// type, pick, end).
#include <algorithm>
#include <cmath>

#include "emuhost/emu_pick.h"
#include "emuhost/emu_state.h"

// The event handed to an execute function: host memory that lives for the
// duration of that one call.
struct ZedEvent {
    int type = 0;
    ZedString text;  // type 5
    double x = 0.0;  // picks
    double y = 0.0;
    ZedId element = -1;
    ZedId segment = -1;
    ZedId instance = -1;
    ZedId detail = -1;
};

namespace emu {

namespace {

// The event being delivered, and whether a callback of the plug-in is running.
// Transient: both are only set while the host is inside a callback.
ZedEvent* g_liveEvent = nullptr;
bool g_inCallback = false;
// Whether the ready function now running installed an execute function and
// set an event mask.
bool g_executeInstalled = false;
bool g_maskSet = false;

Session& S() { return State().session; }

void ProtocolError(const std::string& what) { S().protocolErrors.push_back(what); }

// The event of a ZedEvt call, when it is the one being delivered and of the type given.
const ZedEvent* LiveEvent(int type, const ZedEvent* event) {
    if (event == nullptr || event != g_liveEvent || event->type != type) {
        return nullptr;
    }
    return event;
}

struct CallbackScope {
    CallbackScope() { g_inCallback = true; }
    ~CallbackScope() { g_inCallback = false; }
};

// The command is over: the end function runs once.
void FinishCommand() {
    Session& s = S();
    s.active = false;
    if (s.end != nullptr) {
        CallbackScope scope;
        s.end();
    }
}

// Runs a ready function; true when the command then waits for events. Each
// state sets its own mask: the last state's does not carry over.
bool RunReady(ZedReadyFunc ready) {
    g_executeInstalled = false;
    g_maskSet = false;
    S().mask = 0;
    int answer = 0;
    {
        CallbackScope scope;
        answer = ready();
    }
    if (answer != 0) {
        ProtocolError("ready function answered " + std::to_string(answer));
        return false;
    }
    if (!g_executeInstalled) {
        ProtocolError("ready function installed no execute function");
        return false;
    }
    if (!g_maskSet) {
        ProtocolError("ready function set no event mask");
        return false;
    }
    return true;
}

// Hands one event to the execute function and follows its answer.
void Deliver(ZedEvent& event) {
    Session& s = S();
    int answer = 0;
    {
        CallbackScope scope;
        g_liveEvent = &event;
        answer = s.execute(event.type, &event);
        g_liveEvent = nullptr;
    }
    if (event.type == ZED_EVT_END) {
        if (answer != ZED_EXEC_END) {
            ProtocolError("execute function answered " + std::to_string(answer) + " to the end of the command");
        }
        FinishCommand();
        return;
    }
    switch (answer) {
        case ZED_EXEC_END:
            FinishCommand();
            return;
        case ZED_EXEC_WAIT:
            return;
        case ZED_EXEC_READY:
            if (s.ready == nullptr) {
                ProtocolError("execute function answered 2 with no ready function installed");
                FinishCommand();
            } else if (!RunReady(s.ready)) {
                FinishCommand();
            }
            return;
        default:
            ProtocolError("execute function answered " + std::to_string(answer));
            FinishCommand();
            return;
    }
}

// Whether the host may deliver an event now: a command waits for one.
bool CanDeliver() { return S().active && !g_inCallback && S().execute != nullptr; }

// What the compare function says of an element (only 1 admits).
bool CompareAdmits(ZedId element) {
    const ZedCompareFunc compare = S().compare;
    if (compare == nullptr) {
        return false;  // nothing to screen with: nothing is offered
    }
    int answer = 0;
    {
        CallbackScope scope;
        answer = compare(element);
    }
    if (answer != 0 && answer != 1) {
        ProtocolError("compare function answered " + std::to_string(answer));
    }
    return answer == 1;
}

// The element a click at (x, y) picks under the current mask, or -1. Among the
// elements whose shape meets the pick box the nearest wins; on a tie the
// preferred element, then the newest.
ZedId FindPicked(double x, double y, ZedId preferred, bool screenByCompare) {
    Drawing& d = State();
    struct Candidate {
        double distance;
        ZedId element;
    };
    std::vector<Candidate> candidates;
    d.elements.ForEach([&](const Element& element) {
        // The shape first: it rules out nearly every element of a large
        // drawing at once.
        double distance = 0.0;
        if (!PickDistance(element, x, y, d.session.aperture, &distance)) {
            return;
        }
        const Segment* segment = FindSegment(element.segment);
        const Layer* layer = segment != nullptr ? FindLayer(segment->layer) : nullptr;
        if (layer == nullptr || !layer->detect || !FilterAdmits(d.session.filter, *segment, element)) {
            return;
        }
        candidates.push_back(Candidate{distance, element.id});
    });
    std::sort(candidates.begin(), candidates.end(), [preferred](const Candidate& a, const Candidate& b) {
        if (std::fabs(a.distance - b.distance) > 1e-9) {
            return a.distance < b.distance;
        }
        if ((a.element == preferred) != (b.element == preferred)) {
            return a.element == preferred;
        }
        return a.element > b.element;
    });
    for (const Candidate& candidate : candidates) {
        // The compare function may change the drawing; take only what still exists.
        if (FindElement(candidate.element) == nullptr) {
            continue;
        }
        if (!screenByCompare || CompareAdmits(candidate.element)) {
            return candidate.element;
        }
    }
    return -1;
}

int OrderInChain(const Element& element) {
    const Segment* segment = FindSegment(element.segment);
    if (segment == nullptr) {
        return -1;
    }
    const size_t at = segment->chain.IndexOf(element);
    return at == segment->chain.size() ? -1 : static_cast<int>(at) + 1;
}

bool Click(double x, double y, ZedId preferred) {
    if (!CanDeliver()) {
        return false;
    }
    const uint32_t mask = S().mask;
    const bool elementPick = (mask & (ZED_MASK_ELEMENT_PICK | ZED_MASK_COMPARE_PICK)) != 0;
    if (!elementPick && (mask & ZED_MASK_POINT) == 0) {
        return false;
    }
    ZedEvent event;
    event.type = ZED_EVT_PICK;
    event.x = x;
    event.y = y;
    if (elementPick) {
        const ZedId picked = FindPicked(x, y, preferred, (mask & ZED_MASK_COMPARE_PICK) != 0);
        if (const Element* element = FindElement(picked)) {
            event.element = element->id;
            event.segment = element->segment;
            event.instance = 0;
            event.detail = OrderInChain(*element);
        }
    }
    if (!CanDeliver()) {
        return false;  // the compare function ended the command
    }
    Deliver(event);
    return true;
}

}  // namespace

// ---------------------------------------------------------------------------
// Public API: driving a command
// ---------------------------------------------------------------------------

bool Registered() { return S().start != nullptr; }

bool StartCommand() {
    Session& s = S();
    if (!Registered() || s.active || g_inCallback) {
        return false;
    }
    int admitted = 0;
    {
        CallbackScope scope;
        admitted = s.admission();
    }
    if (admitted != 1) {
        if (admitted != 0) {
            ProtocolError("admission function answered " + std::to_string(admitted));
        }
        return false;
    }
    // A command starts with nothing installed and nothing offered.
    s.active = true;
    s.ready = nullptr;
    s.execute = nullptr;
    s.compare = nullptr;
    s.mask = 0;
    std::fill(std::begin(s.filter), std::end(s.filter), 0);
    if (!RunReady(s.start)) {
        FinishCommand();
    }
    return true;
}

bool CommandActive() { return S().active; }

bool Type(const std::string& utf8) {
    if (!CanDeliver() || (S().mask & ZED_MASK_KEYIN) == 0) {
        return false;
    }
    ZedEvent event;
    event.type = ZED_EVT_KEYIN;
    event.text = FromUtf8(utf8);
    Deliver(event);
    return true;
}

bool PickAt(double x, double y) { return Click(x, y, -1); }

bool ClickPointOf(ZedId element, ZedPoint* point) {
    const Element* found = FindElement(element);
    return found != nullptr && PointOnElement(*found, point);
}

bool PickElement(ZedId element) {
    ZedPoint point{};
    if (!ClickPointOf(element, &point)) {
        return false;
    }
    return Click(point.x, point.y, element);
}

bool DeliverEvent(int type, int maskBit) {
    if (type == ZED_EVT_PICK || type == ZED_EVT_KEYIN || type == ZED_EVT_END || maskBit < 0 || maskBit > 31 ||
        !CanDeliver() || (S().mask & (1u << maskBit)) == 0) {
        return false;
    }
    ZedEvent event;
    event.type = type;
    Deliver(event);
    return true;
}

void EndCommand() {
    if (!CanDeliver()) {
        return;
    }
    ZedEvent event;
    event.type = ZED_EVT_END;
    Deliver(event);
}

void SetPickAperture(double aperture) { S().aperture = aperture; }

uint32_t EventMask() { return S().mask; }

std::vector<int32_t> PickFilter() { return std::vector<int32_t>(std::begin(S().filter), std::end(S().filter)); }

std::vector<std::string> ProtocolErrors() { return S().protocolErrors; }

}  // namespace emu

// ---------------------------------------------------------------------------
// ZedLib: command machinery
// ---------------------------------------------------------------------------

using emu::State;

int ZedCtlRegisterZedLib2(ZedReadyFunc start, ZedAdmitFunc admission, ZedEndFunc end) {
    EMU_ENTER(-1);
    emu::Session& s = State().session;
    if (start == nullptr || admission == nullptr || end == nullptr || s.active) {
        return -1;
    }
    s.start = start;
    s.admission = admission;
    s.end = end;
    return 1;
}

int ZedCtlSetReadyFunc(ZedReadyFunc function, const ZedChar* name) {
    EMU_ENTER(-1);
    emu::Session& s = State().session;
    if (function == nullptr || name == nullptr || !s.active) {
        return -1;
    }
    s.ready = function;
    return 0;
}

int ZedCtlSetExecuteFunc(ZedExecuteFunc function, const ZedChar* name) {
    EMU_ENTER(-1);
    emu::Session& s = State().session;
    if (function == nullptr || name == nullptr || !s.active) {
        return -1;
    }
    s.execute = function;
    emu::g_executeInstalled = true;
    return 0;
}

int ZedEvtSetEventMask(uint32_t mask) {
    EMU_ENTER(-1);
    State().session.mask = mask;
    emu::g_maskSet = true;
    return 0;
}

int ZedEvtSetObject(const int32_t filter[ZED_FILTER_SIZE]) {
    EMU_ENTER(-1);
    if (filter == nullptr || filter[4] != 0) {
        return -1;
    }
    std::copy(filter, filter + ZED_FILTER_SIZE, State().session.filter);
    return 0;
}

#if !ZED_LEGACY  // not in the older host
int ZedEvtSetCompareFunction(ZedCompareFunc compare) {
    EMU_ENTER(-1);
    State().session.compare = compare;
    return 0;
}
#endif

const ZedChar* ZedEvtGetKeyinString(int type, ZedEvent* event) {
    EMU_ENTER(nullptr);
    const ZedEvent* live = emu::LiveEvent(type, event);
    if (live == nullptr || live->type != ZED_EVT_KEYIN) {
        return nullptr;
    }
    return emu::HandOutText(live->text);
}

int ZedEvtGetPoint(int type, ZedEvent* event, double* x, double* y) {
    EMU_ENTER(-1);
    const ZedEvent* live = emu::LiveEvent(type, event);
    if (live == nullptr || live->type != ZED_EVT_PICK || x == nullptr || y == nullptr) {
        return -1;
    }
    *x = live->x;
    *y = live->y;
    return 0;
}

ZedId ZedEvtGetElementId(int type, ZedEvent* event) {
    EMU_ENTER(-1);
    const ZedEvent* live = emu::LiveEvent(type, event);
    return live == nullptr ? -1 : live->element;
}

ZedId ZedEvtGetSegmentId(int type, ZedEvent* event) {
    EMU_ENTER(-1);
    const ZedEvent* live = emu::LiveEvent(type, event);
    return live == nullptr ? -1 : live->segment;
}

ZedId ZedEvtGetInstanceId(int type, ZedEvent* event) {
    EMU_ENTER(-1);
    const ZedEvent* live = emu::LiveEvent(type, event);
    return live == nullptr ? -1 : live->instance;
}

ZedId ZedEvtGetDetailId(int type, ZedEvent* event) {
    EMU_ENTER(-1);
    const ZedEvent* live = emu::LiveEvent(type, event);
    return live == nullptr ? -1 : live->detail;
}
