// Segment attributes: numbered text or integer values kept on a segment.
#include "emuhost/emu_state.h"

namespace emu {

namespace {

#if !ZED_LEGACY  // journal texts of the attribute calls, which the older host lacks
std::string Describe(const Attribute& attribute) {
    return attribute.kind == ZED_ATTR_TEXT ? "text \"" + ToUtf8(attribute.text.c_str()) + "\""
                                           : "integer " + std::to_string(attribute.integer);
}

std::string Named(ZedId segment, int32_t number) {
    return "segment " + std::to_string(segment) + " attribute " + std::to_string(number);
}
#endif

const Attribute* FindAttribute(ZedId segment, int32_t number) {
    const Segment* found = FindSegment(segment);
    if (found == nullptr) {
        return nullptr;
    }
    const auto it = found->attributes.find(number);
    return it == found->attributes.end() ? nullptr : &it->second;
}

}  // namespace

bool HasAttribute(ZedId segment, int32_t number) { return FindAttribute(segment, number) != nullptr; }

std::string AttributeText(ZedId segment, int32_t number) {
    const Attribute* attribute = FindAttribute(segment, number);
    if (attribute == nullptr) {
        return "";
    }
    return attribute->kind == ZED_ATTR_TEXT ? ToUtf8(attribute->text.c_str()) : std::to_string(attribute->integer);
}

}  // namespace emu

#if !ZED_LEGACY  // not in the older host
int ZedSgmSetAttribute(ZedId segment, int32_t number, const ZedAttrValue* value) {
    EMU_ENTER(-1);
    emu::Segment* found = emu::FindSegment(segment);
    if (found == nullptr || value == nullptr) {
        return -1;
    }
    emu::Attribute attribute;
    attribute.kind = value->kind;
    if (value->kind == ZED_ATTR_TEXT && value->value.text != nullptr) {
        attribute.text = value->value.text;  // the host keeps its own copy
    } else if (value->kind == ZED_ATTR_INTEGER) {
        attribute.integer = value->value.integer;
    } else {
        return -1;
    }
    found->attributes[number] = attribute;
    emu::RecordChange([segment, number, attribute] {
        return emu::Named(segment, number) + " set: " + emu::Describe(attribute);
    });
    return 0;
}
#endif

#if !ZED_LEGACY  // not in the older host
int ZedSgmGetAttribute(ZedId segment, int32_t number, ZedAttrValue* value) {
    EMU_ENTER(-1);
    const emu::Attribute* attribute = emu::FindAttribute(segment, number);
    if (attribute == nullptr || value == nullptr) {
        return -1;
    }
    *value = ZedAttrValue{};
    value->kind = attribute->kind;
    if (attribute->kind == ZED_ATTR_TEXT) {
        value->value.text = emu::HandOutText(attribute->text);
    } else {
        value->value.integer = attribute->integer;
    }
    return 0;
}
#endif

#if !ZED_LEGACY  // not in the older host
int ZedSgmDeleteAttribute(ZedId segment, int32_t number) {
    EMU_ENTER(-1);
    emu::Segment* found = emu::FindSegment(segment);
    if (found == nullptr || found->attributes.erase(number) == 0) {
        return -1;
    }
    emu::RecordChange([segment, number] { return emu::Named(segment, number) + " deleted"; });
    return 0;
}
#endif

#if !ZED_LEGACY  // not in the older host
int ZedSgmDeleteAllAttribute(ZedId segment) {
    EMU_ENTER(-1);
    emu::Segment* found = emu::FindSegment(segment);
    if (found == nullptr) {
        return -1;
    }
    if (!found->attributes.empty()) {
        found->attributes.clear();
        emu::RecordChange([segment] { return "segment " + std::to_string(segment) + " all attributes deleted"; });
    }
    return 0;
}
#endif
