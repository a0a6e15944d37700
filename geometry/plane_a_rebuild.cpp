// RebuildPlaneA: the last shoulder, as the shoulder memory holds it, takes a
// typed depth or width. This file holds the depth change and what follows any
// change (dimensions, cut line, hole, tag); plane_a_width.cpp the width change.
#include "command/line_pick.h"
#include "command/messages.h"
#include "command/temporary_elements.h"
#include "geometry/figure_record.h"
#include "geometry/length_dimension.h"
#include "geometry/plane_a.h"
#include "geometry/plane_a_parts.h"
#include "geometry/splice.h"
#include "geometry/vec2.h"
#include "holes/cut_line.h"
#include "holes/mc_hole.h"
#include "holes/shaped_hole.h"
#include "settings/shoulder_settings.h"
#include "tagging/shoulder_tag.h"

namespace {

bool Report(const ZedChar* message) {
    ZedMsgPutErrorMessage(message);
    return false;
}

// Amends an element of the shoulder; the memory takes the new record only once
// the drawing has it, so that it never describes a change that did not happen.
bool AmendPiece(ShoulderPiece& piece, const ZedFigure& record, const ZedChar* failure) {
    if (!AmendFigure(piece.ref, record, failure)) {
        return false;
    }
    piece.record = record;
    return true;
}

bool RebuildDepth(double depth) {
    const ShoulderCorners c = PlaneADepthChanged(RememberedCorners(), depth);
    ShoulderMemory& m = Shoulder();
    ZedFigure first = m.firstSide.record;
    SetLineEnd(first, c.q1);
    ZedFigure inner = m.innerSide.record;
    SetLineStart(inner, c.q1);
    SetLineEnd(inner, c.q2);
    ZedFigure second = m.secondSide.record;
    SetLineStart(second, c.q2);
    return AmendPiece(m.firstSide, first, kMsgLineNotAmended11) &&
           AmendPiece(m.innerSide, inner, kMsgLineNotAmended12) &&
           AmendPiece(m.secondSide, second, kMsgLineNotAmended13) && FollowPlaneACorners(c);
}

// Moves a temporary length dimension to new points and links its points to the
// shoulder's current elements: a width change may have replaced the elements
// it measured, and a dimension must not name elements that are gone.
bool MoveDimension(ZedId dimension, const DimensionAnchor& first, const DimensionAnchor& second,
                   const ZedChar* amendFailure) {
    ZedDimRecord record{};
    if (ZedDimGetDimension(dimension, &record) == -1) {
        return Report(kMsgDimensionNotRead);
    }
    record.length.first = first.point;
    record.length.firstElement = first.element.id;
    record.length.firstInstance = first.element.instance;
    record.length.second = second.point;
    record.length.secondElement = second.element.id;
    record.length.secondInstance = second.element.instance;
    if (ZedDimAmendDimension(dimension, &record) == -1) {
        return Report(amendFailure);
    }
    return true;
}

bool MoveDimensions(const ShoulderCorners& c) {
    const ShoulderMemory& m = Shoulder();
    const TemporaryElementTable& table = TemporaryElements();
    return MoveDimension(table[kSlotFirstDimension].id, DimensionAnchor{c.p1, m.tail.ref},
                         DimensionAnchor{c.q1, m.innerSide.ref}, kMsgDimensionNotAmended01) &&
           MoveDimension(table[kSlotSecondDimension].id, DimensionAnchor{c.q1, m.firstSide.ref},
                         DimensionAnchor{c.q2, m.secondSide.ref}, kMsgDimensionNotAmended02);
}

bool FollowHole(const ShoulderCorners& c) {
    const double clearance = PlaneAHoleClearance();
#if LEDGEWRIGHT_SHAPED_HOLES
    if (ShoulderSettings.PA_Hole != 0) {
        ShapedHoleMemory& shaped = Holes().shaped;
        shaped.centreB = c.p1;
        shaped.centreA = c.p2;
        shaped.halfWidth = Distance(c.p1, c.q1) + clearance;
        return RebuildShapedHole();
    }
#endif
    return SetMcHoleDiameter(PlaneAHoleRadius(Midpoint(c.p1, c.p2), c.q1, clearance));
}

}  // namespace

bool FollowPlaneACorners(const ShoulderCorners& corners) {
    if (!MoveDimensions(corners)) {
        return false;
    }
    if (ShoulderSettings.PA_IsLineDraw != 0 && !MoveCutLine(corners.p1, corners.p2)) {
        return false;
    }
    if (ShoulderSettings.PA_IsHoleDraw != 0 && !FollowHole(corners)) {
        return false;
    }
    const ZedId segment = ZedElmGetSegment(Shoulder().firstSide.ref.id);
    if (segment != -1) {
        ShoulderTag(segment);
    }
    return true;
}

bool RebuildPlaneA(double value) {
    switch (Picks().editMode) {
        case kEditFirst:
            return RebuildDepth(value);
        case kEditSecond:
            return RebuildPlaneAWidth(value);
        default:
            return false;
    }
}
