// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/helpers.h"

#include <math.h>
#include <string.h>

#include "calc/figures.h"
#include "calc/numtext.h"
#include "form/items.h"

namespace {

// A text of the helpers' list, and the same as the name screen readers give
// the field it labels (without its colon).
void SetLabel(DialogRef d, DialogItemIndex label, DialogItemIndex field, SInt16 index)
{
    char text[256];
    XFormatIndStr(text, sizeof text, kHelperStringsID, index);
    XDlgSetStr(d, label, text);
    const size_t n = strlen(text);
    if (n > 0 && text[n - 1] == ':')
        text[n - 1] = '\0';
    XDlgSetAccessibleName(d, field, text);
}

void SetText(DialogRef d, DialogItemIndex item, SInt16 index, const char *p1 = nullptr,
             const char *p2 = nullptr, const char *p3 = nullptr)
{
    char text[256];
    XFormatIndStr(text, sizeof text, kHelperStringsID, index, p1, p2, p3);
    XDlgSetStr(d, item, text);
}

// A figure typed in a helper's field; not a number when it holds none.
double Figure(DialogRef d, DialogItemIndex item)
{
    double value = 0;
    return XDlgGetDouble(d, item, &value) ? value : NAN;
}

// Runs a helper's dialog: `show` words it for the chosen method, `fill` fills
// the form and reports, until the user closes it.
void RunHelper(SInt16 templateID, DialogRef form, void (*show)(DialogRef),
               void (*fill)(DialogRef, DialogRef))
{
    DialogRef d = GetNewDialog(templateID, nullptr, kFirstWindowOfClass);
    if (!d)
        return; // no helper to show; the form stays as it is
    show(d);
    TransitionWindow(GetDialogWindow(d), kWindowZoomTransitionEffect, kWindowShowTransitionAction,
                     nullptr);
    DialogItemIndex hit = 0;
    while (hit != hClose) {
        ModalDialog(nullptr, &hit);
        if (hit == hMethod)
            show(d);
        else if (hit == hFillIn)
            fill(d, form);
    }
    TransitionWindow(GetDialogWindow(d), kWindowZoomTransitionEffect, kWindowHideTransitionAction,
                     nullptr);
    DisposeDialog(d);
}

void ShowErd(DialogRef d)
{
    const bool tool = XDlgGetValue(d, hMethod) == 2;
    SetText(d, hHowTo, tool ? kHowTool : kHowSpokes);
    SetLabel(d, hLabelA, hFieldA, kMeasuredAcross);
    SetLabel(d, hLabelB, hFieldB, tool ? kRodLength : kNippleLength);
}

void FillErd(DialogRef d, DialogRef form)
{
    const double across = Figure(d, hFieldA), perSide = Figure(d, hFieldB);
    const double erd = ErdFromMeasurement(across, perSide);
    if (!isfinite(erd)) {
        SetText(d, hReport, kErdNone);
        return;
    }
    XDlgSetDouble(form, iRimDiameter, 2, erd);
    char a[kNumTextSize], b[kNumTextSize], c[kNumTextSize];
    Double2Str(erd, 2, a);
    Double2Str(across, 2, b);
    Double2Str(perSide, 2, c);
    SetText(d, hReport, kErdFilled, a, b, c);
}

void ShowDistances(DialogRef d)
{
    const bool locknuts = XDlgGetValue(d, hMethod) == 2;
    SetText(d, hHowTo, locknuts ? kHowLocknuts : kHowWidth);
    SetLabel(d, hLabelA, hFieldA, locknuts ? kOverLocknuts : kFlangeToFlange);
    SetLabel(d, hLabelB, hFieldB, locknuts ? kLocknutToFlange1 : kOffsetToSide1);
    SetLabel(d, hLabelC, hFieldC, kLocknutToFlange2);
    XDlgEnable(d, hFieldC, locknuts);
}

void FillDistances(DialogRef d, DialogRef form)
{
    double d1 = NAN, d2 = NAN;
    if (XDlgGetValue(d, hMethod) == 2) {
        FlangeDistancesFromLocknuts(Figure(d, hFieldA), Figure(d, hFieldB), Figure(d, hFieldC), &d1,
                                    &d2);
    } else {
        // No offset typed is a centred hub.
        double offset = Figure(d, hFieldB);
        FlangeDistancesFromWidth(Figure(d, hFieldA), isfinite(offset) ? offset : 0, &d1, &d2);
    }
    if (!isfinite(d1) || !isfinite(d2)) {
        SetText(d, hReport, kDistancesNone);
        return;
    }
    XDlgSetDouble(form, iFlangeDistance1, 2, d1);
    XDlgSetDouble(form, iFlangeDistance2, 2, d2);
    char a[kNumTextSize], b[kNumTextSize];
    Double2Str(d1, 2, a);
    Double2Str(d2, 2, b);
    SetText(d, hReport, kDistancesFilled, a, b);
}

void ShowDiameter(DialogRef d)
{
    const bool sameEdges = XDlgGetValue(d, hMethod) == 2;
    SetText(d, hHowTo, sameEdges ? kHowSameEdges : kHowOuterEdges);
    SetLabel(d, hLabelA, hFieldA, kMeasuredAcross);
    SetLabel(d, hLabelB, hFieldB, kHoleDiameter);
    XDlgEnable(d, hFieldB, !sameEdges);
}

void FillDiameter(DialogRef d, DialogRef form)
{
    const double across = Figure(d, hFieldA);
    // From the same edge of each hole the measurement is the circle itself.
    const double diameter = XDlgGetValue(d, hMethod) == 2
                                ? (isfinite(across) && across > 0 ? across : NAN)
                                : PitchDiameterFromOuterEdges(across, Figure(d, hFieldB));
    if (!isfinite(diameter)) {
        SetText(d, hReport, kDiameterNone);
        return;
    }
    const SInt16 side = XDlgGetValue(d, hSide);
    if (side != kSide2Only)
        XDlgSetDouble(form, iFlangeDiameter1, 2, diameter);
    if (side != kSide1Only)
        XDlgSetDouble(form, iFlangeDiameter2, 2, diameter);
    char a[kNumTextSize], which[kNumTextSize];
    Double2Str(diameter, 2, a);
    XFormatIndStr(which, sizeof which, kHelperStringsID,
                  side == kSide1Only   ? kWordSide1
                  : side == kSide2Only ? kWordSide2
                                       : kWordBothSides);
    SetText(d, hReport, kDiameterFilled, a, which);
}

} // namespace

void DoErdHelper(DialogRef form)
{
    RunHelper(kErdHelperID, form, ShowErd, FillErd);
}

void DoFlangeDistanceHelper(DialogRef form)
{
    RunHelper(kFlangeDistanceHelperID, form, ShowDistances, FillDistances);
}

void DoFlangeDiameterHelper(DialogRef form)
{
    RunHelper(kFlangeDiameterHelperID, form, ShowDiameter, FillDiameter);
}
