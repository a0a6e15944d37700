// A tab's geometry without the drawing, as plan pattern A places it and the
// other tabs (plan B and C, side C) share it: where the shoulder sits on the
// picked line, which way it stands out, where its far corners, hole and notes
// go, and where its corners move when the user types a new depth or width.
//
// The shoulder on a line from S to E, in outline order:
//   tail piece S→P1, first side P1→Q1, inner side Q1→Q2, second side Q2→P2,
//   head piece P2→E,
// with Q1 = P1 + T·n and Q2 = P2 + T·n for the outward normal n.
#ifndef LEDGEWRIGHT_GEOMETRY_TAB_PLACEMENT_H
#define LEDGEWRIGHT_GEOMETRY_TAB_PLACEMENT_H

#include <vector>

#include "host/zedlib.h"

// Where the shoulder's base lies on the line.
enum class PlaneAPlacement {
    Centre,    // width W about the middle of a long line
    Inset,     // a short line, less a distance at each end
    FullLine,  // a short line replaced whole
};

// The sizes that decide the placement (the settings, read as numbers).
struct PlaneASizes {
    double width = 0.0;           // W, mMainWidth
    double protrusion = 0.0;      // T, mMainProtrude
    bool useWidthValue = false;   // PA_IsWidthValue not 0
    double widthValue = 0.0;      // PA_WidthValue, the second short-line threshold
    double endDistance = 0.0;     // d, PA_WidthValueDistance
};

struct PlacementChoice {
    // The distance to keep from each end leaves no room (3·d ≥ L).
    bool refused = false;
    PlaneAPlacement placement = PlaneAPlacement::Centre;
};

// A line is short when its length is at most W, or at most the second
// threshold when that is in use; a short line is inset by d at each end, or
// replaced whole when d ≤ 0.
PlacementChoice ChoosePlaneAPlacement(double lineLength, const PlaneASizes& sizes);

// The shoulder's base on the line: P1 nearer S, P2 nearer E, M their midpoint
// (which is also the midpoint of S and E).
struct ShoulderBase {
    ZedPoint p1{};
    ZedPoint p2{};
    ZedPoint m{};
};
ShoulderBase ShoulderBasePoints(PlaneAPlacement placement, ZedPoint s, ZedPoint e, const PlaneASizes& sizes);
// The base of the given width centred at c on the line S→E (plan pattern B,
// side pattern C).
ShoulderBase CentredBase(ZedPoint s, ZedPoint e, ZedPoint c, double width);

// The point just left of the line (θ = direction S→E) beside M, which the
// host's in/out test is asked about.
ZedPoint OutwardSideTestPoint(ZedPoint m, double theta);

// The outward normal: to the left of the line when the test point lies
// outside the outline (the host answered 1), otherwise to the right, and the
// shoulder is then flipped.
struct OutwardSide {
    ZedPoint normal{};
    bool flipped = false;
};
OutwardSide OutwardSideFromAnswer(double theta, int inOutAnswer);

// The four corners of the shoulder, in outline order.
struct ShoulderCorners {
    ZedPoint p1{};
    ZedPoint q1{};
    ZedPoint q2{};
    ZedPoint p2{};
};
ShoulderCorners ShoulderCornersOf(const ShoulderBase& base, ZedPoint normal, double protrusion);

// The length dimensions' offset: 10 to the left of the measured direction,
// -10 for a flipped shoulder.
double LengthDimensionOffset(bool flipped);

// The MC hole's radius: the circle about the centre through the far corner,
// widened by the clearance h, plus 0.5, rounded to the nearest whole number
// with halves away from zero: nearest(|CQ1| + h + 0.5). So 2.4 gives 3 and
// 2.6 gives 3, but a whole number n gives n + 1 (n + 0.5 rounds up), not n.
double TabHoleRadius(ZedPoint centre, ZedPoint farCorner, double clearance);

// Where the two hole notes go: arrow and text on a ray from M, the drilling
// side note at 45°, the depth note at 315°.
struct NotePoints {
    ZedPoint anchor{};
    ZedPoint text{};
};
NotePoints SideNotePoints(ZedPoint m, ZedPoint farCorner, double clearance);
NotePoints DepthNotePoints(ZedPoint m, ZedPoint farCorner, double clearance);

// The line from S to E as the outline holds it with the shoulder at the
// corners: the tail piece S→P1, the three sides and the head piece P2→E, or
// the three sides alone when the shoulder takes the whole line.
std::vector<ZedFigure> ShoulderLinePieces(ZedPoint s, ZedPoint e, const ShoulderCorners& corners, bool fullLine);

// The middle of the inner side, where a width change opens the outline.
ZedPoint PlaneAInnerMiddle(const ShoulderCorners& corners);

// A new depth v: the far corners move along the first side from P1, the inner
// side keeping its length and direction.
ShoulderCorners PlaneADepthChanged(const ShoulderCorners& corners, double depth);

// A new half-width a: each corner moves to a from the middle of its side of
// the shoulder (base or inner side), away from the middle towards where it was.
ShoulderCorners PlaneAWidthChanged(const ShoulderCorners& corners, double halfWidth);

#endif  // LEDGEWRIGHT_GEOMETRY_TAB_PLACEMENT_H
