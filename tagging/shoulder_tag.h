// The mark a finished shoulder carries in the drawing, so that Delete can find
// it again after the command has ended.
#ifndef LEDGEWRIGHT_TAGGING_SHOULDER_TAG_H
#define LEDGEWRIGHT_TAGGING_SHOULDER_TAG_H

#include "base/build_profile.h"
#include "geometry/shoulder_memory.h"
#include "host/zedlib.h"
#include "tagging/shoulder_attributes.h"

// Writes the attributes of the shoulder memory's shoulder on the segment that
// holds its outline elements. The first tagging of a shoulder makes it the
// segment's most recent one (40270 to 40276) and keeps the one it replaces
// there as the newest earlier shoulder (40277); a later tagging of the same
// shoulder (a change, a hole made again) rewrites that shoulder's own entry,
// wherever it stands.
void WriteShoulderTag(ZedId segment);

// Tags the shoulder where the build tags shoulders: the older host keeps no
// attributes, so a legacy shoulder carries no mark.
inline void ShoulderTag(ZedId segment) {
    if constexpr (build_profile::kTagging) {
        WriteShoulderTag(segment);
    }
}

#endif  // LEDGEWRIGHT_TAGGING_SHOULDER_TAG_H
