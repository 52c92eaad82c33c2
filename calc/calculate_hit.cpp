// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/calculate_hit.h"

#include <math.h>
#include <stdio.h>

#include "calc/numtext.h"
#include "calc/spoke.h"
#include "form/items.h"

const char kNoResultText[] = "no result";

namespace {

void ShowLength(DialogRef dialog, DialogItemIndex item, double length)
{
    // "inf" or "nan" would mean nothing to a wheel builder.
    if (isfinite(length))
        XDlgSetDouble(dialog, item, 2, length);
    else
        XDlgSetStr(dialog, item, kNoResultText);
}

void ShowPercent(DialogRef dialog, DialogItemIndex item, double percent)
{
    char text[16];
    snprintf(text, sizeof text, "%d %%", (int)lround(percent));
    XDlgSetStr(dialog, item, text);
}

void ShowAngle(DialogRef dialog, DialogItemIndex item, double degrees)
{
    if (!isfinite(degrees)) {
        XDlgSetStr(dialog, item, "");
        return;
    }
    char number[kNumTextSize], text[kNumTextSize];
    Double2Str(degrees, 1, number);
    XFormatIndStr(text, sizeof text, kAngleStringsID, kAngleDegrees, number);
    XDlgSetStr(dialog, item, text);
}

// The lacing note: which side's spokes would cross their own flange (a
// crossing angle over a right angle), or the empty text.
void ShowLacingNote(DialogRef dialog, double crossings1, double spokes1, double crossings2,
                    double spokes2)
{
    const bool steep1 = CrossingAngle(crossings1, spokes1) > 90;
    const bool steep2 = CrossingAngle(crossings2, spokes2) > 90;
    char x1[kNumTextSize], x2[kNumTextSize], n1[kNumTextSize], n2[kNumTextSize];
    char note[kNumTextSize] = "";
    if (steep1 || steep2) {
        Double2Str(crossings1, 0, x1);
        Double2Str(crossings2, 0, x2);
        Double2Str(spokes1 / 2, 0, n1);
        Double2Str(spokes2 / 2, 0, n2);
    }
    if (steep1 && steep2) {
        XFormatIndStr(note, sizeof note, kLacingStringsID, kLacingBothTooSteep, x1, x2, n1, n2);
    } else if (steep1 || steep2) {
        char side[kNumTextSize], angle[kNumTextSize];
        Double2Str(steep1 ? 1 : 2, 0, side);
        Double2Str(steep1 ? CrossingAngle(crossings1, spokes1) : CrossingAngle(crossings2, spokes2),
                   0, angle);
        XFormatIndStr(note, sizeof note, kLacingStringsID, kLacingTooSteep, side, steep1 ? x1 : x2,
                      steep1 ? n1 : n2, angle);
    }
    XDlgSetStr(dialog, iLacingNote, note);
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
    double spokes1, spokes2;
    SideSpokes(spokes, XDlgGetValue(dialog, iSpokesPerSide), &spokes1, &spokes2);
    double holeDiameter, offset;
    XDlgGetDouble(dialog, iHoleDiameter, &holeDiameter);
    // A straight-pull head bears on its seat: no hole to wrap around.
    if (XDlgGetValue(dialog, iSpokeHead) == kStraightPullHead)
        holeDiameter = 0;
    XDlgGetDouble(dialog, iRimOffset, &offset);
    // An asymmetric rim's spoke bed sits nearer side 2's flange.
    flangeDistance1 = flangeDistance1 + offset;
    flangeDistance2 = flangeDistance2 - offset;

    double length1 = NAN, length2 = NAN;
    // A spoke-count value the popup cannot hold stands for no wheel at all.
    if (spokes > 0) {
        // Each side is laced as a wheel of twice its own spokes.
        double unused;
        DoCalculate(flangeDiameter1, flangeDiameter2, flangeDistance1, flangeDistance2, rimDiameter,
                    crossings1, crossings2, spokes1, holeDiameter, &length1,
                    spokes1 == spokes2 ? &length2 : &unused);
        if (spokes1 != spokes2)
            DoCalculate(flangeDiameter1, flangeDiameter2, flangeDistance1, flangeDistance2,
                        rimDiameter, crossings1, crossings2, spokes2, holeDiameter, &unused,
                        &length2);
    }
    ShowLength(dialog, iLength1, length1);
    ShowLength(dialog, iLength2, length2);

    double percent1, percent2;
    const bool lengths = isfinite(length1) && isfinite(length2);
    if (lengths && DoSideTensionBalance(flangeDiameter1, flangeDiameter2, flangeDistance1,
                                        flangeDistance2, rimDiameter, crossings1, crossings2,
                                        spokes1, spokes2, &percent1, &percent2)) {
        ShowPercent(dialog, iTension1, percent1);
        ShowPercent(dialog, iTension2, percent2);
    } else {
        XDlgSetStr(dialog, iTension1, "");
        XDlgSetStr(dialog, iTension2, "");
    }
    ShowAngle(dialog, iBracing1,
              lengths
                  ? BracingAngle(flangeDiameter1, flangeDistance1, crossings1, rimDiameter, spokes1)
                  : NAN);
    ShowAngle(dialog, iBracing2,
              lengths
                  ? BracingAngle(flangeDiameter2, flangeDistance2, crossings2, rimDiameter, spokes2)
                  : NAN);

    if (spokes > 0)
        ShowLacingNote(dialog, crossings1, spokes1, crossings2, spokes2);
    else
        XDlgSetStr(dialog, iLacingNote, "");
}
