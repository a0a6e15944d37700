// The shoulder element list kept in attribute 40271: element ids in decimal,
// joined by ",", e.g. "101,205".
#ifndef LEDGEWRIGHT_TAGGING_ID_LIST_H
#define LEDGEWRIGHT_TAGGING_ID_LIST_H

#include <cstddef>
#include <span>
#include <vector>

#include "host/zedlib.h"

// The most elements a shoulder may list. The tagging writes at most three.
inline constexpr size_t kMaxShoulderElements = 9;

using ShoulderElementIds = std::vector<ZedId>;

// The ids in decimal, joined by "," with no spaces and no trailing separator.
ZedString FormatIdList(std::span<const ZedId> ids);

// Reads an element list. Empty pieces (",,", a leading or trailing ",") are
// skipped; every other piece must be a whole decimal integer (an optional "-"
// and digits) that fits a 32-bit id. The drawing may hold any text here, and a
// text that is not entirely such a list (letters, "12abc", blanks, an
// overflowing number) or that lists more than nine ids was not written by the
// tagging: acting on part of it could delete elements that are no shoulder's,
// so the whole text gives no ids.
ShoulderElementIds ParseIdText(const ZedChar* text);
// The same reading of the characters from `begin` up to `end` (not included).
ShoulderElementIds ParseIdRange(const ZedChar* begin, const ZedChar* end);

// The element list of an attribute value: ParseIdText of a text value; a value
// of any other kind, or a text value without text, gives no ids.
ShoulderElementIds ParseIdList(const ZedAttrValue& value);

#endif  // LEDGEWRIGHT_TAGGING_ID_LIST_H
