#include "geometry/outline.h"

#include <cmath>

#include "geometry/direction_angle.h"
#include "geometry/figure_record.h"
#include "geometry/vec2.h"

namespace {

constexpr double kMatchTolerance = 1.0 / 1e6;

bool Near(double a, double b) { return std::fabs(a - b) < kMatchTolerance; }

// Directions compared around the circle, so that a direction just below 2π
// matches one just above 0.
bool SameDirection(double a, double b) {
    const double d = std::fabs(a - b);
    return d < kMatchTolerance || std::fabs(d - 2.0 * Pi()) < kMatchTolerance;
}

bool SameValues(const ZedFigure& a, const ZedFigure& b, int count) {
    for (int i = 0; i < count; ++i) {
        if (!Near(a.v[i], b.v[i])) {
            return false;
        }
    }
    return true;
}

bool Matches(const ZedFigure& listed, const ZedFigure& figure) {
    if (listed.kind == ZED_FIG_LINE && IsLineKind(figure.kind)) {
        // The figure lies on the listed line: seen from either end of the
        // listed line, the figure's far point lies in the line's direction.
        const ZedPoint a = LineStart(listed);
        const ZedPoint b = LineEnd(listed);
        return SameDirection(DirectionAngle(a, b), DirectionAngle(a, LineEnd(figure))) &&
               SameDirection(DirectionAngle(b, a), DirectionAngle(b, LineStart(figure)));
    }
    if (listed.kind == ZED_FIG_ARC && IsArcKind(figure.kind)) {
        return SameValues(listed, figure, 7);
    }
    if (listed.kind == ZED_FIG_CURVE && figure.kind == ZED_FIG_CURVE) {
        return SameValues(listed, figure, 8);
    }
    return false;
}

// The element's outline list and, for each lookup, the index of its own record.
struct Located {
    OutlineList list;
    int count = 0;
    int elements = 0;    // the segment's element count
    int order = 0;       // ZedElmGetElementOrder, when the list is in element order
    int matched = -1;    // FindOutlineIndex, otherwise
    bool byOrder = false;
};

bool Locate(const ZedFigRef& element, Located& at) {
    const ZedId segment = ZedElmGetSegment(element.id);
    if (segment == -1 || !ReadOutlineList(element.instance, segment, at.list)) {
        return false;
    }
    at.count = static_cast<int>(at.list.size());
    at.elements = ZedSgmGetElementCount(segment);
    if (at.elements == -1) {
        return false;
    }
    if (at.count == at.elements) {
        at.byOrder = true;
        at.order = ZedElmGetElementOrder(element.id);
        return at.order != -1;
    }
    ZedFigure figure{};
    if (ZedFigGetFigure(&element, &figure) != -1) {
        at.matched = FindOutlineIndex(at.list, at.count, figure);
    }
    return true;
}

bool CopyOut(const Located& at, int index, ZedFigure& record) {
    if (index < 0 || index >= at.count) {
        return false;
    }
    record = at.list[static_cast<size_t>(index)];
    return true;
}

}  // namespace

bool ReadOutlineList(ZedId instance, ZedId segment, OutlineList& list, int capacity) {
    list.assign(static_cast<size_t>(capacity), ZedFigure{});
    const ZedFigRef ref{instance, segment};
    const int count = ZedFigGetFigure2(&ref, list.data(), capacity);
    if (count < 0) {
        list.clear();
        return false;
    }
    // The host writes at most the capacity; never trust a larger count.
    list.resize(static_cast<size_t>(count < capacity ? count : capacity));
    return true;
}

int FindOutlineIndex(const OutlineList& list, int count, const ZedFigure& figure) {
    const int n = count < static_cast<int>(list.size()) ? count : static_cast<int>(list.size());
    for (int i = 0; i < n; ++i) {
        if (Matches(list[static_cast<size_t>(i)], figure)) {
            return i;
        }
    }
    return -1;
}

bool GetOutlineRecord(const ZedFigRef& element, ZedFigure& record) {
    Located at;
    if (!Locate(element, at)) {
        return false;
    }
    return CopyOut(at, at.byOrder ? at.order - 1 : at.matched, record);
}

bool GetPreviousOutlineRecord(const ZedFigRef& element, ZedFigure& record) {
    Located at;
    if (!Locate(element, at) || (!at.byOrder && at.matched == -1)) {
        return false;
    }
    int index = at.byOrder ? at.order - 2 : at.matched - 1;
    if (index < 0) {
        index = at.count - 1;
    }
    return CopyOut(at, index, record);
}

bool GetNextOutlineRecord(const ZedFigRef& element, ZedFigure& record) {
    Located at;
    if (!Locate(element, at)) {
        return false;
    }
    // A figure that cannot be matched gives the first record.
    int index = at.byOrder ? at.order : at.matched + 1;
    if (index >= at.elements || index >= at.count) {
        index = 0;
    }
    return CopyOut(at, index, record);
}
