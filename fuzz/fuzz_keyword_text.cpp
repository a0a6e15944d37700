// Text typed at the pattern prompt and again at whatever the command asks
// next (a line pick or Delete mode): keywords in any case, layer numbers and
// anything else go through the dispatcher without a protocol error, and the
// end of the command leaves the drawing sound with nothing held.
#include "emuhost/emu_api.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The input is two typed texts, split at the first line break.
    const std::string bytes = fuzz::Bytes(data, size);
    const size_t split = bytes.find('\n');
    const std::string first = bytes.substr(0, split);
    const std::string second = split == std::string::npos ? std::string() : bytes.substr(split + 1);

    fuzz::FreshPlugin();
    emu::AddOutline(50, {emu::Line(0, 0, 100, 0), emu::Line(100, 0, 100, 50), emu::Line(100, 50, 0, 50),
                         emu::Line(0, 50, 0, 0)},
                    true);
    fuzz::Require(emu::StartCommand(), "the command starts");
    if (emu::CommandActive()) {
        emu::Type(first);
    }
    if (emu::CommandActive()) {
        emu::Type(second);
    }
    if (emu::CommandActive()) {
        emu::EndCommand();
    }
    fuzz::RequireHostClean("the typed texts");
    return 0;
}
