#include "runner/script_file.h"

#include <iterator>

#include "runner/tokens.h"

namespace runner {

namespace {

const char kActions[] =
    "start, type, pick, pick-element, pick-dimension, pick-note, picture, end, quit or a dialog action "
    "(chooser-..., panel-..., picker-...)";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// "type" takes the rest of the line verbatim after one separating blank, so a
// typed text may hold blanks, # and quotes, or be empty.
LineResult ParseType(std::string_view rest, Action& action) {
    action.kind = Action::Kind::Type;
    action.text = rest.empty() ? std::string() : std::string(rest.substr(1));
    action.echo = action.text.empty() ? "type" : "type " + action.text;
    return LineResult::Action;
}

// A word as a quoted token writes it, for the echo.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

bool ExpectCount(const std::vector<Token>& tokens, size_t count, const std::string& what, std::string& problem) {
    if (tokens.size() == count + 1) {
        return true;
    }
    problem = "expected " + what + " after '" + tokens[0].text + "'";
    return false;
}

bool ParseShapeElement(const std::string& word, Action& action) {
    const size_t colon = word.find(':');
    if (colon == std::string::npos) {
        return false;
    }
    const std::optional<int> shape = ParseInteger(std::string_view(word).substr(0, colon));
    const std::optional<int> position = ParseInteger(std::string_view(word).substr(colon + 1));
    if (!shape || !position || *shape < 1 || *position < 1) {
        return false;
    }
    action.shape = *shape;
    action.position = *position;
    return true;
}

struct VerbSyntax {
    std::string_view word;
    DialogVerb verb;
    const char* arguments;  // as the problem report names them
};

constexpr VerbSyntax kVerbs[] = {
    {"click", DialogVerb::Click, "a control name"},
    {"double-click", DialogVerb::DoubleClick, "a control name"},
    {"row", DialogVerb::Row, "a row number (from 0)"},
    {"double-row", DialogVerb::DoubleRow, "a row number (from 0)"},
    {"enter", DialogVerb::Enter, "a control name and a text (in quotes if it holds blanks)"},
    {"choose", DialogVerb::Choose, "a control name and an item number (from 0)"},
    {"key", DialogVerb::Key, "a key: up, down, left, right, enter, escape or space"},
    {"cell", DialogVerb::Cell, "a row and a column (from 1)"},
    {"double-cell", DialogVerb::DoubleCell, "a row and a column (from 1)"},
    {"ok", DialogVerb::Ok, "nothing"},
    {"cancel", DialogVerb::Cancel, "nothing"},
};

constexpr std::string_view kDialogWords[] = {"chooser", "panel", "picker"};

struct KeyName {
    std::string_view name;
    int virtualKey;
};

constexpr KeyName kKeys[] = {
    {"up", 0x26}, {"down", 0x28}, {"left", 0x25}, {"right", 0x27}, {"enter", 0x0D}, {"escape", 0x1B}, {"space", 0x20},
};

// The arguments of a dialog action after its keyword; false when they do not fit the verb.
bool ParseDialogArguments(const std::vector<Token>& tokens, Action& action) {
    const size_t count = tokens.size() - 1;
    switch (action.verb) {
        case DialogVerb::Click:
        case DialogVerb::DoubleClick:
            action.control = count == 1 ? tokens[1].text : "";
            return count == 1;
        case DialogVerb::Row:
        case DialogVerb::DoubleRow: {
            const std::optional<int> row = count == 1 ? ParseInteger(tokens[1].text) : std::nullopt;
            action.index = row.value_or(0);
            return row.has_value();
        }
        case DialogVerb::Enter:
            if (count != 2) {
                return false;
            }
            action.control = tokens[1].text;
            action.text = tokens[2].text;
            return true;
        case DialogVerb::Choose: {
            const std::optional<int> item = count == 2 ? ParseInteger(tokens[2].text) : std::nullopt;
            action.control = count == 2 ? tokens[1].text : "";
            action.index = item.value_or(0);
            return item.has_value();
        }
        case DialogVerb::Key:
            for (const KeyName& key : kKeys) {
                if (count == 1 && tokens[1].text == key.name) {
                    action.index = key.virtualKey;
                    return true;
                }
            }
            return false;
        case DialogVerb::Cell:
        case DialogVerb::DoubleCell: {
            const std::optional<int> row = count == 2 ? ParseInteger(tokens[1].text) : std::nullopt;
            const std::optional<int> column = count == 2 ? ParseInteger(tokens[2].text) : std::nullopt;
            action.row = row.value_or(0);
            action.column = column.value_or(0);
            return row && column;
        }
        case DialogVerb::Ok:
        case DialogVerb::Cancel:
            return count == 0;
    }
    return false;
}

// "<dialog>-<verb>": true when the keyword names a dialog action (its
// arguments may still be wrong; `problem` then says so).
bool ParseDialogAction(const std::vector<Token>& tokens, Action& action, std::string& problem, bool& valid) {
    const std::string& keyword = tokens[0].text;
    const size_t dash = keyword.find('-');
    if (dash == std::string::npos) {
        return false;
    }
    const std::string_view target = std::string_view(keyword).substr(0, dash);
    const std::string_view verb = std::string_view(keyword).substr(dash + 1);
    if (target == kDialogWords[0]) {
        action.dialog = DialogTarget::Chooser;
    } else if (target == kDialogWords[1]) {
        action.dialog = DialogTarget::Panel;
    } else if (target == kDialogWords[2]) {
        action.dialog = DialogTarget::Picker;
    } else {
        return false;
    }
    for (const VerbSyntax& syntax : kVerbs) {
        if (syntax.word == verb) {
            action.kind = Action::Kind::Dialog;
            action.verb = syntax.verb;
            valid = ParseDialogArguments(tokens, action);
            if (!valid) {
                problem = std::string("expected ") + syntax.arguments + " after '" + keyword + "'";
            }
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<std::string_view> DialogWords() { return {std::begin(kDialogWords), std::end(kDialogWords)}; }

std::vector<std::string_view> DialogVerbWords() {
    std::vector<std::string_view> words;
    for (const VerbSyntax& syntax : kVerbs) {
        words.push_back(syntax.word);
    }
    return words;
}

LineResult ParseActionLine(std::string_view line, Action& action, std::string& problem) {
    size_t first = 0;
    while (first < line.size() && IsBlank(line[first])) {
        ++first;
    }
    line.remove_prefix(first);
    action = Action{};
    const std::string_view typeWord = "type";
    if (line.substr(0, typeWord.size()) == typeWord && (line.size() == typeWord.size() || IsBlank(line[4]))) {
        return ParseType(line.substr(typeWord.size()), action);
    }

    std::vector<Token> tokens;
    if (!Tokenize(line, tokens, problem)) {
        return LineResult::Invalid;
    }
    if (tokens.empty()) {
        return LineResult::Blank;
    }
    const std::string& keyword = tokens[0].text;
    action.echo = keyword;
    for (size_t k = 1; k < tokens.size(); ++k) {
        action.echo += " " + (tokens[k].quoted ? Quoted(tokens[k].text) : tokens[k].text);
    }
    if (keyword == "start" || keyword == "end" || keyword == "quit") {
        action.kind = keyword == "start" ? Action::Kind::Start
                      : keyword == "end" ? Action::Kind::End
                                         : Action::Kind::Quit;
        return ExpectCount(tokens, 0, "nothing", problem) ? LineResult::Action : LineResult::Invalid;
    }
    if (keyword == "pick") {
        action.kind = Action::Kind::Pick;
        const std::optional<double> x = tokens.size() > 1 ? ParseNumber(tokens[1].text) : std::nullopt;
        const std::optional<double> y = tokens.size() > 2 ? ParseNumber(tokens[2].text) : std::nullopt;
        if (tokens.size() != 3 || !x || !y) {
            problem = "expected 2 numbers (x y) after 'pick'";
            return LineResult::Invalid;
        }
        action.x = *x;
        action.y = *y;
        return LineResult::Action;
    }
    if (keyword == "pick-element") {
        action.kind = Action::Kind::PickElement;
        if (tokens.size() != 2 || !ParseShapeElement(tokens[1].text, action)) {
            problem = "expected <shape>:<position> after 'pick-element', both from 1 (e.g. 1:3)";
            return LineResult::Invalid;
        }
        return LineResult::Action;
    }
    if (keyword == "picture") {
        action.kind = Action::Kind::Picture;
        if (tokens.size() != 2) {
            problem = "expected a file name after 'picture'";
            return LineResult::Invalid;
        }
        action.text = tokens[1].text;
        return LineResult::Action;
    }
    if (keyword == "pick-dimension" || keyword == "pick-note") {
        action.kind = keyword == "pick-dimension" ? Action::Kind::PickDimension : Action::Kind::PickNote;
        const std::optional<int> index = tokens.size() == 2 ? ParseInteger(tokens[1].text) : std::nullopt;
        if (!index || *index == 0) {
            problem = "expected a number after '" + keyword + "': 1 for the oldest, -1 for the newest";
            return LineResult::Invalid;
        }
        action.index = *index;
        return LineResult::Action;
    }
    bool valid = false;
    if (ParseDialogAction(tokens, action, problem, valid)) {
        return valid ? LineResult::Action : LineResult::Invalid;
    }
    problem = "unknown action '" + keyword + "' (expected " + kActions + ")";
    return LineResult::Invalid;
}

std::optional<std::vector<Action>> ParseScript(std::string_view text, const std::string& fileName, SourceError& error) {
    error.file = fileName;
    std::vector<Action> actions;
    const std::vector<std::string> lines = SplitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        Action action;
        std::string problem;
        const LineResult result = ParseActionLine(lines[i], action, problem);
        if (result == LineResult::Invalid) {
            error.line = static_cast<int>(i) + 1;
            error.message = problem;
            return std::nullopt;
        }
        if (result == LineResult::Action) {
            action.line = static_cast<int>(i) + 1;
            actions.push_back(std::move(action));
        }
    }
    return actions;
}

}  // namespace runner
