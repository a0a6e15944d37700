#include "tagging/rejoin.h"

#include <cmath>

#include "command/messages.h"
#include "geometry/direction_angle.h"
#include "geometry/figure_record.h"
#include "geometry/splice.h"
#include "geometry/vec2.h"
#include "tagging/chain_walk.h"

namespace {

constexpr double kTolerance = 1.0 / 1e6;

bool Report(const ZedChar* failure) {
    ZedMsgPutErrorMessage(failure);
    return false;
}

bool IsCorner(int kind) { return kind == ZED_FIG_FILLET || kind == ZED_FIG_CHAMFER; }

bool Coincide(ZedPoint p, ZedPoint q) { return Distance(p, q) <= kTolerance; }

// Directions compared round the circle: just below 2π is just above 0.
bool SameDirection(double a, double b) {
    const double d = std::fabs(a - b);
    return d < kTolerance || std::fabs(d - 2.0 * Pi()) < kTolerance;
}

// Deletes an end element, noting when it was the last of its segment so that
// the segment went with it.
void DeleteEnd(ZedId element, ZedId segment, bool& segmentGone) {
    const int count = ZedSgmGetElementCount(segment);
    if (ZedElmDeleteElement(element) != -1 && count == 1) {
        segmentGone = true;
    }
}

// Removes the element when it is a corner, so that its neighbours meet.
void RemoveCornerElement(ZedId element) {
    if (element != -1 && IsCorner(ZedElmGetType(element))) {
        ZedFigRemoveCorner(element);
    }
}

// Closes the outline when b and c share its segment, otherwise joins c's part
// after b's. A part that lost its last element has nothing left to join.
bool Join(const Rejoin& r, const ZedChar* closeFailure, const ZedChar* concatFailure) {
    if (r.bSegment == r.cSegment) {
        return ZedFigSetClosed(r.picked, 1) != -1 || Report(closeFailure);
    }
    if (r.bSegmentGone || r.cSegmentGone) {
        return true;
    }
    return ZedFigConcat(r.bSegment, r.cSegment) != -1 || Report(concatFailure);
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

bool RejoinParallelLines(Rejoin& r) {
    // The edge goes into a segment of its own on the outline's layer, joined
    // after b's part; then the outline is closed or c's part joined after it.
    const ZedId layer = ZedSgmGetLayer(r.bSegment);
    const ZedId edgeSegment = ZedSgmCreateSegment(ZED_SGM_FIGURE, 0);
    const ZedFigure edge = MakeLine(LineEnd(r.b.figure), LineStart(r.c.figure));
    if (layer == -1 || ZedFigCreateFigure(edgeSegment, &edge) == -1 || ZedSgmChangeLayer(edgeSegment, layer) == -1 ||
        ZedFigConcat(r.bSegment, edgeSegment) == -1) {
        return Report(kMsgNotJoined2);
    }
    return Join(r, kMsgNotJoined2, kMsgNotJoined2);
}

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
    if (!AmendFigure(r.c.ref, c, kMsgLineNotAmended1)) {
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
        return Report(kMsgTooManyCrossings1);
    }
    const ZedPoint meet = at.points[0].p;
    ZedFigure b = r.b.figure;
    ZedFigure c = r.c.figure;
    SetLineEnd(b, meet);
    SetLineStart(c, meet);
    // A line that would shrink to nothing is taken away, with a corner on its
    // far side.
    if (Coincide(LineStart(b), meet)) {
        RemoveCornerElement(PreviousInChain(r.b.ref.id));
        DeleteEnd(r.b.ref.id, r.bSegment, r.bSegmentGone);
    } else if (!AmendFigure(r.b.ref, b, kMsgLineNotAmended9)) {
        return false;
    }
    if (Coincide(LineEnd(c), meet)) {
        RemoveCornerElement(NextInChain(r.c.ref.id));
        DeleteEnd(r.c.ref.id, r.cSegment, r.cSegmentGone);
    } else if (!AmendFigure(r.c.ref, c, kMsgLineNotAmended10)) {
        return false;
    }
    return Join(r, kMsgNotJoined11, kMsgNotJoined12);
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
        return true;  // they do not meet: the outline stays open there
    }
    ZedFigure b = r.b.figure;
    ZedFigure c = r.c.figure;
    SetLineEnd(b, meet);
    SetArcStart(c, meet);
    return AmendFigure(r.b.ref, b, kMsgLineNotAmended101) && AmendFigure(r.c.ref, c, kMsgArcNotAmended102) &&
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
        return true;
    }
    ZedFigure b = r.b.figure;
    ZedFigure c = r.c.figure;
    SetLineStart(c, meet);
    SetArcEnd(b, meet);
    return AmendFigure(r.c.ref, c, kMsgLineNotAmended201) && AmendFigure(r.b.ref, b, kMsgArcNotAmended202) &&
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
        return true;
    }
    ZedFigure b = r.b.figure;
    ZedFigure c = r.c.figure;
    SetArcEnd(b, meet);
    SetArcStart(c, meet);
    return AmendFigure(r.b.ref, b, kMsgElementNotAmended301) && AmendFigure(r.c.ref, c, kMsgArcNotAmended302) &&
           Join(r, kMsgNotJoined303, kMsgNotJoined304);
}
