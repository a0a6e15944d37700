#include <windows.h>

#include "platform/executable_path.h"
#include "platform/growing_buffer.h"
#include "platform/win32_text_calls.h"

namespace {

// The longest path that Windows handles, with its terminating zero.
constexpr size_t kLongestPath = 32768;

}  // namespace

ZedString ExecutablePath() {
    // GetModuleFileName cuts a path that does not fit the buffer and then
    // returns the buffer's size, so a buffer of MAX_PATH is only the start.
    const auto query = [](ZedChar* buffer, size_t capacity) -> long long {
        const DWORD length = win32_text::ModuleFileName(buffer, static_cast<DWORD>(capacity));
        return length == 0 ? -1 : static_cast<long long>(length);
    };
    ZedString path;
    return ReadWithGrowingBuffer<ZedChar>(query, MAX_PATH, kLongestPath, path) ? path : ZedString();
}
