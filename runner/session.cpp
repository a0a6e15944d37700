#include "runner/session.h"

#include <optional>
#include <string>
#include <utility>

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
    "  picture <file>         write the drawing as SVG now\n"
    "  end                    end the command\n"
    "  chooser-row <n>, chooser-double-row <n>, chooser-click <control>, chooser-enter <control> <text>,\n"
    "  chooser-key <key>, panel-click <control>, panel-double-click <control>, panel-enter <control> <text>,\n"
    "  panel-choose <control> <n>, panel-key <key>,\n"
    "  picker-cell <row> <column>, picker-double-cell <row> <column>, picker-key <key>, picker-ok,\n"
    "  picker-cancel          act on the plug-in's dialogs (runner/README.md)\n"
    "  quit                   leave\n";

}  // namespace

namespace {

class ScriptSource final : public ActionSource {
public:
    explicit ScriptSource(const std::vector<Action>& actions) : actions_(actions) {}
    std::optional<Action> Next() override {
        if (putBack_) {
            return std::exchange(putBack_, std::nullopt);
        }
        if (next_ >= actions_.size() || actions_[next_].kind == Action::Kind::Quit) {
            next_ = actions_.size();
            return std::nullopt;
        }
        return actions_[next_++];
    }
    void PutBack(Action action) override { putBack_ = std::move(action); }

private:
    const std::vector<Action>& actions_;
    size_t next_ = 0;
    std::optional<Action> putBack_;
};

class PromptSource final : public ActionSource {
public:
    PromptSource(std::istream& in, std::ostream& out) : in_(in), out_(out) {}
    std::optional<Action> Next() override {
        if (putBack_) {
            return std::exchange(putBack_, std::nullopt);
        }
        std::string line;
        while (!done_) {
            out_ << "> " << std::flush;
            if (!std::getline(in_, line)) {
                out_ << "\n";
                done_ = true;
                break;
            }
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            if (line == "help") {
                out_ << kHelp;
                continue;
            }
            Action action;
            std::string problem;
            const LineResult result = ParseActionLine(line, action, problem);
            if (result == LineResult::Invalid) {
                out_ << "(input error: " << problem << ")\n";
                continue;
            }
            if (result == LineResult::Blank) {
                continue;
            }
            if (action.kind == Action::Kind::Quit) {
                done_ = true;
                break;
            }
            return action;
        }
        return std::nullopt;
    }
    void PutBack(Action action) override { putBack_ = std::move(action); }

private:
    std::istream& in_;
    std::ostream& out_;
    bool done_ = false;
    std::optional<Action> putBack_;
};

}  // namespace

void RunScript(const std::vector<Action>& actions, Driver& driver) {
    ScriptSource source(actions);
    driver.Run(source, true);
}

void RunInteractive(std::istream& in, std::ostream& out, Driver& driver) {
    PromptSource source(in, out);
    driver.Run(source, false);
}

}  // namespace runner
