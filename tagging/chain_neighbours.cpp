#include "tagging/chain_neighbours.h"

#include <algorithm>
#include <vector>

#include "tagging/chain_walk.h"

namespace {

struct Listed {
    ZedId id;
    ZedId previous;
    ZedId next;
};

// An element listed twice inside a run ({x, a, a, y}) would still count one
// first and one last element.
bool HasRepeats(std::span<const ZedId> ids) {
    std::vector<ZedId> sorted(ids.begin(), ids.end());
    std::sort(sorted.begin(), sorted.end());
    return std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end();
}

// A run that leaves one element of a closed outline has that element on both
// sides: no edge could be joined again, and the outline would be lost.
bool Found(ZedId before, ZedId after, ZedId first, ChainNeighbours& neighbours) {
    if (before != -1 && before == after) {
        return false;
    }
    neighbours = ChainNeighbours{before, after, first};
    return true;
}

}  // namespace

bool FindChainNeighbours(ZedId segment, std::span<const ZedId> ids, ChainNeighbours& neighbours) {
    neighbours = ChainNeighbours{};
    if (segment == -1 || ids.empty() || HasRepeats(ids)) {
        return false;
    }
    std::vector<Listed> listed;
    for (const ZedId id : ids) {
        if (ZedElmGetSegment(id) != segment) {
            return false;
        }
        listed.push_back(Listed{id, PreviousInChain(id), NextInChain(id)});
    }
    if (listed.size() == 1) {
        return Found(listed.front().previous, listed.front().next, listed.front().id, neighbours);
    }
    // The chain's first element is nobody's next, its last nobody's previous.
    const Listed* first = nullptr;
    const Listed* last = nullptr;
    int firsts = 0;
    int lasts = 0;
    for (const Listed& element : listed) {
        const bool isSomeonesNext = std::any_of(listed.begin(), listed.end(), [&](const Listed& other) {
            return &other != &element && other.next == element.id;
        });
        const bool isSomeonesPrevious = std::any_of(listed.begin(), listed.end(), [&](const Listed& other) {
            return &other != &element && other.previous == element.id;
        });
        if (!isSomeonesNext) {
            first = &element;
            ++firsts;
        }
        if (!isSomeonesPrevious) {
            last = &element;
            ++lasts;
        }
    }
    if (firsts != 1 || lasts != 1) {
        return false;
    }
    return Found(first->previous, last->next, first->id, neighbours);
}
