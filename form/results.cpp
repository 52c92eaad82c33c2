// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How the form words a Calculate's results: the lengths, shares, tensions,
// angles, stretch, lengths to buy and the lacing note.
#include <math.h>
#include <stdio.h>

#include "calc/calculate_hit.h"
#include "calc/numtext.h"
#include "calc/spoke.h"
#include "form/items.h"
#include "form/wheel.h"

const char kNoResultText[] = "no result";

namespace {

// The result items, in the order Results2Form writes them.
const DialogItemIndex kResultItems[] = {iLength1,      iLength2,      iTension1,  iTension2,
                                        iBracing1,     iBracing2,     iStretch1,  iStretch2,
                                        iLengthToBuy1, iLengthToBuy2, iLacingNote};

void LengthText(double length, char *out, size_t size)
{
    // "inf" or "nan" would mean nothing to a wheel builder.
    if (isfinite(length)) {
        char text[kNumTextSize];
        Double2Str(length, 2, text);
        snprintf(out, size, "%s", text);
        return;
    }
    XFormatIndStr(out, size, kResultStringsID, kNoResultString);
}

// A whole percentage, "58 %", and with a target the tension after it.
void TensionText(const Results &r, const SideResults &s, char *out, size_t size)
{
    if (isnan(s.percent)) {
        snprintf(out, size, "%s", "");
        return;
    }
    char share[16];
    snprintf(share, sizeof share, "%d %%", (int)lround(s.percent));
    if (isnan(s.tension)) {
        snprintf(out, size, "%s", share);
        return;
    }
    char tension[kNumTextSize];
    Double2Str(s.tension, 0, tension);
    XFormatIndStr(out, size, kTargetStringsID,
                  r.wheel.unit == kUnitNewton ? kTargetNewton : kTargetKgf, share, tension);
}

void AngleText(double degrees, char *out, size_t size)
{
    if (!isfinite(degrees)) {
        snprintf(out, size, "%s", "");
        return;
    }
    char number[kNumTextSize];
    Double2Str(degrees, 1, number);
    XFormatIndStr(out, size, kAngleStringsID, kAngleDegrees, number);
}

void NumberText(double value, SInt16 decimals, char *out, size_t size)
{
    char text[kNumTextSize] = "";
    if (isfinite(value))
        Double2Str(value, decimals, text);
    snprintf(out, size, "%s", text);
}

// The stock length and its difference from the length it stands for,
// "290 mm, +0,6".
void BuyText(const SideResults &s, char *out, size_t size)
{
    if (isnan(s.toBuy)) {
        snprintf(out, size, "%s", "");
        return;
    }
    char stock[kNumTextSize], number[kNumTextSize], difference[kNumTextSize + 1];
    Double2Str(s.toBuy, 0, stock);
    Double2Str(s.toBuyDifference, 1, number);
    snprintf(difference, sizeof difference, "%s%s", s.toBuyDifference >= 0 ? "+" : "", number);
    XFormatIndStr(out, size, kBuyStringsID, kBuyLength, stock, difference);
}

// One sentence at a time: two would not fit the 255 bytes of an item's text.
void NoteText(const Results &r, char *out, size_t size)
{
    const LacingNote &n = r.note;
    char x1[kNumTextSize], x2[kNumTextSize], n1[kNumTextSize], n2[kNumTextSize];
    Double2Str(r.wheel.crossings1, 0, x1);
    Double2Str(r.wheel.crossings2, 0, x2);
    Double2Str(r.side1.spokes, 0, n1);
    Double2Str(r.side2.spokes, 0, n2);
    char side[kNumTextSize], number[kNumTextSize];
    Double2Str(n.side, 0, side);
    switch (n.kind) {
    case kNoteBothTooSteep:
        XFormatIndStr(out, size, kLacingStringsID, kLacingBothTooSteep, x1, x2, n1, n2);
        break;
    case kNoteTooSteep:
        Double2Str(n.angle, 0, number);
        XFormatIndStr(out, size, kLacingStringsID, kLacingTooSteep, side, n.side == 1 ? x1 : x2,
                      n.side == 1 ? n1 : n2, number);
        break;
    case kNoteMaySlacken:
        Double2Str(lround(n.percent), 0, number);
        XFormatIndStr(out, size, kLacingStringsID, kLacingMaySlacken, side, number);
        break;
    default: snprintf(out, size, "%s", ""); break;
    }
}

} // namespace

void ResultText(const Results &r, DialogItemIndex item, char *out, size_t size)
{
    if (!out || size == 0)
        return;
    const bool one = item == iLength1 || item == iTension1 || item == iBracing1 ||
                     item == iStretch1 || item == iLengthToBuy1;
    const SideResults &s = one ? r.side1 : r.side2;
    switch (item) {
    case iLength1:
    case iLength2: LengthText(s.length, out, size); break;
    case iTension1:
    case iTension2: TensionText(r, s, out, size); break;
    case iBracing1:
    case iBracing2: AngleText(s.bracing, out, size); break;
    case iStretch1:
    case iStretch2: NumberText(s.stretch, 2, out, size); break;
    case iLengthToBuy1:
    case iLengthToBuy2: BuyText(s, out, size); break;
    case iLacingNote: NoteText(r, out, size); break;
    default: out[0] = '\0'; break;
    }
}

void Results2Form(DialogRef dialog, const Results &results)
{
    char text[kWheelTextSize];
    for (DialogItemIndex item : kResultItems) {
        ResultText(results, item, text, sizeof text);
        XDlgSetStr(dialog, item, text);
    }
}
