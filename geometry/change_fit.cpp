#include "geometry/change_fit.h"

#include "base/messages.h"
#include "base/report.h"
#include "geometry/outline.h"
#include "geometry/outline_soundness.h"
#include "geometry/remembered_shoulder.h"
#include "geometry/unfinished_change.h"

bool PlannedChangeFits(const ZedChar* refusal, const std::vector<ZedFigure>& pieces, const ZedChar* listFailure) {
    const UnfinishedChange& change = Unfinished();
    // Kept from one change to the next, so that the host writes even a long
    // outline straight into it (ReadOutlineList).
    static OutlineList outline;
    if (!ReadOutlineList(change.before.firstSide.ref.instance, change.outline, outline)) {
        return ReportError(listFailure);
    }
    if (refusal != nullptr) {
        return ReportError(refusal);
    }
    const ShoulderMemory& before = change.before;
    if (CheckOutlineReplacement(outline, BaseLineStart(before), BaseLineEnd(before), pieces) !=
        OutlineSoundness::Sound) {
        return ReportError(kMsgShoulderOverlapsEdit);
    }
    return true;
}
