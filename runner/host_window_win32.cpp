#include <windows.h>

#include "emuhost/emu_api.h"
#include "runner/host_window.h"

namespace runner {

namespace {

constexpr wchar_t kClassName[] = L"ZedHostMainWindow";
HWND g_window = nullptr;

// Key events go to the emulated host with their scan code and the extra
// information that came with them (0x33 marks a keyword typed by the chooser).
LRESULT CALLBACK HostProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP: {
            const bool up = message == WM_KEYUP || message == WM_SYSKEYUP;
            ZedEmuKeyInput(static_cast<unsigned>(wParam), static_cast<unsigned>((lParam >> 16) & 0xFF),
                           static_cast<unsigned>(GetMessageExtraInfo()), up ? 1 : 0);
            return 0;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                ZedEmuActivateHostWindow();
            }
            break;
        case WM_CLOSE:
            return 0;  // the window lives as long as the runner
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

bool OpenHostWindow() {
    if (g_window != nullptr) {
        return true;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = HostProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
    g_window = CreateWindowExW(0, kClassName, L"Zed", WS_OVERLAPPEDWINDOW, 0, 0, 1000, 700, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (g_window == nullptr) {
        return false;
    }
    ShowWindow(g_window, SW_SHOW);
    SetForegroundWindow(g_window);
    PumpHostMessages();
    return true;
}

void* HostWindowHandle() { return g_window; }

void CloseHostWindow() {
    if (g_window != nullptr) {
        DestroyWindow(g_window);
        g_window = nullptr;
        PumpHostMessages();
    }
}

void PumpHostMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace runner
