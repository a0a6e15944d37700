// The rule every shoulder applies before it changes an outline: the closed
// outline that a planned change leaves must still be one simple loop, with no
// piece of zero length, no piece that overlaps, touches or crosses another,
// and no coordinate that is not a finite number. The host checks none of this
// until it is too late (an amend takes a zero-length line only after the
// elements before it have moved), so a value that breaks the outline is
// refused here, before any host call changes the drawing.
#ifndef LEDGEWRIGHT_GEOMETRY_OUTLINE_SOUNDNESS_H
#define LEDGEWRIGHT_GEOMETRY_OUTLINE_SOUNDNESS_H

#include <vector>

#include "geometry/outline.h"
#include "host/zedlib.h"

enum class OutlineSoundness {
    Sound,
    NotFinite,   // a new piece has a coordinate that is not a finite number
    ZeroLength,  // a new piece has no length
    Crossing,    // a new piece overlaps, touches or crosses another piece
};

// Two points closer than this are one point (the host's own tolerance).
inline constexpr double kOutlineTouchTolerance = 1e-6;

// Would the closed outline stay sound if its stretch from `from` to `to`, in
// the order the outline runs, were replaced by the pieces? The pieces are
// line, chamfer, arc or fillet records that run as a chain from `from` to
// `to`. The outline's records may be stored either way round; each is taken
// in the direction the loop runs. Only the new pieces are judged: against
// each other and against what is kept of the outline, which is taken as
// sound. Neighbours in the loop may meet only at their common end. When
// `from` or `to` does not lie on the outline, the pieces are judged among
// themselves.
OutlineSoundness CheckOutlineReplacement(const OutlineList& outline, ZedPoint from, ZedPoint to,
                                         const std::vector<ZedFigure>& pieces);

// Would an open chain of line pieces drawn beside the closed outline, apart
// from it, leave both sound? Its pieces must have a length and finite
// coordinates, and it must not cross the outline: lie partly inside it and
// partly outside. Running along the outline or touching it is no fault, as
// the outline itself does not change.
OutlineSoundness CheckChainBeside(const OutlineList& outline, const std::vector<ZedFigure>& chain);

// The turns the closed outline makes round a point that does not lie on it:
// 0 outside, +1 inside an outline that runs anticlockwise, -1 inside a
// clockwise one. The records may be stored either way round.
int WindingNumber(const OutlineList& outline, ZedPoint p);

// A size from the settings or from the user that a shoulder can be made with:
// a finite number above the touch tolerance.
bool IsUsableSize(double size);

#endif  // LEDGEWRIGHT_GEOMETRY_OUTLINE_SOUNDNESS_H
