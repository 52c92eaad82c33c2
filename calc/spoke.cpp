// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/spoke.h"

#include <math.h>

namespace {

// The straight distance from a flange's spoke hole to the spoke's end in the
// rim. Every step is a separate double operation in this order (the build
// turns off fused multiply-add), so that every build gives the same result to
// the last bit and the worked examples round the same way.
double GeometricLength(double D, double Z, double X, double R, double N)
{
    // 4 x 3.141592654, the angle constant to ten digits rather than 4 pi: the
    // lengths that wheel builders compare against were worked out with it.
    const double angle = (12.566370616 * X) / N;
    const double q = (D * D * 0.25 + R * R * 0.25) + (R * D * -0.5) * cos(angle) + Z * Z;
    return sqrt(q);
}

// One side of the wheel: the geometric length, less the stretch of the spoke
// and half the hole it passes through, to the hundredth.
double SideLength(double D, double Z, double X, double R, double N, double H)
{
    const double raw = 0.998 * GeometricLength(D, Z, X, R, N) - 0.5 * H;
    return round(raw * 100) / 100;
}

} // namespace

void DoCalculate(double flangeDiameter1, double flangeDiameter2, double flangeDistance1,
                 double flangeDistance2, double rimDiameter, double crossings1, double crossings2,
                 double spokes, double holeDiameter, double *length1, double *length2)
{
    *length1 =
        SideLength(flangeDiameter1, flangeDistance1, crossings1, rimDiameter, spokes, holeDiameter);
    *length2 =
        SideLength(flangeDiameter2, flangeDistance2, crossings2, rimDiameter, spokes, holeDiameter);
}

bool DoTensionBalance(double flangeDiameter1, double flangeDiameter2, double flangeDistance1,
                      double flangeDistance2, double rimDiameter, double crossings1,
                      double crossings2, double spokes, double *percent1, double *percent2)
{
    return DoSideTensionBalance(flangeDiameter1, flangeDiameter2, flangeDistance1, flangeDistance2,
                                rimDiameter, crossings1, crossings2, spokes, spokes, percent1,
                                percent2);
}

bool DoSideTensionBalance(double flangeDiameter1, double flangeDiameter2, double flangeDistance1,
                          double flangeDistance2, double rimDiameter, double crossings1,
                          double crossings2, double spokes1, double spokes2, double *percent1,
                          double *percent2)
{
    if (!(flangeDistance1 > 0) || !(flangeDistance2 > 0) || !(spokes1 > 0) || !(spokes2 > 0))
        return false;
    const double l1 =
        GeometricLength(flangeDiameter1, flangeDistance1, crossings1, rimDiameter, spokes1);
    const double l2 =
        GeometricLength(flangeDiameter2, flangeDistance2, crossings2, rimDiameter, spokes2);
    if (!(l1 > 0) || !(l2 > 0) || !isfinite(l1) || !isfinite(l2))
        return false;
    // Spokes times tension times sideways share is the same on both sides.
    double t1 = l1 / flangeDistance1, t2 = l2 / flangeDistance2;
    if (spokes1 != spokes2) {
        // Only unequal counts divide, so that equal ones keep every bit.
        t1 = t1 / spokes1;
        t2 = t2 / spokes2;
    }
    const double tighter = t1 > t2 ? t1 : t2;
    if (!isfinite(tighter))
        return false;
    *percent1 = 100 * t1 / tighter;
    *percent2 = 100 * t2 / tighter;
    return true;
}

double SpokeGeometricLength(double flangeDiameter, double flangeDistance, double crossings,
                            double rimDiameter, double spokes)
{
    return GeometricLength(flangeDiameter, flangeDistance, crossings, rimDiameter, spokes);
}

double CrossingAngle(double crossings, double spokes)
{
    return 720 * crossings / spokes;
}

double BracingAngle(double flangeDiameter, double flangeDistance, double crossings,
                    double rimDiameter, double spokes)
{
    const double l =
        GeometricLength(flangeDiameter, flangeDistance, crossings, rimDiameter, spokes);
    if (!(l > 0) || !isfinite(l))
        return NAN;
    // The length can come out a rounding below the distance itself.
    double ratio = flangeDistance / l;
    ratio = ratio > 1 ? 1 : ratio < -1 ? -1 : ratio;
    return asin(ratio) * (180 / M_PI);
}

// Values 1 to 4 keep standing for the four counts the popup first had; the
// popup lists its entries in ascending order whatever their values.
const double kSpokeCounts[] = {24, 28, 32, 36, 16, 18, 20, 40, 48};

double SpokeCount(int value)
{
    const int n = (int)(sizeof kSpokeCounts / sizeof kSpokeCounts[0]);
    return value >= 1 && value <= n ? kSpokeCounts[value - 1] : 0;
}

bool CanLaceTwoToOne(double spokes)
{
    return spokes > 0 && fmod(spokes, 3) == 0;
}

void SideSpokes(double spokes, int sharing, double *spokes1, double *spokes2)
{
    *spokes1 = *spokes2 = spokes;
    if (!CanLaceTwoToOne(spokes))
        return;
    // A side of n spokes is laced as a wheel of 2n: two thirds of the wheel's
    // spokes give 4/3 of its count, one third 2/3.
    const double more = spokes * 4 / 3, fewer = spokes * 2 / 3;
    if (sharing == kSidesMoreOn2)
        *spokes1 = fewer, *spokes2 = more;
    else if (sharing == kSidesMoreOn1)
        *spokes1 = more, *spokes2 = fewer;
}
