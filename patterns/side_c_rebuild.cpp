// RebuildSideC: the last recess takes a typed depth, width or distance, as a
// resumable list of steps (geometry/unfinished_change.h): the amends, then
// the dimensions and the tag. A width or distance that takes the line's whole
// length, or that would leave a piece of no length or put the mouth past an
// end of the line, is refused with "수정거리가 너무 큽니다." before any step;
// a depth that would break the outline with the soundness rule's message.
#include <vector>

#include "base/line_pick.h"
#include "base/messages.h"
#include "geometry/unfinished_change.h"
#include "patterns/centred_tab_change.h"
#include "patterns/side_c.h"

namespace {

constexpr TabChangeRefusals kRefusals{kMsgWidthTooLarge, kMsgWidthTooLarge};

std::vector<ChangeStep> Steps(int editMode) {
    const TabChange change = PlanTabChange(editMode, Unfinished().value, kRefusals);
    std::vector<ChangeStep> steps = TabAmendSteps(change);
    steps.push_back([c = change.target, baseMoved = change.baseMoved] { return MoveTabDimensions(c, baseMoved); });
    steps.push_back(RetagShoulder);
    return steps;
}

bool Open(int editMode, double value) { return OpenTabChange(editMode, value, kRefusals); }

}  // namespace

bool RebuildSideC(int editMode, double value) {
    if (editMode != kEditFirst && editMode != kEditSecond && editMode != kEditThird) {
        return RetagShoulder();
    }
    return RunResumableChange(editMode, value, Open, Steps);
}
