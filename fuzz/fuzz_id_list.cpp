// The shoulder element list of a drawing's attribute: any text is read
// without harm, and a list it accepts is one the tagging could have written
// (at most nine ids, formatted back to text that reads as the same ids).
#include "fuzz/fuzz_support.h"
#include "tagging/id_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ZedString text = fuzz::Units(data, size);
    const ShoulderElementIds ids = ParseIdText(text.c_str());
    fuzz::Require(ids.size() <= kMaxShoulderElements, "at most nine ids are read");
    fuzz::Require(ParseIdText(FormatIdList(ids).c_str()) == ids, "the ids read are written back the same");

    ZedAttrValue value{};
    value.kind = ZED_ATTR_TEXT;
    value.value.text = text.c_str();
    fuzz::Require(ParseIdList(value) == ids, "a text value reads as its text");
    value.kind = size > 0 ? data[0] : 3;
    if (value.kind != ZED_ATTR_TEXT) {
        value.value.raw = 0;
        fuzz::Require(ParseIdList(value).empty(), "a value that is no text gives no ids");
    }
    return 0;
}
