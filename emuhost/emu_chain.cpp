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
    return static_cast<size_t>(std::find(segment.chain.begin(), segment.chain.end(), element) - segment.chain.begin());
}

const ZedFigure& FigureAt(const Segment& segment, size_t index) {
    return FindElement(segment.chain.at(index))->figure;
}

ZedPoint ChainStart(const Segment& segment) { return StartOf(FigureAt(segment, 0)); }

ZedPoint ChainEnd(const Segment& segment) { return EndOf(FigureAt(segment, segment.chain.size() - 1)); }

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

ZedId PlaceElement(Segment& segment, size_t index, const ZedFigure& figure, const ZedLineType2& attributes) {
    Element element;
    element.id = NewId();
    element.segment = segment.id;
    element.cls = ElementClass::Figure;
    element.figure = figure;
    element.attrs = attributes;
    State().elements[element.id] = element;
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
