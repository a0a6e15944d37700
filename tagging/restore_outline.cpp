#include "tagging/restore_outline.h"

#include <algorithm>

#include "geometry/figure_record.h"
#include "geometry/line_ends.h"
#include "tagging/chain_walk.h"
#include "tagging/rejoin.h"

namespace {

void DeleteListed(std::span<const ZedId> ids) {
    for (const ZedId id : ids) {
        ZedElmDeleteElement(id);
    }
}

// Where an element meets the shoulder: b's end, where the chain leaves it for
// the shoulder, lies at the root's first point; c's start, where the chain
// enters it, at the root's last point.
struct GapEnd {
    ZedPoint at{};
    bool atEnd = false;
};

// Reads the element's record. An element whose stored record has its other
// end at the gap (and not this one) is stored the other way round and is
// taken turned the chain's way.
bool ReadEnd(ZedId instance, ZedId element, GapEnd gap, RejoinEnd& end) {
    end.ref = ZedFigRef{instance, element};
    ZedFigure stored{};
    if (ZedFigGetFigure(&end.ref, &stored) == -1) {
        return false;
    }
    const ZedPoint sameEnd = gap.atEnd ? FigureEnd(stored) : FigureStart(stored);
    const ZedPoint otherEnd = gap.atEnd ? FigureStart(stored) : FigureEnd(stored);
    end.storedReversed = !PointsCoincide(sameEnd, gap.at) && PointsCoincide(otherEnd, gap.at);
    end.figure = end.storedReversed ? TurnedRound(stored) : stored;
    return true;
}

// A corner at an end is turned into a plain arc or line and read again. A
// corner that stays a corner could be joined by none of the ways there are,
// so that is a failure, found before anything is deleted.
bool MakePlain(GapEnd gap, RejoinEnd& end) {
    if (end.figure.kind != ZED_FIG_FILLET && end.figure.kind != ZED_FIG_CHAMFER) {
        return true;
    }
    const ZedId plain = ZedFigChangeCorner(end.ref.id);
    return plain > 0 && ReadEnd(end.ref.instance, plain, gap, end);
}

}  // namespace

bool RestoreOutline(ZedId instance, ZedId segment, const DeletableShoulder& shoulder, std::span<const ZedId> kept,
                    ZedId& edge) {
    edge = -1;
    const ZedId before = shoulder.neighbours.before;
    const ZedId after = shoulder.neighbours.after;
    // With nothing on one side there is nothing to join.
    if (before == -1 || after == -1) {
        DeleteListed(shoulder.run);
        return true;
    }
    const GapEnd bEnd{shoulder.root.from, true};
    const GapEnd cStart{shoulder.root.to, false};
    Rejoin r;
    r.picked = segment;
    if (!ReadEnd(instance, before, bEnd, r.b) || !ReadEnd(instance, after, cStart, r.c) || !MakePlain(bEnd, r.b) ||
        !MakePlain(cStart, r.c)) {
        return false;
    }
    DeleteListed(shoulder.run);
    r.bSegment = ZedElmGetSegment(r.b.ref.id);
    r.cSegment = ZedElmGetSegment(r.c.ref.id);
    if (r.bSegment == -1 || r.cSegment == -1) {
        return false;
    }
    // The edge ran from b's end to c's start, where the shoulder stood: b or
    // c takes it back when it runs on along it, else it comes back as a line
    // of its own. Of two lines that continue each other across the gap, one
    // that another shoulder lists takes it only when the gap lies inside
    // that shoulder's run (this one was cut into its side, and the element
    // beyond the gap is listed too): a side of a shoulder that merely stands
    // beside the gap keeps its extent, as that shoulder is found again by its
    // sides' ends.
    const bool bRunsOn = RunsAlongGap(r.b.figure, r);
    const bool cRunsOn = RunsAlongGap(r.c.figure, r);
    const auto isKept = [kept](ZedId id) { return std::find(kept.begin(), kept.end(), id) != kept.end(); };
    const bool bKept = isKept(r.b.ref.id);
    const bool cKept = isKept(r.c.ref.id);
    bool joined = false;
    if (bRunsOn && cRunsOn && bKept && cKept) {
        joined = RejoinByLine(r);
    } else if (bRunsOn && cRunsOn && bKept) {
        joined = isKept(NextInChain(r.c.ref.id)) ? RejoinCollinearKeepingB(r) : RejoinByC(r);
    } else if (bRunsOn && cRunsOn && cKept) {
        joined = isKept(PreviousInChain(r.b.ref.id)) ? RejoinCollinearLines(r) : RejoinByB(r);
    } else if (bRunsOn && cRunsOn) {
        joined = RejoinCollinearLines(r);
    } else if (bRunsOn) {
        joined = RejoinByB(r);
    } else if (cRunsOn) {
        joined = RejoinByC(r);
    } else {
        joined = RejoinByLine(r);
    }
    edge = joined ? r.edge : -1;
    return joined;
}
