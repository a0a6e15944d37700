// The fixture of the plan-pattern-A tests: a fresh emulated host with the
// plates' layer and the hole layer, the hole masters of the build folder, the
// pattern's settings set in the record as the loaders would, and shortcuts to
// build on a plate's line and to read what the build left.
#ifndef LEDGEWRIGHT_TESTS_PLANEA_PLANEA_FIXTURE_H
#define LEDGEWRIGHT_TESTS_PLANEA_PLANEA_FIXTURE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/line_pick.h"
#include "base/temporary_elements.h"
#include "emuhost/emu_api.h"
#include "geometry/shoulder_memory.h"
#include "geometry/unfinished_change.h"
#include "holes/hole_state.h"
#include "patterns/plane_a.h"
#include "patterns/plane_b.h"
#include "settings/shoulder_settings.h"
#include "tests/planea/plate_drawing.h"
#include "tests/support/plugin_test.h"

class PlaneATest : public PluginTest {
protected:
    static constexpr int kPlateLayer = 50;
    static constexpr int kHoleLayer = 3;

    void SetUp() override {
        PluginTest::SetUp();
        ResetHoleState();
        emu::AddLayer(0);
        emu::AddLayer(kHoleLayer);
        emu::AddLayer(kPlateLayer);
        emu::SetCurrentLayer(0);
        // Registration works out the installation folder that holds zed_ap/.
        Register();
        UseDefaultSettings();
    }

    void TearDown() override {
        ResetHoleState();
        ResetShoulderMemory();
        PluginTest::TearDown();
    }

    // Width 20, protrusion 5, height 2; short lines up to 10 inset by 0.5; an
    // MC hole with clearance 0.5 on layer 3; a cut line in the picked line's
    // colour.
    static void UseDefaultSettings() {
        ShoulderSettingsRecord& s = ShoulderSettings;
        s.mMainProtrude = 5.0;
        s.mMainWidth = 20.0;
        s.mMainHeight = 2.0;
        s.PA_IsWidthValue = 1;
        s.PA_WidthValue = 10.0;
        s.PA_WidthValueDistance = 0.5;
        s.PA_IsHoleDraw = 1;
        s.PA_Hole = 0;
        s.PA_HoleLayer = ZED_TEXT("3");
        s.PA_HoleDir = 0;
        s.PA_HoleWidth = ZED_TEXT("0.5");
        s.PA_IsLineDraw = 1;
        s.PA_LineValue = 0;
        s.PA_Color = 4;
        s.PA_LType = 2;
        // Pattern B the same, under its own names.
        s.PB_IsHoleDraw = 1;
        s.PB_Hole = 0;
        s.PB_HoleLayer = ZED_TEXT("3");
        s.PB_HoleDir = 0;
        s.PB_HoleWidth = ZED_TEXT("0.5");
        s.PB_IsLineDraw = 1;
        s.PB_LineValue = 0;
        s.PB_Color = 4;
        s.PB_LType = 2;
        // Plan pattern C: an MC hole with the same clearance, the picked
        // line's attributes on the chain.
        s.PC_IsHoleDraw = 1;
        s.PC_Hole = 0;
        s.PC_HoleLayer = ZED_TEXT("3");
        s.PC_HoleDir = 0;
        s.PC_HoleWidth = ZED_TEXT("0.5");
        s.PC_LineValue = 0;
        s.PC_Color = 9;
        s.PC_LType = 5;
        // Plan pattern D: a slot of radius 3 on layer 3, the chain in its own
        // colour and line type.
        s.PD_IsSlotDraw = 1;
        s.PD_SlotLayer = ZED_TEXT("3");
        s.PD_SlotR = ZED_TEXT("3.0");
        s.PD_SlotColor = 6;
        s.PD_SlotLType = 1;
        s.PD_LineValue = 1;
        s.PD_Color = 9;
        s.PD_LType = 5;
        // Side patterns A and B: cut lines, A's in the picked line's colour,
        // B's in colour 4 and line type 2; B's display part of the defaults
        // in colour 6 and line type 1.
        s.SA_IsLineDraw = 1;
        s.SA_LineValue = 0;
        s.SA_Color = 4;
        s.SA_LType = 2;
        s.SB_IsLineDraw = 1;
        s.SB_LineValue = 1;
        s.SB_Color = 4;
        s.SB_LType = 2;
        s.SB_DisplayWidth = 1.5;
        s.SB_DisplayProtrude = 0.3;
        s.SB_DisplayColor = 6;
        s.SB_DisplayLType = 1;
    }

    ZedId AddPlate(const std::vector<ZedPoint>& ccw, bool clockwise) {
        const ZedId segment = plate::AddPolygon(kPlateLayer, ccw, clockwise);
        EXPECT_GT(segment, 0);
        return segment;
    }

    // Builds on the plate's line between a and b, as a pick on it would.
    static bool BuildOn(ZedId segment, ZedPoint a, ZedPoint b) {
        const ZedId line = plate::LineBetween(segment, a, b);
        EXPECT_GT(line, 0) << "no line between the points";
        return BuildPlaneA(line, segment, 0);
    }

    static bool Rebuild(int editMode, double value) {
        Picks().editMode = editMode;
        return RebuildPlaneA(Picks().editMode, value);
    }

    // Pattern B on the plate's line between a and b, picked at the point, as
    // the line pick records it.
    static bool BuildBOn(ZedId segment, ZedPoint a, ZedPoint b, ZedPoint picked) {
        const ZedId line = plate::LineBetween(segment, a, b);
        EXPECT_GT(line, 0) << "no line between the points";
        Picks().linePick = LinePick{picked, line, segment, 0, 0};
        return BuildPlaneB(picked, line, segment, 0);
    }

    static bool RebuildB(int editMode, double value) {
        Picks().editMode = editMode;
        return RebuildPlaneB(Picks().editMode, value);
    }

    static ZedLengthDim Dimension(int slot) {
        ZedDimRecord record{};
        EXPECT_TRUE(emu::DimensionOf(TemporaryElements()[slot].id, &record)) << "slot " << slot;
        return record.length;
    }

    // The arrow and text points of a note.
    static ZedLeader Note(int slot) {
        ZedLeader leader{};
        EXPECT_NE(ZedCmtGetComment(TemporaryElements()[slot].id, &leader), -1) << "slot " << slot;
        return leader;
    }

    static ZedHoleShape CurrentHoleShape() {
        ZedHoleShape shape{};
        EXPECT_TRUE(emu::HoleShapeOf(Holes().currentHole, &shape));
        return shape;
    }

    // The centre of the current hole: the circle among its segments' figures.
    static ZedPoint CurrentHoleCentre() {
        for (ZedId segment : emu::HoleSegments(Holes().currentHole)) {
            for (ZedId element : emu::Chain(segment)) {
                const ZedFigure f = emu::FigureOf(element);
                if (f.kind == ZED_FIG_CIRCLE) {
                    return ZedPoint{f.v[0], f.v[1]};
                }
            }
        }
        ADD_FAILURE() << "the current hole has no circle";
        return ZedPoint{};
    }

    static std::vector<std::string> Errors() { return TextsOn(emu::Channel::Error); }
};

#endif  // LEDGEWRIGHT_TESTS_PLANEA_PLANEA_FIXTURE_H
