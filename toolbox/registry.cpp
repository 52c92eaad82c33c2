// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The layer's registries: every live dialog with its items, and every live
// menu, so that a reference the program holds can be checked and a Qt widget
// traced back to its dialog or item. Depends on no other file of the layer.

#include <QWidget>

#include "toolbox/qt.h"

namespace {

std::vector<std::unique_ptr<OpaqueMenuRef>> &LiveMenus()
{
    static std::vector<std::unique_ptr<OpaqueMenuRef>> live;
    return live;
}

} // namespace

std::vector<OpaqueDialogPtr *> &tbx::Dialogs()
{
    static std::vector<OpaqueDialogPtr *> dialogs;
    return dialogs;
}

OpaqueDialogPtr *tbx::DialogOfWidget(const QWidget *widget)
{
    for (OpaqueDialogPtr *d : tbx::Dialogs())
        if (d->widget == widget)
            return d;
    return nullptr;
}

OpaqueControlRef *tbx::ItemOfWidget(const QWidget *widget)
{
    for (OpaqueDialogPtr *d : tbx::Dialogs())
        for (auto &item : d->items)
            if (item && item->widget == widget)
                return item.get();
    return nullptr;
}

OpaqueMenuRef *tbx::NewMenu(OpaqueMenuRef::Kind kind)
{
    LiveMenus().push_back(std::make_unique<OpaqueMenuRef>());
    LiveMenus().back()->kind = kind;
    return LiveMenus().back().get();
}

void tbx::DropNewestMenu()
{
    LiveMenus().pop_back();
}

bool tbx::IsLiveMenu(const OpaqueMenuRef *menu)
{
    if (!menu)
        return false;
    for (auto &m : LiveMenus())
        if (m.get() == menu)
            return true;
    return false;
}
