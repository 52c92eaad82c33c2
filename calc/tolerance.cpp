// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/tolerance.h"

#include <math.h>

#include "calc/spoke.h"

double WasherErd(double erd, double washer)
{
    // No washer leaves the figure untouched: adding 0 would still turn -0 into 0.
    if (!(washer > 0) || !isfinite(washer))
        return erd;
    return erd + 2 * washer;
}

double LengthToBuyFor(const BuySide &side, double erd)
{
    const double geometric = SpokeGeometricLength(side.flangeDiameter, side.flangeDistance,
                                                  side.crossings, erd, side.spokes);
    const double stretch =
        isfinite(side.newtons) ? SpokeStretch(side.gauge, side.newtons, geometric) : NAN;
    if (isfinite(stretch))
        return geometric - 0.5 * side.holeDiameter - stretch;
    double length = NAN, unused = NAN;
    DoCalculate(side.flangeDiameter, side.flangeDiameter, side.flangeDistance, side.flangeDistance,
                erd, side.crossings, side.crossings, side.spokes, side.holeDiameter, &length,
                &unused);
    return length;
}

void ErdTolerance(const BuySide &side, double erd, double spread, double step, double *shorter,
                  double *longer)
{
    const double a = LengthToBuyFor(side, erd - spread), b = LengthToBuyFor(side, erd + spread);
    *shorter = isfinite(a) ? StockLength(a, step) : NAN;
    *longer = isfinite(b) ? StockLength(b, step) : NAN;
}
