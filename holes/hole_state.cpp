#include "holes/hole_state.h"

#include "base/build_profile.h"
#include "geometry/shoulder_memory.h"
#include "tagging/shoulder_tag.h"

namespace {

// As many segment references as the host gives for one hole.
constexpr int kHoleSegmentCapacity = 20;

}  // namespace

HoleState& Holes() {
    static HoleState state;
    return state;
}

ShapedHoleMemory& LastShapedHole() {
    static ShapedHoleMemory memory;
    return memory;
}

void ResetHoleState() {
    Holes() = HoleState{};
    if constexpr (build_profile::kShapedHoles) {
        LastShapedHole() = ShapedHoleMemory{};
    }
}

bool FirstHoleSegment(ZedId hole, ZedSgmRef& first) {
    ZedSgmRef segments[kHoleSegmentCapacity] = {};
    if (ZedHolGetHoleSegmentId(hole, segments, kHoleSegmentCapacity) < 1) {
        return false;
    }
    first = segments[0];
    return true;
}

bool AdoptHole(ZedId hole) {
    Holes().currentHole = hole;
    // A refused hole has no segments to ask for.
    ZedSgmRef first{};
    if (hole == -1 || !FirstHoleSegment(hole, first)) {
        return false;
    }
    Shoulder().holeSegment = first.segment;
    return true;
}

void ForgetDeletedHole(ZedId deletedSegment) {
    Holes().currentHole = -1;
    if (Shoulder().holeSegment == deletedSegment) {
        Shoulder().holeSegment = -1;
    }
}

void TagShoulderWithHole() {
    if constexpr (!build_profile::kTagging) {
        return;
    }
    const ZedId firstSide = Shoulder().firstSide.ref.id;
    if (firstSide <= 0) {
        return;  // no shoulder element is remembered
    }
    const ZedId segment = ZedElmGetSegment(firstSide);
    if (segment != -1) {
        ShoulderTag(segment);
    }
}
