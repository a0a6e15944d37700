#include "patterns/side_step.h"

#include <algorithm>
#include <cmath>

#include "base/messages.h"
#include "base/report.h"
#include "base/temporary_elements.h"
#include "geometry/direction_angle.h"
#include "geometry/figure_record.h"
#include "geometry/line_ends.h"
#include "geometry/outline.h"
#include "geometry/outline_soundness.h"
#include "geometry/remembered_shoulder.h"
#include "geometry/splice.h"
#include "geometry/vec2.h"
#include "settings/shoulder_settings.h"
#include "tagging/shoulder_tag.h"

namespace {

bool ReadPiece(ZedId instance, ZedId element, ShoulderPiece& piece, const ZedChar* failure) {
    piece.ref = ZedFigRef{instance, element};
    return ReadFoundFigure(piece.ref, piece.record, failure);
}

bool Touches(const ZedFigure& line, ZedPoint p) {
    return PointsCoincide(LineStart(line), p) || PointsCoincide(LineEnd(line), p);
}

// Whether the line record lies along the line from a to b: both its ends on
// that stretch, within 1/10^6.
bool LiesAlong(const ZedFigure& line, ZedPoint a, ZedPoint b) {
    const auto on = [&](ZedPoint p) {
        const ZedPoint ab = b - a;
        const double t = ((p.x - a.x) * ab.x + (p.y - a.y) * ab.y) / (ab.x * ab.x + ab.y * ab.y);
        const ZedPoint foot = a + std::clamp(t, 0.0, 1.0) * ab;
        return PointsCoincide(p, foot);
    };
    return line.kind == ZED_FIG_LINE && on(LineStart(line)) && on(LineEnd(line));
}

// The outline is cut at Q, and the piece between Q and the near end goes: the
// chain's tail S→Q for a step at S, its head Q→E for a step at E. A host that
// lists a run of straight pieces as one line gives S or E as the run's end,
// so more than one element may lie there: each goes, up to the one at the
// near end, and each must lie along the line between it and Q. The element
// that then takes the chain's end is read.
bool CutAtQ(SideStep& step) {
    const ZedId instance = step.line.ref.instance;
    const ZedId segment = step.line.segment;
    const ZedPoint q = step.atStart ? step.c.p2 : step.c.p1;
    if (!DivideOutline(instance, segment, q, step.atStart ? kMsgOutlineNotDivided31 : kMsgOutlineNotDivided32)) {
        return false;
    }
    ShoulderPiece head;
    ShoulderPiece tail;
    if (!ReadPiece(instance, ZedSgmGetHeadElementId(segment), head, kMsgElementInfoNotRead32) ||
        !ReadPiece(instance, ZedSgmGetTailElementId(segment), tail, kMsgElementInfoNotRead32)) {
        return false;
    }
    const bool fromHead = !step.atStart;
    const ZedPoint nearEnd = fromHead ? step.line.e : step.line.s;
    (fromHead ? step.tail : step.head) = fromHead ? tail : head;
    ShoulderPiece piece = fromHead ? head : tail;
    for (bool reached = false; !reached;) {
        if (!LiesAlong(piece.record, nearEnd, q)) {
            return ReportError(kMsgRemovedPieceNotFound);
        }
        reached = Touches(piece.record, nearEnd);
        if (!DeleteElement(piece.ref.id, fromHead ? kMsgElementNotDeleted33 : kMsgElementNotDeleted32) ||
            !ReadPiece(instance, fromHead ? ZedSgmGetHeadElementId(segment) : ZedSgmGetTailElementId(segment), piece,
                       kMsgElementInfoNotRead34)) {
            return false;
        }
    }
    (fromHead ? step.head : step.tail) = piece;
    return true;
}

// The three sides as a chain of their own, joined into the opened outline on
// its layer and closed again.
bool SpliceStep(SideStep& step) {
    const ShoulderCorners& c = step.c;
    const std::vector<ZedFigure> figures{MakeLine(c.p1, c.q1), MakeLine(c.q1, c.q2), MakeLine(c.q2, c.p2)};
    ZedId chain = -1;
    return BuildChain(step.line.ref.instance, figures, step.line.attributes,
                      ChainMessages{kMsgElementNotCreated31, {kMsgElementNotInserted31, kMsgElementNotInserted32}},
                      step.sides, chain) &&
           JoinAndClose(step.line.segment, chain, step.line.layer,
                        JoinMessages{kMsgLayerNotChanged, kMsgOutlineNotJoined, kMsgOutlineNotClosed});
}

// Two direction angles in [0, 2π) within 1/10^6 of each other, across 0 too.
bool SameDirection(double a, double b) {
    const double d = std::fabs(a - b);
    return d < 1e-6 || d > 2.0 * Pi() - 1e-6;
}

enum class StepEnd { Start, End, Unknown };

// Where the remembered step sits on the picked line: at its start when the
// head runs the inner side's way (from F2 on, as the chain runs), at its end
// when the tail does (up to F1). The piece left of the picked line is asked
// first, so that a neighbour that happens to continue the line straight is
// not taken for it.
StepEnd StepEndOf(const ShoulderMemory& m) {
    const ShoulderCorners c = CornersOf(m);
    const double inner = DirectionAngle(c.q1, c.q2);
    const auto headRuns = [&] {
        return m.head.record.kind == ZED_FIG_LINE &&
               SameDirection(DirectionAngle(c.p2, LineEndAwayFrom(m.head.record, c.p2)), inner);
    };
    const auto tailRuns = [&] {
        return m.tail.record.kind == ZED_FIG_LINE &&
               SameDirection(DirectionAngle(LineEndAwayFrom(m.tail.record, c.p1), c.p1), inner);
    };
    const bool tailFirst = m.measured.id == m.tail.ref.id && m.measured.id != m.head.ref.id;
    if (tailFirst) {
        return tailRuns() ? StepEnd::End : headRuns() ? StepEnd::Start : StepEnd::Unknown;
    }
    return headRuns() ? StepEnd::Start : tailRuns() ? StepEnd::End : StepEnd::Unknown;
}

}  // namespace

SideStep PlaceSideStep(ZedPoint s, ZedPoint e, ZedPoint picked, const OutwardSide& side, double height,
                       double protrusion) {
    SideStep step;
    step.side = side;
    step.atStart = Distance(e, picked) > Distance(s, picked);
    const ZedPoint q = step.atStart ? s + height * AtAngle(DirectionAngle(s, e))
                                    : e + height * AtAngle(DirectionAngle(e, s));
    const ZedPoint f1 = step.atStart ? s : q;
    const ZedPoint f2 = step.atStart ? q : e;
    step.c = ShoulderCorners{f1, f1 + protrusion * side.normal, f2 + protrusion * side.normal, f2};
    return step;
}

std::vector<ZedFigure> SideStepPieces(ZedPoint s, ZedPoint e, const ShoulderCorners& c) {
    std::vector<ZedFigure> pieces;
    if (!PointsCoincide(s, c.p1)) {
        pieces.push_back(MakeLine(s, c.p1));
    }
    pieces.push_back(MakeLine(c.p1, c.q1));
    pieces.push_back(MakeLine(c.q1, c.q2));
    pieces.push_back(MakeLine(c.q2, c.p2));
    if (!PointsCoincide(c.p2, e)) {
        pieces.push_back(MakeLine(c.p2, e));
    }
    return pieces;
}

bool BuildSideStep(ZedPoint picked, ZedId element, ZedId segment, ZedId instance, SideStep& step) {
    ForgetShoulder();
    PickedLine line;
    LocatedElement located;
    if (!ReadPickedLine(ZedFigRef{instance, element}, segment, line, located, kSideLineMessages)) {
        return false;
    }
    const double height = ShoulderSettings.mMainHeight;
    const double protrusion = ShoulderSettings.mMainProtrude;
    // The settings are stored as typed: a step needs a length and an offset.
    if (!IsUsableSize(height) || !IsUsableSize(protrusion)) {
        return ReportError(kMsgShoulderSizeInvalid);
    }
    if (Distance(line.s, line.e) - height <= kOutlineTouchTolerance) {
        return ReportError(kMsgStepTooHigh);
    }
    OutwardSide side;
    if (!FindSide(line, located.list, Midpoint(line.s, line.e), side, kSideLineMessages)) {
        return false;
    }
    step = PlaceSideStep(line.s, line.e, picked, side, height, protrusion);
    step.line = line;
    // No room: the step would reach, touch or cross another part of the
    // outline, or fold back over the neighbour at the near end.
    if (CheckOutlineReplacement(located.list, line.s, line.e, SideStepPieces(line.s, line.e, step.c)) !=
        OutlineSoundness::Sound) {
        return ReportError(kMsgShoulderOverlaps);
    }
    if (step.atStart) {
        FreeCorner(line, Neighbour::Previous, line.previous.kind);
    } else {
        FreeCorner(line, Neighbour::Next, line.next.kind);
    }
    return CutAtQ(step) && SpliceStep(step);
}

bool MakeSideStepDimensions(const SideStep& step, ZedId firstElement, ZedId secondElement) {
    const ZedId instance = step.line.ref.instance;
    const ZedFigRef first{instance, firstElement};
    const ZedFigRef second{instance, secondElement};
    const double offset = LengthDimensionOffset(step.side.flipped);
    const ShoulderCorners& c = step.c;
    return MakeDimensionInOwnSegment({c.p1, first}, {c.q1, second}, offset, kSlotFirstDimension) &&
           MakeDimensionInOwnSegment({c.q1, first}, {c.q2, second}, offset, kSlotSecondDimension);
}

void RememberSideStep(const SideStep& step) {
    ShoulderMemory& m = Shoulder();
    const ZedId instance = step.line.ref.instance;
    m.tail = step.tail;
    m.head = step.head;
    RememberPiece(m.beforeTail, instance, 0, ZedFigure{});
    RememberPiece(m.afterHead, instance, 0, ZedFigure{});
    RememberSides(instance, step.sides[0], step.sides[1], step.sides[2], step.c);
    m.measured = step.atStart ? step.head.ref : step.tail.ref;
    m.stepNormal = step.side.normal;
}

void TagSideStep() {
    const ZedId segment = ZedElmGetSegment(Shoulder().firstSide.ref.id);
    if (segment != -1) {
        ShoulderTag(segment);
    }
}

SideStepPlan PlanSideOffset(const ShoulderMemory& before, double offset) {
    const ShoulderCorners was = CornersOf(before);
    SideStepPlan plan;
    ShoulderCorners& c = plan.c;
    c = was;
    c.q1 = was.p1 + offset * UnitFrom(was.p1, was.q1);
    c.q2 = c.q1 + Distance(was.q1, was.q2) * UnitFrom(was.q1, was.q2);
    plan.from = c.p1;
    plan.to = c.p2;
    plan.pieces = {MakeLine(c.p1, c.q1), MakeLine(c.q1, c.q2), MakeLine(c.q2, c.p2)};
    using M = ShoulderMemory;
    plan.amends = {{&M::firstSide, plan.pieces[0], kMsgLineNotAmended11},
                   {&M::innerSide, plan.pieces[1], kMsgLineNotAmended12},
                   {&M::secondSide, plan.pieces[2], kMsgLineNotAmended13}};
    plan.dimensions = {{kSlotFirstDimension, c.p1, c.q1, kMsgDimensionNotAmended01},
                       {kSlotSecondDimension, c.q1, c.q2, kMsgDimensionNotAmended02}};
    plan.moveCutLine = true;
    plan.cutStart = c.p1;
    plan.cutEnd = c.p2;
    return plan;
}

SideStepPlan PlanSideLength(const ShoulderMemory& before, double length) {
    const StepEnd end = StepEndOf(before);
    if (end == StepEnd::Unknown) {
        return RefusedPlan<SideStepPlan>(kMsgDirectionNotMatched);
    }
    const ShoulderCorners was = CornersOf(before);
    const double inner = Distance(was.q1, was.q2);
    SideStepPlan plan;
    plan.atStart = end == StepEnd::Start;
    using M = ShoulderMemory;
    if (plan.atStart) {
        // F1 and A1 stay; A2 and Q move along the line, the head piece gives
        // or takes the difference.
        const ZedPoint e = LineEndAwayFrom(before.head.record, was.p2);
        if (length <= kOutlineTouchTolerance || length >= Distance(was.p2, e) + inner - kOutlineTouchTolerance) {
            return RefusedPlan<SideStepPlan>(kMsgWidthTooLarge);
        }
        const ZedPoint u = UnitFrom(was.q1, was.q2);
        plan.c = ShoulderCorners{was.p1, was.q1, was.q1 + length * u, was.p1 + length * u};
        const ShoulderCorners& c = plan.c;
        plan.from = c.p1;
        plan.to = e;
        plan.pieces = SideStepPieces(c.p1, e, c);
        plan.amends = {{&M::innerSide, MakeLine(c.q1, c.q2), kMsgLineNotAmended23},
                       {&M::secondSide, MakeLine(c.q2, c.p2), kMsgLineNotAmended24},
                       {&M::head, WithLineEndMoved(before.head.record, was.p2, c.p2), kMsgLineNotAmended25}};
    } else {
        // F2 and A2 stay; A1 and Q move, the tail piece takes the difference.
        const ZedPoint s = LineEndAwayFrom(before.tail.record, was.p1);
        if (length <= kOutlineTouchTolerance || length >= Distance(s, was.p1) + inner - kOutlineTouchTolerance) {
            return RefusedPlan<SideStepPlan>(kMsgWidthTooLarge);
        }
        const ZedPoint u = UnitFrom(was.q2, was.q1);
        plan.c = ShoulderCorners{was.p2 + length * u, was.q2 + length * u, was.q2, was.p2};
        const ShoulderCorners& c = plan.c;
        plan.from = s;
        plan.to = c.p2;
        plan.pieces = SideStepPieces(s, c.p2, c);
        plan.amends = {{&M::firstSide, MakeLine(c.p1, c.q1), kMsgLineNotAmended33},
                       {&M::innerSide, MakeLine(c.q1, c.q2), kMsgLineNotAmended34},
                       {&M::tail, WithLineEndMoved(before.tail.record, was.p1, c.p1), kMsgLineNotAmended35}};
    }
    const ShoulderCorners& c = plan.c;
    plan.dimensions = {{kSlotFirstDimension, c.p1, c.q1, kMsgDimensionNotAmended01},
                       {kSlotSecondDimension, c.q1, c.q2, kMsgDimensionNotAmended02}};
    plan.moveCutLine = true;
    plan.cutStart = c.p1;
    plan.cutEnd = c.p2;
    return plan;
}

bool BeginSideStepChange(int editMode, double value, SideStepPlan (*plan)(int editMode, double value)) {
    if (!std::isfinite(value)) {
        return ReportError(kMsgWidthTooLarge);
    }
    BeginChange(editMode, value);
    return CheckSideStepPlan(plan(editMode, value));
}

bool CheckSideStepPlan(const SideStepPlan& plan) {
    if (plan.refusal != nullptr) {
        return ReportError(plan.refusal);
    }
    if (!plan.changesOutline) {
        return true;
    }
    UnfinishedChange& change = Unfinished();
    change.outline = ZedElmGetSegment(change.before.firstSide.ref.id);
    // Kept from one change to the next, so that the host writes even a long
    // outline straight into it (ReadOutlineList).
    static OutlineList outline;
    if (change.outline == -1 || !ReadOutlineList(change.before.firstSide.ref.instance, change.outline, outline)) {
        return ReportError(kMsgElementInfoNotRead11);
    }
    switch (CheckOutlineReplacement(outline, plan.from, plan.to, plan.pieces)) {
        case OutlineSoundness::Sound: return true;
        // A piece of no length (an offset of 0: the sides fold onto the line)
        // is refused as a zero depth of the plan patterns is; lengths that the
        // line cannot take are refused by the plan itself.
        case OutlineSoundness::Crossing:
        case OutlineSoundness::ZeroLength: return ReportError(kMsgShoulderOverlapsEdit);
        case OutlineSoundness::NotFinite: return ReportError(kMsgWidthTooLarge);
    }
    return ReportError(kMsgShoulderOverlapsEdit);
}

std::vector<ChangeStep> SideStepSteps(const SideStepPlan& plan, int lineDraw) {
    const ShoulderMemory& before = Unfinished().before;
    std::vector<ChangeStep> steps;
    for (const PieceAmend& amend : plan.amends) {
        steps.push_back([ref = (before.*amend.piece).ref, amend] {
            return AmendFigure(ref, amend.record, amend.failure);
        });
    }
    steps.push_back([amends = plan.amends, remember = plan.remember] {
        for (const PieceAmend& amend : amends) {
            (Shoulder().*amend.piece).record = amend.record;
        }
        if (remember) {
            remember();
        }
        return true;
    });
    steps.push_back([dimensions = plan.dimensions] {
        for (const DimensionMove& d : dimensions) {
            if (!MoveLengthDimension(TemporaryElements()[d.slot].id, d.first, d.second, kMsgDimensionNotRead,
                                     d.amendFailure)) {
                return false;
            }
        }
        return true;
    });
    if (plan.moveCutLine) {
        steps.push_back([lineDraw, start = plan.cutStart, end = plan.cutEnd] {
            return lineDraw == 0 || MoveCutLine(start, end);
        });
    }
    steps.push_back([] {
        TagSideStep();
        return true;
    });
    return steps;
}
