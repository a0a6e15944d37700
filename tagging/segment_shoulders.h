// Every shoulder an outline's mark describes: the earlier ones of 40277,
// oldest first, then the most recent one of 40270 to 40276.
#ifndef LEDGEWRIGHT_TAGGING_SEGMENT_SHOULDERS_H
#define LEDGEWRIGHT_TAGGING_SEGMENT_SHOULDERS_H

#include <vector>

#include "host/zedlib.h"
#include "tagging/earlier_shoulders.h"

// The shoulders of a marked segment (40270 reads "SymbolShoulder"), oldest
// first; the last is the one 40271 to 40276 describe, even when its element
// list is missing or unreadable (it then lists no elements). An unmarked
// segment has none, whatever 40277 holds.
std::vector<ShoulderEntry> ReadSegmentShoulders(ZedId segment);

// Marks the segment with the shoulders, oldest first: the last in 40270 to
// 40276, as one shoulder always was (40271 written only when it lists
// elements, a part attribute deleted when the part is absent), the others in
// 40277, which is deleted when there are none. No shoulders: every attribute
// of the segment goes.
void WriteSegmentShoulders(ZedId segment, const std::vector<ShoulderEntry>& shoulders);

// Rewrites the most recent shoulder of a segment marked as WriteSegmentShoulders
// marks it with a most recent shoulder listing `listed`: its element list (the
// entry's, or `listed` when the entry names none) and its parts, leaving the
// mark's type and 40277 as they are. False, changing nothing, when the segment
// holds anything else: the whole mark is then to be read and written again.
// A change to a shoulder re-marks it this way with half the host calls.
bool RewriteMostRecentShoulder(ZedId segment, const ShoulderElementIds& listed, const ShoulderEntry& entry);

// The position of the most recent shoulder that lists the element, or -1.
int ShoulderListing(const std::vector<ShoulderEntry>& shoulders, ZedId element);

#endif  // LEDGEWRIGHT_TAGGING_SEGMENT_SHOULDERS_H
