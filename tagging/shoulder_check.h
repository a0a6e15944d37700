// Recognising a marked shoulder, for the host's pick screening in Delete mode.
#ifndef LEDGEWRIGHT_TAGGING_SHOULDER_CHECK_H
#define LEDGEWRIGHT_TAGGING_SHOULDER_CHECK_H

#include "host/zedlib.h"

// The compare function of Delete mode (ZedCompareFunc): 1 when the element's
// segment is a figure segment whose attribute 40270 reads "SymbolShoulder" in
// any letter case, else 0.
int IsShoulderSegment(ZedId element);
// The same question asked of a segment.
bool IsShoulderTaggedSegment(ZedId segment);

#endif  // LEDGEWRIGHT_TAGGING_SHOULDER_CHECK_H
