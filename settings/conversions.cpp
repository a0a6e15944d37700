#include "settings/conversions.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>
#include <system_error>

#include "settings/name_tables.h"

namespace {

bool IsSpace(ZedChar c) {
    return c == ZED_TEXT(' ') || c == ZED_TEXT('\t') || c == ZED_TEXT('\n') || c == ZED_TEXT('\v') ||
           c == ZED_TEXT('\f') || c == ZED_TEXT('\r');
}

bool IsDigit(ZedChar c) { return c >= ZED_TEXT('0') && c <= ZED_TEXT('9'); }

size_t SkipSpaces(const ZedString& text, size_t pos) {
    while (pos < text.size() && IsSpace(text[pos])) {
        ++pos;
    }
    return pos;
}

// Copies the digits from pos on as ASCII; returns how many there were.
size_t TakeDigits(const ZedString& text, size_t& pos, std::string& out) {
    const size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos])) {
        out += static_cast<char>('0' + (text[pos] - ZED_TEXT('0')));
        ++pos;
    }
    return pos - start;
}

// The decimal exponent of the first significant digit, used only to tell an
// overflow from an underflow when the number is out of range.
long long MagnitudeOf(const std::string& integerDigits, const std::string& fractionDigits, long long exponent) {
    const size_t firstNonZero = integerDigits.find_first_not_of('0');
    if (firstNonZero != std::string::npos) {
        return exponent + static_cast<long long>(integerDigits.size() - firstNonZero);
    }
    const size_t firstFraction = fractionDigits.find_first_not_of('0');
    return exponent - static_cast<long long>(firstFraction == std::string::npos ? 0 : firstFraction);
}

}  // namespace

double SettingNumber(const ZedString& text) {
    size_t pos = SkipSpaces(text, 0);
    bool negative = false;
    if (pos < text.size() && (text[pos] == ZED_TEXT('+') || text[pos] == ZED_TEXT('-'))) {
        negative = text[pos] == ZED_TEXT('-');
        ++pos;
    }
    std::string integerDigits;
    std::string fractionDigits;
    TakeDigits(text, pos, integerDigits);
    if (pos < text.size() && text[pos] == ZED_TEXT('.')) {
        ++pos;
        TakeDigits(text, pos, fractionDigits);
    }
    if (integerDigits.empty() && fractionDigits.empty()) {
        return 0.0;
    }
    std::string exponentPart;
    long long exponent = 0;
    if (pos < text.size() && (text[pos] == ZED_TEXT('e') || text[pos] == ZED_TEXT('E'))) {
        size_t at = pos + 1;
        std::string sign;
        if (at < text.size() && (text[at] == ZED_TEXT('+') || text[at] == ZED_TEXT('-'))) {
            sign = text[at] == ZED_TEXT('-') ? "-" : "";
            ++at;
        }
        std::string digits;
        if (TakeDigits(text, at, digits) > 0) {
            exponentPart = "e" + sign + digits;
            // Only the order of magnitude matters here, so long exponents are capped.
            long long magnitude = 0;
            for (char digit : digits) {
                magnitude = std::min(magnitude * 10 + (digit - '0'), 1000000000LL);
            }
            exponent = sign.empty() ? magnitude : -magnitude;
        }
    }

    const std::string number = (integerDigits.empty() ? "0" : integerDigits) +
                               (fractionDigits.empty() ? "" : "." + fractionDigits) + exponentPart;
    double value = 0.0;
    const std::from_chars_result result =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        value = MagnitudeOf(integerDigits, fractionDigits, exponent) > 0 ? HUGE_VAL : 0.0;
    } else if (result.ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

int SettingInteger(const ZedString& text) {
    size_t pos = SkipSpaces(text, 0);
    bool negative = false;
    if (pos < text.size() && (text[pos] == ZED_TEXT('+') || text[pos] == ZED_TEXT('-'))) {
        negative = text[pos] == ZED_TEXT('-');
        ++pos;
    }
    long long magnitude = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        if (magnitude <= static_cast<long long>(INT_MAX) + 1) {
            magnitude = magnitude * 10 + (text[pos] - ZED_TEXT('0'));
        }
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

int SettingFlag(const ZedString& text) { return text == ZED_TEXT("1") ? 1 : 0; }

int SettingColor(const ZedString& text) { return LookupColor(text).index; }

int SettingLineType(const ZedString& text) { return LookupLineType(text).index; }
