#include "tagging/shoulder_check.h"

#include "tagging/segment_attributes.h"
#include "tagging/shoulder_attributes.h"

namespace {

ZedChar FoldCase(ZedChar c) { return (c >= ZED_TEXT('A') && c <= ZED_TEXT('Z')) ? static_cast<ZedChar>(c + 32) : c; }

bool SameIgnoringCase(const ZedString& text, const ZedChar* expected) {
    size_t i = 0;
    for (; expected[i] != 0; ++i) {
        if (i >= text.size() || FoldCase(text[i]) != FoldCase(expected[i])) {
            return false;
        }
    }
    return i == text.size();
}

}  // namespace

int IsShoulderSegment(ZedId element) {
    const ZedId segment = ZedElmGetSegment(element);
    return segment != -1 && IsShoulderTaggedSegment(segment) ? 1 : 0;
}

bool IsShoulderTaggedSegment(ZedId segment) {
    if (ZedSgmGetType(segment) != ZED_SGM_FIGURE) {
        return false;
    }
    ZedString type;
    return ReadTextAttribute(segment, kAttrShoulderType, type) && SameIgnoringCase(type, kShoulderTypeText);
}
