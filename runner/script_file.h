// The runner's script: what the user does at the host, one action a line.
//
//   start                    run the command
//   type PlaneA              type a text (the rest of the line after one blank)
//   pick 50 0                click at a point of the drawing
//   pick-element 1:3         click on element 3 (chain position) of shape 1 of the drawing file
//   pick-dimension 2         click on the 2nd dimension in the drawing (-1: the newest)
//   pick-note -1             click on a note, counted the same way
//   picture now.svg          write a picture of the drawing as it is now
//   end                      end the command
//   chooser-row 1            a dialog action: <dialog>-<verb> [arguments]
//                            (chooser, panel or picker; runner/README.md lists them)
//   quit                     stop reading actions
//   # comment
//
// The same lines are read at the prompt of the interactive mode.
#ifndef LEDGEWRIGHT_RUNNER_SCRIPT_FILE_H
#define LEDGEWRIGHT_RUNNER_SCRIPT_FILE_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runner/source_error.h"

namespace runner {

// Which of the plug-in's dialogs a dialog action is for, and what it does there.
enum class DialogTarget { Chooser, Panel, Picker };
enum class DialogVerb { Click, DoubleClick, Row, DoubleRow, Enter, Choose, Key, Cell, DoubleCell, Ok, Cancel };

struct Action {
    enum class Kind { Start, Type, Pick, PickElement, PickDimension, PickNote, Picture, End, Dialog, Quit };
    Kind kind = Kind::Start;
    int line = 0;
    std::string echo;  // the action as the transcript shows it
    std::string text;  // Type: UTF-8, as written; Picture: the file
    double x = 0.0;    // Pick
    double y = 0.0;
    int shape = 0;     // PickElement: shape of the drawing file, from 1
    int position = 0;  // PickElement: position in the shape's chain, from 1
    int index = 0;     // PickDimension, PickNote: from 1 (oldest) or from -1 (newest);
                       // Dialog: the row, the item or the virtual-key code
    DialogTarget dialog = DialogTarget::Chooser;  // Dialog
    DialogVerb verb = DialogVerb::Click;
    std::string control;  // Dialog: the control's name; the typed text is in `text`
    int row = 0;          // Dialog, Cell: from 1
    int column = 0;
};

enum class LineResult { Blank, Action, Invalid };

// Reads one line. A blank line or a comment gives Blank; a malformed line gives
// Invalid with a description in `problem`.
LineResult ParseActionLine(std::string_view line, Action& action, std::string& problem);

// The words of the dialog actions as the parser takes them: a dialog action is
// "<dialog>-<verb>" with a dialog word and a verb word of these tables.
std::vector<std::string_view> DialogWords();
std::vector<std::string_view> DialogVerbWords();

// Reads a whole script; a malformed line stops the reading with its line in `error`.
std::optional<std::vector<Action>> ParseScript(std::string_view text, const std::string& fileName, SourceError& error);

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_SCRIPT_FILE_H
