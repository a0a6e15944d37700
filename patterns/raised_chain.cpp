#include "patterns/raised_chain.h"

#include <cmath>

#include "base/messages.h"
#include "base/report.h"
#include "base/temporary_elements.h"
#include "geometry/figure_record.h"
#include "geometry/length_dimension.h"
#include "geometry/outline_soundness.h"
#include "geometry/remembered_shoulder.h"
#include "geometry/splice.h"
#include "geometry/three_sides.h"
#include "geometry/vec2.h"
#include "settings/shoulder_settings.h"
#include "tagging/shoulder_tag.h"

namespace {

std::vector<ZedFigure> ChainFigures(ZedPoint s, ZedPoint sRaised, ZedPoint eRaised, ZedPoint e) {
    return {MakeLine(s, sRaised), MakeLine(sRaised, eRaised), MakeLine(eRaised, e)};
}

// Whether the chain may stand beside the outline, which keeps the picked
// line: no piece of no length, and no crossing of the outline. Sides that lie
// along the neighbouring edges (a negative depth on a rectangle) change
// nothing in the outline and are accepted.
bool ChainFits(const OutlineList& outline, ZedPoint s, ZedPoint sRaised, ZedPoint eRaised, ZedPoint e) {
    return CheckChainBeside(outline, ChainFigures(s, sRaised, eRaised, e)) == OutlineSoundness::Sound;
}

bool ReadChainAttributes(const RaisedChainStyle& style, PickedLine& line) {
    if (style.ownStyle != 0) {
        line.attributes = ZedLineType2{};
        line.attributes.colour = style.colour;
        line.attributes.lineType = style.lineType;
        line.attributes.extra = 0;
    } else if (ZedFigGetLineType2(&line.ref, &line.attributes) == -1) {
        return ReportError(kMsgLineAttributesNotRead22);
    }
    line.layer = ZedSgmGetLayer(line.segment);
    return line.layer != -1 || ReportError(kMsgLayerNotRead21);
}

}  // namespace

bool PlanRaisedChain(ZedId element, ZedId segment, ZedId instance, const RaisedChainStyle& style,
                     RaisedChain& chain) {
    ForgetShoulder();
    chain = RaisedChain{};
    PickedLine& line = chain.line;
    line.ref = ZedFigRef{instance, element};
    line.segment = segment;
    if (!ReadPickedElement(line) || !ReadOutlineRecords(line, chain.located) || !ReadChainAttributes(style, line)) {
        return false;
    }
    const double depth = ShoulderSettings.mMainProtrude;
    if (!IsUsableSize(depth)) {
        return ReportError(kMsgShoulderSizeInvalid);
    }
    chain.m = Midpoint(line.s, line.e);
    if (!FindSide(line, chain.located.list, chain.m, chain.side)) {
        return false;
    }
    chain.sRaised = line.s + depth * chain.side.normal;
    chain.eRaised = line.e + depth * chain.side.normal;
    if (!ChainFits(chain.located.list, line.s, chain.sRaised, chain.eRaised, line.e)) {
        return ReportError(kMsgShoulderOverlaps);
    }
    return true;
}

bool DrawRaisedChain(RaisedChain& chain) {
    const PickedLine& line = chain.line;
    const ChainMessages messages{kMsgElementNotCreated31, {kMsgElementNotInserted31, kMsgElementNotInserted32}};
    if (!BuildChain(line.ref.instance, ChainFigures(line.s, chain.sRaised, chain.eRaised, line.e), line.attributes,
                    messages, chain.ids, chain.segment)) {
        return false;
    }
    // Left open and apart from the outline: the picked line stays as it was.
    return ZedSgmChangeLayer(chain.segment, line.layer) != -1 || ReportError(kMsgLayerNotChanged);
}

bool RememberRaisedChain(const RaisedChain& chain) {
    const PickedLine& line = chain.line;
    const ZedId instance = line.ref.instance;
    ZedFigure previous{};
    ZedFigure next{};
    const ZedId previousId = WrappedNeighbour(line.ref.id, line.segment, Neighbour::Previous);
    if (previousId == -1) {
        return ReportError(kMsgElementInfoNotRead32);
    }
    const ZedId nextId = WrappedNeighbour(line.ref.id, line.segment, Neighbour::Next);
    if (nextId == -1 || !PreviousRecord(chain.located, previous) || !NextRecord(chain.located, next)) {
        return ReportError(kMsgElementInfoNotRead32);
    }
    ShoulderMemory& m = Shoulder();
    RememberPiece(m.tail, instance, previousId, previous);
    RememberPiece(m.head, instance, nextId, next);
    RememberPiece(m.beforeTail, instance, 0, ZedFigure{});
    RememberPiece(m.afterHead, instance, 0, ZedFigure{});
    const std::vector<ZedFigure> figures = ChainFigures(line.s, chain.sRaised, chain.eRaised, line.e);
    RememberPiece(m.firstSide, instance, chain.ids[0], figures[0]);
    RememberPiece(m.innerSide, instance, chain.ids[1], figures[1]);
    RememberPiece(m.secondSide, instance, chain.ids[2], figures[2]);
    return true;
}

bool MakeRaisedDepthDimension(const RaisedChain& chain) {
    const ZedFigRef first{chain.line.ref.instance, chain.ids[0]};
    const ZedId segment = ZedSgmCreateSegment(ZED_SGM_DIMENSION, 0);
    return segment != -1 && CreateLengthDimension(DimensionAnchor{chain.line.s, first},
                                                  DimensionAnchor{chain.sRaised, first},
                                                  LengthDimensionOffset(chain.side.flipped), kSlotFirstDimension,
                                                  segment);
}

void TagRaisedChain() {
    const ZedId segment = ZedElmGetSegment(Shoulder().firstSide.ref.id);
    if (segment != -1) {
        ShoulderTag(segment);
    }
}

namespace {

// The corners at the typed depth: both far corners move along the first
// side's direction from S and E.
RaisedCorners AtDepth(const RaisedCorners& c, double depth) {
    const ZedPoint d = UnitFrom(c.s, c.sRaised);
    return RaisedCorners{c.s, c.s + depth * d, c.e + depth * d, c.e};
}

}  // namespace

bool BeginRaisedDepthChange(int editMode, double value) {
    BeginChange(editMode, value);
    UnfinishedChange& change = Unfinished();
    // The picked line's neighbour lies in the outline the chain stands beside.
    change.outline = ZedElmGetSegment(change.before.tail.ref.id);
    // Kept from one change to the next, so that the host writes even a long
    // outline straight into it (ReadOutlineList).
    static OutlineList outline;
    if (change.outline == -1 || !ReadOutlineList(change.before.tail.ref.instance, change.outline, outline)) {
        return ReportError(kMsgElementInfoNotRead11);
    }
    const RaisedCorners c = AtDepth(RaisedCornersOf(change.before), value);
    if (!std::isfinite(value) || !ChainFits(outline, c.s, c.sRaised, c.eRaised, c.e)) {
        return ReportError(kMsgShoulderOverlapsEdit);
    }
    return true;
}

std::vector<ChangeStep> PlanRaisedDepth(const ZedChar* dimensionNotRead, bool (*follow)(const RaisedCorners&)) {
    const ShoulderMemory& before = Unfinished().before;
    const RaisedCorners c = AtDepth(RaisedCornersOf(before), Unfinished().value);
    std::vector<ChangeStep> steps = MoveThreeSidesSteps(before, c.sRaised, c.eRaised);
    steps.push_back([c, dimensionNotRead, follow] {
        if (!MoveLengthDimension(TemporaryElements()[kSlotFirstDimension].id, c.s, c.sRaised, dimensionNotRead,
                                 kMsgDimensionNotAmended01) ||
            (follow != nullptr && !follow(c))) {
            return false;
        }
        TagRaisedChain();
        return true;
    });
    return steps;
}
