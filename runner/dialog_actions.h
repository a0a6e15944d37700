// The runner's dialog actions: the user's clicks, typing and keys on the
// plug-in's chooser, its panel and its pickers, played through the dialog
// driver table that the plug-in offered the emulated host
// (emuhost/emu_dialog_driver.h). After each action the transcript shows what
// changed: the settings written, the list row selected, the panel shown and a
// picker opened or closed.
//
//   > chooser-row 1
//   registry: mMainProtrude = "1.0"
//   ...
//   (selected row: 1)
//   (panel shown: PlaneB panel)
#ifndef LEDGEWRIGHT_RUNNER_DIALOG_ACTIONS_H
#define LEDGEWRIGHT_RUNNER_DIALOG_ACTIONS_H

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "runner/script_file.h"

namespace runner {

class DialogActions {
public:
    explicit DialogActions(std::ostream& out) : out_(out) {}

    // Plays the action and reports what it changed, or why nothing was done.
    void Perform(const Action& action);
    // What runs while a picker is open (the user's next actions); the picker
    // is closed with its close box if it is still open afterwards.
    void OnPicker(std::function<void()> run) { onPicker_ = std::move(run); }
    bool PickerOpen() const;

private:
    struct Shown {
        int row = -1;
        std::string panel;
        std::string picker;
    };
    Shown Now() const;
    void Report(const Shown& before);
    void Note(const std::string& text) { out_ << "(" << text << ")\n"; }

    static void PickerOpened(void* self);
    static void Written(void* self, const char* name, const char* text);

    std::ostream& out_;
    std::function<void()> onPicker_;
    std::vector<std::pair<std::string, std::string>> written_;
    size_t writtenReported_ = 0;
};

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_DIALOG_ACTIONS_H
