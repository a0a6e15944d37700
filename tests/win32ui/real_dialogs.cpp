#include "tests/win32ui/real_dialogs.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "runner/host_window.h"
#include "ui/chooser.h"
#include "ui/chooser_instance.h"
#include "ui/chooser_layout.h"
#include "ui/dialog_template_win32.h"
#include "ui/win32_backend.h"

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
    out.resize(out.size() - 1);
    return out;
}

namespace {

RECT ClientRectOf(HWND dialog, RECT screen) {
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&screen), 2);
    return screen;
}

std::string Show(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " - " + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

bool HasOwnCaption(ControlKind kind) {
    return kind == ControlKind::GroupBox || kind == ControlKind::Label || kind == ControlKind::CheckBox ||
           kind == ControlKind::Radio || kind == ControlKind::PushButton;
}

// The modal dialog that WithModal waits for.
struct ModalWait {
    const wchar_t* caption = nullptr;
    const std::function<void(HWND)>* inside = nullptr;
    HWND found = nullptr;
    bool ran = false;
    DWORD since = 0;
};
ModalWait g_wait;

BOOL CALLBACK FindCaption(HWND window, LPARAM found) {
    if (IsWindowVisible(window) && RealDialogsTest::TextOf(window) == g_wait.caption) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK WatchModal(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!g_wait.ran) {
        HWND found = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), FindCaption, reinterpret_cast<LPARAM>(&found));
        if (found != nullptr) {
            g_wait.ran = true;
            g_wait.found = found;
            g_wait.since = GetTickCount();
            (*g_wait.inside)(found);
        }
        return;
    }
    if (!IsWindow(g_wait.found)) {
        KillTimer(nullptr, timer);
    } else if (GetTickCount() - g_wait.since > 10000) {
        ADD_FAILURE() << "the modal dialog was still open 10 s later";
        PostMessageW(g_wait.found, WM_CLOSE, 0, 0);
        KillTimer(nullptr, timer);
    }
}

}  // namespace

void RealDialogsTest::SetUp() {
    PluginTest::SetUp();
    ASSERT_TRUE(runner::OpenHostWindow());
    UseWindowBackend(nullptr);  // the platform's own: real windows
    SetForegroundWindow(HostWindow());
    PumpFor(50);
}

void RealDialogsTest::TearDown() {
    DestroyChooser();
    PumpFor(20);
    PluginTest::TearDown();
}

void RealDialogsTest::StartWithChooser() {
    StartCommand();
    ASSERT_TRUE(ChooserExists());
    ASSERT_NE(ChooserHandle(), nullptr);
    ASSERT_TRUE(PumpUntil([this] { return IsWindowVisible(ChooserHandle()) != FALSE; }));
    PumpFor(100);
}

LedgewrightDlg& RealDialogsTest::Chooser() { return *ChooserInstance(); }
HWND RealDialogsTest::ChooserHandle() { return static_cast<HWND>(NativeWindow(Chooser().Window())); }
HWND RealDialogsTest::PanelHandle(Pattern pattern) {
    return static_cast<HWND>(NativeWindow(Chooser().Panel(pattern)->Window()));
}
HWND RealDialogsTest::HostWindow() { return static_cast<HWND>(runner::HostWindowHandle()); }

bool RealDialogsTest::PumpUntil(const std::function<bool()>& condition, int timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (static_cast<int>(GetTickCount() - start) > timeoutMs) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        runner::PumpHostMessages();
    }
    return true;
}

void RealDialogsTest::PumpFor(int milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

void RealDialogsTest::ClickAt(HWND window, bool doubleClick) {
    RECT client{};
    GetClientRect(window, &client);
    ClickAt(window, {client.right / 2, client.bottom / 2}, doubleClick);
}

void RealDialogsTest::ClickAt(HWND window, POINT client, bool doubleClick) {
    ClientToScreen(window, &client);
    const int width = GetSystemMetrics(SM_CXSCREEN) - 1;
    const int height = GetSystemMetrics(SM_CYSCREEN) - 1;
    std::vector<INPUT> inputs;
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = client.x * 65535 / width;
    move.mi.dy = client.y * 65535 / height;
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs.push_back(move);
    for (int click = 0; click < (doubleClick ? 2 : 1); ++click) {
        for (const DWORD flag : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
            INPUT button = move;
            button.mi.dwFlags = flag | MOUSEEVENTF_ABSOLUTE;
            inputs.push_back(button);
        }
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void RealDialogsTest::ClickRow(int row, bool doubleClick) {
    HWND list = GetDlgItem(ChooserHandle(), kIdcPatternList);
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds));
    ClickAt(list, {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2}, doubleClick);
}

void RealDialogsTest::PressKey(WORD virtualKey) {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

bool RealDialogsTest::WithModal(const wchar_t* caption, const std::function<void()>& open,
                                const std::function<void(HWND)>& inside) {
    g_wait = {caption, &inside, nullptr, false, 0};
    const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, WatchModal);
    open();
    // A dialog that never opened: the timer goes on no longer.
    PumpUntil([] { return g_wait.ran && !IsWindow(g_wait.found); }, 15000);
    KillTimer(nullptr, timer);
    return g_wait.ran;
}

std::wstring RealDialogsTest::TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool RealDialogsTest::Screenshot(HWND window, const std::string& name) {
    // Wine keeps the X window of a top-level window in this property.
    const auto xWindow = reinterpret_cast<ULONG_PTR>(GetPropW(window, L"__wine_x11_whole_window"));
    const char* build = std::getenv("LEDGEWRIGHT_BUILD_DIR");
    if (xWindow == 0 || build == nullptr) {
        ADD_FAILURE() << "no X window or no build folder for the screenshot";
        return false;
    }
    const std::string folder = std::string(build) + "/screenshots";
    const std::string file = folder + "/" + name + ".png";
    std::wstring dosFile = L"Z:";
    for (const char c : file) {
        dosFile += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    }
    DeleteFileW(dosFile.c_str());
    // A Unix program started from Wine gives no handle to wait on: the picture
    // is written under another name and renamed when complete.
    char id[32];
    std::snprintf(id, sizeof id, "0x%llx", static_cast<unsigned long long>(xWindow));
    const std::string command = "/bin/sh -c \"mkdir -p '" + folder + "' && import -window " + id + " 'png:" + file +
                                ".part' && mv '" + file + ".part' '" + file + "'\"";
    std::wstring wide(command.begin(), command.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(L"Z:\\bin\\sh", wide.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        ADD_FAILURE() << "cannot start import: error " << GetLastError();
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return PumpUntil([&] { return GetFileAttributesW(dosFile.c_str()) != INVALID_FILE_ATTRIBUTES; }, 20000);
}

void ExpectMatchesLayout(HWND dialog, const DialogLayout& layout, const std::string& name) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Utf8(RealDialogsTest::TextOf(dialog)), Utf8(WideOf(layout.caption)));
    // The controls come in template order at the top of the dialog's children.
    HWND child = GetWindow(dialog, GW_CHILD);
    int index = 0;
    for (const ControlLayout& c : layout.controls) {
        SCOPED_TRACE("control " + std::to_string(index++) + " at " + std::to_string(c.x) + "," + std::to_string(c.y));
        ASSERT_NE(child, nullptr) << "fewer controls than the layout has";
        if (c.id != 0) {
            EXPECT_EQ(GetDlgCtrlID(child), c.id);
        }
        // Position and size are mapped each on its own, as the dialog manager
        // does (mapping the right edge instead may round differently).
        RECT expected{c.x, c.y, c.cx, c.cy};
        MapDialogRect(dialog, &expected);
        expected.right += expected.left;
        expected.bottom += expected.top;
        RECT screen{};
        GetWindowRect(child, &screen);
        RECT actual = ClientRectOf(dialog, screen);
        if (c.kind == ControlKind::DropDown) {
            // A drop-down list's layout height is that of its open list, which
            // the platform fits to the items; the closed box is as high as its font.
            actual.bottom = expected.bottom;
        }
        if (c.kind == ControlKind::Picture && c.cx == 0 && c.cy == 0) {
            // Sized by its bitmap: as large as the bitmap it shows, if any.
            BITMAP bitmap{};
            const auto image = reinterpret_cast<HGDIOBJ>(SendMessageW(child, STM_GETIMAGE, IMAGE_BITMAP, 0));
            if (image != nullptr && GetObjectW(image, sizeof bitmap, &bitmap) != 0) {
                // The whole picture inside the border, if it has one.
                RECT client{};
                GetClientRect(child, &client);
                EXPECT_EQ(client.right, bitmap.bmWidth);
                EXPECT_EQ(client.bottom, bitmap.bmHeight);
                actual.right = expected.right = actual.left;
                actual.bottom = expected.bottom = actual.top;
            } else {
                actual.right = expected.right = actual.left;
                actual.bottom = expected.bottom = actual.top;
            }
        }
        EXPECT_TRUE(EqualRect(&expected, &actual)) << "expected " << Show(expected) << ", is " << Show(actual);
        if (HasOwnCaption(c.kind)) {
            EXPECT_EQ(Utf8(RealDialogsTest::TextOf(child)), Utf8(WideOf(c.caption)));
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
}
