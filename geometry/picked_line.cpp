#include "geometry/picked_line.h"

#include "base/messages.h"
#include "base/report.h"
#include "geometry/direction_angle.h"
#include "geometry/figure_record.h"
#include "geometry/outline_soundness.h"
#include "geometry/unfinished_change.h"
#include "settings/shoulder_settings.h"

const PickedLineMessages kPlanLineMessages{kMsgElementInfoNotRead21,    kMsgElementInfoNotRead22,
                                           kMsgElementInfoNotRead22,    nullptr,
                                           kMsgLineAttributesNotRead21, kMsgLineAttributesNotRead22,
                                           kMsgLayerNotRead21};
// The side steps take a line the user picked as a line: a chamfer is listed
// in the outline as one, but is a corner of the outline, no line of its own.
const PickedLineMessages kSideLineMessages{kMsgElementInfoNotRead1,   kMsgElementInfoNotRead2,
                                           kMsgPickStraightLine,      kMsgPickStraightLine,
                                           kMsgLineAttributesNotRead, kMsgLineAttributesNotRead,
                                           kMsgLayerNotRead};

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

bool ReadPickedElement(PickedLine& line, const PickedLineMessages& messages) {
    ZedFigure figure{};
    if (ZedFigGetFigure(&line.ref, &figure) == -1) {
        return ReportError(messages.element);
    }
    line.kind = figure.kind;
    const ZedId segment = ZedElmGetSegment(line.ref.id);
    if (segment == -1 || ZedSgmGetElementCount(segment) < 2) {
        return ReportError(messages.element);
    }
    if (!ReadNeighbour(line.ref, Neighbour::Previous, line.previous) ||
        !ReadNeighbour(line.ref, Neighbour::Next, line.next)) {
        return ReportError(messages.element);
    }
    return true;
}

bool ReadOutlineRecords(PickedLine& line, LocatedElement& at, const PickedLineMessages& messages) {
    ZedFigure record{};
    ZedFigure neighbour{};
    if (!LocateInOutline(line.ref, at) || !OwnRecord(at, record) || !PreviousRecord(at, neighbour) ||
        !NextRecord(at, neighbour)) {
        return ReportError(messages.records);
    }
    if (messages.pickNotALine != nullptr && line.kind != ZED_FIG_LINE) {
        return ReportError(messages.pickNotALine);
    }
    // Only a straight line has the start and end the shoulder is placed on.
    if (record.kind != ZED_FIG_LINE) {
        return ReportError(messages.notALine);
    }
    line.s = LineStart(record);
    line.e = LineEnd(record);
    return true;
}

bool ReadAttributes(PickedLine& line, const PickedLineMessages& messages) {
    ZedLineType shortForm{};
    if (ZedFigGetLineType(&line.ref, &shortForm) == -1) {
        return ReportError(messages.shortAttributes);
    }
    line.colour = shortForm.colour;
    line.lineType = shortForm.lineType;
    if (ZedFigGetLineType2(&line.ref, &line.attributes) == -1) {
        return ReportError(messages.fullAttributes);
    }
    line.layer = ZedSgmGetLayer(line.segment);
    if (line.layer == -1) {
        return ReportError(messages.layer);
    }
    return true;
}

// Which way the shoulder stands out: the host's in/out test of a point just
// left of the line. A test the host cannot answer would put the shoulder on a
// guessed side, so it fails the build like an unreadable outline.
bool ReadPickedLine(ZedFigRef picked, ZedId segment, PickedLine& line, LocatedElement& located,
                    const PickedLineMessages& messages) {
    line.ref = picked;
    line.segment = segment;
    return ReadPickedElement(line, messages) && ReadOutlineRecords(line, located, messages) &&
           ReadAttributes(line, messages);
}

bool FindSide(const PickedLine& line, const OutlineList& outline, ZedPoint m, OutwardSide& side,
              const PickedLineMessages& messages, OutwardSide (*fromAnswer)(double theta, int inOutAnswer)) {
    const double theta = DirectionAngle(line.s, line.e);
    const ZedPoint test = OutwardSideTestPoint(m, theta);
    const int answer = ZedAriIochkPnt(outline.data(), static_cast<int>(outline.size()), &test);
    if (answer == -1) {
        return ReportError(messages.records);
    }
    side = fromAnswer(theta, answer);
    return true;
}

void FreeCorner(const PickedLine& line, Neighbour which, int kind) {
    const bool previous = which == Neighbour::Previous;
    const ZedChar* notice = nullptr;
    if (kind == ZED_FIG_FILLET) {
        notice = previous ? kMsgFilletNotChanged11 : kMsgFilletNotChanged12;
    } else if (kind == ZED_FIG_CHAMFER) {
        notice = previous ? kMsgChamferNotChanged11 : kMsgChamferNotChanged12;
    } else {
        return;
    }
    const ZedId corner = WrappedNeighbour(line.ref.id, line.segment, which);
    if (corner == -1 || ZedFigChangeCorner(corner) == -1) {
        ShowPrompt(notice);
    }
}

bool BeginTabBuild(ZedFigRef picked, ZedId segment, PickedLine& line, LocatedElement& located) {
    ForgetShoulder();
    if (!ReadPickedLine(picked, segment, line, located)) {
        return false;
    }
    // A shoulder needs a width and a depth to stand out.
    if (!IsUsableSize(ShoulderSettings.mMainWidth) || !IsUsableSize(ShoulderSettings.mMainProtrude)) {
        return ReportError(kMsgShoulderSizeInvalid);
    }
    return true;
}
