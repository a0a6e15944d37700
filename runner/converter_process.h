// Runs the DXF converter (a Python program beside the runner) as a child
// process and collects what it prints.
#ifndef LEDGEWRIGHT_RUNNER_CONVERTER_PROCESS_H
#define LEDGEWRIGHT_RUNNER_CONVERTER_PROCESS_H

#include <string>
#include <vector>

namespace runner {

struct ProcessResult {
    bool started = false;  // false: `problem` says why it could not run
    int status = -1;       // the exit status; -1 when it died of a signal
    std::string out;       // standard output
    std::string err;       // standard error
    std::string problem;
};

// Runs the program (an absolute path) with the arguments, its standard input
// empty, and waits for it.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_CONVERTER_PROCESS_H
