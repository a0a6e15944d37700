// The Windows backend: real dialogs made from the layouts through in-memory
// dialog templates, owned by the plug-in's module.
#ifndef LEDGEWRIGHT_UI_WIN32_BACKEND_H
#define LEDGEWRIGHT_UI_WIN32_BACKEND_H

#ifdef _WIN32
#include <functional>

#include "ui/user_actions.h"
#include "ui/window.h"

WindowBackend& Win32Backend();
// The window handle (HWND) of a window that this backend made, nullptr for any other.
void* NativeWindow(DialogWindow& window);
// Handles the thread's pending messages as the loop in charge would (the open
// modal dialog's filter and dialog keys included) until the queue has been
// quiet for a moment, or two seconds at most.
void PumpDialogMessages();
// Runs once in each modal dialog after it is shown, from inside its modal loop.
void SetWin32ModalDriver(std::function<void(DialogWindow&)> driver);
// The user's actions as window messages (ui/win32_user_actions_win32.cpp).
UserActions& Win32UserActions();
#endif

#endif  // LEDGEWRIGHT_UI_WIN32_BACKEND_H
