// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The baseline for start-up and memory: a bare Qt Widgets window of the form's
// size, linked against Qt Widgets alone, under a plain QApplication::exec().
#include <QLabel>

#include "bench/probe.h"

int main(int argc, char **argv)
{
    const ProbeOptions options = ProbeOptions::Parse(argc, argv);
    QApplication app(argc, argv);
    FirstPaint watch("Bare", options, [] { QApplication::quit(); });
    app.installEventFilter(&watch);
    QWidget bare;
    bare.setObjectName(QStringLiteral("Bare"));
    bare.setWindowTitle(QStringLiteral("Bare"));
    bare.resize(524, 639);
    QLabel label(QStringLiteral("Quennick"), &bare);
    bool withLabel = false;
    for (int i = 1; i < argc; i++)
        withLabel = withLabel || strcmp(argv[i], "--label") == 0;
    label.setVisible(withLabel);
    bare.show();
    return app.exec();
}
