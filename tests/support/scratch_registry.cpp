#include "tests/support/scratch_registry.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "settings/registry_backend.h"

#ifdef _WIN32

ScratchRegistry::ScratchRegistry() {
    scratchPath_ = L"Software\\LedgewrightTests\\Scratch" + std::to_wstring(GetCurrentProcessId());
    // Test programs run side by side, and one that finishes deletes the common
    // parent key once it is empty: a scratch key that cannot be made or put in
    // place at once is tried again a few times.
    for (int attempt = 0; attempt < 5 && !ok_; ++attempt) {
        if (attempt > 0) {
            Sleep(20);
        }
        RegDeleteTreeW(HKEY_CURRENT_USER, scratchPath_.c_str());
        if (RegCreateKeyExW(HKEY_CURRENT_USER, scratchPath_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &scratch_, nullptr) != ERROR_SUCCESS) {
            scratch_ = nullptr;
            continue;
        }
        ok_ = RegOverridePredefKey(HKEY_CURRENT_USER, scratch_) == ERROR_SUCCESS;
        if (!ok_) {
            RegCloseKey(scratch_);
            scratch_ = nullptr;
        }
    }
}

bool ScratchRegistry::ImportWithRegedit(const std::string& file) {
    // regedit runs in a process of its own, whose current user hive is the
    // real one: the keys are moved below the scratch key, which this
    // process's hive stands for.
    const std::string hive = "[HKEY_CURRENT_USER\\";
    const std::string scratch(scratchPath_.begin(), scratchPath_.end());  // ASCII
    std::string moved;
    size_t at = 0;
    for (size_t hit; (hit = file.find(hive, at)) != std::string::npos; at = hit + hive.size()) {
        moved.append(file, at, hit + hive.size() - at);
        moved += scratch + "\\";
    }
    moved.append(file, at, std::string::npos);
    wchar_t folder[MAX_PATH];
    wchar_t path[MAX_PATH];
    if (GetTempPathW(MAX_PATH, folder) == 0 || GetTempFileNameW(folder, L"reg", 0, path) == 0) {
        return false;
    }
    FILE* out = _wfopen(path, L"wb");
    bool done = out != nullptr && std::fwrite(moved.data(), 1, moved.size(), out) == moved.size();
    if (out != nullptr) {
        done = std::fclose(out) == 0 && done;
    }
    std::wstring command = L"regedit.exe /S \"" + std::wstring(path) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (done && CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process)) {
        done = WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        done = false;
    }
    DeleteFileW(path);
    return done;
}

DWORD ScratchRegistry::SettingsValueCount() const {
    HKEY key = nullptr;
    DWORD values = 0;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Quorvane\\ZED\\Ledgewright", 0, KEY_READ, &key) ==
        ERROR_SUCCESS) {
        RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                         nullptr, nullptr);
        RegCloseKey(key);
    }
    return values;
}

ScratchRegistry::~ScratchRegistry() {
    if (ok_) {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    }
    if (scratch_ != nullptr) {
        RegCloseKey(scratch_);
        RegDeleteTreeW(HKEY_CURRENT_USER, scratchPath_.c_str());
        // The common parent goes too once no other test program uses it.
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\LedgewrightTests");
    }
}

bool ScratchRegistry::SetRawValue(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Quorvane\\ZED\\Ledgewright", 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const LONG status = RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

#else

ScratchRegistry::ScratchRegistry() {
    // Every setting written rewrites and syncs the file; in memory (/dev/shm)
    // the sync costs nothing, which matters once the chooser writes sixty
    // defaults at each first command start.
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    const std::string temporary = error ? std::string("/tmp") : base.string();
    std::string pattern = "/dev/shm/ledgewright-registry-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        pattern = temporary + "/ledgewright-registry-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            return;
        }
    }
    folder_ = pattern;
    file_ = folder_ + "/registry.reg";
    SetRegistryFilePath(file_);
    ok_ = true;
}

ScratchRegistry::~ScratchRegistry() {
    SetRegistryFilePath("");
    if (!folder_.empty()) {
        std::error_code error;
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, error);
        std::filesystem::remove_all(folder_, error);
    }
}

std::string ScratchRegistry::ReadFile() const {
    std::ifstream in(file_, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void ScratchRegistry::WriteFile(const std::string& content) const {
    std::ofstream out(file_, std::ios::binary | std::ios::trunc);
    out << content;
}

#endif
