#include "patterns/tab_extras.h"

#include "base/build_profile.h"
#include "base/temporary_elements.h"
#include "geometry/vec2.h"
#include "holes/cut_line.h"
#include "holes/hole_notes.h"
#include "holes/mc_hole.h"
#include "holes/shaped_hole.h"
#include "settings/conversions.h"

namespace {

using S = ShoulderSettingsRecord;

}  // namespace

const TabExtrasRow kPlaneATabExtras{Pattern::PlaneA, &S::PA_IsLineDraw, &S::PA_LineValue, &S::PA_Color,
                                    &S::PA_LType,       &S::PA_IsHoleDraw,  &S::PA_Hole,      &S::PA_HoleWidth};
const TabExtrasRow kPlaneBTabExtras{Pattern::PlaneB, &S::PB_IsLineDraw, &S::PB_LineValue, &S::PB_Color,
                                    &S::PB_LType,       &S::PB_IsHoleDraw,  &S::PB_Hole,      &S::PB_HoleWidth};

double TabHoleClearance(const TabExtrasRow& row) { return SettingNumber(ShoulderSettings.*row.holeWidth); }

bool DrawTabCutLine(const TabExtrasRow& row, const ShoulderCorners& c, ZedId layer, int lineColour) {
    const S& s = ShoulderSettings;
    if (s.*row.lineDraw == 0) {
        return true;
    }
    return CreateStyledCutLine(c.p1, c.p2, layer, lineColour, CutLineStyle{s.*row.lineValue, s.*row.colour, s.*row.lineType});
}

bool MakeTabHole(const TabExtrasRow& row, ZedId outline, ZedPoint centre, const ShoulderCorners& c) {
    if (ShoulderSettings.*row.holeDraw == 0) {
        return true;
    }
    const double clearance = TabHoleClearance(row);
    if constexpr (build_profile::kShapedHoles) {
        if (ShoulderSettings.*row.holeKind != 0) {
            return CreateShapedHole(outline, c.p1, c.p2, Distance(c.p1, c.q1) + clearance, row.pattern);
        }
    }
    return CreateMcHole(outline, centre, TabHoleRadius(centre, c.q1, clearance), row.pattern);
}

bool MakeTabNotes(const TabExtrasRow& row, ZedPoint centre, const ShoulderCorners& c) {
    if (ShoulderSettings.*row.holeDraw == 0) {
        return true;
    }
    const double clearance = TabHoleClearance(row);
    const NotePoints side = SideNotePoints(centre, c.q1, clearance);
    const NotePoints depth = DepthNotePoints(centre, c.q1, clearance);
    return CreateSideNote(side.anchor, side.text, TemporaryElements()[kSlotSideNote], row.pattern) &&
           CreateDepthNote(depth.anchor, depth.text, TemporaryElements()[kSlotDepthNote]);
}
