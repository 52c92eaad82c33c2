// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tension window at the stand, for the record: at 48 spokes, a reading
// typed (the key through the window, the figures worked out again, the table,
// figures and chart given to the window and what changed repainted), median and
// slowest; and the chart's own repaint. A frame is 16 ms.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <math.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/globals.h"
#include "calc/lacing.h"
#include "calc/spoke.h"
#include "form/tension.h"
#include "toolbox/testing.h"
#include "toolbox/toolbox.h"

namespace {

void WaitExposed(QWidget *w)
{
    QElapsedTimer wait;
    wait.start();
    while (!(w->windowHandle() && w->windowHandle()->isExposed()) && wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents();
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Results &r = theResults;
    r = Results();
    r.calculated = r.laced = true;
    r.wheel.unit = kUnitKgf;
    snprintf(r.wheel.rim.name, sizeof r.wheel.rim.name, "Bench rim");
    snprintf(r.wheel.hub.name, sizeof r.wheel.hub.name, "Bench hub");
    DoLacing(24, 24, 3, 3, &r.lacing);
    r.side1.tension = 70;
    r.side2.tension = 120;
    for (int i = 0; i < 48; i++)
        SetReading(&theReadings, i, i % 2 ? "118" : "72");
    DoTensionWindow(r, TRUE);
    auto *window = static_cast<QWidget *>(ToolboxTensionWindow());
    WaitExposed(window);
    QWidget *chart = window->findChild<QWidget *>("chart");

    const int n = 300;
    std::vector<double> typed, painted, figures;
    QElapsedTimer t;
    for (int i = 0; i < n; i++) {
        // A digit typed, then taken back, in turns: every key changes a figure.
        t.start();
        QTest::keyClick(window->windowHandle(), i % 2 ? Qt::Key_Backspace : Qt::Key_5);
        // What changed is painted, as Qt does before the next frame.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QCoreApplication::sendPostedEvents(window->windowHandle(), QEvent::UpdateRequest);
        typed.push_back(t.nsecsElapsed() / 1e6);
        t.start();
        DoTensionEdit(kTensionReadingEdit, 0, i % 2 ? "72" : "725");
        figures.push_back(t.nsecsElapsed() / 1e6);
        t.start();
        chart->repaint();
        painted.push_back(t.nsecsElapsed() / 1e6);
    }
    printf("spokes=48 keys=%d typed_median_ms=%.3f typed_slowest_ms=%.3f "
           "window_update_median_ms=%.3f chart_median_ms=%.3f chart_slowest_ms=%.3f\n",
           n, Median(typed), *std::max_element(typed.begin(), typed.end()), Median(figures),
           Median(painted), *std::max_element(painted.begin(), painted.end()));
    return 0;
}
