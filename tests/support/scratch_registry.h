// A registry of the test's own, empty at the start and thrown away at the end,
// so that tests never see or change the user's settings.
//
// On Windows the current user's hive is redirected to a scratch key for the
// life of the object (RegOverridePredefKey), so the plug-in's real
// HKEY_CURRENT_USER calls land there. Elsewhere the portable backend is pointed
// at a file in a fresh temporary folder.
#ifndef LEDGEWRIGHT_TESTS_SUPPORT_SCRATCH_REGISTRY_H
#define LEDGEWRIGHT_TESTS_SUPPORT_SCRATCH_REGISTRY_H

#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

class ScratchRegistry {
public:
    ScratchRegistry();
    ~ScratchRegistry();
    ScratchRegistry(const ScratchRegistry&) = delete;
    ScratchRegistry& operator=(const ScratchRegistry&) = delete;

    bool ok() const { return ok_; }

#ifdef _WIN32
    // Stores raw data of any type under the plug-in's settings key.
    bool SetRawValue(const wchar_t* name, DWORD type, const void* data, DWORD size);
    // Imports a file in regedit's format with Windows' own regedit, as a user
    // would: its keys under HKEY_CURRENT_USER land in the scratch key.
    bool ImportWithRegedit(const std::string& file);
    // The number of values under the plug-in's settings key.
    DWORD SettingsValueCount() const;
#else
    const std::string& folder() const { return folder_; }
    const std::string& file() const { return file_; }
    // The whole file, empty when there is none.
    std::string ReadFile() const;
    void WriteFile(const std::string& content) const;
#endif

private:
    bool ok_ = false;
#ifdef _WIN32
    std::wstring scratchPath_;
    HKEY scratch_ = nullptr;
#else
    std::string folder_;
    std::string file_;
#endif
};

#endif  // LEDGEWRIGHT_TESTS_SUPPORT_SCRATCH_REGISTRY_H
