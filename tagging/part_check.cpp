#include "tagging/part_check.h"

#include <algorithm>
#include <cmath>

#include "tagging/shoulder_check.h"
#include "tagging/shoulder_tag.h"

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
        if (f.kind == ZED_FIG_LINE || f.kind == ZED_FIG_CHAMFER) {
            Add(f.v[0], f.v[1]);
            Add(f.v[2], f.v[3]);
        } else {
            Add(f.v[0] - f.v[6], f.v[1] - f.v[6]);
            Add(f.v[0] + f.v[6], f.v[1] + f.v[6]);
        }
    }
};

bool Near(ZedPoint a, double x, double y) { return std::hypot(a.x - x, a.y - y) <= kSamePoint; }

bool IsShoulderEnd(const ShoulderExtent& extent, double x, double y) {
    return std::any_of(extent.ends.begin(), extent.ends.end(), [&](ZedPoint p) { return Near(p, x, y); });
}

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

bool IsCutLineAtRoot(const ShoulderExtent& extent, ZedId part, const std::vector<ZedFigure>& figures) {
    if (figures.size() != 1 || figures[0].kind != ZED_FIG_LINE || ZedFigIsClosed(part) != 0) {
        return false;
    }
    const ZedFigure& f = figures[0];
    return IsShoulderEnd(extent, f.v[0], f.v[1]) && IsShoulderEnd(extent, f.v[2], f.v[3]);
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

}  // namespace

ShoulderExtent ReadShoulderExtent(ZedId instance, ZedId shoulder, std::span<const ZedId> ids) {
    ShoulderExtent extent;
    Box box;
    for (const ZedId id : ids) {
        if (ZedElmGetSegment(id) != shoulder) {
            continue;
        }
        const ZedFigRef ref{instance, id};
        ZedFigure f{};
        if (ZedFigGetFigure(&ref, &f) == -1) {
            continue;
        }
        box.Add(f);
        if (f.kind == ZED_FIG_LINE || f.kind == ZED_FIG_CHAMFER) {
            extent.ends.push_back({f.v[0], f.v[1]});
            extent.ends.push_back({f.v[2], f.v[3]});
        } else if (f.kind == ZED_FIG_ARC || f.kind == ZED_FIG_FILLET) {
            extent.ends.push_back({f.v[2], f.v[3]});
            extent.ends.push_back({f.v[4], f.v[5]});
        }
    }
    extent.known = !extent.ends.empty();
    extent.minX = box.minX;
    extent.minY = box.minY;
    extent.maxX = box.maxX;
    extent.maxY = box.maxY;
    return extent;
}

bool IsPlausiblePart(const ShoulderExtent& extent, ZedId shoulder, int32_t attribute, ZedId part) {
    if (!extent.known || part <= 0 || part == shoulder || ZedSgmGetType(part) != ZED_SGM_FIGURE ||
        IsShoulderTaggedSegment(part)) {
        return false;
    }
    const ZedSgmRef ref{1, part};
    const bool inHole = ZedHolGetHoleId(&ref) != -1;
    if (inHole != (attribute == kAttrHoleSegment)) {
        return false;
    }
    const std::vector<ZedFigure> figures = PartFigures(part);
    if (figures.empty() || !LiesBy(extent, figures)) {
        return false;
    }
    return attribute != kAttrCutLineSegment || IsCutLineAtRoot(extent, part, figures);
}
