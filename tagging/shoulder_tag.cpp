#include "tagging/shoulder_tag.h"

#include <vector>

#include "tagging/id_list.h"
#include "tagging/segment_attributes.h"

namespace {

// An integer attribute that names a part segment when there is one; a part
// that is absent must not be named by a value left from an earlier tagging.
void TagPart(ZedId segment, int32_t number, ZedId part) {
    if (part == -1) {
        ZedSgmDeleteAttribute(segment, number);
    } else {
        WriteIntegerAttribute(segment, number, part);
    }
}

}  // namespace

void WriteShoulderTag(ZedId segment) {
    const ShoulderMemory& memory = Shoulder();
    WriteTextAttribute(segment, kAttrShoulderType, kShoulderTypeText);

    std::vector<ZedId> elements;
    for (const ShoulderPiece* side : {&memory.firstSide, &memory.innerSide, &memory.secondSide}) {
        if (side->ref.id != -1) {
            elements.push_back(side->ref.id);
        }
    }
    // With no element known the list of an earlier tagging stays as it was.
    if (!elements.empty()) {
        WriteTextAttribute(segment, kAttrElementList, FormatIdList(elements));
    }

    for (const ShoulderPartAttribute& part : kShoulderPartAttributes) {
        TagPart(segment, part.number, memory.*part.segment);
    }
}
