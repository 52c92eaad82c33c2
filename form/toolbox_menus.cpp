// Menus: the menu bar inside the main window, menus loaded by ID from the built-in
// menu definitions, choices by click and by command key, and the pop-up lists of
// menu buttons, which are kept as plain text lists so that tens of thousands of
// entries cost next to nothing to add and little to show.

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLayout>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStringListModel>
#include <QStyleOptionMenuItem>
#include <QTextStream>
#include <QVBoxLayout>

#include <algorithm>

#include "form/toolbox_qt.h"
#include "form/toolbox_testing.h"

namespace {

// The menu bar that shows a title as chosen ("highlighted") until the program
// says otherwise, as the loop expects while a command runs.
class XMenuBar : public QMenuBar {
public:
    explicit XMenuBar(QWidget *parent) : QMenuBar(parent) { setNativeMenuBar(false); }
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
    std::vector<std::unique_ptr<OpaqueMenuRef>> live;  // every menu made, for IsValidMenu
    std::vector<OpaqueMenuRef *> installed;            // in menu bar order
    OpaqueDialogPtr *host = nullptr;
    QPointer<XMenuBar> bar;
    MenuID hilite = 0;
    SInt32 chosen = 0;
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

void AddAction(OpaqueMenuRef *m, int index)
{
    const OpaqueMenuRef::Entry &e = m->entries[index];
    if (e.separator) {
        m->qmenu->addSeparator();
        return;
    }
    QString text = Literal(e.text);
    if (!e.commandKey.isNull())
        text += QStringLiteral("\tCtrl+") + e.commandKey;  // shown, never registered
    QAction *a = m->qmenu->addAction(text);
    a->setEnabled(e.enabled);
    const SInt32 choice = ((SInt32)m->id << 16) | (SInt32)(index + 1);
    QObject::connect(a, &QAction::triggered, [choice] { B().chosen = choice; });
}

void BuildBar()
{
    Bar &b = B();
    if (!b.host || !b.host->widget)
        return;
    if (!b.bar) {
        b.bar = new XMenuBar(b.host->widget);
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
// command key; "-" is a separator and a leading "!" shows the item disabled.
bool LoadMenu(SInt16 id, OpaqueMenuRef *m)
{
    QFile f(QStringLiteral(":/menus/menus.txt"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&f);
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
                m->title = rest.mid(space + 1);
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
                const QString key = text.mid(tab + 1).trimmed();
                if (!key.isEmpty())
                    e.commandKey = key.at(0).toUpper();
                text.truncate(tab);
            }
            e.text = text;
        }
        m->entries.push_back(e);
    }
    return found;
}

OpaqueMenuRef *NewMenu()
{
    B().live.push_back(std::make_unique<OpaqueMenuRef>());
    return B().live.back().get();
}

// Closes the loop of a pop-up list when the list goes away, chosen or not.
class ListWatcher : public QObject {
public:
    ListWatcher(QEventLoop *loop, QListView *view, SInt16 *chosen)
        : loop_(loop), view_(view), chosen_(chosen) {}
    bool eventFilter(QObject *obj, QEvent *ev) override
    {
        if (ev->type() == QEvent::Hide && obj != view_)
            loop_->quit();
        if (ev->type() == QEvent::KeyPress && obj == view_) {
            auto *k = static_cast<QKeyEvent *>(ev);
            if (k->key() == Qt::Key_Space && view_->currentIndex().isValid()) {
                *chosen_ = (SInt16)(view_->currentIndex().row() + 1);
                view_->window()->hide();
                return true;
            }
        }
        return false;
    }

private:
    QEventLoop *loop_;
    QListView *view_;
    SInt16 *chosen_;
};

int ListWidth(OpaqueMenuRef *m, const QFontMetrics &fm)
{
    if (m->listWidth >= 0)
        return m->listWidth;
    // Measure only the longest texts: the widest entry is almost always among
    // them, and measuring every one of 32,767 entries would delay the list.
    std::vector<int> order((size_t)m->list.size());
    for (int i = 0; i < (int)order.size(); i++)
        order[(size_t)i] = i;
    const size_t keep = std::min<size_t>(order.size(), 64);
    std::partial_sort(order.begin(), order.begin() + (long)keep, order.end(),
                      [m](int a, int b) { return m->list[a].size() > m->list[b].size(); });
    int width = 0;
    for (size_t i = 0; i < keep; i++)
        width = std::max(width, fm.horizontalAdvance(m->list[order[i]]));
    m->listWidth = width;
    return width;
}

}  // namespace

bool XMenuIsLive(const OpaqueMenuRef *menu)
{
    if (!menu)
        return false;
    for (auto &m : B().live)
        if (m.get() == menu)
            return true;
    return false;
}

MenuRef XMenuNewList() { return NewMenu(); }

void XMenuBarAttach(OpaqueDialogPtr *d)
{
    Bar &b = B();
    if (b.host)
        return;
    b.host = d;
    if (!b.installed.empty())
        BuildBar();
}

void XMenuBarDetach(OpaqueDialogPtr *d)
{
    Bar &b = B();
    if (b.host != d)
        return;
    b.host = nullptr;
    b.bar = nullptr;  // goes with its window
    for (OpaqueMenuRef *m : b.installed)
        m->qmenu = nullptr;
}

QWidget *XMenuBarWidget() { return B().bar; }

void ToolboxReset(void)
{
    XEventsReset();
    Bar &b = B();
    b.installed.clear();
    b.hilite = 0;
    b.chosen = 0;
}

MenuRef GetMenu(SInt16 id)
{
    XEnsureApp();
    OpaqueMenuRef *m = NewMenu();
    m->id = id;
    if (!LoadMenu(id, m)) {
        B().live.pop_back();
        return nullptr;
    }
    return m;
}

void InsertMenu(MenuRef menu, MenuID)
{
    Bar &b = B();
    if (!XMenuIsLive(menu) || std::find(b.installed.begin(), b.installed.end(), menu) !=
                                  b.installed.end())
        return;
    b.installed.push_back(menu);
}

void DrawMenuBar(void) { BuildBar(); }

SInt32 MenuSelect(Point start)
{
    Bar &b = B();
    b.chosen = 0;
    if (!b.bar)
        return 0;
    QAction *title = b.bar->actionAt(b.bar->mapFromGlobal(QPoint(start.h, start.v)));
    if (!title || !title->menu())
        return 0;
    b.bar->hilited = nullptr;
    b.bar->setActiveAction(title);
    // The menu tracks the mouse and keys in Qt's hands until it closes.
    while (QApplication::activePopupWidget()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (b.chosen)
        Hilite((MenuID)(b.chosen >> 16));
    return b.chosen;
}

SInt32 MenuKey(SInt16 ch)
{
    const QChar key = QChar((ushort)(ch & 0xFF)).toUpper();
    for (OpaqueMenuRef *m : B().installed) {
        for (int i = 0; i < (int)m->entries.size(); i++) {
            const OpaqueMenuRef::Entry &e = m->entries[i];
            if (e.enabled && !e.separator && e.commandKey == key) {
                Hilite(m->id);
                return ((SInt32)m->id << 16) | (SInt32)(i + 1);
            }
        }
    }
    return 0;
}

void HiliteMenu(MenuID id) { Hilite(id); }

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

SInt16 SetMenuFont(MenuRef menu, SInt16, UInt16 size)
{
    if (!XMenuIsLive(menu))
        return -1;
    // Every family maps to the desktop's own sans-serif face; the size is kept.
    menu->font = QApplication::font();
    if (size > 0)
        menu->font.setPointSize(size);
    menu->hasFont = true;
    menu->listWidth = -1;
    return 0;
}

Boolean IsValidMenu(MenuRef menu) { return XMenuIsLive(menu); }

SInt16 AppendMenuItemText(MenuRef menu, ConstStr255Param text)
{
    if (!XMenuIsLive(menu))
        return -1;
    const QString s = XPas2QString(text);
    if (menu->id == 0) {
        // A menu's value is 16-bit: an entry past 32,767 could never be chosen.
        if (menu->list.size() >= 32767)
            return -1;
        menu->list.append(s);
        menu->listWidth = -1;
        return 0;
    }
    OpaqueMenuRef::Entry e;
    e.text = s;
    menu->entries.push_back(e);
    if (menu->qmenu)
        AddAction(menu, (int)menu->entries.size() - 1);
    return 0;
}

UInt16 CountMenuItems(MenuRef menu)
{
    if (!XMenuIsLive(menu))
        return 0;
    return (UInt16)(menu->id == 0 ? menu->list.size() : (int)menu->entries.size());
}

void GetMenuItemText(MenuRef menu, MenuItemIndex item, Str255 text)
{
    QString s;
    if (XMenuIsLive(menu) && item >= 1) {
        if (menu->id == 0 && item <= menu->list.size())
            s = menu->list[item - 1];
        else if (menu->id != 0 && item <= menu->entries.size())
            s = menu->entries[item - 1].text;
    }
    XQString2Pas(s, text);
}

SInt16 XMenuPopupList(OpaqueMenuRef *menu, QWidget *button, SInt16 current)
{
    if (!menu || menu->list.isEmpty())
        return 0;
    QFrame popup(button, Qt::Popup);
    popup.setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(&popup);
    layout->setContentsMargins(1, 1, 1, 1);
    auto *view = new QListView(&popup);
    layout->addWidget(view);
    view->setUniformItemSizes(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setAccessibleName(button->accessibleName());
    if (menu->hasFont)
        view->setFont(menu->font);
    QStringListModel model(menu->list);
    view->setModel(&model);

    const int rows = std::min<int>((int)menu->list.size(), 20);
    const int rowHeight = std::max(view->sizeHintForRow(0), 1);
    const int textWidth = ListWidth(menu, view->fontMetrics());
    const QRect screen = button->screen()->availableGeometry();
    const int width = std::min(screen.width(),
                               std::max(button->width(),
                                        textWidth + view->verticalScrollBar()->sizeHint().width() + 16));
    const int height = rows * rowHeight + 2 * view->frameWidth() + 2 * popup.frameWidth() + 2;
    QPoint at = button->mapToGlobal(QPoint(0, button->height()));
    if (at.y() + height > screen.bottom())
        at.setY(std::max(screen.top(), button->mapToGlobal(QPoint(0, 0)).y() - height));
    at.setX(std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() - width)));
    popup.setGeometry(QRect(at, QSize(width, height)));

    const QModelIndex start = model.index(current > 0 && current <= menu->list.size() ? current - 1 : 0, 0);
    view->setCurrentIndex(start);
    view->scrollTo(start, QAbstractItemView::PositionAtCenter);

    SInt16 chosen = 0;
    QEventLoop loop;
    ListWatcher watcher(&loop, view, &chosen);
    popup.installEventFilter(&watcher);
    view->installEventFilter(&watcher);
    auto choose = [&](const QModelIndex &i) {
        if (i.isValid()) {
            chosen = (SInt16)(i.row() + 1);
            popup.hide();
        }
    };
    QObject::connect(view, &QAbstractItemView::clicked, choose);
    QObject::connect(view, &QAbstractItemView::activated, choose);
    popup.show();
    view->setFocus();
    if (popup.isVisible())
        loop.exec();
    return chosen;
}
