// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The spoke length formula.
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
