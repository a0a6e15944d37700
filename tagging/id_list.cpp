#include "tagging/id_list.h"

#include <cstdint>
#include <limits>
#include <string>

namespace {

bool IsDigit(ZedChar c) { return c >= ZED_TEXT('0') && c <= ZED_TEXT('9'); }

// One piece between separators as a 32-bit integer; false unless the whole
// piece is an optional minus sign followed by at least one digit and the
// value fits.
bool ParsePiece(const ZedChar* begin, const ZedChar* end, ZedId& id) {
    const bool negative = begin != end && *begin == ZED_TEXT('-');
    if (negative) {
        ++begin;
    }
    if (begin == end) {
        return false;
    }
    // The magnitude of the most negative id is one more than the largest id.
    const int64_t limit = static_cast<int64_t>(std::numeric_limits<ZedId>::max()) + (negative ? 1 : 0);
    int64_t value = 0;
    for (const ZedChar* p = begin; p != end; ++p) {
        if (!IsDigit(*p)) {
            return false;
        }
        value = value * 10 + (*p - ZED_TEXT('0'));
        if (value > limit) {
            return false;
        }
    }
    id = static_cast<ZedId>(negative ? -value : value);
    return true;
}

}  // namespace

ZedString FormatIdList(std::span<const ZedId> ids) {
    ZedString text;
    for (const ZedId id : ids) {
        if (!text.empty()) {
            text += ZED_TEXT(',');
        }
        // Decimal digits are the same characters in every text width.
        for (const char c : std::to_string(id)) {
            text += static_cast<ZedChar>(c);
        }
    }
    return text;
}

ShoulderElementIds ParseIdText(const ZedChar* text) {
    if (text == nullptr) {
        return {};
    }
    const ZedChar* end = text;
    while (*end != 0) {
        ++end;
    }
    return ParseIdRange(text, end);
}

ShoulderElementIds ParseIdRange(const ZedChar* begin, const ZedChar* end) {
    ShoulderElementIds ids;
    const ZedChar* piece = begin;
    for (const ZedChar* p = begin;; ++p) {
        if (p != end && *p != ZED_TEXT(',')) {
            continue;
        }
        if (p != piece) {
            ZedId id = 0;
            if (ids.size() == kMaxShoulderElements || !ParsePiece(piece, p, id)) {
                return {};
            }
            ids.push_back(id);
        }
        if (p == end) {
            return ids;
        }
        piece = p + 1;
    }
}

ShoulderElementIds ParseIdList(const ZedAttrValue& value) {
    if (value.kind != ZED_ATTR_TEXT) {
        return {};
    }
    return ParseIdText(value.value.text);
}
