// The temporary element table: the dimensions and notes that the current
// shoulder put on the drawing for the user to pick. The command's end deletes
// them.
#ifndef LEDGEWRIGHT_BASE_TEMPORARY_ELEMENTS_H
#define LEDGEWRIGHT_BASE_TEMPORARY_ELEMENTS_H

#include <array>

#include "host/zedlib.h"

// Slot numbers, 1 to 7.
enum TemporarySlot {
    kSlotDepthNote = 1,
    kSlotSideNote = 2,
    kSlotThirdDimension = 5,
    kSlotSecondDimension = 6,
    kSlotFirstDimension = 7,
};
inline constexpr int kTemporarySlotCount = 7;

// Element id 0 marks an empty slot.
struct TemporaryElementTable {
    std::array<ZedFigRef, kTemporarySlotCount + 1> slots{};  // [0] unused

    ZedFigRef& operator[](int slot) { return slots.at(static_cast<size_t>(slot)); }
    const ZedFigRef& operator[](int slot) const { return slots.at(static_cast<size_t>(slot)); }
    // Empties every slot without touching the drawing.
    void Clear() { slots.fill(ZedFigRef{0, 0}); }
};

TemporaryElementTable& TemporaryElements();

// Deletes the elements of slots 7 down to 1 from the drawing (results ignored)
// and empties every slot.
void DeleteTemporaryElements();

#endif  // LEDGEWRIGHT_BASE_TEMPORARY_ELEMENTS_H
