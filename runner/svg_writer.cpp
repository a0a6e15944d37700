#include "runner/svg_writer.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "runner/arc_geometry.h"
#include "runner/markup_text.h"
#include "runner/palette.h"
#include "runner/tokens.h"

namespace runner {

namespace {

constexpr double kPi = 3.141592653589793;
// The picture's longer side, in pixels.
constexpr double kPictureSize = 1000.0;

std::string N(double value) { return FormatNumber(value, 3); }
// Drawing coordinates to picture coordinates: y flips.
std::string X(double x) { return N(x); }
std::string Y(double y) { return N(-y); }

const char* SegmentClass(int type) {
    switch (type) {
        case 1:
            return "dimension";
        case 2:
            return "note";
        default:
            return "figure";
    }
}

class SvgBuilder {
public:
    SvgBuilder(const Extent& extent, const Marks& marks) : marks_(marks) {
        double width = extent.empty ? 0.0 : extent.maxX - extent.minX;
        double height = extent.empty ? 0.0 : extent.maxY - extent.minY;
        size_ = std::max(width, height);
        if (size_ < 1e-6) {
            // Nothing, or a single point: a square of 100 units about it.
            size_ = width = height = 100.0;
        }
        const double margin = size_ * 0.1;
        const double centreX = extent.empty ? 0.0 : (extent.minX + extent.maxX) / 2.0;
        const double centreY = extent.empty ? 0.0 : (extent.minY + extent.maxY) / 2.0;
        viewWidth_ = std::max(width, size_ * 0.05) + 2 * margin;
        viewHeight_ = std::max(height, size_ * 0.05) + 2 * margin;
        viewX_ = centreX - viewWidth_ / 2.0;
        viewY_ = -centreY - viewHeight_ / 2.0;
        stroke_ = size_ / 400.0;
        fontSize_ = size_ / 30.0;
        arrow_ = size_ / 60.0;
    }

    std::string Build(const Scene& scene) {
        const double scale = kPictureSize / std::max(viewWidth_, viewHeight_);
        out_ << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
        out_ << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << N(viewWidth_ * scale) << "\" height=\""
             << N(viewHeight_ * scale) << "\" viewBox=\"" << N(viewX_) << " " << N(viewY_) << " " << N(viewWidth_)
             << " " << N(viewHeight_) << "\">\n";
        out_ << "<rect class=\"background\" x=\"" << N(viewX_) << "\" y=\"" << N(viewY_) << "\" width=\""
             << N(viewWidth_) << "\" height=\"" << N(viewHeight_) << "\" fill=\"" << kBackground << "\"/>\n";
        out_ << "<g fill=\"none\" stroke-width=\"" << N(stroke_)
             << "\" stroke-linecap=\"round\" stroke-linejoin=\"round\" font-family=\"sans-serif\" font-size=\""
             << N(fontSize_) << "\">\n";
        for (const SceneSegment& segment : scene.segments) {
            Segment(segment);
        }
        if (marks_.clicked) {
            ClickMark(marks_.click);
        }
        out_ << "</g>\n</svg>\n";
        return out_.str();
    }

private:
    void Segment(const SceneSegment& segment) {
        if (segment.hidden) {
            out_ << "<!-- segment " << segment.id << " on hidden layer " << segment.layer << " -->\n";
            return;
        }
        out_ << "<g class=\"" << SegmentClass(segment.type) << (segment.hole >= 0 ? " hole" : "")
             << "\" data-segment=\"" << segment.id << "\" data-layer=\"" << segment.layer << "\"";
        if (segment.hole >= 0) {
            out_ << " data-hole=\"" << segment.hole << "\"";
        }
        out_ << ">\n";
        for (const SceneItem& item : segment.items) {
            if (marks_.blinking >= 0 && item.element == marks_.blinking) {
                // The same item again underneath, wide and pale: a halo that
                // shows on any kind of element.
                out_ << "<g class=\"blink-halo\" stroke-width=\"" << N(stroke_ * 7.0) << "\" opacity=\"0.55\">\n";
                halo_ = true;
                Item(item);
                halo_ = false;
                out_ << "</g>\n";
            }
            Item(item);
        }
        out_ << "</g>\n";
    }

    void Item(const SceneItem& item) {
        switch (item.kind) {
            case SceneItem::Kind::Figure:
                Figure(item);
                break;
            case SceneItem::Kind::LengthDimension:
                LengthDimension(item);
                break;
            case SceneItem::Kind::RadiusDimension:
                RadiusDimension(item);
                break;
            case SceneItem::Kind::Note:
                Note(item);
                break;
            case SceneItem::Kind::Unreadable:
                out_ << "<!-- element " << item.element << " could not be read -->\n";
                break;
        }
    }

    // A cross in a ring about the point, sized like the arrows.
    void ClickMark(const ZedPoint& at) {
        const double r = arrow_ * 1.2;
        out_ << "<g class=\"click-mark\" stroke=\"" << kClickMarkColour << "\" stroke-width=\"" << N(stroke_ * 2.0)
             << "\">\n";
        out_ << "<circle cx=\"" << X(at.x) << "\" cy=\"" << Y(at.y) << "\" r=\"" << N(r) << "\"/>\n";
        out_ << "<line x1=\"" << X(at.x - 2 * r) << "\" y1=\"" << Y(at.y) << "\" x2=\"" << X(at.x + 2 * r) << "\" y2=\""
             << Y(at.y) << "\"/>\n";
        out_ << "<line x1=\"" << X(at.x) << "\" y1=\"" << Y(at.y - 2 * r) << "\" x2=\"" << X(at.x) << "\" y2=\""
             << Y(at.y + 2 * r) << "\"/>\n";
        out_ << "</g>\n";
    }

    // An item's colour, or the halo's while the halo is drawn.
    std::string Colour(const SceneItem& item) const { return halo_ ? kBlinkHaloColour : ColourHex(item.colour); }
    // Texts and arrowheads are filled; in the halo they are outlined as well.
    std::string FillStroke(const std::string& colour) const { return halo_ ? colour : "none"; }

    std::string Stroke(const SceneItem& item) const {
        std::string text = " stroke=\"" + Colour(item) + "\"";
        const std::vector<double> dashes = DashPattern(item.lineType);
        if (!dashes.empty()) {
            text += " stroke-dasharray=\"";
            for (size_t k = 0; k < dashes.size(); ++k) {
                text += (k == 0 ? "" : " ") + N(dashes[k] * stroke_ * 2.0);
            }
            text += "\"";
        }
        return text;
    }

    std::string Head(const char* tag, const char* cls, const SceneItem& item) const {
        return std::string("<") + tag + " class=\"" + cls + "\" data-element=\"" + std::to_string(item.element) + "\"";
    }

    void Figure(const SceneItem& item) {
        const double* v = item.figure.v;
        switch (item.figure.kind) {
            case ZED_FIG_LINE:
            case ZED_FIG_CHAMFER:
                out_ << Head("line", item.figure.kind == ZED_FIG_LINE ? "line" : "chamfer", item) << " x1=\"" << X(v[0])
                     << "\" y1=\"" << Y(v[1]) << "\" x2=\"" << X(v[2]) << "\" y2=\"" << Y(v[3]) << "\"" << Stroke(item)
                     << "/>\n";
                return;
            case ZED_FIG_CIRCLE:
                out_ << Head("circle", "circle", item) << " cx=\"" << X(v[0]) << "\" cy=\"" << Y(v[1]) << "\" r=\""
                     << N(v[6]) << "\"" << Stroke(item) << "/>\n";
                return;
            case ZED_FIG_ARC:
            case ZED_FIG_FILLET:
                out_ << Head("path", item.figure.kind == ZED_FIG_ARC ? "arc" : "fillet", item) << " d=\""
                     << ArcPath(item.figure) << "\"" << Stroke(item) << "/>\n";
                return;
            default:
                out_ << "<!-- element " << item.element << ": figure kind " << item.figure.kind << " not drawn -->\n";
        }
    }

    // SVG's sweep flag 1 turns clockwise on the screen, whose y points down:
    // that is the drawing's clockwise (flag 1) once y is flipped.
    static std::string ArcPath(const ZedFigure& arc) {
        const double* v = arc.v;
        const ArcSpan span = ArcSpanOf(arc);
        const double r = v[6] > 0.0 ? v[6] : std::hypot(v[2] - v[0], v[3] - v[1]);
        const std::string sweep = span.sweep < 0.0 ? "1" : "0";
        const std::string radii = " A " + N(r) + " " + N(r) + " 0 ";
        std::string path = "M " + X(v[2]) + " " + Y(v[3]);
        if (std::fabs(span.sweep) >= 2 * kPi - 1e-9) {
            // A whole turn: SVG draws nothing between equal points, so go round in two halves.
            const double halfX = 2 * v[0] - v[2], halfY = 2 * v[1] - v[3];
            path += radii + "1 " + sweep + " " + X(halfX) + " " + Y(halfY);
            return path + radii + "1 " + sweep + " " + X(v[2]) + " " + Y(v[3]);
        }
        const std::string large = std::fabs(span.sweep) > kPi ? "1" : "0";
        return path + radii + large + " " + sweep + " " + X(v[4]) + " " + Y(v[5]);
    }

    // A filled arrowhead with its tip at (x, y), pointing along (dx, dy) (a unit vector).
    void Arrow(double x, double y, double dx, double dy, double length, const std::string& colour) {
        const double width = length / 3.0;
        const double bx = x - dx * length, by = y - dy * length;
        out_ << "<polygon class=\"arrow\" points=\"" << X(x) << "," << Y(y) << " " << X(bx - dy * width) << ","
             << Y(by + dx * width) << " " << X(bx + dy * width) << "," << Y(by - dx * width) << "\" fill=\"" << colour
             << "\" stroke=\"" << FillStroke(colour) << "\"/>\n";
    }

    void Line(double x1, double y1, double x2, double y2, const char* cls, const std::string& colour) {
        out_ << "<line class=\"" << cls << "\" x1=\"" << X(x1) << "\" y1=\"" << Y(y1) << "\" x2=\"" << X(x2)
             << "\" y2=\"" << Y(y2) << "\" stroke=\"" << colour << "\"/>\n";
    }

    // Text centred on (x, y), turned to run along `angle` (radians, drawing
    // coordinates) but never upside down.
    void Text(double x, double y, double angle, const char* cls, const std::string& text, const std::string& colour,
              const char* anchor = "middle") {
        double degrees = angle * 180.0 / kPi;
        while (degrees > 90.0 + 1e-9) {
            degrees -= 180.0;
        }
        while (degrees <= -90.0 + 1e-9) {
            degrees += 180.0;
        }
        out_ << "<text class=\"" << cls << "\" x=\"" << X(x) << "\" y=\"" << Y(y) << "\" text-anchor=\"" << anchor
             << "\" dominant-baseline=\"middle\" fill=\"" << colour << "\" stroke=\"" << FillStroke(colour) << "\"";
        if (std::fabs(degrees) > 1e-9) {
            out_ << " transform=\"rotate(" << N(-degrees) << " " << X(x) << " " << Y(y) << ")\"";
        }
        out_ << ">" << HtmlEscaped(text) << "</text>\n";
    }

    void LengthDimension(const SceneItem& item) {
        const std::string colour = Colour(item);
        const ZedPoint a = item.first, b = item.second;
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        out_ << "<g class=\"length-dimension\" data-element=\"" << item.element << "\" data-offset=\"" << N(item.offset)
             << "\">\n";
        if (length <= 0.0) {
            Text(a.x, a.y, 0.0, "dimension-value", "0", colour);
            out_ << "</g>\n";
            return;
        }
        // The dimension line runs parallel to the points, `offset` to their left.
        const double dx = (b.x - a.x) / length, dy = (b.y - a.y) / length;
        const double nx = -dy, ny = dx;
        const double ax = a.x + item.offset * nx, ay = a.y + item.offset * ny;
        const double bx = b.x + item.offset * nx, by = b.y + item.offset * ny;
        Line(a.x, a.y, ax, ay, "extension-line", colour);
        Line(b.x, b.y, bx, by, "extension-line", colour);
        Line(ax, ay, bx, by, "dimension-line", colour);
        const double arrow = std::min(arrow_, length / 3.0);
        Arrow(ax, ay, -dx, -dy, arrow, colour);
        Arrow(bx, by, dx, dy, arrow, colour);
        // The value sits beside the middle of the line, away from the points.
        const double side = item.offset < 0.0 ? -1.0 : 1.0;
        const double tx = (ax + bx) / 2.0 + side * nx * fontSize_ * 0.7;
        const double ty = (ay + by) / 2.0 + side * ny * fontSize_ * 0.7;
        Text(tx, ty, std::atan2(dy, dx), "dimension-value", FormatNumber(length, 2), colour);
        out_ << "</g>\n";
    }

    // A line from the item's second point to its first, with the arrow head at
    // the first (a radius dimension's arc side, a note's anchor).
    void ArrowedLine(const SceneItem& item, const char* cls, const std::string& colour) {
        Line(item.first.x, item.first.y, item.second.x, item.second.y, cls, colour);
        const double dx = item.first.x - item.second.x, dy = item.first.y - item.second.y;
        const double length = std::hypot(dx, dy);
        if (length > 0.0) {
            Arrow(item.first.x, item.first.y, dx / length, dy / length, std::min(arrow_, length / 2.0), colour);
        }
    }

    void RadiusDimension(const SceneItem& item) {
        const std::string colour = Colour(item);
        out_ << "<g class=\"radius-dimension\" data-element=\"" << item.element << "\">\n";
        ArrowedLine(item, "dimension-line", colour);
        Text(item.second.x, item.second.y, 0.0, "dimension-value", "R" + FormatNumber(item.radius, 2), colour, "start");
        out_ << "</g>\n";
    }

    void Note(const SceneItem& item) {
        const std::string colour = Colour(item);
        out_ << "<g class=\"leader-note\" data-element=\"" << item.element << "\">\n";
        ArrowedLine(item, "leader", colour);
        Text(item.second.x + fontSize_ * 0.3, item.second.y, 0.0, "note-text", item.text, colour, "start");
        out_ << "</g>\n";
    }

    const Marks marks_;
    bool halo_ = false;  // drawing the blinking item's halo
    std::ostringstream out_;
    double size_ = 100.0;  // the drawing's larger side
    double viewX_ = 0.0, viewY_ = 0.0, viewWidth_ = 0.0, viewHeight_ = 0.0;
    double stroke_ = 0.0, fontSize_ = 0.0, arrow_ = 0.0;
};

}  // namespace

std::string RenderSvg(const Scene& scene, const Marks& marks) { return SvgBuilder(scene.extent, marks).Build(scene); }

}  // namespace runner
