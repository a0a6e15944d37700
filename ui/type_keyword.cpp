#include "ui/type_keyword.h"

namespace {

constexpr int kVkClear = 0x0C;
constexpr int kVkReturn = 0x0D;
constexpr int kReturnScanCode = 0xB9;
// Marks the keyword's own keys.
constexpr unsigned kKeywordExtraInfo = 0x33;

void AddPress(std::vector<KeyInput>& keys, int virtualKey, int scanCode, unsigned extraInfo) {
    keys.push_back({virtualKey, scanCode, extraInfo, false});
    keys.push_back({virtualKey, scanCode, extraInfo, true});
}

}  // namespace

std::vector<KeyInput> KeywordKeys(const ZedString& keyword) {
    std::vector<KeyInput> keys;
    AddPress(keys, kVkClear, kVkClear, 0);
    for (const ZedChar character : keyword) {
        AddPress(keys, Backend().KeyOfCharacter(character) & 0xFF, 0, kKeywordExtraInfo);
    }
    AddPress(keys, kVkReturn, kReturnScanCode, 0);
    return keys;
}

void TypeKeyword(const ZedString& keyword) { Backend().SendKeys(KeywordKeys(keyword)); }
