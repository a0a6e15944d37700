// A whole drawing as a test expects it, and the one comparison of the
// emulated host's drawing with it: every figure segment with its layer,
// closedness and elements (kind, points, arc direction, colour, line type),
// every dimension and note by the slot of the temporary element table that
// holds it, every hole with its shape and segment, and the shoulder's tag.
//
// Elements are named by roles ("first", "inner", ...), so that a dimension's
// element references, the tag's element list and its part segments are
// checked against the elements and segments the comparison paired, whatever
// ids the host gave them. A failure names the field and both values.
#ifndef LEDGEWRIGHT_TESTS_SUPPORT_EXPECTED_DRAWING_H
#define LEDGEWRIGHT_TESTS_SUPPORT_EXPECTED_DRAWING_H

#include <optional>
#include <string>
#include <vector>

#include "host/zedlib.h"

// References that name no element of the drawing.
inline const char* const kNoElement = "-1";
inline const char* const kElementZero = "0";

// One element written the way its chain runs: a line (kind 1) from a to b,
// an arc (kind 3) from a to b about c with radius r and direction flag, a
// circle (kind 2) about c with radius r.
struct XElement {
    std::string role;  // "" when nothing refers to it
    int kind = ZED_FIG_LINE;
    ZedPoint a{}, b{}, c{};
    double r = 0.0;
    int flag = 0;
    int colour = 0;
    int lineType = 0;
};

struct XSegment {
    std::string role;
    int layer = 0;
    bool closed = false;
    std::vector<XElement> elements;  // a closed chain may start anywhere
};

struct XLength {
    int slot;
    ZedPoint first, second;
    std::string firstRef, secondRef;  // roles, kNoElement or kElementZero
    double offset;
};

struct XRadius {
    int slot;
    std::string arc;
    ZedPoint text;
};

struct XNote {
    int slot;
    ZedPoint anchor, text;
    std::string words;
};

struct XHole {
    std::string segment;  // the role of its segment among the segments
    int layer;
    double diameter;  // MC holes; 0 for a shaped hole
    double depth;
    int fromBelow;
    int sideCode;
};

struct XTag {
    std::string segment;                // the role of the tagged segment
    std::vector<std::string> elements;  // roles, in the order listed
    std::string hole, cutLine, slot, display;  // segment roles, "" when absent
};

struct XDrawing {
    std::vector<XSegment> segments;
    std::vector<XLength> lengths;
    std::vector<XRadius> radii;
    std::vector<XNote> notes;
    std::vector<XHole> holes;
    // Where the build tags shoulders; without it no segment carries a
    // shoulder attribute.
    std::optional<XTag> tag;
};

// The elements of a segment as the host holds them, each written the way its
// chain runs (for the plate a test lays out before the change).
std::vector<XElement> ChainAsLaidOut(ZedId segment);

// Adds a test failure for every field of the host's drawing that differs from
// the expected one (coordinates within 1e-9).
void ExpectDrawing(const XDrawing& want);

#endif  // LEDGEWRIGHT_TESTS_SUPPORT_EXPECTED_DRAWING_H
