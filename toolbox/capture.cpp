// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The capture: one application-wide filter takes the input meant for a
// modeless dialog's window out of Qt's hands and keeps it as event records, so
// that the loop sees them in order; WaitNextEvent hands them out and
// DialogSelect gives each back to Qt (events.cpp).

#include <QApplication>
#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>

#include "toolbox/events_qt.h"

namespace tbx {

namespace {

// The character code a key event stands for, as the loop expects it: Return 13,
// keypad Enter 3, Escape 27, and the plain letter for a command-key chord.
UInt32 CharCode(const QKeyEvent *e)
{
    switch (e->key()) {
    case Qt::Key_Return: return kReturnCharCode;
    case Qt::Key_Enter: return kEnterCharCode;
    case Qt::Key_Escape: return kEscapeCharCode;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Delete: return 127;
    case Qt::Key_Left: return 28;
    case Qt::Key_Right: return 29;
    case Qt::Key_Up: return 30;
    case Qt::Key_Down: return 31;
    default: break;
    }
    if (e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z && (e->modifiers() & Qt::ControlModifier)) {
        const bool upper = e->modifiers() & Qt::ShiftModifier;
        return (UInt32)((upper ? 'A' : 'a') + (e->key() - Qt::Key_A));
    }
    const QString t = e->text();
    if (!t.isEmpty() && t.at(0).unicode() < 256)
        return t.at(0).unicode();
    if (e->key() > 0 && e->key() < 128)
        return (UInt32)e->key();
    return 0;
}

bool IsModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R: return true;
    default: return false;
    }
}

QWindow *WatchedWindow(QObject *obj)
{
    for (QWindow *w : S().windows)
        if (w == obj)
            return w;
    return nullptr;
}

bool PopupOpen()
{
    return QApplication::activePopupWidget() != nullptr;
}

void QueueMouse(QWindow *w, QMouseEvent *e, EventKind what)
{
    State &s = S();
    Stored st;
    st.rec.what = what;
    st.rec.where = ToPoint(e->globalPosition().toPoint());
    st.rec.modifiers = ToModifiers(e->modifiers());
    st.window = w;
    st.type = e->type();
    // The values, not the event: a copied mouse event shares its point with the
    // live pointer and would be overwritten by the next one.
    st.local = e->position();
    st.global = e->globalPosition();
    st.button = e->button();
    st.buttons = e->buttons();
    st.mods = e->modifiers();
    st.timestamp = e->timestamp();
    if (what == mouseDown)
        st.clone.reset(e->clone()); // kept in case a double click joins it
    s.lastMouse = e->globalPosition().toPoint();
    Push(std::move(st));
}

void QueueOther(QWindow *w, QEvent *e)
{
    Stored st;
    st.record = false;
    st.window = w;
    st.type = e->type();
    if (e->type() == QEvent::MouseMove) {
        auto *m = static_cast<QMouseEvent *>(e);
        st.local = m->position();
        st.global = m->globalPosition();
        st.button = m->button();
        st.buttons = m->buttons();
        st.mods = m->modifiers();
        st.timestamp = m->timestamp();
    } else if (e->type() == QEvent::Wheel) {
        auto *wh = static_cast<QWheelEvent *>(e);
        st.local = wh->position();
        st.global = wh->globalPosition();
        st.buttons = wh->buttons();
        st.mods = wh->modifiers();
        st.angle = wh->angleDelta();
        st.pixel = wh->pixelDelta();
        st.phase = wh->phase();
        st.inverted = wh->inverted();
        st.timestamp = wh->timestamp();
    } else {
        st.clone.reset(e->clone());
    }
    Push(std::move(st));
}

// Queues a record that the loop will see as a press in the given window part.
void QueueWindowPart(QWindow *w, bool goAway)
{
    State &s = S();
    for (const Stored &st : s.queue)
        if (st.record && st.rec.what == mouseDown &&
            SamePoint(st.rec.where, goAway ? s.goAwayAt : s.dragAt) &&
            (goAway ? s.goAwayPending : s.dragPending))
            return; // one is enough
    const QRect frame = w->frameGeometry();
    Stored st;
    st.rec.what = mouseDown;
    st.rec.where = ToPoint(QPoint(frame.left() + frame.width() / 2, frame.top()));
    if (goAway)
        st.rec.where.h = (SInt16)(frame.right() - 1);
    st.window = w;
    st.type = QEvent::None;
    (goAway ? s.goAwayAt : s.dragAt) = st.rec.where;
    (goAway ? s.goAwayPending : s.dragPending) = true;
    Push(std::move(st));
}

} // namespace

bool Filter::eventFilter(QObject *obj, QEvent *ev)
{
    State &s = S();
    if (ev == s.replaying)
        return false;
    const QEvent::Type t = ev->type();

    // A replayed key runs shortcut matching again; the menus' command keys are
    // the loop's business, never Qt's, so nothing may claim the key here.
    if (t == QEvent::ShortcutOverride) {
        QWidget *widget = qobject_cast<QWidget *>(obj);
        if (WatchedWindow(obj) ||
            (widget && widget->window() && WatchedWindow(widget->window()->windowHandle()))) {
            ev->accept();
            return true;
        }
        return false;
    }

    if (t == QEvent::Close || t == QEvent::Move) {
        QWidget *widget = qobject_cast<QWidget *>(obj);
        if (!widget || !widget->isWindow())
            return false;
        QWindow *w = widget->windowHandle();
        if (!w || !WatchedWindow(w))
            return false;
        if (t == QEvent::Close) {
            // The window manager's close box: the loop decides what it means.
            ev->ignore();
            QueueWindowPart(w, true);
            return true;
        }
        if (ev->spontaneous())
            QueueWindowPart(w, false); // the window manager moved it
        return false;
    }

    if (t == QEvent::InputMethod) {
        QWidget *widget = qobject_cast<QWidget *>(obj);
        auto *im = static_cast<QInputMethodEvent *>(ev);
        if (!widget || im->commitString().isEmpty() || PopupOpen() || !widget->window() ||
            !WatchedWindow(widget->window()->windowHandle()))
            return false;
        // Composed text arrives at the focus widget, not the window: it is typing
        // all the same, so it waits its turn as a key press.
        Stored st;
        st.rec.what = keyDown;
        const QChar c = im->commitString().at(0);
        st.rec.message = c.unicode() < 256 ? c.unicode() : 0;
        st.rec.where = ToPoint(s.lastMouse);
        st.window = widget->window()->windowHandle();
        st.target = widget;
        st.type = t;
        st.clone.reset(ev->clone());
        Push(std::move(st));
        return true;
    }

    QWindow *w = WatchedWindow(obj);
    if (!w)
        return false;
    if (PopupOpen())
        return false;

    switch (t) {
    case QEvent::KeyPress: {
        auto *k = static_cast<QKeyEvent *>(ev);
        if (IsModifierKey(k->key()))
            return true;
        Stored st;
        st.rec.what = k->isAutoRepeat() ? autoKey : keyDown;
        st.rec.message = CharCode(k) | ((k->nativeScanCode() & 0xFF) << 8);
        st.rec.modifiers = ToModifiers(k->modifiers());
        st.rec.where = ToPoint(s.lastMouse);
        st.window = w;
        st.type = t;
        st.clone.reset(k->clone());
        Push(std::move(st));
        return true;
    }
    case QEvent::KeyRelease: {
        auto *k = static_cast<QKeyEvent *>(ev);
        if (IsModifierKey(k->key()))
            return true;
        if (s.queue.empty())
            return false;
        QueueOther(w, ev);
        return true;
    }
    case QEvent::MouseButtonPress:
        QueueMouse(w, static_cast<QMouseEvent *>(ev), mouseDown);
        return true;
    case QEvent::MouseButtonRelease:
        QueueMouse(w, static_cast<QMouseEvent *>(ev), mouseUp);
        return true;
    case QEvent::MouseButtonDblClick: {
        // Joined to its press, which comes just before it.
        auto *m = static_cast<QMouseEvent *>(ev);
        if (!s.queue.empty() && s.queue.back().record && s.queue.back().rec.what == mouseDown &&
            s.queue.back().button == m->button() && !s.queue.back().dblClick) {
            s.queue.back().dblClick.reset(m->clone());
            return true;
        }
        if (s.haveCurrent && s.current.rec.what == mouseDown && !s.current.dblClick &&
            s.queue.empty()) {
            // Its press was handed out already: give the double click straight back.
            return false;
        }
        QueueOther(w, ev);
        return true;
    }
    case QEvent::MouseMove:
    case QEvent::Wheel:
        if (t == QEvent::MouseMove)
            s.lastMouse = static_cast<QMouseEvent *>(ev)->globalPosition().toPoint();
        if (s.queue.empty())
            return false;
        QueueOther(w, ev);
        return true;
    default: return false;
    }
}

void EnsureFilter()
{
    State &s = S();
    if (s.filter)
        return;
    s.filter = new Filter;
    qApp->installEventFilter(s.filter);
    s.wake = new QTimer;
    s.wake->setSingleShot(true);
    QObject::connect(s.wake, &QTimer::timeout, [] { S().woke = true; });
    Ticks();
}

void WatchDialog(OpaqueDialogPtr *d)
{
    State &s = S();
    EnsureFilter();
    d->widget->winId(); // makes the window, so that it can be watched now
    if (QWindow *w = d->widget->windowHandle())
        s.windows.push_back(w);
}

void ForgetDialog(OpaqueDialogPtr *d)
{
    State &s = S();
    QWindow *w = d->widget ? d->widget->windowHandle() : nullptr;
    s.windows.erase(std::remove(s.windows.begin(), s.windows.end(), w), s.windows.end());
    for (auto it = s.queue.begin(); it != s.queue.end();) {
        if (it->window == w || it->hitDialog == d)
            it = s.queue.erase(it);
        else
            ++it;
    }
    if (s.hitDialog == d)
        s.hitDialog = nullptr;
    if (s.current.hitDialog == d)
        s.current.hitDialog = nullptr;
}

} // namespace tbx
