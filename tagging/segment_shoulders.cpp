#include "tagging/segment_shoulders.h"

#include <algorithm>

#include "tagging/segment_attributes.h"
#include "tagging/shoulder_check.h"
#include "tagging/shoulder_attributes.h"

namespace {

ShoulderEntry ReadMostRecent(ZedId segment) {
    ShoulderEntry entry;
    ZedAttrValue value{};
    if (ZedSgmGetAttribute(segment, kAttrElementList, &value) != -1) {
        // Parsed before any other host call, while the host's text is valid.
        entry.elements = ParseIdList(value);
    }
    for (size_t i = 0; i < kShoulderPartCount; ++i) {
        int32_t part = -1;
        if (ReadIntegerAttribute(segment, kShoulderPartAttributes[i].number, part)) {
            entry.parts[i] = part;
        }
    }
    return entry;
}

std::vector<ShoulderEntry> ReadEarlier(ZedId segment) {
    ZedAttrValue value{};
    if (ZedSgmGetAttribute(segment, kAttrEarlierShoulders, &value) == -1 || value.kind != ZED_ATTR_TEXT) {
        return {};
    }
    return ParseEarlierShoulders(value.value.text);
}

void WritePart(ZedId segment, int32_t number, ZedId part) {
    if (part == -1) {
        ZedSgmDeleteAttribute(segment, number);
    } else {
        WriteIntegerAttribute(segment, number, part);
    }
}

}  // namespace

std::vector<ShoulderEntry> ReadSegmentShoulders(ZedId segment) {
    if (!IsShoulderTaggedSegment(segment)) {
        return {};
    }
    std::vector<ShoulderEntry> shoulders = ReadEarlier(segment);
    shoulders.push_back(ReadMostRecent(segment));
    return shoulders;
}

void WriteSegmentShoulders(ZedId segment, const std::vector<ShoulderEntry>& shoulders) {
    if (shoulders.empty()) {
        ZedSgmDeleteAllAttribute(segment);
        return;
    }
    const ShoulderEntry& recent = shoulders.back();
    WriteTextAttribute(segment, kAttrShoulderType, kShoulderTypeText);
    if (!recent.elements.empty()) {
        WriteTextAttribute(segment, kAttrElementList, FormatIdList(recent.elements));
    }
    for (size_t i = 0; i < kShoulderPartCount; ++i) {
        WritePart(segment, kShoulderPartAttributes[i].number, recent.parts[i]);
    }
    const ZedString earlier =
        FormatEarlierShoulders(std::span<const ShoulderEntry>(shoulders.data(), shoulders.size() - 1));
    if (earlier.empty()) {
        ZedSgmDeleteAttribute(segment, kAttrEarlierShoulders);
    } else {
        WriteTextAttribute(segment, kAttrEarlierShoulders, earlier);
    }
}

bool RewriteMostRecentShoulder(ZedId segment, const ShoulderElementIds& listed, const ShoulderEntry& entry) {
    if (listed.empty() || ZedSgmGetType(segment) != ZED_SGM_FIGURE) {
        return false;
    }
    ZedString type;
    if (!ReadTextAttribute(segment, kAttrShoulderType, type) || type != kShoulderTypeText) {
        return false;
    }
    ZedAttrValue value{};
    if (ZedSgmGetAttribute(segment, kAttrElementList, &value) == -1 || ParseIdList(value) != listed) {
        return false;
    }
    // 40277 stays only when it is what WriteSegmentShoulders would write from it.
    ZedAttrValue earlier{};
    if (ZedSgmGetAttribute(segment, kAttrEarlierShoulders, &earlier) != -1) {
        if (earlier.kind != ZED_ATTR_TEXT) {
            return false;
        }
        const ZedString text = earlier.value.text;
        if (text.empty() || FormatEarlierShoulders(ParseEarlierShoulders(text.c_str())) != text) {
            return false;
        }
    }
    WriteTextAttribute(segment, kAttrElementList, FormatIdList(entry.elements.empty() ? listed : entry.elements));
    for (size_t i = 0; i < kShoulderPartCount; ++i) {
        WritePart(segment, kShoulderPartAttributes[i].number, entry.parts[i]);
    }
    return true;
}

int ShoulderListing(const std::vector<ShoulderEntry>& shoulders, ZedId element) {
    for (size_t i = shoulders.size(); i-- > 0;) {
        const ShoulderElementIds& ids = shoulders[i].elements;
        if (std::find(ids.begin(), ids.end(), element) != ids.end()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
