#include "holes/hole_notes.h"

#include <charconv>

#include "base/messages.h"
#include "base/report.h"
#include "holes/hole_pattern.h"
#include "settings/shoulder_settings.h"

namespace {

ZedLeader MakeLeader(ZedPoint anchor, ZedPoint textPoint, const ZedString& text) {
    ZedLeader leader{};
    leader.kind = ZED_LEADER_KIND;
    leader.first = anchor;
    leader.second = textPoint;
    leader.third = textPoint;
    leader.text = text.c_str();
    leader.one112 = 1;
    leader.four144 = 4;
    leader.three152 = 3.0;
    leader.two160 = 2.0;
    leader.zero168 = 0.0;
    return leader;
}

bool CreateNote(ZedPoint anchor, ZedPoint textPoint, ZedFigRef& slot, const ZedString& text) {
    slot = ZedFigRef{0, -1};
    const ZedId segment = ZedSgmCreateSegment(ZED_SGM_NOTE, 0);
    if (segment != -1) {
        const ZedLeader leader = MakeLeader(anchor, textPoint, text);
        slot.id = ZedCmtCreateLeader(segment, &leader);
    }
    if (slot.id == -1) {
        return ReportError(kMsgDimensionNotCreated);
    }
    return true;
}

}  // namespace

const ZedChar* DrillingSideText(int drillingSide) { return drillingSide != 0 ? kNoteBottomFace : kNoteTopFace; }

ZedString DepthNoteText(double depth) {
    // Room for the longest fixed form of a double with one decimal.
    char digits[400];
    const std::to_chars_result result =
        std::to_chars(digits, digits + sizeof digits, depth, std::chars_format::fixed, 1);
    ZedString text = kNoteDepthPrefix;
    for (const char* c = digits; result.ec == std::errc() && c != result.ptr; ++c) {
        text += static_cast<ZedChar>(*c);
    }
    return text;
}

bool CreateSideNote(ZedPoint anchor, ZedPoint textPoint, ZedFigRef& slot, Pattern pattern) {
    const HolePattern* row = HolePatternOf(pattern);
    if (row == nullptr) {
        return false;
    }
    const ZedString text = DrillingSideText(DrillingSide(*row));
    return CreateNote(anchor, textPoint, slot, text);
}

bool CreateDepthNote(ZedPoint anchor, ZedPoint textPoint, ZedFigRef& slot) {
    return CreateNote(anchor, textPoint, slot, DepthNoteText(ShoulderSettings.mMainHeight));
}

bool SetNoteText(ZedId note, const ZedString& text) {
    ZedLeader leader{};
    if (ZedCmtGetComment(note, &leader) == -1) {
        return ReportError(kMsgHoleNoteNotRead);
    }
    // The host's own text is not kept: the new text replaces it.
    leader.text = text.c_str();
    if (ZedCmtAmendComment(note, &leader) == -1) {
        return ReportError(kMsgNoteNotAmended);
    }
    return true;
}

bool SetDepthNote(ZedId note, double depth) { return SetNoteText(note, DepthNoteText(depth)); }
