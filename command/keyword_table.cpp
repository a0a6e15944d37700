#include "command/keyword_table.h"

#include <vector>

#include "base/build_profile.h"
#include "command/dialogue_states.h"
#include "command/pick_dialogue.h"

std::span<const KeywordRow> KeywordTable() {
    static const std::vector<KeywordRow> rows = [] {
        std::vector<KeywordRow> made;
        for (Pattern pattern : kAllPatterns) {
            made.push_back({PatternKeyword(pattern), pattern, LinePickReadyOf(pattern)});
        }
        // The older host keeps no shoulder attributes, so its build has no
        // Delete mode and Delete is no keyword.
        if constexpr (build_profile::kTagging) {
            made.push_back({ZED_TEXT("Delete"), std::nullopt, DeleteModeReady});
        }
        return made;
    }();
    return rows;
}
