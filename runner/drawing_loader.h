// Lays out a parsed drawing in the emulated host.
#ifndef LEDGEWRIGHT_RUNNER_DRAWING_LOADER_H
#define LEDGEWRIGHT_RUNNER_DRAWING_LOADER_H

#include <optional>
#include <vector>

#include "host/zedlib.h"
#include "runner/drawing_file.h"
#include "runner/source_error.h"

namespace runner {

struct LoadedDrawing {
    // The segment made for each shape of the file, in file order (shape n of
    // pick-element is shapeSegments[n - 1]).
    std::vector<ZedId> shapeSegments;
};

// Adds the drawing's layers and shapes to the emulated host's drawing (which
// the caller has normally just reset). A shape or corner that the host refuses
// is reported with its line in `error`.
std::optional<LoadedDrawing> LoadDrawing(const DrawingFile& drawing, const std::string& fileName, SourceError& error);

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_DRAWING_LOADER_H
