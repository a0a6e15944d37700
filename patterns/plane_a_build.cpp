// BuildPlaneA: reads the picked line and everything around it before changing
// anything, then cuts the outline open, splices the three sides of the shoulder
// in, closes it again and adds the cut line, hole, dimensions and notes. Every
// step that fails reports its own numbered message and ends the build.
#include <vector>

#include "base/messages.h"
#include "base/report.h"
#include "base/temporary_elements.h"
#include "geometry/direction_angle.h"
#include "geometry/figure_record.h"
#include "geometry/length_dimension.h"
#include "geometry/line_ends.h"
#include "geometry/outline.h"
#include "geometry/outline_soundness.h"
#include "geometry/picked_line.h"
#include "geometry/plane_a_parts.h"
#include "geometry/splice.h"
#include "geometry/vec2.h"
#include "holes/cut_line.h"
#include "holes/hole_notes.h"
#include "holes/mc_hole.h"
#include "holes/shaped_hole.h"
#include "patterns/plane_a.h"
#include "patterns/tab_extras.h"
#include "settings/shoulder_settings.h"
#include "tagging/shoulder_tag.h"

namespace {

// The pieces of the picked line that stay beside the shoulder; element 0 when
// the shoulder takes the whole line.
struct EndPieces {
    ZedId tail = 0;
    ZedFigure tailRecord{};
    ZedId head = 0;
    ZedFigure headRecord{};
};

// Centre and inset placement: the outline opens at P2; its head element is the
// piece P2→E and its tail the rest of the line, shortened to end at P1. Either
// piece may be stored the other way round, so the end moved is the one that
// lies at P2.
bool OpenAtBase(const PickedLine& line, const ShoulderCorners& corners, EndPieces& ends) {
    const ZedId instance = line.ref.instance;
    if (!DivideOutline(instance, line.segment, corners.p2, kMsgOutlineNotDivided1)) {
        return false;
    }
    const ZedFigRef head{instance, ZedSgmGetHeadElementId(line.segment)};
    if (!ReadFoundFigure(head, ends.headRecord, kMsgElementInfoNotRead2)) {
        return false;
    }
    const ZedFigRef tail{instance, ZedSgmGetTailElementId(line.segment)};
    if (!ReadFoundFigure(tail, ends.tailRecord, kMsgElementInfoNotRead2)) {
        return false;
    }
    MoveLineEndAt(ends.headRecord, corners.p2, corners.p2);
    if (!AmendFigure(head, ends.headRecord, kMsgLineNotAmended3)) {
        return false;
    }
    MoveLineEndAt(ends.tailRecord, corners.p2, corners.p1);
    if (!AmendFigure(tail, ends.tailRecord, kMsgLineNotAmended4)) {
        return false;
    }
    ends.head = head.id;
    ends.tail = tail.id;
    return true;
}

// Full-line placement: the picked line goes, in two halves, and the outline is
// left open from E round to S.
bool RemoveWholeLine(const PickedLine& line, ZedPoint m) {
    FreeCorner(line, Neighbour::Previous, line.previous.kind);
    FreeCorner(line, Neighbour::Next, line.next.kind);
    if (!DivideOutline(line.ref.instance, line.segment, m, kMsgOutlineNotDivided11)) {
        return false;
    }
    return DeleteFoundElement(ZedSgmGetHeadElementId(line.segment), kMsgElementNotDeleted11) &&
           DeleteFoundElement(ZedSgmGetTailElementId(line.segment), kMsgElementNotDeleted12);
}

struct ShoulderSides {
    ZedId first = -1;
    ZedId inner = -1;
    ZedId second = -1;
};

// The three sides as a chain of their own, joined into the opened outline,
// which is closed again.
bool SpliceSides(const PickedLine& line, const ShoulderCorners& c, bool fullLine, ShoulderSides& sides) {
    const std::vector<ZedFigure> figures{MakeLine(c.p1, c.q1), MakeLine(c.q1, c.q2), MakeLine(c.q2, c.p2)};
    const ChainMessages chainMessages =
        fullLine ? ChainMessages{kMsgElementNotCreated11, {kMsgElementNotInserted11, kMsgElementNotInserted12}}
                 : ChainMessages{kMsgElementNotCreated1, {kMsgElementNotInserted1, kMsgElementNotInserted2}};
    const JoinMessages joinMessages =
        fullLine ? JoinMessages{kMsgLayerNotChanged12, kMsgOutlineNotJoined12, kMsgOutlineNotClosed12}
                 : JoinMessages{kMsgLayerNotChanged, kMsgOutlineNotJoined, kMsgOutlineNotClosed};
    std::vector<ZedId> ids;
    ZedId chain = -1;
    if (!BuildChain(line.ref.instance, figures, line.attributes, chainMessages, ids, chain)) {
        return false;
    }
    if (!JoinAndClose(line.segment, chain, line.layer, joinMessages)) {
        return false;
    }
    sides = ShoulderSides{ids[0], ids[1], ids[2]};
    return true;
}

// The depth dimension (slot 7) and the width dimension (slot 6), each in a
// dimension segment of its own. A segment the host refuses ends the build
// without a message of its own.
bool MakeDimensions(ZedId instance, const ShoulderCorners& c, const EndPieces& ends, const ShoulderSides& sides,
                    bool flipped) {
    const double offset = LengthDimensionOffset(flipped);
    ZedId segment = ZedSgmCreateSegment(ZED_SGM_DIMENSION, 0);
    if (segment == -1 || !CreateLengthDimension(DimensionAnchor{c.p1, {instance, ends.tail}},
                                                DimensionAnchor{c.q1, {instance, sides.inner}}, offset,
                                                kSlotFirstDimension, segment)) {
        return false;
    }
    segment = ZedSgmCreateSegment(ZED_SGM_DIMENSION, 0);
    return segment != -1 && CreateLengthDimension(DimensionAnchor{c.q1, {instance, sides.first}},
                                                  DimensionAnchor{c.q2, {instance, sides.second}}, offset,
                                                  kSlotSecondDimension, segment);
}

void RememberShoulder(ZedId instance, const ShoulderCorners& c, const EndPieces& ends, const ShoulderSides& sides) {
    if (ends.tail == 0) {
        RememberNoEndPieces(instance, c);
    } else {
        RememberPiece(Shoulder().tail, instance, ends.tail, ends.tailRecord);
        RememberPiece(Shoulder().head, instance, ends.head, ends.headRecord);
    }
    RememberSides(instance, sides.first, sides.inner, sides.second, c);
}

}  // namespace

bool BuildPlaneA(ZedId element, ZedId segment, ZedId instance) {
    PickedLine line;
    LocatedElement located;
    if (!BeginTabBuild(ZedFigRef{instance, element}, segment, line, located)) {
        return false;
    }
    const OutlineList& outline = located.list;

    const PlaneASizes sizes = PlaneASizesFromSettings();
    const PlacementChoice choice = ChoosePlaneAPlacement(Distance(line.s, line.e), sizes);
    if (choice.refused) {
        return ReportError(sizes.useWidthValue ? kMsgSpacingTooLarge21 : kMsgSpacingTooLarge22);
    }
    const ShoulderBase base = ShoulderBasePoints(choice.placement, line.s, line.e, sizes);
    OutwardSide side;
    if (!FindSide(line, outline, base.m, side)) {
        return false;
    }
    const ShoulderCorners corners = ShoulderCornersOf(base, side.normal, sizes.protrusion);
    const bool fullLine = choice.placement == PlaneAPlacement::FullLine;
    // No room: the shoulder would reach, touch or cross another part of the
    // outline, or fold back over a neighbour of the line.
    if (CheckOutlineReplacement(outline, line.s, line.e, ShoulderLinePieces(line.s, line.e, corners, fullLine)) !=
        OutlineSoundness::Sound) {
        return ReportError(kMsgShoulderOverlaps);
    }

    EndPieces ends;
    if (!(fullLine ? RemoveWholeLine(line, base.m) : OpenAtBase(line, corners, ends))) {
        return false;
    }
    ShoulderSides sides;
    if (!SpliceSides(line, corners, fullLine, sides)) {
        return false;
    }
    const TabExtrasRow& extras = kPlaneATabExtras;
    if (!DrawTabCutLine(extras, corners, line.layer, line.colour) ||
        !MakeTabHole(extras, line.segment, base.m, corners) ||
        !MakeDimensions(instance, corners, ends, sides, side.flipped) || !MakeTabNotes(extras, base.m, corners)) {
        return false;
    }

    RememberShoulder(instance, corners, ends, sides);
    const ZedId shoulderSegment = ZedElmGetSegment(sides.first);
    if (shoulderSegment != -1) {
        ShoulderTag(shoulderSegment);
    }
    return true;
}
