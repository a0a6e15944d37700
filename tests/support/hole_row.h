// The hole row of a pattern for tests that drive the hole operations
// directly; a pattern without a row fails the test at once.
#ifndef LEDGEWRIGHT_TESTS_SUPPORT_HOLE_ROW_H
#define LEDGEWRIGHT_TESTS_SUPPORT_HOLE_ROW_H

#include <cstdlib>

#include <gtest/gtest.h>

#include "holes/hole_pattern.h"

inline const HolePattern& HoleRow(Pattern pattern) {
    const HolePattern* row = HolePatternOf(pattern);
    if (row == nullptr) {
        ADD_FAILURE() << "no hole row for the pattern";
        std::abort();
    }
    return *row;
}

#endif  // LEDGEWRIGHT_TESTS_SUPPORT_HOLE_ROW_H
