#include "geometry/length_dimension.h"

#include "base/messages.h"
#include "base/report.h"
#include "base/temporary_elements.h"

bool CreateLengthDimension(const DimensionAnchor& first, const DimensionAnchor& second, double offset, int slot,
                           ZedId segment) {
    ZedLengthDim record{};
    record.first = first.point;
    record.firstElement = first.element.id;
    record.firstInstance = first.element.instance;
    record.second = second.point;
    record.secondElement = second.element.id;
    record.secondInstance = second.element.instance;
    record.offset = offset;
    record.flag80 = 1;
    const ZedId id = ZedDimCreateLineLength(segment, &record);
    TemporaryElements()[slot] = ZedFigRef{0, id};
    if (id == -1) {
        return ReportError(kMsgDimensionNotCreated);
    }
    return true;
}

bool MoveLengthDimension(ZedId element, ZedPoint first, ZedPoint second, const ZedChar* readMessage,
                         const ZedChar* amendMessage) {
    ZedDimRecord record{};
    if (ZedDimGetDimension(element, &record) == -1) {
        return ReportError(readMessage);
    }
    record.length.first = first;
    record.length.second = second;
    if (ZedDimAmendDimension(element, &record) == -1) {
        return ReportError(amendMessage);
    }
    return true;
}

bool MakeDimensionInOwnSegment(const DimensionAnchor& first, const DimensionAnchor& second, double offset, int slot) {
    const ZedId segment = ZedSgmCreateSegment(ZED_SGM_DIMENSION, 0);
    return segment != -1 && CreateLengthDimension(first, second, offset, slot, segment);
}
