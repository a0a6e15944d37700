#include "geometry/three_sides.h"

#include "base/messages.h"
#include "geometry/figure_record.h"
#include "geometry/splice.h"

std::vector<ChangeStep> MoveThreeSidesSteps(const ShoulderMemory& before, ZedPoint firstCorner,
                                            ZedPoint secondCorner) {
    ZedFigure first = before.firstSide.record;
    SetLineEnd(first, firstCorner);
    ZedFigure inner = before.innerSide.record;
    SetLineStart(inner, firstCorner);
    SetLineEnd(inner, secondCorner);
    ZedFigure second = before.secondSide.record;
    SetLineStart(second, secondCorner);
    return {
        [first, ref = before.firstSide.ref] { return AmendFigure(ref, first, kMsgLineNotAmended11); },
        [inner, ref = before.innerSide.ref] { return AmendFigure(ref, inner, kMsgLineNotAmended12); },
        [second, ref = before.secondSide.ref] { return AmendFigure(ref, second, kMsgLineNotAmended13); },
        [first, inner, second] {
            Shoulder().firstSide.record = first;
            Shoulder().innerSide.record = inner;
            Shoulder().secondSide.record = second;
            return true;
        },
    };
}
