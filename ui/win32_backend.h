// The Windows backend: real dialogs made from the layouts through in-memory
// dialog templates, owned by the plug-in's module.
#ifndef LEDGEWRIGHT_UI_WIN32_BACKEND_H
#define LEDGEWRIGHT_UI_WIN32_BACKEND_H

#ifdef _WIN32
#include "ui/window.h"

WindowBackend& Win32Backend();
// The window handle (HWND) of a window that this backend made, nullptr for any other.
void* NativeWindow(DialogWindow& window);
#endif

#endif  // LEDGEWRIGHT_UI_WIN32_BACKEND_H
