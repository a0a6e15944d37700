#include "tagging/part_check.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "geometry/figure_record.h"
#include "tagging/shoulder_check.h"
#include "tagging/shoulder_attributes.h"

namespace {

constexpr double kSamePoint = 1e-6;
// The outline list of a segment is read with this capacity throughout.
constexpr int kListCapacity = 1000;

struct Box {
    double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
    void Add(double x, double y) {
        minX = std::min(minX, x);
        minY = std::min(minY, y);
        maxX = std::max(maxX, x);
        maxY = std::max(maxY, y);
    }
    // Lines by their ends; arcs and circles by their whole circle, which is
    // more than they cover but never less.
    void Add(const ZedFigure& f) {
        if (IsLineKind(f.kind)) {
            Add(f.v[0], f.v[1]);
            Add(f.v[2], f.v[3]);
        } else {
            Add(f.v[0] - f.v[6], f.v[1] - f.v[6]);
            Add(f.v[0] + f.v[6], f.v[1] + f.v[6]);
        }
    }
};

// The part's figures as its outline list gives them; empty when it cannot be read.
std::vector<ZedFigure> PartFigures(ZedId part) {
    const int count = ZedSgmGetElementCount(part);
    if (count < 1) {
        return {};
    }
    std::vector<ZedFigure> figures(static_cast<size_t>(std::min(count, kListCapacity)));
    const ZedFigRef ref{0, part};
    const int read = ZedFigGetFigure2(&ref, figures.data(), static_cast<int>(figures.size()));
    if (read < 1) {
        return {};
    }
    figures.resize(static_cast<size_t>(std::min<int>(read, static_cast<int>(figures.size()))));
    return figures;
}

bool LiesBy(const ShoulderExtent& extent, const std::vector<ZedFigure>& figures) {
    Box box;
    for (const ZedFigure& f : figures) {
        box.Add(f);
    }
    const double margin = std::max(extent.maxX - extent.minX, extent.maxY - extent.minY) + kSamePoint;
    return box.maxX >= extent.minX - margin && box.minX <= extent.maxX + margin && box.maxY >= extent.minY - margin &&
           box.minY <= extent.maxY + margin;
}

// An open figure segment whose outline list holds the kinds given, in order.
bool IsOpenChainOf(ZedId part, const std::vector<ZedFigure>& figures, std::initializer_list<int> kinds) {
    return ZedFigIsClosed(part) == 0 && std::equal(figures.begin(), figures.end(), kinds.begin(), kinds.end(),
                                                   [](const ZedFigure& f, int kind) { return f.kind == kind; });
}

}  // namespace

ShoulderExtent ExtentOf(const std::vector<ZedFigure>& sides) {
    Box box;
    for (const ZedFigure& side : sides) {
        box.Add(side);
    }
    return ShoulderExtent{box.minX, box.minY, box.maxX, box.maxY};
}

bool IsPlausiblePart(const ShoulderExtent& extent, ZedId shoulder, int32_t attribute, ZedId part) {
    if (part <= 0 || part == shoulder || IsShoulderTaggedSegment(part)) {
        return false;
    }
    if (attribute != kAttrHoleSegment && ZedSgmGetType(part) != ZED_SGM_FIGURE) {
        return false;
    }
    const std::vector<ZedFigure> figures = PartFigures(part);
    if (figures.empty() || !LiesBy(extent, figures)) {
        return false;
    }
    switch (attribute) {
        case kAttrCutLineSegment:
        case kAttrDisplaySegment:
            return IsOpenChainOf(part, figures, {ZED_FIG_LINE});
        case kAttrSlotSegment:
            return IsOpenChainOf(part, figures, {ZED_FIG_ARC, ZED_FIG_LINE, ZED_FIG_ARC});
        default:
            return true;
    }
}
