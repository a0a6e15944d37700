// Taking a shoulder's elements out of its outline and joining the outline
// again so that the edge runs as it did before the shoulder was cut.
#ifndef LEDGEWRIGHT_TAGGING_RESTORE_OUTLINE_H
#define LEDGEWRIGHT_TAGGING_RESTORE_OUTLINE_H

#include <span>

#include "host/zedlib.h"

// Deletes the listed elements of the picked segment and joins the element
// before them (before) to the one after them (after). Without one of the two,
// or when they are one element, the elements are deleted and nothing is
// joined. False after a failure: a failure before anything changed
// is silent, a failure while joining reports its numbered message.
bool RestoreOutline(ZedId instance, ZedId segment, std::span<const ZedId> ids, ZedId before, ZedId after);

#endif  // LEDGEWRIGHT_TAGGING_RESTORE_OUTLINE_H
