// The window backend of the process: real windows on Windows, the headless
// backend elsewhere, unless a test or the runner chose one.
#include "ui/headless.h"
#include "ui/win32_backend.h"
#include "ui/window.h"

namespace {

WindowBackend*& Chosen() {
    static WindowBackend* chosen = nullptr;
    return chosen;
}

WindowBackend& PlatformBackend() {
#ifdef _WIN32
    return Win32Backend();
#else
    return headless::TheBackend();
#endif
}

}  // namespace

WindowBackend& Backend() { return Chosen() != nullptr ? *Chosen() : PlatformBackend(); }

void UseWindowBackend(WindowBackend* backend) { Chosen() = backend; }
