#include "geometry/shoulder_memory.h"

#include "geometry/line_ends.h"

ShoulderMemory& Shoulder() {
    static ShoulderMemory memory;
    return memory;
}

RaisedCorners RaisedCornersOf(const ShoulderMemory& m) {
    return RaisedCorners{LineStart(m.firstSide.record), LineEnd(m.firstSide.record), LineEnd(m.innerSide.record),
                         LineEnd(m.secondSide.record)};
}
