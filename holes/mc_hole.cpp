#include "holes/mc_hole.h"

#include <array>

#include "base/line_pick.h"
#include "base/messages.h"
#include "base/report.h"
#include "holes/hole_layer.h"
#include "holes/hole_master.h"
#include "holes/hole_pattern.h"
#include "holes/hole_state.h"
#include "settings/shoulder_settings.h"

namespace {

// The hole's figures read when looking for its circle.
constexpr int kHoleFigureCapacity = 100;

// Reads the current hole's data, or shows the message box and fails.
bool ReadCurrentHoleData(ZedHoleData& data) {
    data = ZedHoleData{};
    if (ZedHolGetHoleData(Holes().currentHole, &data) == -1) {
        return ReportInBox(kMsgHoleDataNotRead);
    }
    if (data.shape == nullptr) {
        FreeHoleData(data);
        return ReportInBox(kMsgHoleDataNotRead);
    }
    return true;
}

// Writes one field of the current hole through its data.
template <typename Change>
bool AmendCurrentHole(Change change) {
    ZedHoleData data{};
    if (!ReadCurrentHoleData(data)) {
        return false;
    }
    change(*data.shape);
    const bool amended = ZedHolAmendHoleData(Holes().currentHole, &data) != -1;
    FreeHoleData(data);
    if (!amended) {
        ReportInBox(kMsgHoleDataNotAmended);
    }
    return amended;
}

// Makes an MC hole at the centre with the given depth and drilling side on
// the pattern's hole layer for the outline's layer, and makes it the current
// hole. A hole the host refuses is reported and still counts as success.
bool MakeMcHole(ZedId outlineSegment, ZedPoint centre, double radius, Pattern pattern, double depth,
                int fromBelow) {
    // A pattern without a hole row draws nothing rather than another pattern's hole.
    const HolePattern* row = HolePatternOf(pattern);
    ZedId layer = 0;
    if (row == nullptr || !ResolveHoleLayer(outlineSegment, HoleLayerText(*row), layer)) {
        return false;
    }
    ZedHoleData data{};
    if (!ReadHoleMaster(HoleMaster::Mc, data)) {
        return false;
    }
    ZedHoleShape& shape = *data.shape;
    shape.diameter = 2.0 * radius;
    shape.layer = layer;
    WriteDrillingSide(shape, fromBelow);
    shape.flag = 0;
    shape.depth = depth;
    const ZedId hole = ZedHolCreateHole(0, &centre, &data);
    if (hole == -1) {
        ReportError(kMsgMcHoleNotCreated01);
    }
    FreeHoleData(data);
    AdoptHole(hole);
    return true;
}

}  // namespace

bool CreateMcHole(ZedId outlineSegment, ZedPoint centre, double radius, Pattern pattern) {
    const HolePattern* row = HolePatternOf(pattern);
    if (row != nullptr) {
        // A new shoulder's hole: as deep as the shoulder is high, from the pattern's side.
        Holes().depth = ShoulderSettings.mMainHeight;
        Holes().fromBelow = DrillingSide(*row) != 0 ? 1 : 0;
    }
    return MakeMcHole(outlineSegment, centre, radius, pattern, Holes().depth, Holes().fromBelow);
}

bool RemakeMcHole(ZedId outlineSegment, ZedPoint centre, double radius, Pattern pattern) {
    return MakeMcHole(outlineSegment, centre, radius, pattern, Holes().depth, Holes().fromBelow);
}

bool FitMcHole(ZedId outlineSegment, ZedPoint centre, double radius, Pattern pattern, bool centreMoved) {
    if (Holes().currentHole == -1) {
        return RemakeMcHole(outlineSegment, centre, radius, pattern);
    }
    return centreMoved ? MoveMcHole(centre, radius, pattern) : SetMcHoleDiameter(radius);
}

bool SetMcHoleDiameter(double radius) {
    return AmendCurrentHole([radius](ZedHoleShape& shape) { shape.diameter = 2.0 * radius; });
}

bool SetMcHoleDepth(double depth) {
    if (!AmendCurrentHole([depth](ZedHoleShape& shape) { shape.depth = depth; })) {
        return false;
    }
    Holes().depth = depth;
    return true;
}

bool FindHoleCentre(const ZedSgmRef& holeSegment, ZedPoint& centre) {
    const ZedId hole = ZedHolGetHoleId(&holeSegment);
    if (hole == -1) {
        return false;
    }
    ZedHoleData data{};
    if (ZedHolGetHoleData(hole, &data) == -1) {
        return false;
    }
    std::array<ZedFigure, kHoleFigureCapacity> figures{};
    const ZedFigRef segment{0, holeSegment.segment};
    const int count = ZedFigGetFigure2(&segment, figures.data(), kHoleFigureCapacity);
    bool found = false;
    for (int i = 0; i < count && !found; ++i) {
        if (figures[static_cast<size_t>(i)].kind == ZED_FIG_CIRCLE) {
            centre = ZedPoint{figures[static_cast<size_t>(i)].v[0], figures[static_cast<size_t>(i)].v[1]};
            found = true;
        }
    }
    FreeHoleData(data, HoleFreeCall::Second);
    return found;
}

bool RebuildMcHole(int drillingSide) {
    // The side asked for is the hole's from now on, also when the hole cannot
    // be made now: the side note shows it, and a hole made later follows it.
    Holes().fromBelow = drillingSide != 0 ? 1 : 0;
    ZedHoleData old{};
    if (!ReadCurrentHoleData(old)) {
        return false;
    }
    // The hole's segment goes with the hole; a hole without a circle has no
    // centre to make the new one at. These fail without a message.
    ZedSgmRef first{};
    ZedPoint centre{};
    if (!FirstHoleSegment(Holes().currentHole, first) || !FindHoleCentre(first, centre) ||
        ZedSgmDeleteSegment(first.segment) == -1) {
        FreeHoleData(old);
        return false;
    }
    ForgetDeletedHole(first.segment);

    ZedHoleData made{};
    if (!ReadHoleMaster(HoleMaster::Mc, made)) {
        FreeHoleData(old);
        return false;
    }
    made.shape->diameter = old.shape->diameter;
    made.shape->layer = old.shape->layer;
    made.shape->flag = old.shape->flag;
    made.shape->depth = old.shape->depth;
    WriteDrillingSide(*made.shape, drillingSide);
    const ZedId hole = ZedHolCreateHole(0, &centre, &made);
    FreeHoleData(old);
    FreeHoleData(made);
    if (hole == -1) {
        return ReportInBox(kMsgMcHoleNotRemade);
    }
    if (AdoptHole(hole)) {
        TagShoulderWithHole();
    }
    return true;
}

bool MoveMcHole(ZedPoint centre, double radius, Pattern pattern) {
    if (!SetMcHoleDiameter(radius)) {
        return false;
    }
    ZedSgmRef first{};
    if (!FirstHoleSegment(Holes().currentHole, first)) {
        return ReportInBox(kMsgHoleSegmentsNotRead);
    }
    if (ZedSgmDeleteSegment(first.segment) == -1) {
        return ReportInBox(kMsgHoleNotDeleted);
    }
    ForgetDeletedHole(first.segment);
    if (!RemakeMcHole(Picks().linePick.segment, centre, radius, pattern)) {
        return ReportInBox(kMsgHoleNotCreated);
    }
    return true;
}
