// Typed access to the numbered attributes of a segment. Texts go to the host
// from the plug-in's own storage and come back as the plug-in's own copy, so
// that no text of the host's is kept past the call that handed it out.
#ifndef LEDGEWRIGHT_TAGGING_SEGMENT_ATTRIBUTES_H
#define LEDGEWRIGHT_TAGGING_SEGMENT_ATTRIBUTES_H

#include <cstdint>

#include "host/zedlib.h"

bool WriteTextAttribute(ZedId segment, int32_t number, const ZedString& text);
bool WriteIntegerAttribute(ZedId segment, int32_t number, int32_t value);

// False when the segment has no such attribute, or it holds another kind of
// value: a text is never read as a number, nor a number as a text.
bool ReadTextAttribute(ZedId segment, int32_t number, ZedString& text);
bool ReadIntegerAttribute(ZedId segment, int32_t number, int32_t& value);

#endif  // LEDGEWRIGHT_TAGGING_SEGMENT_ATTRIBUTES_H
