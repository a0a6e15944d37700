// The headless backend's way to the emulated host, which stands for the
// system's input stream and the host's main window when there are no real
// windows. Found in the process at run time, so that the plug-in imports
// nothing beyond ZedLib; without an emulated host the calls do nothing.
#ifndef LEDGEWRIGHT_UI_EMULATED_HOST_LINK_H
#define LEDGEWRIGHT_UI_EMULATED_HOST_LINK_H

#include "ui/window.h"

void SendKeyToEmulatedHost(const KeyInput& key);
void ActivateEmulatedHostWindow();

// The emulated host's exported call of that name, or null (one file per
// platform).
void* FindEmulatedHostCall(const char* name);

#endif  // LEDGEWRIGHT_UI_EMULATED_HOST_LINK_H
