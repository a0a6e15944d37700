#include "geometry/tab_placement.h"

#include "geometry/figure_record.h"
#include "geometry/vec2.h"

namespace {

// How far beside the line the in/out test looks.
constexpr double kSideTestDistance = 0.001;
constexpr double kDimensionOffset = 10.0;
// The notes' text lies this much further out than their arrow.
constexpr double kNoteTextDistance = 5.0;

// The midpoint of a and b, taken as half the distance along a→b.
ZedPoint HalfwayAlong(ZedPoint a, ZedPoint b) { return a + (Distance(a, b) / 2.0) * UnitFrom(a, b); }

NotePoints NoteOnRay(ZedPoint m, ZedPoint farCorner, double clearance, double angle) {
    const double reach = Distance(m, farCorner) + clearance;
    const ZedPoint ray = AtAngle(angle);
    return NotePoints{m + RoundHalfAway(reach + 0.5) * ray, m + RoundHalfAway(reach + kNoteTextDistance + 0.5) * ray};
}

}  // namespace

PlacementChoice ChoosePlaneAPlacement(double lineLength, const PlaneASizes& sizes) {
    const bool isShort =
        lineLength <= sizes.width || (sizes.useWidthValue && lineLength <= sizes.widthValue);
    if (!isShort) {
        return PlacementChoice{false, PlaneAPlacement::Centre};
    }
    if (sizes.endDistance <= 0.0) {
        return PlacementChoice{false, PlaneAPlacement::FullLine};
    }
    if (3.0 * sizes.endDistance >= lineLength) {
        return PlacementChoice{true, PlaneAPlacement::Inset};
    }
    return PlacementChoice{false, PlaneAPlacement::Inset};
}

ShoulderBase ShoulderBasePoints(PlaneAPlacement placement, ZedPoint s, ZedPoint e, const PlaneASizes& sizes) {
    const ZedPoint u = UnitFrom(s, e);
    ShoulderBase base;
    switch (placement) {
        case PlaneAPlacement::Centre: {
            const ZedPoint middle = Midpoint(s, e);
            base.p1 = middle - (sizes.width / 2.0) * u;
            base.p2 = middle + (sizes.width / 2.0) * u;
            break;
        }
        case PlaneAPlacement::Inset:
            base.p1 = s + sizes.endDistance * u;
            base.p2 = e - sizes.endDistance * u;
            break;
        case PlaneAPlacement::FullLine:
            base.p1 = s;
            base.p2 = e;
            break;
    }
    base.m = Midpoint(base.p1, base.p2);
    return base;
}

ZedPoint OutwardSideTestPoint(ZedPoint m, double theta) {
    return m + kSideTestDistance * AtAngle(theta + Pi() / 2.0);
}

OutwardSide OutwardSideFromAnswer(double theta, int inOutAnswer) {
    if (inOutAnswer == 1) {
        return OutwardSide{AtAngle(theta + Pi() / 2.0), false};
    }
    return OutwardSide{AtAngle(theta - Pi() / 2.0), true};
}

ShoulderCorners ShoulderCornersOf(const ShoulderBase& base, ZedPoint normal, double protrusion) {
    return ShoulderCorners{base.p1, base.p1 + protrusion * normal, base.p2 + protrusion * normal, base.p2};
}

double LengthDimensionOffset(bool flipped) { return flipped ? -kDimensionOffset : kDimensionOffset; }

double TabHoleRadius(ZedPoint centre, ZedPoint farCorner, double clearance) {
    return RoundHalfAway(Distance(centre, farCorner) + clearance + 0.5);
}

NotePoints SideNotePoints(ZedPoint m, ZedPoint farCorner, double clearance) {
    return NoteOnRay(m, farCorner, clearance, Pi() / 4.0);
}

NotePoints DepthNotePoints(ZedPoint m, ZedPoint farCorner, double clearance) {
    return NoteOnRay(m, farCorner, clearance, 3.0 * Pi() / 4.0 + Pi());
}

std::vector<ZedFigure> ShoulderLinePieces(ZedPoint s, ZedPoint e, const ShoulderCorners& c, bool fullLine) {
    std::vector<ZedFigure> pieces{MakeLine(c.p1, c.q1), MakeLine(c.q1, c.q2), MakeLine(c.q2, c.p2)};
    if (!fullLine) {
        pieces.insert(pieces.begin(), MakeLine(s, c.p1));
        pieces.push_back(MakeLine(c.p2, e));
    }
    return pieces;
}

ZedPoint PlaneAInnerMiddle(const ShoulderCorners& corners) { return HalfwayAlong(corners.q1, corners.q2); }

ShoulderCorners PlaneADepthChanged(const ShoulderCorners& corners, double depth) {
    const ZedPoint q1 = corners.p1 + depth * UnitFrom(corners.p1, corners.q1);
    const ZedPoint q2 = q1 + Distance(corners.q1, corners.q2) * UnitFrom(corners.q1, corners.q2);
    return ShoulderCorners{corners.p1, q1, q2, corners.p2};
}

ShoulderCorners PlaneAWidthChanged(const ShoulderCorners& corners, double halfWidth) {
    const ZedPoint mo = HalfwayAlong(corners.p1, corners.p2);
    const ZedPoint mq = PlaneAInnerMiddle(corners);
    return ShoulderCorners{mo + halfWidth * UnitFrom(mo, corners.p1), mq + halfWidth * UnitFrom(mq, corners.q1),
                           mq + halfWidth * UnitFrom(mq, corners.q2), mo + halfWidth * UnitFrom(mo, corners.p2)};
}

ShoulderBase CentredBase(ZedPoint s, ZedPoint e, ZedPoint c, double width) {
    const ZedPoint u = UnitFrom(s, e);
    return ShoulderBase{c - (width / 2.0) * u, c + (width / 2.0) * u, c};
}
