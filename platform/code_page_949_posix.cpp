// Through the C library's iconv, which names the code page CP949.
#include "platform/code_page_949.h"

#include <iconv.h>

#include <cerrno>

namespace {

// The bytes of the character that a byte starts: a whole UTF-8 sequence, one
// byte of code page 949 (whose broken pairs are better shown byte by byte).
size_t Utf8SequenceLength(unsigned char lead) {
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}
size_t SingleByte(unsigned char) { return 1; }

std::string Convert(const char* to, const char* from, const std::string& text, const std::string& replacement,
                    size_t (*characterLength)(unsigned char)) {
    const iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return std::string(text.size(), '?');
    }
    // One input byte never gives more than two output bytes here, nor more
    // than the replacement.
    std::string out(text.size() * 3 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char* next = out.data();
    size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(converter, &in, &inLeft, &next, &outLeft) != static_cast<size_t>(-1)) {
            continue;
        }
        if (errno != EILSEQ && errno != EINVAL) {
            break;
        }
        // A character the target has no form for, or a byte that starts no
        // character of the source: replace it and go on.
        for (char c : replacement) {
            *next++ = c;
            --outLeft;
        }
        size_t skip = characterLength(static_cast<unsigned char>(*in));
        skip = skip < inLeft ? skip : inLeft;
        in += skip;
        inLeft -= skip;
    }
    iconv_close(converter);
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace

std::string Cp949ToUtf8(const std::string& text) { return Convert("UTF-8", "CP949", text, "\xEF\xBF\xBD", SingleByte); }

std::string Utf8ToCp949(const std::string& text) { return Convert("CP949", "UTF-8", text, "?", Utf8SequenceLength); }
