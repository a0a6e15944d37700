#include "holes/hole_edits.h"

#include "base/build_profile.h"
#include "base/report.h"
#include "holes/hole_notes.h"
#include "holes/hole_state.h"
#include "holes/mc_hole.h"
#include "holes/shaped_hole.h"

namespace {

// The legacy build makes the MC hole only.
bool IsShapedHole(const HolePattern& pattern) { return build_profile::kShapedHoles && HoleKind(pattern) != 0; }

}  // namespace

int ToggleDrillingSide(const HolePattern& pattern, ZedId sideNote) {
    int& side = DrillingSide(pattern);
    side = side == 0 ? 1 : 0;
    if constexpr (build_profile::kShapedHoles) {
        if (IsShapedHole(pattern)) {
            LastShapedHole().fromBelow = side;
            RebuildShapedHole();
        }
    }
    if (!IsShapedHole(pattern)) {
        RebuildMcHole(side);
    }
    SetNoteText(sideNote, DrillingSideText(side));
    return side;
}

bool EnterHoleDepth(const HolePattern& pattern, ZedId depthNote, double depth) {
    if constexpr (build_profile::kShapedHoles) {
        if (IsShapedHole(pattern)) {
            LastShapedHole().depth = depth;
            if (!RebuildShapedHole()) {
                return false;
            }
        }
    }
    if (!IsShapedHole(pattern) && !SetMcHoleDepth(depth)) {
        return ReportInBox(pattern.depthNotSet);
    }
    if (!SetDepthNote(depthNote, depth)) {
        return ReportInBox(pattern.depthNoteNotSet);
    }
    return true;
}
