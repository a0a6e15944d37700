// What the tests that run the runner's programs share: the environment that
// names the build, files read back whole, and what a program ended with.
#ifndef LEDGEWRIGHT_TESTS_RUNNER_PROGRAM_TEST_SUPPORT_H
#define LEDGEWRIGHT_TESTS_RUNNER_PROGRAM_TEST_SUPPORT_H

#include <cstdlib>
#include <filesystem>
#include <string>

#include "runner/text_files.h"

namespace runner_test {

// The variable's value, empty when it is not set.
inline std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : value;
}

// The file's text, or "(missing)" when it cannot be read.
inline std::string Read(const std::filesystem::path& path) {
    return runner::ReadTextFile(runner::PathToUtf8(path)).value_or("(missing)");
}

// A program's exit status and what it wrote to each stream.
struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

}  // namespace runner_test

#endif  // LEDGEWRIGHT_TESTS_RUNNER_PROGRAM_TEST_SUPPORT_H
