// ZedLib figure calls: reading, creating, inserting and amending figures,
// dividing, joining and closing chains, corners, and line attributes.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

#include "emuhost/emu_chain.h"
#include "emuhost/emu_geom.h"

using namespace emu;

namespace {

std::string Id(ZedId id) { return std::to_string(id); }

// How many elements ahead a walk over a chain asks the memory for.
constexpr size_t kReadAhead = 8;

// The element's kind as the outline list reports it: corners as arcs and lines.
int OutlineKind(int kind) {
    if (kind == ZED_FIG_FILLET) {
        return ZED_FIG_ARC;
    }
    return kind == ZED_FIG_CHAMFER ? ZED_FIG_LINE : kind;
}

// Whether b continues a in a straight line: both plain lines, b starting where
// a ends, running the same way.
bool ContinuesStraight(const ZedFigure& a, const ZedFigure& b) {
    if (a.kind != ZED_FIG_LINE || b.kind != ZED_FIG_LINE || !Near(EndOf(a), StartOf(b))) {
        return false;
    }
    const double ax = EndOf(a).x - StartOf(a).x, ay = EndOf(a).y - StartOf(a).y;
    const double bx = EndOf(b).x - StartOf(b).x, by = EndOf(b).y - StartOf(b).y;
    const double cross = ax * by - ay * bx;
    return std::fabs(cross) <= kTolerance * std::hypot(ax, ay) * std::hypot(bx, by) && ax * bx + ay * by > 0;
}

// The segment's outline list: one record per element, or with the host's
// merging on, one record per run of pieces that continue each other straight.
std::vector<ZedFigure> OutlineList(const Segment& segment) {
    std::vector<ZedFigure> list;
    list.reserve(segment.chain.size());
    for (size_t i = 0; i < segment.chain.size(); ++i) {
        ZedFigure figure = ChainFigureAt(segment, i);
        figure.kind = OutlineKind(figure.kind);
        if (State().mergeCollinearInOutlineList && !list.empty() && ContinuesStraight(list.back(), figure)) {
            list.back().v[2] = figure.v[2];
            list.back().v[3] = figure.v[3];
            continue;
        }
        list.push_back(figure);
    }
    return list;
}

// Where the chain of a closed segment meets the point: the index of the
// element that starts there, or of the element whose inside holds it.
struct ChainPlace {
    size_t index = 0;
    bool vertex = false;
};

bool FindOnChain(const Segment& segment, const ZedPoint& p, ChainPlace& place) {
    for (size_t i = 0; i < segment.chain.size(); ++i) {
        if (Near(EntryOf(segment.chain.ElementAt(i)), p)) {
            place = ChainPlace{i, true};
            return true;
        }
    }
    for (size_t i = 0; i < segment.chain.size(); ++i) {
        if (WithinDistance(FigureAt(segment, i), p, kTolerance)) {
            place = ChainPlace{i, false};
            return true;
        }
    }
    return false;
}

#if !ZED_LEGACY  // used by ZedFigRemoveCorner alone
// A line still runs the way it did before its ends moved.
bool SameDirection(const ZedFigure& before, const ZedFigure& after) {
    const double dot = (EndOf(before).x - StartOf(before).x) * (EndOf(after).x - StartOf(after).x) +
                       (EndOf(before).y - StartOf(before).y) * (EndOf(after).y - StartOf(after).y);
    return dot > 0;
}
#endif

// Line attributes the host can draw: one of its sixteen colours and a line type
// from its table (never negative).
bool LineAttributesOk(int32_t colour, int32_t lineType) { return colour >= 0 && colour <= 15 && lineType >= 0; }

}  // namespace

extern "C" {

int ZedFigGetFigure(const ZedFigRef* element, ZedFigure* figure) {
    EMU_ENTER(-1);
    const Element* found = FigureElement(element);
    if (found == nullptr || figure == nullptr) {
        return -1;
    }
    *figure = found->figure;
    return 0;
}

int ZedFigGetFigure2(const ZedFigRef* segment, ZedFigure* figures, int capacity) {
    EMU_ENTER(-1);
    if (segment == nullptr || segment->instance != 0 || capacity < 0 || (figures == nullptr && capacity > 0)) {
        return -1;
    }
    const Segment* found = FigureSegment(segment->id);
    if (found == nullptr) {
        return -1;
    }
    if (!State().mergeCollinearInOutlineList) {
        // One record per element, written straight into the caller's array.
        const size_t count = std::min(found->chain.size(), static_cast<size_t>(capacity));
        for (size_t i = 0; i < count; ++i) {
            // The elements lie apart in memory; ask for those a few steps on
            // while this one is copied, so that a long outline reads quickly.
            if (i + kReadAhead < count) {
                __builtin_prefetch(&found->chain.ElementAt(i + kReadAhead).figure);
            }
            const Element& element = found->chain.ElementAt(i);
            figures[i] = element.reversed ? TurnedRound(element.figure) : element.figure;
            figures[i].kind = OutlineKind(figures[i].kind);
        }
        return static_cast<int>(count);
    }
    const std::vector<ZedFigure> list = OutlineList(*found);
    const size_t count = std::min(list.size(), static_cast<size_t>(capacity));
    std::copy_n(list.begin(), count, figures);
    return static_cast<int>(count);
}

ZedId ZedFigCreateFigure(ZedId segment, const ZedFigure* figure) {
    EMU_ENTER(-1);
    Segment* target = FigureSegment(segment);
    if (target == nullptr || figure == nullptr || !AppendProblem(*target, *figure, false).empty()) {
        return -1;
    }
    const ZedId id = PlaceElement(*target, target->chain.size(), *figure, ZedLineType2{});
    RecordChange([id, segment, f = *figure] {
        return "element " + Id(id) + " appended to segment " + Id(segment) + ": " + FigureText(f);
    });
    return id;
}

ZedId ZedFigInsertFigure(ZedId element, const ZedFigure* figure) {
    EMU_ENTER(-1);
    const Element* before = FigureElement(element);
    if (before == nullptr || figure == nullptr) {
        return -1;
    }
    Segment& segment = *FindSegment(before->segment);
    if (segment.closed || IsCornerKind(figure->kind) || figure->kind == ZED_FIG_CIRCLE ||
        before->figure.kind == ZED_FIG_CIRCLE || !FigureProblem(*figure).empty()) {
        return -1;
    }
    // The new figure must lead into the element and follow on from the one
    // before it, if any.
    // (The elements already there may be stored either way round; what the
    // chain joins is where it enters and leaves them.)
    const size_t at = IndexInChain(segment, *before);
    if (!Near(EndOf(*figure), EntryOf(*before))) {
        return -1;
    }
    if (at > 0 && !Near(StartOf(*figure), ExitOf(segment.chain.ElementAt(at - 1)))) {
        return -1;
    }
    const ZedId id = PlaceElement(segment, at, *figure, ZedLineType2{});
    RecordChange([id, element, f = *figure] {
        return "element " + Id(id) + " inserted before element " + Id(element) + ": " + FigureText(f);
    });
    return id;
}

int ZedFigAmendFigure(const ZedFigRef* element, const ZedFigure* figure) {
    EMU_ENTER(-1);
    Element* found = FigureElement(element);
    // The kind stays; neighbours are not re-checked, so a chain may be left
    // open in between while its ends are moved one at a time. An element
    // stored the other way round stays so: the record is taken as stored.
    if (found == nullptr || figure == nullptr || figure->kind != found->figure.kind ||
        !FigureProblem(*figure).empty()) {
        return -1;
    }
    found->figure = *figure;
    RecordChange([id = found->id, f = *figure] { return "element " + Id(id) + " amended: " + FigureText(f); });
    return 0;
}

int ZedFigDivide(const ZedFigRef* segment, const ZedPoint* at, ZedId* divided) {
    EMU_ENTER(-1);
    if (segment == nullptr || segment->instance != 0 || at == nullptr || divided == nullptr) {
        return -1;
    }
    Segment* target = FigureSegment(segment->id);
    if (target == nullptr || !target->closed || target->chain.empty() || IsCircleSegment(*target)) {
        return -1;
    }
    ChainPlace place;
    if (!FindOnChain(*target, *at, place)) {
        return -1;
    }
    std::function<std::string()> what;
    if (place.vertex) {
        what = [start = target->chain[place.index]] { return "starts at element " + Id(start); };
    } else {
        Element& split = target->chain.ElementAt(place.index);
        // A corner is one rounded or cut vertex; it is not cut in two.
        if (IsCornerKind(split.figure.kind)) {
            return -1;
        }
        // The element keeps the piece where the chain enters it, up to the
        // point; the piece from the point on is a new element that heads the
        // divided chain. Both stay stored the way the element was.
        ZedFigure first;
        ZedFigure second;
        SplitAt(ChainFigure(split), *at, first, second);
        if (!FigureProblem(first).empty() || !FigureProblem(second).empty()) {
            return -1;
        }
        SetChainFigure(split, first);
        const ZedFigure stored = split.reversed ? TurnedRound(second) : second;
        const ZedId head = PlaceElement(*target, place.index + 1, stored, split.attrs, split.reversed);
        place.index += 1;
        what = [cut = split.id, head, stored] {
            return "element " + Id(cut) + " cut, new element " + Id(head) + " " + FigureText(stored);
        };
    }
    target->chain.Rotate(place.index % target->chain.size());
    target->closed = false;
    *divided = target->id;
    RecordChange([id = target->id, point = *at, what] {
        return "segment " + Id(id) + " divided at " + FmtPoint(point.x, point.y) + ": " + what();
    });
    return 0;
}

ZedId ZedFigConcat(ZedId first, ZedId second) {
    EMU_ENTER(-1);
    Segment* a = FigureSegment(first);
    Segment* b = FigureSegment(second);
    if (a == nullptr || b == nullptr || first == second || a->closed || b->closed || a->chain.empty() ||
        b->chain.empty() || a->layer != b->layer || b->hole != -1) {
        return -1;
    }
    const bool after = Near(ChainEnd(*a), ChainStart(*b));
    if (!after && !Near(ChainEnd(*b), ChainStart(*a))) {
        return -1;
    }
    for (size_t i = 0; i < b->chain.size(); ++i) {
        b->chain.ElementAt(i).segment = first;
    }
    if (after) {
        a->chain.Append(b->chain);
    } else {
        a->chain.Prepend(b->chain);
    }
    const char* how = after ? "after" : "before";
    State().segments.erase(second);
    RecordChange([first, second, how] { return "segment " + Id(second) + " joined " + how + " segment " + Id(first); });
    return first;
}

ZedId ZedFigChangeCorner(ZedId element) {
    EMU_ENTER(-1);
    const Element* corner = FigureElement(element);
    if (corner == nullptr || !IsCornerKind(corner->figure.kind)) {
        return -1;
    }
    Segment& segment = *FindSegment(corner->segment);
    const size_t at = IndexInChain(segment, *corner);
    ZedFigure plain = corner->figure;
    plain.kind = OutlineKind(plain.kind);
    const ZedLineType2 attributes = corner->attrs;
    const bool reversed = corner->reversed;
    const bool wasClosed = segment.closed;
    segment.chain.Erase(at);
    State().elements.Erase(element);
    const ZedId id = PlaceElement(segment, at, plain, attributes, reversed);
    segment.closed = wasClosed;
    RecordChange([element, id, plain] {
        return "corner " + Id(element) + " replaced by element " + Id(id) + ": " + FigureText(plain);
    });
    return id;
}

#if !ZED_LEGACY  // not in the older host
int ZedFigRemoveCorner(ZedId element) {
    EMU_ENTER(-1);
    const Element* corner = FigureElement(element);
    if (corner == nullptr || !IsCornerKind(corner->figure.kind)) {
        return -1;
    }
    Segment& segment = *FindSegment(corner->segment);
    const size_t count = segment.chain.size();
    const size_t at = IndexInChain(segment, *corner);
    if (count < 3 || (!segment.closed && (at == 0 || at + 1 == count))) {
        return -1;
    }
    Element& before = segment.chain.ElementAt((at + count - 1) % count);
    Element& after = segment.chain.ElementAt((at + 1) % count);
    if (before.figure.kind != ZED_FIG_LINE || after.figure.kind != ZED_FIG_LINE) {
        return -1;
    }
    // The ends that move are those at the corner, whichever way round the
    // lines are stored.
    const ZedFigure lineBefore = ChainFigure(before);
    const ZedFigure lineAfter = ChainFigure(after);
    ZedPoint meet;
    if (!CrossLines(lineBefore, lineAfter, meet)) {
        return -1;
    }
    // Both lines are lengthened (or shortened) to the crossing, never turned round.
    ZedFigure extendedBefore = lineBefore;
    ZedFigure extendedAfter = lineAfter;
    SetEnd(extendedBefore, meet);
    SetStart(extendedAfter, meet);
    if (!FigureProblem(extendedBefore).empty() || !FigureProblem(extendedAfter).empty() ||
        !SameDirection(lineBefore, extendedBefore) || !SameDirection(lineAfter, extendedAfter)) {
        return -1;
    }
    SetChainFigure(before, extendedBefore);
    SetChainFigure(after, extendedAfter);
    segment.chain.Erase(at);
    State().elements.Erase(element);
    RecordChange([element, beforeId = before.id, afterId = after.id, meet] {
        return "corner " + Id(element) + " removed: elements " + Id(beforeId) + " and " + Id(afterId) + " meet at " +
               FmtPoint(meet.x, meet.y);
    });
    return 0;
}
#endif

int ZedFigIsClosed(ZedId segment) {
    EMU_ENTER(0);
    const Segment* found = FigureSegment(segment);
    return found != nullptr && found->closed ? 1 : 0;
}

int ZedFigSetClosed(ZedId segment, int closed) {
    EMU_ENTER(-1);
    Segment* found = FigureSegment(segment);
    if (found == nullptr || (closed != 0 && closed != 1)) {
        return -1;
    }
    if (found->closed == (closed == 1)) {
        return 0;
    }
    // Only a chain whose ends meet can be closed; a circle cannot be opened.
    if (closed == 1 ? !CanClose(*found) : IsCircleSegment(*found)) {
        return -1;
    }
    found->closed = closed == 1;
    RecordChange([segment, closed] { return "segment " + Id(segment) + (closed == 1 ? " closed" : " opened"); });
    return 0;
}

int ZedFigGetLineType(const ZedFigRef* element, ZedLineType* attributes) {
    EMU_ENTER(-1);
    const Element* found = FigureElement(element);
    if (found == nullptr || attributes == nullptr) {
        return -1;
    }
    *attributes = ZedLineType{found->attrs.colour, found->attrs.lineType, 0};
    return 0;
}

int ZedFigSetLineType(const ZedFigRef* element, const ZedLineType* attributes) {
    EMU_ENTER(-1);
    Element* found = FigureElement(element);
    if (found == nullptr || attributes == nullptr || !LineAttributesOk(attributes->colour, attributes->lineType)) {
        return -1;
    }
    if (found->attrs.colour != attributes->colour || found->attrs.lineType != attributes->lineType) {
        found->attrs.colour = attributes->colour;
        found->attrs.lineType = attributes->lineType;
        RecordChange([id = found->id, attrs = found->attrs] {
            return "element " + Id(id) + " line attributes: " + LineAttributesText(attrs);
        });
    }
    return 0;
}

int ZedFigGetLineType2(const ZedFigRef* element, ZedLineType2* attributes) {
    EMU_ENTER(-1);
    const Element* found = FigureElement(element);
    if (found == nullptr || attributes == nullptr) {
        return -1;
    }
    *attributes = found->attrs;
    return 0;
}

int ZedFigSetLineType2(const ZedFigRef* element, const ZedLineType2* attributes) {
    EMU_ENTER(-1);
    Element* found = FigureElement(element);
    if (found == nullptr || attributes == nullptr || !LineAttributesOk(attributes->colour, attributes->lineType)) {
        return -1;
    }
    if (std::memcmp(&found->attrs, attributes, sizeof *attributes) != 0) {
        found->attrs = *attributes;
        RecordChange([id = found->id, attrs = found->attrs] {
            return "element " + Id(id) + " line attributes: " + LineAttributesText(attrs);
        });
    }
    return 0;
}

}  // extern "C"
