// Everything in which the legacy build (for the older release of the host,
// CMake option LEDGEWRIGHT_LEGACY) differs from the current build, asked by
// the code as constants. Besides these, the legacy build leaves out the files
// listed under LEDGEWRIGHT_LEGACY in CMakeLists.txt (the shaped hole, shoulder
// tagging and Delete mode), whose calls the older host does not have.
//
// The text type follows the same switch: ZedChar (host/zedtext.h) is narrow
// code-page-949 text in the legacy build and wide text in the current one, and
// the platform calls that take text are chosen by overloads on ZedChar.
#ifndef LEDGEWRIGHT_BASE_BUILD_PROFILE_H
#define LEDGEWRIGHT_BASE_BUILD_PROFILE_H

#include "host/zedlib.h"

namespace build_profile {

inline constexpr bool kLegacy = ZED_LEGACY != 0;

// Plan patterns A to C choose between the MC hole and the shaped hole (the
// values PA_Hole, PB_Hole, PC_Hole and the panels' hole-kind list); the legacy
// build makes the MC hole only.
inline constexpr bool kShapedHoles = !kLegacy;

// Finished shoulders carry attributes, and the keyword Delete starts Delete
// mode; in the legacy build Delete ends the command like any other text.
inline constexpr bool kTagging = !kLegacy;

// Event mask at the pattern prompt: typed text, and with the current host any
// click too.
inline constexpr uint32_t kPatternPromptMask = kLegacy ? ZED_MASK_KEYIN : (ZED_MASK_KEYIN | ZED_MASK_POINT);

// The chooser: the current one has the Delete button and reopens where it was
// left; the legacy one has no button, opens at its template position and
// places its upper group lower.
enum class ChooserVariant { Current, Legacy };
inline constexpr ChooserVariant kChooser = kLegacy ? ChooserVariant::Legacy : ChooserVariant::Current;

}  // namespace build_profile

#endif  // LEDGEWRIGHT_BASE_BUILD_PROFILE_H
