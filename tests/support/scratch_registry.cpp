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
