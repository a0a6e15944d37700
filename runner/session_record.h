// A session as a page shows it: each action with what the host showed because
// of it, and a picture of the drawing after each action that changed it or
// asked the user something.
#ifndef LEDGEWRIGHT_RUNNER_SESSION_RECORD_H
#define LEDGEWRIGHT_RUNNER_SESSION_RECORD_H

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "runner/driver.h"
#include "runner/tee_stream.h"

namespace runner {

struct SessionStep {
    int number = 0;                  // from 1, in the order the actions were played
    std::string action;              // as the transcript echoes it
    std::vector<std::string> lines;  // the transcript's lines for it, the echo left out
    std::optional<std::string> svg;  // the drawing after it, with its marks
};

struct SessionRecord {
    std::string title;                // the session's name (the script's, without folder and extension)
    std::string description;          // the script's opening comment
    std::vector<std::string> about;   // drawing, script, runner version
    std::vector<std::string> before;  // what the host showed before the first action
    std::vector<SessionStep> steps;
    std::vector<std::string> after;  // the runner's notes after the last action
};

// The opening comment of a script: its first lines that start with '#', the
// marks and one blank after them taken off, joined by blanks.
std::string ScriptDescription(const std::string& script);

// Watches the driver and what it writes. The driver writes to Transcript(),
// which passes everything on to `out`.
class SessionRecorder final : public StepObserver {
public:
    // Takes the picture of the drawing as it stands before the first action.
    explicit SessionRecorder(std::ostream& out);

    std::ostream& Transcript() { return transcript_; }
    void Begun(const Action& action) override;
    void Clicked(const ZedPoint& point) override;
    void Done(const Action& action) override;
    // The record so far, with what was written after the last action.
    SessionRecord Finish();

private:
    void TakeText();

    TeeStream transcript_;
    SessionRecord record_;
    std::vector<size_t> open_;        // the steps being played, innermost last
    std::vector<std::string> texts_;  // each step's transcript so far
    std::string outside_;             // written while no step was open
    std::optional<ZedPoint> click_;
    std::string picture_;  // the drawing after the last step, without marks
    ZedFigRef blink_{-1, -1};
};

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_SESSION_RECORD_H
