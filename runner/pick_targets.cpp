#include "runner/pick_targets.h"

#include <algorithm>

#include "emuhost/emu_api.h"

namespace runner {

std::vector<ZedId> ElementsOfSegmentType(int segmentType) {
    std::vector<ZedId> elements;
    for (ZedId segment : emu::SegmentIds()) {
        if (emu::SegmentType(segment) != segmentType) {
            continue;
        }
        for (ZedId element : emu::Chain(segment)) {
            elements.push_back(element);
        }
    }
    std::sort(elements.begin(), elements.end());
    return elements;
}

PickTarget ShapeElement(const LoadedDrawing& drawing, int shape, int position) {
    if (shape < 1 || static_cast<size_t>(shape) > drawing.shapeSegments.size()) {
        return {-1, "the drawing file has " + std::to_string(drawing.shapeSegments.size()) + " shapes, not " +
                        std::to_string(shape)};
    }
    const ZedId segment = drawing.shapeSegments[static_cast<size_t>(shape) - 1];
    if (!emu::SegmentExists(segment)) {
        return {-1,
                "the segment " + std::to_string(segment) + " of shape " + std::to_string(shape) + " no longer exists"};
    }
    const std::vector<ZedId> chain = emu::Chain(segment);
    if (position < 1 || static_cast<size_t>(position) > chain.size()) {
        return {-1, "shape " + std::to_string(shape) + " (segment " + std::to_string(segment) + ") has " +
                        std::to_string(chain.size()) + " elements, not " + std::to_string(position)};
    }
    return {chain[static_cast<size_t>(position) - 1], ""};
}

PickTarget NthOfSegmentType(int segmentType, int index) {
    const std::vector<ZedId> elements = ElementsOfSegmentType(segmentType);
    const std::string what = segmentType == ZED_SGM_DIMENSION ? "dimension" : "note";
    const long count = static_cast<long>(elements.size());
    const long at = index > 0 ? index - 1 : count + index;
    if (index == 0 || at < 0 || at >= count) {
        return {-1, "the drawing has " + std::to_string(count) + " " + what + (count == 1 ? "" : "s") + ", so no " +
                        what + " " + std::to_string(index)};
    }
    return {elements[static_cast<size_t>(at)], ""};
}

}  // namespace runner
