// The shoulder patterns, each keyed once: the dialogue's rows, the hole rows
// and the keyword table all name a pattern by this value, and its keyword text
// is derived from it.
#ifndef LEDGEWRIGHT_BASE_PATTERN_H
#define LEDGEWRIGHT_BASE_PATTERN_H

#include <array>
#include <optional>

#include "host/zedtext.h"

enum class Pattern { PlaneA, PlaneB, PlaneC, PlaneD, SideA, SideB, SideC, SideD };

inline constexpr std::array kAllPatterns{Pattern::PlaneA, Pattern::PlaneB, Pattern::PlaneC, Pattern::PlaneD,
                                         Pattern::SideA,  Pattern::SideB,  Pattern::SideC,  Pattern::SideD};
// Tables indexed by pattern rely on a pattern's value being its place here.
static_assert(static_cast<size_t>(kAllPatterns.back()) + 1 == kAllPatterns.size());

// The keyword typed at the host's prompt for the pattern (also the text that
// the hole and note makers carry for it).
constexpr const ZedChar* PatternKeyword(Pattern pattern) {
    switch (pattern) {
        case Pattern::PlaneA: return ZED_TEXT("PlaneA");
        case Pattern::PlaneB: return ZED_TEXT("PlaneB");
        case Pattern::PlaneC: return ZED_TEXT("PlaneC");
        case Pattern::PlaneD: return ZED_TEXT("PlaneD");
        case Pattern::SideA: return ZED_TEXT("SideA");
        case Pattern::SideB: return ZED_TEXT("SideB");
        case Pattern::SideC: return ZED_TEXT("SideC");
        case Pattern::SideD: return ZED_TEXT("SideD");
    }
    return ZED_TEXT("");
}

// The pattern whose keyword this is (compared exactly), or none.
std::optional<Pattern> PatternOfKeyword(const ZedString& keyword);

#endif  // LEDGEWRIGHT_BASE_PATTERN_H
