// The script reader: every action, typed text taken verbatim, and bad lines.
#include "runner/script_file.h"

#include <gtest/gtest.h>

#include "runner/tokens.h"

namespace runner {
namespace {

TEST(ZedrunnerScriptFile, ReadsEveryAction) {
    const std::string text =
        "# demo\n"
        "start\n"
        "  type PlaneA\n"
        "pick 50.5 -0   # the bottom edge\n"
        "pick-element 2:13\n"
        "pick-dimension -1\n"
        "pick-note 3\n"
        "\n"
        "picture editing.svg\n"
        "end\r\n"
        "quit\n";
    SourceError error;
    const std::optional<std::vector<Action>> actions = ParseScript(text, "demo.script", error);
    ASSERT_TRUE(actions.has_value()) << error.ToString();
    ASSERT_EQ(actions->size(), 9u);
    const std::vector<Action>& a = *actions;
    EXPECT_EQ(a[0].kind, Action::Kind::Start);
    EXPECT_EQ(a[0].line, 2);
    EXPECT_EQ(a[1].kind, Action::Kind::Type);
    EXPECT_EQ(a[1].text, "PlaneA");
    EXPECT_EQ(a[2].kind, Action::Kind::Pick);
    EXPECT_EQ(a[2].x, 50.5);
    EXPECT_EQ(a[2].y, 0.0);
    EXPECT_EQ(a[2].echo, "pick 50.5 -0");
    EXPECT_EQ(a[3].kind, Action::Kind::PickElement);
    EXPECT_EQ(a[3].shape, 2);
    EXPECT_EQ(a[3].position, 13);
    EXPECT_EQ(a[4].kind, Action::Kind::PickDimension);
    EXPECT_EQ(a[4].index, -1);
    EXPECT_EQ(a[5].kind, Action::Kind::PickNote);
    EXPECT_EQ(a[5].index, 3);
    EXPECT_EQ(a[6].kind, Action::Kind::Picture);
    EXPECT_EQ(a[6].text, "editing.svg");
    EXPECT_EQ(a[7].kind, Action::Kind::End);
    EXPECT_EQ(a[7].line, 10);
    EXPECT_EQ(a[8].kind, Action::Kind::Quit);
}

TEST(ZedrunnerScriptFile, TypedTextIsTheRestOfTheLineAsWritten) {
    Action action;
    std::string problem;
    ASSERT_EQ(ParseActionLine("type 턱걸이 # not a comment \"x\"", action, problem), LineResult::Action);
    EXPECT_EQ(action.text, "턱걸이 # not a comment \"x\"");
    EXPECT_EQ(action.echo, "type 턱걸이 # not a comment \"x\"");

    // One blank separates; any further blanks are typed.
    ASSERT_EQ(ParseActionLine("type   30 ", action, problem), LineResult::Action);
    EXPECT_EQ(action.text, "  30 ");
    ASSERT_EQ(ParseActionLine("type", action, problem), LineResult::Action);
    EXPECT_EQ(action.text, "");
    EXPECT_EQ(action.echo, "type");
    ASSERT_EQ(ParseActionLine("\ttype\tx", action, problem), LineResult::Action);
    EXPECT_EQ(action.text, "x");

    // "typed" is no "type".
    EXPECT_EQ(ParseActionLine("typed x", action, problem), LineResult::Invalid);
}

TEST(ZedrunnerScriptFile, BlankAndCommentLinesAreNoActions) {
    Action action;
    std::string problem;
    EXPECT_EQ(ParseActionLine("", action, problem), LineResult::Blank);
    EXPECT_EQ(ParseActionLine("   \t", action, problem), LineResult::Blank);
    EXPECT_EQ(ParseActionLine("  # type PlaneA", action, problem), LineResult::Blank);
}

std::string ScriptErrorOf(const std::string& text) {
    SourceError error;
    EXPECT_FALSE(ParseScript(text, "demo.script", error).has_value()) << "accepted: " << text;
    return error.ToString();
}

TEST(ZedrunnerScriptFile, NamesTheLineAndWhatWasExpected) {
    EXPECT_EQ(ScriptErrorOf("start\npick 5\n"), "demo.script:2: expected 2 numbers (x y) after 'pick'");
    EXPECT_EQ(ScriptErrorOf("start\n\npick 5 y\n"), "demo.script:3: expected 2 numbers (x y) after 'pick'");
    EXPECT_EQ(ScriptErrorOf("pick 1 2 3\n"), "demo.script:1: expected 2 numbers (x y) after 'pick'");
    EXPECT_EQ(ScriptErrorOf("start now\n"), "demo.script:1: expected nothing after 'start'");
    EXPECT_EQ(ScriptErrorOf("pick-element 3\n"),
              "demo.script:1: expected <shape>:<position> after 'pick-element', both from 1 (e.g. 1:3)");
    EXPECT_EQ(ScriptErrorOf("pick-element 0:1\n"),
              "demo.script:1: expected <shape>:<position> after 'pick-element', both from 1 (e.g. 1:3)");
    EXPECT_EQ(ScriptErrorOf("pick-element 1:x\n"),
              "demo.script:1: expected <shape>:<position> after 'pick-element', both from 1 (e.g. 1:3)");
    EXPECT_EQ(ScriptErrorOf("pick-dimension 0\n"),
              "demo.script:1: expected a number after 'pick-dimension': 1 for the oldest, -1 for the newest");
    EXPECT_EQ(ScriptErrorOf("picture\n"), "demo.script:1: expected a file name after 'picture'");
    EXPECT_EQ(ScriptErrorOf("pick-note\n"),
              "demo.script:1: expected a number after 'pick-note': 1 for the oldest, -1 for the newest");
    EXPECT_EQ(ScriptErrorOf("start\nclick 1 2\n"),
              "demo.script:2: unknown action 'click' (expected start, type, pick, pick-element, pick-dimension, "
              "pick-note, picture, end, quit or a dialog action (chooser-..., panel-..., picker-...))");
    EXPECT_EQ(ScriptErrorOf("chooser-enter width\n"),
              "demo.script:1: expected a control name and a text (in quotes if it holds blanks) after 'chooser-enter'");
    EXPECT_EQ(ScriptErrorOf("picker-cell 1\n"), "demo.script:1: expected a row and a column (from 1) after 'picker-cell'");
    EXPECT_EQ(ScriptErrorOf("chooser-key home\n"),
              "demo.script:1: expected a key: up, down, left, right, enter, escape or space after 'chooser-key'");
    EXPECT_EQ(ScriptErrorOf("picker-ok now\n"), "demo.script:1: expected nothing after 'picker-ok'");
    EXPECT_EQ(ScriptErrorOf("panel-choose hole-kind x\n"),
              "demo.script:1: expected a control name and an item number (from 0) after 'panel-choose'");
    EXPECT_NE(ScriptErrorOf("window-click ok\n").find("unknown action 'window-click'"), std::string::npos);
}

struct DialogLine {
    const char* line;
    DialogTarget dialog;
    DialogVerb verb;
    const char* control;
    const char* text;
    int index;
    int row;
    int column;
    const char* echo;
};

TEST(ZedrunnerScriptFile, ReadsDialogActions) {
    using T = DialogTarget;
    using V = DialogVerb;
    const DialogLine rows[] = {
        {"chooser-row 3", T::Chooser, V::Row, "", "", 3, 0, 0, "chooser-row 3"},
        {"chooser-double-row -1", T::Chooser, V::DoubleRow, "", "", -1, 0, 0, "chooser-double-row -1"},
        {"chooser-click delete", T::Chooser, V::Click, "delete", "", 0, 0, 0, "chooser-click delete"},
        {"chooser-enter layers \"30|50 # 60\"", T::Chooser, V::Enter, "layers", "30|50 # 60", 0, 0, 0,
         "chooser-enter layers \"30|50 # 60\""},
        {"panel-enter slot-r \"\"", T::Panel, V::Enter, "slot-r", "", 0, 0, 0, "panel-enter slot-r \"\""},
        {"panel-choose hole-kind 1", T::Panel, V::Choose, "hole-kind", "", 1, 0, 0, "panel-choose hole-kind 1"},
        {"panel-double-click colour", T::Panel, V::DoubleClick, "colour", "", 0, 0, 0, "panel-double-click colour"},
        {"chooser-key down", T::Chooser, V::Key, "", "", 0x28, 0, 0, "chooser-key down"},
        {"picker-key escape", T::Picker, V::Key, "", "", 0x1B, 0, 0, "picker-key escape"},
        {"picker-cell 2 8", T::Picker, V::Cell, "", "", 0, 2, 8, "picker-cell 2 8"},
        {"picker-double-cell 3 4", T::Picker, V::DoubleCell, "", "", 0, 3, 4, "picker-double-cell 3 4"},
        {"picker-ok", T::Picker, V::Ok, "", "", 0, 0, 0, "picker-ok"},
        {"picker-cancel   # comment", T::Picker, V::Cancel, "", "", 0, 0, 0, "picker-cancel"},
    };
    for (const DialogLine& row : rows) {
        SCOPED_TRACE(row.line);
        Action action;
        std::string problem;
        ASSERT_EQ(ParseActionLine(row.line, action, problem), LineResult::Action) << problem;
        EXPECT_EQ(action.kind, Action::Kind::Dialog);
        EXPECT_EQ(action.dialog, row.dialog);
        EXPECT_EQ(action.verb, row.verb);
        EXPECT_EQ(action.control, row.control);
        EXPECT_EQ(action.text, row.text);
        EXPECT_EQ(action.index, row.index);
        EXPECT_EQ(action.row, row.row);
        EXPECT_EQ(action.column, row.column);
        EXPECT_EQ(action.echo, row.echo);
    }
}

TEST(ZedrunnerTokens, NumbersAreWholeWordsAndFinite) {
    EXPECT_EQ(ParseNumber("-2.5"), -2.5);
    EXPECT_EQ(ParseNumber("+3"), 3.0);
    EXPECT_EQ(ParseNumber("1e2"), 100.0);
    EXPECT_FALSE(ParseNumber("").has_value());
    EXPECT_FALSE(ParseNumber("3mm").has_value());
    EXPECT_FALSE(ParseNumber("+-3").has_value());
    EXPECT_FALSE(ParseNumber("inf").has_value());
    EXPECT_FALSE(ParseNumber("nan").has_value());
    EXPECT_EQ(ParseInteger("-7"), -7);
    EXPECT_FALSE(ParseInteger("7.0").has_value());
    EXPECT_FALSE(ParseInteger("99999999999").has_value());
}

TEST(ZedrunnerTokens, ShortNumbersDropTrailingZerosAndNegativeZero) {
    EXPECT_EQ(FormatNumber(8.0), "8");
    EXPECT_EQ(FormatNumber(12.5), "12.5");
    EXPECT_EQ(FormatNumber(-0.0001), "0");
    EXPECT_EQ(FormatNumber(2.0 / 3.0), "0.667");
    EXPECT_EQ(FormatNumber(1234.5678, 2), "1234.57");
}

}  // namespace
}  // namespace runner
