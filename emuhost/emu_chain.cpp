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

size_t IndexInChain(const Segment& segment, ZedId element) {
    const Element* found = FindElement(element);
    if (found != nullptr && found->position < segment.chain.size() && segment.chain[found->position] == element) {
        return found->position;
    }
    // The chain has changed since: number all its elements again.
    size_t at = segment.chain.size();
    for (size_t i = 0; i < segment.chain.size(); ++i) {
        if (Element* member = FindElement(segment.chain[i])) {
            member->position = i;
        }
        if (segment.chain[i] == element) {
            at = i;
        }
    }
    return at;
}

const ZedFigure& FigureAt(const Segment& segment, size_t index) {
    return FindElement(segment.chain.at(index))->figure;
}

ZedFigure ChainFigure(const Element& element) {
    return element.reversed ? TurnedRound(element.figure) : element.figure;
}

ZedFigure ChainFigureAt(const Segment& segment, size_t index) {
    return ChainFigure(*FindElement(segment.chain.at(index)));
}

ZedPoint EntryOf(const Element& element) {
    return element.reversed ? EndOf(element.figure) : StartOf(element.figure);
}

ZedPoint ExitOf(const Element& element) {
    return element.reversed ? StartOf(element.figure) : EndOf(element.figure);
}

void SetChainFigure(Element& element, const ZedFigure& chainWise) {
    element.figure = element.reversed ? TurnedRound(chainWise) : chainWise;
}

ZedPoint ChainStart(const Segment& segment) { return EntryOf(*FindElement(segment.chain.front())); }

ZedPoint ChainEnd(const Segment& segment) { return ExitOf(*FindElement(segment.chain.back())); }

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
    element.position = index;
    segment.chain.insert(segment.chain.begin() + static_cast<std::ptrdiff_t>(index), element.id);
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
