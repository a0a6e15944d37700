// The numbered attributes that mark a shoulder on the segment of its outline.
#ifndef LEDGEWRIGHT_TAGGING_SHOULDER_ATTRIBUTES_H
#define LEDGEWRIGHT_TAGGING_SHOULDER_ATTRIBUTES_H

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
    // The outline's earlier shoulders, which 40271 to 40276 no longer
    // describe (format in tagging/earlier_shoulders.h).
    kAttrEarlierShoulders = 40277,
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

#endif  // LEDGEWRIGHT_TAGGING_SHOULDER_ATTRIBUTES_H
