// BuildPlaneC and RebuildPlaneC: the raised chain (patterns/raised_chain.h)
// with pattern C's settings, its hole and notes.
#include "patterns/plane_c.h"

#include "base/build_profile.h"
#include "base/line_pick.h"
#include "base/messages.h"
#include "base/temporary_elements.h"
#include "geometry/tab_placement.h"
#include "geometry/unfinished_change.h"
#include "geometry/vec2.h"
#include "holes/hole_notes.h"
#include "holes/mc_hole.h"
#include "holes/shaped_hole.h"
#include "patterns/raised_chain.h"
#include "settings/conversions.h"
#include "settings/shoulder_settings.h"

namespace {

double HoleClearance() { return SettingNumber(ShoulderSettings.PC_HoleWidth); }

bool MakeHole(const RaisedChain& chain) {
    if (ShoulderSettings.PC_IsHoleDraw == 0) {
        return true;
    }
    const double h = HoleClearance();
    const PickedLine& line = chain.line;
    if constexpr (build_profile::kShapedHoles) {
        if (ShoulderSettings.PC_Hole != 0) {
            return CreateShapedHole(line.segment, line.s, line.e, Distance(line.s, chain.sRaised) + h, Pattern::PlaneC);
        }
    }
    return CreateMcHole(line.segment, chain.m, TabHoleRadius(chain.m, chain.sRaised, h), Pattern::PlaneC);
}

bool MakeNotes(const RaisedChain& chain) {
    if (ShoulderSettings.PC_IsHoleDraw == 0) {
        return true;
    }
    const double h = HoleClearance();
    const NotePoints side = SideNotePoints(chain.m, chain.sRaised, h);
    const NotePoints depth = DepthNotePoints(chain.m, chain.sRaised, h);
    return CreateSideNote(side.anchor, side.text, TemporaryElements()[kSlotSideNote], Pattern::PlaneC) &&
           CreateDepthNote(depth.anchor, depth.text, TemporaryElements()[kSlotDepthNote]);
}

// The hole follows a new depth: the shaped hole over S and E widened to the
// new depth, or the MC hole through the new far corners.
bool FollowHole(const RaisedCorners& c) {
    if (ShoulderSettings.PC_IsHoleDraw == 0) {
        return true;
    }
    const double h = HoleClearance();
    if constexpr (build_profile::kShapedHoles) {
        if (ShoulderSettings.PC_Hole != 0) {
            return RebuildShapedHoleAt(c.s, c.e, Distance(c.s, c.sRaised) + h);
        }
    }
    const ZedPoint centre = Midpoint(c.s, c.e);
    return FitMcHole(Unfinished().outline, centre, TabHoleRadius(centre, c.sRaised, h), Pattern::PlaneC, false);
}

}  // namespace

bool BuildPlaneC(ZedId element, ZedId segment, ZedId instance) {
    const ShoulderSettingsRecord& s = ShoulderSettings;
    RaisedChain chain;
    if (!PlanRaisedChain(element, segment, instance, RaisedChainStyle{s.PC_LineValue, s.PC_Color, s.PC_LType},
                         chain)) {
        return false;
    }
    if (!DrawRaisedChain(chain) || !MakeHole(chain) || !RememberRaisedChain(chain) ||
        !MakeRaisedDepthDimension(chain) || !MakeNotes(chain)) {
        return false;
    }
    TagRaisedChain();
    return true;
}

bool RebuildPlaneC(int editMode, double value) {
    if (editMode != kEditFirst) {
        TagRaisedChain();
        return true;
    }
    return RunResumableChange(editMode, value, BeginRaisedDepthChange,
                              [](int) { return PlanRaisedDepth(kMsgDimensionNotReadC01, FollowHole); });
}
