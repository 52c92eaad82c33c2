// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The spokes to buy: stretch by gauge, stock lengths, and when a side may go slack.
#include <cmath>

#include <gtest/gtest.h>

#include "calc/spoke.h"

namespace {

// 100 kgf (980,665 N) on a 290 mm spoke, E = 185000 N/mm2: dL = T/E x sum(L/A).
TEST(SpokeStretch, EveryProfileAt100KgfOn290mm)
{
    const struct {
        int gauge;
        double stretch; // mm
    } cases[] = {
        {kGaugePlain20, 0.4893}, // A = 3,1416 mm2: 290 / 3,1416 = 92,31 mm/mm2
        {kGaugePlain18, 0.6041}, // A = 2,5447: 113,96
        {kGaugePlain23, 0.3700}, // A = 4,1548: 69,80
        // 35 + 50 mm at 2,0 (27,06) and 205 mm at 1,8 (80,56): 107,62
        {kGaugeButted201820, 0.5705},
        // 35 + 50 mm at 2,0 (27,06) and 205 mm at 1,5, A = 1,7671 (116,01): 143,06
        {kGaugeButted201520, 0.7584},
    };
    for (const auto &c : cases)
        EXPECT_NEAR(SpokeStretch(c.gauge, 100 * kNewtonsPerKgf, 290), c.stretch, 5e-5) << c.gauge;
    EXPECT_TRUE(std::isnan(SpokeStretch(kGaugeNotSet, 980, 290)));
    EXPECT_TRUE(std::isnan(SpokeStretch(kGaugeButted201520 + 1, 980, 290)));
}

// The nearest multiple of the step, halves up: 2 mm steps give even lengths.
TEST(StockLength, RoundsToTheNearestStepHalvesUp)
{
    const struct {
        double length, step, stock;
    } cases[] = {
        {290.0, 2, 290},  {290.99, 2, 290}, {291.0, 2, 292}, {289.0, 2, 290}, {288.99, 2, 288},
        {289.0, 1, 289},  {289.49, 1, 289}, {289.5, 1, 290}, {290.5, 1, 291}, {290.51, 1, 291},
        {290.49, 1, 290}, {1.0, 2, 2},      {0.99, 2, 0},    {-0.5, 1, 0},    {-1.01, 2, -2},
    };
    for (const auto &c : cases)
        EXPECT_EQ(StockLength(c.length, c.step), c.stock) << c.length << " by " << c.step;
}

// Below 50 % of the tighter side as the form shows it, a whole percentage.
TEST(MaySlacken, BelowHalfAsShown)
{
    const struct {
        double percent;
        bool slack;
    } cases[] = {{49, true}, {49.49, true}, {49.5, false}, {50, false}, {27, true}, {100, false}};
    for (const auto &c : cases)
        EXPECT_EQ(MaySlacken(c.percent), c.slack) << c.percent;
}

} // namespace
