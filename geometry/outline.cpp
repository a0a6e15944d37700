#include "geometry/outline.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

int ListCount(const LocatedElement& at) { return static_cast<int>(at.list.size()); }

bool CopyOut(const LocatedElement& at, int index, ZedFigure& record) {
    if (index < 0 || index >= ListCount(at)) {
        return false;
    }
    record = at.list[static_cast<size_t>(index)];
    return true;
}

}  // namespace

bool ReadOutlineList(ZedId instance, ZedId segment, OutlineList& list, int capacity) {
    const ZedFigRef ref{instance, segment};
    // The host is offered room for one more record than the last outline read
    // had: an outline read again after a change is then read once, not first
    // cut short. It writes straight into a list that already has the room (a
    // list kept from one read to the next that at most doubles to reach it);
    // other lists are filled from a buffer kept from one read to the next.
    // Growing a list to the room clears the records it adds, which for a short
    // outline would be nearly all of a thousand on every read, where copying
    // its few records costs little.
    static OutlineList buffer;
    static int lastCount = 0;
    int size = std::max({capacity, kOutlineCapacity, lastCount + 1});
    for (;;) {
        const size_t room = static_cast<size_t>(size);
        const bool direct = list.capacity() >= room && room <= 2 * list.size();
        OutlineList& target = direct ? list : buffer;
        if (target.size() < room) {
            target.resize(room);
        }
        const int count = ZedFigGetFigure2(&ref, target.data(), size);
        if (count < 0) {
            list.clear();
            return false;
        }
        // A full buffer may have cut the outline short: read it again with
        // room to spare. The host writes at most the capacity; never trust a
        // larger count.
        if (count < size || size > std::numeric_limits<int>::max() / 2) {
            lastCount = count < size ? count : size;
            if (direct) {
                list.resize(static_cast<size_t>(lastCount));
            } else {
                // With room for the outline to grow, should the list be kept.
                list.reserve(room + room / 4);
                list.assign(buffer.begin(), buffer.begin() + lastCount);
            }
            return true;
        }
        size *= 2;
    }
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

bool LocateInOutline(const ZedFigRef& element, LocatedElement& at) {
    const ZedId segment = ZedElmGetSegment(element.id);
    if (segment == -1) {
        return false;
    }
    // The count first, so that the list is read at the outline's own size.
    at.elements = ZedSgmGetElementCount(segment);
    if (at.elements == -1 || !ReadOutlineList(element.instance, segment, at.list, at.elements + 1)) {
        return false;
    }
    if (ListCount(at) == at.elements) {
        at.byOrder = true;
        at.order = ZedElmGetElementOrder(element.id);
        return at.order != -1;
    }
    ZedFigure figure{};
    if (ZedFigGetFigure(&element, &figure) != -1) {
        at.matched = FindOutlineIndex(at.list, ListCount(at), figure);
    }
    return true;
}

bool OwnRecord(const LocatedElement& at, ZedFigure& record) {
    return CopyOut(at, at.byOrder ? at.order - 1 : at.matched, record);
}

bool PreviousRecord(const LocatedElement& at, ZedFigure& record) {
    if (!at.byOrder && at.matched == -1) {
        return false;
    }
    int index = at.byOrder ? at.order - 2 : at.matched - 1;
    if (index < 0) {
        index = ListCount(at) - 1;
    }
    return CopyOut(at, index, record);
}

bool NextRecord(const LocatedElement& at, ZedFigure& record) {
    // A figure that cannot be matched gives the first record.
    int index = at.byOrder ? at.order : at.matched + 1;
    if (index >= at.elements || index >= ListCount(at)) {
        index = 0;
    }
    return CopyOut(at, index, record);
}

namespace {

// A location for the single lookups, its list kept from one to the next so
// that the host writes even a long outline straight into it.
LocatedElement& FreshLocation() {
    static LocatedElement at;
    at.elements = 0;
    at.order = 0;
    at.matched = -1;
    at.byOrder = false;
    return at;
}

}  // namespace

bool GetOutlineRecord(const ZedFigRef& element, ZedFigure& record) {
    LocatedElement& at = FreshLocation();
    return LocateInOutline(element, at) && OwnRecord(at, record);
}

bool GetPreviousOutlineRecord(const ZedFigRef& element, ZedFigure& record) {
    LocatedElement& at = FreshLocation();
    return LocateInOutline(element, at) && PreviousRecord(at, record);
}

bool GetNextOutlineRecord(const ZedFigRef& element, ZedFigure& record) {
    LocatedElement& at = FreshLocation();
    return LocateInOutline(element, at) && NextRecord(at, record);
}
