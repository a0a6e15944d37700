#include "base/line_pick.h"

PickState& Picks() {
    static PickState state;
    return state;
}

void ResetPicks() { Picks() = PickState{}; }
