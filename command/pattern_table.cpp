#include "command/pattern_table.h"

#include "base/messages.h"
#include "base/temporary_elements.h"
#include "command/side_d_pick.h"
#include "patterns/plane_a.h"
#include "patterns/plane_b.h"
#include "patterns/plane_c.h"
#include "patterns/plane_d.h"
#include "patterns/side_a.h"
#include "patterns/side_b.h"
#include "patterns/side_c.h"

namespace {

bool BuildPlaneAFromPick(const LinePick& pick) { return BuildPlaneA(pick.element, pick.segment, pick.instance); }
bool BuildPlaneBFromPick(const LinePick& pick) {
    return BuildPlaneB(pick.point, pick.element, pick.segment, pick.instance);
}
bool BuildPlaneCFromPick(const LinePick& pick) { return BuildPlaneC(pick.element, pick.segment, pick.instance); }
bool BuildPlaneDFromPick(const LinePick& pick) { return BuildPlaneD(pick.element, pick.segment, pick.instance); }
bool BuildSideAFromPick(const LinePick& pick) {
    return BuildSideA(pick.point, pick.element, pick.segment, pick.instance);
}
bool BuildSideBFromPick(const LinePick& pick) {
    return BuildSideB(pick.point, pick.element, pick.segment, pick.instance);
}
bool BuildSideCFromPick(const LinePick& pick) {
    return BuildSideC(pick.point, pick.element, pick.segment, pick.instance);
}

// Dimension pick of the plan patterns with holes: line-length dimensions and
// leader notes.
constexpr std::array<int32_t, ZED_FILTER_SIZE> kPlanHoleDimensionFilter{12, 0, 1, 8, 0};
// Dimension pick of plan pattern D: its length and radius dimensions.
constexpr std::array<int32_t, ZED_FILTER_SIZE> kPlaneDDimensionFilter{4, 0, 17, 0, 0};
// Dimension pick of the side patterns: their length dimensions.
constexpr std::array<int32_t, ZED_FILTER_SIZE> kSideDimensionFilter{4, 0, 1, 0, 0};

std::span<const PatternRow> Rows() {
    static const PatternRow rows[] = {
        {.pattern = Pattern::PlaneA,
         .linePickPrompt = kPromptPlaneALinePick,
         .build = BuildPlaneAFromPick,
         .rebuild = RebuildPlaneA,
         .dimensionPickFilter = kPlanHoleDimensionFilter,
         .slotStorage = {{{kSlotFirstDimension, kEditFirst},
                          {kSlotSecondDimension, kEditSecond},
                          {kSlotSideNote, kEditSideNote},
                          {kSlotDepthNote, kEditDepthNote}}},
         .slotCount = 4,
         .kindStorage = {ZED_DIM_LINE_LENGTH},
         .kindCount = 1},
        {.pattern = Pattern::PlaneB,
         .linePickPrompt = kPromptPlaneBLinePick,
         .build = BuildPlaneBFromPick,
         .rebuild = RebuildPlaneB,
         .dimensionPickFilter = kPlanHoleDimensionFilter,
         .slotStorage = {{{kSlotFirstDimension, kEditFirst},
                          {kSlotSecondDimension, kEditSecond},
                          {kSlotThirdDimension, kEditThird},
                          {kSlotSideNote, kEditSideNote},
                          {kSlotDepthNote, kEditDepthNote}}},
         .slotCount = 5,
         .kindStorage = {ZED_DIM_LINE_LENGTH},
         .kindCount = 1},
        {.pattern = Pattern::PlaneC,
         .linePickPrompt = kPromptPlaneCLinePick,
         .build = BuildPlaneCFromPick,
         .rebuild = RebuildPlaneC,
         .dimensionPickFilter = kPlanHoleDimensionFilter,
         .slotStorage = {{{kSlotFirstDimension, kEditFirst},
                          {kSlotSideNote, kEditSideNote},
                          {kSlotDepthNote, kEditDepthNote}}},
         .slotCount = 3,
         .kindStorage = {ZED_DIM_LINE_LENGTH},
         .kindCount = 1},
        {.pattern = Pattern::PlaneD,
         .linePickPrompt = kPromptPlaneDLinePick,
         .build = BuildPlaneDFromPick,
         .rebuild = RebuildPlaneD,
         .dimensionPickFilter = kPlaneDDimensionFilter,
         .slotStorage = {{{kSlotFirstDimension, kEditFirst}, {kSlotSecondDimension, kEditSecond}}},
         .slotCount = 2,
         .kindStorage = {ZED_DIM_LINE_LENGTH, ZED_DIM_RADIUS},
         .kindCount = 2},
        {.pattern = Pattern::SideA,
         .linePickPrompt = kPromptSideALinePick,
         .build = BuildSideAFromPick,
         .rebuild = RebuildSideA,
         .dimensionPickFilter = kSideDimensionFilter,
         .slotStorage = {{{kSlotFirstDimension, kEditFirst}, {kSlotSecondDimension, kEditSecond}}},
         .slotCount = 2,
         .kindStorage = {ZED_DIM_LINE_LENGTH},
         .kindCount = 1},
        {.pattern = Pattern::SideB,
         .linePickPrompt = kPromptSideBLinePick,
         .build = BuildSideBFromPick,
         .rebuild = RebuildSideB,
         .dimensionPickFilter = kSideDimensionFilter,
         .slotStorage = {{{kSlotFirstDimension, kEditFirst},
                          {kSlotSecondDimension, kEditSecond},
                          {kSlotThirdDimension, kEditThird}}},
         .slotCount = 3,
         .kindStorage = {ZED_DIM_LINE_LENGTH},
         .kindCount = 1},
        {.pattern = Pattern::SideC,
         .linePickPrompt = kPromptSideCLinePick,
         .build = BuildSideCFromPick,
         .rebuild = RebuildSideC,
         .dimensionPickFilter = kSideDimensionFilter,
         .slotStorage = {{{kSlotFirstDimension, kEditFirst},
                          {kSlotSecondDimension, kEditSecond},
                          {kSlotThirdDimension, kEditThird}}},
         .slotCount = 3,
         .kindStorage = {ZED_DIM_LINE_LENGTH},
         .kindCount = 1},
        {.pattern = Pattern::SideD,
         .linePickPrompt = kPromptSideDLinePick,
         .build = SideDLinePicked,
         .drawsShoulder = false,
         .rebuild = nullptr,
         .dimensionPickFilter = {},
         .slotStorage = {},
         .slotCount = 0,
         .kindStorage = {},
         .kindCount = 0},
    };
    return rows;
}

}  // namespace

const PatternRow* PatternRowOf(Pattern pattern) {
    for (const PatternRow& row : Rows()) {
        if (row.pattern == pattern) {
            return &row;
        }
    }
    return nullptr;
}

bool AcceptsDimensionKind(const PatternRow& row, int32_t kind) {
    for (int32_t accepted : row.DimensionKinds()) {
        if (accepted == kind) {
            return true;
        }
    }
    return false;
}
