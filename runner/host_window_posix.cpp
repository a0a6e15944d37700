#include "runner/host_window.h"

namespace runner {

bool OpenHostWindow() { return true; }
void* HostWindowHandle() { return nullptr; }
void CloseHostWindow() {}
void PumpHostMessages() {}

}  // namespace runner
