// The drawing file reader: what a good file gives, and where a bad one is refused.
#include "runner/drawing_file.h"

#include <gtest/gtest.h>

namespace runner {
namespace {

std::string DrawingErrorOf(const std::string& text) {
    SourceError error;
    const std::optional<DrawingFile> drawing = ParseDrawing(text, "plate.drw", error);
    EXPECT_FALSE(drawing.has_value()) << "accepted:\n" << text;
    return error.ToString();
}

TEST(ZedrunnerDrawingFile, ReadsLayersOutlinesCornersAndCircles) {
    const std::string text =
        "# plate\n"
        "layer 0 name \"Outline \\\"A\\\"\" colour 2\r\n"
        "layer 7 name \"구멍\" colour 5 detect 0 visible 0\n"
        "current-layer 7\n"
        "outline layer 0 open linetype 3\n"
        "  line 0 0 10 0   # first\n"
        "  fillet 2\n"
        "  arc 10 5 10 0 10 10 ccw reversed\n"
        "end\n"
        "outline colour 9\n"
        "  line 0 0 1e1 0\n"
        "  line 10 0 0 10\n"
        "  chamfer 0.5\n"
        "  line 0 10 0 0\n"
        "end\n"
        "circle 3 4 +2.5 layer 0";
    SourceError error;
    const std::optional<DrawingFile> drawing = ParseDrawing(text, "plate.drw", error);
    ASSERT_TRUE(drawing.has_value()) << error.ToString();

    ASSERT_EQ(drawing->layers.size(), 2u);
    EXPECT_EQ(drawing->layers[0].name, "Outline \"A\"");
    EXPECT_EQ(drawing->layers[0].colour, 2);
    EXPECT_TRUE(drawing->layers[0].visible && drawing->layers[0].detect);
    EXPECT_EQ(drawing->layers[1].number, 7);
    EXPECT_EQ(drawing->layers[1].name, "구멍");
    EXPECT_FALSE(drawing->layers[1].visible || drawing->layers[1].detect);
    EXPECT_EQ(drawing->currentLayer, 7);

    ASSERT_EQ(drawing->shapes.size(), 3u);
    const ShapeEntry& first = drawing->shapes[0];
    EXPECT_EQ(first.line, 5);
    EXPECT_EQ(first.layer, 0);
    EXPECT_FALSE(first.closed);
    EXPECT_EQ(first.lineType, 3);
    EXPECT_FALSE(first.colour.has_value());
    ASSERT_EQ(first.elements.size(), 2u);
    ASSERT_TRUE(first.elements[0].corner.has_value());
    EXPECT_EQ(first.elements[0].corner->kind, CornerEntry::Kind::Fillet);
    EXPECT_EQ(first.elements[0].corner->size, 2.0);
    EXPECT_EQ(first.elements[0].corner->line, 7);
    EXPECT_EQ(first.elements[1].kind, ElementEntry::Kind::Arc);
    EXPECT_FALSE(first.elements[1].clockwise);
    EXPECT_TRUE(first.elements[1].storedReversed);
    EXPECT_FALSE(first.elements[0].storedReversed);
    EXPECT_EQ(first.elements[1].v[5], 10.0);

    // Outlines without a layer go on the current layer; they are closed unless told.
    const ShapeEntry& second = drawing->shapes[1];
    EXPECT_EQ(second.layer, 7);
    EXPECT_TRUE(second.closed);
    EXPECT_EQ(second.colour, 9);
    EXPECT_EQ(second.elements[0].v[2], 10.0);
    ASSERT_TRUE(second.elements[1].corner.has_value());
    EXPECT_EQ(second.elements[1].corner->kind, CornerEntry::Kind::Chamfer);

    const ShapeEntry& circle = drawing->shapes[2];
    EXPECT_EQ(circle.kind, ShapeEntry::Kind::Circle);
    EXPECT_EQ(circle.radius, 2.5);
    EXPECT_EQ(circle.layer, 0);
    EXPECT_EQ(LayerColour(*drawing, 7), 5);
}

TEST(ZedrunnerDrawingFile, DeclaresLayerZeroWhenTheFileDeclaresNone) {
    SourceError error;
    const std::optional<DrawingFile> empty = ParseDrawing("", "empty.drw", error);
    ASSERT_TRUE(empty.has_value());
    ASSERT_EQ(empty->layers.size(), 1u);
    EXPECT_EQ(empty->layers[0].number, 0);
    EXPECT_TRUE(empty->shapes.empty());

    // Only layer 0 then.
    EXPECT_EQ(DrawingErrorOf("outline layer 2\n line 0 0 1 0\n line 1 0 0 0\nend\n"),
              "plate.drw:1: layer 2 is not declared (add a 'layer 2' line)");
}

TEST(ZedrunnerDrawingFile, ArcsAreClockwiseOnlyWhenSaid) {
    SourceError error;
    const std::optional<DrawingFile> drawing =
        ParseDrawing("outline open\n arc 0 0 5 0 0 5 cw\n arc 0 10 0 5 -5 10 ccw\nend\n", "arcs.drw", error);
    ASSERT_TRUE(drawing.has_value()) << error.ToString();
    EXPECT_TRUE(drawing->shapes[0].elements[0].clockwise);
    EXPECT_FALSE(drawing->shapes[0].elements[1].clockwise);
}

TEST(ZedrunnerDrawingFile, NamesTheLineAndWhatWasExpected) {
    EXPECT_EQ(DrawingErrorOf("outline\n  line 0 0 100\nend\n"),
              "plate.drw:2: expected 4 numbers after 'line' (start x, y, end x, y)");
    EXPECT_EQ(DrawingErrorOf("outline\n  line 0 0 100 zero\nend\n"),
              "plate.drw:2: expected 4 numbers after 'line' (start x, y, end x, y), found 'zero'");
    EXPECT_EQ(DrawingErrorOf("outline\n  line 0 0 1 0 5\nend\n"), "plate.drw:2: expected 4 numbers after 'line', found more");
    EXPECT_EQ(DrawingErrorOf("outline\n arc 0 0 5 0 0 5\nend\n"),
              "plate.drw:2: expected cw or ccw after the 6 numbers of 'arc'");
    EXPECT_EQ(DrawingErrorOf("outline\n arc 0 0 5 0 0 5 left\nend\n"),
              "plate.drw:2: expected cw or ccw after the 6 numbers of 'arc'");
    EXPECT_EQ(DrawingErrorOf("\n\nrectangle 0 0 5 5\n"),
              "plate.drw:3: unknown statement 'rectangle' (expected layer, current-layer, outline, line, arc, fillet, "
              "chamfer, attribute, end or circle)");
    EXPECT_EQ(DrawingErrorOf("layer 1 name \"open\n"), "plate.drw:1: quoted text has no closing quote");
    EXPECT_EQ(DrawingErrorOf("layer 1 colour 16\n"), "plate.drw:1: expected a whole number from 0 to 15 after 'colour'");
    EXPECT_EQ(DrawingErrorOf("layer 1 colour 2 colour 3\n"), "plate.drw:1: 'colour' given twice");
    EXPECT_EQ(DrawingErrorOf("layer 1\nlayer 2\nlayer 1\n"), "plate.drw:3: layer 1 already declared on line 1");
    EXPECT_EQ(DrawingErrorOf("layer 1 shade 3\n"),
              "plate.drw:1: unknown layer option 'shade' (expected name, colour, visible or detect)");
    EXPECT_EQ(DrawingErrorOf("circle 1 2\n"), "plate.drw:1: expected 3 numbers after 'circle' (centre x, y and radius)");
    EXPECT_EQ(DrawingErrorOf("circle 1 2 0\n"), "plate.drw:1: circle radius must be above 0");
}

TEST(ZedrunnerDrawingFile, RefusesOutlinesThatAreNotChains) {
    EXPECT_EQ(DrawingErrorOf("outline\n line 0 0 10 0\n line 10 1 0 0\nend\n"),
              "plate.drw:3: line starts at (10, 1) but the element before ends at (10, 0)");
    EXPECT_EQ(DrawingErrorOf("outline closed\n line 0 0 10 0\n line 10 0 10 10\nend\n"),
              "plate.drw:4: closed outline ends at (10, 10), not where it starts (0, 0)");
    EXPECT_EQ(DrawingErrorOf("outline open\n arc 0 0 5 0 0 6 ccw\nend\n"),
              "plate.drw:2: arc end (0, 6) is not on the circle through its start (radius 5)");
    EXPECT_EQ(DrawingErrorOf("outline open\n arc 0 0 5 0 5 0 ccw\nend\n"),
              "plate.drw:2: arc ends where it starts (draw a whole circle with 'circle')");
    EXPECT_EQ(DrawingErrorOf("outline open\n line 3 3 3 3\nend\n"), "plate.drw:2: line has no length");
    // Points closer than a millionth meet.
    SourceError error;
    EXPECT_TRUE(ParseDrawing("outline\n line 0 0 10 0\n line 10.0000001 0 0 0\nend\n", "p", error).has_value())
        << error.ToString();
}

TEST(ZedrunnerDrawingFile, RefusesMisplacedStatements) {
    EXPECT_EQ(DrawingErrorOf("line 0 0 1 0\n"), "plate.drw:1: 'line' outside an outline (start one with 'outline')");
    EXPECT_EQ(DrawingErrorOf("end\n"), "plate.drw:1: 'end' without an outline");
    EXPECT_EQ(DrawingErrorOf("outline\n fillet 2\n"), "plate.drw:2: 'fillet' must follow a line or arc of an outline");
    EXPECT_EQ(DrawingErrorOf("outline\n line 0 0 1 0\n fillet 0\n"), "plate.drw:3: fillet size must be above 0");
    EXPECT_EQ(DrawingErrorOf("outline\n line 0 0 1 0\n chamfer 1\n fillet 1\n"),
              "plate.drw:4: the corner after line 2 already has a chamfer");
    EXPECT_EQ(DrawingErrorOf("outline open\n line 0 0 1 0\n line 1 0 1 1\n fillet 0.2\nend\n"),
              "plate.drw:4: an open outline has no corner after its last element");
    const std::string attribute = "expected 'attribute <number> text \"<text>\"' or 'attribute <number> integer <value>'";
    EXPECT_EQ(DrawingErrorOf("attribute 40270 text \"x\"\n"), "plate.drw:1: 'attribute' must stand inside an outline");
    EXPECT_EQ(DrawingErrorOf("outline\n attribute 40270 text x\n"), "plate.drw:2: " + attribute);
    EXPECT_EQ(DrawingErrorOf("outline\n attribute 40272 integer 1.5\n"), "plate.drw:2: " + attribute);
    EXPECT_EQ(DrawingErrorOf("outline\n attribute 40272\n"), "plate.drw:2: " + attribute);
    EXPECT_EQ(DrawingErrorOf("outline\n line 0 0 1 0\noutline\n"),
              "plate.drw:3: 'outline' inside an outline (missing 'end' for the outline of line 1?)");
    EXPECT_EQ(DrawingErrorOf("# two\n\noutline\n line 0 0 1 0\n line 1 0 0 0\n"), "plate.drw:3: outline has no 'end'");
    EXPECT_EQ(DrawingErrorOf("outline\nend\n"), "plate.drw:2: outline of line 1 has no elements");
}

TEST(ZedrunnerDrawingFile, LayersMustBeDeclared) {
    EXPECT_EQ(DrawingErrorOf("layer 0\ncircle 0 0 1 layer 4\n"),
              "plate.drw:2: layer 4 is not declared (add a 'layer 4' line)");
    EXPECT_EQ(DrawingErrorOf("layer 1\ncurrent-layer 0\n"), "plate.drw:2: layer 0 is not declared (add a 'layer 0' line)");
    // Declared later in the file is declared.
    SourceError error;
    EXPECT_TRUE(ParseDrawing("current-layer 3\nlayer 3\n", "p", error).has_value()) << error.ToString();
}

}  // namespace
}  // namespace runner
