// DXF drawings in and out of the runner, through the converter beside it
// (runner/dxf/*.py, run with Debian's /usr/bin/python3 and its ezdxf).
#ifndef LEDGEWRIGHT_RUNNER_DXF_FILES_H
#define LEDGEWRIGHT_RUNNER_DXF_FILES_H

#include <optional>
#include <string>
#include <vector>

namespace runner {

// Where the converter is: the interpreter and the folder of its scripts.
struct DxfConverter {
    std::string python = "/usr/bin/python3";
    std::string folder;  // holds dxf_read.py and dxf_write.py
};

// The converter installed beside a program: the dxf/ folder in its folder.
DxfConverter ConverterBeside(const std::string& programFolder);

// Loose lines and arcs whose ends lie this close are joined, unless the user
// says otherwise.
inline constexpr double kDefaultDxfTolerance = 1e-6;

// Whether a drawing file is DXF (by its name: .dxf in any case).
bool IsDxfName(const std::string& path);

// A DXF drawing as the text of the runner's own drawing format. `notes` gets
// one line for everything the converter left out; nothing comes back (with
// the reason in `problem`) when the file cannot be taken at all.
std::optional<std::string> ReadDxfAsDrawing(const DxfConverter& converter, const std::string& path,
                                            double tolerance, std::vector<std::string>& notes,
                                            std::string& problem);

// Writes the emulated host's drawing as DXF; false with the reason in
// `problem` when it cannot. `notes` gets one line for anything left out.
bool WriteDrawingAsDxf(const DxfConverter& converter, const std::string& path, std::vector<std::string>& notes,
                       std::string& problem);

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_DXF_FILES_H
