// Whether a closed chain of lines and arcs is a simple outline: no piece meets
// another except where consecutive pieces join. Internal to the emulated host.
#ifndef LEDGEWRIGHT_EMUHOST_EMU_SIMPLE_H
#define LEDGEWRIGHT_EMUHOST_EMU_SIMPLE_H

#include <cstddef>
#include <vector>

#include "host/zedlib.h"

namespace emu {

struct SelfContact {
    bool found = false;
    size_t first = 0;   // chain positions of the two pieces, first < second
    size_t second = 0;
    ZedPoint at{};      // a point where they meet
};

// The first place found where the closed chain meets itself: two pieces that
// are not neighbours come within the tolerance of each other (crossing,
// touching, overlapping), or two neighbours share more than their joint
// (doubling back over each other, or meeting again further on). The figures
// are valid lines and arcs (corners as their laid-out kinds) forming a closed
// chain in either direction. Pairs are found by a sweep over bounding boxes.
SelfContact FindSelfContact(const std::vector<ZedFigure>& figures);

}  // namespace emu

#endif  // LEDGEWRIGHT_EMUHOST_EMU_SIMPLE_H
