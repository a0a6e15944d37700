// BuildPlaneB: reads the picked line as pattern A does, refuses a line too
// short for the shoulder and a shoulder that would break the outline, then
// opens the outline at the shoulder's centre, splices the three sides in
// between the shortened halves of the line, closes it again and adds the cut
// line, hole, memory, the three dimensions and the notes.
#include <vector>

#include "command/messages.h"
#include "command/report_error.h"
#include "command/temporary_elements.h"
#include "geometry/figure_record.h"
#include "geometry/line_ends.h"
#include "geometry/length_dimension.h"
#include "geometry/outline_soundness.h"
#include "geometry/picked_line.h"
#include "geometry/plane_a_parts.h"
#include "geometry/plane_b.h"
#include "geometry/plane_b_parts.h"
#include "geometry/plane_b_placement.h"
#include "geometry/splice.h"
#include "geometry/tab_extras.h"
#include "geometry/vec2.h"
#include "holes/cut_line.h"
#include "holes/hole_notes.h"
#include "holes/mc_hole.h"
#include "holes/shaped_hole.h"
#include "settings/shoulder_settings.h"
#include "tagging/shoulder_tag.h"

namespace {

// The two halves of the picked line and their neighbours beyond, as the
// outline holds them once it is opened at the centre.
struct OpenedLine {
    ShoulderPiece tail;
    ShoulderPiece beforeTail;
    ShoulderPiece head;
    ShoulderPiece afterHead;
};

bool ReadPiece(ZedId instance, ZedId element, ShoulderPiece& piece, const ZedChar* failure) {
    piece.ref = ZedFigRef{instance, element};
    return ReadFoundFigure(piece.ref, piece.record, failure);
}

// Opens the outline at C; its head element is then the half C→E and its tail
// the half S→C (either stored either way round).
bool OpenAtCentre(const PickedLine& line, ZedPoint c, OpenedLine& opened) {
    const ZedId instance = line.ref.instance;
    if (!DivideOutline(instance, line.segment, c, kMsgOutlineNotDivided31)) {
        return false;
    }
    const ZedId head = ZedSgmGetHeadElementId(line.segment);
    if (!ReadPiece(instance, head, opened.head, kMsgElementInfoNotRead32) ||
        !ReadPiece(instance, ZedElmGetNextElementId(head), opened.afterHead, kMsgElementInfoNotRead32)) {
        return false;
    }
    const ZedId tail = ZedSgmGetTailElementId(line.segment);
    return ReadPiece(instance, tail, opened.tail, kMsgElementInfoNotRead33) &&
           ReadPiece(instance, ZedElmGetPrevElementId(tail), opened.beforeTail, kMsgElementInfoNotRead33);
}

// The halves end at the shoulder's base corners: whichever end of each lies at
// the centre moves, so a line stored either way round is shortened alike.
bool ShortenHalves(ZedPoint c, const ShoulderCorners& corners, OpenedLine& opened) {
    opened.head.record = WithLineEndMoved(opened.head.record, c, corners.p2);
    opened.tail.record = WithLineEndMoved(opened.tail.record, c, corners.p1);
    return AmendFigure(opened.head.ref, opened.head.record, kMsgLineNotAmended11) &&
           AmendFigure(opened.tail.ref, opened.tail.record, kMsgLineNotAmended12);
}

bool SpliceSides(const PickedLine& line, const ShoulderCorners& c, ZedPoint centre, OpenedLine& opened,
                 std::vector<ZedId>& sides) {
    const std::vector<ZedFigure> figures{MakeLine(c.p1, c.q1), MakeLine(c.q1, c.q2), MakeLine(c.q2, c.p2)};
    ZedId chain = -1;
    if (!BuildChain(line.ref.instance, figures, line.attributes,
                    ChainMessages{kMsgElementNotCreated31, {kMsgElementNotInserted31, kMsgElementNotInserted32}},
                    sides, chain)) {
        return false;
    }
    // The new sides take the outline's layer before the halves are shortened.
    if (ZedSgmChangeLayer(chain, line.layer) == -1) {
        return ReportError(kMsgLayerNotChanged);
    }
    return ShortenHalves(centre, c, opened) &&
           JoinAndClose(line.segment, chain, line.layer,
                        JoinMessages{nullptr, kMsgOutlineNotJoined, kMsgOutlineNotClosed});
}

void RememberShoulder(ZedId instance, const ShoulderCorners& c, const OpenedLine& opened,
                      const std::vector<ZedId>& sides, bool fromStart) {
    ShoulderMemory& m = Shoulder();
    m.tail = opened.tail;
    m.head = opened.head;
    m.beforeTail = opened.beforeTail;
    m.afterHead = opened.afterHead;
    RememberSides(instance, sides[0], sides[1], sides[2], c);
    m.measured = fromStart ? m.tail.ref : m.head.ref;
}

bool MakeDimension(const DimensionAnchor& first, const DimensionAnchor& second, double offset, int slot) {
    const ZedId segment = ZedSgmCreateSegment(ZED_SGM_DIMENSION, 0);
    return segment != -1 && CreateLengthDimension(first, second, offset, slot, segment);
}

// Depth (slot 7), width (slot 6) and distance from the measured end (slot 5).
bool MakeDimensions(ZedPoint s, ZedPoint e, const ShoulderCorners& c, bool flipped) {
    const ShoulderMemory& m = Shoulder();
    const double offset = PlaneADimensionOffset(flipped);
    const bool fromStart = MeasuredFromStart(m);
    return MakeDimension({c.p1, m.firstSide.ref}, {c.q1, m.firstSide.ref}, offset, kSlotFirstDimension) &&
           MakeDimension({c.q1, m.innerSide.ref}, {c.q2, m.innerSide.ref}, offset, kSlotSecondDimension) &&
           MakeDimension({fromStart ? s : c.p2, m.measured}, {fromStart ? c.p1 : e, m.measured},
                         PlaneBDistanceOffset(flipped), kSlotThirdDimension);
}

}  // namespace

bool BuildPlaneB(ZedPoint picked, ZedId element, ZedId segment, ZedId instance) {
    ForgetShoulder();

    PickedLine line;
    line.ref = ZedFigRef{instance, element};
    line.segment = segment;
    LocatedElement located;
    if (!ReadPickedElement(line) || !ReadOutlineRecords(line, located) || !ReadAttributes(line)) {
        return false;
    }
    const OutlineList& outline = located.list;

    const ShoulderSettingsRecord& s = ShoulderSettings;
    if (!IsUsableSize(s.mMainWidth) || !IsUsableSize(s.mMainProtrude)) {
        return ReportError(kMsgShoulderSizeInvalid);
    }
    if (!PlaneBLineFits(Distance(line.s, line.e), s.mMainWidth)) {
        return ReportError(kMsgShoulderTooWide);
    }
    PlaneASide side;
    if (!FindSide(line, outline, Midpoint(line.s, line.e), side)) {
        return false;
    }
    const PlaneBCentre centre = PlaneBCentreOf(line.s, line.e, picked, s.mMainWidth);
    const ZedPoint u = UnitFrom(line.s, line.e);
    const PlaneABase base{centre.c - (s.mMainWidth / 2.0) * u, centre.c + (s.mMainWidth / 2.0) * u, centre.c};
    const ShoulderCorners corners = PlaneACorners(base, side.normal, s.mMainProtrude);
    if (CheckOutlineReplacement(outline, line.s, line.e, PlaneAPieces(line.s, line.e, corners, false)) !=
        OutlineSoundness::Sound) {
        return ReportError(kMsgShoulderOverlaps);
    }

    OpenedLine opened;
    std::vector<ZedId> sides;
    if (!OpenAtCentre(line, centre.c, opened) || !SpliceSides(line, corners, centre.c, opened, sides)) {
        return false;
    }
    const TabExtrasRow& extras = kPlaneBTabExtras;
    if (!DrawTabCutLine(extras, corners, line.layer, line.colour) || !MakeTabHole(extras, line.segment, centre.c, corners)) {
        return false;
    }
    RememberShoulder(instance, corners, opened, sides, centre.fromStart);
    if (!MakeDimensions(line.s, line.e, corners, side.flipped) || !MakeTabNotes(extras, centre.c, corners)) {
        return false;
    }
    const ZedId shoulderSegment = ZedElmGetSegment(sides[0]);
    if (shoulderSegment != -1) {
        ShoulderTag(shoulderSegment);
    }
    return true;
}
