// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/calculate_hit.h"

#include <math.h>
#include <stdio.h>

#include "calc/spoke.h"
#include "form/items.h"

const char kNoResultText[] = "no result";

namespace {

void ShowLength(DialogRef dialog, DialogItemIndex item, double length)
{
    // "inf" or "nan" would mean nothing to a wheel builder.
    if (isfinite(length)) {
        XDlgSetDouble(dialog, item, 2, length);
        return;
    }
    char text[256];
    XFormatIndStr(text, sizeof text, kResultStringsID, kNoResultString);
    XDlgSetStr(dialog, item, text);
}

void ShowPercent(DialogRef dialog, DialogItemIndex item, double percent)
{
    char text[16];
    snprintf(text, sizeof text, "%d %%", (int)lround(percent));
    XDlgSetStr(dialog, item, text);
}

} // namespace

void DoCalculateHit(DialogRef dialog)
{
    double flangeDiameter1, flangeDiameter2, flangeDistance1, flangeDistance2, rimDiameter;
    XDlgGetDouble(dialog, iFlangeDiameter1, &flangeDiameter1);
    XDlgGetDouble(dialog, iFlangeDiameter2, &flangeDiameter2);
    XDlgGetDouble(dialog, iFlangeDistance1, &flangeDistance1);
    XDlgGetDouble(dialog, iFlangeDistance2, &flangeDistance2);
    XDlgGetDouble(dialog, iRimDiameter, &rimDiameter);
    const double crossings1 = (double)(XDlgGetValue(dialog, iCrossings1) - 1);
    const double crossings2 = (double)(XDlgGetValue(dialog, iCrossings2) - 1);
    const double spokes = SpokeCount(XDlgGetValue(dialog, iSpokes));
    double holeDiameter, offset;
    XDlgGetDouble(dialog, iHoleDiameter, &holeDiameter);
    XDlgGetDouble(dialog, iRimOffset, &offset);
    // An asymmetric rim's spoke bed sits nearer side 2's flange.
    flangeDistance1 = flangeDistance1 + offset;
    flangeDistance2 = flangeDistance2 - offset;

    double length1 = NAN, length2 = NAN;
    // A spoke-count value the popup cannot hold stands for no wheel at all.
    if (spokes > 0)
        DoCalculate(flangeDiameter1, flangeDiameter2, flangeDistance1, flangeDistance2, rimDiameter,
                    crossings1, crossings2, spokes, holeDiameter, &length1, &length2);
    ShowLength(dialog, iLength1, length1);
    ShowLength(dialog, iLength2, length2);

    double percent1, percent2;
    if (isfinite(length1) && isfinite(length2) &&
        DoTensionBalance(flangeDiameter1, flangeDiameter2, flangeDistance1, flangeDistance2,
                         rimDiameter, crossings1, crossings2, spokes, &percent1, &percent2)) {
        ShowPercent(dialog, iTension1, percent1);
        ShowPercent(dialog, iTension2, percent2);
    } else {
        XDlgSetStr(dialog, iTension1, "");
        XDlgSetStr(dialog, iTension2, "");
    }
}
