// The runner's command line.
#ifndef LEDGEWRIGHT_RUNNER_OPTIONS_H
#define LEDGEWRIGHT_RUNNER_OPTIONS_H

#include <optional>
#include <string>
#include <vector>

namespace runner {

// The plug-in that the runner loads unless told otherwise, from its own folder.
#ifdef _WIN32
inline constexpr const char* kDefaultPluginName = "Ledgewright.dll";
#else
inline constexpr const char* kDefaultPluginName = "Ledgewright.so";
#endif

struct Options {
    std::string plugin;      // "" for the plug-in beside the runner
    std::string drawing;     // "" for an empty drawing
    std::string script;      // "" for the interactive mode
    std::string svg;         // "" for no picture
    std::string dump;        // "" for no dump
    std::string dxf;         // "" for no DXF of the drawing
    std::string html;        // "" for no page of the session
    std::string dxfTolerance;  // "" for the default; checked to be a number above 0
    std::string registry;    // "" to leave ZED_REGISTRY_FILE as it is
    std::string installDir;  // "" to leave ZED_HOST_EXE as it is
    bool help = false;
    bool version = false;
};

// Reads the arguments after the program's name ("--name value" or
// "--name=value"); nothing, with the reason in `problem`, for a bad line.
std::optional<Options> ParseOptions(const std::vector<std::string>& arguments, std::string& problem);

// Every option the parser takes, as written on the command line ("--plugin",
// ..., "--version", "--help").
std::vector<std::string> OptionNames();

// The text of --help.
std::string UsageText();

// The text of --version: the product's version and which build the runner
// belongs to.
std::string VersionText();

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_OPTIONS_H
