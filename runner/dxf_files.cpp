#include "runner/dxf_files.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "runner/converter_process.h"
#include "runner/dxf_scene.h"
#include "runner/palette.h"
#include "runner/svg_scene.h"
#include "runner/text_files.h"
#include "runner/tokens.h"

namespace runner {

namespace {

// The converter's exit statuses (runner/dxf/dxf_common.py).
constexpr int kConverterDone = 0;
constexpr int kConverterUnreadable = 2;

std::string Script(const DxfConverter& converter, const char* name) {
    return PathToUtf8(PathFromUtf8(converter.folder) / name);
}

std::string PaletteArgument() {
    std::string text;
    for (int index = 0; index < 16; ++index) {
        text += (index == 0 ? "" : ",") + ColourHex(index);
    }
    return text;
}

std::string ExactNumber(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

std::vector<std::string> NonEmptyLines(const std::string& text) {
    std::vector<std::string> lines;
    for (const std::string& line : SplitLines(text)) {
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

// The last line the converter printed, or what went wrong with running it.
std::string Failure(const ProcessResult& run, const DxfConverter& converter) {
    if (!run.started) {
        return run.problem;
    }
    const std::vector<std::string> lines = NonEmptyLines(run.err);
    const std::string said = lines.empty() ? "no reason given" : lines.back();
    if (run.status == kConverterUnreadable) {
        return said;
    }
    return "the DXF converter (" + converter.python + " " + converter.folder + ") failed: " + said;
}

// A file name in the temporary folder that no other run takes.
std::filesystem::path TemporaryFile(const char* stem) {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error) {
        folder = ".";
    }
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return folder / (std::string(stem) + "-" + std::to_string(ticks) + ".json");
}

}  // namespace

DxfConverter ConverterBeside(const std::string& programFolder) {
    DxfConverter converter;
    converter.folder = PathToUtf8(PathFromUtf8(programFolder) / "dxf");
    return converter;
}

bool IsDxfName(const std::string& path) {
    std::string extension = PathToUtf8(PathFromUtf8(path).extension());
    for (char& c : extension) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return extension == ".dxf";
}

std::optional<std::string> ReadDxfAsDrawing(const DxfConverter& converter, const std::string& path,
                                            double tolerance, std::vector<std::string>& notes,
                                            std::string& problem) {
    const ProcessResult run =
        RunProcess(converter.python, {Script(converter, "dxf_read.py"), "--palette", PaletteArgument(),
                                      "--tolerance", ExactNumber(tolerance), path});
    notes = NonEmptyLines(run.err);
    if (!run.started || run.status != kConverterDone) {
        problem = Failure(run, converter);
        // What was left out before the converter gave up is worth seeing too;
        // its last line is the reason itself.
        if (run.started && run.status == kConverterUnreadable && !notes.empty()) {
            notes.pop_back();
        } else {
            notes.clear();
        }
        return std::nullopt;
    }
    return run.out;
}

bool WriteDrawingAsDxf(const DxfConverter& converter, const std::string& path, std::vector<std::string>& notes,
                       std::string& problem) {
    const std::filesystem::path scenePath = TemporaryFile("zedrunner-scene");
    if (!WriteTextFile(PathToUtf8(scenePath), DxfSceneJson(CollectScene()))) {
        problem = "cannot write the drawing for the DXF converter to " + PathToUtf8(scenePath);
        return false;
    }
    const ProcessResult run = RunProcess(converter.python, {Script(converter, "dxf_write.py"),
                                                            PathToUtf8(scenePath), path});
    std::error_code ignored;
    std::filesystem::remove(scenePath, ignored);
    if (!run.started || run.status != kConverterDone) {
        problem = Failure(run, converter);
        return false;
    }
    notes = NonEmptyLines(run.err);
    return true;
}

}  // namespace runner
