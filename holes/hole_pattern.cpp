#include "holes/hole_pattern.h"

#include "base/messages.h"

namespace {

using S = ShoulderSettingsRecord;

const HolePattern kPlaneA{.pattern = Pattern::PlaneA,
                          .holeKind = &S::PA_Hole,
                          .drillingSide = &S::PA_HoleDir,
                          .layerText = &S::PA_HoleLayer,
                          .depthNotSet = kMsgHoleDepthNotSetA1,
                          .depthNoteNotSet = kMsgHoleDepthNotSetA2};
const HolePattern kPlaneB{.pattern = Pattern::PlaneB,
                          .holeKind = &S::PB_Hole,
                          .drillingSide = &S::PB_HoleDir,
                          .layerText = &S::PB_HoleLayer,
                          .depthNotSet = kMsgHoleDepthNotSetB1,
                          .depthNoteNotSet = kMsgHoleDepthNotSetB2};
const HolePattern kPlaneC{.pattern = Pattern::PlaneC,
                          .holeKind = &S::PC_Hole,
                          .drillingSide = &S::PC_HoleDir,
                          .layerText = &S::PC_HoleLayer,
                          .depthNotSet = kMsgHoleDepthNotSetC1,
                          .depthNoteNotSet = kMsgHoleDepthNotSetC2};

const HolePattern* const kRows[] = {&kPlaneA, &kPlaneB, &kPlaneC};

}  // namespace

const HolePattern* HolePatternOf(Pattern pattern) {
    for (const HolePattern* row : kRows) {
        if (row->pattern == pattern) {
            return row;
        }
    }
    return nullptr;
}

