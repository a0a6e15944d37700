#include "runner/dxf_scene.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "emuhost/emu_api.h"
#include "runner/palette.h"
#include "runner/tokens.h"

namespace runner {

namespace {

std::string Number(double value) {
    if (!std::isfinite(value)) {
        return "0";
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(c));
            out += buffer;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Point(double x, double y) { return "[" + Number(x) + ", " + Number(y) + "]"; }
std::string Point(const ZedPoint& p) { return Point(p.x, p.y); }

// "key": value pairs joined into an object.
class Object {
public:
    Object& Add(const char* key, const std::string& value) {
        text_ += (text_.empty() ? "{" : ", ") + Quoted(key) + ": " + value;
        return *this;
    }
    Object& Add(const char* key, int value) { return Add(key, std::to_string(value)); }
    Object& Add(const char* key, bool value) { return Add(key, std::string(value ? "true" : "false")); }
    std::string Text() const { return text_.empty() ? "{}" : text_ + "}"; }

private:
    std::string text_;
};

std::string List(const std::vector<std::string>& items, const char* separator = ",\n  ") {
    std::string text = "[";
    for (size_t k = 0; k < items.size(); ++k) {
        text += (k == 0 ? "" : separator) + items[k];
    }
    return text + "]";
}

std::string LayerName(int layer) {
    std::vector<ZedChar> buffer(64);
    for (;;) {
        const int length = ZedLyrGetName(layer, buffer.data(), static_cast<int>(buffer.size()));
        if (length < 0) {
            return "";
        }
        if (static_cast<size_t>(length) < buffer.size()) {
            return emu::ToUtf8(buffer.data());
        }
        buffer.resize(static_cast<size_t>(length) + 1);
    }
}

std::vector<std::string> Layers() {
    int32_t* numbers = nullptr;
    const int count = ZedLyrGetAllLayer(&numbers);
    std::vector<std::string> layers;
    for (int k = 0; k < count && numbers != nullptr; ++k) {
        const int layer = numbers[k];
        layers.push_back(Object()
                             .Add("number", layer)
                             .Add("name", Quoted(LayerName(layer)))
                             .Add("colour", std::max(0, ZedLyrGetColor(layer)))
                             .Add("visible", ZedLyrGetVisibility(layer) != 0)
                             .Add("detect", ZedLyrGetDetection(layer) != 0)
                             .Text());
    }
    if (numbers != nullptr) {
        ZedMemFree(numbers);
    }
    return layers;
}

// A line or arc of an outline the way its chain runs.
std::string OutlineElement(const SceneItem& item) {
    const double* v = item.figure.v;
    const bool reversed = emu::StoredReversed(item.element);
    Object element;
    element.Add("colour", item.colour).Add("lineType", item.lineType).Add("reversed", reversed);
    if (item.figure.kind == ZED_FIG_LINE || item.figure.kind == ZED_FIG_CHAMFER) {
        const int from = reversed ? 2 : 0, to = reversed ? 0 : 2;
        return element.Add("kind", Quoted("line"))
            .Add("start", Point(v[from], v[from + 1]))
            .Add("end", Point(v[to], v[to + 1]))
            .Text();
    }
    const bool storedClockwise = emu::ArcFlag(item.figure) == ZED_ARC_CW;
    const int from = reversed ? 4 : 2, to = reversed ? 2 : 4;
    return element.Add("kind", Quoted("arc"))
        .Add("centre", Point(v[0], v[1]))
        .Add("start", Point(v[from], v[from + 1]))
        .Add("end", Point(v[to], v[to + 1]))
        .Add("clockwise", storedClockwise != reversed)
        .Text();
}

void AddFigureShapes(const SceneSegment& segment, std::vector<std::string>& shapes) {
    std::vector<std::string> elements;
    for (const SceneItem& item : segment.items) {
        switch (item.figure.kind) {
            case ZED_FIG_CIRCLE:
                shapes.push_back(Object()
                                     .Add("type", Quoted("circle"))
                                     .Add("layer", segment.layer)
                                     .Add("byLayer", segment.hole >= 0)
                                     .Add("colour", item.colour)
                                     .Add("lineType", item.lineType)
                                     .Add("centre", Point(item.figure.v[0], item.figure.v[1]))
                                     .Add("radius", Number(item.figure.v[6]))
                                     .Text());
                break;
            case ZED_FIG_LINE:
            case ZED_FIG_CHAMFER:
            case ZED_FIG_ARC:
            case ZED_FIG_FILLET:
                elements.push_back(OutlineElement(item));
                break;
            default:
                break;
        }
    }
    if (!elements.empty()) {
        shapes.push_back(Object()
                             .Add("type", Quoted("outline"))
                             .Add("layer", segment.layer)
                             .Add("byLayer", segment.hole >= 0)
                             .Add("closed", emu::SegmentClosed(segment.id))
                             .Add("elements", List(elements, ",\n    "))
                             .Text());
    }
}

std::string AnnotationShape(const SceneSegment& segment, const SceneItem& item) {
    Object shape;
    shape.Add("layer", segment.layer).Add("colour", item.colour);
    switch (item.kind) {
        case SceneItem::Kind::LengthDimension: {
            const double length = std::hypot(item.second.x - item.first.x, item.second.y - item.first.y);
            return shape.Add("type", Quoted("length"))
                .Add("first", Point(item.first))
                .Add("second", Point(item.second))
                .Add("offset", Number(item.offset))
                .Add("text", Quoted(FormatNumber(length, 2)))
                .Text();
        }
        case SceneItem::Kind::RadiusDimension:
            return shape.Add("type", Quoted("radius"))
                .Add("centre", Point(item.centre))
                .Add("radius", Number(item.radius))
                .Add("first", Point(item.first))
                .Add("second", Point(item.second))
                .Add("text", Quoted("R" + FormatNumber(item.radius, 2)))
                .Text();
        case SceneItem::Kind::Note:
            return shape.Add("type", Quoted("note"))
                .Add("first", Point(item.first))
                .Add("second", Point(item.second))
                .Add("text", Quoted(item.text))
                .Text();
        default:
            return "";
    }
}

}  // namespace

std::string DxfSceneJson(const Scene& scene) {
    std::vector<std::string> palette;
    for (int index = 0; index < 16; ++index) {
        palette.push_back(Quoted(ColourHex(index)));
    }
    std::vector<std::string> shapes;
    for (const SceneSegment& segment : scene.segments) {
        if (segment.type == ZED_SGM_DIMENSION || segment.type == ZED_SGM_NOTE) {
            for (const SceneItem& item : segment.items) {
                std::string shape = AnnotationShape(segment, item);
                if (!shape.empty()) {
                    shapes.push_back(std::move(shape));
                }
            }
        } else {
            AddFigureShapes(segment, shapes);
        }
    }
    return Object()
               .Add("palette", List(palette, ", "))
               .Add("currentLayer", emu::CurrentLayer())
               .Add("layers", List(Layers()))
               .Add("shapes", List(shapes))
               .Text() +
           "\n";
}

}  // namespace runner
