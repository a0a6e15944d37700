// Shared set-up and independent geometry for the emulated host's outline and
// geometry tests.
#ifndef LEDGEWRIGHT_TESTS_EMUHOST_OUTLINE_TEST_SUPPORT_H
#define LEDGEWRIGHT_TESTS_EMUHOST_OUTLINE_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "emuhost/emu_api.h"

namespace outline_test {

constexpr int kLayer = 1;

// A fresh drawing with layer 1 as the current layer.
class EmuDrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        emu::Reset();
        emu::AddLayer(kLayer, "Outline");
        emu::AddLayer(2, "Other");
        emu::SetCurrentLayer(kLayer);
    }
    void TearDown() override { emu::Reset(); }
};

inline ZedFigRef Ref(ZedId id) { return ZedFigRef{0, id}; }

inline ZedPoint Pt(double x, double y) { return ZedPoint{x, y}; }

inline void ExpectPoint(const ZedPoint& actual, double x, double y) {
    EXPECT_NEAR(actual.x, x, 1e-9);
    EXPECT_NEAR(actual.y, y, 1e-9);
}

// The outline list of a segment, as the plug-in reads it.
inline std::vector<ZedFigure> OutlineList(ZedId segment) {
    std::vector<ZedFigure> figures(1000);
    const ZedFigRef ref = Ref(segment);
    const int count = ZedFigGetFigure2(&ref, figures.data(), static_cast<int>(figures.size()));
    figures.resize(count < 0 ? 0 : static_cast<size_t>(count));
    return figures;
}

inline ZedPoint StartPoint(const ZedFigure& f) {
    return f.kind == ZED_FIG_ARC || f.kind == ZED_FIG_FILLET ? Pt(f.v[2], f.v[3]) : Pt(f.v[0], f.v[1]);
}

inline ZedPoint EndPoint(const ZedFigure& f) {
    return f.kind == ZED_FIG_ARC || f.kind == ZED_FIG_FILLET ? Pt(f.v[4], f.v[5]) : Pt(f.v[2], f.v[3]);
}

// The arc's signed sweep (counter-clockwise positive), from its own angles.
inline double Sweep(const ZedFigure& arc) {
    const double from = std::atan2(arc.v[3] - arc.v[1], arc.v[2] - arc.v[0]);
    const double to = std::atan2(arc.v[5] - arc.v[1], arc.v[4] - arc.v[0]);
    double ccw = to - from;
    while (ccw <= 0) {
        ccw += 2 * std::numbers::pi;
    }
    while (ccw > 2 * std::numbers::pi) {
        ccw -= 2 * std::numbers::pi;
    }
    return emu::ArcFlag(arc) == ZED_ARC_CCW ? ccw : ccw - 2 * std::numbers::pi;
}

// Signed area enclosed by a closed chain of lines and arcs (Green's theorem),
// positive when the chain runs counter-clockwise.
inline double SignedArea(const std::vector<ZedFigure>& chain) {
    double twice = 0;
    for (const ZedFigure& f : chain) {
        if (f.kind == ZED_FIG_ARC || f.kind == ZED_FIG_FILLET) {
            const double r = f.v[6];
            const double from = std::atan2(f.v[3] - f.v[1], f.v[2] - f.v[0]);
            const double to = from + Sweep(f);
            twice += r * r * Sweep(f) + r * f.v[0] * (std::sin(to) - std::sin(from)) -
                     r * f.v[1] * (std::cos(to) - std::cos(from));
        } else {
            twice += f.v[0] * f.v[3] - f.v[2] * f.v[1];
        }
    }
    return twice / 2;
}

// Every element of a segment's chain, as laid out.
inline std::vector<ZedFigure> ChainFigures(ZedId segment) {
    std::vector<ZedFigure> figures;
    for (ZedId id : emu::Chain(segment)) {
        figures.push_back(emu::FigureOf(id));
    }
    return figures;
}

inline std::string JournalText() {
    std::string text;
    for (const emu::Change& change : emu::Journal()) {
        text += std::to_string(change.call) + " " + change.name + ": " + change.description + "\n";
    }
    return text;
}

// A closed square from (x, y) with the side, counter-clockwise.
inline ZedId Square(double x, double y, double side, int layer = kLayer) {
    return emu::AddOutline(layer,
                           {emu::Line(x, y, x + side, y), emu::Line(x + side, y, x + side, y + side),
                            emu::Line(x + side, y + side, x, y + side), emu::Line(x, y + side, x, y)},
                           true);
}

}  // namespace outline_test

#endif  // LEDGEWRIGHT_TESTS_EMUHOST_OUTLINE_TEST_SUPPORT_H
