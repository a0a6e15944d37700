// The window backend of the plug-in. Until the Win32 backend lands, every
// platform runs the headless one.
#include "ui/headless.h"
#include "ui/window.h"

WindowBackend& Backend() { return headless::TheBackend(); }
