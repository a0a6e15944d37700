// Random drawings for whole command sessions, written in the host runner's
// drawing format so that a failing session can be replayed with zedrunner:
// a stepped plate (straight edges, convex and concave corners, some rounded
// with arcs, some cut with fillet or chamfer corner elements, drawn either
// way round, elements stored either way round) and, now and then, a second
// plate, an open figure, a loose line lying on a plate edge and a circle.
// A drawing "from elsewhere" also carries shoulder attributes (40270 to
// 40277) with any values: the outline's own or another outline's elements
// and segments, numbers of nothing or of segments the session makes later
// (dimensions), huge and negative numbers, and malformed lists.
#ifndef LEDGEWRIGHT_TESTS_SESSION_SESSION_DRAWING_H
#define LEDGEWRIGHT_TESTS_SESSION_SESSION_DRAWING_H

#include <cstdint>
#include <string>

namespace session {

inline constexpr int kPlateLayer = 50;

struct DrawingOptions {
    bool extras = true;      // second plate, open figure, loose line, circle
    bool tagged = false;     // shoulder attributes from elsewhere
};

// The drawing's text; the same seed and options give the same text. The
// emulated host must be empty: the attributes name the ids that laying the
// drawing out gives, which are found by laying it out once and then reset.
std::string MakeDrawing(uint32_t seed, const DrawingOptions& options);

// Lays a drawing text out in the emulated host with the runner's loader.
// "" on success, else the loader's complaint.
std::string LayOut(const std::string& text);

}  // namespace session

#endif  // LEDGEWRIGHT_TESTS_SESSION_SESSION_DRAWING_H
