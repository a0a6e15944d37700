// Reading and writing the runner's files. Paths are UTF-8 on every platform.
#ifndef LEDGEWRIGHT_RUNNER_TEXT_FILES_H
#define LEDGEWRIGHT_RUNNER_TEXT_FILES_H

#include <filesystem>
#include <optional>
#include <string>

namespace runner {

std::filesystem::path PathFromUtf8(const std::string& utf8);
std::string PathToUtf8(const std::filesystem::path& path);

// The file's bytes, or nothing when it cannot be read.
std::optional<std::string> ReadTextFile(const std::string& path);
// Writes the bytes as they are (no line-end translation); false on failure.
bool WriteTextFile(const std::string& path, const std::string& text);

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_TEXT_FILES_H
