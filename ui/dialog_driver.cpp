#include "ui/dialog_driver.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/text.h"
#include "settings/registry_store.h"
#include "ui/chooser.h"
#include "ui/chooser_dialog.h"
#include "ui/chooser_instance.h"
#include "ui/chooser_layout.h"
#include "ui/emulated_host_link.h"
#include "ui/panel_layouts.h"
#include "ui/picker_layouts.h"
#include "ui/user_actions.h"

namespace {

// What a named control takes.
enum class Takes { Click, Text, Item };

struct NamedControl {
    std::string_view name;
    int id;
    Takes takes;
};

constexpr NamedControl kChooserNames[] = {
    {"protrude", kIdcProtrude, Takes::Text}, {"width", kIdcWidth, Takes::Text},
    {"height", kIdcHeight, Takes::Text},     {"is-layer", kIdcIsLayer, Takes::Click},
    {"layers", kIdcLayers, Takes::Text},     {"delete", kIdcDelete, Takes::Click},
    {"picture", kIdcPicture, Takes::Click},
};

constexpr NamedControl kPanelNames[] = {
    {"is-width-value", kIdcIsWidthValue, Takes::Click},
    {"width-value", kIdcWidthValue, Takes::Text},
    {"width-value-distance", kIdcWidthValueDistance, Takes::Text},
    {"is-hole-draw", kIdcIsHoleDraw, Takes::Click},
    {"hole-kind", kIdcHoleKind, Takes::Item},
    {"hole-layer", kIdcHoleLayer, Takes::Text},
    {"hole-dir", kIdcHoleDir, Takes::Item},
    {"hole-width", kIdcHoleWidth, Takes::Text},
    {"is-line-draw", kIdcIsLineDraw, Takes::Click},
    {"line-same", kIdcLineSame, Takes::Click},
    {"line-own", kIdcLineOwn, Takes::Click},
    {"colour", kIdcColor, Takes::Click},
    {"line-type", kIdcLineType, Takes::Click},
    {"is-slot-draw", kIdcIsSlotDraw, Takes::Click},
    {"slot-layer", kIdcSlotLayer, Takes::Text},
    {"slot-r", kIdcSlotR, Takes::Text},
    {"slot-colour", kIdcSlotColor, Takes::Click},
    {"slot-line-type", kIdcSlotLineType, Takes::Click},
    {"display-width", kIdcDisplayWidth, Takes::Text},
    {"display-protrude", kIdcDisplayProtrude, Takes::Text},
    {"display-colour", kIdcDisplayColor, Takes::Click},
    {"display-line-type", kIdcDisplayLineType, Takes::Click},
};

constexpr NamedControl kPickerNames[] = {
    {"ok", kIdcPickerOk, Takes::Click},
    {"cancel", kIdcPickerCancel, Takes::Click},
};

// The name the runner shows for a pattern's panel: its keyword and " panel".
const char* PanelNameShown(Pattern pattern) {
    static const auto names = [] {
        std::array<std::string, kAllPatterns.size()> made;
        for (Pattern each : kAllPatterns) {
            made[static_cast<size_t>(each)] = ZedToUtf8(PatternKeyword(each)) + " panel";
        }
        return made;
    }();
    return names[static_cast<size_t>(pattern)].c_str();
}

struct DriverState {
    DialogWindow* openPicker = nullptr;
    void (*modalRun)(void*) = nullptr;
    void* modalContext = nullptr;
    int modalDepth = 0;  // modal dialogs open now
    void (*written)(void*, const char*, const char*) = nullptr;
    void* writtenContext = nullptr;
};

DriverState& State() {
    static DriverState state;
    return state;
}

ZedEmuDialog* Handle(DialogWindow* window) { return reinterpret_cast<ZedEmuDialog*>(window); }

DialogWindow* ChooserWindow() { return ChooserExists() ? &ChooserInstance()->Window() : nullptr; }

// The pattern whose panel is this dialog; none for any other dialog.
std::optional<Pattern> PanelPatternOf(ZedEmuDialog* dialog) {
    if (ChooserExists()) {
        for (Pattern pattern : kAllPatterns) {
            PatternPanel* panel = ChooserInstance()->Panel(pattern);
            if (panel != nullptr && dialog == Handle(&panel->Window())) {
                return pattern;
            }
        }
    }
    return std::nullopt;
}

// The panel shown in the chooser now; null for none.
DialogWindow* ShownPanel() {
    if (ChooserExists()) {
        for (Pattern pattern : kAllPatterns) {
            PatternPanel* panel = ChooserInstance()->Panel(pattern);
            if (panel != nullptr && panel->Window().Visible()) {
                return &panel->Window();
            }
        }
    }
    return nullptr;
}

DialogWindow* OpenPicker() {
    DialogWindow* picker = State().openPicker;
    return picker != nullptr && picker->Visible() ? picker : nullptr;
}

enum class Role { None, Chooser, Panel, Picker };

// A handle is taken only while it names a live dialog of the plug-in.
Role RoleOf(ZedEmuDialog* dialog) {
    if (dialog == nullptr) {
        return Role::None;
    }
    if (dialog == Handle(ChooserWindow())) {
        return Role::Chooser;
    }
    if (PanelPatternOf(dialog)) {
        return Role::Panel;
    }
    return dialog == Handle(OpenPicker()) ? Role::Picker : Role::None;
}

DialogWindow& Window(ZedEmuDialog* dialog) { return *reinterpret_cast<DialogWindow*>(dialog); }

bool OnScreen(ZedEmuDialog* dialog, Role role) {
    const bool shown = Window(dialog).Visible();
    return role == Role::Panel ? shown && ChooserWindow()->Visible() : shown;
}

// The checks every action makes on its dialog; ZED_EMU_DONE when it may go on.
int CheckDialog(ZedEmuDialog* dialog, Role& role) {
    role = RoleOf(dialog);
    if (role == Role::None) {
        return ZED_EMU_NO_DIALOG;
    }
    if (!OnScreen(dialog, role)) {
        return ZED_EMU_DIALOG_HIDDEN;
    }
    return Backend().UserInput() == nullptr ? ZED_EMU_NO_INPUT : ZED_EMU_DONE;
}

int CheckControl(DialogWindow& window, int id) {
    if (!window.HasItem(id)) {
        return ZED_EMU_NO_CONTROL;
    }
    if (!window.Item(id).Visible()) {
        return ZED_EMU_INVISIBLE;
    }
    return window.Item(id).Enabled() ? ZED_EMU_DONE : ZED_EMU_DISABLED;
}

// Finds the named control of the dialog and checks that it takes the action;
// id is set when the answer is ZED_EMU_DONE.
int Resolve(ZedEmuDialog* dialog, const char* name, Takes takes, int& id) {
    Role role = Role::None;
    if (const int checked = CheckDialog(dialog, role); checked != ZED_EMU_DONE) {
        return checked;
    }
    std::span<const NamedControl> names = role == Role::Chooser ? std::span<const NamedControl>(kChooserNames)
                                          : role == Role::Panel ? std::span<const NamedControl>(kPanelNames)
                                                                : std::span<const NamedControl>(kPickerNames);
    for (const NamedControl& named : names) {
        if (name != nullptr && named.name == name) {
            if (named.takes != takes) {
                return ZED_EMU_WRONG_KIND;
            }
            id = named.id;
            return CheckControl(Window(dialog), id);
        }
    }
    return ZED_EMU_NO_CONTROL;
}

UserActions& Actions() { return *Backend().UserInput(); }

int ClickNamed(ZedEmuDialog* dialog, const char* control, bool twice) {
    int id = 0;
    const int result = Resolve(dialog, control, Takes::Click, id);
    if (result == ZED_EMU_DONE) {
        twice ? Actions().DoubleClick(Window(dialog), id) : Actions().Click(Window(dialog), id);
    }
    return result;
}

int RowAction(ZedEmuDialog* dialog, int row, bool twice) {
    Role role = Role::None;
    if (const int checked = CheckDialog(dialog, role); checked != ZED_EMU_DONE) {
        return checked;
    }
    if (role != Role::Chooser) {
        return ZED_EMU_NO_CONTROL;
    }
    if (const int checked = CheckControl(Window(dialog), kIdcPatternList); checked != ZED_EMU_DONE) {
        return checked;
    }
    twice ? Actions().DoubleClickRow(Window(dialog), kIdcPatternList, row)
          : Actions().ClickRow(Window(dialog), kIdcPatternList, row);
    return ZED_EMU_DONE;
}

// The cell of a picker at row and column (from 1), 0 for none.
int CellAt(DialogWindow& picker, int row, int column) {
    const bool colours = picker.HasItem(kIdcColorCell01);
    const std::span<const ControlLayout> controls =
        colours ? std::span<const ControlLayout>(kColorPickerControls) : std::span<const ControlLayout>(kLineTypePickerControls);
    const std::span<const int16_t> columns =
        colours ? std::span<const int16_t>(kColorCellColumns) : std::span<const int16_t>(kLineTypeCellColumns);
    const std::span<const int16_t> rows =
        colours ? std::span<const int16_t>(kColorCellRows) : std::span<const int16_t>(kLineTypeCellRows);
    if (row < 1 || row > static_cast<int>(rows.size()) || column < 1 || column > static_cast<int>(columns.size())) {
        return 0;
    }
    for (const ControlLayout& control : controls) {
        if ((control.style & kNotify) != 0 && control.x == columns[column - 1] && control.y == rows[row - 1]) {
            return control.id;
        }
    }
    return 0;
}

int CellAction(ZedEmuDialog* dialog, int row, int column, bool twice) {
    Role role = Role::None;
    if (const int checked = CheckDialog(dialog, role); checked != ZED_EMU_DONE) {
        return checked;
    }
    const int id = role == Role::Picker ? CellAt(Window(dialog), row, column) : 0;
    if (id == 0) {
        return ZED_EMU_NO_CONTROL;
    }
    if (const int checked = CheckControl(Window(dialog), id); checked != ZED_EMU_DONE) {
        return checked;
    }
    twice ? Actions().DoubleClick(Window(dialog), id) : Actions().Click(Window(dialog), id);
    return ZED_EMU_DONE;
}

// The backend's modal driver: the run given last, with the dialog known as the
// open picker while it runs.
void RunModalDialog(DialogWindow& window) {
    if (State().modalRun == nullptr) {
        return;
    }
    DialogWindow* const outer = State().openPicker;
    State().openPicker = &window;
    ++State().modalDepth;
    State().modalRun(State().modalContext);
    --State().modalDepth;
    State().openPicker = outer;
}

void SetModalRun(void (*run)(void*), void* context) {
    State().modalRun = run;
    State().modalContext = context;
    // Inside a modal dialog the backend is running RunModalDialog already and
    // must not have it replaced under it; the new run counts from the next dialog.
    if (Backend().UserInput() != nullptr && State().modalDepth == 0) {
        Actions().SetModalDriver(run == nullptr ? std::function<void(DialogWindow&)>() : RunModalDialog);
    }
}

void ReportWritten(const ZedString& name, const ZedString& text) {
    if (State().written != nullptr) {
        State().written(State().writtenContext, ZedToUtf8(name).c_str(), ZedToUtf8(text).c_str());
    }
}

const ZedEmuDialogDriver kTable = {
    1,
    [] { return Handle(ChooserWindow()); },
    [] { return Handle(ShownPanel()); },
    [] { return Handle(OpenPicker()); },
    [](ZedEmuDialog* dialog) -> const char* {
        switch (RoleOf(dialog)) {
            case Role::Chooser:
                return "chooser";
            case Role::Panel:
                return PanelNameShown(*PanelPatternOf(dialog));
            case Role::Picker:
                return Window(dialog).HasItem(kIdcColorCell01) ? "colour picker" : "line-type picker";
            case Role::None:
                break;
        }
        return "";
    },
    [] { return ChooserExists() ? ChooserInstance()->Window().Item(kIdcPatternList).SelectedRow() : -1; },
    [](ZedEmuDialog* dialog, const char* control) { return ClickNamed(dialog, control, false); },
    [](ZedEmuDialog* dialog, const char* control) { return ClickNamed(dialog, control, true); },
    [](ZedEmuDialog* dialog, int row) { return RowAction(dialog, row, false); },
    [](ZedEmuDialog* dialog, int row) { return RowAction(dialog, row, true); },
    [](ZedEmuDialog* dialog, const char* control, const char* text) {
        int id = 0;
        const int result = Resolve(dialog, control, Takes::Text, id);
        if (result == ZED_EMU_DONE) {
            Actions().TypeAndLeave(Window(dialog), id, Utf8ToZed(text == nullptr ? "" : text));
        }
        return result;
    },
    [](ZedEmuDialog* dialog, const char* control, int index) {
        int id = 0;
        const int result = Resolve(dialog, control, Takes::Item, id);
        if (result == ZED_EMU_DONE) {
            Actions().ChooseItem(Window(dialog), id, index);
        }
        return result;
    },
    [](ZedEmuDialog* dialog, int virtualKey) {
        Role role = Role::None;
        const int result = CheckDialog(dialog, role);
        if (result == ZED_EMU_DONE) {
            Actions().PressKey(Window(dialog), virtualKey);
        }
        return result;
    },
    [](ZedEmuDialog* dialog, int row, int column) { return CellAction(dialog, row, column, false); },
    [](ZedEmuDialog* dialog, int row, int column) { return CellAction(dialog, row, column, true); },
    [](ZedEmuDialog* dialog) { return ClickNamed(dialog, "ok", false); },
    [](ZedEmuDialog* dialog) { return ClickNamed(dialog, "cancel", false); },
    SetModalRun,
    [](void (*written)(void*, const char*, const char*), void* context) {
        State().written = written;
        State().writtenContext = context;
        SetSettingWrittenHook(written == nullptr ? nullptr : ReportWritten);
    },
};

}  // namespace

const ZedEmuDialogDriver& DialogDriverTable() { return kTable; }

void OfferDialogDriver() {
    using OfferFunction = void (*)(const ZedEmuDialogDriver*);
    const auto offer = reinterpret_cast<OfferFunction>(FindEmulatedHostCall("ZedEmuOfferDialogDriver"));
    if (offer != nullptr && Backend().UserInput() != nullptr) {
        offer(&kTable);
    }
}
