// The event side of the layer. One application-wide filter takes the input meant
// for a modeless dialog's window out of Qt's hands and keeps it as event records;
// WaitNextEvent hands the records to the loop, and DialogSelect gives each back to
// Qt, so that Qt still decides which widget is hit, takes focus and types.

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include <deque>

#include "form/toolbox_qt.h"
#include "form/toolbox_testing.h"

namespace {

// One event as it came from Qt, with what is needed to give it back.
struct Stored {
    EventRecord rec{};
    bool record = true;  // false: not for the loop, given back in order by WaitNextEvent
    QPointer<QWindow> window;
    QPointer<QWidget> target;           // input method text: the widget it was for
    std::unique_ptr<QEvent> clone;      // keys, input method, and presses joined to a double click
    std::unique_ptr<QEvent> dblClick;   // the double click that followed this press
    QEvent::Type type = QEvent::None;
    QPointF local, global;
    Qt::MouseButton button = Qt::NoButton;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers mods;
    quint64 timestamp = 0;
    QPoint angle, pixel;                // wheel
    Qt::ScrollPhase phase = Qt::NoScrollPhase;
    bool inverted = false;
    OpaqueDialogPtr *hitDialog = nullptr;  // an item hit that came outside a replay
    DialogItemIndex hitItem = 0;
};

class Filter : public QObject {
public:
    bool eventFilter(QObject *obj, QEvent *ev) override;
};

struct State {
    Filter *filter = nullptr;
    std::vector<QWindow *> windows;     // the watched windows: modeless dialogs'
    std::deque<Stored> queue;
    Stored current;                     // the record last handed out
    bool haveCurrent = false;
    const QEvent *replaying = nullptr;  // passes the filter
    int replayDepth = 0;
    OpaqueDialogPtr *hitDialog = nullptr;
    DialogItemIndex hitItem = 0;
    QPoint lastMouse;                   // screen position of the last mouse event
    QElapsedTimer clock;
    QTimer *wake = nullptr;
    bool woke = false;
    Point goAwayAt{}, dragAt{};
    bool goAwayPending = false, dragPending = false;
    long nullEvents = 0;
};

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

bool SamePoint(Point a, Point b) { return a.h == b.h && a.v == b.v; }

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

// The character code a key event stands for, as the loop expects it: Return 13,
// keypad Enter 3, Escape 27, and the plain letter for a command-key chord.
UInt32 CharCode(const QKeyEvent *e)
{
    switch (e->key()) {
    case Qt::Key_Return: return 13;
    case Qt::Key_Enter: return 3;
    case Qt::Key_Escape: return 27;
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

bool PopupOpen() { return QApplication::activePopupWidget() != nullptr; }

void Push(Stored &&st)
{
    st.rec.when = Ticks();
    S().queue.push_back(std::move(st));
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
        st.clone.reset(e->clone());  // kept in case a double click joins it
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
            return;  // one is enough
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
        if (WatchedWindow(obj) || (widget && widget->window() &&
                                   WatchedWindow(widget->window()->windowHandle()))) {
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
            QueueWindowPart(w, false);  // the window manager moved it
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
    default:
        return false;
    }
}

// Gives one stored event back to Qt; the filter lets it through.
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
            // Qt marks the press that begins a double click; only the original
            // keeps that mark, and without it the release would be lost.
            send(st.clone.get());
            send(st.dblClick.get());
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

bool SameRecord(const EventRecord &a, const EventRecord &b)
{
    return a.what == b.what && a.message == b.message && a.when == b.when &&
           SamePoint(a.where, b.where) && a.modifiers == b.modifiers;
}

// The modeless dialog that keyboard input goes to.
OpaqueDialogPtr *FrontDialog()
{
    OpaqueDialogPtr *front = nullptr;
    for (OpaqueDialogPtr *d : XDialogs()) {
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
        case 13: key = Qt::Key_Return; text = QStringLiteral("\r"); break;
        case 3: key = Qt::Key_Enter; text = QStringLiteral("\r"); break;
        case 27: key = Qt::Key_Escape; break;
        case 8: key = Qt::Key_Backspace; break;
        case 9: key = Qt::Key_Tab; break;
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

}  // namespace

void XEventsWatch(OpaqueDialogPtr *d)
{
    State &s = S();
    EnsureFilter();
    d->widget->winId();  // makes the window, so that it can be watched now
    if (QWindow *w = d->widget->windowHandle())
        s.windows.push_back(w);
}

void XEventsForget(OpaqueDialogPtr *d)
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

void XEventsItemHit(OpaqueControlRef *item)
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

Boolean WaitNextEvent(EventMask, EventRecord *event, UInt32 sleepTicks, RgnHandle)
{
    XEnsureApp();
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
    case autoKey:
        return FrontDialog() != nullptr;
    case mouseDown:
    case mouseUp: {
        State &s = S();
        if (s.haveCurrent && s.current.hitDialog && SameRecord(*e, s.current.rec))
            return TRUE;
        WindowRef w = nullptr;
        return FindWindow(e->where, &w) == inContent && w && !w->dialog->modal;
    }
    default:
        return FALSE;
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
        s.haveCurrent = false;  // each record is given back once
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
    for (auto it = XDialogs().rbegin(); it != XDialogs().rend(); ++it) {
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
        QWidget *bar = XMenuBarWidget();
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

void ToolboxPostItemHit(DialogRef dialog, DialogItemIndex item)
{
    ControlRef control = nullptr;
    GetDialogItemAsControl(dialog, item, &control);
    if (control)
        XEventsItemHit(control);
}

int ToolboxQueuedEvents(void) { return (int)S().queue.size(); }

long ToolboxNullEvents(void) { return S().nullEvents; }

void XEventsReset()
{
    State &s = S();
    s.queue.clear();
    s.haveCurrent = false;
    s.current = Stored();
    s.goAwayPending = s.dragPending = false;
}
