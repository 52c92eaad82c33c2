// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The ERD that nipple washers give, and the stock lengths an ERD a millimetre
// either way would give, against lengths worked by hand.
#include <cmath>

#include <gtest/gtest.h>

#include "calc/spoke.h"
#include "calc/tolerance.h"

namespace {

TEST(WasherErd, AddsTwiceTheWasherAndNothingForNone)
{
    const struct {
        const char *name;
        double erd, washer, worked;
    } cases[] = {
        {"0,5 mm washers", 600, 0.5, 601},
        {"1 mm washers", 541.5, 1, 543.5},
        {"none", 602, 0, 602},
        {"below 0 is none", 602, -1, 602},
        {"not a number is none", 602, NAN, 602},
        {"infinite is none", 602, INFINITY, 602},
    };
    for (const auto &c : cases)
        EXPECT_EQ(WasherErd(c.erd, c.washer), c.worked) << c.name;
    // No washer keeps the figure to the last bit, the sign of a zero included.
    EXPECT_TRUE(std::signbit(WasherErd(-0.0, 0)));
}

// A radial side (no crossing: the spoke runs straight out), flange 45 mm at
// 35 mm, hole 2,6: the geometric length is the root of (ERD/2 - 22,5)^2 + 35^2,
// the length 0,998 of it less 1,3, to the hundredth:
//   ERD 599: 279,2024 -> 277,34;  600: 279,6985 -> 277,84;  601: 280,1946 -> 278,33.
// With plain 2,0 mm spokes at 100 kgf (980,665 N) each stretches
// 980,665 L / (185000 x 3,1416): 0,4711, 0,4719, 0,4728 mm, and the length to
// buy stands for the geometric length less 1,3 less that:
//   277,4313, 277,9266, 278,4218.
TEST(ErdTolerance, StockLengthsOfAnErdAMillimetreEitherWay)
{
    const BuySide radial = {45, 35, 0, 32, 2.6, kGaugeNotSet, NAN};
    BuySide stretched = radial;
    stretched.gauge = kGaugePlain20;
    stretched.newtons = 100 * kNewtonsPerKgf;
    const struct {
        const char *name;
        BuySide side;
        double step, standsFor, shorter, longer;
    } cases[] = {
        {"every 1 mm: the doubt matters", radial, 1, 277.84, 277, 278},
        {"every 2 mm: it does not", radial, 2, 277.84, 278, 278},
        {"stretched, every 1 mm", stretched, 1, 277.9266, 277, 278},
        {"stretched, every 2 mm", stretched, 2, 277.9266, 278, 278},
    };
    for (const auto &c : cases) {
        EXPECT_NEAR(LengthToBuyFor(c.side, 600), c.standsFor, 5e-5) << c.name;
        double shorter = 0, longer = 0;
        ErdTolerance(c.side, 600, 1, c.step, &shorter, &longer);
        EXPECT_EQ(shorter, c.shorter) << c.name;
        EXPECT_EQ(longer, c.longer) << c.name;
    }
    EXPECT_NEAR(LengthToBuyFor(radial, 599), 277.34, 1e-9);
    EXPECT_NEAR(LengthToBuyFor(radial, 601), 278.33, 1e-9);
    double shorter = 0, longer = 0;
    ErdTolerance({45, 35, 0, 0, 2.6, kGaugeNotSet, NAN}, 600, 1, 2, &shorter, &longer);
    EXPECT_TRUE(std::isnan(shorter) && std::isnan(longer)) << "no spokes, no length";
}

} // namespace
