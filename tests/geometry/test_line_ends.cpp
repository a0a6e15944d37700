// The pieces of a line a shoulder stands on may be stored either way round:
// the end at the shoulder moves whichever end of the record it is.
#include <gtest/gtest.h>

#include "geometry/figure_record.h"
#include "geometry/line_ends.h"

namespace {

TEST(LineEnds, TheEndAtThePointMovesInARecordStoredEitherWay) {
    const ZedPoint c{50, 0}, p{40, 0}, far{0, 0};
    for (const ZedFigure& stored : {MakeLine(far, c), MakeLine(c, far)}) {
        const ZedFigure moved = WithLineEndMoved(stored, c, p);
        const bool forward = LineEnd(stored).x == c.x;
        EXPECT_EQ(LineStart(moved).x, forward ? far.x : p.x);
        EXPECT_EQ(LineEnd(moved).x, forward ? p.x : far.x);
        EXPECT_EQ(LineEndAwayFrom(moved, p).x, far.x);
    }
}

}  // namespace
