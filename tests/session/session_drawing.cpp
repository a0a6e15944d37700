#include "tests/session/session_drawing.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "emuhost/emu_api.h"
#include "runner/drawing_file.h"
#include "runner/drawing_loader.h"

namespace session {
namespace {

struct Pt {
    double x, y;
};

std::string Num(double v) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    return buffer;
}

// Corners of a stepped plate, counter-clockwise: columns of random width on
// a grid of 10, each with its own bottom and top, so that concave corners
// come with the steps and facing edges stay at least 10 apart.
std::vector<Pt> SteppedCorners(std::mt19937& rng) {
    std::uniform_int_distribution<int> columns(1, 5), width(1, 3), top(3, 7), bottom(0, 2);
    const int n = columns(rng);
    std::vector<double> xs{0.0}, tops, bottoms;
    for (int i = 0; i < n; ++i) {
        xs.push_back(xs.back() + 10.0 * width(rng));
        tops.push_back(10.0 * top(rng));
        bottoms.push_back(10.0 * bottom(rng));
    }
    std::vector<Pt> points;
    for (int i = 0; i < n; ++i) {
        points.push_back({xs[i], bottoms[i]});
        points.push_back({xs[i + 1], bottoms[i]});
    }
    for (int i = n - 1; i >= 0; --i) {
        points.push_back({xs[i + 1], tops[i]});
        points.push_back({xs[i], tops[i]});
    }
    std::vector<Pt> kept;
    for (const Pt& p : points) {
        if (kept.empty() || std::hypot(kept.back().x - p.x, kept.back().y - p.y) > 1e-9) {
            kept.push_back(p);
        }
    }
    if (std::hypot(kept.front().x - kept.back().x, kept.front().y - kept.back().y) <= 1e-9) {
        kept.pop_back();
    }
    std::vector<Pt> corners;
    for (size_t i = 0; i < kept.size(); ++i) {
        const Pt a = kept[(i + kept.size() - 1) % kept.size()], b = kept[i], c = kept[(i + 1) % kept.size()];
        if (std::fabs((b.x - a.x) * (c.y - b.y) - (b.y - a.y) * (c.x - b.x)) > 1e-9) {
            corners.push_back(b);
        }
    }
    return corners;
}

// One element of an outline as the runner writes it, the chain's way.
struct Piece {
    bool arc = false;
    Pt centre{}, from{}, to{};
    bool clockwise = false;
    bool storedReversed = false;
    std::string corner;  // "", "fillet 1.5" or "chamfer 1"
};

Piece Turned(Piece p) {
    std::swap(p.from, p.to);
    p.clockwise = !p.clockwise;
    return p;
}

// The plate's chain: lines between the corners, about half the corners
// rounded with a quarter arc of radius 1 to 4; run clockwise when asked.
std::vector<Piece> PlateChain(const std::vector<Pt>& corners, bool clockwise, std::mt19937& rng) {
    std::uniform_int_distribution<int> radius(0, 8);
    const size_t n = corners.size();
    std::vector<double> round(n);
    for (double& r : round) {
        const int k = radius(rng);
        r = k <= 4 ? 0.0 : k - 4.0;
    }
    auto unit = [](Pt a, Pt b) {
        const double d = std::hypot(b.x - a.x, b.y - a.y);
        return Pt{(b.x - a.x) / d, (b.y - a.y) / d};
    };
    std::vector<Piece> chain;
    for (size_t i = 0; i < n; ++i) {
        const Pt from = corners[i], to = corners[(i + 1) % n];
        const Pt u = unit(from, to);
        if (round[i] > 0) {
            const Pt w = unit(corners[(i + n - 1) % n], from);
            const double r = round[i];
            Piece arc;
            arc.arc = true;
            arc.from = {from.x - r * w.x, from.y - r * w.y};
            arc.to = {from.x + r * u.x, from.y + r * u.y};
            arc.centre = {arc.from.x + r * u.x, arc.from.y + r * u.y};
            arc.clockwise = w.x * u.y - w.y * u.x < 0;
            chain.push_back(arc);
        }
        Piece line;
        line.from = {from.x + round[i] * u.x, from.y + round[i] * u.y};
        const double r2 = round[(i + 1) % n];
        line.to = {to.x - r2 * u.x, to.y - r2 * u.y};
        chain.push_back(line);
    }
    if (clockwise) {
        std::reverse(chain.begin(), chain.end());
        for (Piece& p : chain) {
            p = Turned(p);
        }
    }
    std::uniform_int_distribution<int> percent(0, 99);
    for (size_t i = 0; i < chain.size(); ++i) {
        chain[i].storedReversed = percent(rng) < 30;
        // Corner elements only between two lines long enough to keep a piece.
        const Piece& next = chain[(i + 1) % chain.size()];
        const auto length = [](const Piece& p) { return std::hypot(p.to.x - p.from.x, p.to.y - p.from.y); };
        if (!chain[i].arc && !next.arc && length(chain[i]) >= 6 && length(next) >= 6) {
            const int k = percent(rng);
            chain[i].corner = k < 15 ? "fillet 1.5" : k < 30 ? "chamfer 1" : "";
        }
    }
    return chain;
}

std::string OutlineText(const std::vector<Piece>& chain, bool closed, const std::string& attributes) {
    std::string text = "outline layer " + std::to_string(kPlateLayer) + (closed ? " closed\n" : " open\n");
    for (const Piece& p : chain) {
        if (p.arc) {
            text += "  arc " + Num(p.centre.x) + " " + Num(p.centre.y) + " " + Num(p.from.x) + " " + Num(p.from.y) +
                    " " + Num(p.to.x) + " " + Num(p.to.y) + (p.clockwise ? " cw" : " ccw");
        } else {
            text += "  line " + Num(p.from.x) + " " + Num(p.from.y) + " " + Num(p.to.x) + " " + Num(p.to.y);
        }
        text += p.storedReversed ? " reversed\n" : "\n";
        if (!p.corner.empty()) {
            text += "  " + p.corner + "\n";
        }
    }
    return text + attributes + "end\n";
}

std::vector<Piece> Rectangle(double x0, double y0, double x1, double y1) {
    const Pt a{x0, y0}, b{x1, y0}, c{x1, y1}, d{x0, y1};
    std::vector<Piece> chain(4);
    chain[0].from = a, chain[0].to = b;
    chain[1].from = b, chain[1].to = c;
    chain[2].from = c, chain[2].to = d;
    chain[3].from = d, chain[3].to = a;
    return chain;
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

// Any attribute values a shoulder's marks may hold, for one outline.
std::string TaggedAttributes(ZedId own, const std::vector<ZedId>& ownElements, const std::vector<ZedId>& segments,
                             const std::vector<ZedId>& elements, std::mt19937& rng) {
    std::uniform_int_distribution<int> percent(0, 99);
    auto any = [&rng](const std::vector<ZedId>& from) {
        return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(rng)];
    };
    auto number = [&]() -> long long {
        const int k = percent(rng);
        return k < 30   ? any(segments)
               : k < 45 ? own
               : k < 75 ? std::uniform_int_distribution<int>(1, 400)(rng)  // segments made later too
               : k < 85 ? std::uniform_int_distribution<int>(-5, 0)(rng)
               : k < 92 ? INT_MAX
                        : INT_MIN;
    };
    static const char* kTypes[] = {"SymbolShoulder", "symbolshoulder", "SYMBOLSHOULDER", "SymbolShoulder ",
                                   "Shoulder", ""};
    std::string text;
    if (percent(rng) < 90) {
        text += "  attribute 40270 text " + Quoted(kTypes[percent(rng) < 75 ? 0 : percent(rng) % 6]) + "\n";
    }
    const int list = percent(rng);
    if (list < 40) {
        // A run of the outline's own elements, as a real tag lists them.
        const size_t length = std::uniform_int_distribution<size_t>(1, 3)(rng);
        const size_t start = std::uniform_int_distribution<size_t>(0, ownElements.size() - 1)(rng);
        std::string ids;
        for (size_t i = 0; i < length; ++i) {
            ids += (i ? "," : "") + std::to_string(ownElements[(start + i) % ownElements.size()]);
        }
        text += "  attribute 40271 text " + Quoted(ids) + "\n";
    } else if (list < 70) {
        std::string ids;
        const int count = std::uniform_int_distribution<int>(0, 11)(rng);
        for (int i = 0; i < count; ++i) {
            const int k = percent(rng);
            ids += (percent(rng) < 10 ? ",," : ",") +
                   (k < 70 ? std::to_string(any(elements)) : k < 85 ? std::to_string(number()) : "99999999999");
        }
        text += "  attribute 40271 text " + Quoted(ids) + "\n";
    } else if (list < 80) {
        static const char* kGarbage[] = {"x", ",,,", "1;2", " 3, 4", "상면", "-", "1e3", "0x10"};
        text += "  attribute 40271 text " + Quoted(kGarbage[percent(rng) % 8]) + "\n";
    } else if (list < 88) {
        text += "  attribute 40271 integer " + std::to_string(any(elements)) + "\n";
    }
    for (int attribute = 40272; attribute <= 40276; ++attribute) {
        const int k = percent(rng);
        if (k < 45) {
            text += "  attribute " + std::to_string(attribute) + " integer " + std::to_string(number()) + "\n";
        } else if (k < 55) {
            text += "  attribute " + std::to_string(attribute) + " text " + Quoted(std::to_string(number())) + "\n";
        }
    }
    // Earlier shoulders: entries of the outline's own elements or of any
    // ids, each with five parts of any value or none, or text of no entry.
    const int earlier = percent(rng);
    if (earlier < 40) {
        std::string entries;
        for (int n = std::uniform_int_distribution<int>(1, 3)(rng); n > 0; --n) {
            const size_t start = std::uniform_int_distribution<size_t>(0, ownElements.size() - 1)(rng);
            std::string entry = percent(rng) < 70 ? std::to_string(ownElements[start]) + "," +
                                                        std::to_string(ownElements[(start + 1) % ownElements.size()])
                                                  : std::to_string(any(elements));
            for (int part = 0; part < 5; ++part) {
                entry += ":" + (percent(rng) < 30 ? std::to_string(number()) : std::string());
            }
            entries += (entries.empty() ? "" : ";") + entry;
        }
        text += "  attribute 40277 text " + Quoted(entries) + "\n";
    } else if (earlier < 50) {
        static const char* kNoEntries[] = {"1,2,3", "1:2:3:4:5:6:7", ";", "x:::::", ":::::"};
        text += "  attribute 40277 text " + Quoted(kNoEntries[percent(rng) % 5]) + "\n";
    }
    return text;
}

}  // namespace

std::string LayOut(const std::string& text) {
    runner::SourceError error;
    const std::optional<runner::DrawingFile> drawing = runner::ParseDrawing(text, "session.drw", error);
    if (!drawing) {
        return "line " + std::to_string(error.line) + ": " + error.message;
    }
    if (!runner::LoadDrawing(*drawing, "session.drw", error)) {
        return "line " + std::to_string(error.line) + ": " + error.message;
    }
    return "";
}

std::string MakeDrawing(uint32_t seed, const DrawingOptions& options) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> percent(0, 99);
    const std::vector<Pt> corners = SteppedCorners(rng);
    std::vector<std::vector<Piece>> outlines{PlateChain(corners, percent(rng) < 50, rng)};
    std::vector<bool> closed{true};
    std::string loose;
    if (options.extras) {
        if (percent(rng) < 50) {
            outlines.push_back(Rectangle(250, 0, 250 + 10.0 * std::uniform_int_distribution<int>(1, 4)(rng), 30));
            closed.push_back(true);
        }
        if (percent(rng) < 30) {
            std::vector<Piece> open = Rectangle(250, 60, 280, 90);
            open.pop_back();
            outlines.push_back(open);
            closed.push_back(false);
        }
        if (percent(rng) < 30) {
            // A loose line along the plate's first corner's edge, as a cut line
            // left by hand.
            Piece line;
            line.from = corners[0];
            line.to = corners[1];
            const double t = std::uniform_real_distribution<double>(0.2, 0.8)(rng);
            line.to = {line.from.x + t * (line.to.x - line.from.x), line.from.y + t * (line.to.y - line.from.y)};
            outlines.push_back({line});
            closed.push_back(false);
        }
        if (percent(rng) < 30) {
            loose = "circle 20 20 3 layer 3\n";
        }
    }
    const std::string head = "# Session drawing, seed " + std::to_string(seed) +
                             "\nlayer 0 name \"Notes\"\nlayer 3 name \"Holes\" colour 5\nlayer " +
                             std::to_string(kPlateLayer) + " name \"Plate\"\ncurrent-layer 0\n";
    auto text = [&](const std::vector<std::string>& attributes) {
        std::string out = head;
        for (size_t i = 0; i < outlines.size(); ++i) {
            out += OutlineText(outlines[i], closed[i], attributes.empty() ? "" : attributes[i]);
        }
        return out + loose;
    };
    if (!options.tagged) {
        return text({});
    }
    // Lay it out once to learn the ids the attributes may name.
    emu::Reset();
    if (!LayOut(text({})).empty()) {
        emu::Reset();
        return text({});
    }
    std::vector<ZedId> segments = emu::SegmentIds(), elements;
    for (const ZedId segment : segments) {
        const std::vector<ZedId> chain = emu::Chain(segment);
        elements.insert(elements.end(), chain.begin(), chain.end());
    }
    std::vector<std::string> attributes;
    for (size_t i = 0; i < outlines.size(); ++i) {
        const ZedId own = segments[i];
        const bool marked = i == 0 || percent(rng) < 40;
        attributes.push_back(marked ? TaggedAttributes(own, emu::Chain(own), segments, elements, rng) : "");
    }
    emu::Reset();
    return text(attributes);
}

}  // namespace session
