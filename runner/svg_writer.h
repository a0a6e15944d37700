// The drawing as an SVG picture, like the host's screen: a black background,
// figures in their colours and line types, dimensions with their measured
// values, notes with their texts and leaders. Drawing y points up; the picture
// flips it. The view is fitted to the drawing with a margin.
#ifndef LEDGEWRIGHT_RUNNER_SVG_WRITER_H
#define LEDGEWRIGHT_RUNNER_SVG_WRITER_H

#include <string>

#include "runner/svg_scene.h"

namespace runner {

// The picture of a scene (deterministic: same scene, same text).
std::string RenderSvg(const Scene& scene);

// The picture of the emulated host's drawing as it is now.
inline std::string RenderDrawingSvg() { return RenderSvg(CollectScene()); }

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_SVG_WRITER_H
