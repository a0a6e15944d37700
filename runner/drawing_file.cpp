#include "runner/drawing_file.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "runner/tokens.h"

namespace runner {

namespace {

// Points of a chain closer than this meet (the emulated host's own tolerance).
constexpr double kMeet = 1e-6;

std::string Point(double x, double y) { return "(" + FormatNumber(x, 6) + ", " + FormatNumber(y, 6) + ")"; }

bool Meet(double ax, double ay, double bx, double by) { return std::hypot(ax - bx, ay - by) <= kMeet; }

double StartX(const ElementEntry& e) { return e.kind == ElementEntry::Kind::Line ? e.v[0] : e.v[2]; }
double StartY(const ElementEntry& e) { return e.kind == ElementEntry::Kind::Line ? e.v[1] : e.v[3]; }
double EndX(const ElementEntry& e) { return e.kind == ElementEntry::Kind::Line ? e.v[2] : e.v[4]; }
double EndY(const ElementEntry& e) { return e.kind == ElementEntry::Kind::Line ? e.v[3] : e.v[5]; }

// The option words of a statement after its fixed part: "word value" pairs and single words.
class OptionWords {
public:
    OptionWords(const std::vector<Token>& tokens, size_t first) : tokens_(tokens), next_(first) {}

    bool Done() const { return next_ >= tokens_.size(); }
    const Token& Word() const { return tokens_[next_]; }
    void Skip() { ++next_; }
    // The word after the current one, consumed with it; nullptr at the end.
    const Token* Value() {
        if (next_ + 1 >= tokens_.size()) {
            return nullptr;
        }
        next_ += 2;
        return &tokens_[next_ - 1];
    }

private:
    const std::vector<Token>& tokens_;
    size_t next_;
};

class DrawingParser {
public:
    DrawingParser(const std::string& fileName, SourceError& error) : error_(error) { error_.file = fileName; }

    std::optional<DrawingFile> Parse(std::string_view text) {
        const std::vector<std::string> lines = SplitLines(text);
        for (size_t i = 0; i < lines.size(); ++i) {
            line_ = static_cast<int>(i) + 1;
            std::vector<Token> tokens;
            std::string problem;
            if (!Tokenize(lines[i], tokens, problem)) {
                return Fail(problem);
            }
            if (tokens.empty()) {
                continue;
            }
            if (tokens[0].quoted) {
                return Fail("expected a statement, found quoted text");
            }
            if (!Statement(tokens)) {
                return std::nullopt;
            }
        }
        if (outline_) {
            line_ = outline_->line;
            return Fail("outline has no 'end'");
        }
        if (!CheckLayers()) {
            return std::nullopt;
        }
        return std::move(drawing_);
    }

private:
    std::nullopt_t Fail(const std::string& message) {
        error_.line = line_;
        error_.message = message;
        return std::nullopt;
    }

    bool Statement(const std::vector<Token>& tokens) {
        const std::string& keyword = tokens[0].text;
        if (keyword == "layer") {
            return LayerStatement(tokens);
        }
        if (keyword == "current-layer") {
            return CurrentLayerStatement(tokens);
        }
        if (keyword == "outline") {
            return OutlineStatement(tokens);
        }
        if (keyword == "circle") {
            return CircleStatement(tokens);
        }
        if (keyword == "line" || keyword == "arc") {
            return ElementStatement(tokens);
        }
        if (keyword == "fillet" || keyword == "chamfer") {
            return CornerStatement(tokens);
        }
        if (keyword == "attribute") {
            return AttributeStatement(tokens);
        }
        if (keyword == "end") {
            return EndStatement(tokens);
        }
        Fail("unknown statement '" + keyword +
             "' (expected layer, current-layer, outline, line, arc, fillet, chamfer, attribute, end or circle)");
        return false;
    }

    // Reads `count` numbers after the keyword into `out`; `hint` says what they are.
    bool Numbers(const std::vector<Token>& tokens, size_t count, double* out, const std::string& hint) {
        const std::string expected = "expected " + std::to_string(count) + (count == 1 ? " number" : " numbers") +
                                     " after '" + tokens[0].text + "'" + (hint.empty() ? "" : " (" + hint + ")");
        if (tokens.size() < count + 1) {
            Fail(expected);
            return false;
        }
        for (size_t k = 0; k < count; ++k) {
            const std::optional<double> number = tokens[k + 1].quoted ? std::nullopt : ParseNumber(tokens[k + 1].text);
            if (!number) {
                Fail(expected + ", found '" + tokens[k + 1].text + "'");
                return false;
            }
            out[k] = *number;
        }
        return true;
    }

    bool IntegerValue(const Token* value, const std::string& option, int low, int high, int& out) {
        const std::optional<int> number = value == nullptr || value->quoted ? std::nullopt : ParseInteger(value->text);
        if (!number || *number < low || *number > high) {
            Fail("expected a whole number from " + std::to_string(low) + " to " + std::to_string(high) + " after '" +
                 option + "'");
            return false;
        }
        out = *number;
        return true;
    }

    bool OnceOnly(bool& seen, const std::string& option) {
        if (seen) {
            Fail("'" + option + "' given twice");
            return false;
        }
        seen = true;
        return true;
    }

    bool NotInOutline(const std::string& keyword) {
        if (outline_) {
            Fail("'" + keyword + "' inside an outline (missing 'end' for the outline of line " +
                 std::to_string(outline_->line) + "?)");
            return false;
        }
        return true;
    }

    bool LayerStatement(const std::vector<Token>& tokens) {
        if (!NotInOutline("layer")) {
            return false;
        }
        LayerEntry layer;
        layer.line = line_;
        const Token* number = tokens.size() > 1 ? &tokens[1] : nullptr;
        if (!IntegerValue(number, "layer", 0, 999999, layer.number)) {
            return false;
        }
        for (const LayerEntry& other : drawing_.layers) {
            if (other.number == layer.number) {
                Fail("layer " + std::to_string(layer.number) + " already declared on line " +
                     std::to_string(other.line));
                return false;
            }
        }
        OptionWords options(tokens, 2);
        bool seenName = false, seenColour = false, seenVisible = false, seenDetect = false;
        while (!options.Done()) {
            const std::string word = options.Word().text;
            if (word == "name") {
                const Token* value = options.Value();
                if (!OnceOnly(seenName, word)) {
                    return false;
                }
                if (value == nullptr) {
                    Fail("expected a name after 'name'");
                    return false;
                }
                layer.name = value->text;
            } else if (word == "colour" || word == "color") {
                if (!OnceOnly(seenColour, word) || !IntegerValue(options.Value(), word, 0, 15, layer.colour)) {
                    return false;
                }
            } else if (word == "visible" || word == "detect") {
                int flag = 0;
                if (!OnceOnly(word == "visible" ? seenVisible : seenDetect, word) ||
                    !IntegerValue(options.Value(), word, 0, 1, flag)) {
                    return false;
                }
                (word == "visible" ? layer.visible : layer.detect) = flag != 0;
            } else {
                Fail("unknown layer option '" + word + "' (expected name, colour, visible or detect)");
                return false;
            }
        }
        declaredLayers_ = true;
        drawing_.layers.push_back(std::move(layer));
        return true;
    }

    bool CurrentLayerStatement(const std::vector<Token>& tokens) {
        if (!NotInOutline("current-layer")) {
            return false;
        }
        if (tokens.size() != 2) {
            Fail("expected one layer number after 'current-layer'");
            return false;
        }
        if (!IntegerValue(&tokens[1], "current-layer", 0, 999999, drawing_.currentLayer)) {
            return false;
        }
        layerUses_.emplace_back(line_, drawing_.currentLayer);
        return true;
    }

    // The options shared by outlines and circles: layer, colour, linetype.
    bool ShapeOption(OptionWords& options, ShapeEntry& shape, bool& seenLayer, bool& seenColour, bool& seenType,
                     bool& handled) {
        const std::string word = options.Word().text;
        handled = true;
        if (word == "layer") {
            if (!OnceOnly(seenLayer, word) || !IntegerValue(options.Value(), word, 0, 999999, shape.layer)) {
                return false;
            }
        } else if (word == "colour" || word == "color") {
            int colour = 0;
            if (!OnceOnly(seenColour, word) || !IntegerValue(options.Value(), word, 0, 15, colour)) {
                return false;
            }
            shape.colour = colour;
        } else if (word == "linetype") {
            if (!OnceOnly(seenType, word) || !IntegerValue(options.Value(), word, 0, 9, shape.lineType)) {
                return false;
            }
        } else {
            handled = false;
        }
        return true;
    }

    bool OutlineStatement(const std::vector<Token>& tokens) {
        if (!NotInOutline("outline")) {
            return false;
        }
        ShapeEntry shape;
        shape.line = line_;
        shape.layer = drawing_.currentLayer;
        OptionWords options(tokens, 1);
        bool seenLayer = false, seenColour = false, seenType = false, seenClosure = false;
        while (!options.Done()) {
            const std::string word = options.Word().text;
            bool handled = false;
            if (!ShapeOption(options, shape, seenLayer, seenColour, seenType, handled)) {
                return false;
            }
            if (handled) {
                continue;
            }
            if (word == "open" || word == "closed") {
                if (!OnceOnly(seenClosure, "open/closed")) {
                    return false;
                }
                shape.closed = word == "closed";
                options.Skip();
                continue;
            }
            Fail("unknown outline option '" + word + "' (expected layer, open, closed, colour or linetype)");
            return false;
        }
        layerUses_.emplace_back(line_, shape.layer);
        outline_ = std::move(shape);
        return true;
    }

    bool CircleStatement(const std::vector<Token>& tokens) {
        if (!NotInOutline("circle")) {
            return false;
        }
        ShapeEntry shape;
        shape.line = line_;
        shape.kind = ShapeEntry::Kind::Circle;
        shape.layer = drawing_.currentLayer;
        double numbers[3];
        if (!Numbers(tokens, 3, numbers, "centre x, y and radius")) {
            return false;
        }
        shape.centreX = numbers[0];
        shape.centreY = numbers[1];
        shape.radius = numbers[2];
        if (shape.radius <= 0.0) {
            Fail("circle radius must be above 0");
            return false;
        }
        OptionWords options(tokens, 4);
        bool seenLayer = false, seenColour = false, seenType = false;
        while (!options.Done()) {
            bool handled = false;
            if (!ShapeOption(options, shape, seenLayer, seenColour, seenType, handled)) {
                return false;
            }
            if (!handled) {
                Fail("unknown circle option '" + options.Word().text + "' (expected layer, colour or linetype)");
                return false;
            }
        }
        layerUses_.emplace_back(line_, shape.layer);
        drawing_.shapes.push_back(std::move(shape));
        return true;
    }

    bool ElementStatement(const std::vector<Token>& tokens) {
        const std::string& keyword = tokens[0].text;
        if (!outline_) {
            Fail("'" + keyword + "' outside an outline (start one with 'outline')");
            return false;
        }
        ElementEntry element;
        element.line = line_;
        // A trailing "reversed": the element is stored the other way round.
        std::vector<Token> words = tokens;
        if (words.size() > 1 && !words.back().quoted && words.back().text == "reversed") {
            element.storedReversed = true;
            words.pop_back();
        }
        return ElementWords(words, element);
    }

    bool ElementWords(const std::vector<Token>& tokens, ElementEntry& element) {
        const std::string& keyword = tokens[0].text;
        if (keyword == "line") {
            if (!Numbers(tokens, 4, element.v, "start x, y, end x, y")) {
                return false;
            }
            if (tokens.size() > 5) {
                Fail("expected 4 numbers after 'line', found more");
                return false;
            }
            if (Meet(element.v[0], element.v[1], element.v[2], element.v[3])) {
                Fail("line has no length");
                return false;
            }
        } else {
            element.kind = ElementEntry::Kind::Arc;
            if (!Numbers(tokens, 6, element.v, "centre x, y, start x, y, end x, y, then cw or ccw")) {
                return false;
            }
            if (tokens.size() != 8 || (tokens[7].text != "cw" && tokens[7].text != "ccw")) {
                Fail("expected cw or ccw after the 6 numbers of 'arc'");
                return false;
            }
            element.clockwise = tokens[7].text == "cw";
            const double radius = std::hypot(element.v[2] - element.v[0], element.v[3] - element.v[1]);
            const double endRadius = std::hypot(element.v[4] - element.v[0], element.v[5] - element.v[1]);
            if (radius <= kMeet) {
                Fail("arc has no radius (its start is its centre)");
                return false;
            }
            if (Meet(element.v[2], element.v[3], element.v[4], element.v[5])) {
                Fail("arc ends where it starts (draw a whole circle with 'circle')");
                return false;
            }
            if (std::fabs(radius - endRadius) > kMeet * std::max(1.0, radius)) {
                Fail("arc end " + Point(element.v[4], element.v[5]) +
                     " is not on the circle through its start (radius " + FormatNumber(radius, 6) + ")");
                return false;
            }
        }
        if (!outline_->elements.empty()) {
            const ElementEntry& previous = outline_->elements.back();
            if (!Meet(EndX(previous), EndY(previous), StartX(element), StartY(element))) {
                Fail(keyword + " starts at " + Point(StartX(element), StartY(element)) +
                     " but the element before ends at " + Point(EndX(previous), EndY(previous)));
                return false;
            }
        }
        outline_->elements.push_back(element);
        return true;
    }

    bool CornerStatement(const std::vector<Token>& tokens) {
        const std::string& keyword = tokens[0].text;
        if (!outline_ || outline_->elements.empty()) {
            Fail("'" + keyword + "' must follow a line or arc of an outline");
            return false;
        }
        double size = 0.0;
        if (!Numbers(tokens, 1, &size, keyword == "fillet" ? "radius" : "distance")) {
            return false;
        }
        if (tokens.size() > 2) {
            Fail("expected 1 number after '" + keyword + "', found more");
            return false;
        }
        if (size <= 0.0) {
            Fail(keyword + " size must be above 0");
            return false;
        }
        ElementEntry& element = outline_->elements.back();
        if (element.corner) {
            Fail("the corner after line " + std::to_string(element.line) + " already has a " +
                 (element.corner->kind == CornerEntry::Kind::Fillet ? "fillet" : "chamfer"));
            return false;
        }
        element.corner =
            CornerEntry{line_, keyword == "fillet" ? CornerEntry::Kind::Fillet : CornerEntry::Kind::Chamfer, size};
        return true;
    }

    // attribute <number> text "<text>" | attribute <number> integer <value>
    bool AttributeStatement(const std::vector<Token>& tokens) {
        if (!outline_) {
            Fail("'attribute' must stand inside an outline");
            return false;
        }
        const std::optional<int> number =
            tokens.size() > 1 && !tokens[1].quoted ? ParseInteger(tokens[1].text) : std::nullopt;
        const bool text = tokens.size() == 4 && !tokens[2].quoted && tokens[2].text == "text" && tokens[3].quoted;
        const std::optional<int> integer = tokens.size() == 4 && !tokens[2].quoted && tokens[2].text == "integer" &&
                                                   !tokens[3].quoted
                                               ? ParseInteger(tokens[3].text)
                                               : std::nullopt;
        if (!number || (!text && !integer)) {
            Fail("expected 'attribute <number> text \"<text>\"' or 'attribute <number> integer <value>'");
            return false;
        }
        outline_->attributes.push_back(AttributeEntry{line_, *number, text, text ? tokens[3].text : "",
                                                      integer.value_or(0)});
        return true;
    }

    bool EndStatement(const std::vector<Token>& tokens) {
        if (!outline_) {
            Fail("'end' without an outline");
            return false;
        }
        if (tokens.size() != 1) {
            Fail("expected nothing after 'end'");
            return false;
        }
        ShapeEntry& shape = *outline_;
        if (shape.elements.empty()) {
            Fail("outline of line " + std::to_string(shape.line) + " has no elements");
            return false;
        }
        const ElementEntry& first = shape.elements.front();
        const ElementEntry& last = shape.elements.back();
        if (shape.closed && !Meet(EndX(last), EndY(last), StartX(first), StartY(first))) {
            Fail("closed outline ends at " + Point(EndX(last), EndY(last)) + ", not where it starts " +
                 Point(StartX(first), StartY(first)));
            return false;
        }
        if (!shape.closed && last.corner) {
            line_ = last.corner->line;
            Fail("an open outline has no corner after its last element");
            return false;
        }
        drawing_.shapes.push_back(std::move(shape));
        outline_.reset();
        return true;
    }

    // Every layer used must be declared (layer 0 alone when the file declares none).
    bool CheckLayers() {
        if (!declaredLayers_) {
            drawing_.layers.push_back(LayerEntry{0, 0, "", 0, true, true});
        }
        for (const auto& [line, layer] : layerUses_) {
            bool known = false;
            for (const LayerEntry& declared : drawing_.layers) {
                known = known || declared.number == layer;
            }
            if (!known) {
                line_ = line;
                Fail("layer " + std::to_string(layer) + " is not declared (add a 'layer " + std::to_string(layer) +
                     "' line)");
                return false;
            }
        }
        return true;
    }

    SourceError& error_;
    int line_ = 0;
    DrawingFile drawing_;
    std::optional<ShapeEntry> outline_;  // the outline being read, until its 'end'
    bool declaredLayers_ = false;
    std::vector<std::pair<int, int>> layerUses_;  // (line, layer) in file order
};

}  // namespace

std::optional<DrawingFile> ParseDrawing(std::string_view text, const std::string& fileName, SourceError& error) {
    return DrawingParser(fileName, error).Parse(text);
}

int LayerColour(const DrawingFile& drawing, int layer) {
    for (const LayerEntry& entry : drawing.layers) {
        if (entry.number == layer) {
            return entry.colour;
        }
    }
    return 0;
}

}  // namespace runner
