// Plan pattern A over many generated plates (a fixed seed): stepped outlines
// on a grid of 10, so that every two edges facing each other across open space
// are at least 10 apart, some corners rounded with arcs (convex and concave)
// or cut with fillet and chamfer corner elements, drawn either way round. A
// random straight edge gets a shoulder no deeper than 4 with random settings,
// then one random depth or width change. Invariants, judged without the
// host's in/out test: the outline stays one closed simple chain, the far
// corners are not inside the original plate and the shoulder's middle lies
// outside it, and a build is refused exactly when the end distance leaves no
// room or the shoulder would meet another part of the plate (a whole line
// between edges that run out of the plate, say), with nothing changed, and a
// change is refused exactly when its shoulder would.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

#include "base/line_pick.h"
#include "geometry/figure_record.h"
#include "patterns/plane_c.h"
#include "patterns/plane_d.h"
#include "patterns/side_a.h"
#include "patterns/side_b.h"
#include "patterns/side_c.h"
#include "tests/planea/planea_fixture.h"
#include "tests/support/build_profile_test.h"

namespace {

using plate::Pt;

struct Vertex {
    ZedPoint at;
    double round = 0.0;  // radius of the arc that replaces the corner, 0 for none
};

// A stepped plate: columns of random width, each with its own top and bottom
// height, listed counter-clockwise.
std::vector<ZedPoint> SteppedPlate(std::mt19937& random) {
    std::uniform_int_distribution<int> columns(2, 6), width(1, 3), top(3, 8), bottom(0, 2);
    const int n = columns(random);
    std::vector<double> xs{0.0}, tops, bottoms;
    for (int i = 0; i < n; ++i) {
        xs.push_back(xs.back() + 10.0 * width(random));
        tops.push_back(10.0 * top(random));
        bottoms.push_back(10.0 * bottom(random));
    }
    std::vector<ZedPoint> points;
    for (int i = 0; i < n; ++i) {  // bottom, left to right
        points.push_back(Pt(xs[i], bottoms[i]));
        points.push_back(Pt(xs[i + 1], bottoms[i]));
    }
    for (int i = n - 1; i >= 0; --i) {  // top, right to left
        points.push_back(Pt(xs[i + 1], tops[i]));
        points.push_back(Pt(xs[i], tops[i]));
    }
    // Drop repeated points (no step between equal heights) and points in the
    // middle of a straight run.
    std::vector<ZedPoint> kept;
    for (const ZedPoint& p : points) {
        if (kept.empty() || !plate::Near(kept.back(), p)) {
            kept.push_back(p);
        }
    }
    if (plate::Near(kept.front(), kept.back())) {
        kept.pop_back();
    }
    std::vector<ZedPoint> corners;
    for (size_t i = 0; i < kept.size(); ++i) {
        const ZedPoint a = kept[(i + kept.size() - 1) % kept.size()], b = kept[i], c = kept[(i + 1) % kept.size()];
        const double cross = (b.x - a.x) * (c.y - b.y) - (b.y - a.y) * (c.x - b.x);
        if (std::fabs(cross) > 1e-9) {
            corners.push_back(b);
        }
    }
    return corners;
}

ZedPoint Unit(ZedPoint a, ZedPoint b) {
    const double d = plate::Dist(a, b);
    return Pt((b.x - a.x) / d, (b.y - a.y) / d);
}

// The plate's chain: lines between the corners, with some corners replaced by
// a quarter arc tangent to both edges.
std::vector<ZedFigure> PlateChain(const std::vector<ZedPoint>& corners, std::mt19937& random) {
    std::uniform_int_distribution<int> radius(0, 8);
    std::vector<Vertex> v;
    for (const ZedPoint& p : corners) {
        const int r = radius(random);
        v.push_back(Vertex{p, r <= 4 ? 0.0 : r - 4.0});  // about half the corners, radius 1 to 4
    }
    const size_t n = v.size();
    std::vector<ZedFigure> chain;
    for (size_t i = 0; i < n; ++i) {
        const Vertex& from = v[i];
        const Vertex& to = v[(i + 1) % n];
        const ZedPoint u = Unit(from.at, to.at);
        if (from.round > 0) {
            const Vertex& before = v[(i + n - 1) % n];
            const ZedPoint w = Unit(before.at, from.at);
            const ZedPoint start = Pt(from.at.x - from.round * w.x, from.at.y - from.round * w.y);
            const ZedPoint end = Pt(from.at.x + from.round * u.x, from.at.y + from.round * u.y);
            const ZedPoint centre = Pt(start.x + from.round * u.x, start.y + from.round * u.y);
            const bool left = w.x * u.y - w.y * u.x > 0;
            const int flag = left ? ZED_ARC_CCW : ZED_ARC_CW;
            chain.push_back(emu::Arc(centre.x, centre.y, start.x, start.y, end.x, end.y, flag));
        }
        const ZedPoint a = Pt(from.at.x + from.round * u.x, from.at.y + from.round * u.y);
        const ZedPoint b = Pt(to.at.x - to.round * u.x, to.at.y - to.round * u.y);
        chain.push_back(emu::Line(a.x, a.y, b.x, b.y));
    }
    return chain;
}

// The same chain run the other way.
std::vector<ZedFigure> Reversed(std::vector<ZedFigure> chain) {
    std::reverse(chain.begin(), chain.end());
    for (ZedFigure& f : chain) {
        if (f.kind == ZED_FIG_LINE) {
            f = emu::Line(f.v[2], f.v[3], f.v[0], f.v[1]);
        } else {
            f = emu::Arc(f.v[0], f.v[1], f.v[4], f.v[5], f.v[2], f.v[3],
                         emu::ArcFlag(f) == ZED_ARC_CCW ? ZED_ARC_CW : ZED_ARC_CCW);
        }
    }
    return chain;
}

class PlaneARandomTest : public PlaneATest {
protected:
    // Rounds or cuts a few sharp corners between two lines with the host's
    // corner elements.
    static void AddCornerElements(ZedId outline, std::mt19937& random) {
        std::uniform_int_distribution<int> choice(0, 5);
        for (ZedId id : emu::Chain(outline)) {
            const int pick = choice(random);
            if (pick == 0) {
                emu::AddFillet(id, 1.5);
            } else if (pick == 1) {
                emu::AddChamfer(id, 1.0);
            }
        }
    }

    static std::vector<ZedId> Lines(ZedId outline) {
        std::vector<ZedId> lines;
        for (ZedId id : emu::Chain(outline)) {
            if (emu::FigureOf(id).kind == ZED_FIG_LINE) {
                lines.push_back(id);
            }
        }
        return lines;
    }

    // Whether a shoulder with these corners would meet the plate anywhere but
    // at the ends of its base: where one of its sides crosses or touches an
    // edge of the plate's polygon (a whole line between edges that run out of
    // the plate is met along those edges, away from the base's ends).
    static bool MeetsPlate(const std::vector<ZedPoint>& polygon, ZedPoint p1, ZedPoint q1, ZedPoint q2, ZedPoint p2) {
        constexpr double kTouch = 1e-6;
        const auto atBase = [&](ZedPoint x) { return plate::Near(x, p1, kTouch) || plate::Near(x, p2, kTouch); };
        const ZedPoint path[] = {p1, q1, q2, p2};
        for (int side = 0; side < 3; ++side) {
            const ZedPoint a = path[side], b = path[side + 1];
            for (size_t i = 0; i < polygon.size(); ++i) {
                const ZedPoint c = polygon[i], d = polygon[(i + 1) % polygon.size()];
                for (const auto& [x, y0, y1] : {std::tuple{a, c, d}, std::tuple{b, c, d}, std::tuple{c, a, b},
                                                std::tuple{d, a, b}}) {
                    if (plate::SegmentDistance(x, y0, y1) <= kTouch && !atBase(x)) {
                        return true;
                    }
                }
                // A crossing inside both: the ends of each lie on either side of
                // the other. A polygon edge from a base end crosses only by the
                // rounding of the arc's sampled points.
                if (atBase(c) || atBase(d)) {
                    continue;
                }
                const auto turn = [](ZedPoint o, ZedPoint e, ZedPoint p) {
                    return (e.x - o.x) * (p.y - o.y) - (e.y - o.y) * (p.x - o.x);
                };
                if (turn(a, b, c) * turn(a, b, d) < 0 && turn(c, d, a) * turn(c, d, b) < 0) {
                    return true;
                }
            }
        }
        return false;
    }

    // Whether the chain p1→q1→q2→p2 beside the plate would cross the plate's
    // outline: lie partly inside the polygon and partly outside it. Stretches
    // along an edge or touching one count as neither. Each side is cut where
    // an edge crosses it and where a corner of the polygon lies on it, and
    // each piece is judged by its middle.
    static bool CrossesPlate(const std::vector<ZedPoint>& polygon, ZedPoint p1, ZedPoint q1, ZedPoint q2,
                             ZedPoint p2) {
        constexpr double kTouch = 1e-6;
        bool inside = false;
        bool outside = false;
        const ZedPoint path[] = {p1, q1, q2, p2};
        for (int side = 0; side < 3; ++side) {
            const ZedPoint a = path[side], b = path[side + 1];
            const double dx = b.x - a.x, dy = b.y - a.y;
            const double length2 = dx * dx + dy * dy;
            std::vector<double> cuts{0.0, 1.0};
            for (size_t i = 0; i < polygon.size(); ++i) {
                const ZedPoint c = polygon[i], d = polygon[(i + 1) % polygon.size()];
                if (plate::SegmentDistance(c, a, b) <= kTouch) {
                    cuts.push_back(((c.x - a.x) * dx + (c.y - a.y) * dy) / length2);
                }
                const double ex = d.x - c.x, ey = d.y - c.y;
                const double denominator = dx * ey - dy * ex;
                if (denominator != 0.0) {
                    const double t = ((c.x - a.x) * ey - (c.y - a.y) * ex) / denominator;
                    const double u = ((c.x - a.x) * dy - (c.y - a.y) * dx) / denominator;
                    if (t >= 0.0 && t <= 1.0 && u >= 0.0 && u <= 1.0) {
                        cuts.push_back(t);
                    }
                }
            }
            std::sort(cuts.begin(), cuts.end());
            for (size_t i = 0; i + 1 < cuts.size(); ++i) {
                if ((cuts[i + 1] - cuts[i]) * std::sqrt(length2) <= kTouch) {
                    continue;
                }
                const double t = std::clamp((cuts[i] + cuts[i + 1]) / 2, 0.0, 1.0);
                const plate::Where where = plate::Locate(polygon, Pt(a.x + t * dx, a.y + t * dy));
                inside = inside || where == plate::Where::Inside;
                outside = outside || where == plate::Where::Outside;
            }
        }
        return inside && outside;
    }

    // The corners of a shoulder of the half-width about the middle of its
    // base, as deep as it is, towards where it stands.
    static bool MeetsPlateAt(const std::vector<ZedPoint>& polygon, ZedPoint mid, ZedPoint u, ZedPoint n,
                             double halfWidth, double depth) {
        const ZedPoint p1 = Pt(mid.x - halfWidth * u.x, mid.y - halfWidth * u.y);
        const ZedPoint p2 = Pt(mid.x + halfWidth * u.x, mid.y + halfWidth * u.y);
        return MeetsPlate(polygon, p1, Pt(p1.x + depth * n.x, p1.y + depth * n.y), Pt(p2.x + depth * n.x, p2.y + depth * n.y),
                          p2);
    }

    static void ExpectOutside(const std::vector<ZedPoint>& polygon, const std::string& where) {
        const ShoulderMemory& m = Shoulder();
        const ZedPoint p1 = LineStart(m.firstSide.record), q1 = LineEnd(m.firstSide.record);
        const ZedPoint q2 = LineEnd(m.innerSide.record);
        EXPECT_NE(plate::Locate(polygon, q1), plate::Where::Inside) << where;
        EXPECT_NE(plate::Locate(polygon, q2), plate::Where::Inside) << where;
        EXPECT_EQ(plate::Locate(polygon, Pt((p1.x + q2.x) / 2, (p1.y + q2.y) / 2)), plate::Where::Outside) << where;
    }
};

TEST_F(PlaneARandomTest, TheOutlineStaysClosedAndTheShoulderStandsOutside) {
    std::mt19937 random(20261207);
    std::uniform_real_distribution<double> width(2.0, 30.0), depth(0.5, 4.0), threshold(0.0, 20.0),
        distance(-1.0, 3.0), unit(0.0, 1.0);
    int built = 0, refused = 0, fullLine = 0, reshaped = 0, crowded = 0, overlapping = 0;
    for (int round = 0; round < 300; ++round) {
        SetUp();
        const std::string where = "round " + std::to_string(round);
        const bool clockwise = unit(random) < 0.5;
        std::vector<ZedFigure> chain = PlateChain(SteppedPlate(random), random);
        if (clockwise) {
            chain = Reversed(chain);
        }
        const ZedId outline = emu::AddOutline(kPlateLayer, chain, true);
        ASSERT_GT(outline, 0) << where;
        AddCornerElements(outline, random);
        ASSERT_EQ(emu::CheckIntegrity(outline), "") << where;
        const std::vector<ZedPoint> polygon = plate::Polygon(plate::Figures(outline));

        ShoulderSettingsRecord& s = ShoulderSettings;
        s.mMainWidth = width(random);
        s.mMainProtrude = depth(random);
        s.PA_IsWidthValue = unit(random) < 0.5 ? 1 : 0;
        s.PA_WidthValue = threshold(random);
        s.PA_WidthValueDistance = distance(random);
        s.PA_IsHoleDraw = unit(random) < 0.7 ? 1 : 0;
        s.PA_Hole = unit(random) < 0.3 ? 1 : 0;
        s.PA_IsLineDraw = unit(random) < 0.5 ? 1 : 0;

        const std::vector<ZedId> lines = Lines(outline);
        ASSERT_FALSE(lines.empty()) << where;
        const ZedId picked = lines[std::uniform_int_distribution<size_t>(0, lines.size() - 1)(random)];
        const ZedFigure line = emu::FigureOf(picked);
        const double length = plate::Dist(plate::StartOf(line), plate::EndOf(line));
        const bool isShort = length <= s.mMainWidth || (s.PA_IsWidthValue != 0 && length <= s.PA_WidthValue);
        const bool noSpace = isShort && s.PA_WidthValueDistance > 0 && 3 * s.PA_WidthValueDistance >= length;
        // Where the shoulder would stand: its base on the line, out of the plate.
        const ZedPoint lineStart = plate::StartOf(line), lineEnd = plate::EndOf(line);
        const ZedPoint u = Unit(lineStart, lineEnd);
        const ZedPoint mid = Pt((lineStart.x + lineEnd.x) / 2, (lineStart.y + lineEnd.y) / 2);
        const ZedPoint left = Pt(-u.y, u.x);
        const bool leftIsOut = plate::Locate(polygon, Pt(mid.x + 0.01 * left.x, mid.y + 0.01 * left.y)) ==
                               plate::Where::Outside;
        const ZedPoint n = leftIsOut ? left : Pt(-left.x, -left.y);
        const double halfWidth = !isShort                            ? s.mMainWidth / 2
                                 : s.PA_WidthValueDistance <= 0 ? length / 2
                                                                 : length / 2 - s.PA_WidthValueDistance;
        const bool noRoom = !noSpace && MeetsPlateAt(polygon, mid, u, n, halfWidth, s.mMainProtrude);
        const bool expectRefusal = noSpace || noRoom;
        const size_t before = emu::Chain(outline).size();
        const std::string dump = emu::Dump();

        const bool done = BuildPlaneA(picked, outline, 0);
        EXPECT_EQ(done, !expectRefusal) << where;
        if (!done) {
            ++refused;
            crowded += noRoom ? 1 : 0;
            EXPECT_EQ(Errors().size(), 1u) << where;
            if (noRoom) {
                EXPECT_EQ(Errors(), std::vector<std::string>{"형상이 겹쳐서 작성할 수 없습니다."}) << where;
            }
            EXPECT_EQ(emu::Dump(), dump) << where;
            TearDown();
            continue;
        }
        ++built;
        const bool whole = isShort && s.PA_WidthValueDistance <= 0;
        fullLine += whole ? 1 : 0;
        EXPECT_TRUE(Errors().empty()) << where;
        EXPECT_TRUE(emu::SegmentClosed(outline)) << where;
        EXPECT_EQ(emu::CheckAllIntegrity(), "") << where;
        EXPECT_EQ(emu::Chain(outline).size(), before + (whole ? 2 : 4)) << where;
        ExpectOutside(polygon, where);

        // One change of the shoulder's size.
        const bool byWidth = unit(random) < 0.6;
        std::uniform_real_distribution<double> widths(1.0, length + 5.0);
        const double value = byWidth ? widths(random) : depth(random);
        const bool tooWide = byWidth && whole && value >= length;
        const double halfWidthAfter = byWidth ? std::min(value, length) / 2 : halfWidth;
        const bool overlaps =
            !tooWide && MeetsPlateAt(polygon, mid, u, n, halfWidthAfter, byWidth ? s.mMainProtrude : value);
        const std::string dumpBefore = emu::Dump();
        emu::ClearMessages();
        EXPECT_EQ(Rebuild(byWidth ? kEditSecond : kEditFirst, value), !tooWide && !overlaps) << where;
        if (overlaps) {
            ++overlapping;
            EXPECT_EQ(Errors(), std::vector<std::string>{"형상이 겹쳐서 수정할 수 없습니다."}) << where;
            EXPECT_EQ(emu::Dump(), dumpBefore) << where;
        }
        reshaped += tooWide || overlaps ? 0 : 1;
        EXPECT_TRUE(emu::SegmentClosed(outline)) << where;
        EXPECT_EQ(emu::CheckAllIntegrity(), "") << where;
        ExpectOutside(polygon, where);
        TearDown();
    }
    // The generator reaches every kind of case.
    EXPECT_GT(built, 150);
    EXPECT_GT(refused, 5);
    EXPECT_GT(fullLine, 10);
    EXPECT_GT(reshaped, 100);
    EXPECT_GT(crowded, 0);
    EXPECT_GT(overlapping, 0);
}

// Pattern B on the same plates, picked anywhere on a line: refused exactly
// where the line is too short for the centre rule or the shoulder would meet
// the plate; then one width, distance or depth change, which either reshapes
// the shoulder or is refused with nothing changed.
TEST_F(PlaneARandomTest, PatternBKeepsTheOutlineClosedAndSound) {
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> width(2.0, 30.0), depth(0.5, 15.0), unit(0.0, 1.0);
    int built = 0, tooShort = 0, reshaped = 0, refusedChanges = 0;
    for (int round = 0; round < 200; ++round) {
        SetUp();
        const std::string where = "round " + std::to_string(round);
        std::vector<ZedFigure> chain = PlateChain(SteppedPlate(random), random);
        if (unit(random) < 0.5) {
            chain = Reversed(chain);
        }
        const ZedId outline = emu::AddOutline(kPlateLayer, chain, true);
        ASSERT_GT(outline, 0) << where;
        AddCornerElements(outline, random);
        const std::vector<ZedPoint> polygon = plate::Polygon(plate::Figures(outline));
        ShoulderSettingsRecord& s = ShoulderSettings;
        s.mMainWidth = width(random);
        s.mMainProtrude = depth(random);
        s.PB_IsHoleDraw = unit(random) < 0.7 ? 1 : 0;
        s.PB_Hole = unit(random) < 0.3 ? 1 : 0;
        s.PB_IsLineDraw = unit(random) < 0.5 ? 1 : 0;

        const std::vector<ZedId> lines = Lines(outline);
        const ZedId picked = lines[std::uniform_int_distribution<size_t>(0, lines.size() - 1)(random)];
        const ZedFigure line = emu::FigureOf(picked);
        const ZedPoint a = plate::StartOf(line), b = plate::EndOf(line);
        const double length = plate::Dist(a, b);
        const double t = unit(random);
        const ZedPoint pick = Pt(a.x + t * (b.x - a.x), a.y + t * (b.y - a.y));
        // The centre a whole distance from the nearer end, at least W/2 + 1.
        const double fromA = std::max(std::round(t * length), s.mMainWidth / 2 + 1);
        const double fromB = std::max(std::round((1 - t) * length), s.mMainWidth / 2 + 1);
        const ZedPoint u = Unit(a, b);
        const ZedPoint centre = t * length < (1 - t) * length ? Pt(a.x + fromA * u.x, a.y + fromA * u.y)
                                                              : Pt(b.x - fromB * u.x, b.y - fromB * u.y);
        const ZedPoint mid = Pt((a.x + b.x) / 2, (a.y + b.y) / 2);
        const ZedPoint left = Pt(-u.y, u.x);
        const bool leftIsOut = plate::Locate(polygon, Pt(mid.x + 0.01 * left.x, mid.y + 0.01 * left.y)) ==
                               plate::Where::Outside;
        const ZedPoint n = leftIsOut ? left : Pt(-left.x, -left.y);
        const bool shortLine = length <= s.mMainWidth + 1 + 1e-6;
        const bool noRoom = !shortLine && MeetsPlateAt(polygon, centre, u, n, s.mMainWidth / 2, s.mMainProtrude);
        const std::string dump = emu::Dump();
        Picks().linePick = LinePick{pick, picked, outline, 0, 0};
        const bool done = BuildPlaneB(pick, picked, outline, 0);
        EXPECT_EQ(done, !shortLine && !noRoom) << where;
        if (!done) {
            tooShort += shortLine ? 1 : 0;
            EXPECT_EQ(Errors().size(), 1u) << where;
            EXPECT_EQ(emu::Dump(), dump) << where;
            TearDown();
            continue;
        }
        ++built;
        EXPECT_EQ(emu::CheckAllIntegrity(), "") << where;
        // The three sides stand exactly where the centre rule puts them.
        const ZedPoint p1 = Pt(centre.x - s.mMainWidth / 2 * u.x, centre.y - s.mMainWidth / 2 * u.y);
        const ZedPoint p2 = Pt(centre.x + s.mMainWidth / 2 * u.x, centre.y + s.mMainWidth / 2 * u.y);
        const ZedPoint q1 = Pt(p1.x + s.mMainProtrude * n.x, p1.y + s.mMainProtrude * n.y);
        const ZedPoint q2 = Pt(p2.x + s.mMainProtrude * n.x, p2.y + s.mMainProtrude * n.y);
        EXPECT_GT(plate::LineFromTo(outline, p1, q1, 1e-9), 0) << where;
        EXPECT_GT(plate::LineFromTo(outline, q1, q2, 1e-9), 0) << where;
        EXPECT_GT(plate::LineFromTo(outline, q2, p2, 1e-9), 0) << where;
        ExpectOutside(polygon, where);

        const int mode = std::uniform_int_distribution<int>(kEditFirst, kEditThird)(random);
        const double value = mode == kEditFirst ? depth(random) : std::uniform_real_distribution<double>(-2.0, length)(random);
        const std::string dumpBefore = emu::Dump();
        emu::ClearMessages();
        if (RebuildB(mode, value)) {
            ++reshaped;
            EXPECT_TRUE(Errors().empty()) << where;
            ExpectOutside(polygon, where);
        } else {
            ++refusedChanges;
            EXPECT_EQ(Errors().size(), 1u) << where;
            EXPECT_EQ(emu::Dump(), dumpBefore) << where;
        }
        EXPECT_TRUE(emu::SegmentClosed(outline)) << where;
        EXPECT_EQ(emu::CheckAllIntegrity(), "") << where;
        TearDown();
    }
    EXPECT_GT(built, 80);
    EXPECT_GT(tooShort, 5);
    EXPECT_GT(reshaped, 40);
    EXPECT_GT(refusedChanges, 5);
}

// Plan patterns C and D on the same plates: the raised chain stands beside
// the picked line unless it would cross the plate's outline (lie partly
// inside and partly outside the plate), and is refused then, changing
// nothing; the outline itself never changes. Then one depth change, either
// side of the line, refused likewise or when it gives the chain no depth.
TEST_F(PlaneARandomTest, TheRaisedChainLeavesTheOutlineAsItWas) {
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> depth(0.5, 30.0), change(-40.0, 40.0), unit(0.0, 1.0);
    int built = 0, refused = 0, changed = 0, overlapping = 0;
    for (int round = 0; round < 200; ++round) {
        SetUp();
        const std::string where = "round " + std::to_string(round);
        const bool planeD = unit(random) < 0.5;
        std::vector<ZedFigure> chain = PlateChain(SteppedPlate(random), random);
        if (unit(random) < 0.5) {
            chain = Reversed(chain);
        }
        const ZedId outline = emu::AddOutline(kPlateLayer, chain, true);
        ASSERT_GT(outline, 0) << where;
        AddCornerElements(outline, random);
        const std::vector<ZedFigure> figures = plate::Figures(outline);
        const std::vector<ZedPoint> polygon = plate::Polygon(figures);
        ShoulderSettings.mMainProtrude = depth(random);
        ShoulderSettings.PC_IsHoleDraw = unit(random) < 0.5 ? 1 : 0;

        const std::vector<ZedId> lines = Lines(outline);
        ASSERT_FALSE(lines.empty()) << where;
        const ZedId picked = lines[std::uniform_int_distribution<size_t>(0, lines.size() - 1)(random)];
        const ZedFigure line = emu::FigureOf(picked);
        const ZedPoint a = plate::StartOf(line), b = plate::EndOf(line);
        const ZedPoint mid = Pt((a.x + b.x) / 2, (a.y + b.y) / 2);
        const ZedPoint u = Unit(a, b);
        const ZedPoint left = Pt(-u.y, u.x);
        const bool leftIsOut =
            plate::Locate(polygon, Pt(mid.x + 0.01 * left.x, mid.y + 0.01 * left.y)) == plate::Where::Outside;
        const ZedPoint n = leftIsOut ? left : Pt(-left.x, -left.y);
        // The outline does not change: only a chain that crosses it is refused.
        const auto meets = [&](double t) {
            return CrossesPlate(polygon, a, Pt(a.x + t * n.x, a.y + t * n.y), Pt(b.x + t * n.x, b.y + t * n.y), b);
        };
        const std::string dump = emu::Dump();
        const bool done = planeD ? BuildPlaneD(picked, outline, 0) : BuildPlaneC(picked, outline, 0);
        EXPECT_EQ(done, !meets(ShoulderSettings.mMainProtrude)) << where;
        EXPECT_TRUE(plate::SameClosedGeometry(plate::Figures(outline), figures, 0.0)) << where;
        EXPECT_TRUE(emu::SegmentClosed(outline)) << where;
        if (!done) {
            ++refused;
            EXPECT_EQ(emu::Dump(), dump) << where;
            TearDown();
            continue;
        }
        ++built;
        EXPECT_TRUE(Errors().empty()) << where;
        EXPECT_EQ(emu::CheckAllIntegrity(), "") << where;
        EXPECT_NE(plate::Locate(polygon, LineEnd(Shoulder().innerSide.record)), plate::Where::Inside) << where;

        const double value = change(random);
        const bool overlaps = std::abs(value) <= 1e-6 || meets(value);
        const std::string before = emu::Dump();
        emu::ClearMessages();
        Picks().editMode = kEditFirst;
        EXPECT_EQ(planeD ? RebuildPlaneD(Picks().editMode, value) : RebuildPlaneC(Picks().editMode, value), !overlaps) << where << " depth " << value;
        if (overlaps) {
            ++overlapping;
            EXPECT_EQ(emu::Dump(), before) << where;
        } else {
            ++changed;
            EXPECT_NEAR(plate::Dist(LineStart(Shoulder().firstSide.record), LineEnd(Shoulder().firstSide.record)),
                        std::abs(value), 1e-9)
                << where;
        }
        EXPECT_TRUE(plate::SameClosedGeometry(plate::Figures(outline), figures, 0.0)) << where;
        EXPECT_EQ(emu::CheckAllIntegrity(), "") << where;
        TearDown();
    }
    EXPECT_GT(built, 50);
    EXPECT_GT(refused, 5);
    EXPECT_GT(changed, 30);
    EXPECT_GT(overlapping, 5);
}

// Side patterns A and B on the same plates, picked anywhere on a line: the
// step at the nearer end is refused exactly when the line is not longer than
// the step or the step would meet the plate anywhere but at its root, with
// nothing changed; then one offset (either side of the line) or length
// change, refused exactly when the changed step would leave a piece of no
// length or meet the plate; and Delete gives the plate back.
TEST_F(PlaneARandomTest, SideStepsKeepTheOutlineClosedAndSound) {
    std::mt19937 random(20261209);
    std::uniform_real_distribution<double> height(1.0, 40.0), depth(0.5, 12.0), offset(-8.0, 8.0), unit(0.0, 1.0);
    int built = 0, tooLong = 0, crowded = 0, reshaped = 0, refusedChanges = 0;
    for (int round = 0; round < 200; ++round) {
        SetUp();
        const std::string where = "round " + std::to_string(round);
        const bool sideB = unit(random) < 0.5;
        std::vector<ZedFigure> chain = PlateChain(SteppedPlate(random), random);
        if (unit(random) < 0.5) {
            chain = Reversed(chain);
        }
        const ZedId outline = emu::AddOutline(kPlateLayer, chain, true);
        ASSERT_GT(outline, 0) << where;
        AddCornerElements(outline, random);
        const std::vector<ZedFigure> figures = plate::Figures(outline);
        const std::vector<ZedPoint> polygon = plate::Polygon(figures);
        ShoulderSettings.mMainHeight = height(random);
        ShoulderSettings.mMainProtrude = depth(random);

        const std::vector<ZedId> lines = Lines(outline);
        const ZedId picked = lines[std::uniform_int_distribution<size_t>(0, lines.size() - 1)(random)];
        const ZedFigure line = emu::FigureOf(picked);
        const ZedPoint a = plate::StartOf(line), b = plate::EndOf(line);
        const double length = plate::Dist(a, b);
        const double t = unit(random);
        const ZedPoint pick = Pt(a.x + t * (b.x - a.x), a.y + t * (b.y - a.y));
        // The step from the nearer end f towards the other end, out of the plate.
        const ZedPoint f = t < 0.5 ? a : b;
        const ZedPoint u = Unit(f, t < 0.5 ? b : a);
        const ZedPoint mid = Pt((a.x + b.x) / 2, (a.y + b.y) / 2);
        const ZedPoint left = Pt(-u.y, u.x);
        const bool leftIsOut =
            plate::Locate(polygon, Pt(mid.x + 0.01 * left.x, mid.y + 0.01 * left.y)) == plate::Where::Outside;
        const ZedPoint n = leftIsOut ? left : Pt(-left.x, -left.y);
        const auto meets = [&](double h, double c) {
            const ZedPoint q = Pt(f.x + h * u.x, f.y + h * u.y);
            return MeetsPlate(polygon, f, Pt(f.x + c * n.x, f.y + c * n.y), Pt(q.x + c * n.x, q.y + c * n.y), q);
        };
        const double h = ShoulderSettings.mMainHeight;
        const bool lineTooShort = length - h <= 1e-6;
        const bool noRoom = !lineTooShort && meets(h, ShoulderSettings.mMainProtrude);
        const std::string dump = emu::Dump();
        Picks().linePick = LinePick{pick, picked, outline, 0, 0};
        const bool done = sideB ? BuildSideB(pick, picked, outline, 0) : BuildSideA(pick, picked, outline, 0);
        EXPECT_EQ(done, !lineTooShort && !noRoom) << where;
        if (!done) {
            tooLong += lineTooShort ? 1 : 0;
            crowded += noRoom ? 1 : 0;
            EXPECT_EQ(Errors().size(), 1u) << where;
            EXPECT_EQ(emu::Dump(), dump) << where;
            TearDown();
            continue;
        }
        ++built;
        EXPECT_TRUE(Errors().empty()) << where;
        EXPECT_TRUE(emu::SegmentClosed(outline)) << where;
        EXPECT_EQ(emu::CheckAllIntegrity(), "") << where;
        ExpectOutside(polygon, where);

        const bool byLength = unit(random) < 0.5;
        const double value = byLength ? std::uniform_real_distribution<double>(-2.0, length + 2.0)(random) : offset(random);
        const bool refused = byLength ? value <= 1e-6 || value >= length - 1e-6 || meets(value, ShoulderSettings.mMainProtrude)
                                      : std::abs(value) <= 1e-6 || meets(h, value);
        const std::string before = emu::Dump();
        emu::ClearMessages();
        Picks().editMode = byLength ? kEditSecond : kEditFirst;
        EXPECT_EQ(sideB ? RebuildSideB(Picks().editMode, value) : RebuildSideA(Picks().editMode, value), !refused) << where << " value " << value;
        if (refused) {
            ++refusedChanges;
            EXPECT_EQ(Errors().size(), 1u) << where;
            EXPECT_EQ(emu::Dump(), before) << where;
        } else {
            ++reshaped;
            EXPECT_TRUE(Errors().empty()) << where;
        }
        EXPECT_TRUE(emu::SegmentClosed(outline)) << where;
        EXPECT_EQ(emu::CheckAllIntegrity(), "") << where;

        if constexpr (build_profile::kTagging) {  // Delete mode
            // Delete gives the line back whole; a corner the build made plain
            // stays plain, so corners are compared as the plain elements they
            // were drawn as.
            emu::ClearMessages();
            ASSERT_TRUE(emu::StartCommand());
            ASSERT_TRUE(emu::Type("Delete"));
            ASSERT_TRUE(emu::PickElement(Shoulder().firstSide.ref.id));
            emu::EndCommand();
            EXPECT_TRUE(Errors().empty()) << where;
            const auto plain = [](std::vector<ZedFigure> list) {
                for (ZedFigure& f : list) {
                    f.kind = f.kind == ZED_FIG_FILLET ? ZED_FIG_ARC : f.kind == ZED_FIG_CHAMFER ? ZED_FIG_LINE : f.kind;
                }
                return list;
            };
            EXPECT_TRUE(plate::SameClosedGeometry(plain(plate::Figures(outline)), plain(figures), 1e-9)) << where;
            EXPECT_EQ(emu::CheckAllIntegrity(), "") << where;
        }
        TearDown();
    }
    EXPECT_GT(built, 80);
    EXPECT_GT(tooLong, 5);
    EXPECT_GT(crowded, 5);
    EXPECT_GT(reshaped, 40);
    EXPECT_GT(refusedChanges, 10);
}

// The figures with fillet and chamfer corners taken as the arcs and lines
// they draw: Delete's rejoin leaves a corner next to the line it gives back
// as a plain element of the same geometry.
std::vector<ZedFigure> Plain(std::vector<ZedFigure> figures) {
    for (ZedFigure& f : figures) {
        f.kind = f.kind == ZED_FIG_FILLET ? ZED_FIG_ARC : f.kind == ZED_FIG_CHAMFER ? ZED_FIG_LINE : f.kind;
    }
    return figures;
}

// Side pattern C on the same plates: the recess cuts into the plate at a whole
// distance from the nearer end, refused exactly where its mouth would reach
// the far end of the line or its sides would meet the plate; then one depth,
// width or distance change, which reshapes the recess or is refused with
// nothing changed; then Delete gives the outline back as it was.
TEST_F(PlaneARandomTest, SidePatternCCutsInAndDeleteGivesTheOutlineBack) {
    std::mt19937 random(20261209);
    std::uniform_real_distribution<double> width(1.0, 12.0), depth(0.5, 15.0), unit(0.0, 1.0);
    int built = 0, tooWide = 0, crowded = 0, reshaped = 0, refusedChanges = 0;
    for (int round = 0; round < 200; ++round) {
        SetUp();
        const std::string where = "round " + std::to_string(round);
        std::vector<ZedFigure> chain = PlateChain(SteppedPlate(random), random);
        if (unit(random) < 0.5) {
            chain = Reversed(chain);
        }
        const ZedId outline = emu::AddOutline(kPlateLayer, chain, true);
        ASSERT_GT(outline, 0) << where;
        AddCornerElements(outline, random);
        const std::vector<ZedFigure> original = plate::ChainFigures(outline);
        const std::vector<ZedPoint> polygon = plate::Polygon(plate::Figures(outline));
        ShoulderSettingsRecord& s = ShoulderSettings;
        s.mMainWidth = width(random);
        s.mMainProtrude = depth(random);

        const std::vector<ZedId> lines = Lines(outline);
        const ZedId picked = lines[std::uniform_int_distribution<size_t>(0, lines.size() - 1)(random)];
        const ZedFigure line = emu::FigureOf(picked);
        const ZedPoint a = plate::StartOf(line), b = plate::EndOf(line);
        const double length = plate::Dist(a, b);
        const double t = unit(random);
        const ZedPoint pick = Pt(a.x + t * (b.x - a.x), a.y + t * (b.y - a.y));
        // The centre at the pick's distance from the nearer end taken up to
        // the next whole unit, at least W/2 + 1; the mouth must stop short of
        // the far end.
        const bool nearA = t * length < (1 - t) * length;
        const double fromNear = std::max(std::floor((nearA ? t : 1 - t) * length) + 1, s.mMainWidth / 2 + 1);
        const ZedPoint u = Unit(a, b);
        const ZedPoint centre = nearA ? Pt(a.x + fromNear * u.x, a.y + fromNear * u.y)
                                      : Pt(b.x - fromNear * u.x, b.y - fromNear * u.y);
        const ZedPoint mid = Pt((a.x + b.x) / 2, (a.y + b.y) / 2);
        const ZedPoint left = Pt(-u.y, u.x);
        const bool leftIsOut = plate::Locate(polygon, Pt(mid.x + 0.01 * left.x, mid.y + 0.01 * left.y)) ==
                               plate::Where::Outside;
        const ZedPoint n = leftIsOut ? Pt(-left.x, -left.y) : left;
        const bool noFit = fromNear + s.mMainWidth / 2 >= length - 1e-6;
        const bool noRoom = !noFit && MeetsPlateAt(polygon, centre, u, n, s.mMainWidth / 2, s.mMainProtrude);
        const std::string dump = emu::Dump();
        const bool done = BuildSideC(pick, picked, outline, 0);
        EXPECT_EQ(done, !noFit && !noRoom) << where;
        if (!done) {
            tooWide += noFit ? 1 : 0;
            crowded += noRoom ? 1 : 0;
            EXPECT_EQ(Errors().size(), 1u) << where;
            EXPECT_EQ(emu::Dump(), dump) << where;
            TearDown();
            continue;
        }
        ++built;
        const auto expectInside = [&] {
            const ShoulderMemory& m = Shoulder();
            const ZedPoint p1 = LineStart(m.firstSide.record), q1 = LineEnd(m.firstSide.record);
            const ZedPoint q2 = LineEnd(m.innerSide.record);
            EXPECT_NE(plate::Locate(polygon, q1), plate::Where::Outside) << where;
            EXPECT_NE(plate::Locate(polygon, q2), plate::Where::Outside) << where;
            EXPECT_EQ(plate::Locate(polygon, Pt((p1.x + q2.x) / 2, (p1.y + q2.y) / 2)), plate::Where::Inside) << where;
        };
        EXPECT_EQ(emu::CheckAllIntegrity(), "") << where;
        expectInside();

        const int mode = std::uniform_int_distribution<int>(kEditFirst, kEditThird)(random);
        const double value = mode == kEditFirst ? depth(random) : std::uniform_real_distribution<double>(-2.0, length)(random);
        const std::string dumpBefore = emu::Dump();
        emu::ClearMessages();
        Picks().editMode = mode;
        if (RebuildSideC(Picks().editMode, value)) {
            ++reshaped;
            EXPECT_TRUE(Errors().empty()) << where;
            expectInside();
        } else {
            ++refusedChanges;
            EXPECT_EQ(Errors().size(), 1u) << where;
            EXPECT_EQ(emu::Dump(), dumpBefore) << where;
        }
        EXPECT_TRUE(emu::SegmentClosed(outline)) << where;
        EXPECT_EQ(emu::CheckAllIntegrity(), "") << where;

        if constexpr (build_profile::kTagging) {  // Delete mode
            const ZedId inner = Shoulder().innerSide.ref.id;
            emu::ClearMessages();
            ASSERT_TRUE(emu::StartCommand()) << where;
            ASSERT_TRUE(emu::Type("Delete")) << where;
            ASSERT_TRUE(emu::PickElement(inner)) << where;
            emu::EndCommand();
            EXPECT_TRUE(Errors().empty()) << where;
            EXPECT_TRUE(plate::SameClosedGeometry(Plain(plate::ChainFigures(outline)), Plain(original), 1e-9)) << where;
            EXPECT_EQ(emu::CheckAllIntegrity(), "") << where;
        }
        TearDown();
    }
    EXPECT_GT(built, 80);
    EXPECT_GT(tooWide, 5);
    EXPECT_GT(crowded, 5);
    EXPECT_GT(reshaped, 40);
    EXPECT_GT(refusedChanges, 5);
}

}  // namespace
