// The plug-in's dialog driver table, kept for the runner.
#include "emuhost/emu_api.h"

namespace emu {
namespace {

const ZedEmuDialogDriver*& Offered() {
    static const ZedEmuDialogDriver* driver = nullptr;
    return driver;
}

}  // namespace

const ZedEmuDialogDriver* DialogDriver() { return Offered(); }

}  // namespace emu

void ZedEmuOfferDialogDriver(const ZedEmuDialogDriver* driver) { emu::Offered() = driver; }
