#include "runner/process_env.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// shellapi.h relies on the types that windows.h declares.
#include <shellapi.h>

#include <cstdio>
#endif

#include "runner/text_files.h"

namespace runner {

#ifdef _WIN32

std::wstring Utf8ToWide(const std::string& utf8) {
    if (utf8.empty()) {
        return std::wstring();
    }
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    return wide;
}

std::string WideToUtf8(const std::wstring& wide) {
    if (wide.empty()) {
        return std::string();
    }
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::vector<std::string> CommandLineArguments(int, char**) {
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return arguments;
    }
    for (int k = 1; k < count; ++k) {
        arguments.push_back(WideToUtf8(wide[k]));
    }
    LocalFree(wide);
    return arguments;
}

std::string ExecutableDirectory() {
    std::wstring buffer(260, L'\0');
    while (true) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return std::string();
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    return PathToUtf8(std::filesystem::path(buffer).parent_path());
}

bool SetEnvironmentVariableUtf8(const std::string& name, const std::string& value) {
    const std::wstring wideName = Utf8ToWide(name), wideValue = Utf8ToWide(value);
    // Both the process block and the C runtime's copy, whichever the plug-in reads.
    const bool system = SetEnvironmentVariableW(wideName.c_str(), wideValue.c_str()) != 0;
    return _wputenv_s(wideName.c_str(), wideValue.c_str()) == 0 && system;
}

void PrepareStandardOutput() {
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

#else

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int k = 1; k < argc; ++k) {
        arguments.emplace_back(argv[k]);
    }
    return arguments;
}

std::string ExecutableDirectory() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : PathToUtf8(executable.parent_path());
}

bool SetEnvironmentVariableUtf8(const std::string& name, const std::string& value) {
    return setenv(name.c_str(), value.c_str(), 1) == 0;
}

void PrepareStandardOutput() {}

#endif

}  // namespace runner
