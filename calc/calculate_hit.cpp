// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/calculate_hit.h"

#include <math.h>
#include <stdio.h>

#include "calc/numtext.h"
#include "calc/spoke.h"
#include "calc/tolerance.h"
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

// A whole percentage, "58 %".
void Percent2Str(double percent, char *text, size_t size)
{
    snprintf(text, size, "%d %%", (int)lround(percent));
}

void ShowPercent(DialogRef dialog, DialogItemIndex item, double percent)
{
    char text[16];
    Percent2Str(percent, text, sizeof text);
    XDlgSetStr(dialog, item, text);
}

// The tighter side's tension that the form asks for (items 36 and 37).
struct Target {
    bool set;       // a positive target, and a tension balance to share it by
    double tension; // in the unit of item 37, as typed
    double newtons;
    SInt16 unit; // kUnitKgf or kUnitNewton
};

Target TargetOf(DialogRef dialog, bool balance)
{
    Target t;
    t.tension = 0;
    XDlgGetDouble(dialog, iTargetTension, &t.tension);
    t.unit = XDlgGetValue(dialog, iTensionUnit) == kUnitNewton ? kUnitNewton : kUnitKgf;
    t.newtons = t.unit == kUnitNewton ? t.tension : t.tension * kNewtonsPerKgf;
    t.set = balance && t.tension > 0 && isfinite(t.newtons);
    return t;
}

// One side at the target: its tension after its percentage, the stretch of
// its spoke gauge, and the stock length to buy with its difference from the
// length it stands for: the unstretched spoke (the geometric length less half
// the hole, less the stretch), or without a stretch the length shown.
void ShowSide(DialogRef dialog, int side, const Target &target, double percent, double length,
              double geometric, double holeDiameter, double step)
{
    const DialogItemIndex tensionItem = side == 1 ? iTension1 : iTension2;
    double stretch = NAN;
    if (target.set) {
        char share[16], tension[kNumTextSize], text[kNumTextSize];
        Percent2Str(percent, share, sizeof share);
        Double2Str(target.tension * percent / 100, 0, tension);
        XFormatIndStr(text, sizeof text, kTargetStringsID,
                      target.unit == kUnitNewton ? kTargetNewton : kTargetKgf, share, tension);
        XDlgSetStr(dialog, tensionItem, text);
        stretch = SpokeStretch(XDlgGetValue(dialog, side == 1 ? iGauge1 : iGauge2),
                               target.newtons * percent / 100, geometric);
    }
    const DialogItemIndex stretchItem = side == 1 ? iStretch1 : iStretch2;
    if (isfinite(stretch))
        XDlgSetDouble(dialog, stretchItem, 2, stretch);
    else
        XDlgSetStr(dialog, stretchItem, "");

    const double computed = isfinite(stretch) ? geometric - 0.5 * holeDiameter - stretch : length;
    const DialogItemIndex buyItem = side == 1 ? iLengthToBuy1 : iLengthToBuy2;
    if (!isfinite(computed)) {
        XDlgSetStr(dialog, buyItem, "");
        return;
    }
    const double stock = StockLength(computed, step);
    // To the tenth shown, and no "-0,0" for a difference that rounds to nothing.
    double difference = round((stock - computed) * 10) / 10;
    if (difference == 0)
        difference = 0;
    char stockText[kNumTextSize], number[kNumTextSize], differenceText[kNumTextSize + 1];
    char text[kNumTextSize];
    Double2Str(stock, 0, stockText);
    Double2Str(difference, 1, number);
    snprintf(differenceText, sizeof differenceText, "%s%s", difference >= 0 ? "+" : "", number);
    XFormatIndStr(text, sizeof text, kBuyStringsID, kBuyLength, stockText, differenceText);
    XDlgSetStr(dialog, buyItem, text);
}

// The stock lengths a side would take with the ERD 1 mm either way, beside
// its length to buy (and nothing where that shows nothing).
void ShowTolerance(DialogRef dialog, int side, const Target &target, double percent,
                   double rimDiameter, BuySide buy, double step)
{
    const DialogItemIndex item = side == 1 ? iErdTolerance1 : iErdTolerance2;
    buy.gauge = XDlgGetValue(dialog, side == 1 ? iGauge1 : iGauge2);
    buy.newtons = target.set ? target.newtons * percent / 100 : NAN;
    double shorter, longer;
    ErdTolerance(buy, rimDiameter, 1, step, &shorter, &longer);
    if (!isfinite(shorter) || !isfinite(longer)) {
        XDlgSetStr(dialog, item, "");
        return;
    }
    char a[kNumTextSize], b[kNumTextSize], text[kNumTextSize];
    Double2Str(shorter, 0, a);
    Double2Str(longer, 0, b);
    XFormatIndStr(text, sizeof text, kToleranceStringsID,
                  shorter == longer ? kToleranceOne : kToleranceRange, a, b);
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
// crossing angle over a right angle); else, for a looser side (1 or 2, 0 for
// none) that may go slack, its whole percentage; else the empty text. One
// sentence at a time: two would not fit the 255 bytes of an item's text.
void ShowLacingNote(DialogRef dialog, double crossings1, double spokes1, double crossings2,
                    double spokes2, int slackSide, double slackPercent)
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
    } else if (slackSide != 0) {
        char side[kNumTextSize], percent[kNumTextSize];
        Double2Str(slackSide, 0, side);
        Double2Str(lround(slackPercent), 0, percent);
        XFormatIndStr(note, sizeof note, kLacingStringsID, kLacingMaySlacken, side, percent);
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
    double washer = 0;
    XDlgGetDouble(dialog, iWasher, &washer);
    rimDiameter = WasherErd(rimDiameter, washer);
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

    double percent1 = NAN, percent2 = NAN;
    const bool lengths = isfinite(length1) && isfinite(length2);
    const bool balance =
        lengths && DoSideTensionBalance(flangeDiameter1, flangeDiameter2, flangeDistance1,
                                        flangeDistance2, rimDiameter, crossings1, crossings2,
                                        spokes1, spokes2, &percent1, &percent2);
    if (balance) {
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

    const Target target = TargetOf(dialog, balance);
    const double step = XDlgGetValue(dialog, iStockLengths) == kStock1mm ? 1 : 2;
    ShowSide(
        dialog, 1, target, percent1, length1,
        SpokeGeometricLength(flangeDiameter1, flangeDistance1, crossings1, rimDiameter, spokes1),
        holeDiameter, step);
    ShowSide(
        dialog, 2, target, percent2, length2,
        SpokeGeometricLength(flangeDiameter2, flangeDistance2, crossings2, rimDiameter, spokes2),
        holeDiameter, step);

    if (spokes > 0) {
        ShowTolerance(dialog, 1, target, percent1, rimDiameter,
                      {flangeDiameter1, flangeDistance1, crossings1, spokes1, holeDiameter, 0, NAN},
                      step);
        ShowTolerance(dialog, 2, target, percent2, rimDiameter,
                      {flangeDiameter2, flangeDistance2, crossings2, spokes2, holeDiameter, 0, NAN},
                      step);
    } else {
        XDlgSetStr(dialog, iErdTolerance1, "");
        XDlgSetStr(dialog, iErdTolerance2, "");
    }

    int slackSide = 0;
    if (target.set && MaySlacken(percent1 < percent2 ? percent1 : percent2))
        slackSide = percent1 < percent2 ? 1 : 2;
    if (spokes > 0)
        ShowLacingNote(dialog, crossings1, spokes1, crossings2, spokes2, slackSide,
                       slackSide == 1 ? percent1 : percent2);
    else
        XDlgSetStr(dialog, iLacingNote, "");
}
