#include "geometry/shoulder_memory.h"

#include "geometry/unfinished_change.h"

ShoulderMemory& Shoulder() {
    static ShoulderMemory memory;
    return memory;
}

void ForgetShoulder() {
    ShoulderMemory& m = Shoulder();
    m.firstSide.ref.id = -1;
    m.innerSide.ref.id = -1;
    m.secondSide.ref.id = -1;
    m.measured.id = -1;
    m.display.ref.id = -1;
    m.holeSegment = -1;
    m.cutLineSegment = -1;
    m.fourthSegment = -1;
    m.slotSegment = -1;
    m.displaySegment = -1;
    // A change left unfinished on the last shoulder is no longer the user's to retry.
    ClearUnfinishedChange();
}

void ResetShoulderMemory() {
    Shoulder() = ShoulderMemory{};
    ClearUnfinishedChange();
}
