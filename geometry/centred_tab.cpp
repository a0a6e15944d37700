#include "geometry/centred_tab.h"

#include "base/messages.h"
#include "base/report.h"
#include "geometry/figure_record.h"
#include "geometry/length_dimension.h"
#include "geometry/line_ends.h"
#include "geometry/outline_soundness.h"
#include "geometry/remembered_shoulder.h"
#include "geometry/splice.h"
#include "geometry/vec2.h"

namespace {

bool ReadPiece(ZedId instance, ZedId element, ShoulderPiece& piece, const ZedChar* failure) {
    piece.ref = ZedFigRef{instance, element};
    return ReadFoundFigure(piece.ref, piece.record, failure);
}

// The halves end at the base corners: whichever end of each lies at the
// centre moves, so a line stored either way round is shortened alike.
bool ShortenHalves(ZedPoint c, const ShoulderCorners& corners, OpenedLine& opened) {
    opened.head.record = WithLineEndMoved(opened.head.record, c, corners.p2);
    opened.tail.record = WithLineEndMoved(opened.tail.record, c, corners.p1);
    return AmendFigure(opened.head.ref, opened.head.record, kMsgLineNotAmended11) &&
           AmendFigure(opened.tail.ref, opened.tail.record, kMsgLineNotAmended12);
}

// Which end of the opened chain a half lies at.
enum class End { Head, Tail };

// Reads the half at the chain's end that the mouth's edge lies on. A host
// that lists a straight run of pieces as one line gives the run's ends as S
// and E, so the mouth may span more than the half: each piece that lies
// wholly between the centre and the edge goes (as side pattern A's step takes
// the pieces before Q), and the next one is read.
bool ReadHalfToEdge(const PickedLine& line, End end, ZedPoint c, ZedPoint edge, const ZedChar* readFailure,
                    ShoulderPiece& half) {
    const ZedId instance = line.ref.instance;
    const ZedPoint u = UnitFrom(c, edge);
    const double reach = Distance(c, edge);
    for (;;) {
        const ZedId id = end == End::Head ? ZedSgmGetHeadElementId(line.segment) : ZedSgmGetTailElementId(line.segment);
        if (!ReadPiece(instance, id, half, readFailure)) {
            return false;
        }
        if (half.record.kind != ZED_FIG_LINE) {
            return ReportError(kMsgRemovedPieceNotFound);
        }
        const ZedPoint far = LineEndAwayFrom(half.record, c);
        if ((far.x - c.x) * u.x + (far.y - c.y) * u.y > reach + kOutlineTouchTolerance) {
            return true;
        }
        if (!DeleteElement(id, end == End::Head ? kMsgElementNotDeleted33 : kMsgElementNotDeleted32)) {
            return false;
        }
    }
}

}  // namespace

const OpenedLineMessages kPlaneBOpenedLineMessages{kMsgElementInfoNotRead32, kMsgElementInfoNotRead32,
                                                   kMsgElementInfoNotRead33, kMsgElementInfoNotRead33};
const OpenedLineMessages kSideCOpenedLineMessages{kMsgElementInfoNotRead32, kMsgElementInfoNotRead33,
                                                  kMsgElementInfoNotRead32, kMsgElementInfoNotRead33};

bool OpenAtCentre(const PickedLine& line, const ShoulderCorners& corners, ZedPoint c,
                  const OpenedLineMessages& messages, OpenedLine& opened) {
    const ZedId instance = line.ref.instance;
    if (!DivideOutline(instance, line.segment, c, kMsgOutlineNotDivided31)) {
        return false;
    }
    if (!ReadHalfToEdge(line, End::Head, c, corners.p2, messages.head, opened.head) ||
        !ReadPiece(instance, ZedElmGetNextElementId(opened.head.ref.id), opened.afterHead, messages.afterHead)) {
        return false;
    }
    return ReadHalfToEdge(line, End::Tail, c, corners.p1, messages.tail, opened.tail) &&
           ReadPiece(instance, ZedElmGetPrevElementId(opened.tail.ref.id), opened.beforeTail, messages.beforeTail);
}

bool SpliceCentredSides(const PickedLine& line, const ShoulderCorners& c, ZedPoint centre, OpenedLine& opened,
                        std::vector<ZedId>& sides) {
    const std::vector<ZedFigure> figures{MakeLine(c.p1, c.q1), MakeLine(c.q1, c.q2), MakeLine(c.q2, c.p2)};
    ZedId chain = -1;
    if (!BuildChain(line.ref.instance, figures, line.attributes,
                    ChainMessages{kMsgElementNotCreated31, {kMsgElementNotInserted31, kMsgElementNotInserted32}},
                    sides, chain)) {
        return false;
    }
    // The new sides take the outline's layer before the halves are shortened.
    if (ZedSgmChangeLayer(chain, line.layer) == -1) {
        return ReportError(kMsgLayerNotChanged);
    }
    return ShortenHalves(centre, c, opened) &&
           JoinAndClose(line.segment, chain, line.layer,
                        JoinMessages{nullptr, kMsgOutlineNotJoined, kMsgOutlineNotClosed});
}

void RememberCentredShoulder(ZedId instance, const ShoulderCorners& c, const OpenedLine& opened,
                             const std::vector<ZedId>& sides, bool fromStart) {
    ShoulderMemory& m = Shoulder();
    m.tail = opened.tail;
    m.head = opened.head;
    m.beforeTail = opened.beforeTail;
    m.afterHead = opened.afterHead;
    RememberSides(instance, sides[0], sides[1], sides[2], c);
    m.measured = fromStart ? m.tail.ref : m.head.ref;
}

