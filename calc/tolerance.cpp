// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/tolerance.h"

#include <math.h>

double WasherErd(double erd, double washer)
{
    // No washer leaves the figure untouched: adding 0 would still turn -0 into 0.
    if (!(washer > 0) || !isfinite(washer))
        return erd;
    return erd + 2 * washer;
}
