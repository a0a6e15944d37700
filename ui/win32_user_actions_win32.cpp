// The user's actions on the real windows: the messages that the mouse and the
// keyboard give the controls, posted or sent as the system would, with the
// thread's messages handled after each so that the dialogs' handlers run.
#include <windows.h>
#include <commctrl.h>

#include "ui/dialog_template_win32.h"
#include "ui/win32_backend.h"

namespace {

HWND HandleOf(DialogWindow& window) { return static_cast<HWND>(NativeWindow(window)); }

LPARAM At(POINT point) { return MAKELPARAM(point.x, point.y); }

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

POINT ClientCentre(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return Centre(client);
}

// The left button pressed and released at a point of the window (client
// coordinates), twice for a double click, whose second press the system
// reports as a double click.
void PostClick(HWND window, POINT point, bool twice) {
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(point));
    PostMessageW(window, WM_LBUTTONUP, 0, At(point));
    if (twice) {
        PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, At(point));
        PostMessageW(window, WM_LBUTTONUP, 0, At(point));
    }
    PumpDialogMessages();
}

// A point of the list that no row covers, for a click on no row.
POINT PointOffRows(HWND list) {
    RECT client{};
    GetClientRect(list, &client);
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    RECT last{LVIR_BOUNDS, 0, 0, 0};
    if (rows > 0 && SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(rows - 1), reinterpret_cast<LPARAM>(&last)) &&
        last.bottom + 1 < client.bottom) {
        return {(client.left + client.right) / 2, (last.bottom + client.bottom) / 2};
    }
    return {client.right - 1, client.bottom - 1};  // beside the columns' full width, if the rows fill the height
}

void ClickRowOf(DialogWindow& window, int id, int row, bool twice) {
    HWND list = GetDlgItem(HandleOf(window), id);
    RECT bounds{LVIR_BOUNDS, 0, 0, 0};
    const bool exists = row >= 0 && row < static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)) &&
                        SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE) &&
                        SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds));
    PostClick(list, exists ? Centre(bounds) : PointOffRows(list), twice);
}

LPARAM KeyData(UINT virtualKey, bool up) {
    const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    return static_cast<LPARAM>(1u | (scan << 16) | (up ? 0xC0000000u : 0u));
}

class Win32UserActionsImpl final : public UserActions {
public:
    void Click(DialogWindow& window, int id) override {
        HWND control = GetDlgItem(HandleOf(window), id);
        PostClick(control, ClientCentre(control), false);
    }
    void DoubleClick(DialogWindow& window, int id) override {
        HWND control = GetDlgItem(HandleOf(window), id);
        PostClick(control, ClientCentre(control), true);
    }
    // The edit takes the focus, its text is replaced, and the focus is taken
    // away, so that the dialog sees the edit lose it; it goes to no other
    // control, which would see it come and go in the next action.
    void TypeAndLeave(DialogWindow& window, int id, const ZedString& text) override {
        HWND dialog = HandleOf(window);
        HWND edit = GetDlgItem(dialog, id);
        SetFocus(edit);
        PumpDialogMessages();
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(WideOf(text.c_str()).c_str()));
        PumpDialogMessages();
        SetFocus(nullptr);
        PumpDialogMessages();
    }
    // The list is dropped and the item clicked in it, which closes it again
    // and tells the dialog of the new choice.
    void ChooseItem(DialogWindow& window, int id, int index) override {
        HWND combo = GetDlgItem(HandleOf(window), id);
        if (index < 0 || index >= static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0))) {
            return;
        }
        SetFocus(combo);
        SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
        PumpDialogMessages();
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        RECT item{};
        if (!GetComboBoxInfo(combo, &info) || info.hwndList == nullptr ||
            SendMessageW(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) ==
                LB_ERR) {
            SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
            PumpDialogMessages();
            return;
        }
        PostClick(info.hwndList, Centre(item), false);
        if (SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) {
            SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
            PumpDialogMessages();
        }
    }
    void ClickRow(DialogWindow& window, int id, int row) override { ClickRowOf(window, id, row, false); }
    void DoubleClickRow(DialogWindow& window, int id, int row) override { ClickRowOf(window, id, row, true); }
    // The key goes to the control with the focus, the dialog itself when none
    // of its controls has it.
    void PressKey(DialogWindow& window, int virtualKey) override {
        HWND dialog = HandleOf(window);
        HWND focus = GetFocus();
        if (focus == nullptr || (focus != dialog && !IsChild(dialog, focus))) {
            SetActiveWindow(GetAncestor(dialog, GA_ROOT));
            focus = GetFocus();
            if (focus == nullptr || (focus != dialog && !IsChild(dialog, focus))) {
                focus = dialog;
            }
        }
        const auto key = static_cast<UINT>(virtualKey);
        PostMessageW(focus, WM_KEYDOWN, key, KeyData(key, false));
        PostMessageW(focus, WM_KEYUP, key, KeyData(key, true));
        PumpDialogMessages();
    }
    void SetModalDriver(std::function<void(DialogWindow&)> driver) override {
        SetWin32ModalDriver(std::move(driver));
    }
};

}  // namespace

UserActions& Win32UserActions() {
    static Win32UserActionsImpl actions;
    return actions;
}
