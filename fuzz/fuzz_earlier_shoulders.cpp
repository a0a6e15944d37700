// The earlier shoulders of a drawing's attribute 40277: any text is read
// without harm, and what it accepts is what the tagging could have written
// (at most 32 entries of one to nine element ids and positive part ids),
// written back to text that reads as the same entries.
#include "fuzz/fuzz_support.h"
#include "tagging/earlier_shoulders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ZedString text = fuzz::Units(data, size);
    const std::vector<ShoulderEntry> entries = ParseEarlierShoulders(text.c_str());
    fuzz::Require(entries.size() <= kMaxEarlierShoulders, "at most 32 entries are read");
    for (const ShoulderEntry& entry : entries) {
        fuzz::Require(!entry.elements.empty() && entry.elements.size() <= kMaxShoulderElements,
                      "an entry lists one to nine elements");
        for (const ZedId part : entry.parts) {
            fuzz::Require(part == -1 || part > 0, "a part is a positive id or absent");
        }
    }
    const ZedString written = FormatEarlierShoulders(entries);
    fuzz::Require(written.size() <= kMaxEarlierShouldersText, "what is written fits the limit");
    fuzz::Require(ParseEarlierShoulders(written.c_str()) == entries, "the entries read are written back the same");
    return 0;
}
