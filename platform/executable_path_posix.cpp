#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/executable_path.h"
#include "platform/growing_buffer.h"
#include "platform/text.h"

namespace {

constexpr size_t kLongestPath = size_t{1} << 16;

// The target of /proc/self/exe; readlink cuts it to the buffer without saying so.
std::string ReadProcSelfExe() {
    const auto query = [](char* buffer, size_t capacity) -> long long {
        return static_cast<long long>(readlink("/proc/self/exe", buffer, capacity));
    };
    std::string path;
    return ReadWithGrowingBuffer<char>(query, 256, kLongestPath, path) ? path : std::string();
}

}  // namespace

ZedString ExecutablePath() {
    const char* standIn = std::getenv("ZED_HOST_EXE");
    if (standIn != nullptr && standIn[0] != '\0') {
        return Utf8ToZed(standIn);
    }
    return Utf8ToZed(ReadProcSelfExe());
}
