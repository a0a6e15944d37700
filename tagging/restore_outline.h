// Taking a shoulder's elements out of its outline and joining the outline
// again so that the edge runs as it did before the shoulder was cut.
#ifndef LEDGEWRIGHT_TAGGING_RESTORE_OUTLINE_H
#define LEDGEWRIGHT_TAGGING_RESTORE_OUTLINE_H

#include <span>

#include "host/zedlib.h"
#include "tagging/deletable_shoulder.h"

// Deletes the shoulder's elements from the picked segment and joins the
// element before them to the one after them again, along the shoulder's root.
// Without one of the two the elements are deleted and nothing is joined.
// An element the other shoulders of the outline list (`kept`) never goes
// when b and c continue each other. It takes over the edge only when the gap
// lies inside that shoulder's run (the element beyond the gap is listed too);
// otherwise the element beside it that no shoulder lists takes the edge, and
// when both are listed the edge comes back as a line of its own, so that a
// shoulder standing beside the gap keeps its sides as they are. `edge` is the
// element that runs along the edge afterwards (-1 when none does).
// False after a failure: a failure before anything changed is silent, a
// failure while joining reports its numbered message.
bool RestoreOutline(ZedId instance, ZedId segment, const DeletableShoulder& shoulder, std::span<const ZedId> kept,
                    ZedId& edge);

#endif  // LEDGEWRIGHT_TAGGING_RESTORE_OUTLINE_H
