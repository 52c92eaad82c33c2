// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculation, for the record: Calculate command round trips per second
// through the real form's fields, against the bare formula.
#include <QApplication>
#include <QLineEdit>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/globals.h"
#include "calc/calculate_hit.h"
#include "calc/geometry.h"
#include "calc/spoke.h"
#include "form/commands.h"
#include "form/items.h"

namespace {

// The CPU time this thread has used: on a machine shared with other work the
// wall clock counts their time too, and the paths' ratios drifted by a third
// between runs. The offscreen form paints in this thread.
class CpuTimer {
  public:
    void start() { start_ = Now(); }
    double nsecsElapsed() const { return Now() - start_; }

  private:
    static double Now()
    {
        timespec ts;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return ts.tv_sec * 1e9 + ts.tv_nsec;
    }
    double start_ = 0;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    DialogRef form = GetNewDialog(kMainFormID, nullptr, kFirstWindowOfClass);
    const char *values[][2] = {{"10", "600"}, {"14", "45"}, {"15", "57"},
                               {"16", "35"},  {"17", "20"}, {"18", "2,6"}};
    for (auto &v : values)
        XDlgSetStr(form, (DialogItemIndex)atoi(v[0]), v[1]);
    // QUENNICK_BENCH_CALC_N: fewer round trips, for a run under a profiler.
    const char *count = getenv("QUENNICK_BENCH_CALC_N");
    const int n = count && atoi(count) >= 7 ? atoi(count) : 200000;
    CpuTimer t;
    // Calculate with the form's defaults (equal J-bend sides), then with the
    // other paths: 2:1 sides (the fuller side's paired rim holes), a
    // straight-pull head aimed from the radial line, from a seat offset, along
    // the tangent, a side past a quarter turn, a side past its flange's tangent
    // (32 x 4), a rim offset toward side 1. The paths take turns over several
    // rounds and each keeps its best round, so that a busy machine slows them
    // alike.
    enum {
        kDefault,
        kTwoToOne,
        kStraightPull,
        kSeatOffset,
        kTangential,
        kNote,
        kPastTangent,
        kRimOffset,
        kPaths
    };
    auto choose = [&](int path) {
        XDlgSetValue(form, iSpokes, path == kTwoToOne ? 4 : path == kNote ? 7 : 3);
        XDlgEnable(form, iSpokesPerSide, path == kTwoToOne);
        XDlgSetValue(form, iSpokesPerSide, path == kTwoToOne ? kSidesMoreOn2 : kSidesEqual);
        const bool straight = path == kStraightPull || path == kSeatOffset || path == kTangential;
        XDlgSetValue(form, iSpokeHead, straight ? kStraightPullHead : kJBendHead);
        XDlgSetValue(form, iSpokeExit, path == kTangential ? kExitTangential : kExitAimed);
        XDlgSetStr(form, iSeatOffset, path == kSeatOffset ? "1,5" : "");
        // Crossings that leave the note empty but on the note paths: 2 on
        // the 12-spoke side of 36 2:1 (60°), 4 where a tangential hub's seats
        // give 3,8.
        const int crossings = path == kPastTangent || path == kTangential ? 5
                              : path == kTwoToOne                         ? 3
                                                                          : 4;
        XDlgSetValue(form, iCrossings1, crossings);
        XDlgSetValue(form, iCrossings2, path == kTwoToOne ? 3 : path == kTangential ? 5 : 4);
        XDlgSetStr(form, iRimOffset, path == kRimOffset ? "3" : "");
        XDlgSetValue(form, iOffsetSide, 1);
    };
    double best[kPaths] = {};
    for (int round = 0; round < 7; round++) {
        for (int path = 0; path < kPaths; path++) {
            choose(path);
            t.start();
            for (int i = 0; i < n / 7; i++)
                DoCalculateHit(form);
            const double perSecond = (n / 7) / (t.nsecsElapsed() / 1e9);
            best[path] = perSecond > best[path] ? perSecond : best[path];
        }
    }
    const double hitPerSecond = best[kDefault];
    const char *names[kPaths] = {"default",    "2to1",        "straight_pull", "seat_offset",
                                 "tangential", "lacing_note", "past_tangent",  "rim_offset"};
    for (int path = 1; path < kPaths; path++)
        printf("calc_hits_%s_per_s=%.0f ratio_to_default=%.3f\n", names[path], best[path],
               best[path] / hitPerSecond);
    // As a user works: a changed figure, then Calculate, so that every result
    // changes (the rim diameter goes back and forth by 1 mm).
    choose(kDefault);
    double changing = 0;
    for (int round = 0; round < 7; round++) {
        t.start();
        for (int i = 0; i < n / 7; i++) {
            XDlgSetStr(form, iRimDiameter, (i & 1) ? "601" : "600");
            DoCalculateHit(form);
        }
        const double perSecond = (n / 7) / (t.nsecsElapsed() / 1e9);
        changing = perSecond > changing ? perSecond : changing;
    }
    printf("calc_hits_changing_per_s=%.0f ratio_to_default=%.3f\n", changing,
           changing / hitPerSecond);
    // The whole command as Return reaches it: the calculation, and the lacing
    // diagram brought up to date (hidden here, as it mostly is).
    choose(kDefault);
    theDialog = form;
    EventRecord enter = {};
    enter.what = keyDown;
    enter.message = kReturnCharCode;
    double command = 0;
    for (int round = 0; round < 7; round++) {
        t.start();
        for (int i = 0; i < n / 7; i++)
            DoDlgEvt(&enter);
        const double perSecond = (n / 7) / (t.nsecsElapsed() / 1e9);
        command = perSecond > command ? perSecond : command;
    }
    theDialog = nullptr;
    printf("calc_command_per_s=%.0f ratio_to_default=%.3f\n", command, command / hitPerSecond);
    volatile double sink = 0;
    t.start();
    for (int i = 0; i < n * 10; i++) {
        double l1, l2;
        DoCalculate(45, 57, 35, 20, 600 + (i & 1), 3, 3, 32, 2.6, &l1, &l2);
        sink = sink + l1 + l2;
    }
    const double formulaPerSecond = n * 10 / (t.nsecsElapsed() / 1e9);
    printf("calc_hits_per_s=%.0f\nformula_per_s=%.0f\n", hitPerSecond, formulaPerSecond);
    DisposeDialog(form);
    return 0;
}
