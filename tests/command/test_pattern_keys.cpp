// Patterns are keyed once: every keyword that leads to a dialogue finds its own
// row of the pattern table, and a hole row is found only for the patterns that
// draw a hole, never another pattern's.
#include <gtest/gtest.h>

#include "command/keyword_table.h"
#include "command/pattern_table.h"

TEST(PatternKeys, EveryDialogueKeywordFindsItsOwnRow) {
    for (const KeywordRow& row : KeywordTable()) {
        if (!row.pattern) {
            continue;
        }
        EXPECT_EQ(PatternOfKeyword(row.keyword), row.pattern) << "keyword and pattern disagree";
        if (row.ready == nullptr) {
            continue;
        }
        const PatternRow* dialogue = PatternRowOf(*row.pattern);
        ASSERT_NE(dialogue, nullptr) << "no dialogue row for a keyword with a line pick";
        EXPECT_EQ(dialogue->pattern, *row.pattern);
    }
}

TEST(PatternKeys, HoleRowsOnlyForPatternsWithHoles) {
    for (Pattern pattern : kAllPatterns) {
        const bool hasHole = pattern == Pattern::PlaneA || pattern == Pattern::PlaneB || pattern == Pattern::PlaneC;
        const HolePattern* hole = HolePatternOf(pattern);
        EXPECT_EQ(hole != nullptr, hasHole) << static_cast<int>(pattern);
        if (hole != nullptr) {
            EXPECT_EQ(hole->pattern, pattern);
        }
    }
}
