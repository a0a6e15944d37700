// The width change of plan pattern A. The shoulder keeps its middle and grows
// or shrinks to the typed width along the line it stands on:
//  - with line left on both sides and a width below the line's full length,
//    the five elements just move;
//  - a width of at least the full length makes the shoulder take the whole
//    line, so the line's pieces go and the sides are made again;
//  - a shoulder that took the whole line gets its line pieces back, unless the
//    width is still too large for the line.
#include <vector>

#include "command/messages.h"
#include "geometry/figure_record.h"
#include "geometry/line_ends.h"
#include "geometry/plane_a_parts.h"
#include "geometry/splice.h"
#include "geometry/vec2.h"

namespace {

bool Report(const ZedChar* message) {
    ZedMsgPutErrorMessage(message);
    return false;
}

// What every width change reads before it changes anything.
struct WidthContext {
    ZedId instance = 0;
    ZedId segment = -1;  // the outline that holds the shoulder
    ZedId layer = -1;
    ZedLineType2 attributes{};
    ZedPoint s{};  // the ends of the line the shoulder was built on
    ZedPoint e{};
};

bool ReadContext(WidthContext& context) {
    const ShoulderMemory& m = Shoulder();
    context.instance = m.firstSide.ref.instance;
    if (ZedFigGetLineType2(&m.firstSide.ref, &context.attributes) == -1) {
        return Report(kMsgLineAttributesNotRead51);
    }
    context.segment = ZedElmGetSegment(m.firstSide.ref.id);
    context.layer = context.segment == -1 ? -1 : ZedSgmGetLayer(context.segment);
    if (context.layer == -1) {
        return Report(kMsgLayerNotRead51);
    }
    // The line pieces may be stored either way round: S and E are their ends
    // away from the shoulder.
    const ShoulderCorners corners = RememberedCorners();
    context.s = LineEndAwayFrom(m.tail.record, corners.p1);
    context.e = LineEndAwayFrom(m.head.record, corners.p2);
    return true;
}

bool AmendPiece(ShoulderPiece& piece, const ZedFigure& record, const ZedChar* failure) {
    if (!AmendFigure(piece.ref, record, failure)) {
        return false;
    }
    piece.record = record;
    return true;
}

// The shoulder has line on both sides and stays narrower than the line. The
// pieces' ends at the shoulder move, whichever way round they are stored.
bool MoveInPlace(const ShoulderCorners& was, const ShoulderCorners& c) {
    ShoulderMemory& m = Shoulder();
    ZedFigure tail = m.tail.record;
    MoveLineEndAt(tail, was.p1, c.p1);
    ZedFigure head = m.head.record;
    MoveLineEndAt(head, was.p2, c.p2);
    return AmendPiece(m.tail, tail, kMsgLineNotAmended21) &&
           AmendPiece(m.firstSide, MakeLine(c.p1, c.q1), kMsgLineNotAmended22) &&
           AmendPiece(m.innerSide, MakeLine(c.q1, c.q2), kMsgLineNotAmended23) &&
           AmendPiece(m.secondSide, MakeLine(c.q2, c.p2), kMsgLineNotAmended24) &&
           AmendPiece(m.head, head, kMsgLineNotAmended25);
}

// Opens the outline in the middle of the inner side and deletes, pair by pair,
// the elements at both ends of the opened chain: first the inner side's two
// halves, then the second and first sides, then (for the whole line) the head
// and tail pieces. divided receives the opened outline.
bool CutShoulderOut(const WidthContext& context, const ShoulderCorners& was, const ZedChar* const* deletions,
                    int pairs, ZedId& divided) {
    if (!DivideOutline(context.instance, context.segment, PlaneAInnerMiddle(was), kMsgOutlineNotDivided1,
                       &divided)) {
        return false;
    }
    for (int pair = 0; pair < pairs; ++pair) {
        if (!DeleteFoundElement(ZedSgmGetHeadElementId(divided), deletions[2 * pair]) ||
            !DeleteFoundElement(ZedSgmGetTailElementId(divided), deletions[2 * pair + 1])) {
            return false;
        }
    }
    return true;
}

// The shoulder grows over the whole line: the line's pieces go with the sides
// and three new sides span the line from end to end.
bool TakeWholeLine(const WidthContext& context, const ShoulderCorners& was, const ShoulderCorners& c) {
    static constexpr const ZedChar* kDeletions[] = {kMsgElementNotDeleted51, kMsgElementNotDeleted52,
                                                    kMsgElementNotDeleted53, kMsgElementNotDeleted54,
                                                    kMsgElementNotDeleted55, kMsgElementNotDeleted56};
    ZedId divided = -1;
    if (!CutShoulderOut(context, was, kDeletions, 3, divided)) {
        return false;
    }
    std::vector<ZedId> ids;
    ZedId chain = -1;
    if (!BuildChain(context.instance, {MakeLine(c.p1, c.q1), MakeLine(c.q1, c.q2), MakeLine(c.q2, c.p2)},
                    context.attributes,
                    ChainMessages{kMsgElementNotCreated11, {kMsgElementNotInserted11, kMsgElementNotInserted12}},
                    ids, chain) ||
        !JoinAndClose(divided, chain, context.layer,
                      JoinMessages{kMsgLayerNotChanged12, kMsgOutlineNotJoined12, kMsgOutlineNotClosed12})) {
        return false;
    }
    RememberNoEndPieces(context.instance, c);
    RememberSides(context.instance, ids[0], ids[1], ids[2], c);
    return true;
}

// A shoulder over the whole line narrows: the sides go and five new elements
// run from the line's start, over the shoulder, to the line's end.
bool GiveLineBack(const WidthContext& context, const ShoulderCorners& was, const ShoulderCorners& c) {
    static constexpr const ZedChar* kDeletions[] = {kMsgElementNotDeleted51, kMsgElementNotDeleted52,
                                                    kMsgElementNotDeleted53, kMsgElementNotDeleted54};
    ZedId divided = -1;
    if (!CutShoulderOut(context, was, kDeletions, 2, divided)) {
        return false;
    }
    const std::vector<ZedFigure> figures{MakeLine(context.s, c.p1), MakeLine(c.p1, c.q1), MakeLine(c.q1, c.q2),
                                         MakeLine(c.q2, c.p2), MakeLine(c.p2, context.e)};
    std::vector<ZedId> ids;
    ZedId chain = -1;
    if (!BuildChain(context.instance, figures, context.attributes,
                    ChainMessages{kMsgElementNotCreated51,
                                  {kMsgElementNotInserted51, kMsgElementNotInserted52, kMsgElementNotInserted53,
                                   kMsgElementNotInserted54}},
                    ids, chain) ||
        !JoinAndClose(divided, chain, context.layer,
                      JoinMessages{kMsgLayerNotChanged, kMsgOutlineNotJoined, kMsgOutlineNotClosed})) {
        return false;
    }
    ShoulderMemory& m = Shoulder();
    RememberPiece(m.tail, context.instance, ids[0], figures[0]);
    RememberSides(context.instance, ids[1], ids[2], ids[3], c);
    RememberPiece(m.head, context.instance, ids[4], figures[4]);
    return true;
}

}  // namespace

bool RebuildPlaneAWidth(double width) {
    WidthContext context;
    if (!ReadContext(context)) {
        return false;
    }
    const double lineLength = Distance(context.s, context.e);
    const ShoulderCorners was = RememberedCorners();
    if (!RememberedAsFullLine()) {
        if (width < lineLength) {
            const ShoulderCorners c = PlaneAWidthChanged(was, width / 2.0);
            return MoveInPlace(was, c) && FollowPlaneACorners(c);
        }
        const ShoulderCorners c = PlaneAWidthChanged(was, lineLength / 2.0);
        return TakeWholeLine(context, was, c) && FollowPlaneACorners(c);
    }
    if (width >= lineLength) {
        return Report(kMsgWidthTooLarge);
    }
    const ShoulderCorners c = PlaneAWidthChanged(was, width / 2.0);
    return GiveLineBack(context, was, c) && FollowPlaneACorners(c);
}
