// What the fuzz targets share: turning the fuzzer's bytes into the texts the
// readers take, a scratch folder of the process, a fresh plug-in in front of a
// fresh emulated host, and the check that stops a run at a broken rule.
#ifndef LEDGEWRIGHT_FUZZ_FUZZ_SUPPORT_H
#define LEDGEWRIGHT_FUZZ_FUZZ_SUPPORT_H

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "host/zedtext.h"

namespace fuzz {

// The bytes as they are.
std::string Bytes(const uint8_t* data, size_t size);

// The bytes as code units of the plug-in's text, cut at the first zero unit
// (the host hands zero-terminated texts): any unit, surrogates and
// unassigned ones included.
ZedString Units(const uint8_t* data, size_t size);

// A folder of this process for the files a target writes.
const std::filesystem::path& ScratchFolder();

// Writes the bytes to a file of the scratch folder and gives its path.
std::filesystem::path WriteScratchFile(const std::string& name, const std::string& bytes);

// An empty drawing with layers 0, 3 and 50, every process-wide record of the
// plug-in as at load, its settings in a scratch file, the command registered.
void FreshPlugin();

// The rules every target keeps after its input: no protocol error, the
// drawing sound, no hole data or host memory left.
void RequireHostClean(const char* after);

// Stops the run with the rule that broke (the fuzzer keeps the input).
void Require(bool holds, const char* rule);

}  // namespace fuzz

#endif  // LEDGEWRIGHT_FUZZ_FUZZ_SUPPORT_H
