#include "tagging/delete_mode.h"

#include <algorithm>

#include "base/messages.h"
#include "base/report.h"
#include "tagging/deletable_shoulder.h"
#include "tagging/id_list.h"
#include "tagging/part_check.h"
#include "tagging/restore_outline.h"
#include "tagging/segment_attributes.h"
#include "tagging/shoulder_check.h"
#include "tagging/shoulder_tag.h"

namespace {

// Deletes the separate parts that the shoulder's attributes name. A part's
// attribute goes with its segment, so that a later pick never deletes a
// segment that merely took over the id. Only an integer value names a
// segment, and only a segment that can be that part of this shoulder
// (part_check.h): the attributes may come from another program.
void DeleteShoulderParts(const ShoulderExtent& extent, ZedId shoulder) {
    for (const ShoulderPartAttribute& attribute : kShoulderPartAttributes) {
        int32_t part = -1;
        if (!ReadIntegerAttribute(shoulder, attribute.number, part) ||
            !IsPlausiblePart(extent, shoulder, attribute.number, part)) {
            continue;
        }
        if (ZedSgmDeleteSegment(part) != -1) {
            ZedSgmDeleteAttribute(shoulder, attribute.number);
        }
    }
}

// The shoulder's element list, or no ids when it has none.
ShoulderElementIds ReadElementList(ZedId shoulder) {
    ZedAttrValue value{};
    if (ZedSgmGetAttribute(shoulder, kAttrElementList, &value) == -1) {
        return {};
    }
    // Parsed before any other host call, while the host's text is valid.
    return ParseIdList(value);
}

}  // namespace

// The tag lives on the whole outline, and a second shoulder on the same
// outline overwrites the first one's list: only an element the list names
// belongs to the shoulder the tag describes. A pick anywhere else deletes
// nothing, not even the parts, which are that shoulder's too. What the list
// names is checked before anything goes (deletable_shoulder.h).
void DeleteShoulder(ZedId instance, ZedId shoulder, ZedId picked) {
    const ShoulderElementIds ids = ReadElementList(shoulder);
    if (std::find(ids.begin(), ids.end(), picked) == ids.end()) {
        ReportError(kMsgPickShoulderElement);
        return;
    }
    DeletableShoulder deletable;
    if (!CheckDeletableShoulder(instance, shoulder, ids, deletable)) {
        return;
    }
    DeleteShoulderParts(ExtentOf(deletable.sides), shoulder);
    if (RestoreOutline(instance, shoulder, deletable)) {
        ZedSgmDeleteAllAttribute(shoulder);
    } else {
        ReportError(kMsgShoulderNotDeleted);
    }
}
