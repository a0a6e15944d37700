// Conversion of stored setting texts to the values of ShoulderSettings.
//
// The conversions do not depend on the C locale: the stored texts always use
// "." as the decimal point, whatever locale the host process runs under.
#ifndef LEDGEWRIGHT_SETTINGS_CONVERSIONS_H
#define LEDGEWRIGHT_SETTINGS_CONVERSIONS_H

#include "host/zedtext.h"

// The leading decimal number of the text, 0 if there is none. As the C
// library's conversion in the "C" locale reads it: leading white space, a sign,
// digits with an optional "." and an optional exponent ("-1.5e3" is -1500, while
// "2e" is 2 since an exponent needs a digit). Hexadecimal forms, "inf" and
// "nan" are not numbers here. A number beyond the range of double gives
// plus or minus HUGE_VAL; one too small gives 0.
double SettingNumber(const ZedString& text);

// The leading decimal integer of the text (white space, a sign, digits), 0 if
// there is none; beyond the 32-bit range it is clamped.
int SettingInteger(const ZedString& text);

// 1 when the text is "1", else 0 ("true", "01" and "" give 0).
int SettingFlag(const ZedString& text);

// The colour index of the colour name (LookupColor).
int SettingColor(const ZedString& text);

// The line-type index of the line-type name (LookupLineType).
int SettingLineType(const ZedString& text);

#endif  // LEDGEWRIGHT_SETTINGS_CONVERSIONS_H
