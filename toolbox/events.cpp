// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The loop's side of events: WaitNextEvent hands out the queued records, and
// DialogSelect gives each back to Qt under a bypass, so that Qt still decides
// which widget is hit, takes focus and types; the window parts that the loop
// handles itself (menu bar, title bar, close box) are found here too.

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

#include "toolbox/events_qt.h"

using namespace tbx;

namespace {

bool SameRecord(const EventRecord &a, const EventRecord &b)
{
    return a.what == b.what && a.message == b.message && a.when == b.when &&
           SamePoint(a.where, b.where) && a.modifiers == b.modifiers;
}

// The modeless dialog that keyboard input goes to.
OpaqueDialogPtr *FrontDialog()
{
    OpaqueDialogPtr *front = nullptr;
    for (OpaqueDialogPtr *d : tbx::Dialogs()) {
        if (d->modal || !d->widget || !d->widget->isVisible())
            continue;
        if (d->widget->isActiveWindow())
            return d;
        front = d;
    }
    return front;
}

// Builds the replay data for a record that did not come from the queue (a caller
// made it by hand): a key for its character code, or a click at its point.
void Synthesize(const EventRecord *e, Stored &st)
{
    st = Stored();
    st.rec = *e;
    OpaqueDialogPtr *d = FrontDialog();
    if (!d)
        return;
    st.window = d->widget->windowHandle();
    const Qt::KeyboardModifiers mods =
        (e->modifiers & cmdKey ? Qt::ControlModifier : Qt::NoModifier) |
        (e->modifiers & shiftKey ? Qt::ShiftModifier : Qt::NoModifier);
    if (e->what == keyDown || e->what == autoKey || e->what == keyUp) {
        const int c = (int)(e->message & charCodeMask);
        int key = c;
        QString text(QChar((ushort)c));
        switch (c) {
        case kReturnCharCode:
            key = Qt::Key_Return;
            text = QStringLiteral("\r");
            break;
        case kEnterCharCode:
            key = Qt::Key_Enter;
            text = QStringLiteral("\r");
            break;
        case kEscapeCharCode: key = Qt::Key_Escape; break;
        case kBackspaceCharCode: key = Qt::Key_Backspace; break;
        case kTabCharCode: key = Qt::Key_Tab; break;
        default:
            if (c >= 'a' && c <= 'z')
                key = Qt::Key_A + (c - 'a');
            break;
        }
        st.type = e->what == keyUp ? QEvent::KeyRelease : QEvent::KeyPress;
        st.clone.reset(new QKeyEvent(st.type, key, mods, text, e->what == autoKey));
    } else if (e->what == mouseDown || e->what == mouseUp) {
        st.type = e->what == mouseDown ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease;
        st.global = QPointF(e->where.h, e->where.v);
        st.local = d->widget->windowHandle()->mapFromGlobal(st.global.toPoint());
        st.button = Qt::LeftButton;
        st.buttons = e->what == mouseDown ? Qt::LeftButton : Qt::NoButton;
        st.mods = mods;
    }
}

} // namespace

Boolean WaitNextEvent(EventMask, EventRecord *event, UInt32 sleepTicks, RgnHandle)
{
    tbx::EnsureApp();
    State &s = S();
    EnsureFilter();
    QElapsedTimer waited;
    waited.start();
    const qint64 limit = (qint64)sleepTicks * 1000 / 60;
    for (;;) {
        while (!s.queue.empty() && !s.queue.front().record) {
            Stored st = std::move(s.queue.front());
            s.queue.pop_front();
            Replay(st);
        }
        if (!s.queue.empty()) {
            s.current = std::move(s.queue.front());
            s.queue.pop_front();
            s.haveCurrent = true;
            *event = s.current.rec;
            return TRUE;
        }
        const qint64 left = limit - waited.elapsed();
        if (left <= 0) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (!s.queue.empty())
                continue;
            break;
        }
        s.woke = false;
        s.wake->start((int)left);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        // Nothing else runs Qt's deferred deletions: there is no exec().
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (s.woke && s.queue.empty())
            break;
    }
    s.wake->stop();
    s.haveCurrent = false;
    s.nullEvents++;
    *event = EventRecord();
    event->what = nullEvent;
    event->when = Ticks();
    event->where = ToPoint(s.lastMouse);
    event->modifiers = ToModifiers(QGuiApplication::keyboardModifiers());
    return FALSE;
}

Boolean IsDialogEvent(const EventRecord *e)
{
    switch (e->what) {
    case nullEvent:
    case keyDown:
    case keyUp:
    case autoKey: return FrontDialog() != nullptr;
    case mouseDown:
    case mouseUp: {
        State &s = S();
        if (s.haveCurrent && s.current.hitDialog && SameRecord(*e, s.current.rec))
            return TRUE;
        WindowRef w = nullptr;
        return FindWindow(e->where, &w) == inContent && w && !w->dialog->modal;
    }
    default: return FALSE;
    }
}

Boolean DialogSelect(const EventRecord *e, DialogRef *dialog, DialogItemIndex *item)
{
    State &s = S();
    if (e->what == nullEvent)
        return FALSE;
    Stored made;
    Stored *st = &s.current;
    if (!s.haveCurrent || !SameRecord(*e, s.current.rec)) {
        Synthesize(e, made);
        st = &made;
    }
    if (st->hitDialog) {
        *dialog = st->hitDialog;
        *item = st->hitItem;
        return TRUE;
    }
    s.hitDialog = nullptr;
    s.hitItem = 0;
    s.replayDepth++;
    Replay(*st);
    s.replayDepth--;
    if (st == &s.current)
        s.haveCurrent = false; // each record is given back once
    if (!s.hitDialog)
        return FALSE;
    *dialog = s.hitDialog;
    *item = s.hitItem;
    s.hitDialog = nullptr;
    return TRUE;
}

WindowPartCode FindWindow(Point where, WindowRef *window)
{
    State &s = S();
    *window = nullptr;
    const QPoint p(where.h, where.v);
    for (auto it = tbx::Dialogs().rbegin(); it != tbx::Dialogs().rend(); ++it) {
        OpaqueDialogPtr *d = *it;
        if (!d->widget || !d->widget->isVisible())
            continue;
        QWindow *w = d->widget->windowHandle();
        if (!w)
            continue;
        if (s.goAwayPending && SamePoint(where, s.goAwayAt)) {
            *window = &d->window;
            return inGoAway;
        }
        if (s.dragPending && SamePoint(where, s.dragAt)) {
            *window = &d->window;
            return inDrag;
        }
        if (!w->geometry().contains(p))
            continue;
        *window = &d->window;
        QWidget *bar = tbx::MenuBarWidget();
        if (bar && bar->isVisible() && bar->window() == d->widget &&
            QRect(bar->mapToGlobal(QPoint(0, 0)), bar->size()).contains(p))
            return inMenuBar;
        return inContent;
    }
    return inDesk;
}

void DragWindow(WindowRef window, Point start, const Rect *bounds)
{
    State &s = S();
    if (SamePoint(start, s.dragAt))
        s.dragPending = false;
    if (!window || !window->dialog->widget || !bounds)
        return;
    // The window manager has moved the window already; keep the point it was
    // held by inside the bounds, as a drag limited to them would.
    QWidget *w = window->dialog->widget;
    const QRect frame = w->frameGeometry();
    const QPoint held(frame.left() + frame.width() / 2, frame.top());
    int dx = 0, dy = 0;
    if (held.x() < bounds->left)
        dx = bounds->left - held.x();
    else if (held.x() >= bounds->right)
        dx = bounds->right - 1 - held.x();
    if (held.y() < bounds->top)
        dy = bounds->top - held.y();
    else if (held.y() >= bounds->bottom)
        dy = bounds->bottom - 1 - held.y();
    if (dx || dy)
        w->move(w->pos() + QPoint(dx, dy));
}

Boolean TrackGoAway(WindowRef, Point pt)
{
    State &s = S();
    if (s.goAwayPending && SamePoint(pt, s.goAwayAt)) {
        s.goAwayPending = false;
        return TRUE;
    }
    return FALSE;
}

void tbx::ResetEvents()
{
    State &s = S();
    s.queue.clear();
    s.haveCurrent = false;
    s.current = Stored();
    s.goAwayPending = s.dragPending = false;
}
