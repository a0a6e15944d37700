#include "holes/hole_pattern.h"

#include "command/messages.h"

namespace {

using S = ShoulderSettingsRecord;

const HolePattern kPlaneA{.keyword = ZED_TEXT("PlaneA"),
                          .holeKind = &S::PA_Hole,
                          .drillingSide = &S::PA_HoleDir,
                          .layerText = &S::PA_HoleLayer,
                          .depthNotSet = kMsgHoleDepthNotSetA1,
                          .depthNoteNotSet = kMsgHoleDepthNotSetA2};
const HolePattern kPlaneB{.keyword = ZED_TEXT("PlaneB"),
                          .holeKind = &S::PB_Hole,
                          .drillingSide = &S::PB_HoleDir,
                          .layerText = &S::PB_HoleLayer,
                          .depthNotSet = kMsgHoleDepthNotSetB1,
                          .depthNoteNotSet = kMsgHoleDepthNotSetB2};
const HolePattern kPlaneC{.keyword = ZED_TEXT("PlaneC"),
                          .holeKind = &S::PC_Hole,
                          .drillingSide = &S::PC_HoleDir,
                          .layerText = &S::PC_HoleLayer,
                          .depthNotSet = kMsgHoleDepthNotSetC1,
                          .depthNoteNotSet = kMsgHoleDepthNotSetC2};

}  // namespace

const HolePattern& HolePatternOf(const ZedString& keyword) {
    if (keyword == kPlaneB.keyword) {
        return kPlaneB;
    }
    if (keyword == kPlaneC.keyword) {
        return kPlaneC;
    }
    return kPlaneA;
}
