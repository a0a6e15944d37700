#include "geometry/centred_tab.h"

#include "command/messages.h"
#include "geometry/figure_record.h"
#include "geometry/length_dimension.h"
#include "geometry/line_ends.h"
#include "geometry/plane_a_parts.h"
#include "geometry/splice.h"

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

}  // namespace

const OpenedLineMessages kPlaneBOpenedLineMessages{kMsgElementInfoNotRead32, kMsgElementInfoNotRead32,
                                                   kMsgElementInfoNotRead33, kMsgElementInfoNotRead33};
const OpenedLineMessages kSideCOpenedLineMessages{kMsgElementInfoNotRead32, kMsgElementInfoNotRead33,
                                                  kMsgElementInfoNotRead32, kMsgElementInfoNotRead33};

bool OpenAtCentre(const PickedLine& line, ZedPoint c, const OpenedLineMessages& messages, OpenedLine& opened) {
    const ZedId instance = line.ref.instance;
    if (!DivideOutline(instance, line.segment, c, kMsgOutlineNotDivided31)) {
        return false;
    }
    const ZedId head = ZedSgmGetHeadElementId(line.segment);
    if (!ReadPiece(instance, head, opened.head, messages.head) ||
        !ReadPiece(instance, ZedElmGetNextElementId(head), opened.afterHead, messages.afterHead)) {
        return false;
    }
    const ZedId tail = ZedSgmGetTailElementId(line.segment);
    return ReadPiece(instance, tail, opened.tail, messages.tail) &&
           ReadPiece(instance, ZedElmGetPrevElementId(tail), opened.beforeTail, messages.beforeTail);
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
        ZedMsgPutErrorMessage(kMsgLayerNotChanged);
        return false;
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

