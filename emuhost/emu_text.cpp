// Conversion between the host's text type and UTF-8, for messages, dumps and
// typed input. Wide text is UTF-16 where wchar_t has 2 bytes (Windows) and
// UTF-32 where it has 4; the legacy build's narrow text is code page 949.
#include "emuhost/emu_state.h"
#include "platform/code_page_949.h"

namespace emu {

namespace {

#if !ZED_LEGACY  // the older host's narrow text is code page 949
void AppendUtf8(std::string& out, char32_t c) {
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

// Decodes UTF-8; a malformed byte becomes U+FFFD.
std::u32string DecodeUtf8(const std::string& text) {
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + static_cast<size_t>(extra) >= text.size()) {
            if (extra != 0) {
                out += U'\uFFFD';
                ++i;
                continue;
            }
        }
        char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            c = (c << 6) | (next & 0x3F);
        }
        if (!ok) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        out += c;
        i += static_cast<size_t>(extra) + 1;
    }
    return out;
}
#endif

}  // namespace

std::string ToUtf8(const ZedChar* text) {
    std::string out;
    if (text == nullptr) {
        return out;
    }
#if ZED_LEGACY
    out = Cp949ToUtf8(text);
#else
    for (size_t i = 0; text[i] != 0; ++i) {
        char32_t c = static_cast<char32_t>(text[i]);
        if (sizeof(ZedChar) == 2) {
            c &= 0xFFFF;
            if (c >= 0xD800 && c < 0xDC00 && text[i + 1] != 0) {
                const char32_t low = static_cast<char32_t>(text[i + 1]) & 0xFFFF;
                if (low >= 0xDC00 && low < 0xE000) {
                    c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                    ++i;
                }
            }
        }
        AppendUtf8(out, c);
    }
#endif
    return out;
}

ZedString FromUtf8(const std::string& utf8) {
#if ZED_LEGACY
    return Utf8ToCp949(utf8);
#else
    ZedString out;
    for (char32_t c : DecodeUtf8(utf8)) {
        if (sizeof(ZedChar) == 2 && c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<ZedChar>(0xD800 + (c >> 10));
            out += static_cast<ZedChar>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<ZedChar>(c);
        }
    }
    return out;
#endif
}

}  // namespace emu
