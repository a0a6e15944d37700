// What the runner needs from its own process: arguments, folder, environment
// and console, on Windows and elsewhere.
#ifndef LEDGEWRIGHT_RUNNER_PROCESS_ENV_H
#define LEDGEWRIGHT_RUNNER_PROCESS_ENV_H

#include <string>
#include <vector>

namespace runner {

// The arguments after the program's name, in UTF-8 (on Windows read from the
// wide command line, so that any path survives).
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// The folder of the running executable (UTF-8), "" when unknown.
std::string ExecutableDirectory();

// Sets an environment variable of this process, seen by the plug-in too.
bool SetEnvironmentVariableUtf8(const std::string& name, const std::string& value);

// Makes standard output take UTF-8 bytes as they are (no line-end
// translation, UTF-8 console on Windows).
void PrepareStandardOutput();

#ifdef _WIN32
std::wstring Utf8ToWide(const std::string& utf8);
std::string WideToUtf8(const std::wstring& wide);
#endif

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_PROCESS_ENV_H
