#include "settings/number_format.h"

#include <charconv>
#include <string>

ZedString FormatSettingNumber(double value) {
    // Large enough for the longest fixed form of a double with six decimals.
    char buffer[400];
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    std::string text = result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("0.0");
    // Infinity and NaN have no point and stay as they are.
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text += '0';
        }
    }
    return ZedString(text.begin(), text.end());
}
