// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/wheel.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

#include "calc/checks.h"
#include "calc/numtext.h"
#include "calc/spoke.h"
#include "form/items.h"

namespace {

// The form's text and number fields of a wheel, with the place in the record
// each goes to. A new field of the form is one more line here.
enum FieldKind {
    kTextField,    // char[kWheelTextSize]
    kNumberField,  // double, shown with 2 decimals
    kOptionalField // double, shown with 2 decimals, or empty for 0
};
struct WheelField {
    DialogItemIndex item;
    FieldKind kind;
    size_t offset; // in Wheel
};
#define AT(member) offsetof(Wheel, member)
const WheelField kFields[] = {
    {iRimText3, kTextField, AT(rim.size)},
    {iRimDiameter, kNumberField, AT(rim.diameter)},
    {iRimText1, kTextField, AT(rim.name)},
    {iRimText2, kTextField, AT(rim.notes)},
    {iHubText4, kTextField, AT(hub.position)},
    {iFlangeDiameter1, kNumberField, AT(hub.flangeDiameter1)},
    {iFlangeDiameter2, kNumberField, AT(hub.flangeDiameter2)},
    {iFlangeDistance1, kNumberField, AT(hub.flangeDistance1)},
    {iFlangeDistance2, kNumberField, AT(hub.flangeDistance2)},
    {iHoleDiameter, kNumberField, AT(hub.holeDiameter)},
    {iHubText1, kTextField, AT(hub.name)},
    {iHubText2, kTextField, AT(hub.axle)},
    {iHubText3, kTextField, AT(hub.notes)},
    {iRimOffset, kNumberField, AT(rim.offset)},
    {iSeatOffset, kNumberField, AT(hub.seatOffset)},
    {iRimSource, kTextField, AT(rim.source)},
    {iHubSource, kTextField, AT(hub.source)},
    {iWasher, kOptionalField, AT(rim.washer)},
    {iTargetTension, kOptionalField, AT(target)},
    {iBuildName, kTextField, AT(name)},
    {iBuildNotes, kTextField, AT(notes)},
};

// The popups of a wheel, and how a popup's value stands for the record's.
enum PopupKind {
    kPlainValue, // int: the value itself (kSides..., kGauge..., head)
    kCrossings,  // int: value 1 for 0 crossings
    kSpokeCount, // int: the count SpokeCount gives
    kUnit,       // int: kUnitNewton, anything else kUnitKgf
    kStockStep   // double: 1 mm for kStock1mm, else 2 mm
};
struct WheelPopup {
    DialogItemIndex item;
    PopupKind kind;
    size_t offset; // in Wheel
};
const WheelPopup kPopups[] = {
    {iCrossings1, kCrossings, AT(crossings1)},  {iCrossings2, kCrossings, AT(crossings2)},
    {iSpokes, kSpokeCount, AT(spokes)},         {iSpokesPerSide, kPlainValue, AT(sharing)},
    {iSpokeHead, kPlainValue, AT(hub.head)},    {iGauge1, kPlainValue, AT(gauge1)},
    {iGauge2, kPlainValue, AT(gauge2)},         {iTensionUnit, kUnit, AT(unit)},
    {iStockLengths, kStockStep, AT(stockStep)}, {iOffsetSide, kPlainValue, AT(rim.offsetSide)},
    {iSpokeExit, kPlainValue, AT(hub.exit)},
};
#undef AT

template <typename T> T *Member(Wheel *wheel, size_t offset)
{
    return reinterpret_cast<T *>(reinterpret_cast<char *>(wheel) + offset);
}
template <typename T> const T &Member(const Wheel &wheel, size_t offset)
{
    return *reinterpret_cast<const T *>(reinterpret_cast<const char *>(&wheel) + offset);
}

void ReadPopup(DialogRef dialog, const WheelPopup &p, Wheel *wheel)
{
    const SInt16 v = XDlgGetValue(dialog, p.item);
    switch (p.kind) {
    case kPlainValue: *Member<int>(wheel, p.offset) = v; break;
    case kCrossings: *Member<int>(wheel, p.offset) = v - 1; break;
    case kSpokeCount: *Member<int>(wheel, p.offset) = (int)SpokeCount(v); break;
    case kUnit: *Member<int>(wheel, p.offset) = v == kUnitNewton ? kUnitNewton : kUnitKgf; break;
    case kStockStep: *Member<double>(wheel, p.offset) = v == kStock1mm ? 1 : 2; break;
    }
}

SInt16 PopupValue(const Wheel &wheel, const WheelPopup &p)
{
    switch (p.kind) {
    case kPlainValue: return (SInt16)Member<int>(wheel, p.offset);
    case kCrossings: return (SInt16)(Member<int>(wheel, p.offset) + 1);
    case kSpokeCount:
        for (SInt16 v = 1; SpokeCount(v) > 0; v++)
            if (SpokeCount(v) == Member<int>(wheel, p.offset))
                return v;
        return 0;
    case kUnit: return (SInt16)Member<int>(wheel, p.offset);
    case kStockStep: return Member<double>(wheel, p.offset) == 1 ? kStock1mm : kStockEven2mm;
    }
    return 0;
}

void FieldText(const Wheel &wheel, const WheelField &f, char *out, size_t size)
{
    if (f.kind == kTextField) {
        snprintf(out, size, "%s", &Member<char>(wheel, f.offset));
        return;
    }
    const double value = Member<double>(wheel, f.offset);
    char text[kNumTextSize] = "";
    // An optional figure that is no number (a target typed as "nan") shows
    // nothing, as the note says why.
    if (f.kind == kNumberField || (value != 0 && isfinite(value)))
        Double2Str(value, 2, text);
    snprintf(out, size, "%s", text);
}

} // namespace

void Form2Wheel(DialogRef dialog, Wheel *wheel)
{
    memset(wheel, 0, sizeof *wheel);
    for (const WheelField &f : kFields) {
        if (f.kind == kTextField)
            XDlgGetStr(dialog, f.item, Member<char>(wheel, f.offset), kWheelTextSize);
        else
            XDlgGetDouble(dialog, f.item, Member<double>(wheel, f.offset));
    }
    for (const WheelPopup &p : kPopups)
        ReadPopup(dialog, p, wheel);
    // The target as a tension: text that is no number, hexadecimal "0x78"
    // included, is NAN rather than the number the library would read.
    char text[kWheelTextSize];
    XDlgGetStr(dialog, iTargetTension, text, sizeof text);
    double target = 0;
    const TargetKind kind = ReadTarget(text, wheel->unit == kUnitNewton, &target);
    wheel->targetTyped = kind != kTargetEmpty;
    wheel->target = kind == kTargetNotNumber ? NAN : target;
}

void WheelFields2Form(DialogRef dialog, const Wheel &wheel)
{
    char text[kWheelTextSize];
    for (const WheelField &f : kFields) {
        FieldText(wheel, f, text, sizeof text);
        XDlgSetStr(dialog, f.item, text);
    }
}

void Wheel2Form(DialogRef dialog, const Wheel &wheel)
{
    WheelFields2Form(dialog, wheel);
    for (const WheelPopup &p : kPopups)
        XDlgSetValue(dialog, p.item, PopupValue(wheel, p));
}

void WheelMember2Form(DialogRef dialog, const Wheel &wheel, size_t offset)
{
    char text[kWheelTextSize];
    for (const WheelField &f : kFields)
        if (f.offset == offset) {
            FieldText(wheel, f, text, sizeof text);
            XDlgSetStr(dialog, f.item, text);
        }
    for (const WheelPopup &p : kPopups)
        if (p.offset == offset)
            XDlgSetValue(dialog, p.item, PopupValue(wheel, p));
}

bool WheelText(const Wheel &wheel, DialogItemIndex item, char *out, size_t size)
{
    for (const WheelField &f : kFields)
        if (f.item == item) {
            FieldText(wheel, f, out, size);
            return true;
        }
    return false;
}

SInt16 WheelValue(const Wheel &wheel, DialogItemIndex item)
{
    for (const WheelPopup &p : kPopups)
        if (p.item == item)
            return PopupValue(wheel, p);
    return 0;
}
