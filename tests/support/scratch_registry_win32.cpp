#ifdef _WIN32
#include <windows.h>

#include "tests/support/scratch_registry.h"

void UseScratchRegistry() {
    // Removes the whole settings key; a missing key is already what we want.
    RegDeleteTreeW(HKEY_CURRENT_USER, L"SOFTWARE\\Quorvane\\ZED\\Ledgewright");
}
#endif
