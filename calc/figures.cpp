// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/figures.h"

#include <math.h>

namespace {

// A size of a real part, or not a number.
double Size(double value)
{
    return isfinite(value) && value > 0 ? value : NAN;
}

} // namespace

double ErdFromMeasurement(double across, double perSide)
{
    // Both methods add something at each end: a nipple, or a rod.
    if (!(across > 0) || !(perSide > 0))
        return NAN;
    return Size(across + 2 * perSide);
}

void FlangeDistancesFromWidth(double flangeToFlange, double offsetToSide1, double *distance1,
                              double *distance2)
{
    const double half = flangeToFlange > 0 ? flangeToFlange / 2 : NAN;
    *distance1 = Size(half + offsetToSide1);
    *distance2 = Size(half - offsetToSide1);
}

void FlangeDistancesFromLocknuts(double overLocknuts, double locknutToFlange1,
                                 double locknutToFlange2, double *distance1, double *distance2)
{
    const double half = overLocknuts > 0 ? overLocknuts / 2 : NAN;
    *distance1 = locknutToFlange1 >= 0 ? Size(half - locknutToFlange1) : NAN;
    *distance2 = locknutToFlange2 >= 0 ? Size(half - locknutToFlange2) : NAN;
}

double PitchDiameterFromOuterEdges(double acrossOuterEdges, double holeDiameter)
{
    if (!(holeDiameter > 0))
        return NAN;
    return Size(acrossOuterEdges - holeDiameter);
}
