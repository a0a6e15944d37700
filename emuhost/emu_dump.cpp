// The whole drawing as deterministic text: layers, then segments in id order
// with their attributes and elements in chain order, then holes. Numbers have
// six decimals, so two dumps compare equal exactly when the drawings do.
#include "emuhost/emu_geom.h"
#include "emuhost/emu_state.h"

namespace emu {

namespace {

std::string Id(ZedId id) { return std::to_string(id); }

std::string Quoted(const ZedString& text) { return "\"" + ToUtf8(text.c_str()) + "\""; }

const char* TypeName(int type) {
    switch (type) {
    case ZED_SGM_FIGURE:
        return "figure";
    case ZED_SGM_DIMENSION:
        return "dimension";
    case ZED_SGM_NOTE:
        return "note";
    default:
        return "type?";
    }
}

std::string DimensionText(const ZedDimRecord& dim) {
    if (dim.kind == ZED_DIM_LINE_LENGTH) {
        const ZedLengthDim& d = dim.length;
        return "length " + FmtPoint(d.first.x, d.first.y) + " at element " + Id(d.firstElement) + " -> " +
               FmtPoint(d.second.x, d.second.y) + " at element " + Id(d.secondElement) + " offset " + Fmt(d.offset) +
               " value " + Fmt(Distance(d.first, d.second));
    }
    if (dim.kind == ZED_DIM_RADIUS) {
        const ZedRadiusDim& d = dim.radius;
        const Element* arc = FindElement(d.arcElement);
        const std::string value = arc != nullptr && arc->cls == ElementClass::Figure ? Fmt(arc->figure.v[6]) : "-";
        return "radius of element " + Id(d.arcElement) + " text " + FmtPoint(d.textPoint.x, d.textPoint.y) +
               " value " + value;
    }
    return "dimension kind " + std::to_string(dim.kind);
}

std::string ElementText(const Element& e) {
    switch (e.cls) {
    case ElementClass::Figure:
        // The figure as stored; "stored reversed" when the chain runs through it from its end to its start.
        return FigureText(e.figure) + (e.reversed ? " stored reversed" : "") + "; " + LineAttributesText(e.attrs);
    case ElementClass::Dimension:
        return DimensionText(e.dim);
    case ElementClass::Note:
        return "leader " + FmtPoint(e.leader.first.x, e.leader.first.y) + " text at " +
               FmtPoint(e.leader.second.x, e.leader.second.y) + " and " +
               FmtPoint(e.leader.third.x, e.leader.third.y) + " " + Quoted(e.text);
    }
    return "";
}

void DumpSegment(std::string& out, const Segment& s) {
    out += "segment " + Id(s.id) + " " + TypeName(s.type) + " layer " + std::to_string(s.layer);
    if (s.type == ZED_SGM_FIGURE) {
        out += s.closed ? " closed" : " open";
    }
    if (s.hole != -1) {
        out += " hole " + Id(s.hole);
    }
    out += "\n";
    for (const auto& [number, attribute] : s.attributes) {
        out += "  attribute " + std::to_string(number) + " ";
        if (attribute.kind == ZED_ATTR_TEXT) {
            out += "text " + Quoted(attribute.text);
        } else if (attribute.kind == ZED_ATTR_INTEGER) {
            out += "integer " + std::to_string(attribute.integer);
        } else {
            out += "kind " + std::to_string(attribute.kind);
        }
        out += "\n";
    }
    for (ZedId id : s.chain) {
        const Element* element = FindElement(id);
        out += "  element " + Id(id) + " " + (element != nullptr ? ElementText(*element) : "missing") + "\n";
    }
}

}  // namespace

std::string Dump() {
    const Drawing& d = State();
    std::string out;
    for (const Layer& layer : d.layers) {
        out += "layer " + std::to_string(layer.number) + " visible " + std::to_string(layer.visible ? 1 : 0) +
               " detect " + std::to_string(layer.detect ? 1 : 0) + " colour " + std::to_string(layer.colour) +
               " name " + Quoted(layer.name) + "\n";
    }
    out += "current layer " + std::to_string(d.currentLayer) + "\n";
    for (const auto& [id, segment] : d.segments) {
        DumpSegment(out, segment);
    }
    for (const auto& [id, hole] : d.holes) {
        const ZedHoleShape& shape = hole.shape;
        out += "hole " + Id(id) + " layer " + std::to_string(shape.layer) + " diameter " + Fmt(shape.diameter) +
               " depth " + Fmt(shape.depth) + " fromBelow " + std::to_string(shape.fromBelow) + " sideCode " +
               std::to_string(shape.sideCode) + " flag " + std::to_string(shape.flag) + " segments";
        for (ZedId member : hole.segments) {
            out += " " + Id(member);
        }
        out += "\n";
    }
    return out;
}

}  // namespace emu
