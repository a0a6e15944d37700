// A problem found in an input file, with the place where it was found.
#ifndef LEDGEWRIGHT_RUNNER_SOURCE_ERROR_H
#define LEDGEWRIGHT_RUNNER_SOURCE_ERROR_H

#include <string>

namespace runner {

struct SourceError {
    std::string file;  // as named on the command line ("" for typed input)
    int line = 0;      // from 1; 0 when the problem has no line
    std::string message;

    // "file:line: message", without the parts that are missing.
    std::string ToString() const {
        std::string text;
        if (!file.empty()) {
            text += file + ":";
        }
        if (line > 0) {
            text += std::to_string(line) + ":";
        }
        if (!text.empty()) {
            text += " ";
        }
        return text + message;
    }
};

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_SOURCE_ERROR_H
