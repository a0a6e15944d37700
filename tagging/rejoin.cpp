#include "tagging/rejoin.h"

#include <cmath>

#include "base/messages.h"
#include "base/report.h"
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

// The gap the shoulder leaves: from b's end to c's start.
ZedPoint GapStart(const Rejoin& r) { return FigureEnd(r.b.figure); }
ZedPoint GapEnd(const Rejoin& r) { return FigureStart(r.c.figure); }

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
    const ZedPoint from = GapStart(r);
    const ZedPoint to = GapEnd(r);
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
    r.edge = edgeRef.id;
    return true;
}

// Makes a corner beside an end element plain while the end element goes; the
// element that then stands there, and whether it was a corner.
ZedId MadePlain(ZedId neighbour, bool& wasCorner) {
    wasCorner = neighbour != -1 && IsCorner(ZedElmGetType(neighbour));
    if (neighbour != -1) {
        const ZedId plain = ZedFigChangeCorner(neighbour);
        if (plain > 0) {
            return plain;
        }
    }
    return neighbour;
}

}  // namespace

bool RunsAlongGap(const ZedFigure& figure, const Rejoin& r) {
    return figure.kind == ZED_FIG_LINE &&
           SameDirection(DirectionAngle(LineStart(figure), LineEnd(figure)), DirectionAngle(GapStart(r), GapEnd(r)));
}

bool RejoinByLine(Rejoin& r) { return BridgeWithLine(r); }

bool RejoinCollinearLines(Rejoin& r) {
    // b goes and c takes over the whole edge. A corner before b is made plain
    // while b is taken away and made a corner again once the edge is whole.
    bool cornerBefore = false;
    const ZedId before = MadePlain(PreviousInChain(r.b.ref.id), cornerBefore);
    DeleteEnd(r.b.ref.id, r.bSegment, r.bSegmentGone);
    // b's own record gives its start, corner or no corner: a host may list
    // b together with a straight piece before it as one line.
    ZedFigure c = r.c.figure;
    SetLineStart(c, LineStart(r.b.figure));
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
    r.edge = r.c.ref.id;
    return true;
}

bool RejoinCollinearKeepingB(Rejoin& r) {
    bool cornerAfter = false;
    const ZedId after = MadePlain(NextInChain(r.c.ref.id), cornerAfter);
    DeleteEnd(r.c.ref.id, r.cSegment, r.cSegmentGone);
    ZedFigure b = r.b.figure;
    SetLineEnd(b, LineEnd(r.c.figure));
    if (!AmendEnd(r.b, b, kMsgLineNotAmended1)) {
        return false;
    }
    const ZedChar* joinFailure = cornerAfter ? kMsgNotJoined1 : kMsgNotJoined2;
    if (!Join(r, joinFailure, joinFailure)) {
        return false;
    }
    if (cornerAfter) {
        ZedFigChangeCorner(after);
    }
    r.edge = r.b.ref.id;
    return true;
}

bool RejoinByB(Rejoin& r) {
    const bool cIsLine = r.c.figure.kind == ZED_FIG_LINE;
    ZedFigure b = r.b.figure;
    SetLineEnd(b, GapEnd(r));
    r.edge = r.b.ref.id;
    return AmendEnd(r.b, b, cIsLine ? kMsgLineNotAmended9 : kMsgLineNotAmended101) &&
           Join(r, cIsLine ? kMsgNotJoined11 : kMsgNotJoined103, cIsLine ? kMsgNotJoined12 : kMsgNotJoined104);
}

bool RejoinByC(Rejoin& r) {
    const bool bIsLine = r.b.figure.kind == ZED_FIG_LINE;
    ZedFigure c = r.c.figure;
    SetLineStart(c, GapStart(r));
    r.edge = r.c.ref.id;
    return AmendEnd(r.c, c, bIsLine ? kMsgLineNotAmended10 : kMsgLineNotAmended201) &&
           Join(r, bIsLine ? kMsgNotJoined11 : kMsgNotJoined203, bIsLine ? kMsgNotJoined12 : kMsgNotJoined204);
}
