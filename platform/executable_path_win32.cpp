#include <windows.h>

#include "platform/executable_path.h"
#include "platform/growing_buffer.h"

#if ZED_LEGACY
#define LEDGEWRIGHT_GET_MODULE_FILE_NAME GetModuleFileNameA
#else
#define LEDGEWRIGHT_GET_MODULE_FILE_NAME GetModuleFileNameW
#endif

namespace {

// The longest path that Windows handles, with its terminating zero.
constexpr size_t kLongestPath = 32768;

}  // namespace

ZedString ExecutablePath() {
    // GetModuleFileName cuts a path that does not fit the buffer and then
    // returns the buffer's size, so a buffer of MAX_PATH is only the start.
    const auto query = [](ZedChar* buffer, size_t capacity) -> long long {
        const DWORD length = LEDGEWRIGHT_GET_MODULE_FILE_NAME(nullptr, buffer, static_cast<DWORD>(capacity));
        return length == 0 ? -1 : static_cast<long long>(length);
    };
    ZedString path;
    return ReadWithGrowingBuffer<ZedChar>(query, MAX_PATH, kLongestPath, path) ? path : ZedString();
}
