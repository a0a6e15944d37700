// The host's main window. On Windows the runner owns a real top-level window
// that stands for it: the plug-in's chooser activates it and types keywords
// into it, and its key events form the emulated host's command line, which
// Enter delivers as a typed string. Elsewhere there is no such window and the
// calls do nothing.
#ifndef LEDGEWRIGHT_RUNNER_HOST_WINDOW_H
#define LEDGEWRIGHT_RUNNER_HOST_WINDOW_H

namespace runner {

// Creates and shows the window on the calling thread (once); false when it
// cannot be made.
bool OpenHostWindow();
// The window's handle (an HWND), nullptr before OpenHostWindow.
void* HostWindowHandle();
// Destroys the window.
void CloseHostWindow();
// Handles the messages waiting for this thread's windows, as the host's
// message loop does between the user's actions.
void PumpHostMessages();

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_HOST_WINDOW_H
