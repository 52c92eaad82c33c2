// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The baseline for idle cost: the program's own form, made from its template,
// with the caret blinking in a field, under a plain QApplication::exec() instead
// of the program's event loop. With --tick, a timer also wakes it every five
// ticks (83 ms) and does nothing: the floor of any loop that wakes that often.
#include <QLineEdit>
#include <QTimer>

#include "bench/probe.h"
#include "form/items.h"

int main(int argc, char **argv)
{
    const ProbeOptions options = ProbeOptions::Parse(argc, argv);
    QApplication app(argc, argv);
    FirstPaint watch(
        "MainForm", options, [] { QApplication::quit(); },
        [](QWidget *w) {
            if (auto *field = w->findChild<QLineEdit *>(QStringLiteral("item10")))
                field->setFocus();
        });
    app.installEventFilter(&watch);
    QTimer tick;
    for (int i = 1; i < argc; i++)
        if (strcmp(argv[i], "--tick") == 0)
            tick.start(5 * 1000 / 60);
    DialogRef d = GetNewDialog(kMainFormID, nullptr, kFirstWindowOfClass);
    ShowWindow(GetDialogWindow(d));
    return app.exec();
}
