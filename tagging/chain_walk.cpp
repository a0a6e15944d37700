#include "tagging/chain_walk.h"

namespace {

// The segment of an element that has neighbours at all, or -1.
ZedId SegmentWithNeighbours(ZedId element) {
    const ZedId segment = ZedElmGetSegment(element);
    if (segment == -1 || ZedSgmGetElementCount(segment) < 2) {
        return -1;
    }
    return segment;
}

}  // namespace

ZedId PreviousInChain(ZedId element) {
    const ZedId segment = SegmentWithNeighbours(element);
    if (segment == -1) {
        return -1;
    }
    const ZedId previous = ZedElmGetPrevElementId(element);
    if (previous == -1 && ZedFigIsClosed(segment)) {
        return ZedSgmGetTailElementId(segment);
    }
    return previous;
}

ZedId NextInChain(ZedId element) {
    const ZedId segment = SegmentWithNeighbours(element);
    if (segment == -1) {
        return -1;
    }
    const ZedId next = ZedElmGetNextElementId(element);
    if (next == -1 && ZedFigIsClosed(segment)) {
        return ZedSgmGetHeadElementId(segment);
    }
    return next;
}
