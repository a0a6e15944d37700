// What the tests that run in both builds ask of the build profile.
#ifndef LEDGEWRIGHT_TESTS_SUPPORT_BUILD_PROFILE_TEST_H
#define LEDGEWRIGHT_TESTS_SUPPORT_BUILD_PROFILE_TEST_H

#include "base/build_profile.h"

// Ends a test whose remaining checks are of Delete mode, which the legacy
// build does not have; what came before ran in both builds.
#define END_HERE_WITHOUT_DELETE_MODE()          \
    if constexpr (!build_profile::kTagging) { \
        return;                               \
    }

#endif  // LEDGEWRIGHT_TESTS_SUPPORT_BUILD_PROFILE_TEST_H
