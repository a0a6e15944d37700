#include "runner/session.h"

#include <string>

namespace runner {

namespace {

const char kHelp[] =
    "actions:\n"
    "  start                  run the command\n"
    "  type <text>            type a text (may be empty or hold blanks)\n"
    "  pick <x> <y>           click at a point\n"
    "  pick-element <s>:<n>   click on element n of shape s of the drawing file\n"
    "  pick-dimension <n>     click on dimension n (1 the oldest, -1 the newest)\n"
    "  pick-note <n>          click on note n, counted the same way\n"
    "  end                    end the command\n"
    "  quit                   leave\n";

}  // namespace

void RunScript(const std::vector<Action>& actions, Driver& driver) {
    for (const Action& action : actions) {
        if (action.kind == Action::Kind::Quit) {
            break;
        }
        driver.Perform(action, true);
    }
    driver.Finish();
}

void RunInteractive(std::istream& in, std::ostream& out, Driver& driver) {
    std::string line;
    while (true) {
        out << "> " << std::flush;
        if (!std::getline(in, line)) {
            out << "\n";
            break;
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line == "help") {
            out << kHelp;
            continue;
        }
        Action action;
        std::string problem;
        const LineResult result = ParseActionLine(line, action, problem);
        if (result == LineResult::Invalid) {
            out << "(input error: " << problem << ")\n";
            continue;
        }
        if (result == LineResult::Blank) {
            continue;
        }
        if (action.kind == Action::Kind::Quit) {
            break;
        }
        driver.Perform(action, false);
        out << std::flush;
    }
    driver.Finish();
}

}  // namespace runner
