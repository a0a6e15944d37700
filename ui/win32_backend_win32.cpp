// Real dialogs: each layout becomes an in-memory dialog template, created
// with the plug-in's own module handle and common controls version 6 (the
// activation context of the manifest in the plug-in's resources).
#include "ui/win32_backend.h"

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <memory>

#include "platform/win32_text_calls.h"
#include "ui/bitmaps.h"
#include "ui/dialog_template_win32.h"

namespace {

// The module that holds this code: the plug-in, never the host.
HMODULE OwnModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&OwnModule), &module);
    return module;
}

// Common controls 6 for the plug-in's windows, whatever the host's manifest
// says; without the manifest resource the windows are made without it.
class ActivationScope {
public:
    ActivationScope() {
        static HANDLE context = MakeContext();
        if (context != INVALID_HANDLE_VALUE) {
            active_ = ActivateActCtx(context, &cookie_) != FALSE;
        }
    }
    ~ActivationScope() {
        if (active_) {
            DeactivateActCtx(0, cookie_);
        }
    }
    ActivationScope(const ActivationScope&) = delete;
    ActivationScope& operator=(const ActivationScope&) = delete;

private:
    static HANDLE MakeContext() {
        ACTCTXW context{};
        context.cbSize = sizeof context;
        context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        context.hModule = OwnModule();
        context.lpResourceName = MAKEINTRESOURCEW(2);  // ISOLATIONAWARE_MANIFEST_RESOURCE_ID
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(context.hModule, path, MAX_PATH);
        context.lpSource = path;
        HANDLE handle = CreateActCtxW(&context);
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
        {
            ULONG_PTR cookie = 0;
            const bool active = handle != INVALID_HANDLE_VALUE && ActivateActCtx(handle, &cookie);
            InitCommonControlsEx(&controls);
            if (active) {
                DeactivateActCtx(0, cookie);
            }
        }
        return handle;
    }
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

class GdiCanvas final : public Canvas {
public:
    explicit GdiCanvas(HDC dc) : dc_(dc) {}
    void Fill(const Rect& rect, Rgb colour) override {
        HBRUSH brush = CreateSolidBrush(RGB(colour.red, colour.green, colour.blue));
        const RECT r{rect.left, rect.top, rect.right, rect.bottom};
        FillRect(dc_, &r, brush);
        DeleteObject(brush);
    }
    void Frame(const Rect& rect, int penWidth, Rgb colour) override {
        HPEN pen = CreatePen(PS_SOLID, penWidth, RGB(colour.red, colour.green, colour.blue));
        HGDIOBJ oldPen = SelectObject(dc_, pen);
        HGDIOBJ oldBrush = SelectObject(dc_, GetStockObject(HOLLOW_BRUSH));
        Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
        SelectObject(dc_, oldBrush);
        SelectObject(dc_, oldPen);
        DeleteObject(pen);
    }
    Rgb Background() const override {
        const COLORREF c = GetBkColor(dc_);
        return {GetRValue(c), GetGValue(c), GetBValue(c)};
    }

private:
    HDC dc_;
};

class Win32Control final : public Control {
public:
    Win32Control(HWND window, int id) : hwnd_(window), id_(id) {}
    ~Win32Control() override {
        if (bitmap_ != nullptr) {
            DeleteObject(bitmap_);
        }
    }
    Win32Control(const Win32Control&) = delete;
    Win32Control& operator=(const Win32Control&) = delete;

    int Id() const override { return id_; }
    ZedString Text() const override {
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
        return ZedOfWide(text);
    }
    void SetText(const ZedString& text) override { SetWindowTextW(hwnd_, WideOf(text.c_str()).c_str()); }
    bool Checked() const override { return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void SetChecked(bool checked) override {
        SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    bool Enabled() const override { return IsWindowEnabled(hwnd_) != FALSE; }
    void SetEnabled(bool enabled) override { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }
    bool Visible() const override { return (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
    void SetVisible(bool visible) override { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }

    void AddColumn(const ZedString& title, int widthPixels, bool centred) override {
        std::wstring text = WideOf(title.c_str());
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = centred ? LVCFMT_CENTER : LVCFMT_LEFT;
        column.cx = widthPixels;
        column.pszText = text.data();
        column.iSubItem = columns_;
        SendMessageW(hwnd_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(columns_), reinterpret_cast<LPARAM>(&column));
        ++columns_;
        SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT,
                     LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    }
    void AddRow(const std::vector<ZedString>& cells) override {
        const int row = RowCount();
        for (size_t i = 0; i < cells.size(); ++i) {
            std::wstring text = WideOf(cells[i].c_str());
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = row;
            item.iSubItem = static_cast<int>(i);
            item.pszText = text.data();
            SendMessageW(hwnd_, i == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, i == 0 ? 0 : static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&item));
        }
    }
    void DisableHeader() override {
        EnableWindow(reinterpret_cast<HWND>(SendMessageW(hwnd_, LVM_GETHEADER, 0, 0)), FALSE);
    }
    int RowCount() const override { return static_cast<int>(SendMessageW(hwnd_, LVM_GETITEMCOUNT, 0, 0)); }
    ZedString Cell(int row, int column) const override {
        wchar_t buffer[256] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = 256;
        SendMessageW(hwnd_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return ZedOfWide(buffer);
    }
    void SelectRow(int row) override {
        if (row < 0 || row >= RowCount()) {
            return;  // -1 would select every row
        }
        SendMessageW(hwnd_, LVM_SETSELECTIONMARK, 0, row);
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    int SelectedRow() const override {
        return static_cast<int>(SendMessageW(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }

    void AddItem(const ZedString& text) override {
        SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideOf(text.c_str()).c_str()));
    }
    int ItemCount() const override { return static_cast<int>(SendMessageW(hwnd_, CB_GETCOUNT, 0, 0)); }
    void SetSelection(int index) override {
        SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index >= 0 && index < ItemCount() ? index : -1), 0);
    }
    int Selection() const override { return static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)); }

    void ShowBitmap(int bitmapId) override {
        bitmapId_ = bitmapId;
        auto* bitmap = static_cast<HBITMAP>(
            LoadImageW(OwnModule(), MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
        if (bitmap == nullptr) {
            return;  // the control keeps what it shows
        }
        auto* old = reinterpret_cast<HBITMAP>(
            SendMessageW(hwnd_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
        if (old != nullptr) {
            DeleteObject(old);
        }
        bitmap_ = bitmap;
        FitToBitmap();
    }
    int BitmapShown() const override { return bitmapId_; }
    void Invalidate() override { InvalidateRect(hwnd_, nullptr, TRUE); }

private:
    // A picture without a size of its own takes its bitmap's: the whole
    // bitmap inside its border, if it has one (the static control alone would
    // make the whole window as large as the bitmap).
    void FitToBitmap() {
        if ((GetWindowLongW(hwnd_, GWL_STYLE) & SS_REALSIZECONTROL) != 0) {
            return;
        }
        BITMAP info{};
        GetObjectW(bitmap_, sizeof info, &info);
        RECT window{};
        RECT client{};
        GetWindowRect(hwnd_, &window);
        GetClientRect(hwnd_, &client);
        const int frameWidth = (window.right - window.left) - client.right;
        const int frameHeight = (window.bottom - window.top) - client.bottom;
        SetWindowPos(hwnd_, nullptr, 0, 0, info.bmWidth + frameWidth, info.bmHeight + frameHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    HWND hwnd_;
    int id_;
    int columns_ = 0;
    int bitmapId_ = kNoBitmap;
    HBITMAP bitmap_ = nullptr;
};

class Win32Window;
// What runs inside each modal dialog; never destroyed, like the list below.
std::function<void(DialogWindow&)>& g_modalDriver = *new std::function<void(DialogWindow&)>;
// The timer that starts the modal driver once the modal loop runs.
constexpr UINT_PTR kDriveTimer = 0x4C57;

Win32Window* WindowOf(HWND hwnd) { return reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, DWLP_USER)); }

class Win32Window final : public DialogWindow {
public:
    Win32Window(const DialogLayout& layout, DialogHandler& handler) : layout_(layout), handler_(handler) {}
    ~Win32Window() override {
        controls_.clear();
        if (hwnd_ != nullptr && layout_.kind != DialogKind::Modal) {
            SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
            DestroyWindow(hwnd_);
        }
    }
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    HWND Handle() const { return hwnd_; }
    const DialogLayout& Layout() const { return layout_; }
    DialogHandler& Handler() { return handler_; }

    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            auto* window = reinterpret_cast<Win32Window*>(lParam);
            SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
            window->hwnd_ = hwnd;
            for (const ControlLayout& control : window->layout_.controls) {
                if (control.id != 0) {
                    window->controls_[control.id] =
                        std::make_unique<Win32Control>(GetDlgItem(hwnd, control.id), control.id);
                }
            }
            window->handler_.OnInit(*window);
            if (window->layout_.kind == DialogKind::Modal && g_modalDriver) {
                SetTimer(hwnd, kDriveTimer, USER_TIMER_MINIMUM, nullptr);
            }
            return FALSE;  // the dialog class sets the focus itself
        }
        Win32Window* window = WindowOf(hwnd);
        return window == nullptr ? FALSE : window->Handle(message, wParam, lParam);
    }

    Control& Item(int id) override { return *controls_.at(id); }
    bool HasItem(int id) const override { return controls_.count(id) != 0; }
    void Show(bool visible) override { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }
    bool Visible() const override { return (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
    Rect ScreenRect() const override {
        RECT r{};
        GetWindowRect(hwnd_, &r);
        return {r.left, r.top, r.right, r.bottom};
    }
    Rect ClientRect() const override {
        RECT r{};
        GetClientRect(hwnd_, &r);
        return {r.left, r.top, r.right, r.bottom};
    }
    void Move(const Rect& rect) override {
        MoveWindow(hwnd_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
    }
    Rect ItemRect(int id) const override {
        RECT r{};
        GetWindowRect(GetDlgItem(hwnd_, id), &r);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right, r.bottom};
    }
    Rect MapDialogRect(const Rect& units) const override {
        RECT r{units.left, units.top, units.right, units.bottom};
        ::MapDialogRect(hwnd_, &r);
        return {r.left, r.top, r.right, r.bottom};
    }
    void SetFocus(int controlId) override { ::SetFocus(GetDlgItem(hwnd_, controlId)); }
    int Focus() const override {
        HWND focus = GetFocus();
        return (focus != nullptr && IsChild(hwnd_, focus)) ? GetDlgCtrlID(focus) : 0;
    }
    void Invalidate(bool erase) override { InvalidateRect(hwnd_, nullptr, erase ? TRUE : FALSE); }
    void End(int result) override { EndDialog(hwnd_, result); }

private:
    void Cancel() {
        if (handler_.OnCancel()) {
            return;
        }
        if (layout_.kind == DialogKind::Modal) {
            EndDialog(hwnd_, kDialogCancel);
        } else {
            ShowWindow(hwnd_, SW_HIDE);
        }
    }

    ControlKind KindOf(int id) const {
        for (const ControlLayout& control : layout_.controls) {
            if (control.id == id) {
                return control.kind;
            }
        }
        return ControlKind::Label;
    }

    // The modal driver, run from the dialog's own modal loop; the dialog is then
    // closed with its close box if it is still open.
    void Drive() {
        KillTimer(hwnd_, kDriveTimer);
        if (!IsWindowVisible(hwnd_)) {
            ShowWindow(hwnd_, SW_SHOWNORMAL);  // the loop shows it when idle; a user sees it first
        }
        const std::function<void(DialogWindow&)> driver = g_modalDriver;
        if (driver) {
            driver(*this);
        }
        if (IsWindow(hwnd_) && IsWindowVisible(hwnd_)) {
            SendMessageW(hwnd_, WM_SYSCOMMAND, SC_CLOSE, 0);
            PumpDialogMessages();
        }
        if (IsWindow(hwnd_) && IsWindowVisible(hwnd_)) {
            EndDialog(hwnd_, kDialogCancel);  // a dialog that refused its close box would hold the driven run forever
        }
    }

    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam) {
        using Event = DialogHandler::Event;
        switch (message) {
            case WM_TIMER:
                if (wParam != kDriveTimer) {
                    break;
                }
                Drive();
                return TRUE;
            case WM_COMMAND: {
                const int id = LOWORD(wParam);
                const int code = HIWORD(wParam);
                if (lParam == 0 && id == IDCANCEL) {
                    Cancel();  // Escape
                } else if (lParam == 0) {
                    break;  // Enter and accelerators: nothing of the dialog's own
                } else if (KindOf(id) == ControlKind::DropDown) {
                    // Its codes overlap the buttons' and statics' (CBN_SELCHANGE is STN_DBLCLK).
                    if (code == CBN_SELCHANGE) {
                        handler_.OnEvent(
                            id, Event::SelectionChanged,
                            static_cast<int>(SendMessageW(reinterpret_cast<HWND>(lParam), CB_GETCURSEL, 0, 0)));
                    }
                } else if (code == BN_CLICKED) {  // also STN_CLICKED
                    handler_.OnEvent(id, Event::Clicked, 0);
                } else if (code == STN_DBLCLK) {
                    handler_.OnEvent(id, Event::DoubleClicked, 0);
                } else if (code == EN_KILLFOCUS) {
                    handler_.OnEvent(id, Event::FocusLost, 0);
                }
                return TRUE;
            }
            case WM_NOTIFY: {
                const auto* header = reinterpret_cast<const NMHDR*>(lParam);
                if (header->code == NM_CLICK || header->code == NM_DBLCLK) {
                    const auto* activate = reinterpret_cast<const NMITEMACTIVATE*>(lParam);
                    handler_.OnEvent(static_cast<int>(header->idFrom),
                                     header->code == NM_CLICK ? Event::RowClicked : Event::RowDoubleClicked,
                                     activate->iItem);
                }
                return TRUE;
            }
            case WM_DRAWITEM: {
                const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
                GdiCanvas canvas(item->hDC);
                const RECT& r = item->rcItem;
                handler_.PaintControl(static_cast<int>(item->CtlID), canvas, {r.left, r.top, r.right, r.bottom});
                return TRUE;
            }
            case WM_PAINT: {
                PAINTSTRUCT paint{};
                HDC dc = BeginPaint(hwnd_, &paint);
                SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
                GdiCanvas canvas(dc);
                handler_.OnPaint(canvas);
                EndPaint(hwnd_, &paint);
                return TRUE;
            }
            case WM_CLOSE:
                Cancel();
                return TRUE;
            default:
                break;
        }
        return FALSE;
    }

    const DialogLayout& layout_;
    DialogHandler& handler_;
    HWND hwnd_ = nullptr;
    std::map<int, std::unique_ptr<Win32Control>> controls_;
};

// Keys reach a dialog's class before the dialog manager sees them: the modal
// pickers through a message filter, the modeless chooser (whose messages run
// through the host's loop) through a hook on the thread's message queue,
// which also gives it the dialog manager's keyboard handling.
// The user-interface thread's dialogs; the list is never destroyed, since the
// chooser may outlive it when the plug-in is unloaded.
Win32Window* g_modal = nullptr;
std::vector<Win32Window*>& g_modeless = *new std::vector<Win32Window*>;
HHOOK g_queueHook = nullptr;

// The hook lives while the plug-in has windows: it runs in the host's thread,
// and once the host has unloaded the plug-in, the next message would call
// code that is no longer there.
void RemoveQueueHook() {
    if (g_queueHook != nullptr) {
        UnhookWindowsHookEx(g_queueHook);
        g_queueHook = nullptr;
    }
}

// Unloading the module (or the end of the process) removes the hook, whatever
// windows are left.
struct QueueHookRemoval {
    QueueHookRemoval() = default;
    QueueHookRemoval(const QueueHookRemoval&) = delete;
    QueueHookRemoval& operator=(const QueueHookRemoval&) = delete;
    ~QueueHookRemoval() { RemoveQueueHook(); }
} g_queueHookRemoval;

bool OfferKey(Win32Window& window, const MSG& message) {
    if (message.message != WM_KEYDOWN ||
        (message.hwnd != window.Handle() && !IsChild(window.Handle(), message.hwnd))) {
        return false;
    }
    return window.Handler().OnKey(static_cast<int>(message.wParam));
}

LRESULT CALLBACK ModalFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX && g_modal != nullptr && OfferKey(*g_modal, *reinterpret_cast<MSG*>(lParam))) {
        return TRUE;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK QueueHook(int code, WPARAM wParam, LPARAM lParam) {
    auto* message = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message >= WM_KEYFIRST &&
        message->message <= WM_KEYLAST) {
        for (Win32Window* window : g_modeless) {
            if (!IsWindowVisible(window->Handle()) || window->Layout().kind != DialogKind::Modeless) {
                continue;
            }
            if (OfferKey(*window, *message) || IsDialogMessageW(window->Handle(), message)) {
                message->message = WM_NULL;
                break;
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A window whose destruction also takes it out of the hook's list.
class ListedWindow final : public DialogWindow {
public:
    explicit ListedWindow(std::unique_ptr<Win32Window> window) : window_(std::move(window)) {
        g_modeless.push_back(window_.get());
    }
    ~ListedWindow() override {
        std::erase(g_modeless, window_.get());
        if (g_modeless.empty()) {
            RemoveQueueHook();
        }
    }
    Control& Item(int id) override { return window_->Item(id); }
    bool HasItem(int id) const override { return window_->HasItem(id); }
    void Show(bool visible) override { window_->Show(visible); }
    bool Visible() const override { return window_->Visible(); }
    Rect ScreenRect() const override { return window_->ScreenRect(); }
    Rect ClientRect() const override { return window_->ClientRect(); }
    void Move(const Rect& rect) override { window_->Move(rect); }
    Rect ItemRect(int id) const override { return window_->ItemRect(id); }
    Rect MapDialogRect(const Rect& units) const override { return window_->MapDialogRect(units); }
    void SetFocus(int controlId) override { window_->SetFocus(controlId); }
    int Focus() const override { return window_->Focus(); }
    void Invalidate(bool erase) override { window_->Invalidate(erase); }
    void End(int result) override { window_->End(result); }
    HWND Handle() const { return window_->Handle(); }

private:
    std::unique_ptr<Win32Window> window_;
};

HWND HandleOf(DialogWindow* window) {
    if (auto* listed = dynamic_cast<ListedWindow*>(window)) {
        return listed->Handle();
    }
    if (auto* plain = dynamic_cast<Win32Window*>(window)) {
        return plain->Handle();
    }
    return nullptr;
}

// The host's main window: the first visible top-level window of this thread
// that is not one of the plug-in's.
BOOL CALLBACK FindHostWindow(HWND hwnd, LPARAM found) {
    if (IsWindowVisible(hwnd) && GetWindow(hwnd, GW_OWNER) == nullptr && WindowOf(hwnd) == nullptr) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

class Win32Dialogs final : public WindowBackend {
public:
    std::unique_ptr<DialogWindow> Create(const DialogLayout& layout, DialogWindow* parent,
                                         DialogHandler& handler) override {
        if (parent == nullptr && host_ == nullptr) {
            EnumThreadWindows(GetCurrentThreadId(), FindHostWindow, reinterpret_cast<LPARAM>(&host_));
        }
        const std::vector<DWORD> dialogTemplate = BuildDialogTemplate(layout);
        auto window = std::make_unique<Win32Window>(layout, handler);
        ActivationScope scope;
        if (CreateDialogIndirectParamW(OwnModule(), reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()),
                                       HandleOf(parent), Win32Window::Procedure,
                                       reinterpret_cast<LPARAM>(window.get())) == nullptr) {
            return nullptr;  // no window, none of its controls
        }
        if (g_queueHook == nullptr) {
            g_queueHook = SetWindowsHookExW(WH_GETMESSAGE, QueueHook, nullptr, GetCurrentThreadId());
        }
        return std::make_unique<ListedWindow>(std::move(window));
    }

    int RunModal(const DialogLayout& layout, DialogWindow& owner, DialogHandler& handler) override {
        const std::vector<DWORD> dialogTemplate = BuildDialogTemplate(layout);
        Win32Window window(layout, handler);
        Win32Window* outer = g_modal;
        g_modal = &window;
        HHOOK filter = SetWindowsHookExW(WH_MSGFILTER, ModalFilter, nullptr, GetCurrentThreadId());
        INT_PTR result = 0;
        {
            ActivationScope scope;
            result = DialogBoxIndirectParamW(OwnModule(), reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()),
                                             HandleOf(&owner), Win32Window::Procedure,
                                             reinterpret_cast<LPARAM>(&window));
        }
        if (filter != nullptr) {
            UnhookWindowsHookEx(filter);
        }
        g_modal = outer;
        return result == kDialogOk ? kDialogOk : kDialogCancel;
    }

    Rect HostWindowRect() override {
        if (host_ == nullptr) {
            EnumThreadWindows(GetCurrentThreadId(), FindHostWindow, reinterpret_cast<LPARAM>(&host_));
        }
        RECT r{};
        GetWindowRect(host_, &r);
        return {r.left, r.top, r.right, r.bottom};
    }

    void ActivateHostWindow() override {
        if (host_ != nullptr) {
            SetActiveWindow(host_);
        }
    }

    int KeyOfCharacter(ZedChar character) override { return win32_text::KeyOfCharacter(character); }

    void SendKeys(const std::vector<KeyInput>& keys) override {
        std::vector<INPUT> inputs;
        for (const KeyInput& key : keys) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = static_cast<WORD>(key.virtualKey);
            input.ki.wScan = static_cast<WORD>(key.scanCode);
            input.ki.dwFlags = key.keyUp ? KEYEVENTF_KEYUP : 0;
            input.ki.dwExtraInfo = key.extraInfo;
            inputs.push_back(input);
        }
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    }

    UserActions* UserInput() override { return &Win32UserActions(); }

private:
    HWND host_ = nullptr;
};

}  // namespace

WindowBackend& Win32Backend() {
    static Win32Dialogs backend;
    return backend;
}

void* NativeWindow(DialogWindow& window) { return HandleOf(&window); }

void SetWin32ModalDriver(std::function<void(DialogWindow&)> driver) { g_modalDriver = std::move(driver); }

void PumpDialogMessages() {
    constexpr DWORD kQuiet = 30;
    constexpr DWORD kLongest = 2000;
    const DWORD start = GetTickCount();
    DWORD lastMessage = start;
    while (GetTickCount() - start < kLongest) {
        MSG message;
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (GetTickCount() - lastMessage >= kQuiet) {
                return;
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            continue;
        }
        if (message.message != WM_TIMER) {
            lastMessage = GetTickCount();  // a repeating timer alone is a quiet queue
        }
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // for the loop that owns it
            return;
        }
        // As the modal loop would: its filter (the picker's keys), then the dialog manager.
        if (g_modal != nullptr &&
            (CallMsgFilterW(&message, MSGF_DIALOGBOX) || IsDialogMessageW(g_modal->Handle(), &message))) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
