// The hole row of a keyword for tests that drive the hole operations directly;
// a keyword without a row fails the test at once.
#ifndef LEDGEWRIGHT_TESTS_SUPPORT_HOLE_ROW_H
#define LEDGEWRIGHT_TESTS_SUPPORT_HOLE_ROW_H

#include <cstdlib>

#include <gtest/gtest.h>

#include "holes/hole_pattern.h"

inline const HolePattern& HoleRow(const ZedString& keyword) {
    const HolePattern* row = HolePatternOf(keyword);
    if (row == nullptr) {
        ADD_FAILURE() << "no hole row for the keyword";
        std::abort();
    }
    return *row;
}

#endif  // LEDGEWRIGHT_TESTS_SUPPORT_HOLE_ROW_H
