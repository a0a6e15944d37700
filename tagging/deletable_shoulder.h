// What Delete checks of a picked shoulder before it changes anything: its
// element list must name one run of the picked outline with an element on
// either side of it, or an end of an open outline; the run must have the shape
// of a shoulder the builders make; and the outline joined again along the
// shoulder's root must be sound. A mark written by another program may name
// any run; none that fails is touched, nor are its parts.
#ifndef LEDGEWRIGHT_TAGGING_DELETABLE_SHOULDER_H
#define LEDGEWRIGHT_TAGGING_DELETABLE_SHOULDER_H

#include <span>
#include <vector>

#include "host/zedlib.h"
#include "tagging/chain_neighbours.h"
#include "tagging/shoulder_shape.h"

struct DeletableShoulder {
    std::vector<ZedId> run;        // the listed elements in chain order
    std::vector<ZedFigure> sides;  // their figures as the host stores them
    ShoulderRoot root;             // where the edge ran
    ChainNeighbours neighbours;    // the elements on either side of the run
};

enum class ShoulderState {
    Deletable,
    NoShoulder,  // not a run of the outline with a shoulder's shape, or unreadable
    Overlaps,    // the outline joined along the root would overlap, touch or cross itself
};
// The checks above, with the shoulder filled in when it is deletable. Nothing
// is reported: Delete tells the user why it refuses ("요소삭제를 진행할 수
// 없습니다." for no shoulder, "형상이 겹쳐서 수정할 수 없습니다." for an
// overlap), and the tagging asks the same of a list it might take.
ShoulderState ExamineShoulder(ZedId instance, ZedId segment, std::span<const ZedId> ids, DeletableShoulder& shoulder);

#endif  // LEDGEWRIGHT_TAGGING_DELETABLE_SHOULDER_H
