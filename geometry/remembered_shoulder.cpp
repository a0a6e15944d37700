#include "geometry/remembered_shoulder.h"

#include "base/report.h"
#include "base/temporary_elements.h"
#include "geometry/figure_record.h"
#include "geometry/length_dimension.h"
#include "geometry/line_ends.h"
#include "geometry/splice.h"

ShoulderCorners CornersOf(const ShoulderMemory& m) {
    return ShoulderCorners{LineStart(m.firstSide.record), LineEnd(m.firstSide.record), LineEnd(m.innerSide.record),
                           LineEnd(m.secondSide.record)};
}

ZedPoint BaseLineStart(const ShoulderMemory& m) { return LineEndAwayFrom(m.tail.record, CornersOf(m).p1); }

ZedPoint BaseLineEnd(const ShoulderMemory& m) { return LineEndAwayFrom(m.head.record, CornersOf(m).p2); }

bool MeasuredFromStart(const ShoulderMemory& m) { return m.measured.id == m.tail.ref.id; }

void RememberPiece(ShoulderPiece& piece, ZedId instance, ZedId element, const ZedFigure& record) {
    piece.ref = ZedFigRef{instance, element};
    piece.record = record;
}

void RememberSides(ZedId instance, ZedId first, ZedId inner, ZedId second, const ShoulderCorners& corners) {
    ShoulderMemory& m = Shoulder();
    RememberPiece(m.firstSide, instance, first, MakeLine(corners.p1, corners.q1));
    RememberPiece(m.innerSide, instance, inner, MakeLine(corners.q1, corners.q2));
    RememberPiece(m.secondSide, instance, second, MakeLine(corners.q2, corners.p2));
}

void RememberNoEndPieces(ZedId instance, const ShoulderCorners& corners) {
    ShoulderMemory& m = Shoulder();
    RememberPiece(m.tail, instance, 0, MakeLine(corners.p1, corners.p1));
    RememberPiece(m.head, instance, 0, MakeLine(corners.p2, corners.p2));
}

bool IsFullLine(const ShoulderMemory& m) { return m.tail.ref.id == 0 || m.head.ref.id == 0; }

bool DeleteFoundElement(ZedId element, const ZedChar* failure) {
    if (element == -1) {
        return ReportError(failure);
    }
    return DeleteElement(element, failure);
}

bool ReadFoundFigure(const ZedFigRef& element, ZedFigure& figure, const ZedChar* failure) {
    if (element.id == -1) {
        return ReportError(failure);
    }
    return ReadFigure(element, figure, failure);
}

bool MakeMeasuredTabDimensions(const ShoulderCorners& c, const ZedFigRef& first, const ZedFigRef& inner, double offset,
                               double distanceOffset) {
    const ShoulderMemory& m = Shoulder();
    const bool fromStart = MeasuredFromStart(m);
    return MakeDimensionInOwnSegment({c.p1, first}, {c.q1, first}, offset, kSlotFirstDimension) &&
           MakeDimensionInOwnSegment({c.q1, inner}, {c.q2, inner}, offset, kSlotSecondDimension) &&
           MakeDimensionInOwnSegment({fromStart ? BaseLineStart(m) : c.p2, m.measured},
                                     {fromStart ? c.p1 : BaseLineEnd(m), m.measured}, distanceOffset,
                                     kSlotThirdDimension);
}
