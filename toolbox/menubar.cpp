// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu bar inside the main window: menus loaded by ID from the built-in
// definitions (resources/menus.txt), choices by click (MenuSelect) and by
// command key (MenuKey), and the highlighted title.

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QTextStream>

#include <algorithm>

#include "toolbox/qt.h"
#include "toolbox/testing.h"

namespace {

// The menu bar that shows a title as chosen ("highlighted") until the program
// says otherwise, as the loop expects while a command runs.
class MenuBar : public QMenuBar {
  public:
    explicit MenuBar(QWidget *parent) : QMenuBar(parent) { setNativeMenuBar(false); }
    QAction *hilited = nullptr;

  protected:
    void paintEvent(QPaintEvent *e) override
    {
        QMenuBar::paintEvent(e);
        if (!hilited || !actions().contains(hilited))
            return;
        QPainter p(this);
        QStyleOptionMenuItem opt;
        initStyleOption(&opt, hilited);
        opt.rect = actionGeometry(hilited);
        opt.state |= QStyle::State_Selected | QStyle::State_Sunken;
        style()->drawControl(QStyle::CE_MenuBarItem, &opt, &p, this);
    }
};

struct Bar {
    std::vector<OpaqueMenuRef *> installed; // in menu bar order
    OpaqueDialogPtr *host = nullptr;
    QPointer<MenuBar> bar;
    MenuID hilite = 0;
    SInt32 chosen = 0;
    bool tracking = false; // MenuSelect's loop runs
    SInt32 pending = 0;    // chosen outside MenuSelect, for the next one to report
};

Bar &B()
{
    static Bar b;
    return b;
}

// Menu texts are literal: "&" would mark a mnemonic and a tab would start the
// shortcut column.
QString Literal(QString s)
{
    s.replace(QLatin1Char('&'), QLatin1String("&&"));
    s.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return s;
}

OpaqueMenuRef *Installed(MenuID id)
{
    for (OpaqueMenuRef *m : B().installed)
        if (m->id == id)
            return m;
    return nullptr;
}

void Hilite(MenuID id)
{
    Bar &b = B();
    b.hilite = id;
    if (!b.bar)
        return;
    OpaqueMenuRef *m = Installed(id);
    b.bar->hilited = m && m->qmenu ? m->qmenu->menuAction() : nullptr;
    b.bar->update();
}

// A menu entry was chosen. Inside MenuSelect's loop that is its result; any
// other way (an assistive tool's Press on the entry) goes to the program's loop
// as a press on the menu's title, for which MenuSelect then reports the
// choice, as for a choice made with the mouse.
void Chosen(SInt32 choice, QAction *entry)
{
    Bar &b = B();
    if (b.tracking) {
        b.chosen = choice;
        return;
    }
    if (!b.bar || !b.host || !b.host->widget)
        return;
    for (OpaqueMenuRef *m : b.installed)
        if (m->qmenu && m->qmenu->isVisible())
            m->qmenu->hide();
    b.pending = choice;
    QAction *title = nullptr;
    for (OpaqueMenuRef *m : b.installed)
        if (m->qmenu && m->qmenu->actions().contains(entry))
            title = m->qmenu->menuAction();
    const QRect r = title ? b.bar->actionGeometry(title) : QRect(0, 0, 1, 1);
    tbx::QueuePress(b.host->widget->windowHandle(), b.bar->mapToGlobal(r.center()));
}

void AddAction(OpaqueMenuRef *m, int index)
{
    const OpaqueMenuRef::Entry &e = m->entries[index];
    if (e.separator) {
        m->qmenu->addSeparator();
        return;
    }
    QString text = Literal(e.text);
    if (!e.commandKey.isNull())
        text += (e.shift ? QStringLiteral("\tCtrl+Shift+") : QStringLiteral("\tCtrl+")) +
                e.commandKey; // shown, never registered
    QAction *a = m->qmenu->addAction(text);
    a->setEnabled(e.enabled);
    const SInt32 choice = ((SInt32)m->id << 16) | (SInt32)(index + 1);
    QObject::connect(a, &QAction::triggered, [choice, a] { Chosen(choice, a); });
}

void BuildBar()
{
    Bar &b = B();
    if (!b.host || !b.host->widget)
        return;
    if (!b.bar) {
        b.bar = new MenuBar(b.host->widget);
        if (QLayout *layout = b.host->widget->layout())
            layout->setMenuBar(b.bar);
    }
    b.bar->clear();
    for (OpaqueMenuRef *m : b.installed) {
        m->qmenu = b.bar->addMenu(Literal(m->title));
        for (int i = 0; i < (int)m->entries.size(); i++)
            AddAction(m, i);
    }
    b.bar->show();
    Hilite(b.hilite);
}

// Reads menu `id` from the built-in definitions: a line "menu ID Title" starts a
// menu; each line after it is an item, its text then optionally a tab and its
// command key ("S", or "Shift+S" for Ctrl+Shift+S); "-" is a separator and a
// leading "!" shows the item disabled.
bool LoadMenu(SInt16 id, OpaqueMenuRef *m)
{
    tbx::InitResources();
    QFile f(QStringLiteral(":/menus/menus.txt"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&f);
    // Each menu is its own translation context: "menu 129".
    const QByteArray context = "menu " + QByteArray::number(id);
    auto translated = [&context](const QString &text) {
        return QCoreApplication::translate(context.constData(), text.toUtf8().constData());
    };
    bool inside = false, found = false;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(QLatin1Char('#')) || line.trimmed().isEmpty())
            continue;
        if (line.startsWith(QLatin1String("menu "))) {
            const QString rest = line.mid(5);
            const int space = rest.indexOf(QLatin1Char(' '));
            inside = rest.left(space).toInt() == id;
            if (inside) {
                found = true;
                m->title = translated(rest.mid(space + 1));
            }
            continue;
        }
        if (!inside)
            continue;
        OpaqueMenuRef::Entry e;
        if (line == QLatin1String("-")) {
            e.separator = true;
            e.enabled = false;
        } else {
            QString text = line;
            if (text.startsWith(QLatin1Char('!'))) {
                e.enabled = false;
                text.remove(0, 1);
            }
            const int tab = text.indexOf(QLatin1Char('\t'));
            if (tab >= 0) {
                QString key = text.mid(tab + 1).trimmed();
                e.shift = key.startsWith(QLatin1String("Shift+"));
                if (e.shift)
                    key.remove(0, 6);
                if (!key.isEmpty())
                    e.commandKey = key.at(0).toUpper();
                text.truncate(tab);
            }
            e.text = translated(text);
        }
        m->entries.push_back(e);
    }
    return found;
}
} // namespace

void tbx::AttachMenuBar(OpaqueDialogPtr *d)
{
    Bar &b = B();
    if (b.host)
        return;
    b.host = d;
    if (!b.installed.empty())
        BuildBar();
}

void tbx::DetachMenuBar(OpaqueDialogPtr *d)
{
    Bar &b = B();
    if (b.host != d)
        return;
    b.host = nullptr;
    b.bar = nullptr; // goes with its window
    for (OpaqueMenuRef *m : b.installed)
        m->qmenu = nullptr;
}

QWidget *tbx::MenuBarWidget()
{
    return B().bar;
}

void tbx::ResetMenuBar()
{
    Bar &b = B();
    b.installed.clear();
    b.hilite = 0;
    b.chosen = 0;
    b.pending = 0;
}

void tbx::AppendBarEntry(OpaqueMenuRef *menu, const QString &text)
{
    OpaqueMenuRef::Entry e;
    e.text = text;
    menu->entries.push_back(e);
    if (menu->qmenu)
        AddAction(menu, (int)menu->entries.size() - 1);
}

MenuRef GetMenu(SInt16 id)
{
    tbx::EnsureApp();
    OpaqueMenuRef *m = tbx::NewMenu(OpaqueMenuRef::kBarMenu);
    m->id = id;
    if (!LoadMenu(id, m)) {
        tbx::DropNewestMenu();
        return nullptr;
    }
    return m;
}

void InsertMenu(MenuRef menu, MenuID)
{
    Bar &b = B();
    if (!tbx::IsLiveMenu(menu) ||
        std::find(b.installed.begin(), b.installed.end(), menu) != b.installed.end())
        return;
    b.installed.push_back(menu);
}

void DrawMenuBar(void)
{
    BuildBar();
}

SInt32 MenuSelect(Point start)
{
    Bar &b = B();
    b.chosen = 0;
    if (b.pending) {
        b.chosen = b.pending;
        b.pending = 0;
        Hilite((MenuID)(b.chosen >> 16));
        return b.chosen;
    }
    if (!b.bar)
        return 0;
    QAction *title = b.bar->actionAt(b.bar->mapFromGlobal(QPoint(start.h, start.v)));
    if (!title || !title->menu())
        return 0;
    b.bar->hilited = nullptr;
    b.bar->setActiveAction(title);
    // The menu tracks the mouse and keys in Qt's hands until it closes.
    b.tracking = true;
    while (QApplication::activePopupWidget()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    b.tracking = false;
    if (b.chosen)
        Hilite((MenuID)(b.chosen >> 16));
    return b.chosen;
}

SInt32 MenuKey(SInt16 ch)
{
    // An upper-case letter comes with Shift held: an item whose key needs Shift
    // wins, and where none does Shift is ignored. A lower-case one never
    // reaches an item that needs Shift.
    const QChar typed = QChar((ushort)(ch & 0xFF));
    const QChar key = typed.toUpper();
    const bool shift = typed.isUpper();
    for (int pass = shift ? 0 : 1; pass < 2; pass++) {
        for (OpaqueMenuRef *m : B().installed) {
            for (int i = 0; i < (int)m->entries.size(); i++) {
                const OpaqueMenuRef::Entry &e = m->entries[i];
                if (e.enabled && !e.separator && e.commandKey == key && e.shift == (pass == 0)) {
                    Hilite(m->id);
                    return ((SInt32)m->id << 16) | (SInt32)(i + 1);
                }
            }
        }
    }
    return 0;
}

void HiliteMenu(MenuID id)
{
    Hilite(id);
}

MenuID ToolboxHilitedMenu(void)
{
    Bar &b = B();
    if (!b.bar)
        return 0;
    QAction *shown = b.bar->hilited ? b.bar->hilited : b.bar->activeAction();
    for (OpaqueMenuRef *m : b.installed)
        if (shown && m->qmenu && m->qmenu->menuAction() == shown)
            return m->id;
    return 0;
}
