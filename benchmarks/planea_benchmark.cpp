// Every pattern on outlines of growing size, each on the long bottom edge of a
// plate whose top edge is cut into many pieces: a build alone, a build and ten
// changes, and a build then Delete. The changes: plan pattern A ten widths
// (narrower and wider in turn, one of them over the whole edge and back), B
// widths and distances, C depths, D depths and slot radii in turn, side A and
// B offsets and lengths (B's every third a display length), side C widths,
// distances and depths. Laying out the drawing and starting the command for
// Delete are not timed.
//
// Beside the time, each benchmark reports the host calls the plug-in made:
// per build (calls_build), per change (calls_per_change) and per Delete
// (calls_delete), counted in the emulated host's call log.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/line_pick.h"
#include "command/command_flow.h"
#include "command/command_state.h"
#include "emuhost/emu_api.h"
#include "geometry/shoulder_memory.h"
#include "patterns/plane_a.h"
#include "patterns/plane_b.h"
#include "patterns/plane_c.h"
#include "patterns/plane_d.h"
#include "patterns/side_a.h"
#include "patterns/side_b.h"
#include "patterns/side_c.h"
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

void UseSettings() {
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

void FreshDrawing() {
    emu::Reset();
    ResetPluginRecords();
    emu::AddLayer(0);
    emu::AddLayer(3);
    emu::AddLayer(kLayer);
    RegisterLedgewright();  // works out the installation folder with the hole
                            // masters
    UseSettings();
}

// One pattern: its build on the bottom edge, and its ten changes (the edit
// mode picked, then the value typed).
struct Change {
    int editMode;
    double value;
};
struct Pattern {
    ZedPoint picked;   // where the bottom edge is picked
    bool recordsPick;  // whose rebuilds read the line pick record
    bool (*build)(ZedPoint picked, ZedId element, ZedId segment);
    bool (*rebuild)(int editMode, double value);
    Change changes[10];
};

// Widths typed one after the other: in place, over the whole edge, back.
const Pattern kPlaneA{{500.0, 0.0},
                      false,
                      [](ZedPoint, ZedId element, ZedId segment) { return BuildPlaneA(element, segment, 0); },
                      RebuildPlaneA,
                      {{kEditSecond, 10.0},
                       {kEditSecond, 30.0},
                       {kEditSecond, 15.0},
                       {kEditSecond, 1000.0},
                       {kEditSecond, 40.0},
                       {kEditSecond, 25.0},
                       {kEditSecond, 12.0},
                       {kEditSecond, 60.0},
                       {kEditSecond, 8.0},
                       {kEditSecond, 20.0}}};

// Picked 120 from the bottom edge's start; widths and distances in turn (the
// hole moves with every one).
const Pattern kPlaneB{
    {120.4, 0.0},
    true,
    [](ZedPoint picked, ZedId element, ZedId segment) { return BuildPlaneB(picked, element, segment, 0); },
    RebuildPlaneB,
    {{kEditSecond, 10.0},
     {kEditThird, 300.0},
     {kEditSecond, 30.0},
     {kEditThird, 40.0},
     {kEditSecond, 15.0},
     {kEditThird, 600.0},
     {kEditSecond, 8.0},
     {kEditThird, 120.0},
     {kEditSecond, 20.0},
     {kEditThird, 200.0}}};

const Pattern kPlaneC{{500.0, 0.0},
                      false,
                      [](ZedPoint, ZedId element, ZedId segment) { return BuildPlaneC(element, segment, 0); },
                      RebuildPlaneC,
                      {{kEditFirst, 3.0},
                       {kEditFirst, 4.0},
                       {kEditFirst, 5.0},
                       {kEditFirst, 6.0},
                       {kEditFirst, 7.0},
                       {kEditFirst, 8.0},
                       {kEditFirst, 9.0},
                       {kEditFirst, 10.0},
                       {kEditFirst, 11.0},
                       {kEditFirst, 12.0}}};

// Depths and slot radii in turn.
const Pattern kPlaneD{{500.0, 0.0},
                      false,
                      [](ZedPoint, ZedId element, ZedId segment) { return BuildPlaneD(element, segment, 0); },
                      RebuildPlaneD,
                      {{kEditFirst, 3.0},
                       {kEditSecond, 3.0},
                       {kEditFirst, 5.0},
                       {kEditSecond, 5.0},
                       {kEditFirst, 7.0},
                       {kEditSecond, 7.0},
                       {kEditFirst, 9.0},
                       {kEditSecond, 9.0},
                       {kEditFirst, 11.0},
                       {kEditSecond, 11.0}}};

// The step at the bottom edge's start; offsets and lengths in turn.
const Pattern kSideA{
    {3.0, 0.0},
    true,
    [](ZedPoint picked, ZedId element, ZedId segment) { return BuildSideA(picked, element, segment, 0); },
    RebuildSideA,
    {{kEditFirst, 3.0},
     {kEditSecond, 30.0},
     {kEditFirst, 5.0},
     {kEditSecond, 50.0},
     {kEditFirst, 7.0},
     {kEditSecond, 70.0},
     {kEditFirst, 9.0},
     {kEditSecond, 90.0},
     {kEditFirst, 11.0},
     {kEditSecond, 110.0}}};

// As side A, every third change a display length.
const Pattern kSideB{
    {3.0, 0.0},
    true,
    [](ZedPoint picked, ZedId element, ZedId segment) { return BuildSideB(picked, element, segment, 0); },
    RebuildSideB,
    {{kEditFirst, 3.0},
     {kEditSecond, 30.0},
     {kEditThird, 3.0},
     {kEditSecond, 50.0},
     {kEditFirst, 7.0},
     {kEditThird, 6.0},
     {kEditFirst, 9.0},
     {kEditSecond, 90.0},
     {kEditThird, 9.0},
     {kEditSecond, 110.0}}};

// Picked 120.4 from the bottom edge's start (the recess 121 from it); widths,
// distances and depths in turn.
const Pattern kSideC{
    {120.4, 0.0},
    false,
    [](ZedPoint picked, ZedId element, ZedId segment) { return BuildSideC(picked, element, segment, 0); },
    RebuildSideC,
    {{kEditSecond, 10.0},
     {kEditThird, 300.0},
     {kEditFirst, 4.0},
     {kEditSecond, 40.0},
     {kEditThird, 15.0},
     {kEditFirst, 8.0},
     {kEditSecond, 20.0},
     {kEditThird, 600.0},
     {kEditFirst, 3.0},
     {kEditSecond, 25.0}}};

// A fresh drawing with the plate, the bottom edge picked: the plate's segment
// and the edge.
struct Laid {
    ZedId plate;
    ZedId bottom;
};
Laid LayOut(const Pattern& pattern, int elements) {
    FreshDrawing();
    const ZedId plate = Plate(elements);
    const ZedId bottom = emu::Chain(plate).front();
    if (pattern.recordsPick) {
        Picks().linePick = LinePick{pattern.picked, bottom, plate, 0, 0};
    }
    return Laid{plate, bottom};
}

// The timed work, each part in a function of its own so that a profiler can
// count it alone (valgrind --tool=callgrind --toggle-collect='*Timed*'); each
// counts the host calls it makes.
[[gnu::noinline]] bool TimedBuild(const Pattern& pattern, const Laid& laid, int& calls) {
    emu::ResetCallLog();
    const bool built = pattern.build(pattern.picked, laid.bottom, laid.plate);
    calls = emu::CallCount();
    return built;
}

[[gnu::noinline]] bool TimedChanges(const Pattern& pattern, int& calls) {
    bool done = true;
    calls = 0;
    for (const Change& change : pattern.changes) {
        emu::ResetCallLog();
        Picks().editMode = change.editMode;
        done = pattern.rebuild(Picks().editMode, change.value) && done;
        calls += emu::CallCount();
    }
    return done;
}

[[gnu::noinline]] bool TimedDeletePick(ZedId element, int& calls) {
    emu::ResetCallLog();
    const bool picked = emu::PickElement(element);
    calls = emu::CallCount();
    return picked;
}

void BM_Build(benchmark::State& state, const Pattern& pattern) {
    const int elements = static_cast<int>(state.range(0));
    int calls = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const Laid laid = LayOut(pattern, elements);
        state.ResumeTiming();
        if (!TimedBuild(pattern, laid, calls)) {
            state.SkipWithError("the build failed");
            break;
        }
    }
    state.counters["calls_build"] = calls;
    state.SetComplexityN(elements);
}

void BM_BuildAndTenChanges(benchmark::State& state, const Pattern& pattern) {
    const int elements = static_cast<int>(state.range(0));
    int buildCalls = 0;
    int changeCalls = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const Laid laid = LayOut(pattern, elements);
        state.ResumeTiming();
        const bool built = TimedBuild(pattern, laid, buildCalls);
        const bool changed = TimedChanges(pattern, changeCalls);
        if (!built || !changed) {
            state.SkipWithError("a build or change failed");
            break;
        }
    }
    state.counters["calls_build"] = buildCalls;
    state.counters["calls_per_change"] = changeCalls / 10.0;
    state.SetComplexityN(elements);
}

// Build, then Delete as the user does it: in Delete mode, the shoulder's first
// side picked. The command's start and the typed keyword are not timed; the
// pick and the Delete it makes are.
void BM_BuildAndDelete(benchmark::State& state, const Pattern& pattern) {
    const int elements = static_cast<int>(state.range(0));
    int buildCalls = 0;
    int deleteCalls = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const Laid laid = LayOut(pattern, elements);
        state.ResumeTiming();
        const bool built = TimedBuild(pattern, laid, buildCalls);
        state.PauseTiming();
        const ShoulderMemory& shoulder = Shoulder();
        const ZedId side = shoulder.firstSide.ref.id != -1 ? shoulder.firstSide.ref.id : shoulder.innerSide.ref.id;
        const bool started = built && emu::StartCommand() && emu::Type("Delete");
        state.ResumeTiming();
        const bool picked = started && TimedDeletePick(side, deleteCalls);
        state.PauseTiming();
        emu::EndCommand();
        // Delete gives the plate back as it was laid out.
        const bool restored =
            emu::SegmentClosed(laid.plate) && emu::Chain(laid.plate).size() == static_cast<size_t>(elements);
        state.ResumeTiming();
        if (!picked || !restored) {
            state.SkipWithError("the build or Delete failed");
            break;
        }
    }
    state.counters["calls_build"] = buildCalls;
    state.counters["calls_delete"] = deleteCalls;
    state.SetComplexityN(elements);
}

// The outline sizes measured: plates imported from other programs often carry
// thousands of short pieces.
void OutlineSizes(benchmark::internal::Benchmark* benchmark) {
    for (const int elements : {10, 100, 1000, 10000}) {
        benchmark->Arg(elements);
    }
    benchmark->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);
}

struct Named {
    const char* name;
    const Pattern* pattern;
};
const Named kPatterns[] = {{"PlaneA", &kPlaneA}, {"PlaneB", &kPlaneB}, {"PlaneC", &kPlaneC}, {"PlaneD", &kPlaneD},
                           {"SideA", &kSideA},   {"SideB", &kSideB},   {"SideC", &kSideC}};

}  // namespace

int main(int argc, char** argv) {
    // Delete mode starts the command, which reads and writes the settings:
    // a store of the benchmark's own, never the user's.
    const std::filesystem::path store = std::filesystem::temp_directory_path() / "ledgewright-benchmark.reg";
    setenv("ZED_REGISTRY_FILE", store.c_str(), 1);
    for (const Named& named : kPatterns) {
        const std::string name = named.name;
        const Pattern& pattern = *named.pattern;
        benchmark::RegisterBenchmark(("BM_Build/" + name).c_str(), BM_Build, pattern)->Apply(OutlineSizes);
        benchmark::RegisterBenchmark(("BM_BuildAndTenChanges/" + name).c_str(), BM_BuildAndTenChanges, pattern)
            ->Apply(OutlineSizes);
        benchmark::RegisterBenchmark(("BM_BuildAndDelete/" + name).c_str(), BM_BuildAndDelete, pattern)
            ->Apply(OutlineSizes);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(store);
    return 0;
}
