// The main form's numbered items, and the helpers through which every item text,
// number, popup value and catalogue menu entry goes in and out.
#ifndef QUENNICK_FORM_ITEMS_H
#define QUENNICK_FORM_ITEMS_H

#include "form/toolbox.h"

// Item numbers of the main form (template 128).
enum {
    iQuit = 1,
    iClear = 2,
    iCalculate = 3,
    iRimMenu = 4,
    iHubMenu = 5,
    iCrossings1 = 6,
    iCrossings2 = 7,
    iSpokes = 8,
    iRimText3 = 9,
    iRimDiameter = 10,
    iRimText1 = 11,
    iRimText2 = 12,
    iHubText4 = 13,
    iFlangeDiameter1 = 14,
    iFlangeDiameter2 = 15,
    iFlangeDistance1 = 16,
    iFlangeDistance2 = 17,
    iHoleDiameter = 18,
    iHubText1 = 19,
    iHubText2 = 20,
    iHubText3 = 21,
    iLength1 = 22,
    iLength2 = 23
};

// Dialog templates and menus loaded by number.
enum { kMainFormID = 128, kAboutBoxID = 129 };
enum { kProgramMenuID = 128, kFileMenuID = 129, kEditMenuID = 130 };

// Makes a length-prefixed text from a NUL-terminated one (null gives the empty
// text). At most 255 bytes are kept, cut before an incomplete UTF-8 character.
void C2Pas(const char *text, Str255 out);

// Sets an item's text.
void XDlgSetPas(DialogRef dialog, DialogItemIndex item, ConstStr255Param text);
// Sets an item's text from a NUL-terminated text; null sets the empty text.
void XDlgSetStr(DialogRef dialog, DialogItemIndex item, const char *text);
// Shows a number in an item with `decimals` digits after a decimal comma.
void XDlgSetDouble(DialogRef dialog, DialogItemIndex item, SInt16 decimals, double value);
// Reads an item's text as a number (comma or point); the item keeps its text.
// Returns what Str2Double returns: false, and 0, for a text with no number.
Boolean XDlgGetDouble(DialogRef dialog, DialogItemIndex item, double *value);
// The value of an item's control (popups count from 1).
SInt16 XDlgGetValue(DialogRef dialog, DialogItemIndex item);
// Appends an entry, taken literally, to a menu; does nothing to a menu that is
// not valid. A null text appends the empty entry.
void XMenuAppendItemStr(MenuRef menu, const char *text);

#endif
