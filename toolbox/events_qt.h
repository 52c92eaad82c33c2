// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Included by: the layer's event files (capture, events, eventqueue) only (it includes Qt).
// Inside the layer's event side: the stored events and the queue that the
// capture (capture.cpp) fills and the loop's calls (events.cpp)
// empty.
#ifndef QUENNICK_TOOLBOX_EVENTS_QT_H
#define QUENNICK_TOOLBOX_EVENTS_QT_H

#include <QElapsedTimer>
#include <QEvent>
#include <QPoint>
#include <QPointF>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <deque>
#include <memory>
#include <vector>

#include "toolbox/qt.h"

namespace tbx {

// One event as it came from Qt, with what is needed to give it back.
struct Stored {
    EventRecord rec{};
    bool record = true; // false: not for the loop, given back in order by WaitNextEvent
    QPointer<QWindow> window;
    QPointer<QWidget> target;         // input method text: the widget it was for
    std::unique_ptr<QEvent> clone;    // keys, input method, and presses joined to a double click
    std::unique_ptr<QEvent> dblClick; // the double click that followed this press
    QEvent::Type type = QEvent::None;
    QPointF local, global;
    Qt::MouseButton button = Qt::NoButton;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers mods;
    quint64 timestamp = 0;
    QPoint angle, pixel; // wheel
    Qt::ScrollPhase phase = Qt::NoScrollPhase;
    bool inverted = false;
    OpaqueDialogPtr *hitDialog = nullptr; // an item hit that came outside a replay
    DialogItemIndex hitItem = 0;
};

// Takes the input meant for a watched window out of Qt's hands (capture.cpp).
class Filter : public QObject {
  public:
    bool eventFilter(QObject *obj, QEvent *ev) override;
};

struct State {
    Filter *filter = nullptr;
    std::vector<QWindow *> windows; // the watched windows: modeless dialogs'
    std::deque<Stored> queue;
    Stored current; // the record last handed out
    bool haveCurrent = false;
    const QEvent *replaying = nullptr; // passes the filter
    int replayDepth = 0;
    OpaqueDialogPtr *hitDialog = nullptr;
    DialogItemIndex hitItem = 0;
    QPoint lastMouse; // screen position of the last mouse event
    QElapsedTimer clock;
    QTimer *wake = nullptr;
    bool woke = false;
    Point goAwayAt{}, dragAt{};
    bool goAwayPending = false, dragPending = false;
    long nullEvents = 0;
};

State &S();
// Ticks (1/60 s) since the layer started.
UInt32 Ticks();
Point ToPoint(const QPoint &p);
bool SamePoint(Point a, Point b);
EventModifiers ToModifiers(Qt::KeyboardModifiers m);
// Queues a stored event for the loop, stamped with the time.
void Push(Stored &&st);
// Gives one stored event back to Qt; the filter lets it through.
void Replay(Stored &st);
// Installs the filter and the wake-up timer, once.
void EnsureFilter();

} // namespace tbx

#endif
