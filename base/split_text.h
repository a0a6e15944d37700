#ifndef LEDGEWRIGHT_BASE_SPLIT_TEXT_H
#define LEDGEWRIGHT_BASE_SPLIT_TEXT_H

#include <vector>

#include "host/zedtext.h"

// Empties the list, then appends the pieces of the text between separators
// from left to right, leaving out empty pieces. Returns how many it appended.
int SplitText(ZedChar separator, const ZedString& text, std::vector<ZedString>& list);

#endif  // LEDGEWRIGHT_BASE_SPLIT_TEXT_H
