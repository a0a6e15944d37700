// The window backend of the process.
#include "ui/headless.h"
#include "ui/window.h"

namespace {

WindowBackend*& Chosen() {
    static WindowBackend* chosen = nullptr;
    return chosen;
}

}  // namespace

WindowBackend& Backend() { return Chosen() != nullptr ? *Chosen() : headless::TheBackend(); }

void UseWindowBackend(WindowBackend* backend) { Chosen() = backend; }
