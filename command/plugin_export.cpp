// The plug-in's one exported function. The host calls it once after loading
// the library; the arguments it may pass are not used.
#include "command/app.h"
#include "command/command_flow.h"
#include "ui/dialog_driver.h"

#if defined(_WIN32)
#define LEDGEWRIGHT_EXPORT __declspec(dllexport)
#else
#define LEDGEWRIGHT_EXPORT __attribute__((visibility("default")))
#endif

extern "C" LEDGEWRIGHT_EXPORT int Startup() {
    if (!TheApp().InitInstance()) {
        return -1;
    }
    // Lets the host runner drive the dialogs where they have no real windows.
    OfferDialogDriver();
    return RegisterLedgewright();
}
