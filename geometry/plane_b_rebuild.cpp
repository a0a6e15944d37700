// RebuildPlaneB: the last shoulder takes a typed depth, width or distance.
// Each change is a list of steps worked out from the shoulder as the change
// found it (geometry/unfinished_change.h), so that a retry after a refused
// step carries on where it stopped. A value that does not fit the line, or
// that would leave the outline with a piece of no length or pieces that
// overlap, is refused before any step.
#include <cmath>
#include <vector>

#include "command/line_pick.h"
#include "command/messages.h"
#include "command/report_error.h"
#include "command/temporary_elements.h"
#include "geometry/change_fit.h"
#include "geometry/figure_record.h"
#include "geometry/line_ends.h"
#include "geometry/outline.h"
#include "geometry/outline_soundness.h"
#include "geometry/plane_a_parts.h"
#include "geometry/plane_b.h"
#include "geometry/plane_b_parts.h"
#include "geometry/plane_b_placement.h"
#include "geometry/splice.h"
#include "geometry/tab_extras.h"
#include "geometry/unfinished_change.h"
#include "geometry/vec2.h"
#include "holes/cut_line.h"
#include "holes/hole_state.h"
#include "holes/mc_hole.h"
#include "holes/shaped_hole.h"
#include "settings/shoulder_settings.h"
#include "tagging/shoulder_tag.h"

namespace {

bool MoveDimension(ZedId dimension, ZedPoint first, ZedPoint second, const ZedChar* amendFailure) {
    ZedDimRecord record{};
    if (ZedDimGetDimension(dimension, &record) == -1) {
        return ReportError(kMsgDimensionNotRead);
    }
    record.length.first = first;
    record.length.second = second;
    if (ZedDimAmendDimension(dimension, &record) == -1) {
        return ReportError(amendFailure);
    }
    return true;
}

// The dimensions follow the corners; the distance dimension only when the
// shoulder's base moved (width and distance).
bool MoveDimensions(const ShoulderCorners& c, bool baseMoved) {
    const TemporaryElementTable& table = TemporaryElements();
    if (!MoveDimension(table[kSlotFirstDimension].id, c.p1, c.q1, kMsgDimensionNotAmended01) ||
        !MoveDimension(table[kSlotSecondDimension].id, c.q1, c.q2, kMsgDimensionNotAmended02)) {
        return false;
    }
    if (!baseMoved) {
        return true;
    }
    const ShoulderMemory& before = Unfinished().before;
    const bool fromStart = MeasuredFromStart(before);
    return MoveDimension(table[kSlotThirdDimension].id, fromStart ? BaseLineStart(before) : c.p2,
                         fromStart ? c.p1 : BaseLineEnd(before), kMsgDimensionNotAmended02);
}

// The MC hole grows in place after a depth change and moves with the base
// after a width or distance change. A move that the host refused after the
// old hole was gone makes the new hole on the retry.
bool FollowHole(const ShoulderCorners& c, bool baseMoved) {
    const double clearance = TabHoleClearance(kPlaneBTabExtras);
#if LEDGEWRIGHT_SHAPED_HOLES
    if (ShoulderSettings.PB_Hole != 0) {
        ShapedHoleMemory& shaped = Holes().shaped;
        shaped.centreB = c.p1;
        shaped.centreA = c.p2;
        shaped.halfWidth = Distance(c.p1, c.q1) + clearance;
        return RebuildShapedHole();
    }
#endif
    const ZedPoint centre = Midpoint(c.p1, c.p2);
    const double radius = PlaneAHoleRadius(centre, c.q1, clearance);
    if (!baseMoved) {
        return SetMcHoleDiameter(radius);
    }
    if (Holes().currentHole == -1) {
        return CreateMcHole(Picks().linePick.segment, centre, radius, kPlaneBKeyword);
    }
    return MoveMcHole(centre, radius, kPlaneBKeyword);
}

bool Retag() {
    const ZedId segment = ZedElmGetSegment(Shoulder().firstSide.ref.id);
    if (segment != -1) {
        ShoulderTag(segment);
    }
    return true;
}

// A planned change: a refusal, or the pieces from S to E it leaves and its
// steps.
struct PlaneBChange {
    const ZedChar* refusal = nullptr;
    std::vector<ZedFigure> pieces;
    std::vector<ChangeStep> steps;
};

struct Amend {
    ShoulderPiece ShoulderMemory::*piece;
    ZedFigure record;
    const ZedChar* failure;
};

// The amends in order, the memory taking the new records once all are made,
// then the dimensions, cut line, hole and tag, each a step of its own.
PlaneBChange Steps(const ShoulderCorners& c, const std::vector<Amend>& amends, bool baseMoved) {
    const ShoulderMemory& before = Unfinished().before;
    PlaneBChange change;
    change.pieces = PlaneAPieces(BaseLineStart(before), BaseLineEnd(before), c, false);
    for (const Amend& amend : amends) {
        change.steps.push_back([ref = (before.*amend.piece).ref, amend] {
            return AmendFigure(ref, amend.record, amend.failure);
        });
    }
    change.steps.push_back([amends] {
        for (const Amend& amend : amends) {
            (Shoulder().*amend.piece).record = amend.record;
        }
        return true;
    });
    change.steps.push_back([c, baseMoved] { return MoveDimensions(c, baseMoved); });
    change.steps.push_back([c] { return ShoulderSettings.PB_IsLineDraw == 0 || MoveCutLine(c.p1, c.p2); });
    change.steps.push_back([c, baseMoved] { return ShoulderSettings.PB_IsHoleDraw == 0 || FollowHole(c, baseMoved); });
    change.steps.push_back(Retag);
    return change;
}

// A width or distance keeps S, P1, P2 and E in that order along the line, each
// piece of some length: a negative distance would make the tail run back past
// S, which the outline alone would not show as a fault.
bool KeepsLineOrder(const ShoulderCorners& c) {
    const ShoulderMemory& b = Unfinished().before;
    const ZedPoint s = BaseLineStart(b);
    const ZedPoint u = UnitFrom(s, BaseLineEnd(b));
    const auto along = [&](ZedPoint p) { return (p.x - s.x) * u.x + (p.y - s.y) * u.y; };
    return along(c.p1) > kOutlineTouchTolerance && along(c.p2) - along(c.p1) > kOutlineTouchTolerance &&
           along(BaseLineEnd(b)) - along(c.p2) > kOutlineTouchTolerance;
}

PlaneBChange Refused(const ZedChar* message) { return PlaneBChange{message, {}, {}}; }

ZedFigure Moved(const ShoulderPiece& piece, ZedPoint from, ZedPoint to) { return WithLineEndMoved(piece.record, from, to); }

PlaneBChange PlanDepth(double depth) {
    const ShoulderMemory& b = Unfinished().before;
    const ShoulderCorners was = CornersOf(b);
    const ShoulderCorners c = PlaneADepthChanged(was, depth);
    using M = ShoulderMemory;
    return Steps(c,
                 {{&M::firstSide, MakeLine(c.p1, c.q1), kMsgLineNotAmended11},
                  {&M::innerSide, MakeLine(c.q1, c.q2), kMsgLineNotAmended12},
                  {&M::secondSide, MakeLine(c.q2, c.p2), kMsgLineNotAmended13}},
                 false);
}

double Len(const ShoulderPiece& piece) { return Distance(LineStart(piece.record), LineEnd(piece.record)); }

// The line's length beside and under the shoulder: tail, inner side and head.
double LineLengthOf(const ShoulderMemory& b) { return Len(b.tail) + Len(b.innerSide) + Len(b.head); }

PlaneBChange PlanWidth(double width) {
    const ShoulderMemory& b = Unfinished().before;
    const bool fromStart = MeasuredFromStart(b);
    if (LineLengthOf(b) <= (fromStart ? Len(b.tail) : Len(b.head)) + width) {
        return Refused(kMsgWidthTooLarge);
    }
    const ShoulderCorners was = CornersOf(b);
    const ShoulderCorners c = PlaneBWidthChanged(was, width, fromStart);
    if (!KeepsLineOrder(c)) {
        return Refused(kMsgShoulderOverlapsEdit);
    }
    using M = ShoulderMemory;
    if (fromStart) {
        return Steps(c,
                     {{&M::innerSide, MakeLine(c.q1, c.q2), kMsgLineNotAmended23},
                      {&M::secondSide, MakeLine(c.q2, c.p2), kMsgLineNotAmended24},
                      {&M::head, Moved(b.head, was.p2, c.p2), kMsgLineNotAmended25}},
                     true);
    }
    return Steps(c,
                 {{&M::firstSide, MakeLine(c.p1, c.q1), kMsgLineNotAmended33},
                  {&M::innerSide, MakeLine(c.q1, c.q2), kMsgLineNotAmended34},
                  {&M::tail, Moved(b.tail, was.p1, c.p1), kMsgLineNotAmended35}},
                 true);
}

PlaneBChange PlanDistance(double distance) {
    const ShoulderMemory& b = Unfinished().before;
    if (LineLengthOf(b) <= Len(b.innerSide) + distance) {
        return Refused(kMsgWidthTooLarge);
    }
    const bool fromStart = MeasuredFromStart(b);
    const ShoulderCorners was = CornersOf(b);
    const ShoulderCorners c =
        PlaneBDistanceChanged(was, distance, fromStart ? Len(b.tail) : Len(b.head), fromStart);
    if (!KeepsLineOrder(c)) {
        return Refused(kMsgShoulderOverlapsEdit);
    }
    using M = ShoulderMemory;
    return Steps(c,
                 {{&M::tail, Moved(b.tail, was.p1, c.p1), kMsgLineNotAmended31},
                  {&M::firstSide, MakeLine(c.p1, c.q1), kMsgLineNotAmended32},
                  {&M::innerSide, MakeLine(c.q1, c.q2), kMsgLineNotAmended33},
                  {&M::secondSide, MakeLine(c.q2, c.p2), kMsgLineNotAmended34},
                  {&M::head, Moved(b.head, was.p2, c.p2), kMsgLineNotAmended35}},
                 true);
}

PlaneBChange Plan() {
    const UnfinishedChange& change = Unfinished();
    switch (change.editMode) {
        case kEditFirst: return PlanDepth(change.value);
        case kEditSecond: return PlanWidth(change.value);
        default: return PlanDistance(change.value);
    }
}

// A new change: refused before anything changes when the value is not a
// finite number, does not fit the line or would break the outline.
bool BeginPlaneBChange(int editMode, double value) {
    if (!std::isfinite(value)) {
        return ReportError(kMsgWidthTooLarge);
    }
    BeginChange(editMode, value);
    UnfinishedChange& change = Unfinished();
    change.outline = ZedElmGetSegment(change.before.firstSide.ref.id);
    if (change.outline == -1) {
        return ReportError(kMsgElementInfoNotRead11);
    }
    const PlaneBChange plan = Plan();
    return PlannedChangeFits(plan.refusal, plan.pieces, kMsgElementInfoNotRead11);
}

}  // namespace

bool RebuildPlaneB(double value) {
    const int editMode = Picks().editMode;
    if (editMode != kEditFirst && editMode != kEditSecond && editMode != kEditThird) {
        return Retag();
    }
    return RunResumableChange(editMode, value, BeginPlaneBChange, [](int) { return Plan().steps; });
}
