// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu button: a button whose pop-up list holds a catalogue's entries. The
// list is a plain text list in a pop-up window, run in a loop of its own, so
// that tens of thousands of entries cost next to nothing to add and little to
// show; typing narrows it to the entries that contain the text. The chosen
// entry becomes the button's value and a hit on its item.

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QEventLoop>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QScreen>
#include <QScrollBar>
#include <QStringListModel>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolButton>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

#include "toolbox/qt.h"
#include "toolbox/widgets.h"

namespace {

// A text as the list's search compares it: without accents, so that "cafe"
// finds "Café", and with full case folding, so that "strasse" finds "Straße"
// and "ß" finds "STRASSE" (upper-casing spells out the letters that fold to
// two). Plain ASCII, almost every catalogue entry, takes the short way.
QString Fold(const QString &text)
{
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        return text.toLower();
    const QString apart = text.normalized(QString::NormalizationForm_D);
    QString kept;
    kept.reserve(apart.size());
    for (QChar c : apart)
        if (c.category() != QChar::Mark_NonSpacing)
            kept += c;
    return kept.toUpper().toCaseFolded();
}

// The printable characters of a key's text, taken by code point: an emoji
// is one character of two UTF-16 units; a lone half of one is dropped.
QString Printable(const QString &text)
{
    QString kept;
    for (qsizetype i = 0; i < text.size(); i++) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            if (QChar::isPrint(QChar::surrogateToUcs4(c, text.at(i + 1))))
                kept += text.mid(i, 2);
            i++;
        } else if (!c.isSurrogate() && c.isPrint()) {
            kept += c;
        }
    }
    return kept;
}

// The hint line above the list: the whole text when it fits, cut with an
// ellipsis when not. It takes the width the list has and never asks for more,
// so that a long typed text cannot widen the list.
class HintLine : public QLabel {
  public:
    explicit HintLine(QWidget *parent) : QLabel(parent)
    {
        setTextFormat(Qt::PlainText);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    void SetWhole(const QString &text)
    {
        whole_ = text;
        setAccessibleName(text);
        Fit();
    }

  protected:
    void resizeEvent(QResizeEvent *e) override
    {
        QLabel::resizeEvent(e);
        Fit();
    }

  private:
    void Fit()
    {
        setText(fontMetrics().elidedText(whole_, Qt::ElideRight, contentsRect().width()));
    }
    QString whole_;
};

// The list a menu button shows: every entry, or those that contain the text
// typed while the list is open. Rows are mapped back to the entries' numbers
// in the whole list, so that the choice is reported as without a filter.
class FilteredList {
  public:
    FilteredList(const QStringList &all, QListView *view, HintLine *hint)
        : all_(all), view_(view), hint_(hint)
    {
        view_->setModel(&model_);
        Show(0);
    }
    // The entry (from 0 in the whole list) on a row shown, or -1.
    int EntryOf(const QModelIndex &row) const
    {
        return row.isValid() && row.row() < (int)rows_.size() ? rows_[(size_t)row.row()] : -1;
    }
    void SetCurrent(int entry)
    {
        const auto at = std::lower_bound(rows_.begin(), rows_.end(), entry);
        const int row = at != rows_.end() ? (int)(at - rows_.begin()) : 0;
        if (rows_.empty())
            return;
        view_->setCurrentIndex(model_.index(row, 0));
        view_->scrollTo(view_->currentIndex(), QAbstractItemView::PositionAtCenter);
    }
    const QString &Filter() const { return filter_; }
    void Type(const QString &text)
    {
        filter_ += text;
        Show((int)filter_.size() - (int)text.size());
    }
    // Takes back the last character typed (both halves of an emoji).
    void Erase()
    {
        const qsizetype n = filter_.size();
        filter_.chop(n >= 2 && filter_.at(n - 1).isLowSurrogate() &&
                             filter_.at(n - 2).isHighSurrogate()
                         ? 2
                         : 1);
        Show(0);
    }

  private:
    // Filters again; when the text only grew, among the rows already shown.
    void Show(int previousLength)
    {
        const int current = EntryOf(view_->currentIndex());
        const QString wanted = Fold(filter_);
        std::vector<int> rows;
        if (wanted.isEmpty()) {
            rows.resize((size_t)all_.size());
            for (int i = 0; i < (int)rows.size(); i++)
                rows[(size_t)i] = i;
        } else {
            if (folded_.empty()) {
                folded_.reserve((size_t)all_.size());
                for (const QString &t : all_)
                    folded_.push_back(Fold(t));
            }
            const bool narrower = previousLength > 0 && !rows_.empty();
            const int count = narrower ? (int)rows_.size() : (int)all_.size();
            for (int k = 0; k < count; k++) {
                const int i = narrower ? rows_[(size_t)k] : k;
                if (folded_[(size_t)i].contains(wanted))
                    rows.push_back(i);
            }
        }
        rows_.swap(rows);
        QStringList shown;
        shown.reserve((qsizetype)rows_.size());
        for (int i : rows_)
            shown.append(all_[i]);
        model_.setStringList(shown);
        SetCurrent(current < 0 ? 0 : current);
        Announce();
    }
    void Announce()
    {
        const QString count =
            QCoreApplication::translate("list", "%1 of %2").arg(rows_.size()).arg(all_.size());
        hint_->SetWhole(
            filter_.isEmpty()
                ? QCoreApplication::translate("list", "Type to narrow the list")
                : QCoreApplication::translate("list", "Showing “%1”: %2").arg(filter_, count));
        // Screen readers stay on the list: its description says what is shown.
        view_->setAccessibleDescription(
            filter_.isEmpty()
                ? QCoreApplication::translate("list", "%1 entries; type to narrow the list")
                      .arg(all_.size())
                : QCoreApplication::translate("list", "Showing “%1”, %2 entries")
                      .arg(filter_, count));
        QAccessibleEvent changed(view_, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }

    const QStringList &all_;
    QListView *view_;
    HintLine *hint_;
    QStringListModel model_;
    QString filter_;
    std::vector<int> rows_;       // entry number (from 0) of each row shown
    std::vector<QString> folded_; // each entry folded, made on the first keystroke
};

// Runs the keys of an open list: typing narrows it, Backspace widens it again,
// Space (before any typing) chooses like Return; and closes the list's loop
// when the list goes away, chosen or not.
class ListWatcher : public QObject {
  public:
    ListWatcher(QEventLoop *loop, QListView *view, FilteredList *list, SInt16 *chosen)
        : loop_(loop), view_(view), list_(list), chosen_(chosen)
    {
    }
    bool eventFilter(QObject *obj, QEvent *ev) override
    {
        if (ev->type() == QEvent::Hide && obj != view_)
            loop_->quit();
        if (ev->type() != QEvent::KeyPress || obj != view_)
            return false;
        auto *k = static_cast<QKeyEvent *>(ev);
        if (k->key() == Qt::Key_Space && list_->Filter().isEmpty()) {
            const int entry = list_->EntryOf(view_->currentIndex());
            if (entry >= 0) {
                *chosen_ = (SInt16)(entry + 1);
                view_->window()->hide();
            }
            return true;
        }
        if (k->key() == Qt::Key_Backspace) {
            if (!list_->Filter().isEmpty())
                list_->Erase();
            return true;
        }
        const QString text = Printable(k->text());
        const bool typed =
            !text.isEmpty() && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (typed) {
            list_->Type(text);
            return true;
        }
        return false;
    }

  private:
    QEventLoop *loop_;
    QListView *view_;
    FilteredList *list_;
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

tbx::MenuButton::MenuButton(QWidget *parent) : QPushButton(parent)
{
    // The mouse and the keys open the list on their press and never click;
    // a click comes from everything else that presses a button, such as an
    // accessibility tool, which Qt hands the click a moment later.
    QObject::connect(this, &QAbstractButton::clicked, this, &MenuButton::Open);
}

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
    layout->setSpacing(1);
    auto *top = new QHBoxLayout;
    layout->addLayout(top);
    auto *hint = new HintLine(&popup);
    hint->setContentsMargins(4, 1, 4, 1);
    hint->setForegroundRole(QPalette::PlaceholderText);
    top->addWidget(hint, 1);
    // Escape closes the list without a choice; so does this, for the mouse and
    // for assistive tools, which press it.
    auto *close = new QToolButton(&popup);
    close->setText(QStringLiteral("\u2715"));
    close->setAutoRaise(true);
    close->setFocusPolicy(Qt::NoFocus);
    close->setAccessibleName(QCoreApplication::translate("list", "Close the list"));
    close->setToolTip(
        QCoreApplication::translate("list", "Close the list without choosing (Escape)"));
    top->addWidget(close);
    QObject::connect(close, &QAbstractButton::clicked, &popup, &QWidget::hide);
    auto *view = new QListView(&popup);
    layout->addWidget(view);
    view->setUniformItemSizes(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Extended, not single: in a single-selection list an assistive tool's
    // action on the entry already selected (the current one) does nothing.
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setAccessibleName(button->accessibleName());
    if (menu->hasFont) {
        view->setFont(menu->font);
        hint->setFont(menu->font);
    }
    FilteredList list(menu->list, view, hint);

    const int rows = std::min<int>((int)menu->list.size(), 20);
    const int rowHeight = std::max(view->sizeHintForRow(0), 1);
    const int textWidth = ListWidth(menu, view->fontMetrics());
    const QRect screen = button->screen()->availableGeometry();
    const int width = std::min(
        screen.width(),
        std::max(button->width(), textWidth + view->verticalScrollBar()->sizeHint().width() + 16));
    const int height = rows * rowHeight + 2 * view->frameWidth() + 2 * popup.frameWidth() + 2 +
                       hint->sizeHint().height() + layout->spacing();
    QPoint at = button->mapToGlobal(QPoint(0, button->height()));
    if (at.y() + height > screen.bottom())
        at.setY(std::max(screen.top(), button->mapToGlobal(QPoint(0, 0)).y() - height));
    at.setX(std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() - width)));
    popup.setGeometry(QRect(at, QSize(width, height)));

    list.SetCurrent(current > 0 && current <= menu->list.size() ? current - 1 : 0);

    SInt16 chosen = 0;
    QEventLoop loop;
    ListWatcher watcher(&loop, view, &list, &chosen);
    popup.installEventFilter(&watcher);
    view->installEventFilter(&watcher);
    auto choose = [&](const QModelIndex &i) {
        const int entry = list.EntryOf(i);
        if (entry >= 0) {
            chosen = (SInt16)(entry + 1);
            popup.hide();
        }
    };
    QObject::connect(view, &QAbstractItemView::clicked, choose);
    QObject::connect(view, &QAbstractItemView::activated, choose);
    // The keys and the mouse move the current entry and select it with it; an
    // assistive tool's action on an entry selects it without moving the
    // current entry (or, on the current entry, unselects it). Either is a
    // choice, as Return is.
    QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged,
                     [&](const QItemSelection &selected, const QItemSelection &deselected) {
                         const QModelIndex current = view->currentIndex();
                         const QModelIndexList now = selected.indexes();
                         if (now.size() == 1 && !now.contains(current))
                             choose(now.first());
                         else if (now.isEmpty() && deselected.contains(current))
                             choose(current);
                     });
    popup.show();
    view->setFocus();
    if (popup.isVisible())
        loop.exec();
    return chosen;
}
