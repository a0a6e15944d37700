// The shape every shoulder the builders make has in its outline, whatever the
// pattern: three lines that stand on a straight root as three sides of a
// rectangle. Delete takes back only a run of that shape, since only for it is
// the root known: the edge ran from the run's first point to its last.
#ifndef LEDGEWRIGHT_TAGGING_SHOULDER_SHAPE_H
#define LEDGEWRIGHT_TAGGING_SHOULDER_SHAPE_H

#include <vector>

#include "host/zedlib.h"

// Where the edge ran before the shoulder was cut into it, in chain order.
struct ShoulderRoot {
    ZedPoint from{};
    ZedPoint to{};
};

// The sides' figures in chain order, each as the host stores it (either way
// round). True, with the root, when they are three lines p→a, a→b, b→q that
// follow one another and stand on p→q as three sides of a rectangle: the root
// and the sides have length, a − p equals b − q and is square to the root
// (within the host's tolerance, 1/10^6).
bool ShoulderRootOf(const std::vector<ZedFigure>& sides, ShoulderRoot& root);

#endif  // LEDGEWRIGHT_TAGGING_SHOULDER_SHAPE_H
