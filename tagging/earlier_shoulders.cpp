#include "tagging/earlier_shoulders.h"

#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr ZedChar kEntrySeparator = ZED_TEXT(';');
constexpr ZedChar kFieldSeparator = ZED_TEXT(':');
constexpr size_t kFieldCount = 1 + kShoulderPartCount;

void AppendDecimal(ZedString& text, int64_t value) {
    // Decimal digits are the same characters in every text width.
    for (const char c : std::to_string(value)) {
        text += static_cast<ZedChar>(c);
    }
}

ZedString FormatEntry(const ShoulderEntry& entry) {
    ZedString text = FormatIdList(entry.elements);
    for (const ZedId part : entry.parts) {
        text += kFieldSeparator;
        if (part > 0) {
            AppendDecimal(text, part);
        }
    }
    return text;
}

// A part field: nothing (no part) or decimal digits of a positive 32-bit id.
bool ParsePart(const ZedChar* begin, const ZedChar* end, ZedId& part) {
    part = -1;
    if (begin == end) {
        return true;
    }
    int64_t value = 0;
    for (const ZedChar* p = begin; p != end; ++p) {
        if (*p < ZED_TEXT('0') || *p > ZED_TEXT('9')) {
            return false;
        }
        value = value * 10 + (*p - ZED_TEXT('0'));
        if (value > std::numeric_limits<ZedId>::max()) {
            return false;
        }
    }
    if (value == 0) {
        return false;
    }
    part = static_cast<ZedId>(value);
    return true;
}

// One entry from `begin` to `end`: exactly six fields, an element list of one
// to nine ids and five part fields.
bool ParseEntry(const ZedChar* begin, const ZedChar* end, ShoulderEntry& entry) {
    const ZedChar* fields[kFieldCount + 1] = {};
    size_t count = 0;
    fields[count++] = begin;
    for (const ZedChar* p = begin; p != end; ++p) {
        if (*p == kFieldSeparator) {
            if (count == kFieldCount) {
                return false;
            }
            fields[count++] = p + 1;
        }
    }
    if (count != kFieldCount) {
        return false;
    }
    fields[kFieldCount] = end + 1;  // each field ends one before the next begins
    entry.elements = ParseIdRange(fields[0], fields[1] - 1);
    if (entry.elements.empty()) {
        return false;
    }
    for (size_t i = 0; i < kShoulderPartCount; ++i) {
        if (!ParsePart(fields[i + 1], fields[i + 2] - 1, entry.parts[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

ZedString FormatEarlierShoulders(std::span<const ShoulderEntry> entries) {
    // Built from the newest back, so that what does not fit is the oldest.
    std::vector<ZedString> kept;
    size_t length = 0;
    for (auto it = entries.rbegin(); it != entries.rend() && kept.size() < kMaxEarlierShoulders; ++it) {
        if (it->elements.empty()) {
            continue;
        }
        ZedString entry = FormatEntry(*it);
        const size_t added = entry.size() + (kept.empty() ? 0 : 1);
        if (length + added > kMaxEarlierShouldersText) {
            break;
        }
        length += added;
        kept.push_back(std::move(entry));
    }
    ZedString text;
    for (auto it = kept.rbegin(); it != kept.rend(); ++it) {
        if (!text.empty()) {
            text += kEntrySeparator;
        }
        text += *it;
    }
    return text;
}

std::vector<ShoulderEntry> ParseEarlierShoulders(const ZedChar* text) {
    std::vector<ShoulderEntry> entries;
    if (text == nullptr) {
        return entries;
    }
    size_t length = 0;
    while (text[length] != 0) {
        if (++length > kMaxEarlierShouldersText) {
            return {};
        }
    }
    if (length == 0) {
        return {};
    }
    const ZedChar* const end = text + length;
    const ZedChar* begin = text;
    for (const ZedChar* p = text;; ++p) {
        if (p != end && *p != kEntrySeparator) {
            continue;
        }
        ShoulderEntry entry;
        if (entries.size() == kMaxEarlierShoulders || !ParseEntry(begin, p, entry)) {
            return {};
        }
        entries.push_back(std::move(entry));
        if (p == end) {
            return entries;
        }
        begin = p + 1;
    }
}
