// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/spoke.h"

#include <math.h>

#include "calc/geometry.h"

namespace {

// The straight distance from a flange's spoke hole to the spoke's end in the
// rim, X seat spacings of a side of N / 2 round: the angle a wheel of N spokes
// on equal sides spans, on the one length formula every side uses.
double GeometricLength(double D, double Z, double X, double R, double N)
{
    return SpokeLengthAt(D, Z, SpokeSpan(X, N, N), R);
}

// A side given by its own count alone, laced as a wheel of that many.
SpokeSide Side(double D, double Z, double X, double R, double N)
{
    SpokeSide s = {D, Z, R, X, N, N, false, kExitAimed, 0};
    return s;
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
    return SidesTensionBalance(
        Side(flangeDiameter1, flangeDistance1, crossings1, rimDiameter, spokes1),
        Side(flangeDiameter2, flangeDistance2, crossings2, rimDiameter, spokes2), percent1,
        percent2);
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
    return SideBracing(Side(flangeDiameter, flangeDistance, crossings, rimDiameter, spokes));
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

const double kNewtonsPerKgf = 9.80665;

namespace {

// Cold-drawn stainless spring wire (1.4310, EN 10270-3), N/mm2.
const double kSpokeModulus = 185000;

// A spoke's profile: diameters in mm at the head end, the middle and the
// thread end, and how long the thick ends of a butted spoke are.
struct SpokeProfile {
    double head, middle, thread;
    double headEnd, threadEnd; // mm; 0 for a plain spoke
};

// By gauge value, from kGaugePlain20.
const SpokeProfile kProfiles[] = {
    {2.0, 2.0, 2.0, 0, 0},   {1.8, 1.8, 1.8, 0, 0},   {2.3, 2.3, 2.3, 0, 0},
    {2.0, 1.8, 2.0, 35, 50}, {2.0, 1.5, 2.0, 35, 50},
};

double Area(double diameter)
{
    return M_PI * diameter * diameter / 4;
}

} // namespace

double SpokeStretch(int gauge, double tension, double length)
{
    const int n = (int)(sizeof kProfiles / sizeof kProfiles[0]);
    if (gauge < kGaugePlain20 || gauge >= kGaugePlain20 + n)
        return NAN;
    const SpokeProfile &p = kProfiles[gauge - kGaugePlain20];
    double headEnd = p.headEnd, threadEnd = p.threadEnd;
    // A spoke no longer than its two thick ends is thick all along, shared
    // between them as they stand.
    if (headEnd + threadEnd > length) {
        const double scale = length > 0 ? length / (headEnd + threadEnd) : 0;
        headEnd = headEnd * scale;
        threadEnd = threadEnd * scale;
    }
    const double compliance = headEnd / Area(p.head) + threadEnd / Area(p.thread) +
                              (length - headEnd - threadEnd) / Area(p.middle);
    return tension * compliance / kSpokeModulus;
}

double StockLength(double length, double step)
{
    return floor(length / step + 0.5) * step;
}

bool MaySlacken(double percent)
{
    return lround(percent) < 50;
}
