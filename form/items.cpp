// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/items.h"

#include <string.h>

#include "calc/numtext.h"

void C2Pas(const char *text, Str255 out)
{
    size_t n = 0;
    if (text) {
        while (n < 255 && text[n] != '\0')
            n++;
        // Cut before a character that would not fit whole: the byte after the
        // cut must not continue a UTF-8 sequence.
        if (n == 255)
            while (n > 0 && ((unsigned char)text[n] & 0xC0) == 0x80)
                n--;
        memcpy(out + 1, text, n);
    }
    out[0] = (unsigned char)n;
}

void XDlgSetPas(DialogRef dialog, DialogItemIndex item, ConstStr255Param text)
{
    DialogItemType type;
    Handle handle;
    Rect box;
    GetDialogItem(dialog, item, &type, &handle, &box);
    SetDialogItemText(handle, text);
}

void XDlgSetStr(DialogRef dialog, DialogItemIndex item, const char *text)
{
    Str255 pas;
    C2Pas(text, pas);
    XDlgSetPas(dialog, item, pas);
}

void XDlgSetDouble(DialogRef dialog, DialogItemIndex item, SInt16 decimals, double value)
{
    char text[kNumTextSize];
    Double2Str(value, decimals, text);
    XDlgSetStr(dialog, item, text);
}

Boolean XDlgGetDouble(DialogRef dialog, DialogItemIndex item, double *value)
{
    DialogItemType type;
    Handle handle;
    Rect box;
    Str255 pas;
    GetDialogItem(dialog, item, &type, &handle, &box);
    GetDialogItemText(handle, pas);
    char text[256];
    memcpy(text, pas + 1, pas[0]);
    text[pas[0]] = '\0';
    return Str2Double(text, value);
}

SInt16 XDlgGetValue(DialogRef dialog, DialogItemIndex item)
{
    DialogItemType type;
    Handle handle;
    Rect box;
    GetDialogItem(dialog, item, &type, &handle, &box);
    return GetControlValue(static_cast<ControlRef>(handle));
}

void XMenuAppendItemStr(MenuRef menu, const char *text)
{
    Str255 pas;
    C2Pas(text, pas);
    if (IsValidMenu(menu))
        AppendMenuItemText(menu, pas);
}
