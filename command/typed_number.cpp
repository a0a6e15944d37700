#include "command/typed_number.h"

#include "settings/conversions.h"

namespace {

bool IsDigit(ZedChar c) { return c >= ZED_TEXT('0') && c <= ZED_TEXT('9'); }

}  // namespace

bool ReadTypedNumber(const ZedString& text, double& value) {
    for (size_t i = 0; i < text.size(); ++i) {
        const ZedChar c = text[i];
        const bool sign = i == 0 && (c == ZED_TEXT('-') || c == ZED_TEXT('+'));
        if (!IsDigit(c) && c != ZED_TEXT('.') && !sign) {
            return false;
        }
    }
    value = SettingNumber(text);
    return true;
}
