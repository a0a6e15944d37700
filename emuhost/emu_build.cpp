// Laying out a drawing for tests: figure records, segments, outlines and
// corners. Nothing here counts as a ZedLib call or is journalled.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

#include "emuhost/emu_chain.h"
#include "emuhost/emu_geom.h"

namespace emu {

namespace {

// The direction flag lives in the low half of v[7], at byte 64 of the record.
constexpr size_t kFlagOffset = 64;

// The corner where a line element meets the next line of its chain.
struct LineCorner {
    Segment* segment = nullptr;
    size_t next = 0;    // chain index of the line after the corner
    ZedPoint vertex{};  // where the two lines meet
    ZedPoint in{};      // unit direction of the first line
    ZedPoint out{};     // unit direction of the second line
    double inLength = 0;
    double outLength = 0;
};

std::optional<LineCorner> FindLineCorner(ZedId element) {
    Element* first = FigureElement(element);
    if (first == nullptr || first->figure.kind != ZED_FIG_LINE) {
        return std::nullopt;
    }
    LineCorner corner;
    corner.segment = FindSegment(first->segment);
    const size_t at = IndexInChain(*corner.segment, element);
    const size_t count = corner.segment->chain.size();
    if (at + 1 == count && !corner.segment->closed) {
        return std::nullopt;
    }
    corner.next = (at + 1) % count;
    if (corner.next == at) {
        return std::nullopt;
    }
    const ZedFigure a = ChainFigure(*first);
    const ZedFigure b = ChainFigureAt(*corner.segment, corner.next);
    if (b.kind != ZED_FIG_LINE || !Near(EndOf(a), StartOf(b))) {
        return std::nullopt;
    }
    corner.vertex = EndOf(a);
    corner.inLength = Distance(StartOf(a), EndOf(a));
    corner.outLength = Distance(StartOf(b), EndOf(b));
    corner.in = ZedPoint{(EndOf(a).x - StartOf(a).x) / corner.inLength, (EndOf(a).y - StartOf(a).y) / corner.inLength};
    corner.out =
        ZedPoint{(EndOf(b).x - StartOf(b).x) / corner.outLength, (EndOf(b).y - StartOf(b).y) / corner.outLength};
    // Lines that go on straight (or turn straight back) have no corner to cut.
    const double turn = corner.in.x * corner.out.y - corner.in.y * corner.out.x;
    if (std::fabs(turn) < 1e-9) {
        return std::nullopt;
    }
    return corner;
}

// Cuts the corner back to the two points and puts the corner element between.
ZedId PlaceCorner(const LineCorner& corner, ZedId element, const ZedPoint& cutIn, const ZedPoint& cutOut,
                  const ZedFigure& figure) {
    Segment& segment = *corner.segment;
    Element* first = FindElement(element);
    Element* second = FindElement(segment.chain[corner.next]);
    ZedFigure in = ChainFigure(*first);
    ZedFigure out = ChainFigure(*second);
    SetEnd(in, cutIn);
    SetStart(out, cutOut);
    SetChainFigure(*first, in);
    SetChainFigure(*second, out);
    const size_t at = IndexInChain(segment, element);
    return PlaceElement(segment, at + 1, figure, first->attrs);
}

bool LayoutChainValid(const std::vector<ZedFigure>& figures, bool closed) {
    if (figures.empty()) {
        return false;
    }
    for (size_t i = 0; i < figures.size(); ++i) {
        if (!FigureProblem(figures[i]).empty()) {
            return false;
        }
        if (figures[i].kind == ZED_FIG_CIRCLE && figures.size() != 1) {
            return false;
        }
        if (i > 0 && !Near(EndOf(figures[i - 1]), StartOf(figures[i]))) {
            return false;
        }
    }
    if (figures[0].kind == ZED_FIG_CIRCLE) {
        return true;
    }
    return !closed || Near(EndOf(figures.back()), StartOf(figures.front()));
}

}  // namespace

ZedFigure Line(double x1, double y1, double x2, double y2) {
    ZedFigure figure{};
    figure.kind = ZED_FIG_LINE;
    figure.v[0] = x1;
    figure.v[1] = y1;
    figure.v[2] = x2;
    figure.v[3] = y2;
    return figure;
}

ZedFigure Arc(double cx, double cy, double sx, double sy, double ex, double ey, int flag) {
    ZedFigure figure{};
    figure.kind = ZED_FIG_ARC;
    figure.v[0] = cx;
    figure.v[1] = cy;
    figure.v[2] = sx;
    figure.v[3] = sy;
    figure.v[4] = ex;
    figure.v[5] = ey;
    figure.v[6] = std::hypot(sx - cx, sy - cy);
    SetArcFlag(figure, flag);
    return figure;
}

ZedFigure Circle(double cx, double cy, double radius) {
    ZedFigure figure{};
    figure.kind = ZED_FIG_CIRCLE;
    figure.v[0] = cx;
    figure.v[1] = cy;
    figure.v[6] = radius;
    return figure;
}

int32_t ArcFlag(const ZedFigure& figure) {
    int32_t flag = 0;
    std::memcpy(&flag, reinterpret_cast<const unsigned char*>(&figure) + kFlagOffset, sizeof flag);
    return flag;
}

void SetArcFlag(ZedFigure& figure, int32_t flag) {
    std::memcpy(reinterpret_cast<unsigned char*>(&figure) + kFlagOffset, &flag, sizeof flag);
}

ZedId AddSegment(int type, int layer) {
    if (type < ZED_SGM_FIGURE || type > ZED_SGM_NOTE || FindLayer(layer) == nullptr) {
        return -1;
    }
    return MakeSegment(type, layer).id;
}

ZedId AddFigure(ZedId segment, const ZedFigure& figure, const ZedLineType2* attributes, bool storedReversed) {
    Segment* target = FindSegment(segment);
    if (target == nullptr || !AppendProblem(*target, figure, true).empty() ||
        (storedReversed && figure.kind == ZED_FIG_CIRCLE)) {
        return -1;
    }
    return PlaceElement(*target, target->chain.size(), storedReversed ? TurnedRound(figure) : figure,
                        attributes != nullptr ? *attributes : ZedLineType2{}, storedReversed);
}

ZedId AddOutline(int layer, const std::vector<ZedFigure>& figures, bool closed, const ZedLineType2* attributes,
                 const std::vector<bool>& storedReversed) {
    if (FindLayer(layer) == nullptr || !LayoutChainValid(figures, closed) ||
        (!storedReversed.empty() && storedReversed.size() != figures.size())) {
        return -1;
    }
    Segment& segment = MakeSegment(ZED_SGM_FIGURE, layer);
    for (size_t i = 0; i < figures.size(); ++i) {
        const bool reversed = !storedReversed.empty() && storedReversed[i] && figures[i].kind != ZED_FIG_CIRCLE;
        PlaceElement(segment, segment.chain.size(), reversed ? TurnedRound(figures[i]) : figures[i],
                     attributes != nullptr ? *attributes : ZedLineType2{}, reversed);
    }
    segment.closed = segment.closed || closed;
    return segment.id;
}

ZedId AddFillet(ZedId element, double radius) {
    const std::optional<LineCorner> corner = FindLineCorner(element);
    if (!corner || !(radius > kTolerance)) {
        return -1;
    }
    // The arc touches both lines; its centre lies on the bisector of the
    // corner, and it turns the way the chain turns there.
    const double cosTurn = corner->in.x * corner->out.x + corner->in.y * corner->out.y;
    const double turn = std::acos(std::clamp(cosTurn, -1.0, 1.0));
    const double setBack = radius * std::tan(turn / 2);
    if (setBack >= corner->inLength - kTolerance || setBack >= corner->outLength - kTolerance) {
        return -1;
    }
    const ZedPoint cutIn{corner->vertex.x - setBack * corner->in.x, corner->vertex.y - setBack * corner->in.y};
    const ZedPoint cutOut{corner->vertex.x + setBack * corner->out.x, corner->vertex.y + setBack * corner->out.y};
    const bool left = corner->in.x * corner->out.y - corner->in.y * corner->out.x > 0;
    // The centre is the radius away from the first line, on the inside of the turn.
    const ZedPoint normal = left ? ZedPoint{-corner->in.y, corner->in.x} : ZedPoint{corner->in.y, -corner->in.x};
    const ZedPoint centre{cutIn.x + radius * normal.x, cutIn.y + radius * normal.y};
    ZedFigure fillet = Arc(centre.x, centre.y, cutIn.x, cutIn.y, cutOut.x, cutOut.y, left ? ZED_ARC_CCW : ZED_ARC_CW);
    fillet.kind = ZED_FIG_FILLET;
    fillet.v[6] = radius;
    if (!FigureProblem(fillet).empty()) {
        return -1;
    }
    return PlaceCorner(*corner, element, cutIn, cutOut, fillet);
}

ZedId AddChamfer(ZedId element, double distance) {
    const std::optional<LineCorner> corner = FindLineCorner(element);
    if (!corner || !(distance > kTolerance) || distance >= corner->inLength - kTolerance ||
        distance >= corner->outLength - kTolerance) {
        return -1;
    }
    const ZedPoint cutIn{corner->vertex.x - distance * corner->in.x, corner->vertex.y - distance * corner->in.y};
    const ZedPoint cutOut{corner->vertex.x + distance * corner->out.x, corner->vertex.y + distance * corner->out.y};
    ZedFigure chamfer = Line(cutIn.x, cutIn.y, cutOut.x, cutOut.y);
    chamfer.kind = ZED_FIG_CHAMFER;
    return PlaceCorner(*corner, element, cutIn, cutOut, chamfer);
}

void SetOutlineListMergesCollinear(bool merge) { State().mergeCollinearInOutlineList = merge; }

}  // namespace emu
