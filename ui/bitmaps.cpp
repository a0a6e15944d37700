#include "ui/bitmaps.h"

#include "settings/name_tables.h"

int LineTypeBitmap(const ZedString& lineTypeName) {
    static constexpr const ZedChar* kNames[kLineTypeCount] = {
        ZED_TEXT("LINETYPE01"), ZED_TEXT("LINETYPE02"), ZED_TEXT("LINETYPE03"), ZED_TEXT("LINETYPE04"),
        ZED_TEXT("LINETYPE05"), ZED_TEXT("LINETYPE06"), ZED_TEXT("LINETYPE07"), ZED_TEXT("LINETYPE08"),
        ZED_TEXT("LINETYPE09"), ZED_TEXT("LINETYPE10"),
    };
    for (int i = 0; i < kLineTypeCount; ++i) {
        if (EqualsIgnoringCase(lineTypeName, kNames[i])) {
            return kBitmapLineType01 + i;
        }
    }
    return kBitmapLineType01;
}
