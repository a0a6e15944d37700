// The fixture of the exact-drawing tests: plan pattern A's host and layers,
// a plate laid out where a placement puts it (turned, mirrored, moved, drawn
// the other way round, its edges stored the other way round), the case's
// sizes written into the settings of every pattern, and each pattern's build
// and change as the pick-and-edit dialogue calls them.
#ifndef LEDGEWRIGHT_TESTS_DRAWINGS_DRAWING_FIXTURE_H
#define LEDGEWRIGHT_TESTS_DRAWINGS_DRAWING_FIXTURE_H

#include <cmath>
#include <string>
#include <vector>

#include "tests/drawings/shoulder_formulas.h"
#include "tests/planea/planea_fixture.h"

// Where and how a plate is laid out: its corners mirrored (x → −x) when asked,
// turned by the angle about the origin, then moved by the shift.
struct Placement {
    const char* name;
    double angle = 0.0;
    bool mirrored = false;
    ZedPoint shift{0.0, 0.0};
    bool clockwise = false;       // the outline drawn the other way round
    bool storedReversed = false;  // every edge stored the other way round

    ZedPoint Apply(ZedPoint p) const {
        const double x = mirrored ? -p.x : p.x;
        return ZedPoint{shift.x + x * std::cos(angle) - p.y * std::sin(angle),
                        shift.y + x * std::sin(angle) + p.y * std::cos(angle)};
    }
};

// A plate, the line picked on it (its ends a and b) and where.
struct PickedPlate {
    std::vector<ZedPoint> corners;  // counter-clockwise
    ZedPoint a, b, pick;
};

// A value typed for the dimension of an edit mode.
struct Step {
    int editMode;
    double value;
};

class DrawingTest : public PlaneATest {
protected:
    static void UseSizes(const Sizes& sizes);

    // Lays the plate out as placed and describes its picked line as it lies.
    ZedId LayOut(const PickedPlate& plate, const Placement& placement, PlateLine& line, ZedId& element);

    static bool Build(Pattern pattern, ZedId element, ZedId outline, ZedPoint pick);
    static bool Change(Pattern pattern, int editMode, double value);
};

#endif  // LEDGEWRIGHT_TESTS_DRAWINGS_DRAWING_FIXTURE_H
