#include "ui/swatches.h"

#include <iterator>

#include "settings/name_tables.h"
#include "ui/picker_layouts.h"

Rgb ColorOfName(const ZedString& colorName) {
    const ColorEntry entry = LookupColor(colorName);
    return {entry.red, entry.green, entry.blue};
}

void StaticMainColor::Paint(Canvas& canvas, const Rect& client) const { canvas.Fill(client, ColorOfName(colorName)); }

void StaticBkColor::Paint(Canvas& canvas, const Rect& client, const DialogWindow& picker, const Rect& itemRect) const {
    const MainColorTable table = BuildMainColorTable();
    const int columns = static_cast<int>(std::size(kColorCellColumns));
    Rgb colour{0, 0, 0};
    for (int row = 0; row < static_cast<int>(std::size(kColorCellRows)); ++row) {
        for (int column = 0; column < columns; ++column) {
            const Rect cell = picker.MapDialogRect({kColorCellColumns[column], kColorCellRows[row],
                                                    kColorCellColumns[column] + 1, kColorCellRows[row] + 1});
            if (cell.left == itemRect.left && cell.top == itemRect.top) {
                const ColorEntry& entry = table.entries[1 + row * columns + column];
                colour = {entry.red, entry.green, entry.blue};
            }
        }
    }
    canvas.Fill(client, colour);
}
