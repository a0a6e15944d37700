// BuildSideC: reads the picked line as the plan patterns do, refuses a recess
// whose mouth would not fit between the ends of the line and one that would
// break the outline, then opens the outline at the recess's centre, splices
// the three sides in between the shortened halves of the line, closes it
// again and adds the memory and the three dimensions.
#include <vector>

#include "base/messages.h"
#include "base/report.h"
#include "base/temporary_elements.h"
#include "geometry/centred_tab.h"
#include "geometry/length_dimension.h"
#include "geometry/outline_soundness.h"
#include "geometry/picked_line.h"
#include "geometry/remembered_shoulder.h"
#include "geometry/side_c_placement.h"
#include "geometry/vec2.h"
#include "patterns/side_c.h"
#include "settings/shoulder_settings.h"
#include "tagging/shoulder_tag.h"

namespace {

// Depth (slot 7) and width (slot 6) on the recess's sides, tied to no
// element; the distance from the measured end (slot 5) along the half of the
// line it measures, from that half's far end: S or E, or where the host
// holds the line as a run of pieces, the end of the piece the mouth's edge
// lies on, which is where a typed distance is measured from.
bool MakeDimensions(const PickedLine& line, const ShoulderCorners& c, bool flipped) {
    const ZedFigRef none{line.ref.instance, -1};
    return MakeMeasuredTabDimensions(c, none, none, SideCSideDimensionOffset(flipped),
                                     SideCDistanceDimensionOffset(flipped));
}

}  // namespace

bool BuildSideC(ZedPoint picked, ZedId element, ZedId segment, ZedId instance) {
    PickedLine line;
    LocatedElement located;
    // The outline records must show a straight line: an arc has no S and E
    // for the recess to be placed between.
    if (!BeginTabBuild(ZedFigRef{instance, element}, segment, line, located)) {
        return false;
    }
    const OutlineList& outline = located.list;

    const ShoulderSettingsRecord& s = ShoulderSettings;
    const MeasuredCentre centre = SideCCentreOf(line.s, line.e, picked, s.mMainWidth);
    if (!SideCMouthFits(line.s, line.e, centre, s.mMainWidth)) {
        return ReportError(kMsgShoulderTooWide);
    }
    OutwardSide inward;
    if (!FindSide(line, outline, Midpoint(line.s, line.e), inward, kPlanLineMessages, SideCInward)) {
        return false;
    }
    const ShoulderBase mouth = CentredBase(line.s, line.e, centre.c, s.mMainWidth);
    const ShoulderCorners corners = ShoulderCornersOf(mouth, inward.normal, s.mMainProtrude);
    if (CheckOutlineReplacement(outline, line.s, line.e, ShoulderLinePieces(line.s, line.e, corners, false)) !=
        OutlineSoundness::Sound) {
        return ReportError(kMsgShoulderOverlaps);
    }

    OpenedLine opened;
    std::vector<ZedId> sides;
    if (!OpenAtCentre(line, corners, centre.c, kSideCOpenedLineMessages, opened) || !SpliceCentredSides(line, corners, centre.c, opened, sides)) {
        return false;
    }
    RememberCentredShoulder(instance, corners, opened, sides, centre.fromStart);
    if (!MakeDimensions(line, corners, inward.flipped)) {
        return false;
    }
    const ZedId shoulderSegment = ZedElmGetSegment(sides[0]);
    if (shoulderSegment != -1) {
        ShoulderTag(shoulderSegment);
    }
    return true;
}
