// The width change of plan pattern A. The shoulder keeps its middle and grows
// or shrinks to the typed width along the line it stands on:
//  - with line left on both sides and a width below the line's full length,
//    the five elements just move;
//  - a width of at least the full length makes the shoulder take the whole
//    line, so the line's pieces go and the sides are made again;
//  - a shoulder that took the whole line gets its line pieces back, unless the
//    width is still too large for the line.
// Each is a list of steps worked out from the shoulder as the change found it,
// so that a retry after a refused step carries on where it stopped.
#include <vector>

#include "base/messages.h"
#include "base/report.h"
#include "geometry/figure_record.h"
#include "geometry/line_ends.h"
#include "geometry/plane_a_parts.h"
#include "geometry/splice.h"
#include "geometry/unfinished_change.h"
#include "geometry/vec2.h"

namespace {

// How far a typed width may fall short of the line and still take all of it:
// the host's tolerance for points that coincide.
constexpr double kWholeLineTolerance = 1e-6;

ZedId Instance() { return Unfinished().before.firstSide.ref.instance; }

// The ends of the line the shoulder was built on.
ZedPoint LineStartPoint() { return BaseLineStart(Unfinished().before); }
ZedPoint LineEndPoint() { return BaseLineEnd(Unfinished().before); }

// The shoulder has line on both sides and stays narrower than the line: the
// five elements move.
std::vector<ChangeStep> MoveInPlace(const ShoulderCorners& c) {
    const ShoulderMemory& before = Unfinished().before;
    ZedFigure tail = before.tail.record;
    const ShoulderCorners was = CornersOf(before);
    MoveLineEndAt(tail, was.p1, c.p1);
    ZedFigure head = before.head.record;
    MoveLineEndAt(head, was.p2, c.p2);
    const ZedFigure first = MakeLine(c.p1, c.q1);
    const ZedFigure inner = MakeLine(c.q1, c.q2);
    const ZedFigure second = MakeLine(c.q2, c.p2);
    return {
        [tail, ref = before.tail.ref] { return AmendFigure(ref, tail, kMsgLineNotAmended21); },
        [first, ref = before.firstSide.ref] { return AmendFigure(ref, first, kMsgLineNotAmended22); },
        [inner, ref = before.innerSide.ref] { return AmendFigure(ref, inner, kMsgLineNotAmended23); },
        [second, ref = before.secondSide.ref] { return AmendFigure(ref, second, kMsgLineNotAmended24); },
        [head, ref = before.head.ref] { return AmendFigure(ref, head, kMsgLineNotAmended25); },
        [tail, first, inner, second, head] {
            ShoulderMemory& m = Shoulder();
            m.tail.record = tail;
            m.firstSide.record = first;
            m.innerSide.record = inner;
            m.secondSide.record = second;
            m.head.record = head;
            return true;
        },
    };
}

// Opens the outline in the middle of the inner side and deletes, one by one,
// the elements at the ends of the opened chain: first the inner side's two
// halves, then the second and first sides, then (for the whole line) the head
// and tail pieces, head before tail.
std::vector<ChangeStep> CutShoulderOut(const ShoulderCorners& was, std::vector<const ZedChar*> deletions) {
    std::vector<ChangeStep> steps{[middle = PlaneAInnerMiddle(was)] {
        UnfinishedChange& change = Unfinished();
        return DivideOutline(Instance(), change.outline, middle, kMsgOutlineNotDivided1, &change.divided);
    }};
    for (size_t i = 0; i < deletions.size(); ++i) {
        steps.push_back([head = i % 2 == 0, failure = deletions[i]] {
            const ZedId divided = Unfinished().divided;
            return DeleteFoundElement(head ? ZedSgmGetHeadElementId(divided) : ZedSgmGetTailElementId(divided),
                                      failure);
        });
    }
    return steps;
}

// The new chain, made and joined into the opened outline, which is closed again.
void AppendChain(std::vector<ChangeStep>& steps, std::vector<ZedFigure> figures, const ChainMessages& chain,
                 const JoinMessages& join) {
    steps.push_back([figures, chain] {
        UnfinishedChange& change = Unfinished();
        return BuildChain(Instance(), figures, change.attributes, chain, change.chainIds, change.chain);
    });
    steps.push_back([join] {
        UnfinishedChange& change = Unfinished();
        return JoinAndClose(change.divided, change.chain, change.layer, join, &change.joined);
    });
}

// The shoulder grows over the whole line: the line's pieces go with the sides
// and three new sides span the line from end to end.
std::vector<ChangeStep> TakeWholeLine(const ShoulderCorners& was, const ShoulderCorners& c) {
    std::vector<ChangeStep> steps =
        CutShoulderOut(was, {kMsgElementNotDeleted51, kMsgElementNotDeleted52, kMsgElementNotDeleted53,
                             kMsgElementNotDeleted54, kMsgElementNotDeleted55, kMsgElementNotDeleted56});
    AppendChain(steps, {MakeLine(c.p1, c.q1), MakeLine(c.q1, c.q2), MakeLine(c.q2, c.p2)},
                ChainMessages{kMsgElementNotCreated11, {kMsgElementNotInserted11, kMsgElementNotInserted12}},
                JoinMessages{kMsgLayerNotChanged12, kMsgOutlineNotJoined12, kMsgOutlineNotClosed12});
    steps.push_back([c] {
        const std::vector<ZedId>& ids = Unfinished().chainIds;
        RememberNoEndPieces(Instance(), c);
        RememberSides(Instance(), ids[0], ids[1], ids[2], c);
        return true;
    });
    return steps;
}

// A shoulder over the whole line narrows: the sides go and five new elements
// run from the line's start, over the shoulder, to the line's end.
std::vector<ChangeStep> GiveLineBack(const ShoulderCorners& was, const ShoulderCorners& c) {
    std::vector<ChangeStep> steps = CutShoulderOut(
        was, {kMsgElementNotDeleted51, kMsgElementNotDeleted52, kMsgElementNotDeleted53, kMsgElementNotDeleted54});
    const std::vector<ZedFigure> figures = ShoulderLinePieces(LineStartPoint(), LineEndPoint(), c, false);
    AppendChain(steps, figures,
                ChainMessages{kMsgElementNotCreated51,
                              {kMsgElementNotInserted51, kMsgElementNotInserted52, kMsgElementNotInserted53,
                               kMsgElementNotInserted54}},
                JoinMessages{kMsgLayerNotChanged, kMsgOutlineNotJoined, kMsgOutlineNotClosed});
    steps.push_back([c, figures] {
        const std::vector<ZedId>& ids = Unfinished().chainIds;
        ShoulderMemory& m = Shoulder();
        RememberPiece(m.tail, Instance(), ids[0], figures[0]);
        RememberSides(Instance(), ids[1], ids[2], ids[3], c);
        RememberPiece(m.head, Instance(), ids[4], figures[4]);
        return true;
    });
    return steps;
}

}  // namespace

bool ReadPlaneAWidthContext() {
    UnfinishedChange& change = Unfinished();
    const ZedFigRef& first = change.before.firstSide.ref;
    if (ZedFigGetLineType2(&first, &change.attributes) == -1) {
        return ReportError(kMsgLineAttributesNotRead51);
    }
    change.outline = ZedElmGetSegment(first.id);
    change.layer = change.outline == -1 ? -1 : ZedSgmGetLayer(change.outline);
    if (change.layer == -1) {
        return ReportError(kMsgLayerNotRead51);
    }
    return true;
}

PlaneAChange PlanPlaneAWidth() {
    const ShoulderMemory& before = Unfinished().before;
    const double width = Unfinished().value;
    const double lineLength = Distance(LineStartPoint(), LineEndPoint());
    // A width that falls short of the line by no more than rounding takes the
    // whole line: on a turned plate a line of 100 may measure 100 + 3e-14, and
    // the pieces left beside the shoulder would have no length.
    const bool wholeLine = width >= lineLength - kWholeLineTolerance;
    const ShoulderCorners was = CornersOf(before);
    PlaneAChange change;
    bool fullLine = false;
    if (!IsFullLine(before)) {
        fullLine = wholeLine;
        change.target = PlaneAWidthChanged(was, (fullLine ? lineLength : width) / 2.0);
        change.steps = fullLine ? TakeWholeLine(was, change.target) : MoveInPlace(change.target);
    } else if (wholeLine) {
        return RefusedPlan<PlaneAChange>(kMsgWidthTooLarge);
    } else {
        change.target = PlaneAWidthChanged(was, width / 2.0);
        change.steps = GiveLineBack(was, change.target);
    }
    change.pieces = ShoulderLinePieces(LineStartPoint(), LineEndPoint(), change.target, fullLine);
    change.steps.push_back([c = change.target] { return FollowPlaneACorners(c); });
    return change;
}
