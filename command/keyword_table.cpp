#include "command/keyword_table.h"

#include "base/build_profile.h"
#include "command/dialogue_states.h"
#include "command/pick_dialogue.h"
#include "settings/loaders.h"

namespace {

constexpr KeywordRow PatternKeywordRow(Pattern pattern, void (*loadSettings)(), ZedReadyFunc ready) {
    return {PatternKeyword(pattern), pattern, loadSettings, ready};
}

// Rows whose state is not built yet carry no ready function: typing their
// keyword loads the settings and ends the command.
#define LEDGEWRIGHT_PATTERN_ROWS \
    PatternKeywordRow(Pattern::PlaneA, LoadPlaneASettings, PlaneALinePickReady), \
    PatternKeywordRow(Pattern::PlaneB, LoadPlaneBSettings, PlaneBLinePickReady), \
    PatternKeywordRow(Pattern::PlaneC, LoadPlaneCSettings, PlaneCLinePickReady), \
    PatternKeywordRow(Pattern::PlaneD, LoadPlaneDSettings, PlaneDLinePickReady), \
    PatternKeywordRow(Pattern::SideA, LoadSideASettings, SideALinePickReady), \
    PatternKeywordRow(Pattern::SideB, LoadSideBSettings, SideBLinePickReady), \
    PatternKeywordRow(Pattern::SideC, nullptr, SideCLinePickReady), \
    PatternKeywordRow(Pattern::SideD, nullptr, SideDLinePickReady)

constexpr KeywordRow kPatternRows[] = {LEDGEWRIGHT_PATTERN_ROWS};

}  // namespace

std::span<const KeywordRow> KeywordTable() {
    if constexpr (build_profile::kTagging) {
        static constexpr KeywordRow withDelete[] = {
            LEDGEWRIGHT_PATTERN_ROWS,
            {ZED_TEXT("Delete"), std::nullopt, nullptr, DeleteModeReady},
        };
        return withDelete;
    } else {
        // The older host keeps no shoulder attributes, so its build has no
        // Delete mode and Delete is no keyword.
        return kPatternRows;
    }
}
