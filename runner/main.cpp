// zedrunner: loads a command plug-in into the emulated host and replays a
// user's actions at the host's prompt. See runner/README.md.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "emuhost/emu_api.h"
#include "runner/drawing_file.h"
#include "runner/drawing_loader.h"
#include "runner/driver.h"
#include "runner/dxf_files.h"
#include "runner/host_window.h"
#include "runner/html_session.h"
#include "runner/options.h"
#include "runner/plugin_library.h"
#include "runner/process_env.h"
#include "runner/script_file.h"
#include "runner/session.h"
#include "runner/session_record.h"
#include "runner/svg_writer.h"
#include "runner/text_files.h"
#include "runner/tokens.h"

namespace {

constexpr int kDone = 0;
constexpr int kRunFailed = 1;
constexpr int kBadInput = 2;

void Complain(const std::string& text) { std::cerr << "zedrunner: " << text << "\n"; }

std::string Absolute(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(runner::PathFromUtf8(path), error);
    return error ? path : runner::PathToUtf8(absolute.lexically_normal());
}

// Reads an input file; nothing (after complaining) when it cannot be read.
std::optional<std::string> ReadInput(const std::string& path, const char* what) {
    std::optional<std::string> text = runner::ReadTextFile(path);
    if (!text) {
        Complain(std::string("cannot read the ") + what + " file " + path);
    }
    return text;
}

// Points the plug-in's settings file and installation folder where asked.
void SetPluginEnvironment(const runner::Options& options) {
#ifdef _WIN32
    if (!options.registry.empty() || !options.installDir.empty()) {
        Complain("note: on Windows the plug-in uses the real registry and the runner's own folder");
    }
    const char* hostProgram = "bin\\zed.exe";
#else
    const char* hostProgram = "bin/zed";
#endif
    if (!options.registry.empty()) {
        runner::SetEnvironmentVariableUtf8("ZED_REGISTRY_FILE", Absolute(options.registry));
    }
    if (!options.installDir.empty()) {
        std::filesystem::path exe =
            runner::PathFromUtf8(Absolute(options.installDir)) / runner::PathFromUtf8(hostProgram);
        runner::SetEnvironmentVariableUtf8("ZED_HOST_EXE", runner::PathToUtf8(exe.make_preferred()));
    }
}

std::string PluginPath(const runner::Options& options) {
    if (!options.plugin.empty()) {
        return options.plugin;
    }
    const std::filesystem::path beside =
        runner::PathFromUtf8(runner::ExecutableDirectory()) / runner::PathFromUtf8(runner::kDefaultPluginName);
    return runner::PathToUtf8(beside);
}

// The drawing's name in messages about its statements: a DXF drawing's are
// those of its conversion into the runner's format.
std::string DrawingName(const runner::Options& options) {
    return runner::IsDxfName(options.drawing) ? options.drawing + " (as converted)" : options.drawing;
}

// The drawing file's text in the runner's format: as it is, or converted from
// DXF (after reporting what the conversion left out). Nothing when a DXF
// drawing cannot be taken.
std::optional<std::string> DrawingText(const runner::Options& options, const std::string& text) {
    if (!runner::IsDxfName(options.drawing)) {
        return text;
    }
    const double tolerance = options.dxfTolerance.empty() ? runner::kDefaultDxfTolerance
                                                          : *runner::ParseNumber(options.dxfTolerance);
    std::vector<std::string> notes;
    std::string problem;
    std::optional<std::string> converted = runner::ReadDxfAsDrawing(
        runner::ConverterBeside(runner::ExecutableDirectory()), options.drawing, tolerance, notes, problem);
    for (const std::string& note : notes) {
        Complain(options.drawing + ": " + note);
    }
    if (!converted) {
        Complain(options.drawing + ": " + problem);
    }
    return converted;
}

bool WriteOutput(const std::string& path, const std::string& text, const char* what) {
    if (runner::WriteTextFile(path, text)) {
        return true;
    }
    Complain(std::string("cannot write the ") + what + " file " + path);
    return false;
}

// The session's page: named after the script, described by its opening
// comment; file names without their folders, so that the page is the same
// wherever the files lie.
runner::SessionRecord SessionPage(const runner::Options& options, const std::string& scriptText,
                                  runner::SessionRecorder& recorder) {
    runner::SessionRecord record = recorder.Finish();
    const auto name = [](const std::string& path) { return runner::PathToUtf8(runner::PathFromUtf8(path).filename()); };
    record.title =
        options.script.empty() ? "typed actions" : runner::PathToUtf8(runner::PathFromUtf8(options.script).stem());
    record.description = runner::ScriptDescription(scriptText);
    record.about.push_back("drawing " + (options.drawing.empty() ? std::string("(empty)") : name(options.drawing)));
    if (!options.script.empty()) {
        record.about.push_back("script " + name(options.script));
    }
    std::string version = runner::VersionText();
    while (!version.empty() && version.back() == '\n') {
        version.pop_back();
    }
    record.about.push_back(version);
    return record;
}

}  // namespace

int main(int argc, char** argv) {
    runner::PrepareStandardOutput();
    std::string problem;
    const std::optional<runner::Options> options =
        runner::ParseOptions(runner::CommandLineArguments(argc, argv), problem);
    if (!options) {
        Complain(problem + " (see --help)");
        return kBadInput;
    }
    if (options->help) {
        std::cout << runner::UsageText();
        return kDone;
    }
    if (options->version) {
        std::cout << runner::VersionText();
        return kDone;
    }

    // Both inputs are read before anything runs, so that a mistake in either
    // is found first.
    runner::SourceError error;
    std::optional<runner::DrawingFile> drawing = runner::ParseDrawing("", "", error);
    if (!options->drawing.empty()) {
        const std::optional<std::string> text = ReadInput(options->drawing, "drawing");
        if (!text) {
            return kBadInput;
        }
        const std::optional<std::string> drawingText = DrawingText(*options, *text);
        if (!drawingText) {
            return kBadInput;
        }
        drawing = runner::ParseDrawing(*drawingText, DrawingName(*options), error);
        if (!drawing) {
            Complain(error.ToString());
            return kBadInput;
        }
    }
    std::optional<std::vector<runner::Action>> actions;
    std::string scriptText;
    if (!options->script.empty()) {
        const std::optional<std::string> text = ReadInput(options->script, "script");
        if (!text) {
            return kBadInput;
        }
        scriptText = *text;
        actions = runner::ParseScript(*text, options->script, error);
        if (!actions) {
            Complain(error.ToString());
            return kBadInput;
        }
    }

    SetPluginEnvironment(*options);
    emu::Reset();
    std::optional<runner::LoadedDrawing> loaded = runner::LoadDrawing(*drawing, DrawingName(*options), error);
    if (!loaded) {
        Complain(error.ToString());
        return kBadInput;
    }

    // The host's main window exists before the host loads its plug-ins.
    if (!runner::OpenHostWindow()) {
        Complain("note: no host window could be made; keys that the plug-in's dialogs type go nowhere");
    }
    const std::string pluginPath = PluginPath(*options);
    const runner::StartupFunction startup = runner::LoadPlugin(pluginPath, problem);
    if (startup == nullptr) {
        Complain(problem);
        return kRunFailed;
    }
    const int started = startup();
    if (started < 0) {
        Complain("Startup of the plug-in " + pluginPath + " returned " + std::to_string(started) +
                 ": it could not register its command");
        return kRunFailed;
    }

    // With --html the transcript passes through the session's recorder.
    std::optional<runner::SessionRecorder> recorder;
    if (!options->html.empty()) {
        recorder.emplace(std::cout);
    }
    runner::Driver driver(recorder ? recorder->Transcript() : std::cout, std::move(*loaded));
    driver.Observe(recorder ? &*recorder : nullptr);
    driver.ReportChanges();  // anything the plug-in showed while starting up
    if (actions) {
        runner::RunScript(*actions, driver);
    } else {
        runner::RunInteractive(std::cin, std::cout, driver);
    }
    std::cout << std::flush;

    bool written = true;
    if (recorder) {
        const runner::SessionRecord record = SessionPage(*options, scriptText, *recorder);
        written = WriteOutput(options->html, runner::RenderSessionHtml(record), "page") && written;
    }
    if (!options->svg.empty()) {
        written = WriteOutput(options->svg, runner::RenderDrawingSvg(), "picture") && written;
    }
    if (!options->dump.empty()) {
        written = WriteOutput(options->dump, emu::Dump(), "dump") && written;
    }
    if (!options->dxf.empty()) {
        std::string problem;
        std::vector<std::string> notes;
        if (!runner::WriteDrawingAsDxf(runner::ConverterBeside(runner::ExecutableDirectory()), options->dxf, notes,
                                       problem)) {
            Complain("cannot write the DXF file " + options->dxf + ": " + problem);
            written = false;
        }
        for (const std::string& note : notes) {
            Complain(options->dxf + ": " + note);
        }
    }
    return written ? kDone : kRunFailed;
}
