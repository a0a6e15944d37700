// The emulated host's process-wide state, call accounting, fault injection and
// journal.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "emuhost/emu_state.h"

namespace emu {

Element& ElementTable::Make(ZedId id) {
    Erase(id);
    std::unique_ptr<Element>& slot = elements_[id];
    slot = std::make_unique<Element>();
    Element* element = slot.get();
    element->id = id;
    // Behind the last element with a lower id: the last one, but for an id
    // given out of order.
    Element* before = last_;
    while (before != nullptr && before->id > id) {
        before = before->previousLive;
    }
    element->previousLive = before;
    element->nextLive = before != nullptr ? before->nextLive : first_;
    (element->nextLive != nullptr ? element->nextLive->previousLive : last_) = element;
    (before != nullptr ? before->nextLive : first_) = element;
    return *element;
}

void ElementTable::Erase(ZedId id) {
    const auto it = elements_.find(id);
    if (it == elements_.end()) {
        return;
    }
    Element* element = it->second.get();
    (element->previousLive != nullptr ? element->previousLive->nextLive : first_) = element->nextLive;
    (element->nextLive != nullptr ? element->nextLive->previousLive : last_) = element->previousLive;
    elements_.erase(it);
}

Drawing& State() {
    static Drawing drawing;
    return drawing;
}

namespace {

// A fault fires on the nth matching call counted from when it was set.
bool FaultFires(Fault& fault, const char* name) {
    if (!fault.name.empty() && std::strcmp(fault.name.c_str(), name) != 0) {
        return false;
    }
    ++fault.seen;
    return fault.onwards ? fault.seen >= fault.nth : fault.seen == fault.nth;
}

}  // namespace

bool EnterCall(const char* name) {
    Drawing& d = State();
    d.calls.push_back(name);
    // The texts of the last call stay readable during this one (see LeaveCall).
    if (!d.handedTexts.empty()) {
        d.retiringTexts = std::move(d.handedTexts);
        d.handedTexts.clear();
    }
    bool fail = false;
    for (Fault& fault : d.faults) {
        // Every fault counts every call, so several faults can be armed at once.
        if (FaultFires(fault, name)) {
            fail = true;
        }
    }
    if (fail) {
        ++d.injected;
    }
    return !fail;
}

void LeaveCall() { State().retiringTexts.clear(); }

bool HandedTextLive(const ZedChar* text) {
    for (const auto* texts : {&State().handedTexts, &State().retiringTexts}) {
        for (const auto& block : *texts) {
            if (block.get() == text) {
                return true;
            }
        }
    }
    return false;
}

void RecordChange(std::function<std::string()> describe) {
    Drawing& d = State();
    const char* name = d.calls.empty() ? "(setup)" : d.calls.back();
    d.journal.push_back(Drawing::PendingChange{static_cast<int>(d.calls.size()), name, std::move(describe)});
}

const ZedChar* HandOutText(const ZedString& text) {
    auto block = std::make_unique<ZedChar[]>(text.size() + 1);
    std::copy(text.begin(), text.end(), block.get());
    block[text.size()] = 0;
    const ZedChar* handed = block.get();
    State().handedTexts.push_back(std::move(block));
    return handed;
}

ZedId NewId() { return State().nextId++; }

Layer* FindLayer(int number) {
    for (Layer& layer : State().layers) {
        if (layer.number == number) {
            return &layer;
        }
    }
    return nullptr;
}

Segment* FindSegment(ZedId id) {
    auto it = State().segments.find(id);
    return it == State().segments.end() ? nullptr : &it->second;
}

Element* FindElement(ZedId id) { return State().elements.Find(id); }

Hole* FindHole(ZedId id) {
    auto it = State().holes.find(id);
    return it == State().holes.end() ? nullptr : &it->second;
}

void EraseSegment(ZedId id) {
    Drawing& d = State();
    Segment* segment = FindSegment(id);
    if (segment == nullptr) {
        return;
    }
    for (ZedId element : segment->chain) {
        d.elements.Erase(element);
    }
    if (Hole* hole = FindHole(segment->hole)) {
        std::erase(hole->segments, id);
        // A hole whose last segment is gone is gone too.
        if (hole->segments.empty()) {
            d.holes.erase(hole->id);
        }
    }
    d.segments.erase(id);
}

std::string Fmt(double value) {
    char buffer[64];
    // Six decimals, and never "-0.000000".
    std::snprintf(buffer, sizeof buffer, "%.6f", value == 0.0 ? 0.0 : value);
    std::string text = buffer;
    if (text == "-0.000000") {
        text = "0.000000";
    }
    return text;
}

std::string FmtPoint(double x, double y) { return "(" + Fmt(x) + ", " + Fmt(y) + ")"; }

// ---------------------------------------------------------------------------
// Public API: lifecycle, faults, call log, journal
// ---------------------------------------------------------------------------

void Reset() {
    Drawing& d = State();
    for (const void* memory : d.liveMemory) {
        delete[] static_cast<const int32_t*>(memory);
    }
    for (const void* shape : d.liveHoleShapes) {
        delete static_cast<const ZedHoleShape*>(shape);
    }
    d = Drawing{};
    ResetKeyboard();
}

void FailCall(const std::string& name, int nth, bool onwards) {
    State().faults.push_back(Fault{name, nth, onwards, 0});
}

void FailNthCall(int nth, bool onwards) { State().faults.push_back(Fault{"", nth, onwards, 0}); }

void ClearFaults() { State().faults.clear(); }

std::vector<std::string> CallLog() {
    const std::vector<const char*>& calls = State().calls;
    return std::vector<std::string>(calls.begin(), calls.end());
}

int CallCount() { return static_cast<int>(State().calls.size()); }

int InjectedFailures() { return State().injected; }

void ResetCallLog() {
    Drawing& d = State();
    d.calls.clear();
    d.journal.clear();
    d.injected = 0;
}

std::vector<Change> Journal() {
    std::vector<Change> changes;
    for (const Drawing::PendingChange& change : State().journal) {
        changes.push_back(Change{change.call, change.name, change.describe()});
    }
    return changes;
}

}  // namespace emu
