// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the form tests on Qt's offscreen platform unless told otherwise.
#include <QApplication>

#include <gtest/gtest.h>

namespace {

// The offscreen platform says at every window what it cannot do; the tests
// have no use for that.
QtMessageHandler previous = nullptr;

void Quiet(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    if (msg.startsWith(QLatin1String("This plugin does not support")))
        return;
    previous(type, context, msg);
}

} // namespace

int main(int argc, char **argv)
{
    previous = qInstallMessageHandler(Quiet);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program started in this process must not find the developer's own
    // catalogues in ~/.local/share/quennick.
    qputenv("XDG_DATA_HOME", "/nonexistent/quennick-tests");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
