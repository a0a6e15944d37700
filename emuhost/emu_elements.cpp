// ZedLib element calls: an element's segment, kind, place in its chain, and
// deleting it.
#include "emuhost/emu_chain.h"

using namespace emu;

namespace {

std::string Id(ZedId id) { return std::to_string(id); }

// Takes the element out of its chain and out of the drawing. Returns what
// happened to the segment.
std::string Unchain(Segment& segment, size_t at) {
    const ZedId id = segment.chain[at];
    if (segment.chain.size() == 1) {
        const ZedId gone = segment.id;
        EraseSegment(gone);
        return "; segment " + Id(gone) + " deleted";
    }
    ElementChain& chain = segment.chain;
    chain.Erase(at);
    State().elements.Erase(id);
    if (segment.type != ZED_SGM_FIGURE) {
        return "";
    }
    if (segment.closed) {
        // The open chain starts at the element after the deleted one.
        chain.Rotate(at % chain.size());
        segment.closed = false;
        return "; segment opened, starting at element " + Id(chain.front());
    }
    if (at == 0 || at == chain.size()) {
        return "";
    }
    // Inside an open chain: the elements after it form a new segment on the
    // same layer; attributes and hole membership stay with the first part.
    Segment& rest = MakeSegment(segment.type, segment.layer);
    chain.MoveTail(at, rest.chain);
    for (size_t i = 0; i < rest.chain.size(); ++i) {
        rest.chain.ElementAt(i).segment = rest.id;
    }
    return "; elements after it moved to new segment " + Id(rest.id);
}

}  // namespace

extern "C" {

ZedId ZedElmGetSegment(ZedId element) {
    EMU_ENTER(-1);
    const Element* found = FindElement(element);
    return found != nullptr ? found->segment : -1;
}

#if !ZED_LEGACY  // not in the older host
int ZedElmGetType(ZedId element) {
    EMU_ENTER(-1);
    const Element* found = FigureElement(element);
    return found != nullptr ? found->figure.kind : -1;
}
#endif

int ZedElmGetElementOrder(ZedId element) {
    EMU_ENTER(-1);
    const Element* found = FindElement(element);
    if (found == nullptr) {
        return -1;
    }
    return static_cast<int>(IndexInChain(*FindSegment(found->segment), *found)) + 1;
}

ZedId ZedElmGetNextElementId(ZedId element) {
    EMU_ENTER(-1);
    const Element* found = FindElement(element);
    if (found == nullptr) {
        return -1;
    }
    const Segment& segment = *FindSegment(found->segment);
    const size_t at = IndexInChain(segment, *found);
    return at + 1 < segment.chain.size() ? segment.chain[at + 1] : -1;
}

ZedId ZedElmGetPrevElementId(ZedId element) {
    EMU_ENTER(-1);
    const Element* found = FindElement(element);
    if (found == nullptr) {
        return -1;
    }
    const Segment& segment = *FindSegment(found->segment);
    const size_t at = IndexInChain(segment, *found);
    return at > 0 ? segment.chain[at - 1] : -1;
}

int ZedElmDeleteElement(ZedId element) {
    EMU_ENTER(-1);
    const Element* found = FindElement(element);
    if (found == nullptr) {
        return -1;
    }
    Segment& segment = *FindSegment(found->segment);
    const ZedId segmentId = segment.id;
    std::string what = Unchain(segment, IndexInChain(segment, *found));
    RecordChange([element, segmentId, what = std::move(what)] {
        return "element " + Id(element) + " deleted from segment " + Id(segmentId) + what;
    });
    return 0;
}

}  // extern "C"
