// The drawing as an SVG picture, like the host's screen: a black background,
// figures in their colours and line types, dimensions with their measured
// values, notes with their texts and leaders. Drawing y points up; the picture
// flips it. The view is fitted to the drawing with a margin.
#ifndef LEDGEWRIGHT_RUNNER_SVG_WRITER_H
#define LEDGEWRIGHT_RUNNER_SVG_WRITER_H

#include <string>

#include "runner/svg_scene.h"

namespace runner {

// What the picture of one step of a session marks on the drawing: the element
// that blinks (a halo under it) and the point the user clicked (a cross in a
// ring).
struct Marks {
    ZedId blinking = -1;  // -1 for none
    bool clicked = false;
    ZedPoint click{};
};

// The colours of the marks, which the page that shows them names in its legend.
inline constexpr const char* kBlinkHaloColour = "#ffe066";
inline constexpr const char* kClickMarkColour = "#ff8c00";

// The picture of a scene (deterministic: same scene and marks, same text).
std::string RenderSvg(const Scene& scene, const Marks& marks = {});

// The picture of the emulated host's drawing as it is now.
inline std::string RenderDrawingSvg() { return RenderSvg(CollectScene()); }

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_SVG_WRITER_H
