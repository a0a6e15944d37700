// DirectionAngle: pure geometry, no host.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "geometry/direction_angle.h"
#include "geometry/vec2.h"

namespace {

TEST(DirectionAngle, AxisDirectionsAndEqualPoints) {
    const double pi = Pi();
    EXPECT_EQ(DirectionAngle({1, 1}, {1, 1}), 0.0);
    EXPECT_DOUBLE_EQ(DirectionAngle({0, 0}, {5, 0}), 0.0);
    EXPECT_DOUBLE_EQ(DirectionAngle({0, 0}, {0, 5}), pi / 2);
    EXPECT_DOUBLE_EQ(DirectionAngle({0, 0}, {-5, 0}), pi);
    EXPECT_DOUBLE_EQ(DirectionAngle({0, 0}, {0, -5}), 3 * pi / 2);
    EXPECT_DOUBLE_EQ(DirectionAngle({0, 0}, {1, 1}), pi / 4);
    EXPECT_DOUBLE_EQ(DirectionAngle({0, 0}, {-1, -1}), 5 * pi / 4);
    EXPECT_DOUBLE_EQ(DirectionAngle({0, 0}, {1, -1}), 7 * pi / 4);
}

TEST(DirectionAngle, NeverNegativeAndNever2Pi) {
    std::mt19937 random(20261207);
    std::uniform_real_distribution<double> coordinate(-1000.0, 1000.0);
    std::uniform_real_distribution<double> tiny(-1e-300, 1e-300);
    for (int i = 0; i < 20000; ++i) {
        const ZedPoint p{coordinate(random), coordinate(random)};
        // Directions a hair below the x axis are where a + 2π rounds to 2π.
        const ZedPoint q = (i % 2 == 0) ? ZedPoint{coordinate(random), coordinate(random)}
                                        : ZedPoint{p.x + std::fabs(coordinate(random)), p.y + tiny(random)};
        const double angle = DirectionAngle(p, q);
        ASSERT_GE(angle, 0.0) << p.x << "," << p.y << " -> " << q.x << "," << q.y;
        ASSERT_LT(angle, 2 * Pi()) << p.x << "," << p.y << " -> " << q.x << "," << q.y;
    }
}

TEST(DirectionAngle, OppositeDirectionsDifferByPi) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> grid(-20, 20);
    for (int i = 0; i < 2000; ++i) {
        const ZedPoint p{double(grid(random)), double(grid(random))};
        const ZedPoint q{double(grid(random)), double(grid(random))};
        if (p == q) {
            continue;
        }
        const double there = DirectionAngle(p, q);
        const double back = DirectionAngle(q, p);
        EXPECT_NEAR(std::fabs(there - back), Pi(), 1e-12);
    }
}

TEST(RoundHalfAway, HalvesGoAwayFromZero) {
    EXPECT_EQ(RoundHalfAway(2.5), 3.0);
    EXPECT_EQ(RoundHalfAway(2.9), 3.0);
    EXPECT_EQ(RoundHalfAway(2.4999), 2.0);
    EXPECT_EQ(RoundHalfAway(-2.5), -3.0);
    EXPECT_EQ(RoundHalfAway(-2.4), -2.0);
}

}  // namespace
