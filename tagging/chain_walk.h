// Walking an element's chain the way Delete mode sees it: a closed chain wraps
// round, an open one ends.
#ifndef LEDGEWRIGHT_TAGGING_CHAIN_WALK_H
#define LEDGEWRIGHT_TAGGING_CHAIN_WALK_H

#include "host/zedlib.h"

// The element before (after) the given one in its segment: the host's previous
// (next) element, or in a closed chain the segment's tail (head) element when
// the host gives none. -1 when there is none, or when the segment has fewer
// than two elements.
ZedId PreviousInChain(ZedId element);
ZedId NextInChain(ZedId element);

#endif  // LEDGEWRIGHT_TAGGING_CHAIN_WALK_H
