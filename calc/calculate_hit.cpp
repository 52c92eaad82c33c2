// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/calculate_hit.h"

#include <math.h>
#include <stdio.h>

#include "calc/geometry.h"
#include "calc/lacing_note.h"
#include "calc/numtext.h"
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

// The lacing note, worded: one sentence at a time, as two would not fit the
// 255 bytes of an item's text.
void ShowLacingNote(DialogRef dialog, const LacingNote &note, const SpokeSide &side1,
                    const SpokeSide &side2)
{
    char p1[kNumTextSize], p2[kNumTextSize], p3[kNumTextSize], p4[kNumTextSize];
    char text[kNumTextSize] = "";
    const SpokeSide &side = note.side == 1 ? side1 : side2;
    Double2Str(note.side, 0, p1);
    switch (note.kind) {
    case kNoteTooSteep:
    case kNotePastTangent:
        Double2Str(side.crossings, 0, p2);
        Double2Str(side.spokes / 2, 0, p3);
        // Near the tangent whole degrees could read the same on both sides.
        Double2Str(note.angle, note.kind == kNotePastTangent ? 1 : 0, p4);
        if (note.kind == kNotePastTangent) {
            char limit[kNumTextSize];
            Double2Str(note.limit, 1, limit);
            XFormatIndStr(text, sizeof text, kLacingStringsID, kLacingPastTangent, p1, p2, p4,
                          limit);
        } else {
            XFormatIndStr(text, sizeof text, kLacingStringsID, kLacingTooSteep, p1, p2, p3, p4);
        }
        break;
    case kNoteBothTooSteep:
    case kNoteBothPastTangent:
        Double2Str(side1.crossings, 0, p1);
        Double2Str(side2.crossings, 0, p2);
        Double2Str(side1.spokes / 2, 0, p3);
        Double2Str(side2.spokes / 2, 0, p4);
        XFormatIndStr(text, sizeof text, kLacingStringsID,
                      note.kind == kNoteBothTooSteep ? kLacingBothTooSteep : kLacingBothPastTangent,
                      p1, p2, p3, p4);
        break;
    case kNoteOverHead:
        Double2Str(side.crossings, 0, p2);
        Double2Str(side.spokes / 2, 0, p3);
        Double2Str(note.distance, 2, p4);
        XFormatIndStr(text, sizeof text, kLacingStringsID, kLacingOverHead, p1, p2, p3, p4);
        break;
    case kNoteUneven:
        Double2Str(side1.spokes, 0, p1);
        Double2Str(side1.spokes / 2, 0, p2);
        XFormatIndStr(text, sizeof text, kLacingStringsID, kLacingUneven, p1, p2);
        break;
    case kNoteHubCrossings:
        Double2Str(note.angle, 0, p2);
        Double2Str(note.crossings, 1, p3);
        Double2Str(side.spokes / 2, 0, p4);
        XFormatIndStr(text, sizeof text, kLacingStringsID, kLacingHubCrossings, p1, p2, p3, p4);
        break;
    case kNoteMaySlacken:
        Double2Str(lround(note.percent), 0, p2);
        XFormatIndStr(text, sizeof text, kLacingStringsID, kLacingMaySlacken, p1, p2);
        break;
    case kNoteNone: break;
    }
    XDlgSetStr(dialog, iLacingNote, text);
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
    double holeDiameter, offset, seatOffset = 0;
    XDlgGetDouble(dialog, iHoleDiameter, &holeDiameter);
    const bool straight = XDlgGetValue(dialog, iSpokeHead) == kStraightPullHead;
    // A straight-pull head bears on its seat: no hole to wrap around.
    if (straight)
        holeDiameter = 0;
    // How a straight-pull spoke leaves its seat; a J-bend hole has no say.
    int exit = kExitAimed;
    if (straight) {
        if (XDlgGetValue(dialog, iSpokeExit) == kExitTangential)
            exit = kExitTangential;
        XDlgGetDouble(dialog, iSeatOffset, &seatOffset);
    }
    XDlgGetDouble(dialog, iRimOffset, &offset);
    // An asymmetric rim's spoke bed sits nearer the flange of the side its
    // holes sit toward.
    offset = OffsetTowardSide2(offset, XDlgGetValue(dialog, iOffsetSide));
    flangeDistance1 = flangeDistance1 + offset;
    flangeDistance2 = flangeDistance2 - offset;
    // Each side as the lacing lays it, with its own spoke count.
    const SpokeSide side1 = {flangeDiameter1, flangeDistance1, rimDiameter, crossings1, spokes1,
                             spokes,          straight,        exit,        seatOffset};
    const SpokeSide side2 = {flangeDiameter2, flangeDistance2, rimDiameter, crossings2, spokes2,
                             spokes,          straight,        exit,        seatOffset};

    double length1 = NAN, length2 = NAN;
    // A spoke-count value the popup cannot hold stands for no wheel at all.
    if (spokes > 0) {
        length1 = SideSpokeLength(side1, holeDiameter);
        length2 = SideSpokeLength(side2, holeDiameter);
    }
    ShowLength(dialog, iLength1, length1);
    ShowLength(dialog, iLength2, length2);

    double percent1 = NAN, percent2 = NAN;
    const bool lengths = isfinite(length1) && isfinite(length2);
    const bool balance = lengths && SidesTensionBalance(side1, side2, &percent1, &percent2);
    if (balance) {
        ShowPercent(dialog, iTension1, percent1);
        ShowPercent(dialog, iTension2, percent2);
    } else {
        XDlgSetStr(dialog, iTension1, "");
        XDlgSetStr(dialog, iTension2, "");
    }
    ShowAngle(dialog, iBracing1, lengths ? SideBracing(side1) : NAN);
    ShowAngle(dialog, iBracing2, lengths ? SideBracing(side2) : NAN);

    const Target target = TargetOf(dialog, balance);
    const double step = XDlgGetValue(dialog, iStockLengths) == kStock1mm ? 1 : 2;
    ShowSide(dialog, 1, target, percent1, length1, SideGeometric(side1), holeDiameter, step);
    ShowSide(dialog, 2, target, percent2, length2, SideGeometric(side2), holeDiameter, step);

    int slackSide = 0;
    if (target.set && MaySlacken(percent1 < percent2 ? percent1 : percent2))
        slackSide = percent1 < percent2 ? 1 : 2;
    if (spokes > 0)
        ShowLacingNote(dialog,
                       LacingNoteOf(side1, side2, holeDiameter, slackSide,
                                    slackSide == 1 ? percent1 : percent2),
                       side1, side2);
    else
        XDlgSetStr(dialog, iLacingNote, "");
}
