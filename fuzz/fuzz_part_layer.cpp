// The layer text of holes and slots ("3" or "30:3|50:5"): any text resolves
// to a layer or is refused with a message, for any outline layer.
#include <cstring>

#include "emuhost/emu_api.h"
#include "fuzz/fuzz_support.h"
#include "holes/hole_layer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < sizeof(int32_t)) {
        return 0;
    }
    int32_t outlineLayer = 0;
    std::memcpy(&outlineLayer, data, sizeof outlineLayer);
    const ZedString text = fuzz::Units(data + sizeof outlineLayer, size - sizeof outlineLayer);
    emu::Reset();
    ZedId partLayer = -1;
    const bool resolved = ResolvePartLayer(outlineLayer, text, partLayer);
    fuzz::Require(resolved || !emu::Messages().empty(), "a refused layer text is reported");
    return 0;
}
