// The settings store as the dialogs use it: the plug-in's key, and a missing
// value replaced by the dialog's default.
#ifndef LEDGEWRIGHT_UI_DIALOG_SETTINGS_H
#define LEDGEWRIGHT_UI_DIALOG_SETTINGS_H

#include "host/zedtext.h"

// The stored text, whatever its length, or the default, which is then written
// at once.
ZedString LoadDialogSetting(const ZedString& name, const ZedString& defaultText);
// The same with the dialog default of the settings table (settings/loaders.h).
ZedString LoadDialogSetting(const ZedChar* name);
// A failed write is not reported.
void StoreDialogSetting(const ZedString& name, const ZedString& text);
// The text as a number (leading number, 0 when none) in the settings number format.
ZedString AsSettingNumber(const ZedString& text);
// "1" or "0".
ZedString FlagText(bool set);
ZedString DecimalText(int value);

#endif  // LEDGEWRIGHT_UI_DIALOG_SETTINGS_H
