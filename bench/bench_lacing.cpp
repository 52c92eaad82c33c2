// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lacing diagram's paint, for the record: a shown diagram window of a
// 48-spoke wheel repainted many times, median and slowest paint, against the
// same window drawing the rim alone. A frame is 16 ms.
#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "calc/lacing.h"
#include "toolbox/testing.h"
#include "toolbox/toolbox.h"

namespace {

// Milliseconds of each of `n` synchronous repaints of the diagram window.
std::vector<double> Paints(const LacingPicture &picture, int n)
{
    SetLacingWindow(&picture, TRUE);
    auto *window = static_cast<QWidget *>(ToolboxLacingWindow());
    // Paints only count once the window is on the screen.
    QElapsedTimer wait;
    wait.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) &&
           wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents();
    std::vector<double> ms;
    QElapsedTimer t;
    for (int i = 0; i < n; i++) {
        t.start();
        window->repaint();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Lacing lacing;
    DoLacing(24, 24, 3, 3, &lacing);
    const LacingPicture wheel = {&lacing, 600, 45, 57, nullptr};
    const LacingPicture rim = {nullptr, 600, 45, 57, nullptr};
    const int n = 500;
    // Taking turns in rounds, so that a busy machine slows both alike.
    std::vector<double> full, bare;
    for (int round = 0; round < 5; round++) {
        const std::vector<double> a = Paints(wheel, n / 5), b = Paints(rim, n / 5);
        full.insert(full.end(), a.begin(), a.end());
        bare.insert(bare.end(), b.begin(), b.end());
    }
    std::sort(full.begin(), full.end());
    std::sort(bare.begin(), bare.end());
    printf("paints=%d lacing48_median_ms=%.3f lacing48_slowest_ms=%.3f rim_median_ms=%.3f "
           "rim_slowest_ms=%.3f\n",
           n, full[full.size() / 2], full.back(), bare[bare.size() / 2], bare.back());
    return 0;
}
