#include <gtest/gtest.h>

#include "platform/text.h"

namespace {

template <typename Text>
void ExpectKoreanAndABolt(const Text& text, const std::string& utf8) {
    if constexpr (sizeof(typename Text::value_type) == 1) {
        // The legacy build's code page 949: two bytes a syllable, and no form
        // for the bolt, which becomes "?" (one for each of its UTF-16 halves
        // on Windows).
        const std::string korean = "\xC5\xCE\xB0\xC9\xC0\xCC ", rest = " A\\\"";
        ASSERT_GT(text.size(), korean.size() + rest.size());
        EXPECT_EQ(text.substr(0, korean.size()), korean);
        EXPECT_EQ(text.substr(text.size() - rest.size()), rest);
        const std::string bolt = text.substr(korean.size(), text.size() - korean.size() - rest.size());
        EXPECT_TRUE(bolt == "?" || bolt == "??") << bolt;
        EXPECT_EQ(ZedToUtf8(text), "턱걸이 " + bolt + rest);
    } else {
        EXPECT_EQ(ZedToUtf8(text), utf8);
        EXPECT_EQ(text.substr(0, 3), ZED_TEXT("턱걸이"));
        // One character above U+FFFF is a surrogate pair where wchar_t has 2 bytes.
        EXPECT_EQ(text.size(), sizeof(ZedChar) == 2 ? 10u : 9u);
    }
}

TEST(Utf8Text, RoundTripsKoreanAndCharactersBeyondTheBasicPlane) {
    const std::string utf8 = "턱걸이 \xF0\x9F\x94\xA9 A\\\"";
    ExpectKoreanAndABolt(Utf8ToZed(utf8), utf8);
}

TEST(Utf8Text, DecodesTheFirstAndLastCharacterOfEverySequenceLength) {
    // Each lead byte range ends somewhere: the characters on both sides of
    // every boundary, U+F000 to U+FFFF (lead byte EF) included.
    const std::pair<const char*, char32_t> rows[] = {
        {"\x7F", 0x7F},           {"\xC2\x80", 0x80},         {"\xDF\xBF", 0x7FF},
        {"\xE0\xA0\x80", 0x800},  {"\xED\x9F\xBF", 0xD7FF},  {"\xEE\x80\x80", 0xE000},
        {"\xEF\x80\x80", 0xF000},  {"\xEF\xBF\xBF", 0xFFFF},  {"\xF0\x90\x80\x80", 0x10000},
        {"\xF4\x8F\xBF\xBF", 0x10FFFF},
    };
    for (const auto& [utf8, c] : rows) {
        EXPECT_EQ(DecodeUtf8(utf8), std::u32string(1, c)) << std::hex << static_cast<uint32_t>(c);
        EXPECT_EQ(EncodeUtf8(std::u32string(1, c)), utf8) << std::hex << static_cast<uint32_t>(c);
    }
}

TEST(Utf8Text, ReplacesMalformedSequences) {
    const std::u32string expected = U"a\uFFFDb";
    EXPECT_EQ(DecodeUtf8("a\xFF" "b"), expected);
    EXPECT_EQ(DecodeUtf8("a\x80" "b"), expected);
    // Truncated at the end.
    EXPECT_EQ(DecodeUtf8("a\xED\x95"), U"a\uFFFD\uFFFD");
    // Overlong form of "/" and an encoded surrogate.
    EXPECT_EQ(DecodeUtf8("\xC0\xAF"), U"\uFFFD\uFFFD");
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80").front(), U'\uFFFD');
    EXPECT_EQ(EncodeUtf8(std::u32string(1, char32_t{0x110000})), "\xEF\xBF\xBD");
}

TEST(Utf16Text, PairsSurrogatesAndReplacesLoneOnes) {
    EXPECT_EQ(EncodeUtf16(U"\U0001F529"), u"\xD83D\xDD29");
    EXPECT_EQ(DecodeUtf16(u"\xD83D\xDD29"), U"\U0001F529");
    const std::u16string lone = {u'a', char16_t{0xD83D}, u'b', char16_t{0xDD29}};
    EXPECT_EQ(DecodeUtf16(lone), U"a\uFFFDb\uFFFD");
}

}  // namespace
