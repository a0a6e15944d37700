// The earlier shoulders of an outline, kept in attribute 40277 beside the
// mark of its most recent shoulder (40270 to 40276), so that every shoulder
// built on one outline stays deletable.
//
// The text of 40277 lists one entry per earlier shoulder, oldest first, the
// entries joined by ";" (no trailing separator). An entry has six fields
// joined by ":", in this order:
//   1. the shoulder's element list, written as 40271 is: element ids in
//      decimal joined by ",", one to nine ids;
//   2. to 6. the segments of its separate parts, one field per attribute
//      40272 (hole), 40273 (cut line), 40274 (the part no builder makes),
//      40275 (slot) and 40276 (display part): a segment id in decimal digits,
//      or nothing when the shoulder has no such part.
// Example, a plan A shoulder with a hole and a cut line, then a side B step
// with its display part: "101,102,103:2001:2002:::;301,302,303::305:::306".
// Limits: at most kMaxEarlierShoulders (32) entries and
// kMaxEarlierShouldersText (4096) characters. Neither the host's interface
// nor the emulated host limits the length of a text attribute; the plug-in
// keeps its own text within that bound (an entry of three element ids and
// five parts, every id 32-bit, takes at most 88 characters with its
// separator, so 32 fit), and when an outline carries more earlier shoulders
// than fit, the oldest is no longer kept, as today's mark keeps no shoulder
// that a later one overwrote.
// A text that is not entirely such a list was not written by the plug-in and
// names no shoulder: it reads as no entries at all.
#ifndef LEDGEWRIGHT_TAGGING_EARLIER_SHOULDERS_H
#define LEDGEWRIGHT_TAGGING_EARLIER_SHOULDERS_H

#include <array>
#include <cstddef>
#include <span>
#include <vector>

#include "host/zedlib.h"
#include "tagging/id_list.h"

inline constexpr size_t kMaxEarlierShoulders = 32;
inline constexpr size_t kMaxEarlierShouldersText = 4096;

// The separate parts of a shoulder in the order of 40272 to 40276, -1 when absent.
inline constexpr size_t kShoulderPartCount = 5;
using ShoulderParts = std::array<ZedId, kShoulderPartCount>;

// One shoulder of an outline: what 40271 to 40276 say of the most recent one,
// and an entry of 40277 of an earlier one.
struct ShoulderEntry {
    ShoulderElementIds elements;
    ShoulderParts parts{-1, -1, -1, -1, -1};
    bool operator==(const ShoulderEntry&) const = default;
};

// The text of 40277 for the entries, oldest first. Entries without elements
// are left out, and part ids that are not positive written as absent; the
// newest entries are kept as far as they fit the limits.
ZedString FormatEarlierShoulders(std::span<const ShoulderEntry> entries);

// The entries a text of 40277 lists, oldest first; none when the text is not
// entirely a list as above (also when it is longer than the limits).
std::vector<ShoulderEntry> ParseEarlierShoulders(const ZedChar* text);

#endif  // LEDGEWRIGHT_TAGGING_EARLIER_SHOULDERS_H
