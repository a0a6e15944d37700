#include "tagging/shoulder_tag.h"

#include <algorithm>
#include <vector>

#include "tagging/segment_shoulders.h"

namespace {

ShoulderEntry EntryOfMemory(const ShoulderMemory& memory) {
    ShoulderEntry entry;
    for (const ShoulderPiece* side : {&memory.firstSide, &memory.innerSide, &memory.secondSide}) {
        if (side->ref.id != -1) {
            entry.elements.push_back(side->ref.id);
        }
    }
    for (size_t i = 0; i < kShoulderPartCount; ++i) {
        entry.parts[i] = memory.*kShoulderPartAttributes[i].segment;
    }
    return entry;
}

ShoulderElementIds TaggedElements(const ShoulderMemory& memory) {
    ShoulderElementIds ids;
    for (const ZedId id : memory.taggedElements) {
        if (id != -1) {
            ids.push_back(id);
        }
    }
    return ids;
}

void RememberTagging(ShoulderMemory& memory, ZedId segment, const ShoulderEntry& entry) {
    memory.taggedSegment = segment;
    std::fill(std::begin(memory.taggedElements), std::end(memory.taggedElements), -1);
    for (size_t i = 0; i < entry.elements.size() && i < std::size(memory.taggedElements); ++i) {
        memory.taggedElements[i] = entry.elements[i];
    }
}

// The position of this shoulder's own entry: the one whose element list is
// what its last tagging wrote on this segment; -1 when it has none here.
int OwnEntry(const ShoulderMemory& memory, ZedId segment, const std::vector<ShoulderEntry>& shoulders) {
    if (memory.taggedSegment != segment) {
        return -1;
    }
    const ShoulderElementIds tagged = TaggedElements(memory);
    for (size_t i = shoulders.size(); i-- > 0;) {
        if (!tagged.empty() && shoulders[i].elements == tagged) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

void WriteShoulderTag(ZedId segment) {
    ShoulderMemory& memory = Shoulder();
    ShoulderEntry entry = EntryOfMemory(memory);
    // A shoulder tagged again (a change) that is still the segment's most recent
    // rewrites only its own attributes.
    if (memory.taggedSegment == segment && RewriteMostRecentShoulder(segment, TaggedElements(memory), entry)) {
        if (entry.elements.empty()) {
            entry.elements = TaggedElements(memory);
        }
        RememberTagging(memory, segment, entry);
        return;
    }
    std::vector<ShoulderEntry> shoulders = ReadSegmentShoulders(segment);
    int own = OwnEntry(memory, segment, shoulders);
    // A tagging that knows no element cannot name a new shoulder: it writes
    // the parts of the most recent one and leaves its list as it was.
    if (own == -1 && entry.elements.empty() && !shoulders.empty()) {
        own = static_cast<int>(shoulders.size()) - 1;
    }
    if (own != -1) {
        if (entry.elements.empty()) {
            entry.elements = shoulders[static_cast<size_t>(own)].elements;
        }
        shoulders[static_cast<size_t>(own)] = entry;
    } else {
        // A most recent shoulder that lists no element can never be picked,
        // so it is not kept as an earlier one.
        if (!shoulders.empty() && shoulders.back().elements.empty()) {
            shoulders.pop_back();
        }
        shoulders.push_back(entry);
    }
    WriteSegmentShoulders(segment, shoulders);
    RememberTagging(memory, segment, entry);
}
