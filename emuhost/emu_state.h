// The emulated host's in-memory drawing and session state, shared by the files
// that implement the ZedLib call families. Internal to the emulated host.
#ifndef LEDGEWRIGHT_EMUHOST_EMU_STATE_H
#define LEDGEWRIGHT_EMUHOST_EMU_STATE_H

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "emuhost/emu_api.h"
#include "emuhost/emu_geom.h"
#include "host/zedlib.h"

namespace emu {

struct Layer {
    int number = 0;
    bool visible = true;
    bool detect = true;
    int colour = 0;
    ZedString name;
};

enum class ElementClass { Figure, Dimension, Note };

struct Element {
    ZedId id = -1;
    ZedId segment = -1;
    ElementClass cls = ElementClass::Figure;
    // Figure: stored the other way round, its stored start being where it
    // leaves the chain (its stored end where it joins it).
    bool reversed = false;
    // Where the element stands in its segment's chain, kept up to date by
    // every change of the chain (ElementChain), so that its order and its
    // neighbours are read without a search.
    size_t position = 0;
    ZedFigure figure{};     // Figure: as stored, corners with kinds 7 and 8
    ZedLineType2 attrs{};   // Figure: full line attributes
    ZedDimRecord dim{};     // Dimension: the record as stored, kind set
    ZedLeader leader{};     // Note: the record, text pointer cleared
    ZedString text;         // Note: the host's own copy of the text

    // The live elements in id order (ElementTable).
    Element* previousLive = nullptr;
    Element* nextLive = nullptr;
};

// The elements of the drawing by id, found in constant time. Only the live
// elements are held, so that a long session, whose ids keep counting up,
// neither grows the table nor slows the walks over it; an element stays where
// it is in memory while others come and go.
class ElementTable {
public:
    Element* Find(ZedId id) const {
        const auto it = elements_.find(id);
        return it != elements_.end() ? it->second.get() : nullptr;
    }
    // A new element with an id not in the table.
    Element& Make(ZedId id);
    void Erase(ZedId id);
    // Calls f for every element in id order.
    template <class F>
    void ForEach(F&& f) const {
        for (const Element* element = first_; element != nullptr; element = element->nextLive) {
            f(*element);
        }
    }

private:
    std::unordered_map<ZedId, std::unique_ptr<Element>> elements_;
    // The walk in id order: ids come from one counter, so a new element
    // nearly always goes last.
    Element* first_ = nullptr;
    Element* last_ = nullptr;
};

// A segment's elements in chain order. Each element knows its position
// (Element::position), and every change made here keeps the positions of the
// elements it moves, so that a lookup by element costs no search. Read as a
// sequence it gives the element ids.
class ElementChain {
public:
    class Iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = ZedId;
        using difference_type = std::ptrdiff_t;
        using pointer = const ZedId*;
        using reference = ZedId;
        Iterator() = default;
        explicit Iterator(Element* const* at) : at_(at) {}
        ZedId operator*() const { return (*at_)->id; }
        Iterator& operator++() {
            ++at_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator was = *this;
            ++at_;
            return was;
        }
        Iterator& operator--() {
            --at_;
            return *this;
        }
        Iterator& operator+=(difference_type n) {
            at_ += n;
            return *this;
        }
        friend Iterator operator+(Iterator it, difference_type n) { return it += n; }
        friend difference_type operator-(Iterator a, Iterator b) { return a.at_ - b.at_; }
        friend bool operator==(Iterator a, Iterator b) { return a.at_ == b.at_; }
        friend bool operator!=(Iterator a, Iterator b) { return a.at_ != b.at_; }

    private:
        Element* const* at_ = nullptr;
    };

    size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    ZedId operator[](size_t index) const { return items_[index]->id; }
    ZedId front() const { return items_.front()->id; }
    ZedId back() const { return items_.back()->id; }
    Iterator begin() const { return Iterator(items_.data()); }
    Iterator end() const { return Iterator(items_.data() + items_.size()); }
    std::vector<ZedId> Ids() const { return std::vector<ZedId>(begin(), end()); }

    Element& ElementAt(size_t index) const { return *items_.at(index); }
    // The element's position when it stands in this chain, else the size.
    size_t IndexOf(const Element& element) const {
        return element.position < items_.size() && items_[element.position] == &element ? element.position
                                                                                        : items_.size();
    }

    // Changes of the chain; the elements keep their segment, which the caller
    // sets when they move to another one.
    void Insert(size_t index, Element& element);
    void Append(Element& element) { Insert(items_.size(), element); }
    void Erase(size_t index);
    // The element at `index` becomes the first; the order round is kept.
    void Rotate(size_t index);
    // Takes every element of `other` (left empty) to the end or the front.
    void Append(ElementChain& other);
    void Prepend(ElementChain& other);
    // Moves the elements from `index` on to the end of `rest`.
    void MoveTail(size_t index, ElementChain& rest);

private:
    void Renumber(size_t from);
    std::vector<Element*> items_;
};

struct Attribute {
    int32_t kind = 0;  // ZED_ATTR_TEXT or ZED_ATTR_INTEGER
    ZedString text;
    int32_t integer = 0;
};

struct Segment {
    ZedId id = -1;
    int type = ZED_SGM_FIGURE;
    int layer = 0;
    bool closed = false;
    ElementChain chain;
    std::map<int32_t, Attribute> attributes;
    ZedId hole = -1;  // the hole this segment belongs to, -1 for none
};

struct Hole {
    ZedId id = -1;
    ZedHoleShape shape{};
    std::vector<ZedId> segments;  // the hole's own segments
};

// What the host knows of the command in progress.
struct Session {
    ZedReadyFunc start = nullptr;
    ZedAdmitFunc admission = nullptr;
    ZedEndFunc end = nullptr;
    ZedReadyFunc ready = nullptr;
    ZedExecuteFunc execute = nullptr;
    ZedCompareFunc compare = nullptr;
    bool active = false;
    uint32_t mask = 0;
    int32_t filter[ZED_FILTER_SIZE] = {0, 0, 0, 0, 0};
    double aperture = 1.0;
    std::string prompt;
    ZedFigRef blink{-1, -1};
    int redraws = 0;
    std::vector<std::string> protocolErrors;
};

struct Fault {
    std::string name;  // "" for any call
    int nth = 0;       // counted from the moment the fault was set
    bool onwards = false;
    int seen = 0;
};

struct Drawing {
    std::vector<Layer> layers;  // in the order they were added
    int currentLayer = 0;
    std::map<ZedId, Segment> segments;
    ElementTable elements;
    std::map<ZedId, Hole> holes;
    ZedId nextId = 1;

    Session session;
    std::vector<Message> messages;

    // The outline list (ZedFigGetFigure2) merges pieces that continue each
    // other in a straight line into one record, as some hosts list outlines.
    bool mergeCollinearInOutlineList = false;

    std::vector<Fault> faults;
    std::vector<const char*> calls;  // names of the ZedLib entry points, static texts
    int injected = 0;
    // Changes as recorded; their text is made only when the journal is read.
    struct PendingChange {
        int call = 0;
        const char* name = "";
        std::function<std::string()> describe;
    };
    std::vector<PendingChange> journal;

    // Memory handed to the plug-in and not yet given back.
    std::set<const void*> liveMemory;     // ZedLyrGetAllLayer arrays
    std::set<const void*> liveHoleShapes; // hole-shape records
    // The hole-master files parsed so far, each with the size and time the
    // file had then: a plug-in reads its master for every hole it makes, and
    // a file not changed since need not be read and parsed again.
    struct MasterStamp {
        int64_t writeTime = 0;  // in the file system's own units
        int64_t size = 0;
        bool operator==(const MasterStamp&) const = default;
    };
    struct ParsedMaster {
        MasterStamp stamp;
        ZedHoleShape shape{};
    };
    std::map<std::filesystem::path, ParsedMaster> parsedMasters;
    // Text handed back to the plug-in, valid until the next ZedLib call.
    ZedString returnedText;
    // Texts handed back by HandOutText, each in a heap block of its own so that
    // the sanitizer catches a plug-in that keeps one. The texts of a call are
    // valid until the next ZedLib call: that call may still read one it is given
    // back (as an amend does), and frees them as it returns.
    std::vector<std::unique_ptr<ZedChar[]>> handedTexts;
    std::vector<std::unique_ptr<ZedChar[]>> retiringTexts;
};

// The one drawing of the process.
Drawing& State();

// Records a ZedLib call and tells whether an injected fault makes it fail.
// Every ZedLib entry point starts with it; a failing call returns at once.
bool EnterCall(const char* name);
// Frees the texts handed out before the call that now returns.
void LeaveCall();

// One ZedLib call from entry to return (see EMU_ENTER).
struct CallScope {
    explicit CallScope(const char* name) : proceed(EnterCall(name)) {}
    ~CallScope() { LeaveCall(); }
    CallScope(const CallScope&) = delete;
    CallScope& operator=(const CallScope&) = delete;
    bool proceed;
};
// Records a change to the drawing made by the call in progress. The text is
// made when the journal is read, so `describe` must hold copies of whatever it
// describes, not references into the drawing or the caller's records.
void RecordChange(std::function<std::string()> describe);
// A host-owned copy of the text for the plug-in to read (see handedTexts).
const ZedChar* HandOutText(const ZedString& text);

ZedId NewId();
Layer* FindLayer(int number);
Segment* FindSegment(ZedId id);
Element* FindElement(ZedId id);
Hole* FindHole(ZedId id);
// Removes a segment and its elements (and its hole membership) from the drawing.
void EraseSegment(ZedId id);

// Formatting for journal and dump: fixed decimals.
std::string Fmt(double value);
std::string FmtPoint(double x, double y);

// Forgets the keyboard state, the command line and the host window's history.
void ResetKeyboard();

}  // namespace emu

// Starts a ZedLib entry point: counts the call and returns `failure` when an
// injected fault fails it. The texts handed out by the call before die when
// this one returns.
#define EMU_ENTER(failure)                        \
    const ::emu::CallScope emuCallScope(__func__); \
    if (!emuCallScope.proceed) return failure

#endif  // LEDGEWRIGHT_EMUHOST_EMU_STATE_H
