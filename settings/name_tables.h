// The colour and line-type name tables.
//
// A colour is stored as a name "MAINCOLOR01" to "MAINCOLOR16" and given to the
// host as a colour index; a line type is stored as "LINETYPE01" to "LINETYPE10"
// and given to the host as a line-type index. Entry 0 of each table is the
// default that stands for any name not in the table; the rows occupy entries
// 1 to count.
#ifndef LEDGEWRIGHT_SETTINGS_NAME_TABLES_H
#define LEDGEWRIGHT_SETTINGS_NAME_TABLES_H

#include <array>

#include "host/zedtext.h"

struct ColorEntry {
    ZedString name;
    int index = 0;
    int red = 0;
    int green = 0;
    int blue = 0;
};

struct MainColorTable {
    static constexpr int kCapacity = 40;
    std::array<ColorEntry, kCapacity> entries;
    int count = 0;
};

struct LineTypeEntry {
    ZedString name;
    int index = 0;
};

struct LineTypeTable {
    static constexpr int kCapacity = 20;
    std::array<LineTypeEntry, kCapacity> entries;
    int count = 0;
};

// Each call builds the table afresh.
MainColorTable BuildMainColorTable();
LineTypeTable BuildLineTypeTable();

// The entry whose name equals the given one without regard to case, or entry 0.
ColorEntry LookupColor(const ZedString& name);
LineTypeEntry LookupLineType(const ZedString& name);

// Equality of two texts with ASCII letters compared without regard to case.
bool EqualsIgnoringCase(const ZedString& a, const ZedString& b);

#endif  // LEDGEWRIGHT_SETTINGS_NAME_TABLES_H
