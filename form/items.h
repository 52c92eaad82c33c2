// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main form's numbered items, and the helpers through which every item text,
// number, popup value and catalogue menu entry goes in and out.
#ifndef QUENNICK_FORM_ITEMS_H
#define QUENNICK_FORM_ITEMS_H

#include <stddef.h>

#include "calc/spoke.h"
#include "toolbox/toolbox.h"

// Item numbers of the main form (template 128).
enum {
    iQuit = 1,             // button
    iClear = 2,            // button
    iCalculate = 3,        // button, the default one
    iRimMenu = 4,          // menu button: the rim catalogue
    iHubMenu = 5,          // menu button: the hub catalogue
    iCrossings1 = 6,       // popup: crossings of side 1, value 1 for 0 crossings
    iCrossings2 = 7,       // popup: crossings of side 2
    iSpokes = 8,           // popup: spokes, values 1 to 9 (SpokeCount, calc/spoke.h)
    iRimText3 = 9,         // rim size
    iRimDiameter = 10,     // number: rim diameter at the spoke ends (ERD)
    iRimText1 = 11,        // rim name
    iRimText2 = 12,        // rim notes
    iHubText4 = 13,        // hub position (front, rear)
    iFlangeDiameter1 = 14, // numbers: the hub's flanges and spoke hole
    iFlangeDiameter2 = 15,
    iFlangeDistance1 = 16,
    iFlangeDistance2 = 17,
    iHoleDiameter = 18,
    iHubText1 = 19, // hub name
    iHubText2 = 20, // hub axle
    iHubText3 = 21, // hub notes
    iLength1 = 22,  // read-only results: side 1 and side 2 spoke lengths
    iLength2 = 23,
    iRimOffset = 24, // number: spoke hole offset of an asymmetric rim, toward side 2
    iTension1 = 25,  // read-only: side 1 and side 2 spoke tension, % of the tighter
    iTension2 = 26,
    iSpokesPerSide = 27, // popup: kSidesEqual, kSidesMoreOn2, kSidesMoreOn1 (calc/spoke.h)
    iSpokeHead = 28,     // popup: kJBendHead or kStraightPullHead
    iLacingNote = 29,    // label: the lacing note (NoteKind, calc/wheel.h); empty when all is well
    iBracing1 = 30,      // read-only: side 1 and side 2 bracing angle, degrees
    iBracing2 = 31,
    iSeatDiameterLabel = 32, // labels of items 14 to 17, which say what the hub kind's figures are
    iSeatDistanceLabel = 33,
    iGauge1 = 34, // popups: side 1 and side 2 spoke gauge (kGauge..., calc/spoke.h)
    iGauge2 = 35,
    iTargetTension = 36, // number: tension of the tighter side, empty for none
    iTensionUnit = 37,   // popup: kUnitKgf or kUnitNewton
    iStretch1 = 38,      // read-only: side 1 and side 2 stretch at the target, mm
    iStretch2 = 39,
    iLengthToBuy1 = 40, // read-only: side 1 and side 2 stock length to buy
    iLengthToBuy2 = 41,
    iStockLengths = 42, // popup: kStockEven2mm or kStock1mm
    iOffsetSide = 43,   // popup: the side the rim's spoke holes sit toward, 1 or 2
    iSpokeExit = 44,    // popup: kExitAimed or kExitTangential (calc/geometry.h), straight-pull
    iSeatOffset = 45,   // number: a straight-pull seat's offset off its radial line, mm
    iBuildName = 50,    // the build's name, and its label (51)
    iBuildNameLabel = 51,
    iBuildNotes = 52, // free notes on the build: customer, date, what was bought; label 53
    iBuildNotesLabel = 53,
    iRimSource = 55,     // read-only: where the chosen rim's figures come from
    iHubSource = 56,     // read-only: where the chosen hub's figures come from
    iWasher = 57,        // number: nipple washer thickness, mm, under each nipple; empty for none
    iErdTolerance1 = 58, // read-only: side 1 and side 2 stock lengths with the ERD 1 mm either way
    iErdTolerance2 = 59,
    iErdHelper = 60, // buttons: the helpers of form/helpers.h
    iFlangeDistanceHelper = 61,
    iFlangeDiameterHelper = 62
};

// Values of the stock lengths popup (item 42). The spoke head (item 28), the
// tension unit (item 37) and the other popups' values are in calc/spoke.h.
enum { kStockEven2mm = 1, kStock1mm = 2 };

// Dialog templates and menus loaded by number.
enum { kMainFormID = 128, kAboutBoxID = 129 };
enum { kProgramMenuID = 128, kFileMenuID = 129, kEditMenuID = 130, kWheelMenuID = 131 };

// The About box's item that closes it.
enum { kAboutOK = 1 };

// Items of the menus that have an effect, by position (from 1, separators
// counted): resources/menus.txt keeps them in these places.
enum {
    kAboutItem = 1, // menu 128
    kQuitItem = 1,  // menu 129
    kCutItem = 3,   // menu 130
    kCopyItem = 4,
    kPasteItem = 5,
    kLacingItem = 3, // menu 129, after a separator
    kPrintItem = 4,
    kOpenItem = 6, // menu 129, after a separator
    kSaveItem = 7,
    kSaveAsItem = 8,
    kCopySheetItem = 7, // menu 130, after a separator
    kTensionsItem = 1   // menu 131
};

// Makes a length-prefixed text from a NUL-terminated one (null gives the empty
// text). At most 255 bytes are kept, cut before an incomplete UTF-8 character.
void C2Pas(const char *text, Str255 out);

// Sets an item's text.
void XDlgSetPas(DialogRef dialog, DialogItemIndex item, ConstStr255Param text);
// Sets an item's text from a NUL-terminated text; null sets the empty text.
void XDlgSetStr(DialogRef dialog, DialogItemIndex item, const char *text);
// Shows a number in an item with `decimals` digits after a decimal comma.
void XDlgSetDouble(DialogRef dialog, DialogItemIndex item, SInt16 decimals, double value);
// Reads an item's text, NUL-terminated and cut to fit `size` bytes on a UTF-8
// character boundary.
void XDlgGetStr(DialogRef dialog, DialogItemIndex item, char *text, size_t size);
// Reads an item's text as a number (comma or point); the item keeps its text.
// Returns what Str2Double returns: false, and 0, for a text with no number.
Boolean XDlgGetDouble(DialogRef dialog, DialogItemIndex item, double *value);
// The value of an item's control (popups count from 1).
SInt16 XDlgGetValue(DialogRef dialog, DialogItemIndex item);
// Chooses the popup entry that stands for `value` (popups count from 1).
void XDlgSetValue(DialogRef dialog, DialogItemIndex item, SInt16 value);
// Lets the user use an item, or greys it out.
void XDlgEnable(DialogRef dialog, DialogItemIndex item, Boolean enabled);
// Sets the name that screen readers read for an item, from a NUL-terminated text.
void XDlgSetAccessibleName(DialogRef dialog, DialogItemIndex item, const char *name);
// Appends an entry, taken literally, to a menu; does nothing to a menu that is
// not valid. A null text appends the empty entry.
void XMenuAppendItemStr(MenuRef menu, const char *text);

// String lists of resources/strings.txt (GetIndString).
enum { kResultStringsID = 128 };

// Text `index` of string list `listID` in the user's language, NUL-terminated
// and cut to fit `size` bytes; "^1" to "^4" in it are replaced by p1 to p4
// (a null parameter by nothing). The empty text for no such entry.
void XFormatIndStr(char *out, size_t size, SInt16 listID, SInt16 index, const char *p1 = nullptr,
                   const char *p2 = nullptr, const char *p3 = nullptr, const char *p4 = nullptr);

#endif
