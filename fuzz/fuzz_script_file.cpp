// The runner's script file: any text is parsed or refused with its line.
#include "fuzz/fuzz_support.h"
#include "runner/script_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    runner::SourceError error;
    const auto actions = runner::ParseScript(fuzz::Bytes(data, size), "fuzz.script", error);
    fuzz::Require(actions.has_value() || error.line > 0 || !error.message.empty(), "a refused script says why");
    return 0;
}
