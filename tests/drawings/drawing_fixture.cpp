#include "tests/drawings/drawing_fixture.h"

#include <algorithm>
#include <sstream>

#include "base/line_pick.h"
#include "patterns/plane_a.h"
#include "patterns/plane_b.h"
#include "patterns/plane_c.h"
#include "patterns/plane_d.h"
#include "patterns/side_a.h"
#include "patterns/side_b.h"
#include "patterns/side_c.h"

namespace {

ZedString Number(double value) {
    std::ostringstream text;
    text << value;
    return emu::FromUtf8(text.str());
}

}  // namespace

void DrawingTest::UseSizes(const Sizes& z) {
    ShoulderSettingsRecord& s = ShoulderSettings;
    s.mMainWidth = z.width;
    s.mMainProtrude = z.protrude;
    s.mMainHeight = z.height;
    s.PA_IsWidthValue = z.widthValueOn ? 1 : 0;
    s.PA_WidthValue = z.widthValue;
    s.PA_WidthValueDistance = z.distance;
    s.PA_IsHoleDraw = s.PB_IsHoleDraw = s.PC_IsHoleDraw = z.hole ? 1 : 0;
    s.PA_Hole = s.PB_Hole = s.PC_Hole = z.shapedHole ? 1 : 0;
    s.PA_HoleDir = s.PB_HoleDir = s.PC_HoleDir = z.holeDir;
    s.PA_HoleWidth = s.PB_HoleWidth = s.PC_HoleWidth = Number(z.clearance);
    s.PA_IsLineDraw = s.PB_IsLineDraw = s.SA_IsLineDraw = s.SB_IsLineDraw = z.lineDraw ? 1 : 0;
    s.PA_LineValue = s.PB_LineValue = s.PC_LineValue = s.PD_LineValue = s.SA_LineValue = s.SB_LineValue =
        z.lineValue;
    s.PA_Color = s.PB_Color = s.PC_Color = s.PD_Color = s.SA_Color = s.SB_Color = z.colour;
    s.PA_LType = s.PB_LType = s.PC_LType = s.PD_LType = s.SA_LType = s.SB_LType = z.lineType;
    s.PD_IsSlotDraw = z.slot ? 1 : 0;
    s.PD_SlotR = Number(z.slotR);
    s.PD_SlotColor = z.slotColour;
    s.PD_SlotLType = z.slotLineType;
    s.SB_DisplayWidth = z.displayWidth;
    s.SB_DisplayProtrude = z.displayProtrude;
    s.SB_DisplayColor = z.displayColour;
    s.SB_DisplayLType = z.displayLineType;
}

ZedId DrawingTest::LayOut(const PickedPlate& plate, const Placement& placement, PlateLine& line, ZedId& element) {
    std::vector<ZedPoint> corners;
    for (ZedPoint p : plate.corners) {
        corners.push_back(placement.Apply(p));
    }
    // A mirror image keeps the corners' order, so that its outline runs round
    // the other way and the picked line the other way along its edge.
    const ZedId outline = plate::AddPolygon(kPlateLayer, corners, placement.clockwise, placement.storedReversed);
    element = plate::LineBetween(outline, placement.Apply(plate.a), placement.Apply(plate.b));
    EXPECT_GT(element, 0) << "no line between the points";
    line.chain = ChainAsLaidOut(outline);
    const std::vector<ZedId> ids = emu::Chain(outline);
    line.picked = static_cast<size_t>(std::find(ids.begin(), ids.end(), element) - ids.begin());
    line.pick = placement.Apply(plate.pick);
    line.layer = kPlateLayer;
    line.holeLayer = kHoleLayer;
    // The side test: a point 0.001 left of the line's middle, as the chain runs.
    const XElement& l = line.chain[line.picked];
    const double length = plate::Dist(l.a, l.b);
    const ZedPoint probe{(l.a.x + l.b.x) / 2 - 0.001 * (l.b.y - l.a.y) / length,
                         (l.a.y + l.b.y) / 2 + 0.001 * (l.b.x - l.a.x) / length};
    line.leftOut = plate::Locate(plate::Polygon(plate::Figures(outline)), probe) == plate::Where::Outside;
    return outline;
}

bool DrawingTest::Build(Pattern pattern, ZedId element, ZedId outline, ZedPoint pick) {
    Picks().linePick = LinePick{pick, element, outline, 0, 0};
    switch (pattern) {
        case Pattern::PlaneA: return BuildPlaneA(element, outline, 0);
        case Pattern::PlaneB: return BuildPlaneB(pick, element, outline, 0);
        case Pattern::PlaneC: return BuildPlaneC(element, outline, 0);
        case Pattern::PlaneD: return BuildPlaneD(element, outline, 0);
        case Pattern::SideA: return BuildSideA(pick, element, outline, 0);
        case Pattern::SideB: return BuildSideB(pick, element, outline, 0);
        case Pattern::SideC: return BuildSideC(pick, element, outline, 0);
        case Pattern::SideD: break;
    }
    return false;
}

bool DrawingTest::Change(Pattern pattern, int editMode, double value) {
    Picks().editMode = editMode;
    switch (pattern) {
        case Pattern::PlaneA: return RebuildPlaneA(Picks().editMode, value);
        case Pattern::PlaneB: return RebuildPlaneB(Picks().editMode, value);
        case Pattern::PlaneC: return RebuildPlaneC(Picks().editMode, value);
        case Pattern::PlaneD: return RebuildPlaneD(Picks().editMode, value);
        case Pattern::SideA: return RebuildSideA(Picks().editMode, value);
        case Pattern::SideB: return RebuildSideB(Picks().editMode, value);
        case Pattern::SideC: return RebuildSideC(Picks().editMode, value);
        case Pattern::SideD: break;
    }
    return false;
}
