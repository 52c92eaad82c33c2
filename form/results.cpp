// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How the form words a Calculate's results: the lengths, shares, tensions,
// angles, stretch, lengths to buy and the lacing note.
#include <math.h>
#include <stdio.h>
#include <string.h>

#include "calc/calculate_hit.h"
#include "calc/numtext.h"
#include "calc/spoke.h"
#include "form/items.h"
#include "form/sheet.h"
#include "form/wheel.h"

const char kNoResultText[] = "no result";

namespace {

// Copies a NUL-terminated text into `out`, cut to fit `size` bytes.
void Copy(const char *text, char *out, size_t size)
{
    const size_t len = strlen(text), n = len < size - 1 ? len : size - 1;
    memcpy(out, text, n);
    out[n] = '\0';
}

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
        Copy(text, out, size);
        return;
    }
    XFormatIndStr(out, size, kResultStringsID, kNoResultString);
}

// A whole percentage as the language writes it ("58 %" in English), and with
// a target the tension after it.
void TensionText(const Results &r, const SideResults &s, char *out, size_t size)
{
    if (isnan(s.percent)) {
        out[0] = '\0';
        return;
    }
    char number[16], share[32];
    snprintf(number, sizeof number, "%d", (int)lround(s.percent));
    XFormatIndStr(share, sizeof share, kPercentStringsID, kPercentWhole, number);
    if (isnan(s.tension)) {
        Copy(share, out, size);
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
        out[0] = '\0';
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
    Copy(text, out, size);
}

// The stock length and its difference from the length it stands for,
// "290 mm, +0,6".
void BuyText(const SideResults &s, char *out, size_t size)
{
    if (isnan(s.toBuy)) {
        out[0] = '\0';
        return;
    }
    char stock[kNumTextSize], number[kNumTextSize], difference[kNumTextSize + 1];
    Double2Str(s.toBuy, 0, stock);
    Double2Str(s.toBuyDifference, 1, number);
    snprintf(difference, sizeof difference, "%s%s", s.toBuyDifference >= 0 ? "+" : "", number);
    XFormatIndStr(out, size, kBuyStringsID, kBuyLength, stock, difference);
}

// Why the target tension gives no stretch: no number, or outside the range
// spokes take, in the unit it was typed in ("60 to 200 kgf").
void TargetNoteText(const Results &r, char *out, size_t size)
{
    if (r.note.kind == kNoteTargetNotNumber) {
        XFormatIndStr(out, size, kTargetNoteStringsID, kTargetNoNumber);
        return;
    }
    const bool newtons = r.wheel.unit == kUnitNewton;
    double least, most;
    TargetRange(newtons, &least, &most);
    char low[kNumTextSize], high[kNumTextSize], unit[kNumTextSize], other[kNumTextSize];
    Double2Str(least, 0, low);
    Double2Str(most, 0, high);
    XFormatIndStr(unit, sizeof unit, kSheetStringsID, newtons ? kWordNewton : kWordKgf);
    XFormatIndStr(other, sizeof other, kSheetStringsID, newtons ? kWordKgf : kWordNewton);
    XFormatIndStr(out, size, kTargetNoteStringsID,
                  r.note.kind == kNoteTargetOtherUnit ? kTargetOtherUnitNote
                                                      : kTargetOutOfRangeNote,
                  low, high, unit, other);
}

// What the rim and hub figures cannot be.
void PartsNoteText(const Results &r, char *out, size_t size)
{
    const Wheel &w = r.wheel;
    const int side = r.note.side;
    char a[kNumTextSize], b[kNumTextSize], c[kNumTextSize];
    Double2Str(side, 0, a);
    switch (r.note.kind) {
    case kNoteFlangeOverRim:
        Double2Str(side == 1 ? w.hub.flangeDiameter1 : w.hub.flangeDiameter2, 2, b);
        Double2Str(w.rim.diameter, 2, c);
        XFormatIndStr(out, size, kWhatCannotBeID, kFlangeOverRim, a, b, c);
        break;
    case kNoteFlangeDistance:
        Double2Str(side == 1 ? w.hub.flangeDistance1 : w.hub.flangeDistance2, 2, b);
        XFormatIndStr(out, size, kWhatCannotBeID, kFlangeDistance, a, b);
        break;
    case kNoteOffsetPastFlange:
        Double2Str(fabs(w.rim.offset), 2, b);
        Double2Str(side == 1 ? w.hub.flangeDistance1 : w.hub.flangeDistance2, 2, c);
        XFormatIndStr(out, size, kWhatCannotBeID, kOffsetPastFlange, b, a, c);
        break;
    default: XFormatIndStr(out, size, kWhatCannotBeID, kNoRim); break;
    }
}

// One sentence at a time: two would not fit the 255 bytes of an item's text.
void NoteText(const Results &r, char *out, size_t size)
{
    const LacingNote &n = r.note;
    out[0] = '\0';
    if (n.kind == kNoteNone)
        return;
    char side[kNumTextSize], number[kNumTextSize];
    Double2Str(n.side, 0, side);
    if (n.kind == kNoteMaySlacken) {
        Double2Str(lround(n.percent), 0, number);
        XFormatIndStr(out, size, kLacingStringsID, kLacingMaySlacken, side, number);
        return;
    }
    char x1[kNumTextSize], x2[kNumTextSize], n1[kNumTextSize], n2[kNumTextSize];
    Double2Str(r.wheel.crossings1, 0, x1);
    Double2Str(r.wheel.crossings2, 0, x2);
    Double2Str(r.side1.spokes, 0, n1);
    Double2Str(r.side2.spokes, 0, n2);
    const char *x = n.side == 1 ? x1 : x2, *spokes = n.side == 1 ? n1 : n2;
    char a[kNumTextSize], b[kNumTextSize];
    switch (n.kind) {
    case kNoteBothTooSteep:
    case kNoteBothPastTangent:
        XFormatIndStr(out, size, kLacingStringsID,
                      n.kind == kNoteBothTooSteep ? kLacingBothTooSteep : kLacingBothPastTangent,
                      x1, x2, n1, n2);
        break;
    case kNoteTooSteep:
        Double2Str(n.angle, 0, a);
        XFormatIndStr(out, size, kLacingStringsID, kLacingTooSteep, side, x, spokes, a);
        break;
    case kNotePastTangent:
        // Near the tangent whole degrees could read the same on both sides of it.
        Double2Str(n.angle, 1, a);
        Double2Str(n.limit, 1, b);
        XFormatIndStr(out, size, kLacingStringsID, kLacingPastTangent, side, x, a, b);
        break;
    case kNoteOverHead:
        Double2Str(n.distance, 2, a);
        XFormatIndStr(out, size, kLacingStringsID, kLacingOverHead, side, x, spokes, a);
        break;
    case kNoteUneven:
        Double2Str(r.side1.spokes + r.side2.spokes, 0, a);
        XFormatIndStr(out, size, kLacingStringsID, kLacingUneven, a, n1);
        break;
    case kNoteHubCrossings:
        Double2Str(n.angle, 0, a);
        Double2Str(n.crossings, 1, b);
        XFormatIndStr(out, size, kLacingStringsID, kLacingHubCrossings, side, a, b, spokes);
        break;
    case kNoteTargetNotNumber:
    case kNoteTargetOutOfRange:
    case kNoteTargetOtherUnit: TargetNoteText(r, out, size); break;
    case kNoteNoRim:
    case kNoteFlangeOverRim:
    case kNoteFlangeDistance:
    case kNoteOffsetPastFlange: PartsNoteText(r, out, size); break;
    case kNoteMaySlacken: // worded above
    case kNoteNone: break;
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
