// BuildPlaneB: reads the picked line as pattern A does, refuses a line too
// short for the shoulder and a shoulder that would break the outline, then
// opens the outline at the shoulder's centre, splices the three sides in
// between the shortened halves of the line, closes it again and adds the cut
// line, hole, memory, the three dimensions and the notes.
#include <vector>

#include "base/messages.h"
#include "base/report.h"
#include "base/temporary_elements.h"
#include "geometry/centred_tab.h"
#include "geometry/outline_soundness.h"
#include "geometry/picked_line.h"
#include "geometry/plane_b_parts.h"
#include "geometry/remembered_shoulder.h"
#include "geometry/plane_b_placement.h"
#include "geometry/vec2.h"
#include "holes/cut_line.h"
#include "holes/hole_notes.h"
#include "holes/mc_hole.h"
#include "holes/shaped_hole.h"
#include "patterns/plane_b.h"
#include "patterns/tab_extras.h"
#include "settings/shoulder_settings.h"
#include "tagging/shoulder_tag.h"

namespace {

// Depth (slot 7), width (slot 6) and distance from the measured end (slot 5),
// along the measured half from its far end: S or E, or where the host holds
// the line as a run of pieces, the end of the piece the base's corner lies
// on, which is where a typed distance is measured from.
bool MakeDimensions(const ShoulderCorners& c, bool flipped) {
    const ShoulderMemory& m = Shoulder();
    return MakeMeasuredTabDimensions(c, m.firstSide.ref, m.innerSide.ref, LengthDimensionOffset(flipped),
                                     PlaneBDistanceOffset(flipped));
}

}  // namespace

bool BuildPlaneB(ZedPoint picked, ZedId element, ZedId segment, ZedId instance) {
    PickedLine line;
    LocatedElement located;
    if (!BeginTabBuild(ZedFigRef{instance, element}, segment, line, located)) {
        return false;
    }
    const OutlineList& outline = located.list;

    const ShoulderSettingsRecord& s = ShoulderSettings;
    if (!PlaneBLineFits(Distance(line.s, line.e), s.mMainWidth)) {
        return ReportError(kMsgShoulderTooWide);
    }
    OutwardSide side;
    if (!FindSide(line, outline, Midpoint(line.s, line.e), side)) {
        return false;
    }
    const MeasuredCentre centre = MeasuredCentreOf(line.s, line.e, picked, s.mMainWidth);
    const ShoulderBase base = CentredBase(line.s, line.e, centre.c, s.mMainWidth);
    const ShoulderCorners corners = ShoulderCornersOf(base, side.normal, s.mMainProtrude);
    if (CheckOutlineReplacement(outline, line.s, line.e, ShoulderLinePieces(line.s, line.e, corners, false)) !=
        OutlineSoundness::Sound) {
        return ReportError(kMsgShoulderOverlaps);
    }

    OpenedLine opened;
    std::vector<ZedId> sides;
    if (!OpenAtCentre(line, corners, centre.c, kPlaneBOpenedLineMessages, opened) || !SpliceCentredSides(line, corners, centre.c, opened, sides)) {
        return false;
    }
    const TabExtrasRow& extras = kPlaneBTabExtras;
    if (!DrawTabCutLine(extras, corners, line.layer, line.colour) || !MakeTabHole(extras, line.segment, centre.c, corners)) {
        return false;
    }
    RememberCentredShoulder(instance, corners, opened, sides, centre.fromStart);
    if (!MakeDimensions(corners, side.flipped) || !MakeTabNotes(extras, centre.c, corners)) {
        return false;
    }
    const ZedId shoulderSegment = ZedElmGetSegment(sides[0]);
    if (shoulderSegment != -1) {
        ShoulderTag(shoulderSegment);
    }
    return true;
}
