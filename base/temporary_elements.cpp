#include "base/temporary_elements.h"

TemporaryElementTable& TemporaryElements() {
    static TemporaryElementTable table;
    return table;
}

void DeleteTemporaryElements() {
    TemporaryElementTable& table = TemporaryElements();
    for (int slot = kTemporarySlotCount; slot >= 1; --slot) {
        if (table[slot].id != 0) {
            ZedElmDeleteElement(table[slot].id);
        }
    }
    table.Clear();
}
