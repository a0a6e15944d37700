#include "runner/drawing_loader.h"

#include "emuhost/emu_api.h"
#include "runner/tokens.h"

namespace runner {

namespace {

ZedFigure FigureOf(const ElementEntry& element) {
    const double* v = element.v;
    if (element.kind == ElementEntry::Kind::Line) {
        return emu::Line(v[0], v[1], v[2], v[3]);
    }
    return emu::Arc(v[0], v[1], v[2], v[3], v[4], v[5], element.clockwise ? ZED_ARC_CW : ZED_ARC_CCW);
}

ZedLineType2 AttributesOf(const DrawingFile& drawing, const ShapeEntry& shape) {
    ZedLineType2 attributes{};
    attributes.colour = shape.colour.value_or(LayerColour(drawing, shape.layer));
    attributes.lineType = shape.lineType;
    return attributes;
}

// Makes the corners of an outline just laid out; the chain's ids are read
// before the first corner changes the chain.
bool AddCorners(const ShapeEntry& shape, ZedId segment, SourceError& error) {
    const std::vector<ZedId> chain = emu::Chain(segment);
    for (size_t k = 0; k < shape.elements.size() && k < chain.size(); ++k) {
        const std::optional<CornerEntry>& corner = shape.elements[k].corner;
        if (!corner) {
            continue;
        }
        const bool fillet = corner->kind == CornerEntry::Kind::Fillet;
        const ZedId made = fillet ? emu::AddFillet(chain[k], corner->size) : emu::AddChamfer(chain[k], corner->size);
        if (made < 0) {
            error.line = corner->line;
            error.message = std::string("the host cannot make a ") + (fillet ? "fillet of radius " : "chamfer of ") +
                            FormatNumber(corner->size, 6) +
                            " at this corner (it needs two lines that meet there and are long enough)";
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<LoadedDrawing> LoadDrawing(const DrawingFile& drawing, const std::string& fileName, SourceError& error) {
    error.file = fileName;
    for (const LayerEntry& layer : drawing.layers) {
        emu::AddLayer(layer.number, layer.name, layer.colour, layer.visible, layer.detect);
    }
    emu::SetCurrentLayer(drawing.currentLayer);

    LoadedDrawing loaded;
    for (const ShapeEntry& shape : drawing.shapes) {
        const ZedLineType2 attributes = AttributesOf(drawing, shape);
        ZedId segment = -1;
        if (shape.kind == ShapeEntry::Kind::Circle) {
            segment = emu::AddSegment(ZED_SGM_FIGURE, shape.layer);
            if (segment >= 0 &&
                emu::AddFigure(segment, emu::Circle(shape.centreX, shape.centreY, shape.radius), &attributes) < 0) {
                segment = -1;
            }
        } else {
            std::vector<ZedFigure> figures;
            std::vector<bool> storedReversed;
            for (const ElementEntry& element : shape.elements) {
                figures.push_back(FigureOf(element));
                storedReversed.push_back(element.storedReversed);
            }
            segment = emu::AddOutline(shape.layer, figures, shape.closed, &attributes, storedReversed);
        }
        if (segment < 0) {
            error.line = shape.line;
            error.message = shape.kind == ShapeEntry::Kind::Circle ? "the host refused this circle"
                                                                   : "the host refused this outline as a chain";
            return std::nullopt;
        }
        if (shape.kind == ShapeEntry::Kind::Outline && !AddCorners(shape, segment, error)) {
            return std::nullopt;
        }
        // An outline that meets or crosses itself is no plate the plug-in can
        // work on, and the host would hold it as an unsound drawing.
        const std::string unsound = emu::CheckIntegrity(segment);
        if (!unsound.empty()) {
            ZedSgmDeleteSegment(segment);
            error.line = shape.line;
            error.message = "this outline is not a simple chain: " + unsound;
            return std::nullopt;
        }
        for (const AttributeEntry& attribute : shape.attributes) {
#if ZED_LEGACY
            error.line = attribute.line;
            error.message = "the older host keeps no segment attributes";
            return std::nullopt;
#else
            const ZedString text = emu::FromUtf8(attribute.text);
            ZedAttrValue value{};
            value.kind = attribute.isText ? ZED_ATTR_TEXT : ZED_ATTR_INTEGER;
            if (attribute.isText) {
                value.value.text = text.c_str();
            } else {
                value.value.integer = attribute.integer;
            }
            if (ZedSgmSetAttribute(segment, attribute.number, &value) == -1) {
                error.line = attribute.line;
                error.message = "the host refused this attribute";
                return std::nullopt;
            }
#endif
        }
        loaded.shapeSegments.push_back(segment);
    }
    return loaded;
}

}  // namespace runner
