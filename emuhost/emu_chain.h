// Chain editing on the in-memory drawing, shared by the segment, element and
// figure calls and by the layout helpers. These functions neither count as
// calls nor journal anything; the callers check, change, then record.
// Internal to the emulated host.
#ifndef LEDGEWRIGHT_EMUHOST_EMU_CHAIN_H
#define LEDGEWRIGHT_EMUHOST_EMU_CHAIN_H

#include <cstddef>
#include <string>

#include "emuhost/emu_state.h"

namespace emu {

// A figure segment (type 0) or a figure element, or null.
Segment* FigureSegment(ZedId id);
Element* FigureElement(ZedId id);
// The element named by a figure reference of instance 0, or null.
Element* FigureElement(const ZedFigRef* ref);

// Position of the element in the segment's chain; the chain's size when it is
// not in it. Read from the element, without a search.
size_t IndexInChain(const Segment& segment, ZedId element);
inline size_t IndexInChain(const Segment& segment, const Element& element) {
    return element.segment == segment.id ? segment.chain.IndexOf(element) : segment.chain.size();
}

// The figure as stored at a chain position.
const ZedFigure& FigureAt(const Segment& segment, size_t index);
// The element's figure the way the chain runs through it: as stored, or
// turned round for an element stored the other way.
ZedFigure ChainFigure(const Element& element);
ZedFigure ChainFigureAt(const Segment& segment, size_t index);
// Where the chain enters and leaves the element.
ZedPoint EntryOf(const Element& element);
ZedPoint ExitOf(const Element& element);
// Stores a figure given the way the chain runs, turned round again for an
// element stored the other way.
void SetChainFigure(Element& element, const ZedFigure& chainWise);
// The chain's first start and last end; the segment must not be empty.
ZedPoint ChainStart(const Segment& segment);
ZedPoint ChainEnd(const Segment& segment);
// A segment that holds one circle.
bool IsCircleSegment(const Segment& segment);
// Whether the chain could be closed: its ends meet, or it is one circle.
bool CanClose(const Segment& segment);

// "" when the figure may be appended to the segment: the segment is open, the
// figure is valid, and it starts where the chain ends (a circle only into an
// empty segment). Corners are admitted only when allowCorners is set.
std::string AppendProblem(const Segment& segment, const ZedFigure& figure, bool allowCorners);

// A new figure element with a new id at the given chain position; a circle
// makes its segment closed.
ZedId PlaceElement(Segment& segment, size_t index, const ZedFigure& figure, const ZedLineType2& attributes,
                   bool reversed = false);

// A new empty segment with a new id.
Segment& MakeSegment(int type, int layer);

}  // namespace emu

#endif  // LEDGEWRIGHT_EMUHOST_EMU_CHAIN_H
