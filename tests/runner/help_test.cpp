// The runner's help and its README name every action and option that the
// parser takes, and nothing it does not: the dialog actions listed by
// runner/README.md and by --help are the same, each parses as a dialog action,
// and together they use every dialog word and every verb of the parser.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "runner/options.h"
#include "runner/script_file.h"
#include "runner/text_files.h"

namespace runner {
namespace {

using Names = std::set<std::string>;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string ReadmeText() {
    const char* source = std::getenv("LEDGEWRIGHT_SOURCE_DIR");
    if (source == nullptr) {
        return "";
    }
    return ReadTextFile(std::string(source) + "/runner/README.md").value_or("");
}

// The first cells of the table under "## Dialog actions": `name <args>`, ...
Names ReadmeDialogActions(const std::string& readme) {
    Names names;
    bool inSection = false;
    bool inTable = false;
    const std::regex cellName("`([a-z-]+)[^`]*`");
    for (const std::string& line : Lines(readme)) {
        if (line.rfind("## ", 0) == 0) {
            inSection = line == "## Dialog actions";
            inTable = false;
            continue;
        }
        if (!inSection) {
            continue;
        }
        if (line.rfind("| Action |", 0) == 0) {
            inTable = true;
            continue;
        }
        if (inTable && line.rfind("|", 0) != 0) {
            break;
        }
        if (inTable && line.rfind("|---", 0) != 0) {
            const std::string firstCell = line.substr(1, line.find('|', 1) - 1);
            for (std::sregex_iterator it(firstCell.begin(), firstCell.end(), cellName), end; it != end; ++it) {
                names.insert((*it)[1]);
            }
        }
    }
    return names;
}

// The lines under "dialog actions" in --help: "  name <args>  what", or
// "  name, name  what".
Names HelpDialogActions(const std::string& help) {
    Names names;
    bool inSection = false;
    const std::regex leadingNames("^  ([a-z]+(-[a-z]+)+)((, [a-z]+(-[a-z]+)+)*)");
    const std::regex nextName(", ([a-z]+(-[a-z]+)+)");
    for (const std::string& line : Lines(help)) {
        if (line.rfind("dialog actions", 0) == 0) {
            inSection = true;
            continue;
        }
        if (inSection && line.empty()) {
            break;
        }
        std::smatch match;
        if (inSection && std::regex_search(line, match, leadingNames)) {
            names.insert(match[1]);
            const std::string more = match[3];
            for (std::sregex_iterator it(more.begin(), more.end(), nextName), end; it != end; ++it) {
                names.insert((*it)[1]);
            }
        }
    }
    return names;
}

TEST(RunnerHelp, ReadmeAndHelpListTheSameDialogActions) {
    const std::string readme = ReadmeText();
    ASSERT_FALSE(readme.empty()) << "runner/README.md through LEDGEWRIGHT_SOURCE_DIR";
    const Names documented = ReadmeDialogActions(readme);
    const Names helped = HelpDialogActions(UsageText());
    EXPECT_EQ(documented.size(), 15u);
    EXPECT_EQ(documented, helped);
}

struct ListedActions {
    const char* where;
    Names (*names)();
};

void PrintTo(const ListedActions& listed, std::ostream* out) { *out << listed.where; }

class RunnerHelpActions : public testing::TestWithParam<ListedActions> {};

// Each listed name is a dialog action of the parser, and the names together
// use every dialog word and every verb the parser takes.
TEST_P(RunnerHelpActions, MatchTheParsersTable) {
    const Names names = GetParam().names();
    ASSERT_FALSE(names.empty()) << GetParam().where;
    std::set<std::string> words;
    std::set<std::string> verbs;
    for (const std::string& name : names) {
        Action action;
        std::string problem;
        ParseActionLine(name, action, problem);
        EXPECT_EQ(problem.rfind("unknown action", 0), std::string::npos) << GetParam().where << ": " << name;
        EXPECT_EQ(action.kind, Action::Kind::Dialog) << GetParam().where << ": " << name;
        const size_t dash = name.find('-');
        words.insert(name.substr(0, dash));
        verbs.insert(name.substr(dash + 1));
    }
    for (std::string_view word : DialogWords()) {
        EXPECT_EQ(words.count(std::string(word)), 1u) << GetParam().where << " names no " << word << "-... action";
    }
    for (std::string_view verb : DialogVerbWords()) {
        EXPECT_EQ(verbs.count(std::string(verb)), 1u) << GetParam().where << " names no ...-" << verb << " action";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, RunnerHelpActions,
    testing::Values(ListedActions{"runner/README.md", [] { return ReadmeDialogActions(ReadmeText()); }},
                    ListedActions{"--help", [] { return HelpDialogActions(UsageText()); }}),
    [](const testing::TestParamInfo<ListedActions>& info) { return info.index == 0 ? "Readme" : "Help"; });

// The plain actions: the first words of the README's script table (less its
// row of dialog actions) and of --help's "actions" paragraph ("start | type <text> | ...").
Names ReadmePlainActions(const std::string& readme) {
    Names names;
    bool inSection = false;
    const std::regex firstCell("^\\| `([a-z-]+)[^`]*`");
    for (const std::string& line : Lines(readme)) {
        if (line.rfind("## ", 0) == 0) {
            inSection = line == "## Script format";
            continue;
        }
        std::smatch match;
        if (inSection && std::regex_search(line, match, firstCell) && line.find("…") == std::string::npos) {
            names.insert(match[1]);
        }
    }
    return names;
}

Names HelpPlainActions(const std::string& help) {
    Names names;
    bool inSection = false;
    const std::regex word("(^ +|\\| )([a-z-]+)");
    for (const std::string& line : Lines(help)) {
        if (line.rfind("actions (", 0) == 0) {
            inSection = true;
            continue;
        }
        if (inSection && line.empty()) {
            break;
        }
        for (std::sregex_iterator it(line.begin(), line.end(), word), end; inSection && it != end; ++it) {
            names.insert((*it)[2]);
        }
    }
    return names;
}

// --help and the README name the same actions besides the dialog actions, and
// each is an action of the parser that is no dialog action.
TEST(RunnerHelp, ReadmeAndHelpListTheSamePlainActions) {
    const std::string readme = ReadmeText();
    ASSERT_FALSE(readme.empty()) << "runner/README.md through LEDGEWRIGHT_SOURCE_DIR";
    const Names documented = ReadmePlainActions(readme);
    const Names helped = HelpPlainActions(UsageText());
    EXPECT_EQ(documented, helped);
    EXPECT_EQ(helped.size(), 9u);  // start, type, pick, pick-element, pick-dimension, pick-note, picture, end, quit
    for (const std::string& name : helped) {
        Action action;
        std::string problem;
        ParseActionLine(name, action, problem);
        EXPECT_EQ(problem.rfind("unknown action", 0), std::string::npos) << name;
        EXPECT_NE(action.kind, Action::Kind::Dialog) << name;
    }
}

// Every option of the parser is in --help and in the README's usage line.
TEST(RunnerHelp, NamesEveryOption) {
    const std::string help = UsageText();
    // The options that show and record what the runner did are the parser's.
    for (const char* option : {"--html", "--version", "--svg", "--help"}) {
        const std::vector<std::string> names = OptionNames();
        EXPECT_NE(std::find(names.begin(), names.end(), option), names.end()) << option;
    }
    const std::string readme = ReadmeText();
    ASSERT_FALSE(readme.empty());
    const std::string usage = readme.substr(readme.find("zedrunner [--plugin"));
    const std::string usageBlock = usage.substr(0, usage.find("```"));
    for (const std::string& option : OptionNames()) {
        EXPECT_NE(help.find("\n  " + option + " "), std::string::npos) << "--help lacks " << option;
        EXPECT_NE(usageBlock.find("[" + option), std::string::npos) << "README usage lacks " << option;
        if (option != "--help") {
            EXPECT_NE(readme.find("| `" + option), std::string::npos) << "README's option table lacks " << option;
        }
    }
}

}  // namespace
}  // namespace runner
