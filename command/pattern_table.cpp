#include "command/pattern_table.h"

#include "command/messages.h"
#include "command/temporary_elements.h"
#include "geometry/plane_a.h"

namespace {

bool BuildPlaneAFromPick(const LinePick& pick) { return BuildPlaneA(pick.element, pick.segment, pick.instance); }

// Dimension pick of the plan patterns with holes: line-length dimensions and
// leader notes.
constexpr std::array<int32_t, ZED_FILTER_SIZE> kPlanHoleDimensionFilter{12, 0, 1, 8, 0};

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
