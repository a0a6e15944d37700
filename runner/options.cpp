#include "runner/options.h"

#include <cmath>

#include "ledgewright_version.h"
#include "runner/tokens.h"

namespace runner {

namespace {

struct ValueOption {
    const char* name;
    std::string Options::*field;
};

constexpr ValueOption kValueOptions[] = {
    {"--plugin", &Options::plugin},
    {"--drawing", &Options::drawing},
    {"--script", &Options::script},
    {"--svg", &Options::svg},
    {"--dump", &Options::dump},
    {"--dxf", &Options::dxf},
    {"--html", &Options::html},
    {"--dxf-tolerance", &Options::dxfTolerance},
    {"--registry", &Options::registry},
    {"--install-dir", &Options::installDir},
};

constexpr const char* kVersionOption = "--version";
constexpr const char* kHelpOption = "--help";

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& arguments, std::string& problem) {
    Options options;
    for (size_t k = 0; k < arguments.size(); ++k) {
        const std::string& argument = arguments[k];
        if (argument == kHelpOption || argument == "-h") {
            options.help = true;
            continue;
        }
        if (argument == kVersionOption) {
            options.version = true;
            continue;
        }
        const size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const ValueOption* option = nullptr;
        for (const ValueOption& candidate : kValueOptions) {
            if (name == candidate.name) {
                option = &candidate;
            }
        }
        if (option == nullptr) {
            problem = argument.rfind("--", 0) == 0 ? "unknown option '" + name + "'"
                                                   : "unexpected argument '" + argument + "'";
            return std::nullopt;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (k + 1 < arguments.size()) {
            value = arguments[++k];
        } else {
            problem = "option " + name + " needs a value";
            return std::nullopt;
        }
        if (value.empty()) {
            problem = "option " + name + " needs a value";
            return std::nullopt;
        }
        if (!(options.*(option->field)).empty()) {
            problem = "option " + name + " given twice";
            return std::nullopt;
        }
        options.*(option->field) = value;
    }
    if (!options.dxfTolerance.empty()) {
        const std::optional<double> tolerance = ParseNumber(options.dxfTolerance);
        if (!tolerance || !(*tolerance > 0.0) || !std::isfinite(*tolerance)) {
            problem = "option --dxf-tolerance needs a number above 0";
            return std::nullopt;
        }
    }
    return options;
}

std::vector<std::string> OptionNames() {
    std::vector<std::string> names;
    for (const ValueOption& option : kValueOptions) {
        names.push_back(option.name);
    }
    names.push_back(kVersionOption);
    names.push_back(kHelpOption);
    return names;
}

std::string UsageText() {
    const std::string head =
        "usage: zedrunner [options]\n"
        "\n"
        "Loads a command plug-in into the emulated Zed CAD host, lays out a drawing and\n"
        "replays what a user does at the host's prompt, printing what the user would see.\n"
        "\n"
        "options:\n";
    const std::string plugin =
        "  --plugin PATH       the plug-in library (default: " + std::string(kDefaultPluginName) +
        " beside zedrunner)\n";
    const std::string rest =
        "  --drawing FILE      the drawing to lay out first, in the runner's format or DXF\n"
        "                      (a name ending in .dxf; default: an empty layer 0)\n"
        "  --script FILE       the actions to replay (default: read them at a \"> \" prompt)\n"
        "  --svg FILE          write a picture of the drawing at the end\n"
        "  --dump FILE         write the host's text dump of the drawing at the end\n"
        "  --dxf FILE          write the drawing as DXF at the end\n"
        "  --html FILE         write the session as one self-contained HTML page: every\n"
        "                      action with what the host showed, and the drawing after\n"
        "                      each action that changed it or asked something\n"
        "  --dxf-tolerance T   join loose lines and arcs of a DXF drawing whose ends lie\n"
        "                      within T (default 1e-6)\n"
        "  --registry FILE     the plug-in's settings file (sets ZED_REGISTRY_FILE;\n"
        "                      on Windows the plug-in uses the real registry instead)\n"
        "  --install-dir DIR   the host's installation folder, which holds zed_ap/\n"
        "                      (sets ZED_HOST_EXE to DIR/bin/zed; not on Windows, where\n"
        "                      the runner's own folder decides)\n"
        "  --version           the version of the runner and the plug-in it was built with\n"
        "  --help              this text\n"
        "\n"
        "actions (one a line, # starts a comment):\n"
        "  start | type <text> | pick <x> <y> | pick-element <shape>:<n> |\n"
        "  pick-dimension <n> | pick-note <n> | picture <file> | end | quit\n"
        "\n"
        "dialog actions (a user's mouse and keyboard on the plug-in's dialogs):\n"
        "  chooser-row <n>               click row n of the pattern list (from 0)\n"
        "  chooser-double-row <n>        double-click it: the row's keyword is typed\n"
        "  chooser-click <control>       click a check box, button or the picture\n"
        "  chooser-enter <control> <text>  type into an edit and leave it\n"
        "  chooser-key <key>             press up, down, left, right, enter, escape or space\n"
        "  panel-click <control>         click a check box, radio or swatch of the panel shown\n"
        "  panel-double-click <control>  double-click it\n"
        "  panel-enter <control> <text>  type into an edit of the panel and leave it\n"
        "  panel-choose <control> <n>    choose item n (from 0) of a drop-down list\n"
        "  panel-key <key>               press a key in the panel\n"
        "  picker-cell <row> <column>    click a cell of the open picker (from 1)\n"
        "  picker-double-cell <row> <column>  double-click it: chosen, the picker closes\n"
        "  picker-key <key>              press a key in the picker\n"
        "  picker-ok, picker-cancel      the picker's OK and CANCEL buttons\n"
        "\n"
        "exit status: 0 done, 1 the plug-in or an output file failed, 2 bad options or input.\n";
    return head + plugin + rest;
}

std::string VersionText() {
    return "zedrunner " LEDGEWRIGHT_VERSION " (Ledgewright, " LEDGEWRIGHT_BUILD_NAME " build)\n";
}

}  // namespace runner
