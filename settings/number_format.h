// The settings number format: how the dialogs store a number as text.
#ifndef LEDGEWRIGHT_SETTINGS_NUMBER_FORMAT_H
#define LEDGEWRIGHT_SETTINGS_NUMBER_FORMAT_H

#include "host/zedtext.h"

// The value with six decimals, trailing zeros cut, and at least one digit after
// the point: 1 gives "1.0", 2.5 gives "2.5", 0.125 gives "0.125". The point is
// "." whatever the C locale.
ZedString FormatSettingNumber(double value);

#endif  // LEDGEWRIGHT_SETTINGS_NUMBER_FORMAT_H
