// The fixture of the side-pattern tests: plan pattern A's plates and host,
// with the side patterns' settings set in the record as the loaders would,
// shortcuts to build side pattern A or B on a plate's line at a pick and to
// change the step, and where the step should stand, worked out from the plate
// without the host.
#ifndef LEDGEWRIGHT_TESTS_SIDE_SIDE_FIXTURE_H
#define LEDGEWRIGHT_TESTS_SIDE_SIDE_FIXTURE_H

#include <gtest/gtest.h>

#include <vector>

#include "base/line_pick.h"
#include "patterns/side_a.h"
#include "patterns/side_b.h"
#include "tests/planea/planea_fixture.h"

enum class SideKind { A, B };

inline const char* SideKindName(SideKind kind) { return kind == SideKind::A ? "A" : "B"; }

class SideTest : public PlaneATest {
protected:
    static constexpr double kHeight = 10.0;     // H, the step's length along the line
    static constexpr double kProtrusion = 5.0;  // C, its offset

    void SetUp() override {
        PlaneATest::SetUp();
        UseSideSettings();
    }

    // The step 10 long and 5 deep; the rest as plan pattern A's fixture sets it.
    static void UseSideSettings() {
        ShoulderSettings.mMainHeight = kHeight;
        ShoulderSettings.mMainProtrude = kProtrusion;
    }

    // Builds on the plate's line between a and b, picked at the point, as the
    // line pick records it.
    static bool BuildSide(SideKind kind, ZedId segment, ZedPoint a, ZedPoint b, ZedPoint picked) {
        const ZedId line = plate::LineBetween(segment, a, b);
        EXPECT_GT(line, 0) << "no line between the points";
        Picks().linePick = LinePick{picked, line, segment, 0, 0};
        return kind == SideKind::A ? BuildSideA(picked, line, segment, 0) : BuildSideB(picked, line, segment, 0);
    }

    static bool ChangeSide(SideKind kind, int editMode, double value) {
        Picks().editMode = editMode;
        return kind == SideKind::A ? RebuildSideA(Picks().editMode, value) : RebuildSideB(Picks().editMode, value);
    }

    // Where the step should stand on the plate's line from the near end n to
    // the far end f: F = n, A at the offset out of the plate, Q H along the
    // line, with the out direction found by the tests' own in/out test.
    struct ExpectedStep {
        ZedPoint f{};
        ZedPoint a1{};  // beside f
        ZedPoint a2{};  // beside q
        ZedPoint q{};
        ZedPoint farEnd{};
        ZedPoint out{};
    };
    static ExpectedStep StepAt(const std::vector<ZedPoint>& polygon, ZedPoint nearEnd, ZedPoint farEnd,
                               double height = kHeight, double protrusion = kProtrusion) {
        const double length = plate::Dist(nearEnd, farEnd);
        const ZedPoint u{(farEnd.x - nearEnd.x) / length, (farEnd.y - nearEnd.y) / length};
        const ZedPoint mid{(nearEnd.x + farEnd.x) / 2, (nearEnd.y + farEnd.y) / 2};
        ZedPoint out{-u.y, u.x};
        if (plate::Locate(polygon, ZedPoint{mid.x + 0.01 * out.x, mid.y + 0.01 * out.y}) != plate::Where::Outside) {
            out = ZedPoint{-out.x, -out.y};
        }
        const ZedPoint q{nearEnd.x + height * u.x, nearEnd.y + height * u.y};
        return ExpectedStep{nearEnd,
                            {nearEnd.x + protrusion * out.x, nearEnd.y + protrusion * out.y},
                            {q.x + protrusion * out.x, q.y + protrusion * out.y},
                            q,
                            farEnd,
                            out};
    }

    // Whether the outline holds the step's three sides and the rest of the
    // line, each one line (stored either way round).
    static bool HoldsStep(ZedId outline, const ExpectedStep& step) {
        return plate::LineBetween(outline, step.f, step.a1) > 0 && plate::LineBetween(outline, step.a1, step.a2) > 0 &&
               plate::LineBetween(outline, step.a2, step.q) > 0 && plate::LineBetween(outline, step.q, step.farEnd) > 0;
    }

    // A plate whose bottom edge meets sides that lean outwards (obtuse
    // corners), so that a step at either end may stand on either side of it.
    static std::vector<ZedPoint> Trapezoid() {
        return {plate::Pt(0, 0), plate::Pt(100, 0), plate::Pt(120, 50), plate::Pt(-20, 50)};
    }

    static void Delete() {
        ASSERT_TRUE(emu::StartCommand());
        ASSERT_TRUE(emu::Type("Delete"));
        ASSERT_TRUE(emu::PickElement(Shoulder().firstSide.ref.id));
        emu::EndCommand();
    }
};

#endif  // LEDGEWRIGHT_TESTS_SIDE_SIDE_FIXTURE_H
