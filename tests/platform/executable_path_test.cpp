#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/executable_path.h"
#include "platform/path.h"
#include "platform/text.h"
#include "tests/support/scoped_environment.h"

#ifdef _WIN32
#include <windows.h>

#include <vector>

#include "platform/win32_text_calls.h"
#else
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#endif

namespace {

bool EndsWith(const ZedString& text, const ZedString& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

#ifdef _WIN32
const ZedString kProgramName = ZED_TEXT("platform_tests.exe");
#else
const ZedString kProgramName = ZED_TEXT("platform_tests");
#endif

TEST(ExecutablePath, NamesThisProgram) {
#ifndef _WIN32
    ScopedEnvironment noStandIn("ZED_HOST_EXE", nullptr);
#endif
    const ZedString path = ExecutablePath();
    EXPECT_TRUE(EndsWith(path, ZedString(1, kPathSeparator) + kProgramName)) << ZedToUtf8(path);
    // The test programs live in the bin folder of the build folder, which is
    // then the installation folder.
    const ZedString folder = FindInstallationFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(path.compare(0, folder.size() + 5, folder + ZedString(1, kPathSeparator) + ZED_TEXT("bin") +
                                                     ZedString(1, kPathSeparator)),
              0)
        << ZedToUtf8(path);
}

#ifndef _WIN32
// The stand-in for the host program's path exists only outside Windows, where
// the host is emulated by whichever program loads the plug-in.
TEST(ExecutablePath, TakesTheHostStandInFromTheEnvironment) {
    std::string longPath = "/opt";
    while (longPath.size() < 400) {
        longPath += "/설계 폴더";
    }
    const std::string standIn = longPath + "/bin/zed";
    ScopedEnvironment variable("ZED_HOST_EXE", standIn.c_str());
    EXPECT_EQ(ExecutablePath(), Utf8ToZed(standIn));
    EXPECT_EQ(FindInstallationFolder(), Utf8ToZed(longPath));
}

TEST(ExecutablePath, IgnoresAnEmptyStandIn) {
    ScopedEnvironment variable("ZED_HOST_EXE", "");
    EXPECT_TRUE(EndsWith(ExecutablePath(), ZED_TEXT("/") + kProgramName));
}

// A copy of this program in a folder whose path is far longer than 260
// characters reports its whole path. The copy runs only the check below, told
// what to expect through LEDGEWRIGHT_EXPECTED_EXE.
TEST(ExecutablePath, LongExecutablePathIsWhole) {
    const char* expected = std::getenv("LEDGEWRIGHT_EXPECTED_EXE");
    if (expected != nullptr) {
        EXPECT_EQ(ZedToUtf8(ExecutablePath()), expected);
        return;
    }
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "ledgewright-exe-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path base = pattern;
    fs::path folder = base;
    while (folder.string().size() < 600) {
        folder /= "a-folder-name-of-forty-characters-long-x";
    }
    fs::create_directories(folder / "bin");
    const fs::path copy = folder / "bin" / "platform_tests";
    fs::copy_file("/proc/self/exe", copy);

    ScopedEnvironment noStandIn("ZED_HOST_EXE", nullptr);
    ScopedEnvironment expect("LEDGEWRIGHT_EXPECTED_EXE", copy.c_str());
    const std::string command =
        "'" + copy.string() + "' --gtest_filter=ExecutablePath.LongExecutablePathIsWhole >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    fs::remove_all(base);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}
#endif

#ifdef _WIN32
// The fixed 260-character buffer that would cut a long path is a Windows
// matter. A copy of this program in a folder whose path is far longer runs
// only this check, told what to expect through LEDGEWRIGHT_EXPECTED_EXE. Where
// the system cannot hold or start such a copy there is nothing to check.
// The path in UTF-16 in both builds (the legacy build's is code page 949).
std::wstring ExecutableWidePath() { return win32_text::Wide(ExecutablePath().c_str()); }

std::wstring WithoutLongPathPrefix(const std::wstring& path) {
    return path.rfind(L"\\\\?\\", 0) == 0 ? path.substr(4) : path;
}

TEST(ExecutablePath, LongExecutablePathIsWhole) {
    const char* expected = std::getenv("LEDGEWRIGHT_EXPECTED_EXE");
    if (expected != nullptr) {
        const std::string narrow = expected;
        EXPECT_EQ(WithoutLongPathPrefix(ExecutableWidePath()), std::wstring(narrow.begin(), narrow.end()));
        return;
    }
    wchar_t temp[MAX_PATH + 1] = {};
    const DWORD tempLength = GetTempPathW(MAX_PATH + 1, temp);
    ASSERT_GT(tempLength, 0u);
    const std::wstring base =
        std::wstring(L"\\\\?\\") + temp + L"ledgewright-exe-" + std::to_wstring(GetCurrentProcessId());
    std::vector<std::wstring> folders = {base};
    while (folders.back().size() < 300) {
        folders.push_back(folders.back() + L"\\a-folder-name-of-forty-characters-long-x");
    }
    folders.push_back(folders.back() + L"\\bin");
    bool made = true;
    for (const std::wstring& folder : folders) {
        made = made && (CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    }
    const std::wstring copy = folders.back() + L"\\platform_tests.exe";
    const std::wstring source = L"\\\\?\\" + WithoutLongPathPrefix(ExecutableWidePath());
    made = made && CopyFileW(source.c_str(), copy.c_str(), FALSE);

    const DWORD madeError = made ? 0 : GetLastError();
    DWORD exitCode = 1;
    bool started = false;
    DWORD startError = 0;
    if (made) {
        const std::wstring plain = WithoutLongPathPrefix(copy);
        SetEnvironmentVariableW(L"LEDGEWRIGHT_EXPECTED_EXE", plain.c_str());
        std::wstring commandLine = L"platform_tests.exe --gtest_filter=ExecutablePath.LongExecutablePathIsWhole";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        commandLine = L"\"" + plain + L"\" --gtest_filter=ExecutablePath.LongExecutablePathIsWhole";
        started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                 &startup, &process);
        startError = started ? 0 : GetLastError();
        if (started) {
            WaitForSingleObject(process.hProcess, INFINITE);
            GetExitCodeProcess(process.hProcess, &exitCode);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
        SetEnvironmentVariableW(L"LEDGEWRIGHT_EXPECTED_EXE", nullptr);
    }
    DeleteFileW(copy.c_str());
    for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) {
        RemoveDirectoryW(folder->c_str());
    }
    if (!made || !started) {
        GTEST_SKIP() << "this system cannot hold or start a program at a path of over 300 characters (errors "
                     << madeError << ", " << startError << ")";
    }
    EXPECT_EQ(exitCode, 0u);
}
#endif

}  // namespace
