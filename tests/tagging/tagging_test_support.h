// Shared set-up of the shoulder tagging and Delete mode tests: a drawing with
// one layer, hand-made shoulders and the figures to lay them out with.
#ifndef LEDGEWRIGHT_TESTS_TAGGING_TAGGING_TEST_SUPPORT_H
#define LEDGEWRIGHT_TESTS_TAGGING_TAGGING_TEST_SUPPORT_H

#include <string>
#include <vector>

#include "emuhost/emu_api.h"
#include "tests/support/plugin_test.h"

namespace tagging_test {

constexpr int kLayer = 1;
inline constexpr const char* kDeletePrompt = "삭제형상(모따기형상) 지시 :";
inline constexpr const char* kNotDeleted = "요소삭제를 진행할 수 없습니다.";
inline constexpr const char* kOverlaps = "형상이 겹쳐서 수정할 수 없습니다.";
inline constexpr const char* kPickShoulderElement = "턱걸이 형상의 요소를 지시하십시오.";

// A line from (x1, y1) to (x2, y2).
inline ZedFigure L(double x1, double y1, double x2, double y2) { return emu::Line(x1, y1, x2, y2); }

// A fresh drawing with layer 1 as the current layer and an empty shoulder
// memory.
class TaggingTest : public PluginTest {
protected:
    void SetUp() override;
    // Starts the command and types Delete: Delete mode then waits for a pick.
    void EnterDeleteMode();
};

// The three sides of a shoulder, in outline order.
struct Sides {
    ZedId first = -1;
    ZedId inner = -1;
    ZedId second = -1;
};

// A shoulder cut into a straight element of a closed outline the way the
// builders do it, with the toolkit's splice helpers: the outline is divided at
// p2, the head piece starts at p2 and the tail piece ends at p1, the three
// sides p1→q1→q2→p2 are built as a chain of their own and joined in.
struct CutShoulder {
    ZedId outline = -1;
    ZedId tail = -1;
    Sides sides;
    ZedId head = -1;
};
CutShoulder CutShoulderInto(ZedId outline, ZedPoint p1, ZedPoint p2, ZedPoint q1, ZedPoint q2);

// A real MC hole (the build folder's sample master, layer 3) about the
// centre; the segment that holds its circle.
ZedId MakeHole(double cx, double cy);

// Records the sides in the shoulder memory and tags the segment with them.
void TagShoulder(ZedId segment, const Sides& sides);

// Figures laid out in one new segment on layer 1, and their element ids in
// chain order. The figures are given the chain's way; those flagged in
// storedReversed the host stores turned round.
struct Laid {
    ZedId segment = -1;
    std::vector<ZedId> ids;
};
Laid LayOut(const std::vector<ZedFigure>& figures, bool closed, const std::vector<bool>& storedReversed = {});

// The element's figure written the chain's way, whichever way it is stored.
ZedFigure ChainFigureOf(ZedId element);

// An arc about (cx, cy) with the radius from the angle `from` to the angle `to`
// (degrees), counter-clockwise or clockwise.
ZedFigure ArcDegrees(double cx, double cy, double radius, double from, double to, int flag);
ZedPoint ArcPoint(double cx, double cy, double radius, double degrees);

ZedPoint StartOf(const ZedFigure& figure);
ZedPoint EndOf(const ZedFigure& figure);

// A chamfer record (kind 8) from (x1, y1) to (x2, y2).
ZedFigure Chamfer(double x1, double y1, double x2, double y2);

// "" when the segment's chain, each element taken the chain's way, is the
// expected outline point by point within 1e-9 (arcs also by centre, radius and
// sense; a corner as the plain arc or line it draws); otherwise what differs.
// A closed outline may start at any of its elements, an open one runs from
// the first expected figure.
std::string OutlineMismatch(ZedId segment, const std::vector<ZedFigure>& expected, bool closed);

}  // namespace tagging_test

#define EXPECT_POINT_NEAR(actual, ex, ey)         \
    do {                                          \
        const ZedPoint p_ = (actual);             \
        EXPECT_NEAR(p_.x, (ex), 1e-9) << #actual; \
        EXPECT_NEAR(p_.y, (ey), 1e-9) << #actual; \
    } while (0)

#endif  // LEDGEWRIGHT_TESTS_TAGGING_TAGGING_TEST_SUPPORT_H
