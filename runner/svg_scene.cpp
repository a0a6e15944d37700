#include "runner/svg_scene.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "emuhost/emu_api.h"
#include "runner/arc_geometry.h"

namespace runner {

namespace {

constexpr double kHalfPi = 1.5707963267948966;

void AddFigureExtent(const ZedFigure& figure, Extent& extent) {
    const double* v = figure.v;
    switch (figure.kind) {
        case ZED_FIG_LINE:
        case ZED_FIG_CHAMFER:
            extent.Add(v[0], v[1]);
            extent.Add(v[2], v[3]);
            break;
        case ZED_FIG_CIRCLE:
            extent.Add(v[0] - v[6], v[1] - v[6]);
            extent.Add(v[0] + v[6], v[1] + v[6]);
            break;
        case ZED_FIG_ARC:
        case ZED_FIG_FILLET: {
            extent.Add(v[2], v[3]);
            extent.Add(v[4], v[5]);
            // The arc's extreme points where it passes right, up, left and down.
            const ArcSpan span = ArcSpanOf(figure);
            for (int quarter = 0; quarter < 4; ++quarter) {
                const double angle = quarter * kHalfPi;
                if (SpanContains(span, angle)) {
                    extent.Add(v[0] + v[6] * std::cos(angle), v[1] + v[6] * std::sin(angle));
                }
            }
            break;
        }
        default:
            break;
    }
}

SceneItem FigureItem(ZedId element) {
    SceneItem item;
    item.element = element;
    item.figure = emu::FigureOf(element);
    const ZedLineType2 attributes = emu::AttributesOf(element);
    item.colour = attributes.colour;
    item.lineType = attributes.lineType;
    return item;
}

SceneItem DimensionItem(ZedId element) {
    SceneItem item;
    item.element = element;
    item.kind = SceneItem::Kind::Unreadable;
    ZedDimRecord record{};
    if (!emu::DimensionOf(element, &record)) {
        return item;
    }
    if (record.kind == ZED_DIM_RADIUS) {
        const ZedId arc = record.radius.arcElement;
        if (!emu::ElementExists(arc)) {
            return item;
        }
        const ZedFigure figure = emu::FigureOf(arc);
        item.kind = SceneItem::Kind::RadiusDimension;
        item.centre = ZedPoint{figure.v[0], figure.v[1]};
        item.radius = figure.kind == ZED_FIG_CIRCLE || figure.v[6] > 0.0
                          ? figure.v[6]
                          : std::hypot(figure.v[2] - figure.v[0], figure.v[3] - figure.v[1]);
        item.second = record.radius.textPoint;
        // The leader meets the arc where the line from the centre to the text point crosses it.
        const double dx = item.second.x - item.centre.x, dy = item.second.y - item.centre.y;
        const double distance = std::hypot(dx, dy);
        const double ux = distance > 0.0 ? dx / distance : 1.0, uy = distance > 0.0 ? dy / distance : 0.0;
        item.first = ZedPoint{item.centre.x + item.radius * ux, item.centre.y + item.radius * uy};
        return item;
    }
    item.kind = SceneItem::Kind::LengthDimension;
    item.first = record.length.first;
    item.second = record.length.second;
    item.offset = record.length.offset;
    return item;
}

SceneItem NoteItem(ZedId element) {
    SceneItem item;
    item.element = element;
    item.kind = SceneItem::Kind::Unreadable;
    // The note's points are read the way the plug-in reads them.
    ZedLeader leader{};
    if (ZedCmtGetComment(element, &leader) < 0) {
        return item;
    }
    item.kind = SceneItem::Kind::Note;
    item.first = leader.first;
    item.second = leader.second;
    item.text = emu::NoteText(element);
    return item;
}

void AddItemExtent(const SceneItem& item, Extent& extent) {
    switch (item.kind) {
        case SceneItem::Kind::Figure:
            AddFigureExtent(item.figure, extent);
            break;
        case SceneItem::Kind::LengthDimension: {
            extent.Add(item.first);
            extent.Add(item.second);
            const double length = std::hypot(item.second.x - item.first.x, item.second.y - item.first.y);
            if (length > 0.0) {
                const double nx = -(item.second.y - item.first.y) / length;
                const double ny = (item.second.x - item.first.x) / length;
                extent.Add(item.first.x + item.offset * nx, item.first.y + item.offset * ny);
                extent.Add(item.second.x + item.offset * nx, item.second.y + item.offset * ny);
            }
            break;
        }
        case SceneItem::Kind::RadiusDimension:
        case SceneItem::Kind::Note:
            extent.Add(item.first);
            extent.Add(item.second);
            break;
        case SceneItem::Kind::Unreadable:
            break;
    }
}

}  // namespace

void Extent::Add(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return;
    }
    if (empty) {
        minX = maxX = x;
        minY = maxY = y;
        empty = false;
        return;
    }
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
}

Scene CollectScene() {
    std::map<ZedId, ZedId> holeOfSegment;
    for (ZedId hole : emu::HoleIds()) {
        for (ZedId segment : emu::HoleSegments(hole)) {
            holeOfSegment[segment] = hole;
        }
    }

    Scene scene;
    for (ZedId id : emu::SegmentIds()) {
        SceneSegment segment;
        segment.id = id;
        segment.type = emu::SegmentType(id);
        segment.layer = emu::SegmentLayer(id);
        segment.hidden = ZedLyrGetVisibility(segment.layer) == 0;
        const auto hole = holeOfSegment.find(id);
        segment.hole = hole == holeOfSegment.end() ? -1 : hole->second;
        const int layerColour = std::max(0, ZedLyrGetColor(segment.layer));
        for (ZedId element : emu::Chain(id)) {
            SceneItem item = segment.type == ZED_SGM_DIMENSION ? DimensionItem(element)
                             : segment.type == ZED_SGM_NOTE    ? NoteItem(element)
                                                               : FigureItem(element);
            // A hole's figures are the host's own, made without line attributes:
            // like dimensions and notes they show in their layer's colour.
            if (item.kind != SceneItem::Kind::Figure || segment.hole >= 0) {
                item.colour = layerColour;
            }
            if (!segment.hidden) {
                AddItemExtent(item, scene.extent);
            }
            segment.items.push_back(std::move(item));
        }
        scene.segments.push_back(std::move(segment));
    }
    return scene;
}

}  // namespace runner
