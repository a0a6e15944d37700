// The picture of the drawing: well-formed, fitted to the drawing, arcs turning
// the right way, and every kind of element shown.
#include "runner/svg_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <regex>
#include <vector>

#include "emuhost/emu_api.h"
#include "runner/drawing_file.h"
#include "runner/drawing_loader.h"

namespace runner {
namespace {

// Every tag closes in order, attribute quotes pair up, and there is one root.
::testing::AssertionResult WellFormed(const std::string& svg) {
    std::vector<std::string> open;
    int roots = 0;
    size_t at = 0;
    while ((at = svg.find('<', at)) != std::string::npos) {
        if (svg.compare(at, 4, "<!--") == 0) {
            const size_t end = svg.find("-->", at);
            if (end == std::string::npos) {
                return ::testing::AssertionFailure() << "unclosed comment at " << at;
            }
            at = end + 3;
            continue;
        }
        const size_t end = svg.find('>', at);
        if (end == std::string::npos) {
            return ::testing::AssertionFailure() << "unclosed tag at " << at;
        }
        const std::string tag = svg.substr(at + 1, end - at - 1);
        at = end + 1;
        if (tag.front() == '?') {
            continue;
        }
        if (std::count(tag.begin(), tag.end(), '"') % 2 != 0) {
            return ::testing::AssertionFailure() << "unpaired quote in <" << tag << ">";
        }
        if (tag.front() == '/') {
            if (open.empty() || open.back() != tag.substr(1)) {
                return ::testing::AssertionFailure() << "</" << tag.substr(1) << "> closes nothing open";
            }
            open.pop_back();
            continue;
        }
        const std::string name = tag.substr(0, tag.find_first_of(" />"));
        if (open.empty()) {
            ++roots;
        }
        if (tag.back() != '/') {
            open.push_back(name);
        }
    }
    if (!open.empty()) {
        return ::testing::AssertionFailure() << "<" << open.back() << "> never closed";
    }
    if (roots != 1) {
        return ::testing::AssertionFailure() << roots << " root elements";
    }
    return ::testing::AssertionSuccess();
}

std::string Attribute(const std::string& svg, const std::string& name) {
    std::smatch match;
    const std::regex pattern(" " + name + "=\"([^\"]*)\"");
    return std::regex_search(svg, match, pattern) ? match[1].str() : std::string();
}

class ZedrunnerSvgTest : public testing::Test {
protected:
    void SetUp() override { emu::Reset(); }
    void TearDown() override { emu::Reset(); }

    // Lays out a drawing file's text; fails the test when it is refused.
    void Lay(const std::string& text) {
        SourceError error;
        const std::optional<DrawingFile> drawing = ParseDrawing(text, "test.drw", error);
        ASSERT_TRUE(drawing.has_value()) << error.ToString();
        ASSERT_TRUE(LoadDrawing(*drawing, "test.drw", error).has_value()) << error.ToString();
    }
};

TEST_F(ZedrunnerSvgTest, CounterClockwiseArcsSweepTheOtherWayOnScreen) {
    // A quarter from (10, 0) to (0, 10) about the origin, counter-clockwise:
    // with y flipped it is drawn anticlockwise on screen, sweep flag 0.
    Lay("outline open\n arc 0 0 10 0 0 10 ccw\nend\n");
    const std::string svg = RenderDrawingSvg();
    EXPECT_TRUE(WellFormed(svg));
    EXPECT_NE(svg.find("d=\"M 10 0 A 10 10 0 0 0 0 -10\""), std::string::npos) << svg;
    // The quarter spans x and y from 0 to 10, plus a tenth of that all round.
    EXPECT_EQ(Attribute(svg, "viewBox"), "-1 -11 12 12");
}

TEST_F(ZedrunnerSvgTest, ClockwiseArcsOverHalfATurnUseTheLargeArc) {
    // The same ends clockwise: three quarters through (0, -10) and (-10, 0).
    Lay("outline open\n arc 0 0 10 0 0 10 cw\nend\n");
    const std::string svg = RenderDrawingSvg();
    EXPECT_TRUE(WellFormed(svg));
    EXPECT_NE(svg.find("d=\"M 10 0 A 10 10 0 1 1 0 -10\""), std::string::npos) << svg;
    EXPECT_EQ(Attribute(svg, "viewBox"), "-12 -12 24 24");
    EXPECT_EQ(Attribute(svg, "width"), "1000");
    EXPECT_EQ(Attribute(svg, "height"), "1000");
}

TEST_F(ZedrunnerSvgTest, ShowsFiguresInTheirColoursAndLineTypes) {
    Lay("layer 0 colour 0\n"
        "layer 2 colour 5\n"
        "layer 4 colour 3 visible 0\n"
        "outline layer 2 closed\n"
        "  line 0 0 100 0\n  chamfer 5\n  line 100 0 100 50\n  fillet 10\n  line 100 50 0 50\n  line 0 50 0 0\n"
        "end\n"
        "outline layer 0 open colour 11 linetype 1\n  line 0 -10 100 -10\nend\n"
        "circle 50 25 5 layer 0\n"
        "circle 500 500 5 layer 4\n");
    const std::string svg = RenderDrawingSvg();
    EXPECT_TRUE(WellFormed(svg));
    // The outline takes its layer's colour (5, red), the open line its own (11, blue) and dashes.
    EXPECT_NE(svg.find("<line class=\"chamfer\""), std::string::npos);
    EXPECT_NE(svg.find("<path class=\"fillet\""), std::string::npos);
    EXPECT_NE(svg.find("x1=\"0\" y1=\"0\" x2=\"95\" y2=\"0\" stroke=\"#ff0000\"/>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("x1=\"0\" y1=\"10\" x2=\"100\" y2=\"10\" stroke=\"#0000ff\" stroke-dasharray="),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find("<circle class=\"circle\" data-element=\""), std::string::npos);
    EXPECT_NE(svg.find("cx=\"50\" cy=\"-25\" r=\"5\" stroke=\"#ffffff\""), std::string::npos) << svg;
    // The hidden layer's circle is neither drawn nor counted in the view.
    EXPECT_EQ(svg.find("cx=\"500\""), std::string::npos);
    EXPECT_NE(svg.find("on hidden layer 4 -->"), std::string::npos);
    EXPECT_EQ(Attribute(svg, "viewBox"), "-10 -60 120 80");
    EXPECT_NE(svg.find("<rect class=\"background\" x=\"-10\" y=\"-60\" width=\"120\" height=\"80\" fill=\"#000000\"/>"),
              std::string::npos);
}

TEST_F(ZedrunnerSvgTest, ShowsDimensionsWithTheirValuesAndNotesWithTheirTexts) {
    Lay("layer 0 colour 2\n"
        "outline open\n  line 0 0 100 0\n  arc 100 10 100 0 110 10 ccw\nend\n");
    const std::vector<ZedId> chain = emu::Chain(emu::SegmentIds().front());
    ASSERT_EQ(chain.size(), 2u);

    ZedLengthDim length{};
    length.first = ZedPoint{0, 0};
    length.second = ZedPoint{100, 0};
    length.firstElement = length.secondElement = -1;  // measures no element
    length.offset = -12.0;
    length.flag80 = 1;
    ASSERT_GE(ZedDimCreateLineLength(ZedSgmCreateSegment(ZED_SGM_DIMENSION, 0), &length), 0);
    ZedRadiusDim radius{};
    radius.flag4 = 1;
    radius.arcElement = chain[1];
    radius.textPoint = ZedPoint{130, 30};
    ASSERT_GE(ZedDimCreateRadius(ZedSgmCreateSegment(ZED_SGM_DIMENSION, 0), &radius), 0);
    const ZedString text = emu::FromUtf8("깊이 <5> & \"more\"");
    ZedLeader leader{};
    leader.kind = ZED_LEADER_KIND;
    leader.first = ZedPoint{50, 0};
    leader.second = ZedPoint{60, 20};
    leader.third = leader.second;
    leader.text = text.c_str();
    leader.one112 = 1;
    leader.four144 = 4;
    leader.three152 = 3.0;
    leader.two160 = 2.0;
    ASSERT_GE(ZedCmtCreateLeader(ZedSgmCreateSegment(ZED_SGM_NOTE, 0), &leader), 0);

    const std::string svg = RenderDrawingSvg();
    EXPECT_TRUE(WellFormed(svg));
    // The dimension line lies 12 to the right of (0, 0) -> (100, 0), i.e. at y = -12; its
    // value, 100, sits further out still; in the layer's colour (2, green).
    EXPECT_NE(svg.find("<line class=\"dimension-line\" x1=\"0\" y1=\"12\" x2=\"100\" y2=\"12\" stroke=\"#3cff50\"/>"),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find("stroke=\"none\">100</text>"), std::string::npos) << svg;
    EXPECT_NE(svg.find(">R10</text>"), std::string::npos) << svg;
    EXPECT_NE(svg.find(">깊이 &lt;5&gt; &amp; &quot;more&quot;</text>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("<line class=\"leader\" x1=\"50\" y1=\"0\" x2=\"60\" y2=\"-20\""), std::string::npos) << svg;
    // The view takes in the radius dimension's text point.
    const std::string view = Attribute(svg, "viewBox");
    EXPECT_EQ(view, "-13 -43 156 68") << view;
}

TEST_F(ZedrunnerSvgTest, ShowsHolesInTheirLayersColour) {
    const char* source = std::getenv("LEDGEWRIGHT_SOURCE_DIR");
    if (source == nullptr) {
        GTEST_SKIP() << "needs LEDGEWRIGHT_SOURCE_DIR for the sample hole master";
    }
    Lay("layer 0\nlayer 3 colour 5\n");
    const ZedString master = emu::FromUtf8(std::string(source) + "/emuhost/zed_ap/Ledgewright.hol");
    ZedHoleData data{};
    ASSERT_EQ(ZedHolGetHoleMaster(master.c_str(), &data), 0);
    const ZedPoint centre{10, 20};
    const ZedId hole = ZedHolCreateHole(0, &centre, &data);
    ZedHolFreeHoleData(&data);
    ASSERT_GE(hole, 0);
    ASSERT_FALSE(emu::HoleSegments(hole).empty());

    const std::string svg = RenderDrawingSvg();
    EXPECT_TRUE(WellFormed(svg));
    const std::string group = "<g class=\"figure hole\" data-segment=\"" + std::to_string(emu::HoleSegments(hole)[0]) +
                              "\" data-layer=\"3\" data-hole=\"" + std::to_string(hole) + "\">";
    const size_t at = svg.find(group);
    ASSERT_NE(at, std::string::npos) << svg;
    EXPECT_NE(svg.find("stroke=\"#ff0000\"", at), std::string::npos) << svg;
}

TEST_F(ZedrunnerSvgTest, AnEmptyDrawingGivesAnEmptyPicture) {
    const std::string svg = RenderDrawingSvg();
    EXPECT_TRUE(WellFormed(svg));
    EXPECT_EQ(Attribute(svg, "viewBox"), "-60 -60 120 120");
}

}  // namespace
}  // namespace runner
