// The values in which the patterns' pick-and-edit dialogues differ: one row per
// pattern. The dialogue's states (pick_dialogue.h) are written once and read
// their pattern's row.
#ifndef LEDGEWRIGHT_COMMAND_PATTERN_TABLE_H
#define LEDGEWRIGHT_COMMAND_PATTERN_TABLE_H

#include <array>
#include <cstdint>
#include <span>

#include "base/line_pick.h"
#include "base/pattern.h"
#include "holes/hole_pattern.h"
#include "host/zedlib.h"

// A slot of the temporary element table that the dimension pick compares, and
// the edit mode a pick on it sets.
struct SlotEdit {
    int slot = 0;
    int editMode = kEditNone;
};

struct PatternRow {
    Pattern pattern;
    const ZedChar* linePickPrompt;
    // The builder, given the line pick record; true when the shoulder and its
    // temporary elements exist.
    bool (*build)(const LinePick& pick);
    // False for a pattern whose line pick draws nothing: the temporary
    // elements of an earlier shoulder then stay filed for the command's end,
    // and the builder's false ends the command.
    bool drawsShoulder = true;
    // The rebuild, given the edit mode (what changes) and the typed value.
    bool (*rebuild)(int editMode, double value);
    std::array<int32_t, ZED_FILTER_SIZE> dimensionPickFilter;
    // The slots compared at the dimension pick, in order.
    std::array<SlotEdit, 5> slotStorage;
    int slotCount;
    // The dimension kinds (byte 0 of the record) that the rebuild takes.
    std::array<int32_t, 2> kindStorage;
    int kindCount;

    std::span<const SlotEdit> Slots() const { return {slotStorage.data(), static_cast<size_t>(slotCount)}; }
    std::span<const int32_t> DimensionKinds() const {
        return {kindStorage.data(), static_cast<size_t>(kindCount)};
    }
};

// The row whose key is the pattern; null when the pattern has no dialogue row.
const PatternRow* PatternRowOf(Pattern pattern);

// The hole settings and depth-entry messages of the row's pattern; null for a
// pattern without a hole.
inline const HolePattern* HoleOf(const PatternRow& row) { return HolePatternOf(row.pattern); }

// Whether the pattern's rebuild takes a dimension of this kind.
bool AcceptsDimensionKind(const PatternRow& row, int32_t kind);

// The pick filter of every line pick: figure segments, lines only.
inline constexpr std::array<int32_t, ZED_FILTER_SIZE> kLinePickFilter{2, 1, 0, 0, 0};

#endif  // LEDGEWRIGHT_COMMAND_PATTERN_TABLE_H
