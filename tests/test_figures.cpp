// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The helpers' sums against examples worked by hand from the instructions
// they follow (docs/geometry.md names them).
#include <cmath>

#include <gtest/gtest.h>

#include "calc/figures.h"

namespace {

TEST(Figures, ErdFromAMeasurementAcrossTheRim)
{
    const struct {
        const char *name;
        double across, perSide, erd;
    } cases[] = {
        // Two rods of 200,5 mm, 151,5 mm apart: 200,5 + 200,5 + 151,5.
        {"measuring tool", 151.5, 200.5, 552.5},
        // Spokes with 12 mm nipples, 578 mm across where they enter them.
        {"spokes and nipples", 578, 12, 602},
        {"nothing added at the ends", 600, 0, NAN},
        {"no measurement", 0, 12, NAN},
        {"a negative length", 578, -12, NAN},
        {"not a number", NAN, 12, NAN},
    };
    for (const auto &c : cases) {
        const double erd = ErdFromMeasurement(c.across, c.perSide);
        if (std::isnan(c.erd))
            EXPECT_TRUE(std::isnan(erd)) << c.name;
        else
            EXPECT_EQ(erd, c.erd) << c.name;
    }
}

// A front hub published as 68,7 mm flange to flange, 100 mm over the
// locknuts, and 34,35 mm from the centre to each flange: both sums give that.
TEST(Figures, FlangeDistancesFromWhatMakersPublish)
{
    const struct {
        const char *name;
        bool locknuts;
        double a, b, c, distance1, distance2;
    } cases[] = {
        {"flange to flange, centred", false, 68.7, 0, 0, 34.35, 34.35},
        {"flange to flange, 7,5 mm toward side 1", false, 55, 7.5, 0, 35, 20},
        {"offset toward side 2", false, 55, -7.5, 0, 20, 35},
        {"over the locknuts, 15,65 mm each", true, 100, 15.65, 15.65, 34.35, 34.35},
        {"over the locknuts, rear", true, 130, 30, 45, 35, 20},
        {"an offset past a flange", false, 40, 25, 0, 45, NAN},
        {"a flange beyond its locknut", true, 100, 60, 15, NAN, 35},
        {"no width", true, 0, 10, 10, NAN, NAN},
    };
    for (const auto &c : cases) {
        double d1 = 0, d2 = 0;
        if (c.locknuts)
            FlangeDistancesFromLocknuts(c.a, c.b, c.c, &d1, &d2);
        else
            FlangeDistancesFromWidth(c.a, c.b, &d1, &d2);
        const double got[] = {d1, d2}, want[] = {c.distance1, c.distance2};
        for (int i = 0; i < 2; i++) {
            if (std::isnan(want[i]))
                EXPECT_TRUE(std::isnan(got[i])) << c.name << ", side " << i + 1;
            else
                EXPECT_NEAR(got[i], want[i], 1e-12) << c.name << ", side " << i + 1;
        }
    }
}

TEST(Figures, PitchDiameterFromTheHolesOuterEdges)
{
    // 47,6 mm across the outer edges of two opposite 2,6 mm holes: 45 mm.
    EXPECT_NEAR(PitchDiameterFromOuterEdges(47.6, 2.6), 45, 1e-12);
    EXPECT_NEAR(PitchDiameterFromOuterEdges(59.6, 2.6), 57, 1e-12);
    EXPECT_TRUE(std::isnan(PitchDiameterFromOuterEdges(47.6, 0))) << "no hole";
    EXPECT_TRUE(std::isnan(PitchDiameterFromOuterEdges(2, 2.6))) << "smaller than a hole";
}

} // namespace
