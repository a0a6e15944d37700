// Taking a shoulder's elements out of its outline and joining the outline
// again so that the edge runs as it did before the shoulder was cut.
#ifndef LEDGEWRIGHT_TAGGING_RESTORE_OUTLINE_H
#define LEDGEWRIGHT_TAGGING_RESTORE_OUTLINE_H

#include "host/zedlib.h"
#include "tagging/deletable_shoulder.h"

// Deletes the shoulder's elements from the picked segment and joins the
// element before them to the one after them again, along the shoulder's root.
// Without one of the two the elements are deleted and nothing is joined.
// False after a failure: a failure before anything changed is silent, a
// failure while joining reports its numbered message.
bool RestoreOutline(ZedId instance, ZedId segment, const DeletableShoulder& shoulder);

#endif  // LEDGEWRIGHT_TAGGING_RESTORE_OUTLINE_H
