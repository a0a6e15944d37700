#include "runner/dialog_actions.h"

#include "emuhost/emu_api.h"

namespace runner {

namespace {

const char* DialogWord(DialogTarget target) {
    switch (target) {
        case DialogTarget::Chooser:
            return "chooser";
        case DialogTarget::Panel:
            return "panel";
        case DialogTarget::Picker:
            return "picker";
    }
    return "dialog";
}

ZedEmuDialog* DialogOf(const ZedEmuDialogDriver& driver, DialogTarget target) {
    switch (target) {
        case DialogTarget::Chooser:
            return driver.chooser();
        case DialogTarget::Panel:
            return driver.shownPanel();
        case DialogTarget::Picker:
            return driver.openPicker();
    }
    return nullptr;
}

int Play(const ZedEmuDialogDriver& driver, ZedEmuDialog* dialog, const Action& action) {
    const char* control = action.control.c_str();
    switch (action.verb) {
        case DialogVerb::Click:
            return driver.click(dialog, control);
        case DialogVerb::DoubleClick:
            return driver.doubleClick(dialog, control);
        case DialogVerb::Row:
            return driver.clickRow(dialog, action.index);
        case DialogVerb::DoubleRow:
            return driver.doubleClickRow(dialog, action.index);
        case DialogVerb::Enter:
            return driver.typeAndLeave(dialog, control, action.text.c_str());
        case DialogVerb::Choose:
            return driver.chooseItem(dialog, control, action.index);
        case DialogVerb::Key:
            return driver.pressKey(dialog, action.index);
        case DialogVerb::Cell:
            return driver.clickCell(dialog, action.row, action.column);
        case DialogVerb::DoubleCell:
            return driver.doubleClickCell(dialog, action.row, action.column);
        case DialogVerb::Ok:
            return driver.ok(dialog);
        case DialogVerb::Cancel:
            return driver.cancel(dialog);
    }
    return ZED_EMU_NO_CONTROL;
}

// Why an action was not played, for the transcript.
std::string Refusal(int result, const Action& action, const std::string& dialog) {
    const std::string what = action.control.empty() ? "that" : "'" + action.control + "'";
    switch (result) {
        case ZED_EMU_NO_DIALOG:
            return action.dialog == DialogTarget::Chooser  ? "no chooser"
                   : action.dialog == DialogTarget::Panel ? "no panel shown"
                                                          : "no picker open";
        case ZED_EMU_DIALOG_HIDDEN:
            return "the " + dialog + " is not shown";
        case ZED_EMU_NO_CONTROL:
            return "the " + dialog + " has no " + (action.control.empty() ? "such row or cell" : what);
        case ZED_EMU_DISABLED:
            return what + " is disabled";
        case ZED_EMU_INVISIBLE:
            return what + " is hidden";
        case ZED_EMU_WRONG_KIND:
            return what + " does not take that action";
        case ZED_EMU_NO_INPUT:
            return "the plug-in's windows take no driven input";
    }
    return "refused (" + std::to_string(result) + ")";
}

}  // namespace

bool DialogActions::PickerOpen() const {
    const ZedEmuDialogDriver* driver = emu::DialogDriver();
    return driver != nullptr && driver->openPicker() != nullptr;
}

DialogActions::Shown DialogActions::Now() const {
    const ZedEmuDialogDriver& driver = *emu::DialogDriver();
    Shown shown;
    shown.row = driver.selectedRow();
    if (ZedEmuDialog* panel = driver.shownPanel(); panel != nullptr) {
        shown.panel = driver.dialogName(panel);
    }
    if (ZedEmuDialog* picker = driver.openPicker(); picker != nullptr) {
        shown.picker = driver.dialogName(picker);
    }
    return shown;
}

void DialogActions::Perform(const Action& action) {
    const ZedEmuDialogDriver* driver = emu::DialogDriver();
    if (driver == nullptr) {
        Note("ignored: the plug-in offers no dialog driver");
        return;
    }
    // Set before every action, so that they hold whatever else used the table
    // between two actions; an action in a picker sets the same again.
    driver->onSettingWritten(&DialogActions::Written, this);
    driver->onModal(&DialogActions::PickerOpened, this);
    ZedEmuDialog* dialog = DialogOf(*driver, action.dialog);
    const std::string name = dialog != nullptr ? driver->dialogName(dialog) : DialogWord(action.dialog);
    const Shown before = Now();
    writtenReported_ = written_.size();
    const int result = Play(*driver, dialog, action);
    if (result != ZED_EMU_DONE) {
        Note("ignored: " + Refusal(result, action, name));
        return;
    }
    Report(before);
}

void DialogActions::Report(const Shown& before) {
    for (size_t k = writtenReported_; k < written_.size(); ++k) {
        out_ << "registry: " << written_[k].first << " = \"" << written_[k].second << "\"\n";
    }
    writtenReported_ = written_.size();
    const Shown after = Now();
    if (after.row != before.row) {
        Note(after.row < 0 ? "selected row: none" : "selected row: " + std::to_string(after.row));
    }
    if (after.panel != before.panel) {
        Note("panel shown: " + (after.panel.empty() ? std::string("none") : after.panel));
    }
    if (after.picker != before.picker) {
        Note(after.picker.empty() ? before.picker + " closed" : after.picker + " open");
    }
}

void DialogActions::PickerOpened(void* self) {
    auto& actions = *static_cast<DialogActions*>(self);
    const ZedEmuDialogDriver& driver = *emu::DialogDriver();
    const std::string picker = driver.dialogName(driver.openPicker());
    // What the click that opened the picker did so far, then the picker.
    for (size_t k = actions.writtenReported_; k < actions.written_.size(); ++k) {
        actions.out_ << "registry: " << actions.written_[k].first << " = \"" << actions.written_[k].second << "\"\n";
    }
    actions.writtenReported_ = actions.written_.size();
    actions.Note(picker + " open");
    if (actions.onPicker_) {
        actions.onPicker_();
    }
    if (actions.PickerOpen()) {
        actions.Note(picker + " closed with its close box");
    }
}

void DialogActions::Written(void* self, const char* name, const char* text) {
    static_cast<DialogActions*>(self)->written_.emplace_back(name, text);
}

}  // namespace runner
