// The pattern panels are made from their descriptions (ui/panel_layouts.h);
// each pattern's panel is a class of its own, named for the pattern.
#include <cstddef>
#include <utility>

#include "ui/panel_layouts.h"
#include "ui/pattern_panel.h"

namespace {

// Makes the panel class of the pattern asked for: one comparison per pattern,
// each with its own class, so that no pattern needs a case written here.
template <size_t... Place>
std::unique_ptr<PatternPanel> MakePanelOf(Pattern pattern, std::index_sequence<Place...>) {
    std::unique_ptr<PatternPanel> made;
    ((pattern == kAllPatterns[Place] ? void(made = std::make_unique<PatternPanelOf<kAllPatterns[Place]>>())
                                     : void()),
     ...);
    return made;
}

}  // namespace

std::unique_ptr<PatternPanel> MakePatternPanel(Pattern pattern) {
    if (PanelOf(pattern) == nullptr) {
        return nullptr;
    }
    return MakePanelOf(pattern, std::make_index_sequence<kPatternCount>{});
}
