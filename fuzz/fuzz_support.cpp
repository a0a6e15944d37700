#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

#include "command/command_flow.h"
#include "command/command_state.h"
#include "emuhost/emu_api.h"
#include "geometry/shoulder_memory.h"
#include "holes/hole_state.h"
#include "settings/registry_backend.h"
#include "settings/shoulder_settings.h"

namespace fuzz {

std::string Bytes(const uint8_t* data, size_t size) {
    return size == 0 ? std::string() : std::string(reinterpret_cast<const char*>(data), size);
}

ZedString Units(const uint8_t* data, size_t size) {
    ZedString text;
    for (size_t i = 0; i + sizeof(ZedChar) <= size; i += sizeof(ZedChar)) {
        ZedChar unit{};
        std::memcpy(&unit, data + i, sizeof(ZedChar));
        if (unit == 0) {
            break;
        }
        text.push_back(unit);
    }
    return text;
}

const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path made =
            std::filesystem::temp_directory_path() / ("ledgewright-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(made);
        // Left behind by a crash at worst; a clean exit takes it away.
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(
                std::filesystem::temp_directory_path() / ("ledgewright-fuzz-" + std::to_string(getpid())), ignored);
        });
        return made;
    }();
    return folder;
}

std::filesystem::path WriteScratchFile(const std::string& name, const std::string& bytes) {
    const std::filesystem::path path = ScratchFolder() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

void FreshPlugin() {
    emu::Reset();
    ResetPluginRecords();
    const std::filesystem::path settings = ScratchFolder() / "registry.reg";
    std::filesystem::remove(settings);
    SetRegistryFilePath(settings.string());
    for (int layer : {0, 3, 50}) {
        emu::AddLayer(layer);
    }
    emu::SetCurrentLayer(0);
    Require(RegisterLedgewright() == 0, "the command registers");
}

void RequireHostClean(const char* after) {
    const std::vector<std::string> errors = emu::ProtocolErrors();
    const std::string integrity = emu::CheckAllIntegrity();
    if (!errors.empty() || !integrity.empty() || emu::LiveHoleData() != 0 || emu::LiveHostMemory() != 0) {
        std::fprintf(stderr, "after %s: protocol errors %zu (%s), integrity \"%s\", hole data %d, host memory %d\n",
                     after, errors.size(), errors.empty() ? "" : errors.front().c_str(), integrity.c_str(),
                     emu::LiveHoleData(), emu::LiveHostMemory());
        std::abort();
    }
}

void Require(bool holds, const char* rule) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", rule);
        std::abort();
    }
}

}  // namespace fuzz
