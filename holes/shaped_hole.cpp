#include "holes/shaped_hole.h"

#include "base/messages.h"
#include "base/report.h"
#include "geometry/direction_angle.h"
#include "geometry/figure_record.h"
#include "geometry/vec2.h"
#include "holes/hole_layer.h"
#include "holes/hole_master.h"
#include "holes/hole_pattern.h"
#include "holes/hole_state.h"
#include "settings/shoulder_settings.h"

namespace {

// Makes the hole over the outline from the master's data with the memory's
// layer, side and depth, and makes it the current hole. A refusal is reported
// on the error line and leaves the current hole -1.
void MakeHoleOverOutline(ZedHoleData& data, ZedId outline) {
    const ShapedHoleMemory& memory = LastShapedHole();
    ZedHoleShape& shape = *data.shape;
    shape.layer = memory.layer;
    WriteDrillingSide(shape, memory.fromBelow);
    shape.flag = 0;
    shape.depth = memory.depth;
    const ZedSgmRef reference{1, outline};
    const ZedId hole = ZedHolCreateFigHole(&reference, &data);
    if (hole == -1) {
        ReportError(kMsgShapedHoleNotCreated01);
    } else if (ZedHolGetHoleId(&reference) == -1) {
        // A host that draws the hole as a copy of the outline leaves the
        // outline beside it, and nothing would ever delete it with the
        // shoulder: it goes now (a rebuild draws a new one from the memory).
        // A host that takes the outline into the hole keeps it there.
        ZedSgmDeleteSegment(outline);
    }
    FreeHoleData(data);
    if (AdoptHole(hole)) {
        TagShoulderWithHole();
    }
}

// An outline that cannot be drawn gives no hole: the same report as a hole the
// host refuses, and no current hole.
void ReportOutlineNotDrawn() {
    ReportError(kMsgShapedHoleNotCreated01);
    Holes().currentHole = -1;
}

}  // namespace

bool ShapedHoleOutline(ZedPoint centreB, ZedPoint centreA, double halfWidth, ZedId& segment) {
    const double t = DirectionAngle(centreB, centreA);
    const double quarter = Pi() / 2.0;
    const ZedPoint left = halfWidth * AtAngle(t + quarter);
    const ZedPoint right = halfWidth * AtAngle(t - quarter);
    const ZedPoint leftB = centreB + left, leftA = centreA + left;
    const ZedPoint rightB = centreB + right, rightA = centreA + right;

    segment = ZedSgmCreateSegment(ZED_SGM_FIGURE, 0);
    if (segment == -1) {
        return false;
    }
    // Each insert goes in front of the element made just before, so the chain
    // closes as: end about A, right side, end about B, left side.
    const ZedFigure leftSide = MakeLine(leftB, leftA);
    const ZedFigure endB = MakeArc(centreB, rightB, leftB, halfWidth, ZED_ARC_CW);
    const ZedFigure rightSide = MakeLine(rightA, rightB);
    const ZedFigure endA = MakeArc(centreA, leftA, rightA, halfWidth, ZED_ARC_CW);
    ZedId element = ZedFigCreateFigure(segment, &leftSide);
    for (const ZedFigure* figure : {&endB, &rightSide, &endA}) {
        if (element == -1) {
            return false;
        }
        element = ZedFigInsertFigure(element, figure);
    }
    return element != -1 && ZedFigSetClosed(segment, 1) != -1;
}

bool CreateShapedHole(ZedId outlineSegment, ZedPoint centreB, ZedPoint centreA, double halfWidth,
                      Pattern pattern) {
    const HolePattern* row = HolePatternOf(pattern);
    ZedId layer = 0;
    if (row == nullptr || !ResolveHoleLayer(outlineSegment, HoleLayerText(*row), layer)) {
        return false;
    }
    ZedId outline = -1;
    const bool drawn = ShapedHoleOutline(centreB, centreA, halfWidth, outline);
    ZedHoleData data{};
    if (drawn && !ReadHoleMaster(HoleMaster::Shaped, data)) {
        return false;  // the outline stays in the drawing
    }
    ShapedHoleMemory& memory = LastShapedHole();
    memory.outline = ZedSgmRef{1, outline};
    memory.layer = layer;
    memory.centreB = centreB;
    memory.centreA = centreA;
    memory.halfWidth = halfWidth;
    memory.fromBelow = DrillingSide(*row) != 0 ? 1 : 0;
    memory.depth = ShoulderSettings.mMainHeight;
    memory.askedFor = true;
    if (drawn) {
        MakeHoleOverOutline(data, outline);
    } else {
        ReportOutlineNotDrawn();
    }
    return true;
}

bool RebuildShapedHole() {
    ShapedHoleMemory& memory = LastShapedHole();
    if (Holes().currentHole != -1) {
        ZedSgmRef first{};
        if (!FirstHoleSegment(Holes().currentHole, first) || ZedSgmDeleteSegment(first.segment) == -1) {
            return false;
        }
        ForgetDeletedHole(first.segment);
    } else if (!memory.askedFor) {
        return false;
    }
    // Without a current hole (the host refused it) there is nothing to delete:
    // the hole is made now, so that no change of the shoulder waits on a hole
    // that is not there.
    ZedSgmDeleteSegment(memory.outline.segment);  // the old outline may be gone already

    ZedId outline = -1;
    const bool drawn = ShapedHoleOutline(memory.centreB, memory.centreA, memory.halfWidth, outline);
    memory.outline = ZedSgmRef{1, outline};
    if (!drawn) {
        ReportOutlineNotDrawn();
        return true;
    }
    ZedHoleData data{};
    if (!ReadHoleMaster(HoleMaster::Shaped, data)) {
        return false;
    }
    MakeHoleOverOutline(data, outline);
    return true;
}

bool RebuildShapedHoleAt(ZedPoint centreB, ZedPoint centreA, double halfWidth) {
    ShapedHoleMemory& memory = LastShapedHole();
    memory.centreB = centreB;
    memory.centreA = centreA;
    memory.halfWidth = halfWidth;
    return RebuildShapedHole();
}
