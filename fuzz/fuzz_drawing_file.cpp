// The runner's drawing file: any text is parsed or refused with its line, and
// a drawing that parses is laid out in the emulated host or refused, leaving
// a sound drawing either way.
#include "emuhost/emu_api.h"
#include "fuzz/fuzz_support.h"
#include "runner/drawing_file.h"
#include "runner/drawing_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    runner::SourceError error;
    const std::optional<runner::DrawingFile> drawing = runner::ParseDrawing(fuzz::Bytes(data, size), "fuzz.drw", error);
    if (!drawing) {
        return 0;
    }
    emu::Reset();
    runner::LoadDrawing(*drawing, "fuzz.drw", error);
    fuzz::RequireHostClean("laying out the drawing");
    return 0;
}
