#include "tests/support/shaped_hole_access.h"

bool TestCreateShapedHole(ZedId outline, ZedPoint centreB, ZedPoint centreA, double halfWidth,
                          Pattern pattern) {
    if constexpr (build_profile::kShapedHoles) {
        return CreateShapedHole(outline, centreB, centreA, halfWidth, pattern);
    } else {
        return false;
    }
}

bool TestRebuildShapedHole() {
    if constexpr (build_profile::kShapedHoles) {
        return RebuildShapedHole();
    } else {
        return false;
    }
}

ShapedHoleMemory TestShapedHoleMemory() {
    if constexpr (build_profile::kShapedHoles) {
        return LastShapedHole();
    } else {
        return {};
    }
}
