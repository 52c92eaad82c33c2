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
    if (!(flangeDistance1 > 0) || !(flangeDistance2 > 0))
        return false;
    const double l1 =
        GeometricLength(flangeDiameter1, flangeDistance1, crossings1, rimDiameter, spokes);
    const double l2 =
        GeometricLength(flangeDiameter2, flangeDistance2, crossings2, rimDiameter, spokes);
    if (!(l1 > 0) || !(l2 > 0) || !isfinite(l1) || !isfinite(l2))
        return false;
    // Tension times sideways share is the same on both sides.
    const double t1 = l1 / flangeDistance1, t2 = l2 / flangeDistance2;
    const double tighter = t1 > t2 ? t1 : t2;
    if (!isfinite(tighter))
        return false;
    *percent1 = 100 * t1 / tighter;
    *percent2 = 100 * t2 / tighter;
    return true;
}

double SpokeCount(int value)
{
    switch (value) {
    case 1: return 24;
    case 2: return 28;
    case 3: return 32;
    case 4: return 36;
    default: return 0;
    }
}
