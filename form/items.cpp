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

void XDlgGetStr(DialogRef dialog, DialogItemIndex item, char *text, size_t size)
{
    if (!text || size == 0)
        return;
    DialogItemType type;
    Handle handle;
    Rect box;
    Str255 pas;
    GetDialogItem(dialog, item, &type, &handle, &box);
    GetDialogItemText(handle, pas);
    size_t n = pas[0] < size - 1 ? pas[0] : size - 1;
    // A cut text loses its last character whole, never half of it.
    if (n < pas[0])
        while (n > 0 && (pas[1 + n] & 0xC0) == 0x80)
            n--;
    memcpy(text, pas + 1, n);
    text[n] = '\0';
}

Boolean XDlgGetDouble(DialogRef dialog, DialogItemIndex item, double *value)
{
    char text[256];
    XDlgGetStr(dialog, item, text, sizeof text);
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

void XDlgSetValue(DialogRef dialog, DialogItemIndex item, SInt16 value)
{
    ControlRef control = nullptr;
    GetDialogItemAsControl(dialog, item, &control);
    SetControlValue(control, value);
}

void XDlgEnable(DialogRef dialog, DialogItemIndex item, Boolean enabled)
{
    ControlRef control = nullptr;
    GetDialogItemAsControl(dialog, item, &control);
    if (enabled)
        EnableControl(control);
    else
        DisableControl(control);
}

void XDlgSetAccessibleName(DialogRef dialog, DialogItemIndex item, const char *name)
{
    ControlRef control = nullptr;
    GetDialogItemAsControl(dialog, item, &control);
    Str255 pas;
    C2Pas(name, pas);
    SetControlAccessibleName(control, pas);
}

void XMenuAppendItemStr(MenuRef menu, const char *text)
{
    Str255 pas;
    C2Pas(text, pas);
    if (IsValidMenu(menu))
        AppendMenuItemText(menu, pas);
}

void XFormatIndStr(char *out, size_t size, SInt16 listID, SInt16 index, const char *p1,
                   const char *p2, const char *p3, const char *p4)
{
    if (!out || size == 0)
        return;
    Str255 text;
    GetIndString(text, listID, index);
    const char *params[4] = {p1, p2, p3, p4};
    size_t n = 0;
    // Appends `len` bytes of `s` as far as they fit, leaving room for the NUL.
    auto put = [&](const char *s, size_t len) {
        const size_t room = size - 1 - n;
        const size_t take = len < room ? len : room;
        memcpy(out + n, s, take);
        n += take;
    };
    for (int i = 1; i <= text[0]; i++) {
        const char c = (char)text[i];
        if (c == '^' && i < text[0] && text[i + 1] >= '1' && text[i + 1] <= '4') {
            const char *p = params[text[i + 1] - '1'];
            if (p)
                put(p, strlen(p));
            i++;
        } else {
            put(&c, 1);
        }
    }
    // A text cut short loses its last character whole, never half of it.
    if (n == size - 1) {
        size_t lead = n;
        while (lead > 0 && ((unsigned char)out[lead - 1] & 0xC0) == 0x80)
            lead--;
        if (lead > 0) {
            const unsigned char b = (unsigned char)out[lead - 1];
            const size_t len = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
            if (lead - 1 + len > n)
                n = lead - 1;
        }
    }
    out[n] = '\0';
}
