// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real program, with a watch on its first paint: start-up time and memory.
// The driver places it three folders deep beside the catalogues it should load.
#include <QLineEdit>

#include "app/globals.h"
#include "app/shell.h"
#include "bench/probe.h"
#include "toolbox/testing.h"

int main(int argc, char **argv)
{
    const ProbeOptions options = ProbeOptions::Parse(argc, argv);
    QApplication app(argc, argv);
    // The language is loaded where the program makes its application object;
    // the probe makes its own, so it loads it the same way here.
    ToolboxUseLanguage(ToolboxEnvironmentLanguage());
    FirstPaint watch(
        "MainForm", options, [] { alive = FALSE; },
        [](QWidget *form) {
            // The caret blinks in the rim diameter, as in a user's idle form.
            if (auto *field = form->findChild<QLineEdit *>(QStringLiteral("item10")))
                field->setFocus();
        });
    app.installEventFilter(&watch);
    return QuennickMain(argc, argv);
}
