#include "ui/emulated_host_link.h"

namespace {

template <class Function>
Function Find(const char* name) {
    return reinterpret_cast<Function>(FindEmulatedHostCall(name));
}

}  // namespace

void SendKeyToEmulatedHost(const KeyInput& key) {
    using KeyFunction = void (*)(unsigned, unsigned, unsigned, int);
    static const KeyFunction send = Find<KeyFunction>("ZedEmuKeyInput");
    if (send != nullptr) {
        send(static_cast<unsigned>(key.virtualKey), static_cast<unsigned>(key.scanCode), key.extraInfo,
             key.keyUp ? 1 : 0);
    }
}

void ActivateEmulatedHostWindow() {
    using ActivateFunction = void (*)();
    static const ActivateFunction activate = Find<ActivateFunction>("ZedEmuActivateHostWindow");
    if (activate != nullptr) {
        activate();
    }
}
