// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The ERD that nipple washers give, and the stock lengths an ERD a millimetre
// either way would give, against lengths worked by hand.
#include <cmath>
#include <utility>

#include <gtest/gtest.h>

#include "calc/spoke.h"
#include "calc/tolerance.h"
#include "calc/wheel.h"

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
// A wheel of radial sides: 45 mm flanges at 35 mm, 32 spokes, plain 2,0 mm
// spokes when stretched (equal sides: each at the whole target).
Wheel Radial(double erd, bool stretched, double step)
{
    Wheel w = Wheel();
    w.rim.diameter = erd;
    w.hub.head = kJBendHead;
    w.hub.flangeDiameter1 = w.hub.flangeDiameter2 = 45;
    w.hub.flangeDistance1 = w.hub.flangeDistance2 = 35;
    w.hub.holeDiameter = 2.6;
    w.spokes = 32;
    w.sharing = kSidesEqual;
    w.gauge1 = w.gauge2 = stretched ? kGaugePlain20 : kGaugeNotSet;
    w.target = stretched ? 100 : 0;
    w.unit = kUnitKgf;
    w.stockStep = step;
    return w;
}

TEST(ErdTolerance, StockLengthsOfAnErdAMillimetreEitherWay)
{
    const struct {
        const char *name;
        bool stretched;
        double step, standsFor, shorter, longer;
    } cases[] = {
        {"every 1 mm: the doubt matters", false, 1, 277.84, 277, 278},
        {"every 2 mm: it does not", false, 2, 277.84, 278, 278},
        {"stretched, every 1 mm", true, 1, 277.9266, 277, 278},
        {"stretched, every 2 mm", true, 2, 277.9266, 278, 278},
    };
    for (const auto &c : cases) {
        Results r;
        Wheel2Results(Radial(600, c.stretched, c.step), &r);
        for (const SideResults *s : {&r.side1, &r.side2}) {
            const double standsFor =
                c.stretched ? s->geometric - 0.5 * 2.6 - s->stretch : s->length;
            EXPECT_NEAR(standsFor, c.standsFor, 5e-5) << c.name;
            EXPECT_EQ(s->toBuyShorter, c.shorter) << c.name;
            EXPECT_EQ(s->toBuyLonger, c.longer) << c.name;
        }
    }
    Results r;
    Wheel2Results(Radial(599, false, 2), &r);
    EXPECT_NEAR(r.side1.length, 277.34, 1e-9);
    Wheel2Results(Radial(601, false, 2), &r);
    EXPECT_NEAR(r.side1.length, 278.33, 1e-9);
    Wheel w = Radial(600, false, 2);
    w.spokes = 0;
    Wheel2Results(w, &r);
    EXPECT_TRUE(std::isnan(r.side1.toBuyShorter) && std::isnan(r.side1.toBuyLonger))
        << "no spokes, no length";
}

// Washers move every figure: the wheel worked from the ERD with washers is
// the wheel of that ERD, and the record keeps the ERD as typed.
TEST(ErdTolerance, WashersWorkEveryFigureFromTheWiderErd)
{
    Wheel washered = Radial(600, true, 1), wider = Radial(601, true, 1);
    washered.rim.washer = 0.5;
    Results a, b;
    Wheel2Results(washered, &a);
    Wheel2Results(wider, &b);
    EXPECT_EQ(a.wheel.rim.diameter, 600);
    for (const auto &[x, y] : {std::pair{a.side1, b.side1}, std::pair{a.side2, b.side2}}) {
        EXPECT_EQ(x.length, y.length);
        EXPECT_EQ(x.stretch, y.stretch);
        EXPECT_EQ(x.toBuy, y.toBuy);
        EXPECT_EQ(x.toBuyShorter, y.toBuyShorter);
        EXPECT_EQ(x.toBuyLonger, y.toBuyLonger);
    }
}

} // namespace
