// The text catalogue as the host receives it: every entry of
// base/message_texts.inc, in the build's text type. The legacy build's
// constants come from the copy encoded at build time, so each must be the code
// page 949 form of the UTF-8 entry and read back to it.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/messages.h"
#include "platform/code_page_949.h"
#include "platform/text.h"

namespace {

struct CatalogueEntry {
    const char* name;
    const char* utf8;      // the catalogue's own text
    const ZedChar* built;  // the constant the plug-in uses
};

#define LEDGEWRIGHT_TEXT(name, literal) {#name, literal, ::name},
const CatalogueEntry kCatalogue[] = {
#include "base/message_texts.inc"
};
#undef LEDGEWRIGHT_TEXT

bool HasNonAscii(const std::string& text) {
    for (unsigned char c : text) {
        if (c >= 0x80) {
            return true;
        }
    }
    return false;
}

// The legacy build's narrow text: the code page 949 bytes, which for Korean
// text are fewer than the UTF-8 ones (two a syllable against three).
template <typename Text>
void ExpectCodePage949(const Text& built, const CatalogueEntry& entry) {
    if constexpr (sizeof(typename Text::value_type) == 1) {
        const std::string utf8(entry.utf8);
        EXPECT_EQ(built, Utf8ToCp949(utf8)) << entry.name;
        if (HasNonAscii(utf8)) {
            EXPECT_LT(built.size(), utf8.size()) << entry.name;
        }
    }
}

TEST(Catalogue, EveryTextIsTheCatalogueTextInTheHostsEncoding) {
    std::set<std::string> names;
    for (const CatalogueEntry& entry : kCatalogue) {
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name << " twice";
        const ZedString built(entry.built);
        EXPECT_EQ(built, Utf8ToZed(entry.utf8)) << entry.name;
        EXPECT_EQ(ZedToUtf8(built), entry.utf8) << entry.name;
        ExpectCodePage949(built, entry);
    }
    EXPECT_GT(names.size(), 200u);
}

TEST(Catalogue, KnownTextsHaveTheirCodePage949Bytes) {
    // Two syllables and the note text from the code page's own table.
    EXPECT_EQ(Utf8ToCp949("턱"), "\xC5\xCE");
    EXPECT_EQ(Utf8ToCp949("상면"), "\xBB\xF3\xB8\xE9");
    EXPECT_EQ(Cp949ToUtf8("\xBB\xF3\xB8\xE9"), "상면");
    // A byte that starts no character is replaced (how, the platform's tables
    // say), not dropped.
    EXPECT_GT(Cp949ToUtf8("a\xFF").size(), 1u);
}

}  // namespace
