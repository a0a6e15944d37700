#ifndef _WIN32
#include <unistd.h>

#include <filesystem>
#include <string>

#include "settings/registry_backend.h"
#include "tests/support/scratch_registry.h"

void UseScratchRegistry() {
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "ledgewright-test-XXXXXX").string();
        const char* made = mkdtemp(pattern.data());
        return std::filesystem::path(made != nullptr ? made : pattern);
    }();
    static int counter = 0;
    const std::filesystem::path file = folder / ("registry-" + std::to_string(++counter) + ".reg");
    std::filesystem::remove(file);
    SetRegistryFilePath(file.string());
}
#endif
