#include "settings/name_tables.h"

namespace {

ZedChar FoldCase(ZedChar c) {
    return (c >= ZED_TEXT('a') && c <= ZED_TEXT('z')) ? static_cast<ZedChar>(c - ZED_TEXT('a') + ZED_TEXT('A')) : c;
}

void AddColor(MainColorTable& table, const ZedChar* name, int index, int red, int green, int blue) {
    ++table.count;
    table.entries[table.count] = ColorEntry{name, index, red, green, blue};
}

void AddLineType(LineTypeTable& table, const ZedChar* name, int index) {
    ++table.count;
    table.entries[table.count] = LineTypeEntry{name, index};
}

}  // namespace

bool EqualsIgnoringCase(const ZedString& a, const ZedString& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) {
            return false;
        }
    }
    return true;
}

MainColorTable BuildMainColorTable() {
    MainColorTable table;
    table.entries[0] = ColorEntry{ZED_TEXT("MAINCOLOR01"), 0, 255, 255, 255};
    AddColor(table, ZED_TEXT("MAINCOLOR01"), 0, 255, 255, 255);
    AddColor(table, ZED_TEXT("MAINCOLOR02"), 1, 0, 192, 255);
    AddColor(table, ZED_TEXT("MAINCOLOR03"), 2, 60, 255, 80);
    AddColor(table, ZED_TEXT("MAINCOLOR04"), 3, 255, 64, 192);
    AddColor(table, ZED_TEXT("MAINCOLOR05"), 4, 224, 224, 0);
    AddColor(table, ZED_TEXT("MAINCOLOR06"), 5, 255, 0, 0);
    AddColor(table, ZED_TEXT("MAINCOLOR07"), 6, 255, 128, 128);
    AddColor(table, ZED_TEXT("MAINCOLOR08"), 7, 0, 128, 255);
    AddColor(table, ZED_TEXT("MAINCOLOR09"), 8, 255, 255, 0);
    AddColor(table, ZED_TEXT("MAINCOLOR10"), 9, 128, 128, 128);
    AddColor(table, ZED_TEXT("MAINCOLOR11"), 10, 0, 255, 255);
    AddColor(table, ZED_TEXT("MAINCOLOR12"), 11, 0, 0, 255);
    AddColor(table, ZED_TEXT("MAINCOLOR13"), 12, 128, 0, 255);
    AddColor(table, ZED_TEXT("MAINCOLOR14"), 13, 128, 128, 255);
    AddColor(table, ZED_TEXT("MAINCOLOR15"), 14, 128, 0, 128);
    AddColor(table, ZED_TEXT("MAINCOLOR16"), 15, 128, 128, 0);
    return table;
}

LineTypeTable BuildLineTypeTable() {
    LineTypeTable table;
    table.entries[0] = LineTypeEntry{ZED_TEXT("LINETYPE01"), 0};
    // The line-type index does not follow the name's number.
    AddLineType(table, ZED_TEXT("LINETYPE01"), 0);
    AddLineType(table, ZED_TEXT("LINETYPE02"), 4);
    AddLineType(table, ZED_TEXT("LINETYPE03"), 5);
    AddLineType(table, ZED_TEXT("LINETYPE04"), 6);
    AddLineType(table, ZED_TEXT("LINETYPE05"), 1);
    AddLineType(table, ZED_TEXT("LINETYPE06"), 2);
    AddLineType(table, ZED_TEXT("LINETYPE07"), 3);
    AddLineType(table, ZED_TEXT("LINETYPE08"), 7);
    AddLineType(table, ZED_TEXT("LINETYPE09"), 8);
    AddLineType(table, ZED_TEXT("LINETYPE10"), 9);
    return table;
}

ColorEntry LookupColor(const ZedString& name) {
    const MainColorTable table = BuildMainColorTable();
    for (int i = 1; i <= table.count; ++i) {
        if (EqualsIgnoringCase(table.entries[i].name, name)) {
            return table.entries[i];
        }
    }
    return table.entries[0];
}

LineTypeEntry LookupLineType(const ZedString& name) {
    const LineTypeTable table = BuildLineTypeTable();
    for (int i = 1; i <= table.count; ++i) {
        if (EqualsIgnoringCase(table.entries[i].name, name)) {
            return table.entries[i];
        }
    }
    return table.entries[0];
}
