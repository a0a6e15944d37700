#include "runner/converter_process.h"

namespace runner {

// The Windows runner has no converter beside it: DXF is read and written by
// the Linux runner only.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>&) {
    ProcessResult result;
    result.problem = "DXF is not supported by the Windows runner (cannot run " + program + ")";
    return result;
}

}  // namespace runner
