#include "holes/slot.h"

#include <cmath>
#include <vector>

#include "base/messages.h"
#include "base/report.h"
#include "base/temporary_elements.h"
#include "geometry/direction_angle.h"
#include "geometry/figure_record.h"
#include "geometry/splice.h"
#include "geometry/vec2.h"
#include "holes/hole_layer.h"
#include "settings/conversions.h"
#include "settings/shoulder_settings.h"

namespace {

// The point r from `origin` in the direction from `from` to `to`.
ZedPoint Offset(ZedPoint origin, ZedPoint from, ZedPoint to, double r) {
    return origin + r * AtAngle(DirectionAngle(from, to));
}

SlotRecords RecordsFor(ZedPoint s, ZedPoint sRaised, ZedPoint eRaised, ZedPoint e, double r, int notFlipped) {
    const SlotPoints p = SlotPointsFor(s, sRaised, eRaised, e, r);
    // The host's direction flag: 1 for a shoulder that is not flipped, 2 for one that is.
    const int32_t direction = notFlipped != 0 ? 1 : 2;
    return SlotRecords{MakeArc(s, p.a2, p.a1, r, direction), MakeLine(p.a1, p.b2),
                       MakeArc(e, p.b2, p.b1, r, direction), notFlipped};
}

// Whether the raised corners stand to the left of S→E, as those of a shoulder
// that is not flipped do; a negative depth typed later puts them on the other
// side.
int ChainNotFlipped(ZedPoint s, ZedPoint sRaised, ZedPoint e) {
    const ZedPoint along = e - s;
    const ZedPoint out = sRaised - s;
    return along.x * out.y - along.y * out.x > 0.0 ? 1 : 0;
}

// π/4 as the plug-in computes it, and the direction of the radius dimension's
// text from S: a quarter turn short of (past) the slot's far point A2.
double TextAngle(ZedPoint s, ZedPoint a2, int notFlipped) {
    const double quarter = 4.0 * std::atan(1.0) * 0.25;
    return DirectionAngle(s, a2) + (notFlipped != 0 ? -quarter : quarter);
}

}  // namespace

SlotMemory& Slot() {
    static SlotMemory memory;
    return memory;
}

void ResetSlotMemory() { Slot() = SlotMemory{}; }

SlotPoints SlotPointsFor(ZedPoint s, ZedPoint sRaised, ZedPoint eRaised, ZedPoint e, double r) {
    return SlotPoints{.a1 = Offset(s, s, sRaised, r),
                      .a2 = Offset(s, sRaised, s, r),
                      .b1 = Offset(e, eRaised, e, r),
                      .b2 = Offset(e, e, eRaised, r)};
}

double SlotRadiusSetting() { return SettingNumber(ShoulderSettings.PD_SlotR); }

ZedLineType2 SlotAttributes() {
    ZedLineType2 attributes{};
    attributes.colour = ShoulderSettings.PD_SlotColor;
    attributes.lineType = ShoulderSettings.PD_SlotLType;
    attributes.extra = 0;
    return attributes;
}

bool CreateSlot(ZedId instance, ZedPoint s, ZedPoint sRaised, ZedPoint eRaised, ZedPoint e, int notFlipped,
                const ZedLineType2& attributes, ZedId outlineLayer) {
    ZedId layer = -1;
    if (!ResolvePartLayer(outlineLayer, ShoulderSettings.PD_SlotLayer, layer)) {
        return false;
    }
    const SlotRecords records = RecordsFor(s, sRaised, eRaised, e, SlotRadiusSetting(), notFlipped);
    std::vector<ZedId> ids;
    ZedId segment = -1;
    const ChainMessages messages{kMsgElementNotCreated301, {kMsgElementNotInserted301, kMsgElementNotInserted302}};
    if (!BuildChain(instance, {records.arcAtStart, records.line, records.arcAtEnd}, attributes, messages, ids,
                    segment)) {
        return false;
    }
    if (ZedSgmChangeLayer(segment, layer) == -1) {
        return ReportError(kMsgLayerNotChanged303);
    }
    SlotMemory& slot = Slot();
    slot.arcAtStart = ShoulderPiece{{instance, ids[0]}, records.arcAtStart};
    slot.line = ShoulderPiece{{instance, ids[1]}, records.line};
    slot.arcAtEnd = ShoulderPiece{{instance, ids[2]}, records.arcAtEnd};
    slot.notFlipped = records.notFlipped;
    slot.segment = segment;
    Shoulder().slotSegment = segment;
    return true;
}

SlotRecords SlotRecordsAt(double r) {
    const RaisedCorners c = RaisedCornersOf(Shoulder());
    // The points are worked out from the chain as it stands now, so the arcs'
    // direction is too: each arc then still runs round its line end away from
    // the line.
    return RecordsFor(c.s, c.sRaised, c.eRaised, c.e, r, ChainNotFlipped(c.s, c.sRaised, c.e));
}

bool AmendSlotArcAtEnd(const SlotRecords& records) {
    return AmendFigure(Slot().arcAtEnd.ref, records.arcAtEnd, kMsgArcNotAmended13);
}
bool AmendSlotArcAtStart(const SlotRecords& records) {
    return AmendFigure(Slot().arcAtStart.ref, records.arcAtStart, kMsgArcNotAmended11);
}
bool AmendSlotLine(const SlotRecords& records) { return AmendFigure(Slot().line.ref, records.line, kMsgLineNotAmended12); }

void RememberSlotRecords(const SlotRecords& records) {
    Slot().arcAtStart.record = records.arcAtStart;
    Slot().line.record = records.line;
    Slot().arcAtEnd.record = records.arcAtEnd;
    Slot().notFlipped = records.notFlipped;
}

bool ResizeSlot(double r) {
    const SlotRecords records = SlotRecordsAt(r);
    if (!AmendSlotArcAtEnd(records) || !AmendSlotArcAtStart(records) || !AmendSlotLine(records)) {
        return false;
    }
    RememberSlotRecords(records);
    return true;
}

bool CreateSlotRadiusDimension(ZedFigRef& slot) {
    const SlotMemory& memory = Slot();
    const ZedFigure& arc = memory.arcAtStart.record;
    const double angle = TextAngle(ArcCentre(arc), ArcStart(arc), memory.notFlipped);
    const ZedId segment = ZedSgmCreateSegment(ZED_SGM_DIMENSION, 0);
    if (segment == -1) {
        return false;
    }
    ZedRadiusDim record{};
    record.flag4 = 1;
    record.arcElement = memory.arcAtStart.ref.id;
    record.arcInstance = memory.arcAtStart.ref.instance;
    record.textPoint = ArcCentre(arc) + (ArcRadius(arc) + 10.0) * AtAngle(angle);
    slot = ZedFigRef{0, ZedDimCreateRadius(segment, &record)};
    if (slot.id == -1) {
        ReportError(kMsgRadiusDimensionNotCreated);
    }
    return true;
}

bool ResizeSlotRadiusDimension(double r) {
    const ZedId dimension = TemporaryElements()[kSlotSecondDimension].id;
    ZedDimRecord record{};
    if (ZedDimGetDimension(dimension, &record) == -1) {
        return ReportError(kMsgDimensionNotRead);
    }
    const SlotMemory& memory = Slot();
    const ZedPoint s = ArcCentre(memory.arcAtStart.record);
    const double angle = TextAngle(s, ArcStart(memory.arcAtStart.record), memory.notFlipped);
    record.radius.textPoint = s + (r + 10.0) * AtAngle(angle);
    if (ZedDimAmendDimension(dimension, &record) == -1) {
        return ReportError(kMsgDimensionNotAmended01);
    }
    return true;
}
