#include "holes/hole_edits.h"

#include "holes/hole_notes.h"
#include "holes/hole_state.h"
#include "holes/mc_hole.h"
#include "holes/shaped_hole.h"

namespace {

bool IsShapedHole(const HolePattern& pattern) {
#if LEDGEWRIGHT_SHAPED_HOLES
    return HoleKind(pattern) != 0;
#else
    (void)pattern;
    return false;  // the legacy build makes MC holes only
#endif
}

}  // namespace

int ToggleDrillingSide(const HolePattern& pattern, ZedId sideNote) {
    int& side = DrillingSide(pattern);
    side = side == 0 ? 1 : 0;
    if (IsShapedHole(pattern)) {
#if LEDGEWRIGHT_SHAPED_HOLES
        Holes().shaped.fromBelow = side;
        RebuildShapedHole();
#endif
    } else {
        RebuildMcHole(side);
    }
    SetNoteText(sideNote, DrillingSideText(side));
    return side;
}

bool EnterHoleDepth(const HolePattern& pattern, ZedId depthNote, double depth) {
    if (IsShapedHole(pattern)) {
#if LEDGEWRIGHT_SHAPED_HOLES
        Holes().shaped.depth = depth;
        if (!RebuildShapedHole()) {
            return false;
        }
#endif
    } else if (!SetMcHoleDepth(depth)) {
        ZedDlgMessageBox(pattern.depthNotSet);
        return false;
    }
    if (!SetDepthNote(depthNote, depth)) {
        ZedDlgMessageBox(pattern.depthNoteNotSet);
        return false;
    }
    return true;
}
