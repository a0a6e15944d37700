// Replays the user's actions against the emulated host and writes the
// transcript: each action, then what the host showed because of it.
//
//   > type PlaneA
//   prompt: <평면도-타입A>턱걸이를 작성할 라인선택 :
//   > pick 50 0
//   error: 닫힌 연결선 형상을 선택하셔야 합니다.
//   (command ended)
//
// Messages are marked by channel ("prompt:", "error:", "message box:"); the
// runner's own notes are in parentheses. Nothing in the transcript depends on
// time, addresses or paths, so the same inputs give the same transcript.
#ifndef LEDGEWRIGHT_RUNNER_DRIVER_H
#define LEDGEWRIGHT_RUNNER_DRIVER_H

#include <optional>
#include <ostream>

#include "host/zedlib.h"
#include "runner/dialog_actions.h"
#include "runner/drawing_loader.h"
#include "runner/pick_targets.h"
#include "runner/script_file.h"

namespace runner {

// Where the user's actions come from: a script or a prompt. The driver takes
// the actions for an open picker from it too.
class ActionSource {
public:
    virtual ~ActionSource() = default;
    // The next action; nothing at the end or after a quit.
    virtual std::optional<Action> Next() = 0;
    // Gives an action back: the next Next answers it again.
    virtual void PutBack(Action action) = 0;
};

// Told of every action the driver plays, nested ones included (the actions in
// a picker come while the action that opened it is still being played).
class StepObserver {
public:
    virtual ~StepObserver() = default;
    // Before the action is echoed and played.
    virtual void Begun(const Action& action) = 0;
    // Where a pick action clicked, in drawing units.
    virtual void Clicked(const ZedPoint& point) = 0;
    // After what the action changed was reported.
    virtual void Done(const Action& action) = 0;
};

class Driver {
public:
    // Messages already in the host when the driver is made are reported by the
    // first ReportChanges.
    Driver(std::ostream& out, LoadedDrawing drawing);

    // Performs one action and reports what it changed; `echo` writes the
    // action first ("> start"). Quit does nothing here.
    void Perform(const Action& action, bool echo);
    // Reports the messages, protocol errors and blinking that changed since
    // the last report, and the end of a command that was running.
    void ReportChanges();
    // Notes a command left running after the last action.
    void Finish();
    // Performs every action of the source, echoing each or not.
    void Run(ActionSource& source, bool echo);
    // Tells the observer of every action from now on (nullptr for none).
    void Observe(StepObserver* observer) { observer_ = observer; }

private:
    // While a picker is open: the source's picker actions, up to the first
    // action for another dialog or the picker's closing.
    void RunPicker();
    void Start();
    void Deliver(bool delivered, bool typed);
    void PickOn(const PickTarget& target);
    void Note(const std::string& text);

    std::ostream& out_;
    LoadedDrawing drawing_;
    DialogActions dialogs_;
    ActionSource* source_ = nullptr;
    StepObserver* observer_ = nullptr;
    bool echo_ = true;
    size_t messagesSeen_ = 0;
    size_t protocolErrorsSeen_ = 0;
    ZedFigRef blink_{-1, -1};
    bool commandActive_ = false;
};

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_DRIVER_H
