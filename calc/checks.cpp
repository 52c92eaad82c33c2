// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/checks.h"

#include <math.h>
#include <string.h>

#include "calc/lacing.h"
#include "calc/numtext.h"
#include "calc/spoke.h"

const double kLeastTargetKgf = 60;
const double kMostTargetKgf = 200;

void TargetRange(bool newtons, double *least, double *most)
{
    if (newtons) {
        // Outward to whole newtons, so that the range the form shows ("588 to
        // 1962 N") is the range it applies.
        *least = floor(kLeastTargetKgf * kNewtonsPerKgf);
        *most = ceil(kMostTargetKgf * kNewtonsPerKgf);
    } else {
        *least = kLeastTargetKgf;
        *most = kMostTargetKgf;
    }
}

namespace {

bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool InRange(double v, bool newtons)
{
    double least, most;
    TargetRange(newtons, &least, &most);
    return v >= least && v <= most;
}

} // namespace

TargetKind ReadTarget(const char *text, bool newtons, double *value)
{
    *value = 0;
    const char *p = text ? text : "";
    while (IsSpace(*p))
        p++;
    if (*p == '\0')
        return kTargetEmpty;
    // The library reads "0x78" as 120; no one typing a tension means that.
    const char *q = p + (*p == '+' || *p == '-');
    if (q[0] == '0' && (q[1] == 'x' || q[1] == 'X'))
        return kTargetNotNumber;
    char copy[256];
    const size_t n = strnlen(p, sizeof copy - 1);
    memcpy(copy, p, n);
    copy[n] = '\0';
    double v = 0;
    if (!Str2Double(copy, &v))
        return kTargetNotNumber;
    *value = v;
    return TargetKindOf(v, newtons);
}

TargetKind TargetKindOf(double v, bool newtons)
{
    if (!isfinite(v))
        return kTargetNotNumber;
    if (InRange(v, newtons))
        return kTargetInRange;
    // 1200 typed in kgf by someone thinking in newtons, or 120 in N.
    return InRange(v, !newtons) ? kTargetOtherUnit : kTargetOutOfRange;
}

PartsCheck CheckParts(double rimDiameter, double offset, double flangeDiameter1,
                      double flangeDiameter2, double flangeDistance1, double flangeDistance2)
{
    if (!(rimDiameter > 0) || !isfinite(rimDiameter))
        return {kPartsNoRim, 0};
    const double diameters[] = {flangeDiameter1, flangeDiameter2};
    for (int side = 1; side <= 2; side++)
        if (diameters[side - 1] >= rimDiameter)
            return {kPartsFlangeOverRim, side};
    const double distances[] = {flangeDistance1, flangeDistance2};
    for (int side = 1; side <= 2; side++)
        if (distances[side - 1] <= 0)
            return {kPartsFlangeDistance, side};
    // An offset (non-finite ones give no result anyway) that reaches a flange.
    if (isfinite(offset)) {
        if (flangeDistance1 + offset <= 0)
            return {kPartsOffsetPastFlange, 1};
        if (flangeDistance2 - offset <= 0)
            return {kPartsOffsetPastFlange, 2};
    }
    return {kPartsFine, 0};
}

LacingCheck CheckLacing(int spokes1, int spokes2, int crossings1, int crossings2)
{
    const int spokes[] = {spokes1, spokes2}, crossings[] = {crossings1, crossings2};
    for (int side = 1; side <= 2; side++) {
        const int n = spokes[side - 1], x = crossings[side - 1];
        if (n < 2 || x < 0)
            return {kLacingOtherCounts, side, n, 0};
        if (x > 0 && n % 2 != 0)
            return {kLacingOddCrossedSide, side, n, 0};
        if (x > 0 && 2 * x >= n)
            return {kLacingTooManyCrossings, side, n, (n - 1) / 2};
    }
    Lacing lacing;
    if (!DoLacing(spokes1, spokes2, crossings1, crossings2, &lacing))
        return {kLacingOtherCounts, 0, 0, 0};
    return {kLacingFine, 0, 0, 0};
}
