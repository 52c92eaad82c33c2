// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculation, for the record: Calculate command round trips per second
// through the real form's fields, against the bare formula.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>

#include <cstdio>

#include "calc/calculate_hit.h"
#include "calc/spoke.h"
#include "form/items.h"

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
    const int n = 200000;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < n; i++)
        DoCalculateHit(form);
    const double hitPerSecond = n / (t.nsecsElapsed() / 1e9);
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
