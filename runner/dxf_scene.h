// The drawing as the DXF writer takes it: a JSON text of the host's layers and
// of what the picture shows (svg_scene.h), which runner/dxf/dxf_write.py turns
// into DXF.
#ifndef LEDGEWRIGHT_RUNNER_DXF_SCENE_H
#define LEDGEWRIGHT_RUNNER_DXF_SCENE_H

#include <string>

#include "runner/svg_scene.h"

namespace runner {

// The palette, the layers with their numbers, names, colours, visibility and
// detection, the current layer, and the scene's shapes: each figure segment's
// circles, and its lines and arcs as one outline the way its chain runs (each
// marked when the host stores it turned round), then dimensions and notes with
// the texts the picture shows. A hole's figures, which the host makes without
// line attributes, are marked to take their layer's colour.
std::string DxfSceneJson(const Scene& scene);

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_DXF_SCENE_H
