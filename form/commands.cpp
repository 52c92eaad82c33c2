// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/commands.h"

#include "app/globals.h"
#include "calc/calculate_hit.h"
#include "calc/geometry.h"
#include "calc/numtext.h"
#include "calc/spoke.h"
#include "catalogue/catalogue.h"
#include "form/build.h"
#include "form/helpers.h"
#include "form/items.h"
#include "form/sheet.h"
#include "form/tension.h"
#include "form/wheel.h"

namespace {

// Empties the form's texts and numbers and its results; the popups, and the
// last calculation that the sheet and the diagram show, stay as they are.
void ClearForm(DialogRef d)
{
    const Wheel empty = Wheel();
    WheelFields2Form(d, empty);
    Results cleared;
    ClearedResults(empty, &cleared);
    Results2Form(d, cleared);
}

// The record a menu button's chosen entry stands for: entry k is record k - 1,
// and no entry chosen shows the first. -1 when the table has no such record.
SInt32 ChosenRecord(DialogRef d, DialogItemIndex item, SInt32 count)
{
    ControlRef control = nullptr;
    SInt16 value = 0;
    GetDialogItemAsControl(d, item, &control);
    GetBevelButtonMenuValue(control, &value);
    const SInt32 index = value != 0 ? value - 1 : 0;
    return index >= 0 && index < count ? index : -1;
}

// Shows the chosen catalogue record's fields in the form: the wheel members
// its catalogue's fields fill, and no other item.
void ShowRecord(DialogRef d, const Wheel &wheel, const CatalogueField *fields, int count)
{
    for (int i = 0; i < count; i++)
        WheelMember2Form(d, wheel, fields[i].wheel);
}

void ShowRim(DialogRef d)
{
    const SInt32 i = ChosenRecord(d, iRimMenu, rimt ? rimc : 0);
    if (i < 0)
        return; // no such rim: the form stays as it is
    Wheel wheel = Wheel();
    Rim2Wheel(rimt[i], &wheel);
    ShowRecord(d, wheel, kRimFields, kRimFieldCount);
}

void ShowHub(DialogRef d)
{
    const SInt32 i = ChosenRecord(d, iHubMenu, hubt ? hubc : 0);
    if (i < 0)
        return;
    Wheel wheel = Wheel();
    Hub2Wheel(hubt[i], &wheel);
    ShowRecord(d, wheel, kHubFields, kHubFieldCount);
    // The hub says how its spokes sit in it; the labels follow.
    DoSpokeHeadHit(d);
}

// Calculates, and redraws the lacing diagram if it is shown.
void Calculate(DialogRef d)
{
    DoCalculateHit(d);
    DoLacingDiagram(theResults, FALSE);
    DoTensionWindow(theResults, FALSE);
}

} // namespace

void DoSpokeCountHit(DialogRef d)
{
    const Boolean twoToOne = CanLaceTwoToOne(SpokeCount(XDlgGetValue(d, iSpokes)));
    if (!twoToOne)
        XDlgSetValue(d, iSpokesPerSide, kSidesEqual);
    XDlgEnable(d, iSpokesPerSide, twoToOne);
}

void DoSpokeHeadHit(DialogRef d)
{
    const Boolean straight = XDlgGetValue(d, iSpokeHead) == kStraightPullHead;
    char text[kNumTextSize];
    XFormatIndStr(text, sizeof text, kHubLabelStringsID,
                  straight ? kStraightPullDiameter : kJBendDiameter);
    XDlgSetStr(d, iSeatDiameterLabel, text);
    XFormatIndStr(text, sizeof text, kHubLabelStringsID,
                  straight ? kStraightPullDistance : kJBendDistance);
    XDlgSetStr(d, iSeatDistanceLabel, text);
    const DialogItemIndex fields[] = {iFlangeDiameter1, iFlangeDiameter2, iFlangeDistance1,
                                      iFlangeDistance2};
    for (int i = 0; i < 4; i++) {
        XFormatIndStr(text, sizeof text, kHubNameStringsID,
                      (SInt16)((straight ? kStraightPullNames : kJBendNames) + i));
        XDlgSetAccessibleName(d, fields[i], text);
    }
    XDlgEnable(d, iHoleDiameter, !straight);
    XDlgEnable(d, iSpokeExit, straight);
    DoSpokeExitHit(d);
}

void DoSpokeExitHit(DialogRef d)
{
    // A seat offset moves a seat that aims its spoke; a tangent has none.
    XDlgEnable(d, iSeatOffset,
               XDlgGetValue(d, iSpokeHead) == kStraightPullHead &&
                   XDlgGetValue(d, iSpokeExit) != kExitTangential);
}

void DoDlgEvt(EventRecord *event)
{
    if (event->what == keyDown) {
        const SInt16 c = (SInt16)(event->message & charCodeMask);
        if (event->modifiers & cmdKey) {
            DoMenuCommand(MenuKey(c));
            HiliteMenu(0);
            return;
        }
        if (c == kEnterCharCode || c == kReturnCharCode) {
            Calculate(theDialog);
            return;
        }
        if (c == kEscapeCharCode)
            DoQuitCommand(); // and the form still sees the key
    }
    DialogRef dialog = nullptr;
    DialogItemIndex item = 0;
    if (!DialogSelect(event, &dialog, &item) || dialog != theDialog)
        return;
    switch (item) {
    case iQuit: DoQuitCommand(); break;
    case iClear: ClearForm(dialog); break;
    case iCalculate: Calculate(dialog); break;
    case iRimMenu: ShowRim(dialog); break;
    case iHubMenu: ShowHub(dialog); break;
    case iSpokes: DoSpokeCountHit(dialog); break;
    case iSpokeHead: DoSpokeHeadHit(dialog); break;
    case iSpokeExit: DoSpokeExitHit(dialog); break;
    case iErdHelper: DoErdHelper(dialog); break;
    case iFlangeDistanceHelper: DoFlangeDistanceHelper(dialog); break;
    case iFlangeDiameterHelper: DoFlangeDiameterHelper(dialog); break;
    default: break;
    }
}

void DoMenuCommand(SInt32 choice)
{
    const SInt16 menu = (SInt16)(choice >> 16);
    const SInt16 item = (SInt16)(choice & 0xFFFF);
    switch (menu) {
    case kProgramMenuID:
        if (item == kAboutItem)
            DisplayAbout();
        break;
    case kFileMenuID:
        if (item == kQuitItem)
            DoQuitCommand();
        else if (item == kLacingItem)
            DoLacingDiagram(theResults, TRUE);
        else if (item == kPrintItem)
            DoPrintSheet(theResults);
        else if (item == kOpenItem)
            DoOpenCommand();
        else if (item == kSaveItem)
            DoSaveCommand();
        else if (item == kSaveAsItem)
            DoSaveAsCommand();
        break;
    case kEditMenuID:
        if (item == kCutItem)
            DialogCut(theDialog);
        else if (item == kCopyItem)
            DialogCopy(theDialog);
        else if (item == kPasteItem)
            DialogPaste(theDialog);
        else if (item == kCopySheetItem)
            DoCopySheet(theResults);
        break;
    case kWheelMenuID:
        if (item == kTensionsItem)
            DoTensionWindow(theResults, TRUE);
        break;
    default: break;
    }
}

void DisplayAbout(void)
{
    InitCursor();
    DialogRef about = GetNewDialog(kAboutBoxID, nullptr, kFirstWindowOfClass);
    if (!about)
        return; // no About box to show; the program goes on
    TransitionWindow(GetDialogWindow(about), kWindowZoomTransitionEffect,
                     kWindowShowTransitionAction, nullptr);
    SetPort(GetDialogPort(about));
    DialogItemIndex hit = 0;
    while (hit != kAboutOK)
        ModalDialog(nullptr, &hit);
    TransitionWindow(GetDialogWindow(about), kWindowZoomTransitionEffect,
                     kWindowHideTransitionAction, nullptr);
    DisposeDialog(about);
}
