// The application object and the text conversions that every part of the layer uses.

#include <QApplication>

#include "form/toolbox_qt.h"

void XEnsureApp()
{
    // Called at every toolbox entry that needs Qt, so the common case must cost
    // nothing: the loop comes through here twelve times a second.
    static QCoreApplication *ready = nullptr;
    if (ready && ready == QCoreApplication::instance())
        return;
    if (!QCoreApplication::instance()) {
        // Made once and kept for the life of the process, like the toolbox it
        // stands in for; Qt reads its own options from the environment.
        static int argc = 1;
        static char arg0[] = "quennick";
        static char *argv[] = {arg0, nullptr};
        static QApplication *app = new QApplication(argc, argv);
        (void)app;
    }
    QApplication::setApplicationName(QStringLiteral("Quennick"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quennick"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quennick.Quennick"));
    // A closed window must not end the application: the event loop decides.
    QApplication::setQuitOnLastWindowClosed(false);
    ready = QCoreApplication::instance();
}

QString XPas2QString(ConstStr255Param text)
{
    if (!text)
        return QString();
    return QString::fromUtf8(reinterpret_cast<const char *>(text + 1), text[0]);
}

void XQString2Pas(const QString &s, Str255 out)
{
    const QByteArray bytes = s.toUtf8();
    int n = (int)bytes.size();
    if (n > 255) {
        // Cut on a character boundary: never leave half a UTF-8 sequence.
        n = 255;
        while (n > 0 && (static_cast<unsigned char>(bytes[n]) & 0xC0) == 0x80)
            n--;
    }
    out[0] = (unsigned char)n;
    memcpy(out + 1, bytes.constData(), (size_t)n);
}
