// The shoulder patterns, each keyed once and described once: the keyword
// table, the dialogue's rows, the hole rows, the settings tables, the pattern
// panels, the chooser's rows and the pictures all name a pattern by its
// `Pattern` value and read what they show of it from its description here.
#ifndef LEDGEWRIGHT_BASE_PATTERN_H
#define LEDGEWRIGHT_BASE_PATTERN_H

#include <array>
#include <cstddef>
#include <optional>

#include "base/messages.h"
#include "host/zedtext.h"

enum class Pattern { PlaneA, PlaneB, PlaneC, PlaneD, SideA, SideB, SideC, SideD };

// The view a pattern draws on; the chooser groups its rows by it.
enum class PatternView { Plan, Side };

struct PatternDescription {
    Pattern pattern;
    // The keyword typed at the host's prompt (also the text that the hole and
    // note makers carry for the pattern).
    const ZedChar* keyword;
    PatternView view;
    // The chooser row's text beside its view; null for a pattern the chooser
    // lists no row for (its item is reached only through a stored item number).
    const ZedChar* chooserCaption;
    // The size of the pattern's picture in pixels (the module's bitmap
    // kBitmapPlaneA + the pattern's place).
    int pictureWidth;
    int pictureHeight;
};

// In the patterns' order: a pattern's value is its place here. The chooser's
// item numbers, which it stores (mMainItemNo), follow from this order: the plan
// view's listed patterns, a separator row, the side view's, then the patterns
// without a row; a pattern listed in the plan view moves the side view's.
inline constexpr PatternDescription kPatternDescriptions[] = {
    {Pattern::PlaneA, ZED_TEXT("PlaneA"), PatternView::Plan, kCapRowPlaneA, 146, 146},
    {Pattern::PlaneB, ZED_TEXT("PlaneB"), PatternView::Plan, kCapRowPlaneB, 146, 146},
    {Pattern::PlaneC, ZED_TEXT("PlaneC"), PatternView::Plan, kCapRowPlaneC, 146, 146},
    {Pattern::PlaneD, ZED_TEXT("PlaneD"), PatternView::Plan, kCapRowPlaneD, 146, 146},
    {Pattern::SideA, ZED_TEXT("SideA"), PatternView::Side, kCapRowSideA, 146, 146},
    {Pattern::SideB, ZED_TEXT("SideB"), PatternView::Side, kCapRowSideB, 146, 146},
    {Pattern::SideC, ZED_TEXT("SideC"), PatternView::Side, kCapRowSideC, 146, 145},
    {Pattern::SideD, ZED_TEXT("SideD"), PatternView::Side, nullptr, 146, 145},
};

inline constexpr size_t kPatternCount = std::size(kPatternDescriptions);

constexpr std::array<Pattern, kPatternCount> AllPatterns() {
    std::array<Pattern, kPatternCount> all{};
    for (size_t i = 0; i < kPatternCount; ++i) {
        all[i] = kPatternDescriptions[i].pattern;
    }
    return all;
}
inline constexpr std::array<Pattern, kPatternCount> kAllPatterns = AllPatterns();

constexpr bool EveryPatternAtItsPlace() {
    for (size_t i = 0; i < kPatternCount; ++i) {
        if (static_cast<size_t>(kPatternDescriptions[i].pattern) != i) {
            return false;
        }
    }
    return true;
}
static_assert(EveryPatternAtItsPlace(), "tables indexed by pattern rely on a pattern's value being its place");

constexpr const PatternDescription& DescriptionOf(Pattern pattern) {
    return kPatternDescriptions[static_cast<size_t>(pattern)];
}

constexpr const ZedChar* PatternKeyword(Pattern pattern) { return DescriptionOf(pattern).keyword; }

// The pattern whose keyword this is (compared exactly), or none.
std::optional<Pattern> PatternOfKeyword(const ZedString& keyword);

#endif  // LEDGEWRIGHT_BASE_PATTERN_H
