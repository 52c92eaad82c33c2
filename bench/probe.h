// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shared by the start-up probes: when the watched window first paints, say how
// long it took since the time the driver passed in, and what the process holds.
#ifndef QUENNICK_BENCH_PROBE_H
#define QUENNICK_BENCH_PROBE_H

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>

inline long long NowNs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

inline long RssKb()
{
    FILE *f = fopen("/proc/self/status", "r");
    char line[256];
    long kb = -1;
    while (f && fgets(line, sizeof line, f))
        if (strncmp(line, "VmRSS:", 6) == 0)
            kb = atol(line + 6);
    if (f)
        fclose(f);
    return kb;
}

// Options: --t0=NS (CLOCK_MONOTONIC when the driver started the process),
// --stay=MS (keep running this long after the first paint, then report memory
// and end; -1 runs until killed).
struct ProbeOptions {
    long long t0 = 0;
    int stay = 0;
    static ProbeOptions Parse(int argc, char **argv)
    {
        ProbeOptions o;
        for (int i = 1; i < argc; i++) {
            if (strncmp(argv[i], "--t0=", 5) == 0)
                o.t0 = atoll(argv[i] + 5);
            if (strncmp(argv[i], "--stay=", 7) == 0)
                o.stay = atoi(argv[i] + 7);
        }
        return o;
    }
};

class FirstPaint : public QObject {
  public:
    FirstPaint(const char *windowName, ProbeOptions options, std::function<void()> end,
               std::function<void(QWidget *)> shown = nullptr)
        : name_(windowName), options_(options), end_(std::move(end)), shown_(std::move(shown))
    {
    }
    bool eventFilter(QObject *obj, QEvent *e) override
    {
        if (done_ || e->type() != QEvent::Paint || !obj->isWidgetType())
            return false;
        QWidget *w = static_cast<QWidget *>(obj)->window();
        if (w->objectName() != QLatin1String(name_))
            return false;
        const bool handled = obj->event(e); // the paint itself counts
        done_ = true;
        printf("paint_ms=%.2f\n", (double)(NowNs() - options_.t0) / 1e6);
        fflush(stdout);
        if (shown_)
            shown_(w);
        if (options_.stay >= 0)
            QTimer::singleShot(options_.stay, [this] {
                printf("rss_kb=%ld\n", RssKb());
                fflush(stdout);
                end_();
            });
        return handled;
    }

  private:
    const char *name_;
    ProbeOptions options_;
    std::function<void()> end_;
    std::function<void(QWidget *)> shown_;
    bool done_ = false;
};

#endif
