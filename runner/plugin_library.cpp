#include "runner/plugin_library.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include "runner/process_env.h"

namespace runner {

#ifdef _WIN32

namespace {

std::string LastErrorText() {
    const DWORD code = GetLastError();
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length > 0 && buffer != nullptr ? std::wstring(buffer, length) : std::wstring();
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
        text.pop_back();
    }
    return "error " + std::to_string(code) + (text.empty() ? "" : ": " + WideToUtf8(text));
}

}  // namespace

StartupFunction LoadPlugin(const std::string& path, std::string& problem) {
    HMODULE module = LoadLibraryW(Utf8ToWide(path).c_str());
    if (module == nullptr) {
        problem = "cannot load the plug-in " + path + " (" + LastErrorText() + ")";
        return nullptr;
    }
    FARPROC startup = GetProcAddress(module, "Startup");
    if (startup == nullptr) {
        problem = "the plug-in " + path + " exports no Startup function";
        return nullptr;
    }
    // Through the generic function pointer type, which any function pointer converts to.
    return reinterpret_cast<StartupFunction>(reinterpret_cast<void (*)()>(startup));
}

#else

StartupFunction LoadPlugin(const std::string& path, std::string& problem) {
    // A path without a separator would be looked up on the library search path.
    const std::string where = path.find('/') == std::string::npos ? "./" + path : path;
    void* handle = dlopen(where.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = dlerror();
        problem = "cannot load the plug-in " + path + " (" + (reason != nullptr ? reason : "unknown reason") + ")";
        return nullptr;
    }
    dlerror();
    void* startup = dlsym(handle, "Startup");
    if (startup == nullptr) {
        problem = "the plug-in " + path + " exports no Startup function";
        return nullptr;
    }
    return reinterpret_cast<StartupFunction>(startup);
}

#endif

}  // namespace runner
