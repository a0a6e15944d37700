// Chain editing on the in-memory drawing.
#include "emuhost/emu_chain.h"

#include <algorithm>

#include "emuhost/emu_geom.h"

namespace emu {

Segment* FigureSegment(ZedId id) {
    Segment* segment = FindSegment(id);
    return segment != nullptr && segment->type == ZED_SGM_FIGURE ? segment : nullptr;
}

Element* FigureElement(ZedId id) {
    Element* element = FindElement(id);
    return element != nullptr && element->cls == ElementClass::Figure ? element : nullptr;
}

Element* FigureElement(const ZedFigRef* ref) {
    if (ref == nullptr || ref->instance != 0) {
        return nullptr;
    }
    return FigureElement(ref->id);
}

void ElementChain::Renumber(size_t from) {
    for (size_t i = from; i < items_.size(); ++i) {
        items_[i]->position = i;
    }
}

void ElementChain::Insert(size_t index, Element& element) {
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), &element);
    Renumber(index);
}

void ElementChain::Erase(size_t index) {
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    Renumber(index);
}

void ElementChain::Rotate(size_t index) {
    std::rotate(items_.begin(), items_.begin() + static_cast<std::ptrdiff_t>(index), items_.end());
    Renumber(0);
}

void ElementChain::Append(ElementChain& other) {
    const size_t from = items_.size();
    items_.insert(items_.end(), other.items_.begin(), other.items_.end());
    other.items_.clear();
    Renumber(from);
}

void ElementChain::Prepend(ElementChain& other) {
    items_.insert(items_.begin(), other.items_.begin(), other.items_.end());
    other.items_.clear();
    Renumber(0);
}

void ElementChain::MoveTail(size_t index, ElementChain& rest) {
    const size_t from = rest.items_.size();
    rest.items_.insert(rest.items_.end(), items_.begin() + static_cast<std::ptrdiff_t>(index), items_.end());
    items_.resize(index);
    rest.Renumber(from);
}

size_t IndexInChain(const Segment& segment, ZedId element) {
    const Element* found = FindElement(element);
    return found != nullptr && found->segment == segment.id ? segment.chain.IndexOf(*found) : segment.chain.size();
}

const ZedFigure& FigureAt(const Segment& segment, size_t index) { return segment.chain.ElementAt(index).figure; }

ZedFigure ChainFigure(const Element& element) {
    return element.reversed ? TurnedRound(element.figure) : element.figure;
}

ZedFigure ChainFigureAt(const Segment& segment, size_t index) { return ChainFigure(segment.chain.ElementAt(index)); }

ZedPoint EntryOf(const Element& element) {
    return element.reversed ? EndOf(element.figure) : StartOf(element.figure);
}

ZedPoint ExitOf(const Element& element) {
    return element.reversed ? StartOf(element.figure) : EndOf(element.figure);
}

void SetChainFigure(Element& element, const ZedFigure& chainWise) {
    element.figure = element.reversed ? TurnedRound(chainWise) : chainWise;
}

ZedPoint ChainStart(const Segment& segment) { return EntryOf(segment.chain.ElementAt(0)); }

ZedPoint ChainEnd(const Segment& segment) { return ExitOf(segment.chain.ElementAt(segment.chain.size() - 1)); }

bool IsCircleSegment(const Segment& segment) {
    return segment.chain.size() == 1 && FigureAt(segment, 0).kind == ZED_FIG_CIRCLE;
}

bool CanClose(const Segment& segment) {
    if (segment.chain.empty()) {
        return false;
    }
    return IsCircleSegment(segment) || Near(ChainStart(segment), ChainEnd(segment));
}

std::string AppendProblem(const Segment& segment, const ZedFigure& figure, bool allowCorners) {
    if (segment.type != ZED_SGM_FIGURE) {
        return "not a figure segment";
    }
    if (segment.closed) {
        return "segment is closed";
    }
    if (IsCornerKind(figure.kind) && !allowCorners) {
        return "corners cannot be created";
    }
    const std::string problem = FigureProblem(figure);
    if (!problem.empty()) {
        return problem;
    }
    if (segment.chain.empty()) {
        return "";
    }
    if (figure.kind == ZED_FIG_CIRCLE || IsCircleSegment(segment)) {
        return "a circle stands alone in its segment";
    }
    if (!Near(ChainEnd(segment), StartOf(figure))) {
        return "figure does not start at the chain's end";
    }
    return "";
}

ZedId PlaceElement(Segment& segment, size_t index, const ZedFigure& figure, const ZedLineType2& attributes,
                   bool reversed) {
    Element& element = State().elements.Make(NewId());
    element.segment = segment.id;
    element.cls = ElementClass::Figure;
    element.figure = figure;
    element.attrs = attributes;
    element.reversed = reversed;
    segment.chain.Insert(index, element);
    if (figure.kind == ZED_FIG_CIRCLE) {
        segment.closed = true;
    }
    return element.id;
}

Segment& MakeSegment(int type, int layer) {
    Segment segment;
    segment.id = NewId();
    segment.type = type;
    segment.layer = layer;
    return State().segments[segment.id] = segment;
}

}  // namespace emu
