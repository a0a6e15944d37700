#include "tagging/rejoin.h"

#include <cmath>

#include "command/messages.h"
#include "command/report_error.h"
#include "geometry/direction_angle.h"
#include "geometry/figure_record.h"
#include "geometry/line_ends.h"
#include "geometry/splice.h"
#include "geometry/vec2.h"
#include "tagging/chain_walk.h"

namespace {

constexpr double kTolerance = 1.0 / 1e6;

bool IsCorner(int kind) { return kind == ZED_FIG_FILLET || kind == ZED_FIG_CHAMFER; }

bool Coincide(ZedPoint p, ZedPoint q) { return Distance(p, q) <= kTolerance; }

// Directions compared round the circle: just below 2π is just above 0.
bool SameDirection(double a, double b) {
    const double d = std::fabs(a - b);
    return d < kTolerance || std::fabs(d - 2.0 * Pi()) < kTolerance;
}

// Amends b or c with its record written the chain's way, turned back to the
// way the host stores the element.
bool AmendEnd(const RejoinEnd& end, const ZedFigure& chainWise, const ZedChar* failure) {
    return AmendFigure(end.ref, end.storedReversed ? TurnedRound(chainWise) : chainWise, failure);
}

// Deletes an end element, noting when it was the last of its segment so that
// the segment went with it.
void DeleteEnd(ZedId element, ZedId segment, bool& segmentGone) {
    const int count = ZedSgmGetElementCount(segment);
    if (ZedElmDeleteElement(element) != -1 && count == 1) {
        segmentGone = true;
    }
}

// The element when it is a corner, else -1.
ZedId CornerOrNone(ZedId element) {
    return element != -1 && IsCorner(ZedElmGetType(element)) ? element : -1;
}

// Takes a corner away so that the lines on either side of it meet at their
// crossing. The host refuses when they cannot (a neighbour not a line,
// parallel lines, a line that would vanish); the corner then stays, and the
// outline is sound either way.
void RemoveCornerElement(ZedId corner) {
    if (corner != -1) {
        ZedFigRemoveCorner(corner);
    }
}

// Closes the outline when b and c share its segment, otherwise joins c's part
// after b's. A part that lost its last element has nothing left to join.
bool Join(const Rejoin& r, const ZedChar* closeFailure, const ZedChar* concatFailure) {
    if (r.bSegment == r.cSegment) {
        return ZedFigSetClosed(r.bSegment, 1) != -1 || ReportError(closeFailure);
    }
    if (r.bSegmentGone || r.cSegmentGone) {
        return true;
    }
    return ZedFigConcat(r.bSegment, r.cSegment) != -1 || ReportError(concatFailure);
}

// Bridges the gap from b's end to c's start with a line of b's full line
// attributes, in a segment of its own on the outline's layer that is joined
// after b's part; then the outline is closed or c's part joined after it.
// What is read is read before anything is made, and a line that cannot be
// joined in is taken away again: a failure leaves no stray segment.
bool BridgeWithLine(Rejoin& r) {
    const ZedPoint from = FigureEnd(r.b.figure);
    const ZedPoint to = FigureStart(r.c.figure);
    if (Coincide(from, to)) {
        return Join(r, kMsgNotJoined28, kMsgNotJoined29);
    }
    const ZedId layer = ZedSgmGetLayer(r.bSegment);
    if (layer == -1) {
        return ReportError(kMsgNotJoined21);
    }
    ZedLineType2 attributes{};
    if (ZedFigGetLineType2(&r.b.ref, &attributes) == -1) {
        return ReportError(kMsgNotJoined22);
    }
    const ZedId edgeSegment = ZedSgmCreateSegment(ZED_SGM_FIGURE, 0);
    if (edgeSegment == -1) {
        return ReportError(kMsgNotJoined23);
    }
    const ZedFigure edge = MakeLine(from, to);
    const ZedFigRef edgeRef{r.b.ref.instance, ZedFigCreateFigure(edgeSegment, &edge)};
    const ZedChar* failure = nullptr;
    if (edgeRef.id == -1) {
        failure = kMsgNotJoined24;
    } else if (ZedFigSetLineType2(&edgeRef, &attributes) == -1) {
        failure = kMsgNotJoined25;
    } else if (ZedSgmChangeLayer(edgeSegment, layer) == -1) {
        failure = kMsgNotJoined26;
    }
    const ZedId joined = failure == nullptr ? ZedFigConcat(r.bSegment, edgeSegment) : -1;
    if (joined == -1) {
        ZedSgmDeleteSegment(edgeSegment);
        return ReportError(failure != nullptr ? failure : kMsgNotJoined27);
    }
    // The joined part is the one the host names, whatever its id.
    if (r.cSegment == r.bSegment) {
        r.cSegment = joined;
    }
    r.bSegment = joined;
    if (!Join(r, kMsgNotJoined28, kMsgNotJoined29)) {
        ZedElmDeleteElement(edgeRef.id);
        return false;
    }
    return true;
}

// The meeting point of a line-and-arc or two-arc intersection of one or two
// points; chooseSecond picks between two.
template <typename ChooseSecond>
bool MeetingPoint(int found, const ZedIntersection& at, ChooseSecond chooseSecond, ZedPoint& point) {
    if (found == 1) {
        point = at.points[0].p;
        return true;
    }
    if (found == 2) {
        point = chooseSecond() ? at.points[1].p : at.points[0].p;
        return true;
    }
    return false;
}

}  // namespace

bool AreCollinearDirections(const ZedFigure& b, const ZedFigure& c) {
    const double along = DirectionAngle(LineStart(b), LineEnd(b));
    return SameDirection(along, DirectionAngle(LineStart(c), LineEnd(c))) ||
           SameDirection(along, DirectionAngle(LineEnd(c), LineStart(c)));
}

bool OnOneLine(const ZedFigure& b, const ZedFigure& c) {
    const ZedPoint along = UnitFrom(LineStart(b), LineEnd(b));
    const ZedPoint off = LineStart(c) - LineStart(b);
    return std::fabs(along.x * off.y - along.y * off.x) <= kTolerance;
}

bool RejoinParallelLines(Rejoin& r) { return BridgeWithLine(r); }

bool RejoinCollinearLines(Rejoin& r) {
    // b goes and c takes over the whole edge. A corner before b is made plain
    // while b is taken away and made a corner again once the edge is whole.
    ZedId before = PreviousInChain(r.b.ref.id);
    const bool cornerBefore = before != -1 && IsCorner(ZedElmGetType(before));
    if (before != -1) {
        const ZedId plain = ZedFigChangeCorner(before);
        if (plain > 0) {
            before = plain;
        }
    }
    DeleteEnd(r.b.ref.id, r.bSegment, r.bSegmentGone);
    ZedFigure c = r.c.figure;
    SetLineStart(c, LineStart(cornerBefore ? r.b.listed : r.b.figure));
    if (!AmendEnd(r.c, c, kMsgLineNotAmended1)) {
        return false;
    }
    const ZedChar* joinFailure = cornerBefore ? kMsgNotJoined1 : kMsgNotJoined2;
    if (!Join(r, joinFailure, joinFailure)) {
        return false;
    }
    if (cornerBefore) {
        ZedFigChangeCorner(before);
    }
    return true;
}

bool RejoinCrossingLines(Rejoin& r) {
    ZedIntersection at{};
    if (ZedAriItsLinLin(0, &r.b.figure, &r.c.figure, &at) != 1) {
        return ReportError(kMsgTooManyCrossings1);
    }
    const ZedPoint meet = at.points[0].p;
    ZedFigure b = r.b.figure;
    ZedFigure c = r.c.figure;
    SetLineEnd(b, meet);
    SetLineStart(c, meet);
    // A line that would shrink to nothing is taken away. A corner on its far
    // side was fitted to it and now stands between its other neighbour and
    // the line that stayed: once the outline is joined it is taken away too.
    ZedId cornerBefore = -1;
    ZedId cornerAfter = -1;
    if (Coincide(LineStart(b), meet)) {
        cornerBefore = CornerOrNone(PreviousInChain(r.b.ref.id));
        DeleteEnd(r.b.ref.id, r.bSegment, r.bSegmentGone);
    } else if (!AmendEnd(r.b, b, kMsgLineNotAmended9)) {
        return false;
    }
    if (Coincide(LineEnd(c), meet)) {
        cornerAfter = CornerOrNone(NextInChain(r.c.ref.id));
        DeleteEnd(r.c.ref.id, r.cSegment, r.cSegmentGone);
    } else if (!AmendEnd(r.c, c, kMsgLineNotAmended10)) {
        return false;
    }
    if (!Join(r, kMsgNotJoined11, kMsgNotJoined12)) {
        return false;
    }
    RemoveCornerElement(cornerBefore);
    RemoveCornerElement(cornerAfter);
    return true;
}

bool RejoinLineToArc(Rejoin& r) {
    ZedIntersection at{};
    const int found = ZedAriItsLinArc(0, &r.b.figure, &r.c.figure, &at);
    if (found == -1) {
        return false;  // the host could not intersect them: not a result to act on
    }
    const ZedPoint bEnd = LineEnd(r.b.figure);
    ZedPoint meet{};
    if (!MeetingPoint(found, at, [&] { return !(Distance(at.points[0].p, bEnd) < Distance(at.points[1].p, bEnd)); },
                      meet)) {
        return BridgeWithLine(r);  // they do not meet: a line closes the gap
    }
    ZedFigure b = r.b.figure;
    ZedFigure c = r.c.figure;
    SetLineEnd(b, meet);
    SetArcStart(c, meet);
    return AmendEnd(r.b, b, kMsgLineNotAmended101) && AmendEnd(r.c, c, kMsgArcNotAmended102) &&
           Join(r, kMsgNotJoined103, kMsgNotJoined104);
}

bool RejoinArcToLine(Rejoin& r) {
    ZedIntersection at{};
    const int found = ZedAriItsLinArc(0, &r.c.figure, &r.b.figure, &at);
    if (found == -1) {
        return false;
    }
    const ZedPoint cStart = LineStart(r.c.figure);
    ZedPoint meet{};
    if (!MeetingPoint(found, at,
                      [&] { return !(Distance(at.points[0].p, cStart) < Distance(at.points[1].p, cStart)); }, meet)) {
        return BridgeWithLine(r);
    }
    ZedFigure b = r.b.figure;
    ZedFigure c = r.c.figure;
    SetLineStart(c, meet);
    SetArcEnd(b, meet);
    return AmendEnd(r.c, c, kMsgLineNotAmended201) && AmendEnd(r.b, b, kMsgArcNotAmended202) &&
           Join(r, kMsgNotJoined203, kMsgNotJoined204);
}

bool RejoinArcs(Rejoin& r) {
    ZedIntersection at{};
    const int found = ZedAriItsArcArc(0, &r.b.figure, &r.c.figure, &at);
    if (found == -1) {
        return false;
    }
    ZedPoint meet{};
    // Of two points the host marks the one on b's own span.
    if (!MeetingPoint(found, at, [&] { return at.points[0].marker == 0; }, meet)) {
        return BridgeWithLine(r);
    }
    ZedFigure b = r.b.figure;
    ZedFigure c = r.c.figure;
    SetArcEnd(b, meet);
    SetArcStart(c, meet);
    return AmendEnd(r.b, b, kMsgElementNotAmended301) && AmendEnd(r.c, c, kMsgArcNotAmended302) &&
           Join(r, kMsgNotJoined303, kMsgNotJoined304);
}
