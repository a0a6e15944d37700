// Reading the drawing for tests: segments, chains, figures, line attributes,
// and the integrity check of chains. None of this counts as a ZedLib call.
#include <algorithm>
#include <set>

#include "emuhost/emu_chain.h"
#include "emuhost/emu_geom.h"
#include "emuhost/emu_simple.h"

namespace emu {

namespace {

std::string Id(ZedId id) { return std::to_string(id); }

ElementClass ClassOf(int segmentType) {
    switch (segmentType) {
    case ZED_SGM_DIMENSION:
        return ElementClass::Dimension;
    case ZED_SGM_NOTE:
        return ElementClass::Note;
    default:
        return ElementClass::Figure;
    }
}

// The elements of the chain exist, belong to the segment, once each, and are
// of the segment's class, each knowing its place in the chain; the hole the
// segment names lists it.
std::string MembershipProblem(const Segment& segment) {
    std::set<ZedId> seen;
    for (size_t i = 0; i < segment.chain.size(); ++i) {
        const ZedId id = segment.chain[i];
        const Element* element = FindElement(id);
        if (element != &segment.chain.ElementAt(i)) {
            return "element " + Id(id) + " of the chain does not exist";
        }
        if (element->position != i) {
            return "element " + Id(id) + " at " + std::to_string(i) + " of the chain takes itself to be at " +
                   std::to_string(element->position);
        }
        if (element->segment != segment.id) {
            return "element " + Id(id) + " names segment " + Id(element->segment);
        }
        if (element->cls != ClassOf(segment.type)) {
            return "element " + Id(id) + " is of another class than its segment";
        }
        if (!seen.insert(id).second) {
            return "element " + Id(id) + " appears twice in the chain";
        }
    }
    if (segment.hole != -1) {
        const Hole* hole = FindHole(segment.hole);
        if (hole == nullptr || std::ranges::find(hole->segments, segment.id) == hole->segments.end()) {
            return "hole " + Id(segment.hole) + " does not list the segment";
        }
    }
    return "";
}

std::string ChainProblem(const Segment& segment) {
    const size_t count = segment.chain.size();
    for (size_t i = 0; i < count; ++i) {
        const ZedFigure& figure = FigureAt(segment, i);
        const std::string problem = FigureProblem(figure);
        if (!problem.empty()) {
            return "element " + Id(segment.chain[i]) + ": " + problem;
        }
        if (figure.kind == ZED_FIG_CIRCLE && count != 1) {
            return "circle " + Id(segment.chain[i]) + " shares its segment";
        }
        // Where the chain leaves one element it enters the next, whichever
        // way round each is stored.
        if (i > 0) {
            const ZedPoint leaves = ExitOf(*FindElement(segment.chain[i - 1]));
            const ZedPoint enters = EntryOf(*FindElement(segment.chain[i]));
            if (!Near(leaves, enters)) {
                return "elements " + Id(segment.chain[i - 1]) + " and " + Id(segment.chain[i]) +
                       " do not touch: " + FmtPoint(leaves.x, leaves.y) + " and " + FmtPoint(enters.x, enters.y);
            }
        }
    }
    if (segment.closed && count == 0) {
        return "closed segment without elements";
    }
    if (segment.closed && !CanClose(segment)) {
        return "closed chain does not close: ends at " + FmtPoint(ChainEnd(segment).x, ChainEnd(segment).y) +
               ", starts at " + FmtPoint(ChainStart(segment).x, ChainStart(segment).y);
    }
    if (segment.closed && count >= 2) {
        std::vector<ZedFigure> figures;
        figures.reserve(count);
        for (size_t i = 0; i < count; ++i) {
            figures.push_back(FigureAt(segment, i));
        }
        const SelfContact contact = FindSelfContact(figures);
        if (contact.found) {
            return "closed chain meets itself: elements " + Id(segment.chain[contact.first]) + " and " +
                   Id(segment.chain[contact.second]) + " at " + FmtPoint(contact.at.x, contact.at.y);
        }
    }
    return "";
}

}  // namespace

std::vector<ZedId> SegmentIds() {
    std::vector<ZedId> ids;
    for (const auto& [id, segment] : State().segments) {
        ids.push_back(id);
    }
    return ids;
}

bool SegmentExists(ZedId segment) { return FindSegment(segment) != nullptr; }

bool ElementExists(ZedId element) { return FindElement(element) != nullptr; }

int SegmentType(ZedId segment) {
    const Segment* found = FindSegment(segment);
    return found != nullptr ? found->type : -1;
}

int SegmentLayer(ZedId segment) {
    const Segment* found = FindSegment(segment);
    return found != nullptr ? found->layer : -1;
}

bool SegmentClosed(ZedId segment) {
    const Segment* found = FindSegment(segment);
    return found != nullptr && found->closed;
}

std::vector<ZedId> Chain(ZedId segment) {
    const Segment* found = FindSegment(segment);
    return found != nullptr ? found->chain.Ids() : std::vector<ZedId>{};
}

ZedFigure FigureOf(ZedId element) {
    const Element* found = FigureElement(element);
    return found != nullptr ? found->figure : ZedFigure{};
}

int CurrentLayer() { return State().currentLayer; }

bool StoredReversed(ZedId element) {
    const Element* found = FigureElement(element);
    return found != nullptr && found->reversed;
}

ZedLineType2 AttributesOf(ZedId element) {
    const Element* found = FigureElement(element);
    return found != nullptr ? found->attrs : ZedLineType2{};
}

std::string CheckIntegrity(ZedId segment) {
    const Segment* found = FindSegment(segment);
    if (found == nullptr) {
        return "no segment " + Id(segment);
    }
    std::string problem = MembershipProblem(*found);
    if (problem.empty() && found->type == ZED_SGM_FIGURE) {
        problem = ChainProblem(*found);
    }
    return problem.empty() ? "" : "segment " + Id(segment) + ": " + problem;
}

std::string CheckAllIntegrity() {
    const Drawing& d = State();
    for (const auto& [id, segment] : d.segments) {
        const std::string problem = CheckIntegrity(id);
        if (!problem.empty()) {
            return problem;
        }
    }
    // Every element lies in the chain of the segment it names.
    std::string stray;
    d.elements.ForEach([&stray](const Element& element) {
        const Segment* segment = FindSegment(element.segment);
        if (stray.empty() && (segment == nullptr || IndexInChain(*segment, element.id) == segment->chain.size())) {
            stray = "element " + Id(element.id) + " is in no chain";
        }
    });
    if (!stray.empty()) {
        return stray;
    }
    for (const auto& [id, hole] : d.holes) {
        for (ZedId member : hole.segments) {
            const Segment* segment = FindSegment(member);
            if (segment == nullptr || segment->hole != id) {
                return "hole " + Id(id) + " lists segment " + Id(member) + " that is not its own";
            }
        }
    }
    return "";
}

}  // namespace emu
