// The runner's drawing file: layers and shapes to lay out before a command runs.
//
//   # comment
//   layer 0 name "Outline" colour 0
//   layer 3 name "Holes" colour 5 detect 0 visible 1
//   current-layer 0
//   outline layer 0 closed
//     line 0 0 100 0
//     fillet 5                 # rounds the corner after the line above
//     line 100 0 100 50 reversed  # stored from (100, 50) to (100, 0)
//     arc 50 50 100 50 0 50 ccw
//     line 0 50 0 0
//     attribute 40270 text "SymbolShoulder"   # a segment attribute
//   end
//   circle 50 25 5 layer 3
//
// runner/README.md describes every statement. Parsing only reads and checks
// the text; drawing_loader.h lays the result out in the emulated host.
#ifndef LEDGEWRIGHT_RUNNER_DRAWING_FILE_H
#define LEDGEWRIGHT_RUNNER_DRAWING_FILE_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runner/source_error.h"

namespace runner {

struct LayerEntry {
    int line = 0;
    int number = 0;
    std::string name;  // UTF-8
    int colour = 0;
    bool visible = true;
    bool detect = true;
};

// A fillet or chamfer at the corner after an element (between it and the next
// element of its chain).
struct CornerEntry {
    enum class Kind { Fillet, Chamfer };
    int line = 0;
    Kind kind = Kind::Fillet;
    double size = 0.0;  // fillet radius or chamfer distance
};

struct ElementEntry {
    enum class Kind { Line, Arc };
    int line = 0;
    Kind kind = Kind::Line;
    // Line: start x, y, end x, y. Arc: centre x, y, start x, y, end x, y.
    double v[6] = {0, 0, 0, 0, 0, 0};
    bool clockwise = false;  // arcs only
    // Written the way the chain runs; the host stores it turned round (its
    // stored start where the chain leaves it).
    bool storedReversed = false;
    std::optional<CornerEntry> corner;
};

// A segment attribute an outline carries, as another program may have left it
// (Ledgewright's shoulder tags are such attributes): a text or an integer.
struct AttributeEntry {
    int line = 0;
    int number = 0;
    bool isText = false;
    std::string text;  // UTF-8
    int integer = 0;
};

// An outline (a chain of lines and arcs) or a circle, each one segment.
struct ShapeEntry {
    enum class Kind { Outline, Circle };
    int line = 0;
    Kind kind = Kind::Outline;
    int layer = 0;
    bool closed = true;
    std::optional<int> colour;  // absent: the layer's colour
    int lineType = 0;
    std::vector<ElementEntry> elements;                 // outlines
    std::vector<AttributeEntry> attributes;             // outlines
    double centreX = 0.0, centreY = 0.0, radius = 0.0;  // circles
};

struct DrawingFile {
    std::vector<LayerEntry> layers;  // in file order; layer 0 alone when the file declares none
    int currentLayer = 0;
    std::vector<ShapeEntry> shapes;  // in file order; pick-element numbers them from 1
};

// Reads a drawing. `fileName` is used in error messages only.
std::optional<DrawingFile> ParseDrawing(std::string_view text, const std::string& fileName, SourceError& error);

// Colour of a layer of the drawing (0 for a layer it does not declare).
int LayerColour(const DrawingFile& drawing, int layer);

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_DRAWING_FILE_H
