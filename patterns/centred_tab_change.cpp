#include "patterns/centred_tab_change.h"

#include <cmath>

#include "base/line_pick.h"
#include "base/messages.h"
#include "base/report.h"
#include "base/temporary_elements.h"
#include "geometry/change_fit.h"
#include "geometry/figure_record.h"
#include "geometry/length_dimension.h"
#include "geometry/line_ends.h"
#include "geometry/outline.h"
#include "geometry/outline_soundness.h"
#include "geometry/remembered_shoulder.h"
#include "geometry/plane_b_placement.h"
#include "geometry/splice.h"
#include "geometry/vec2.h"
#include "tagging/shoulder_tag.h"

namespace {

TabChange Planned(const ShoulderCorners& c, std::vector<TabAmend> amends, bool baseMoved) {
    const ShoulderMemory& before = Unfinished().before;
    return TabChange{nullptr, c, baseMoved, ShoulderLinePieces(BaseLineStart(before), BaseLineEnd(before), c, false),
                     std::move(amends)};
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

ZedFigure Moved(const ShoulderPiece& piece, ZedPoint from, ZedPoint to) { return WithLineEndMoved(piece.record, from, to); }

double Len(const ShoulderPiece& piece) { return Distance(LineStart(piece.record), LineEnd(piece.record)); }

// The line's length beside and under the shoulder: tail, inner side and head.
double LineLengthOf(const ShoulderMemory& b) { return Len(b.tail) + Len(b.innerSide) + Len(b.head); }

using M = ShoulderMemory;

TabChange PlanDepth(double depth) {
    const ShoulderCorners c = PlaneADepthChanged(CornersOf(Unfinished().before), depth);
    return Planned(c,
                   {{&M::firstSide, MakeLine(c.p1, c.q1), kMsgLineNotAmended11},
                    {&M::innerSide, MakeLine(c.q1, c.q2), kMsgLineNotAmended12},
                    {&M::secondSide, MakeLine(c.q2, c.p2), kMsgLineNotAmended13}},
                   false);
}

TabChange PlanWidth(double width, const TabChangeRefusals& refusals) {
    const ShoulderMemory& b = Unfinished().before;
    const bool fromStart = MeasuredFromStart(b);
    if (LineLengthOf(b) <= (fromStart ? Len(b.tail) : Len(b.head)) + width) {
        return RefusedPlan<TabChange>(refusals.tooFar);
    }
    const ShoulderCorners was = CornersOf(b);
    const ShoulderCorners c = PlaneBWidthChanged(was, width, fromStart);
    if (!KeepsLineOrder(c)) {
        return RefusedPlan<TabChange>(refusals.outOfOrder);
    }
    if (fromStart) {
        return Planned(c,
                       {{&M::innerSide, MakeLine(c.q1, c.q2), kMsgLineNotAmended23},
                        {&M::secondSide, MakeLine(c.q2, c.p2), kMsgLineNotAmended24},
                        {&M::head, Moved(b.head, was.p2, c.p2), kMsgLineNotAmended25}},
                       true);
    }
    return Planned(c,
                   {{&M::firstSide, MakeLine(c.p1, c.q1), kMsgLineNotAmended33},
                    {&M::innerSide, MakeLine(c.q1, c.q2), kMsgLineNotAmended34},
                    {&M::tail, Moved(b.tail, was.p1, c.p1), kMsgLineNotAmended35}},
                   true);
}

TabChange PlanDistance(double distance, const TabChangeRefusals& refusals) {
    const ShoulderMemory& b = Unfinished().before;
    if (LineLengthOf(b) <= Len(b.innerSide) + distance) {
        return RefusedPlan<TabChange>(refusals.tooFar);
    }
    const bool fromStart = MeasuredFromStart(b);
    const ShoulderCorners was = CornersOf(b);
    const ShoulderCorners c =
        PlaneBDistanceChanged(was, distance, fromStart ? Len(b.tail) : Len(b.head), fromStart);
    if (!KeepsLineOrder(c)) {
        return RefusedPlan<TabChange>(refusals.outOfOrder);
    }
    return Planned(c,
                   {{&M::tail, Moved(b.tail, was.p1, c.p1), kMsgLineNotAmended31},
                    {&M::firstSide, MakeLine(c.p1, c.q1), kMsgLineNotAmended32},
                    {&M::innerSide, MakeLine(c.q1, c.q2), kMsgLineNotAmended33},
                    {&M::secondSide, MakeLine(c.q2, c.p2), kMsgLineNotAmended34},
                    {&M::head, Moved(b.head, was.p2, c.p2), kMsgLineNotAmended35}},
                   true);
}

}  // namespace

TabChange PlanTabChange(int editMode, double value, const TabChangeRefusals& refusals) {
    switch (editMode) {
        case kEditFirst: return PlanDepth(value);
        case kEditSecond: return PlanWidth(value, refusals);
        default: return PlanDistance(value, refusals);
    }
}

std::vector<ChangeStep> TabAmendSteps(const TabChange& change) {
    const ShoulderMemory& before = Unfinished().before;
    std::vector<ChangeStep> steps;
    for (const TabAmend& amend : change.amends) {
        steps.push_back([ref = (before.*amend.piece).ref, amend] {
            return AmendFigure(ref, amend.record, amend.failure);
        });
    }
    steps.push_back([amends = change.amends] {
        for (const TabAmend& amend : amends) {
            (Shoulder().*amend.piece).record = amend.record;
        }
        return true;
    });
    return steps;
}

bool OpenTabChange(int editMode, double value, const TabChangeRefusals& refusals) {
    if (!std::isfinite(value)) {
        return ReportError(refusals.tooFar);
    }
    BeginChange(editMode, value);
    UnfinishedChange& change = Unfinished();
    change.outline = ZedElmGetSegment(change.before.firstSide.ref.id);
    if (change.outline == -1) {
        return ReportError(kMsgElementInfoNotRead11);
    }
    const TabChange plan = PlanTabChange(editMode, value, refusals);
    return PlannedChangeFits(plan.refusal, plan.pieces, kMsgElementInfoNotRead11);
}

bool MoveTabDimensions(const ShoulderCorners& c, bool baseMoved) {
    const TemporaryElementTable& table = TemporaryElements();
    if (!MoveLengthDimension(table[kSlotFirstDimension].id, c.p1, c.q1, kMsgDimensionNotRead,
                             kMsgDimensionNotAmended01) ||
        !MoveLengthDimension(table[kSlotSecondDimension].id, c.q1, c.q2, kMsgDimensionNotRead,
                             kMsgDimensionNotAmended02)) {
        return false;
    }
    if (!baseMoved) {
        return true;
    }
    const ShoulderMemory& before = Unfinished().before;
    const bool fromStart = MeasuredFromStart(before);
    return MoveLengthDimension(table[kSlotThirdDimension].id, fromStart ? BaseLineStart(before) : c.p2,
                               fromStart ? c.p1 : BaseLineEnd(before), kMsgDimensionNotRead,
                               kMsgDimensionNotAmended02);
}

bool RetagShoulder() {
    const ZedId segment = ZedElmGetSegment(Shoulder().firstSide.ref.id);
    if (segment != -1) {
        ShoulderTag(segment);
    }
    return true;
}
