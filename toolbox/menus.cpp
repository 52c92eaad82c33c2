// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The operations that apply to both kinds of menu: the menu bar's menus and
// the menu buttons' lists.

#include <QApplication>

#include "toolbox/qt.h"

SInt16 SetMenuFont(MenuRef menu, SInt16, UInt16 size)
{
    if (!tbx::IsLiveMenu(menu))
        return -1;
    // Every family maps to the desktop's own sans-serif face; the size is kept.
    menu->font = QApplication::font();
    if (size > 0)
        menu->font.setPointSize(size);
    menu->hasFont = true;
    menu->listWidth = -1;
    return 0;
}

Boolean IsValidMenu(MenuRef menu)
{
    return tbx::IsLiveMenu(menu);
}

SInt16 AppendMenuItemText(MenuRef menu, ConstStr255Param text)
{
    if (!tbx::IsLiveMenu(menu))
        return -1;
    const QString s = tbx::Pas2QString(text);
    if (menu->kind == OpaqueMenuRef::kBarMenu) {
        tbx::AppendBarEntry(menu, s);
        return 0;
    }
    // A menu's value is 16-bit: an entry past 32,767 could never be chosen.
    if (menu->list.size() >= 32767)
        return -1;
    menu->list.append(s);
    menu->listWidth = -1;
    return 0;
}

UInt16 CountMenuItems(MenuRef menu)
{
    if (!tbx::IsLiveMenu(menu))
        return 0;
    return (UInt16)(menu->kind == OpaqueMenuRef::kButtonList ? menu->list.size()
                                                             : (int)menu->entries.size());
}

void GetMenuItemText(MenuRef menu, MenuItemIndex item, Str255 text)
{
    QString s;
    if (tbx::IsLiveMenu(menu) && item >= 1) {
        if (menu->kind == OpaqueMenuRef::kButtonList && item <= menu->list.size())
            s = menu->list[item - 1];
        else if (menu->kind == OpaqueMenuRef::kBarMenu && item <= menu->entries.size())
            s = menu->entries[item - 1].text;
    }
    tbx::QString2Pas(s, text);
}
