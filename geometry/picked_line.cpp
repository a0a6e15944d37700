#include "geometry/picked_line.h"

#include "command/messages.h"
#include "geometry/direction_angle.h"
#include "geometry/figure_record.h"

namespace {

bool Report(const ZedChar* message) {
    ZedMsgPutErrorMessage(message);
    return false;
}

}  // namespace

ZedId WrappedNeighbour(ZedId element, ZedId segment, Neighbour which) {
    const ZedId id =
        which == Neighbour::Previous ? ZedElmGetPrevElementId(element) : ZedElmGetNextElementId(element);
    if (id != -1) {
        return id;
    }
    return which == Neighbour::Previous ? ZedSgmGetTailElementId(segment) : ZedSgmGetHeadElementId(segment);
}

namespace {

bool ReadNeighbour(const ZedFigRef& picked, Neighbour which, ZedFigure& figure) {
    const ZedId segment = ZedElmGetSegment(picked.id);
    if (segment == -1 || ZedSgmGetElementCount(segment) < 2) {
        return false;
    }
    const ZedFigRef ref{picked.instance, WrappedNeighbour(picked.id, segment, which)};
    return ref.id != -1 && ZedFigGetFigure(&ref, &figure) != -1;
}

}  // namespace

bool ReadPickedElement(PickedLine& line) {
    ZedFigure figure{};
    if (ZedFigGetFigure(&line.ref, &figure) == -1) {
        return Report(kMsgElementInfoNotRead21);
    }
    const ZedId segment = ZedElmGetSegment(line.ref.id);
    if (segment == -1 || ZedSgmGetElementCount(segment) < 2) {
        return Report(kMsgElementInfoNotRead21);
    }
    if (!ReadNeighbour(line.ref, Neighbour::Previous, line.previous) ||
        !ReadNeighbour(line.ref, Neighbour::Next, line.next)) {
        return Report(kMsgElementInfoNotRead21);
    }
    return true;
}

bool ReadOutlineRecords(PickedLine& line, LocatedElement& at) {
    ZedFigure record{};
    ZedFigure neighbour{};
    if (!LocateInOutline(line.ref, at) || !OwnRecord(at, record) || !PreviousRecord(at, neighbour) ||
        !NextRecord(at, neighbour)) {
        return Report(kMsgElementInfoNotRead22);
    }
    // Only a straight line has the start and end the shoulder is placed on.
    if (record.kind != ZED_FIG_LINE) {
        return Report(kMsgElementInfoNotRead22);
    }
    line.s = LineStart(record);
    line.e = LineEnd(record);
    return true;
}

bool ReadAttributes(PickedLine& line) {
    ZedLineType shortForm{};
    if (ZedFigGetLineType(&line.ref, &shortForm) == -1) {
        return Report(kMsgLineAttributesNotRead21);
    }
    line.colour = shortForm.colour;
    if (ZedFigGetLineType2(&line.ref, &line.attributes) == -1) {
        return Report(kMsgLineAttributesNotRead22);
    }
    line.layer = ZedSgmGetLayer(line.segment);
    if (line.layer == -1) {
        return Report(kMsgLayerNotRead21);
    }
    return true;
}

// Which way the shoulder stands out: the host's in/out test of a point just
// left of the line. A test the host cannot answer would put the shoulder on a
// guessed side, so it fails the build like an unreadable outline.
bool FindSide(const PickedLine& line, const OutlineList& outline, ZedPoint m, PlaneASide& side,
              PlaneASide (*fromAnswer)(double theta, int inOutAnswer)) {
    const double theta = DirectionAngle(line.s, line.e);
    const ZedPoint test = PlaneASideTestPoint(m, theta);
    const int answer = ZedAriIochkPnt(outline.data(), static_cast<int>(outline.size()), &test);
    if (answer == -1) {
        return Report(kMsgElementInfoNotRead22);
    }
    side = fromAnswer(theta, answer);
    return true;
}
