// The check a typed value passes before a dimension or a depth changes.
#ifndef LEDGEWRIGHT_COMMAND_TYPED_NUMBER_H
#define LEDGEWRIGHT_COMMAND_TYPED_NUMBER_H

#include "host/zedtext.h"

// True when the text may be a number: its first character is "-", "+", "."
// or a digit, and every later one a digit or ".". The value is then the
// text's leading decimal number ("1.2.3" gives 1.2; "", "-" and "." give 0).
bool ReadTypedNumber(const ZedString& text, double& value);

#endif  // LEDGEWRIGHT_COMMAND_TYPED_NUMBER_H
