// Loading a command plug-in the way the host does: the shared library, then
// its exported Startup.
#ifndef LEDGEWRIGHT_RUNNER_PLUGIN_LIBRARY_H
#define LEDGEWRIGHT_RUNNER_PLUGIN_LIBRARY_H

#include <string>

namespace runner {

// The plug-in's entry point: 0 (or more) when it registered its command, -1
// when it could not.
using StartupFunction = int (*)();

// Loads the library at the path (UTF-8) and finds its Startup. The library
// stays loaded until the process ends, as in the host. nullptr, with the
// reason in `problem`, when the library cannot be loaded or lacks Startup.
StartupFunction LoadPlugin(const std::string& path, std::string& problem);

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_PLUGIN_LIBRARY_H
