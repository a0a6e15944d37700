#include "tagging/segment_attributes.h"

bool WriteTextAttribute(ZedId segment, int32_t number, const ZedString& text) {
    ZedAttrValue value{};
    value.kind = ZED_ATTR_TEXT;
    value.value.text = text.c_str();
    return ZedSgmSetAttribute(segment, number, &value) != -1;
}

bool WriteIntegerAttribute(ZedId segment, int32_t number, int32_t integer) {
    ZedAttrValue value{};
    value.kind = ZED_ATTR_INTEGER;
    value.value.integer = integer;
    return ZedSgmSetAttribute(segment, number, &value) != -1;
}

bool ReadTextAttribute(ZedId segment, int32_t number, ZedString& text) {
    ZedAttrValue value{};
    if (ZedSgmGetAttribute(segment, number, &value) == -1 || value.kind != ZED_ATTR_TEXT ||
        value.value.text == nullptr) {
        return false;
    }
    text = value.value.text;
    return true;
}

bool ReadIntegerAttribute(ZedId segment, int32_t number, int32_t& integer) {
    ZedAttrValue value{};
    if (ZedSgmGetAttribute(segment, number, &value) == -1 || value.kind != ZED_ATTR_INTEGER) {
        return false;
    }
    integer = value.value.integer;
    return true;
}
