// The patterns on outlines of growing size, each on the long bottom edge
// of a plate whose top edge is cut into many pieces: pattern A with ten width
// changes (narrower and wider in turn, one of them over the whole edge and
// back), pattern B with ten width and distance changes, patterns C and D with
// ten depth changes (D's alternating with slot radius changes), side patterns A
// and B with ten offset and length changes (B's also display lengths) and side
// pattern C with ten width, distance and depth changes. Laying out the drawing
// is not timed.
#include <benchmark/benchmark.h>

#include <vector>

#include "command/command_flow.h"
#include "command/command_state.h"
#include "command/line_pick.h"
#include "emuhost/emu_api.h"
#include "geometry/plane_a.h"
#include "geometry/plane_b.h"
#include "geometry/plane_c.h"
#include "geometry/plane_d.h"
#include "geometry/side_a.h"
#include "geometry/side_b.h"
#include "geometry/side_c.h"
#include "geometry/shoulder_memory.h"
#include "holes/hole_state.h"
#include "settings/shoulder_settings.h"

namespace {

constexpr int kLayer = 50;

// A closed plate of the given number of elements: the bottom edge from (0, 0)
// to (1000, 0), the right side, the top edge in pieces, the left side.
ZedId Plate(int elements) {
    const int pieces = elements - 3;
    std::vector<ZedFigure> figures{emu::Line(0, 0, 1000, 0), emu::Line(1000, 0, 1000, 100)};
    for (int i = 0; i < pieces; ++i) {
        const double from = 1000.0 - 1000.0 * i / pieces;
        const double to = 1000.0 - 1000.0 * (i + 1) / pieces;
        figures.push_back(emu::Line(from, 100, to, 100));
    }
    figures.push_back(emu::Line(0, 100, 0, 0));
    return emu::AddOutline(kLayer, figures, true);
}

void FreshDrawing() {
    emu::Reset();
    ResetCommandState();
    ResetShoulderMemory();
    ResetHoleState();
    emu::AddLayer(0);
    emu::AddLayer(3);
    emu::AddLayer(kLayer);
    RegisterLedgewright();  // works out the installation folder with the hole masters
    ShoulderSettingsRecord& s = ShoulderSettings;
    s.mMainWidth = 20.0;
    s.mMainProtrude = 5.0;
    s.mMainHeight = 2.0;
    s.PA_IsWidthValue = 1;
    s.PA_WidthValue = 10.0;
    s.PA_WidthValueDistance = 0.5;
    s.PA_IsHoleDraw = 1;
    s.PA_Hole = 0;
    s.PA_HoleLayer = ZED_TEXT("3");
    s.PA_HoleWidth = ZED_TEXT("0.5");
    s.PA_IsLineDraw = 1;
    s.PB_IsHoleDraw = 1;
    s.PB_Hole = 0;
    s.PB_HoleLayer = ZED_TEXT("3");
    s.PB_HoleWidth = ZED_TEXT("0.5");
    s.PB_IsLineDraw = 1;
    s.PC_IsHoleDraw = 1;
    s.PC_HoleLayer = ZED_TEXT("3");
    s.PC_HoleWidth = ZED_TEXT("0.5");
    s.PD_IsSlotDraw = 1;
    s.PD_SlotLayer = ZED_TEXT("3");
    s.PD_SlotR = ZED_TEXT("3.0");
    s.SA_IsLineDraw = 1;
    s.SB_IsLineDraw = 1;
    s.SB_DisplayWidth = 1.5;
    s.SB_DisplayProtrude = 0.3;
}

// The outline sizes measured: plates imported from other programs often carry
// thousands of short pieces.
void OutlineSizes(benchmark::internal::Benchmark* benchmark) {
    for (const int elements : {10, 100, 1000, 10000}) {
        benchmark->Arg(elements);
    }
}

// Widths typed one after the other: in place, over the whole edge, back.
constexpr double kWidths[10] = {10.0, 30.0, 15.0, 1000.0, 40.0, 25.0, 12.0, 60.0, 8.0, 20.0};

void BM_BuildAndTenWidthChanges(benchmark::State& state) {
    const int elements = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        FreshDrawing();
        const ZedId plate = Plate(elements);
        const ZedId bottom = emu::Chain(plate).front();
        state.ResumeTiming();

        bool done = BuildPlaneA(bottom, plate, 0);
        Picks().editMode = kEditSecond;
        for (double width : kWidths) {
            done = RebuildPlaneA(width) && done;
        }
        if (!done) {
            state.SkipWithError("a build or rebuild failed");
            break;
        }
    }
    state.SetComplexityN(elements);
}
BENCHMARK(BM_BuildAndTenWidthChanges)->Apply(OutlineSizes)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);

void BM_Build(benchmark::State& state) {
    const int elements = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        FreshDrawing();
        const ZedId plate = Plate(elements);
        const ZedId bottom = emu::Chain(plate).front();
        state.ResumeTiming();
        if (!BuildPlaneA(bottom, plate, 0)) {
            state.SkipWithError("the build failed");
            break;
        }
    }
    state.SetComplexityN(elements);
}
BENCHMARK(BM_Build)->Apply(OutlineSizes)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);

// Pattern B picked 120 from the bottom edge's start, then ten changes of
// width and distance in turn (the hole moves with every one).
constexpr double kPlaneBValues[10] = {10.0, 300.0, 30.0, 40.0, 15.0, 600.0, 8.0, 120.0, 20.0, 200.0};

void BM_PlaneBBuildAndTenChanges(benchmark::State& state) {
    const int elements = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        FreshDrawing();
        const ZedId plate = Plate(elements);
        const ZedId bottom = emu::Chain(plate).front();
        const ZedPoint picked{120.4, 0.0};
        Picks().linePick = LinePick{picked, bottom, plate, 0, 0};
        state.ResumeTiming();

        bool done = BuildPlaneB(picked, bottom, plate, 0);
        for (int i = 0; i < 10; ++i) {
            Picks().editMode = i % 2 == 0 ? kEditSecond : kEditThird;
            done = RebuildPlaneB(kPlaneBValues[i]) && done;
        }
        if (!done) {
            state.SkipWithError("a build or rebuild failed");
            break;
        }
    }
    state.SetComplexityN(elements);
}
BENCHMARK(BM_PlaneBBuildAndTenChanges)->Arg(10)->Arg(100)->Arg(1000)->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

void BM_PlaneBBuild(benchmark::State& state) {
    const int elements = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        FreshDrawing();
        const ZedId plate = Plate(elements);
        const ZedId bottom = emu::Chain(plate).front();
        state.ResumeTiming();
        if (!BuildPlaneB(ZedPoint{120.4, 0.0}, bottom, plate, 0)) {
            state.SkipWithError("the build failed");
            break;
        }
    }
    state.SetComplexityN(elements);
}
BENCHMARK(BM_PlaneBBuild)->Arg(10)->Arg(100)->Arg(1000)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);

// Plan pattern C (or D, with its slot): a build and ten changes, depths for C,
// depths and slot radii in turn for D.
template <bool PlaneD>
void BM_RaisedChainBuildAndTenChanges(benchmark::State& state) {
    const int elements = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        FreshDrawing();
        const ZedId plate = Plate(elements);
        const ZedId bottom = emu::Chain(plate).front();
        state.ResumeTiming();

        bool done = PlaneD ? BuildPlaneD(bottom, plate, 0) : BuildPlaneC(bottom, plate, 0);
        for (int i = 0; i < 10; ++i) {
            const bool radius = PlaneD && i % 2 == 1;
            Picks().editMode = radius ? kEditSecond : kEditFirst;
            const double value = radius ? 2.0 + i : 3.0 + i;
            done = (PlaneD ? RebuildPlaneD(value) : RebuildPlaneC(value)) && done;
        }
        if (!done) {
            state.SkipWithError("a build or rebuild failed");
            break;
        }
    }
    state.SetComplexityN(elements);
}
BENCHMARK(BM_RaisedChainBuildAndTenChanges<false>)->Name("BM_PlaneCBuildAndTenChanges")->Arg(10)->Arg(100)
    ->Arg(1000)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RaisedChainBuildAndTenChanges<true>)->Name("BM_PlaneDBuildAndTenChanges")->Arg(10)->Arg(100)
    ->Arg(1000)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);

// Side pattern A (or B, with its display part): the step at the bottom edge's
// start, then ten changes, offsets and lengths in turn (B's every third a
// display length).
template <bool SideB>
void BM_SideStepBuildAndTenChanges(benchmark::State& state) {
    const int elements = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        FreshDrawing();
        const ZedId plate = Plate(elements);
        const ZedId bottom = emu::Chain(plate).front();
        const ZedPoint picked{3.0, 0.0};
        Picks().linePick = LinePick{picked, bottom, plate, 0, 0};
        state.ResumeTiming();

        bool done = SideB ? BuildSideB(picked, bottom, plate, 0) : BuildSideA(picked, bottom, plate, 0);
        for (int i = 0; i < 10; ++i) {
            const bool display = SideB && i % 3 == 2;
            Picks().editMode = display ? kEditThird : i % 2 == 0 ? kEditFirst : kEditSecond;
            const double value = display ? 1.0 + i : i % 2 == 0 ? 3.0 + i : 20.0 + 10.0 * i;
            done = (SideB ? RebuildSideB(value) : RebuildSideA(value)) && done;
        }
        if (!done) {
            state.SkipWithError("a build or rebuild failed");
            break;
        }
    }
    state.SetComplexityN(elements);
}
BENCHMARK(BM_SideStepBuildAndTenChanges<false>)->Name("BM_SideABuildAndTenChanges")->Arg(10)->Arg(100)
    ->Arg(1000)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SideStepBuildAndTenChanges<true>)->Name("BM_SideBBuildAndTenChanges")->Arg(10)->Arg(100)
    ->Arg(1000)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);

// Side pattern C picked 120.4 from the bottom edge's start (the recess 121
// from it), then ten changes of width, distance and depth in turn.
constexpr double kSideCValues[10] = {10.0, 300.0, 4.0, 40.0, 15.0, 8.0, 20.0, 600.0, 3.0, 25.0};

void BM_SideCBuildAndTenChanges(benchmark::State& state) {
    const int elements = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        FreshDrawing();
        const ZedId plate = Plate(elements);
        const ZedId bottom = emu::Chain(plate).front();
        state.ResumeTiming();

        bool done = BuildSideC(ZedPoint{120.4, 0.0}, bottom, plate, 0);
        constexpr int kModes[3] = {kEditSecond, kEditThird, kEditFirst};
        for (int i = 0; i < 10; ++i) {
            Picks().editMode = kModes[i % 3];
            done = RebuildSideC(kSideCValues[i]) && done;
        }
        if (!done) {
            state.SkipWithError("a build or rebuild failed");
            break;
        }
    }
    state.SetComplexityN(elements);
}
BENCHMARK(BM_SideCBuildAndTenChanges)->Arg(10)->Arg(100)->Arg(1000)->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
