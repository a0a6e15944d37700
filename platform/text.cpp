#include "platform/text.h"

#include "platform/code_page_949.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsScalarValue(char32_t c) { return c < 0xD800 || (c > 0xDFFF && c <= 0x10FFFF); }

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the sequence that a lead byte opens, 0 for a byte that opens none.
size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

}  // namespace

std::u32string DecodeUtf8(const std::string& text) {
    std::u32string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const size_t length = SequenceLength(lead);
        if (length == 0 || i + length > text.size()) {
            out += kReplacement;
            ++i;
            continue;
        }
        if (length == 1) {
            out += lead;
            ++i;
            continue;
        }
        char32_t c = lead & (0xFF >> (length + 1));
        bool ok = true;
        for (size_t k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if (!IsContinuation(next)) {
                ok = false;
                break;
            }
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms and surrogates are malformed as well.
        static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (!ok || c < kSmallest[length] || !IsScalarValue(c)) {
            out += kReplacement;
            ++i;
            continue;
        }
        out += c;
        i += length;
    }
    return out;
}

std::string EncodeUtf8(const std::u32string& codePoints) {
    std::string out;
    out.reserve(codePoints.size());
    for (char32_t c : codePoints) {
        if (!IsScalarValue(c)) {
            c = kReplacement;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u16string EncodeUtf16(const std::u32string& codePoints) {
    std::u16string out;
    out.reserve(codePoints.size());
    for (char32_t c : codePoints) {
        if (!IsScalarValue(c)) {
            c = kReplacement;
        }
        if (c < 0x10000) {
            out += static_cast<char16_t>(c);
        } else {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        }
    }
    return out;
}

std::u32string DecodeUtf16(const std::u16string& units) {
    std::u32string out;
    out.reserve(units.size());
    for (size_t i = 0; i < units.size(); ++i) {
        const char32_t unit = units[i];
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] < 0xE000) {
            out += 0x10000 + ((unit - 0xD800) << 10) + (static_cast<char32_t>(units[i + 1]) - 0xDC00);
            ++i;
        } else if (unit >= 0xD800 && unit < 0xE000) {
            out += kReplacement;
        } else {
            out += unit;
        }
    }
    return out;
}

namespace {

// The host's text by its type: narrow text is code page 949 (the legacy
// build), wide text UTF-16 or UTF-32 by the size of wchar_t.
[[maybe_unused]] std::string HostTextToUtf8(const std::string& cp949) { return Cp949ToUtf8(cp949); }

[[maybe_unused]] std::string HostTextToUtf8(const std::wstring& wide) {
    if constexpr (sizeof(wchar_t) == 2) {
        std::u16string units;
        units.reserve(wide.size());
        for (wchar_t c : wide) {
            units += static_cast<char16_t>(c);
        }
        return EncodeUtf8(DecodeUtf16(units));
    } else {
        std::u32string codePoints;
        codePoints.reserve(wide.size());
        for (wchar_t c : wide) {
            codePoints += static_cast<char32_t>(c);
        }
        return EncodeUtf8(codePoints);
    }
}

[[maybe_unused]] void Utf8ToHostText(const std::string& utf8, std::string& cp949) { cp949 = Utf8ToCp949(utf8); }

[[maybe_unused]] void Utf8ToHostText(const std::string& utf8, std::wstring& wide) {
    if constexpr (sizeof(wchar_t) == 2) {
        for (char16_t unit : EncodeUtf16(DecodeUtf8(utf8))) {
            wide += static_cast<wchar_t>(unit);
        }
    } else {
        for (char32_t c : DecodeUtf8(utf8)) {
            wide += static_cast<wchar_t>(c);
        }
    }
}

}  // namespace

std::string ZedToUtf8(const ZedString& text) { return HostTextToUtf8(text); }

ZedString Utf8ToZed(const std::string& text) {
    ZedString out;
    Utf8ToHostText(text, out);
    return out;
}
