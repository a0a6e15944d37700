// Where a shoulder's elements sit in their outline: the element just before
// the chain they form and the element just after it.
#ifndef LEDGEWRIGHT_TAGGING_CHAIN_NEIGHBOURS_H
#define LEDGEWRIGHT_TAGGING_CHAIN_NEIGHBOURS_H

#include <span>

#include "host/zedlib.h"

struct ChainNeighbours {
    ZedId before = -1;  // -1 when the chain starts the (open) outline
    ZedId after = -1;   // -1 when it ends it
    ZedId first = -1;   // the chain's first element
};

// True when every listed element lies in the segment and together they form
// one unbroken run of it (one element, or several that follow one another,
// listed in any order); the neighbours and the first element are then filled
// in. False, with all three -1, for an empty list, an element elsewhere,
// elements that are not one run, a run that closes on itself or leaves a
// single element of a closed outline, or an element listed twice.
bool FindChainNeighbours(ZedId segment, std::span<const ZedId> ids, ChainNeighbours& neighbours);

#endif  // LEDGEWRIGHT_TAGGING_CHAIN_NEIGHBOURS_H
