// The last check of a new change to a shoulder standing in an outline, made
// before anything in the drawing changes: the outline as it is, with the
// pieces the change plans in place of the shoulder's base line, must stay
// sound.
#ifndef LEDGEWRIGHT_GEOMETRY_CHANGE_FIT_H
#define LEDGEWRIGHT_GEOMETRY_CHANGE_FIT_H

#include <vector>

#include "host/zedlib.h"

// For the change opened by BeginChange, whose outline is already known
// (Unfinished().outline). `refusal` is the plan's own refusal of the value
// (null when the value fits the line) and `pieces` what replaces the base line,
// from the tail piece's start to the head piece's end. False after the failure
// has been reported: `listFailure` when the outline cannot be read, the
// refusal, or "형상이 겹쳐서 수정할 수 없습니다.".
bool PlannedChangeFits(const ZedChar* refusal, const std::vector<ZedFigure>& pieces, const ZedChar* listFailure);

#endif  // LEDGEWRIGHT_GEOMETRY_CHANGE_FIT_H
