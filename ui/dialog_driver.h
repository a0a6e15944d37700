// The dialog driver table (emuhost/emu_dialog_driver.h) of this plug-in: its
// chooser, panels and pickers driven through the window backend's user
// actions, with controls named as below. Offered to the emulated host at
// Startup when the backend in use can play user actions, so that the host
// runner can drive the dialogs as a user would.
//
// Control names. Chooser: protrude, width, height, is-layer, layers, delete,
// picture (and the pattern list through the row actions). Panels: is-width-value,
// width-value, width-value-distance, is-hole-draw, hole-kind, hole-layer,
// hole-dir, hole-width, is-line-draw, line-same, line-own, colour, line-type,
// is-slot-draw, slot-layer, slot-r, slot-colour, slot-line-type, display-width,
// display-protrude, display-colour, display-line-type. Pickers: ok, cancel.
#ifndef LEDGEWRIGHT_UI_DIALOG_DRIVER_H
#define LEDGEWRIGHT_UI_DIALOG_DRIVER_H

#include "emuhost/emu_dialog_driver.h"

const ZedEmuDialogDriver& DialogDriverTable();
// Hands the table to the emulated host if the backend in use plays user
// actions; nothing otherwise, or without an emulated host.
void OfferDialogDriver();

#endif  // LEDGEWRIGHT_UI_DIALOG_DRIVER_H
