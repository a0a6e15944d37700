#include "tagging/restore_outline.h"

#include "geometry/figure_record.h"
#include "geometry/line_ends.h"
#include "geometry/outline.h"
#include "tagging/rejoin.h"

namespace {

void DeleteListed(std::span<const ZedId> ids) {
    for (const ZedId id : ids) {
        ZedElmDeleteElement(id);
    }
}

// Which end of an element lies at the gap: b's end, where the chain leaves it
// for the shoulder, or c's start, where the chain enters it.
enum class Gap { AtEnd, AtStart };

// Reads the element's record and its record in the outline list. The list
// runs the chain's way, so its record tells where the gap end lies; an element
// whose stored record has its other end there (and not this one) is stored the
// other way round and is taken turned the chain's way.
bool ReadEnd(ZedId instance, ZedId element, Gap gap, RejoinEnd& end) {
    end.ref = ZedFigRef{instance, element};
    ZedFigure stored{};
    if (ZedFigGetFigure(&end.ref, &stored) == -1 || !GetOutlineRecord(end.ref, end.listed)) {
        return false;
    }
    const bool atEnd = gap == Gap::AtEnd;
    const ZedPoint gapPoint = atEnd ? FigureEnd(end.listed) : FigureStart(end.listed);
    const ZedPoint sameEnd = atEnd ? FigureEnd(stored) : FigureStart(stored);
    const ZedPoint otherEnd = atEnd ? FigureStart(stored) : FigureEnd(stored);
    end.storedReversed = !PointsCoincide(sameEnd, gapPoint) && PointsCoincide(otherEnd, gapPoint);
    end.figure = end.storedReversed ? TurnedRound(stored) : stored;
    return true;
}

// A corner at an end is turned into a plain arc or line and read again. A
// corner that stays a corner could be joined by none of the ways there are,
// so that is a failure, found before anything is deleted.
bool MakePlain(Gap gap, RejoinEnd& end) {
    if (end.figure.kind != ZED_FIG_FILLET && end.figure.kind != ZED_FIG_CHAMFER) {
        return true;
    }
    const ZedId plain = ZedFigChangeCorner(end.ref.id);
    return plain > 0 && ReadEnd(end.ref.instance, plain, gap, end);
}

}  // namespace

bool RestoreOutline(ZedId instance, ZedId segment, std::span<const ZedId> ids, ZedId before, ZedId after) {
    // With nothing on one side, or one element on both (an outline of the
    // shoulder and one more element), there is nothing to join: joining an
    // element to itself would only destroy it.
    if (before == -1 || after == -1 || before == after) {
        DeleteListed(ids);
        return true;
    }
    Rejoin r;
    r.picked = segment;
    if (!ReadEnd(instance, before, Gap::AtEnd, r.b) || !ReadEnd(instance, after, Gap::AtStart, r.c) ||
        !MakePlain(Gap::AtEnd, r.b) || !MakePlain(Gap::AtStart, r.c)) {
        return false;
    }
    DeleteListed(ids);
    r.bSegment = ZedElmGetSegment(r.b.ref.id);
    r.cSegment = ZedElmGetSegment(r.c.ref.id);
    if (r.bSegment == -1 || r.cSegment == -1) {
        return false;
    }
    const int bKind = r.b.figure.kind;
    const int cKind = r.c.figure.kind;
    if (bKind == ZED_FIG_LINE && cKind == ZED_FIG_LINE) {
        if (!AreCollinearDirections(r.b.figure, r.c.figure)) {
            return RejoinCrossingLines(r);
        }
        return OnOneLine(r.b.figure, r.c.figure) ? RejoinCollinearLines(r) : RejoinParallelLines(r);
    }
    if (bKind == ZED_FIG_LINE && cKind == ZED_FIG_ARC) {
        return RejoinLineToArc(r);
    }
    if (bKind == ZED_FIG_ARC && cKind == ZED_FIG_LINE) {
        return RejoinArcToLine(r);
    }
    if (bKind == ZED_FIG_ARC && cKind == ZED_FIG_ARC) {
        return RejoinArcs(r);
    }
    // Other kinds are left as they are, the outline open between them.
    return true;
}
