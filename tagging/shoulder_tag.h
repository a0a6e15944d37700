// The mark a finished shoulder carries in the drawing, so that Delete can find
// it again after the command has ended.
#ifndef LEDGEWRIGHT_TAGGING_SHOULDER_TAG_H
#define LEDGEWRIGHT_TAGGING_SHOULDER_TAG_H

#include "base/build_profile.h"
#include "geometry/shoulder_memory.h"
#include "host/zedlib.h"

// Attribute numbers on a shoulder's segment.
enum ShoulderAttribute : int32_t {
    kAttrShoulderType = 40270,    // text "SymbolShoulder"
    kAttrElementList = 40271,     // the shoulder's element ids, "101,205"
    kAttrHoleSegment = 40272,
    kAttrCutLineSegment = 40273,
    kAttrFourthSegment = 40274,
    kAttrSlotSegment = 40275,
    kAttrDisplaySegment = 40276,
};

// The attributes that name a shoulder's separate parts, in the order Delete
// removes them, each with the shoulder memory's field it is written from.
struct ShoulderPartAttribute {
    int32_t number;
    ZedId ShoulderMemory::*segment;
};
inline constexpr ShoulderPartAttribute kShoulderPartAttributes[] = {
    {kAttrHoleSegment, &ShoulderMemory::holeSegment},       {kAttrCutLineSegment, &ShoulderMemory::cutLineSegment},
    {kAttrFourthSegment, &ShoulderMemory::fourthSegment},   {kAttrSlotSegment, &ShoulderMemory::slotSegment},
    {kAttrDisplaySegment, &ShoulderMemory::displaySegment},
};

// The text of 40270 that marks a shoulder (read back in any letter case).
inline constexpr const ZedChar kShoulderTypeText[] = ZED_TEXT("SymbolShoulder");

// Writes the attributes of the shoulder memory's shoulder on the segment that
// holds its outline elements.
void WriteShoulderTag(ZedId segment);

// Tags the shoulder where the build tags shoulders: the older host keeps no
// attributes, so a legacy shoulder carries no mark.
inline void ShoulderTag(ZedId segment) {
    if constexpr (build_profile::kTagging) {
        WriteShoulderTag(segment);
    }
}

#endif  // LEDGEWRIGHT_TAGGING_SHOULDER_TAG_H
