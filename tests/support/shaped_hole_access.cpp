#include "tests/support/shaped_hole_access.h"

bool TestCreateShapedHole(ZedId outline, ZedPoint centreB, ZedPoint centreA, double halfWidth,
                          const ZedString& keyword) {
    if constexpr (build_profile::kShapedHoles) {
        return CreateShapedHole(outline, centreB, centreA, halfWidth, keyword);
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
