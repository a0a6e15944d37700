// The shaped hole as the tests that run in both builds reach it. The legacy
// build has no shaped hole: its tests of the shaped hole skip, and these
// stand-ins keep the shaped hole's calls out of its test programs.
#ifndef LEDGEWRIGHT_TESTS_SUPPORT_SHAPED_HOLE_ACCESS_H
#define LEDGEWRIGHT_TESTS_SUPPORT_SHAPED_HOLE_ACCESS_H

#include <gtest/gtest.h>

#include "base/build_profile.h"
#include "holes/shaped_hole.h"

#define SKIP_WITHOUT_SHAPED_HOLES()                                   \
    if constexpr (!build_profile::kShapedHoles) {                     \
        GTEST_SKIP() << "the legacy build has no shaped hole";        \
    }

// CreateShapedHole, RebuildShapedHole and the shaped-hole memory; false and an
// empty memory in the legacy build.
bool TestCreateShapedHole(ZedId outline, ZedPoint centreB, ZedPoint centreA, double halfWidth,
                          Pattern pattern);
bool TestRebuildShapedHole();
ShapedHoleMemory TestShapedHoleMemory();

#endif  // LEDGEWRIGHT_TESTS_SUPPORT_SHAPED_HOLE_ACCESS_H
