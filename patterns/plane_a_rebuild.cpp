// RebuildPlaneA: the last shoulder, as the shoulder memory holds it, takes a
// typed depth or width. This file holds the depth change, what follows any
// change (dimensions, cut line, hole, tag), the checks made before a change
// and the resumption of a change the host refused part-way
// (geometry/unfinished_change.h); geometry/plane_a_width.cpp the width change.
#include <cmath>

#include "base/build_profile.h"
#include "base/line_pick.h"
#include "base/messages.h"
#include "base/report.h"
#include "base/temporary_elements.h"
#include "geometry/change_fit.h"
#include "geometry/figure_record.h"
#include "geometry/length_dimension.h"
#include "geometry/outline.h"
#include "geometry/outline_soundness.h"
#include "geometry/plane_a_parts.h"
#include "geometry/splice.h"
#include "geometry/three_sides.h"
#include "geometry/unfinished_change.h"
#include "geometry/vec2.h"
#include "holes/cut_line.h"
#include "holes/mc_hole.h"
#include "holes/shaped_hole.h"
#include "patterns/plane_a.h"
#include "patterns/tab_extras.h"
#include "settings/shoulder_settings.h"
#include "tagging/shoulder_tag.h"

namespace {

// Moves a temporary length dimension to new points and links its points to the
// shoulder's current elements: a width change may have replaced the elements
// it measured, and a dimension must not name elements that are gone.
bool MoveDimension(ZedId dimension, const DimensionAnchor& first, const DimensionAnchor& second,
                   const ZedChar* amendFailure) {
    ZedDimRecord record{};
    if (ZedDimGetDimension(dimension, &record) == -1) {
        return ReportError(kMsgDimensionNotRead);
    }
    record.length.first = first.point;
    record.length.firstElement = first.element.id;
    record.length.firstInstance = first.element.instance;
    record.length.second = second.point;
    record.length.secondElement = second.element.id;
    record.length.secondInstance = second.element.instance;
    if (ZedDimAmendDimension(dimension, &record) == -1) {
        return ReportError(amendFailure);
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
    const double clearance = TabHoleClearance(kPlaneATabExtras);
    if constexpr (build_profile::kShapedHoles) {
        if (ShoulderSettings.PA_Hole != 0) {
            return RebuildShapedHoleAt(c.p1, c.p2, Distance(c.p1, c.q1) + clearance);
        }
    }
    const ZedPoint centre = Midpoint(c.p1, c.p2);
    return FitMcHole(Unfinished().outline, centre, TabHoleRadius(centre, c.q1, clearance),
                     kPlaneATabExtras.pattern, false);
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

PlaneAChange PlanPlaneADepth() {
    const ShoulderMemory& before = Unfinished().before;
    PlaneAChange change;
    const ShoulderCorners c = PlaneADepthChanged(CornersOf(before), Unfinished().value);
    change.target = c;
    change.pieces = ShoulderLinePieces(BaseLineStart(before), BaseLineEnd(before), c, IsFullLine(before));
    change.steps = MoveThreeSidesSteps(before, c.q1, c.q2);
    change.steps.push_back([c] { return FollowPlaneACorners(c); });
    return change;
}

namespace {

PlaneAChange Plan(int editMode) { return editMode == kEditFirst ? PlanPlaneADepth() : PlanPlaneAWidth(); }

// What a change reads before its first step: the outline that holds the
// shoulder (and for a width, the attributes and layer of the sides it makes).
bool ReadContext(int editMode) {
    UnfinishedChange& change = Unfinished();
    if (editMode == kEditSecond) {
        return ReadPlaneAWidthContext();
    }
    change.outline = ZedElmGetSegment(change.before.firstSide.ref.id);
    return change.outline != -1 || ReportError(kMsgElementInfoNotRead11);
}

// A new change to the typed value: refused, before anything in the drawing
// changes, when the value is not a finite number, does not fit the line, or
// would leave the outline with a piece of no length or pieces that overlap,
// touch or cross.
bool BeginPlaneAChange(int editMode, double value) {
    if (!std::isfinite(value)) {
        return ReportError(kMsgWidthTooLarge);
    }
    BeginChange(editMode, value);
    if (!ReadContext(editMode)) {
        return false;
    }
    const PlaneAChange plan = Plan(editMode);
    return PlannedChangeFits(plan.refusal, plan.pieces,
                             editMode == kEditFirst ? kMsgElementInfoNotRead11 : kMsgElementInfoNotRead51);
}

}  // namespace

bool RebuildPlaneA(int editMode, double value) {
    if (editMode != kEditFirst && editMode != kEditSecond) {
        return false;
    }
    return RunResumableChange(editMode, value, BeginPlaneAChange, [](int mode) { return Plan(mode).steps; });
}
