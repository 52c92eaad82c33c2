// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The layer's event queue: the records waiting for the loop, the clock, and
// the replay that gives a stored event back to Qt. The lowest of the event
// files: the capture fills the queue and the loop's calls empty it.

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "toolbox/events_qt.h"
#include "toolbox/testing.h"

namespace tbx {

State &S()
{
    static State s;
    return s;
}

UInt32 Ticks()
{
    State &s = S();
    if (!s.clock.isValid())
        s.clock.start();
    return (UInt32)(s.clock.elapsed() * 60 / 1000);
}

Point ToPoint(const QPoint &p)
{
    Point pt;
    pt.h = (SInt16)p.x();
    pt.v = (SInt16)p.y();
    return pt;
}

bool SamePoint(Point a, Point b)
{
    return a.h == b.h && a.v == b.v;
}

EventModifiers ToModifiers(Qt::KeyboardModifiers m)
{
    EventModifiers r = 0;
    // Ctrl is this platform's command key.
    if (m & Qt::ControlModifier)
        r |= cmdKey;
    if (m & Qt::ShiftModifier)
        r |= shiftKey;
    if (m & Qt::AltModifier)
        r |= optionKey;
    if (m & Qt::MetaModifier)
        r |= controlKey;
    return r;
}

void Push(Stored &&st)
{
    st.rec.when = Ticks();
    S().queue.push_back(std::move(st));
}

void QueuePress(QWindow *window, QPoint global)
{
    Stored st;
    st.rec.what = mouseDown;
    st.rec.where = ToPoint(global);
    st.window = window;
    st.type = QEvent::None; // nothing to give back to Qt
    Push(std::move(st));
}

namespace {

// A Return or Enter that the dialog is handed (an auto-repeat: the program
// acts on the first press itself) is no click: in the toolbox only a mouse
// press or Space presses a button, whatever has the keyboard focus.
bool ReturnToAButton(const Stored &st)
{
    if (st.type != QEvent::KeyPress && st.type != QEvent::KeyRelease)
        return false;
    const int key = static_cast<const QKeyEvent *>(st.clone.get())->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    return qobject_cast<QAbstractButton *>(QApplication::focusWidget()) != nullptr;
}

} // namespace

void Replay(Stored &st)
{
    State &s = S();
    QObject *to = st.target ? static_cast<QObject *>(st.target.data())
                            : static_cast<QObject *>(st.window.data());
    if (!to)
        return;
    auto send = [&](QEvent *e) {
        const QEvent *saved = s.replaying;
        s.replaying = e;
        QCoreApplication::sendEvent(to, e);
        s.replaying = saved;
    };
    switch (st.type) {
    case QEvent::MouseButtonPress:
        if (st.dblClick) {
            // Qt marks the press that begins a double click; only the event Qt
            // made keeps that mark (a copy loses it), and without it the
            // release would be lost.
            // Its point, though, is shared with the live pointer and may have
            // moved on since (a drag that follows the double click): the double
            // click itself, which the widget gets, is made again at the press's
            // point.
            send(st.clone.get());
            QMouseEvent dbl(QEvent::MouseButtonDblClick, st.local, st.local, st.global, st.button,
                            st.buttons, st.mods);
            dbl.setTimestamp(static_cast<QMouseEvent *>(st.dblClick.get())->timestamp());
            send(&dbl);
            break;
        }
        [[fallthrough]];
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        QMouseEvent e(st.type, st.local, st.local, st.global, st.button, st.buttons, st.mods);
        e.setTimestamp(st.timestamp);
        send(&e);
        break;
    }
    case QEvent::Wheel: {
        QWheelEvent e(st.local, st.global, st.pixel, st.angle, st.buttons, st.mods, st.phase,
                      st.inverted);
        e.setTimestamp(st.timestamp);
        send(&e);
        break;
    }
    default:
        if (st.clone && !ReturnToAButton(st))
            send(st.clone.get());
        break;
    }
}

void ItemHit(OpaqueControlRef *item)
{
    State &s = S();
    OpaqueDialogPtr *d = item->dialog;
    if (d->modal) {
        d->modalHit = item->number;
        return;
    }
    if (s.replayDepth > 0) {
        s.hitDialog = d;
        s.hitItem = item->number;
        return;
    }
    // The user acted on the item outside a replay (a key release on a button, an
    // entry chosen in an open list, an assistive tool's press): the loop still
    // hears of it, as a release over the item.
    Stored st;
    st.rec.what = mouseUp;
    QWidget *w = item->widget;
    if (w)
        st.rec.where = ToPoint(w->mapToGlobal(w->rect().center()));
    st.window = d->widget ? d->widget->windowHandle() : nullptr;
    st.hitDialog = d;
    st.hitItem = item->number;
    Push(std::move(st));
}

} // namespace tbx

int ToolboxQueuedEvents(void)
{
    return (int)tbx::S().queue.size();
}

long ToolboxNullEvents(void)
{
    return tbx::S().nullEvents;
}
