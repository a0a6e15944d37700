#include "tagging/delete_mode.h"

#include <algorithm>
#include <vector>

#include "base/messages.h"
#include "base/report.h"
#include "geometry/shoulder_memory.h"
#include "geometry/unfinished_change.h"
#include "tagging/chain_walk.h"
#include "tagging/deletable_shoulder.h"
#include "tagging/earlier_shoulders.h"
#include "tagging/part_check.h"
#include "tagging/restore_outline.h"
#include "tagging/segment_attributes.h"
#include "tagging/segment_shoulders.h"
#include "tagging/shoulder_attributes.h"

namespace {

bool Lists(const ShoulderEntry& entry, ZedId element) {
    return std::find(entry.elements.begin(), entry.elements.end(), element) != entry.elements.end();
}

// The elements the outline's other shoulders list.
std::vector<ZedId> ListedByOthers(const std::vector<ShoulderEntry>& shoulders, size_t picked) {
    std::vector<ZedId> listed;
    for (size_t i = 0; i < shoulders.size(); ++i) {
        if (i != picked) {
            listed.insert(listed.end(), shoulders[i].elements.begin(), shoulders[i].elements.end());
        }
    }
    return listed;
}

// A later shoulder was built on this one when one of its elements stands next
// to one this one lists: it was cut into a side of it, or took a side whole.
bool HeldByLater(const std::vector<ShoulderEntry>& shoulders, size_t picked, ZedId segment) {
    for (size_t later = picked + 1; later < shoulders.size(); ++later) {
        for (const ZedId element : shoulders[later].elements) {
            if (ZedElmGetSegment(element) != segment) {
                continue;
            }
            if (Lists(shoulders[picked], PreviousInChain(element)) || Lists(shoulders[picked], NextInChain(element))) {
                return true;
            }
        }
    }
    return false;
}

// Deletes the separate parts that the shoulder's entry names, and forgets
// each one that went, so that a later pick never deletes a segment that
// merely took over the id. Only a segment that can be that part of this
// shoulder goes (part_check.h): the values may come from another program.
// The most recent shoulder's part attributes go one by one, as they always
// did; an earlier shoulder's entry is written back once.
void DeleteShoulderParts(const ShoulderExtent& extent, ZedId segment, std::vector<ShoulderEntry>& shoulders,
                         size_t picked) {
    const bool mostRecent = picked + 1 == shoulders.size();
    ShoulderParts& parts = shoulders[picked].parts;
    bool anyGone = false;
    for (size_t i = 0; i < kShoulderPartCount; ++i) {
        const int32_t number = kShoulderPartAttributes[i].number;
        if (parts[i] == -1 || !IsPlausiblePart(extent, segment, number, parts[i]) ||
            ZedSgmDeleteSegment(parts[i]) == -1) {
            continue;
        }
        parts[i] = -1;
        anyGone = true;
        if (mostRecent) {
            ZedSgmDeleteAttribute(segment, number);
        }
    }
    if (anyGone && !mostRecent) {
        WriteSegmentShoulders(segment, shoulders);
    }
}

// A side that a later shoulder took whole is gone from an earlier shoulder's
// list; once the later one is deleted, the element that runs along its root
// (`edge`) stands where that side stood. The earlier entry takes it in place
// of the one id it lists that is no longer in the outline, when the list then
// names a shoulder again.
void FollowTakenSide(ZedId instance, ZedId segment, ZedId edge, std::vector<ShoulderEntry>& shoulders) {
    if (edge == -1 || ShoulderListing(shoulders, edge) != -1) {
        return;
    }
    for (ShoulderEntry& entry : shoulders) {
        const auto gone = [segment](ZedId id) { return ZedElmGetSegment(id) != segment; };
        if (std::count_if(entry.elements.begin(), entry.elements.end(), gone) != 1) {
            continue;
        }
        ShoulderElementIds followed = entry.elements;
        *std::find_if(followed.begin(), followed.end(), gone) = edge;
        DeletableShoulder check;
        if (ExamineShoulder(instance, segment, followed, check) != ShoulderState::NoShoulder) {
            entry.elements = followed;
            return;
        }
    }
}

// The shoulder memory stops naming a shoulder that is gone.
void ForgetIfRemembered(ZedId segment, const ShoulderEntry& deleted) {
    const ShoulderMemory& memory = Shoulder();
    if (memory.taggedSegment == segment && Lists(deleted, memory.taggedElements[0])) {
        ForgetShoulder();
    }
}

}  // namespace

// The mark on an outline describes every shoulder built on it
// (segment_shoulders.h). The pick takes the most recent shoulder that lists
// the picked element; a pick on any element no shoulder lists deletes
// nothing. What the list names is checked before anything goes
// (deletable_shoulder.h), and no element another shoulder lists ever goes.
void DeleteShoulder(ZedId instance, ZedId segment, ZedId picked) {
    std::vector<ShoulderEntry> shoulders = ReadSegmentShoulders(segment);
    const int listing = ShoulderListing(shoulders, picked);
    if (listing == -1) {
        ReportError(kMsgPickShoulderElement);
        return;
    }
    const size_t at = static_cast<size_t>(listing);
    const std::vector<ZedId> kept = ListedByOthers(shoulders, at);
    const ShoulderElementIds ids = shoulders[at].elements;
    if (std::any_of(ids.begin(), ids.end(),
                    [&kept](ZedId id) { return std::find(kept.begin(), kept.end(), id) != kept.end(); })) {
        ReportError(kMsgShoulderNotDeleted);
        return;
    }
    DeletableShoulder deletable;
    switch (ExamineShoulder(instance, segment, ids, deletable)) {
        case ShoulderState::Deletable:
            break;
        case ShoulderState::Overlaps:
            ReportError(kMsgShoulderOverlapsEdit);
            return;
        case ShoulderState::NoShoulder:
            ReportError(HeldByLater(shoulders, at, segment) ? kMsgShoulderHeldByLaterShoulder
                                                            : kMsgShoulderNotDeleted);
            return;
    }
    DeleteShoulderParts(ExtentOf(deletable.sides), segment, shoulders, at);
    ZedId edge = -1;
    if (!RestoreOutline(instance, segment, deletable, kept, edge)) {
        ReportError(kMsgShoulderNotDeleted);
        return;
    }
    ForgetIfRemembered(segment, shoulders[at]);
    shoulders.erase(shoulders.begin() + static_cast<std::ptrdiff_t>(at));
    FollowTakenSide(instance, segment, edge, shoulders);
    // The next most recent shoulder moves into 40270 to 40276 when the most
    // recent one went; with the last one the whole mark goes.
    WriteSegmentShoulders(segment, shoulders);
}
