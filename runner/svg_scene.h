// What the picture of the drawing shows, read from the emulated host: every
// segment on a visible layer with its elements, in the host's colours, and the
// extent of it all.
#ifndef LEDGEWRIGHT_RUNNER_SVG_SCENE_H
#define LEDGEWRIGHT_RUNNER_SVG_SCENE_H

#include <string>
#include <vector>

#include "host/zedlib.h"

namespace runner {

struct Extent {
    bool empty = true;
    double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;

    void Add(double x, double y);
    void Add(const ZedPoint& p) { Add(p.x, p.y); }
};

struct SceneItem {
    enum class Kind { Figure, LengthDimension, RadiusDimension, Note, Unreadable };
    Kind kind = Kind::Figure;
    ZedId element = -1;
    int colour = 0;
    int lineType = 0;
    ZedFigure figure{};  // Figure
    // LengthDimension: the measured points; RadiusDimension: the point on the
    // arc and the text point; Note: the arrow end and the text point.
    ZedPoint first{}, second{};
    double offset = 0.0;  // LengthDimension
    ZedPoint centre{};    // RadiusDimension: the arc's centre and radius
    double radius = 0.0;
    std::string text;  // Note (UTF-8)
};

struct SceneSegment {
    ZedId id = -1;
    int type = ZED_SGM_FIGURE;
    int layer = 0;
    bool hidden = false;  // on an invisible layer: not drawn
    ZedId hole = -1;      // the hole the segment belongs to, -1 for none
    std::vector<SceneItem> items;
};

struct Scene {
    std::vector<SceneSegment> segments;  // in the host's segment order
    Extent extent;                       // of what is drawn
};

// Reads the whole drawing. Figures take their own colour and line type;
// dimensions, notes and the figures of holes their layer's colour.
Scene CollectScene();

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_SVG_SCENE_H
