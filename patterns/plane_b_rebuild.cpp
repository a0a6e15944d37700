// RebuildPlaneB: the last shoulder takes a typed depth, width or distance.
// Each change is a list of steps worked out from the shoulder as the change
// found it (geometry/unfinished_change.h), so that a retry after a refused
// step carries on where it stopped. A value that does not fit the line, or
// that would leave the outline with a piece of no length or pieces that
// overlap, is refused before any step.
#include <vector>

#include "base/build_profile.h"
#include "base/line_pick.h"
#include "base/messages.h"
#include "geometry/unfinished_change.h"
#include "geometry/vec2.h"
#include "holes/cut_line.h"
#include "holes/mc_hole.h"
#include "holes/shaped_hole.h"
#include "patterns/centred_tab_change.h"
#include "patterns/plane_b.h"
#include "patterns/tab_extras.h"
#include "settings/shoulder_settings.h"

namespace {

constexpr TabChangeRefusals kRefusals{kMsgWidthTooLarge, kMsgShoulderOverlapsEdit};

// The MC hole grows in place after a depth change and moves with the base
// after a width or distance change; a hole that is not there (the host
// refused it, or refused the move's new hole) is made where it belongs.
bool FollowHole(const ShoulderCorners& c, bool baseMoved) {
    const double clearance = TabHoleClearance(kPlaneBTabExtras);
    if constexpr (build_profile::kShapedHoles) {
        if (ShoulderSettings.PB_Hole != 0) {
            return RebuildShapedHoleAt(c.p1, c.p2, Distance(c.p1, c.q1) + clearance);
        }
    }
    const ZedPoint centre = Midpoint(c.p1, c.p2);
    return FitMcHole(Picks().linePick.segment, centre, TabHoleRadius(centre, c.q1, clearance), Pattern::PlaneB,
                     baseMoved);
}

// The amends, then the dimensions, cut line, hole and tag, each a step of
// its own.
std::vector<ChangeStep> Steps(int editMode) {
    const TabChange change = PlanTabChange(editMode, Unfinished().value, kRefusals);
    std::vector<ChangeStep> steps = TabAmendSteps(change);
    const ShoulderCorners c = change.target;
    const bool baseMoved = change.baseMoved;
    steps.push_back([c, baseMoved] { return MoveTabDimensions(c, baseMoved); });
    steps.push_back([c] { return ShoulderSettings.PB_IsLineDraw == 0 || MoveCutLine(c.p1, c.p2); });
    steps.push_back([c, baseMoved] { return ShoulderSettings.PB_IsHoleDraw == 0 || FollowHole(c, baseMoved); });
    steps.push_back(RetagShoulder);
    return steps;
}

bool Open(int editMode, double value) { return OpenTabChange(editMode, value, kRefusals); }

}  // namespace

bool RebuildPlaneB(int editMode, double value) {
    if (editMode != kEditFirst && editMode != kEditSecond && editMode != kEditThird) {
        return RetagShoulder();
    }
    return RunResumableChange(editMode, value, Open, Steps);
}
