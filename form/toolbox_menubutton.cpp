// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu button: a button whose pop-up list holds a catalogue's entries. The
// list is a plain text list in a pop-up window, run in a loop of its own, so
// that tens of thousands of entries cost next to nothing to add and little to
// show; the chosen entry becomes the button's value and a hit on its item.

#include <QAbstractItemView>
#include <QApplication>
#include <QEventLoop>
#include <QFrame>
#include <QKeyEvent>
#include <QListView>
#include <QScreen>
#include <QScrollBar>
#include <QStringListModel>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QVBoxLayout>

#include <algorithm>

#include "form/toolbox_qt.h"
#include "form/toolbox_widgets.h"

namespace {

// Closes the loop of a pop-up list when the list goes away, chosen or not.
class ListWatcher : public QObject {
  public:
    ListWatcher(QEventLoop *loop, QListView *view, SInt16 *chosen)
        : loop_(loop), view_(view), chosen_(chosen)
    {
    }
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
} // namespace

void tbx::MenuButton::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton) {
        e->accept();
        Open();
    } else {
        QPushButton::mousePressEvent(e);
    }
}

void tbx::MenuButton::keyPressEvent(QKeyEvent *e)
{
    const bool altDown = e->key() == Qt::Key_Down && (e->modifiers() & Qt::AltModifier);
    if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Down || e->key() == Qt::Key_F4 ||
        altDown) {
        e->accept();
        Open();
    } else {
        QPushButton::keyPressEvent(e);
    }
}

void tbx::MenuButton::keyReleaseEvent(QKeyEvent *e)
{
    // The button acts on the press; a plain button's release would "click" it.
    if (e->key() == Qt::Key_Space)
        e->accept();
    else
        QPushButton::keyReleaseEvent(e);
}

void tbx::MenuButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    opt.features |= QStyleOptionButton::HasMenu;
    p.drawControl(QStyle::CE_PushButton, opt);
}

void tbx::MenuButton::Open()
{
    OpaqueControlRef *item = tbx::ItemOfWidget(this);
    if (!item || !item->menu)
        return;
    setDown(true);
    const SInt16 chosen = tbx::PopUpList(item->menu, this, item->menuValue);
    setDown(false);
    if (chosen > 0) {
        item->menuValue = chosen;
        tbx::ItemHit(item);
    }
}

SInt16 tbx::PopUpList(OpaqueMenuRef *menu, QWidget *button, SInt16 current)
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
    const int width = std::min(
        screen.width(),
        std::max(button->width(), textWidth + view->verticalScrollBar()->sizeHint().width() + 16));
    const int height = rows * rowHeight + 2 * view->frameWidth() + 2 * popup.frameWidth() + 2;
    QPoint at = button->mapToGlobal(QPoint(0, button->height()));
    if (at.y() + height > screen.bottom())
        at.setY(std::max(screen.top(), button->mapToGlobal(QPoint(0, 0)).y() - height));
    at.setX(std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() - width)));
    popup.setGeometry(QRect(at, QSize(width, height)));

    const QModelIndex start =
        model.index(current > 0 && current <= menu->list.size() ? current - 1 : 0, 0);
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
