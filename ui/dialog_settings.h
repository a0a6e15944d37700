// The settings store as the dialogs use it: the plug-in's key, a read of at
// most 126 characters, and a missing value replaced by the dialog's default.
#ifndef LEDGEWRIGHT_UI_DIALOG_SETTINGS_H
#define LEDGEWRIGHT_UI_DIALOG_SETTINGS_H

#include "host/zedtext.h"

// The dialogs read into a buffer of 255 bytes: 126 characters and the
// terminating zero. A longer stored text fails the read.
inline constexpr size_t kDialogSettingMaxLength = 126;

bool ReadDialogSetting(const ZedString& name, ZedString& text);
// The stored text, or the default, which is then written at once.
ZedString LoadDialogSetting(const ZedString& name, const ZedString& defaultText);
// A failed write is not reported.
void StoreDialogSetting(const ZedString& name, const ZedString& text);
// The text as a number (leading number, 0 when none) in the settings number format.
ZedString AsSettingNumber(const ZedString& text);
// "1" or "0".
ZedString FlagText(bool set);
ZedString DecimalText(int value);

#endif  // LEDGEWRIGHT_UI_DIALOG_SETTINGS_H
