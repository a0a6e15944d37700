#include <windows.h>

#include "ui/emulated_host_link.h"

void* FindEmulatedHostCall(const char* name) {
    const HMODULE zedLib = GetModuleHandleW(L"ZedLib.dll");
    return zedLib == nullptr ? nullptr : reinterpret_cast<void*>(GetProcAddress(zedLib, name));
}
