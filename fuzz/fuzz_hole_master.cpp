// The emulated host's hole-master reader: any file is read into hole data or
// refused, and the data read is freed whole.
#include "emuhost/emu_api.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    emu::Reset();
    const std::filesystem::path file = fuzz::WriteScratchFile("master.txt", fuzz::Bytes(data, size));
    const ZedString path = emu::FromUtf8(file.string());
    ZedHoleData hole{};
    if (ZedHolGetHoleMaster(path.c_str(), &hole) != -1) {
        fuzz::Require(hole.shape != nullptr, "hole data read holds a shape");
        ZedHolFreeHoleData(&hole);
    }
    fuzz::RequireHostClean("reading the master");
    return 0;
}
