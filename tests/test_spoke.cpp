// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The spoke length formula.
#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "calc/numtext.h"
#include "calc/spoke.h"

namespace {

struct Wheel {
    double d1 = 0, d2 = 0, z1 = 0, z2 = 0, rim = 0, x1 = 0, x2 = 0, spokes = 32, hole = 0;
};

void Lengths(const Wheel &w, double *l1, double *l2)
{
    DoCalculate(w.d1, w.d2, w.z1, w.z2, w.rim, w.x1, w.x2, w.spokes, w.hole, l1, l2);
}

std::string Shown(double v)
{
    char text[kNumTextSize];
    Double2Str(v, 2, text);
    return text;
}

TEST(DoCalculate, WorkedExample)
{
    Wheel w;
    w.d1 = 45, w.z1 = 35, w.x1 = 3;
    w.d2 = 57, w.z2 = 20, w.x2 = 3;
    w.rim = 600, w.spokes = 32, w.hole = 2.6;
    double l1, l2;
    Lengths(w, &l1, &l2);
    EXPECT_EQ(Shown(l1), "292,33");
    EXPECT_EQ(Shown(l2), "289,10");
    // Rounded to hundredths before formatting: exactly the rounded doubles.
    EXPECT_EQ(l1, round(l1 * 100) / 100);
}

TEST(DoCalculate, RadialSpokeRunsStraight)
{
    Wheel w;
    w.d1 = w.d2 = 40, w.z1 = w.z2 = 30, w.rim = 600, w.x1 = w.x2 = 0;
    double l1, l2;
    Lengths(w, &l1, &l2);
    const double q = (20.0 - 300.0) * (20.0 - 300.0) + 30.0 * 30.0;
    EXPECT_DOUBLE_EQ(l1, round(0.998 * sqrt(q) * 100) / 100);
    EXPECT_EQ(l1, l2);
}

TEST(DoCalculate, SidesAreIndependent)
{
    Wheel w;
    w.d1 = 45, w.z1 = 35, w.x1 = 3, w.rim = 600, w.hole = 2.6;
    w.d2 = 45, w.z2 = 35, w.x2 = 3;
    double same1, same2;
    Lengths(w, &same1, &same2);
    EXPECT_EQ(same1, same2);
    w.x2 = 2;
    double l1, l2;
    Lengths(w, &l1, &l2);
    EXPECT_EQ(l1, same1);
    EXPECT_LT(l2, l1); // fewer crossings: shorter spokes
}

// Edge results, shown as the form shows them.
struct Shape {
    const char *name;
    double hole;
    const char *shown;
};

const Shape kAllZero[] = {
    {"zero", 0.0, "0,00"},
    {"hole_only_gives_negative", 4.0, "-2,00"},
    {"rounds_on_the_double_not_decimal_digits", -2.01, "1,00"},
    {"tiny_negative_keeps_sign", 0.001, "-0,00"},
    {"halves_away_from_zero", 0.25, "-0,13"},
};

class AllZero : public ::testing::TestWithParam<Shape> {};

TEST_P(AllZero, Shows)
{
    Wheel w;
    w.x1 = 2, w.x2 = 4; // crossings do not matter when everything is 0
    w.hole = GetParam().hole;
    double l1, l2;
    Lengths(w, &l1, &l2);
    EXPECT_EQ(Shown(l1), GetParam().shown);
    EXPECT_EQ(Shown(l2), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(DoCalculate, AllZero, ::testing::ValuesIn(kAllZero),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(DoCalculate, UsesTheTenDigitAngleConstantNotPi)
{
    // A quarter turn on a huge wheel: the constant's last digits show in the result.
    Wheel w;
    w.d1 = w.d2 = 1e9, w.rim = 1e9, w.x1 = w.x2 = 4, w.spokes = 32;
    double l1, l2;
    Lengths(w, &l1, &l2);
    auto side = [](double constant) {
        const double angle = (constant * 4) / 32;
        const double q = (1e18 * 0.25 + 1e18 * 0.25) + (1e18 * -0.5) * cos(angle);
        return round(0.998 * sqrt(q) * 100) / 100;
    };
    ASSERT_NE(side(12.566370616), side(4 * M_PI));
    EXPECT_EQ(l1, side(12.566370616));
}

TEST(DoCalculate, DegenerateInputsGiveNoFiniteLength)
{
    Wheel w;
    w.rim = 1e200, w.d1 = w.d2 = 1e200;
    w.x1 = w.x2 = 1;
    double l1, l2;
    Lengths(w, &l1, &l2);
    EXPECT_FALSE(std::isfinite(l1));
}

TEST(SpokeCount, PopupValues)
{
    EXPECT_EQ(SpokeCount(1), 24);
    EXPECT_EQ(SpokeCount(2), 28);
    EXPECT_EQ(SpokeCount(3), 32);
    EXPECT_EQ(SpokeCount(4), 36);
    EXPECT_EQ(SpokeCount(0), 0);
    EXPECT_EQ(SpokeCount(10), 0);
    EXPECT_EQ(SpokeCount(-1), 0);
}

} // namespace

namespace {

// The spoke built directly in three dimensions: a side of n spokes has its
// seats in the hub 2 pi / n apart, and a spoke of X crossings ends X seat
// spacings round in the rim. A straight-pull head's seat lies on the circle
// of the seats as a J-bend spoke's hole centre lies on the flange's circle,
// so the same closed form serves both.
TEST(SpokeGeometricLength, MatchesTheSpokeBuiltInSpace)
{
    const struct {
        const char *name;
        double seatCircle, distance, rim, sideSpokes, crossings;
    } wheels[] = {
        {"jbend_rear_32", 45, 35, 600, 16, 3},
        {"straight_pull_front_24", 55.5, 27, 599, 12, 2},
        {"straight_pull_18_fewer_side", 49, 18.5, 540, 6, 1},
        {"two_to_one_48_more_side", 58, 38, 622, 32, 4},
        {"radial_16", 36, 30, 585, 8, 0},
        {"past_a_quarter_turn_20", 40, 35, 600, 10, 3},
    };
    for (const auto &w : wheels) {
        const double r = w.seatCircle / 2, R = w.rim / 2;
        const double phi = 2 * M_PI * w.crossings / w.sideSpokes;
        const double seat[3] = {r, 0, w.distance};
        const double end[3] = {R * cos(phi), R * sin(phi), 0};
        const double built = std::sqrt((end[0] - seat[0]) * (end[0] - seat[0]) +
                                       (end[1] - seat[1]) * (end[1] - seat[1]) + seat[2] * seat[2]);
        const double closed =
            SpokeGeometricLength(w.seatCircle, w.distance, w.crossings, w.rim, 2 * w.sideSpokes);
        EXPECT_NEAR(closed, built, 1e-7) << w.name;
        EXPECT_NEAR(BracingAngle(w.seatCircle, w.distance, w.crossings, w.rim, 2 * w.sideSpokes),
                    asin(w.distance / built) * 180 / M_PI, 1e-7)
            << w.name;
    }
}

// With unequal counts the sideways pulls still balance:
// n1 T1 Z1 / L1 = n2 T2 Z2 / L2, the tighter side at 100.
TEST(DoSideTensionBalance, SpokeCountsShareThePull)
{
    const struct {
        const char *name;
        double d1, d2, z1, z2, spokes1, spokes2;
    } cases[] = {
        {"rear_2_to_1_more_on_drive_side", 45, 57, 35, 20, 16, 32},
        {"rear_2_to_1_more_on_side_1", 45, 57, 35, 20, 32, 16},
        {"disc_front_2_to_1", 45, 45, 20, 35, 32, 16},
        {"equal_counts", 45, 57, 35, 20, 36, 36},
    };
    for (const auto &c : cases) {
        double p1 = -1, p2 = -1;
        ASSERT_TRUE(
            DoSideTensionBalance(c.d1, c.d2, c.z1, c.z2, 600, 3, 2, c.spokes1, c.spokes2, &p1, &p2))
            << c.name;
        const double l1 = SpokeGeometricLength(c.d1, c.z1, 3, 600, c.spokes1);
        const double l2 = SpokeGeometricLength(c.d2, c.z2, 2, 600, c.spokes2);
        EXPECT_NEAR(c.spokes1 * p1 * c.z1 / l1, c.spokes2 * p2 * c.z2 / l2, 1e-9) << c.name;
        EXPECT_EQ(std::max(p1, p2), 100) << c.name;
    }
    // Worked by hand: 36 spokes, two thirds on side 2 of the dished rear
    // wheel, 2 crossings on side 1's 12 and 3 on side 2's 24 (L1 = 291,515,
    // L2 = 281,284): T1 / T2 = (24 x 20 / 281,284) / (12 x 35 / 291,515) =
    // 1,1844, so side 2 is at 84,4 % (58 % with equal sides).
    double p1, p2;
    DoSideTensionBalance(45, 57, 35, 20, 600, 2, 3, 24, 48, &p1, &p2);
    EXPECT_EQ(p1, 100);
    EXPECT_NEAR(p2, 84.43, 0.01);
    double none1 = 7, none2 = 7;
    EXPECT_FALSE(DoSideTensionBalance(45, 57, 35, 20, 600, 3, 2, 0, 32, &none1, &none2));
    EXPECT_EQ(none1 + none2, 14);
}

} // namespace
