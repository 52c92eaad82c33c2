// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The application object and the text conversions that every part of the layer uses.

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "toolbox/qt.h"

namespace {

// While the application object is made, the platform's complaints are held
// back: when no display can be opened, Qt would print several lines and then
// abort, where the user needs one line and a plain failure.
QtMessageHandler previousHandler = nullptr;
std::vector<std::pair<QtMsgType, std::string>> heldBack;

void StartUpMessages(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        fprintf(stderr, "quennick: cannot open a window: no display could be reached (DISPLAY and "
                        "WAYLAND_DISPLAY are unset, or the display refused the connection)\n");
        _exit(1);
    }
    const char *category = context.category ? context.category : "";
    if (strncmp(category, "qt.qpa", 6) == 0)
        heldBack.emplace_back(type, text.toStdString());
    else if (previousHandler)
        previousHandler(type, context, text);
    else
        fprintf(stderr, "%s\n", qPrintable(text));
}

// The program's own command line, for Qt's options (-platform, -display...):
// read back from the kernel, since the toolbox's calls carry no arguments.
std::vector<std::string> CommandLine()
{
    std::vector<std::string> args;
    if (FILE *f = fopen("/proc/self/cmdline", "rb")) {
        std::string arg;
        int c;
        while ((c = fgetc(f)) != EOF) {
            if (c == '\0') {
                args.push_back(arg);
                arg.clear();
            } else {
                arg += (char)c;
            }
        }
        fclose(f);
    }
    if (args.empty())
        args.push_back("quennick");
    return args;
}

// Qt needs a run-time folder and makes /tmp/runtime-USER when XDG_RUNTIME_DIR
// is unset or unusable: the one file-system write of a run. A session started
// without the variable (su, a service, a cron job) usually still has the
// user's own folder, which is what a desktop session would point at; use it.
// Without one, Qt makes its folder as before.
void FindRuntimeFolder()
{
    struct stat st;
    const char *given = getenv("XDG_RUNTIME_DIR");
    if (given && given[0] && stat(given, &st) == 0 && S_ISDIR(st.st_mode) &&
        st.st_uid == geteuid() && (st.st_mode & 0777) == 0700)
        return;
    char own[64];
    snprintf(own, sizeof own, "/run/user/%u", (unsigned)geteuid());
    if (stat(own, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid() &&
        (st.st_mode & 0777) == 0700)
        setenv("XDG_RUNTIME_DIR", own, 1);
}

// The languages the program is translated into (resources/translations/).
const char *const kLanguages[] = {"de", "fr", "nl", "it", "es"};

// The language of one locale or language name ("de_AT.UTF-8", "fr", "nl_BE@euro"):
// one of kLanguages, or null for English and for any language the program
// does not speak.
const char *LanguageOf(const char *name, size_t length)
{
    if (length < 2 || (length > 2 && name[2] != '_' && name[2] != '.' && name[2] != '@'))
        return nullptr;
    for (const char *l : kLanguages)
        if (name[0] == l[0] && name[1] == l[1])
            return l;
    return nullptr;
}

// Qt's own texts (a field's context menu, the print dialog) and the program's,
// for one language; empty translators for English.
QTranslator *qtTexts = nullptr;
QTranslator *ownTexts = nullptr;

} // namespace

const char *tbx::EnvironmentLanguage()
{
    // The first of these that is set and not empty decides, as for every
    // program that follows the user's settings. LANGUAGE is a list of
    // preferences ("pt:fr:en"): its first language that the program speaks.
    for (const char *var : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char *value = getenv(var);
        if (!value || !value[0])
            continue;
        if (strcmp(var, "LANGUAGE") != 0)
            return LanguageOf(value, strlen(value));
        for (const char *p = value; *p;) {
            const size_t n = strcspn(p, ":");
            if (const char *l = LanguageOf(p, n))
                return l;
            if (n >= 2 && strncmp(p, "en", 2) == 0 && (n == 2 || strchr("_.@", p[2])))
                return nullptr;
            p += n;
            if (*p == ':')
                p++;
        }
        return nullptr;
    }
    return nullptr;
}

void tbx::UseLanguage(const char *language)
{
    InitResources();
    if (!qtTexts) {
        qtTexts = new QTranslator(qApp);
        ownTexts = new QTranslator(qApp);
    }
    QCoreApplication::removeTranslator(qtTexts);
    QCoreApplication::removeTranslator(ownTexts);
    if (!language)
        return;
    const QString name = QString::fromLatin1(language);
    // Qt's translations come from the system (Debian's qt6-translations-l10n);
    // without them Qt's few texts stay English and the program's are still
    // translated.
    if (qtTexts->load(QStringLiteral("qtbase_") + name,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
    if (ownTexts->load(QStringLiteral(":/translations/quennick_") + name))
        QCoreApplication::installTranslator(ownTexts);
}

// Outside any namespace, as Q_INIT_RESOURCE requires.
static void InitCompiledResources()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(translations);
}

// The compiled definitions (resources/resources.qrc): in a static library
// nothing else refers to them, so without this call the linker drops them.
void tbx::InitResources()
{
    static const bool done = (InitCompiledResources(), true);
    (void)done;
}

void tbx::EnsureApp()
{
    // Called at every toolbox entry that needs Qt, so the common case must cost
    // nothing: the loop comes through here twelve times a second.
    static QCoreApplication *ready = nullptr;
    if (ready && ready == QCoreApplication::instance())
        return;
    if (!QCoreApplication::instance()) {
        // Made once and kept for the life of the process, like the toolbox it
        // stands in for; Qt reads its own options from the environment and
        // the command line.
        static std::vector<std::string> args = CommandLine();
        static std::vector<char *> argv;
        for (std::string &a : args)
            argv.push_back(&a[0]);
        argv.push_back(nullptr);
        static int argc = (int)args.size();
        FindRuntimeFolder();
        previousHandler = qInstallMessageHandler(StartUpMessages);
        static QApplication *app = new QApplication(argc, argv.data());
        (void)app;
        qInstallMessageHandler(previousHandler);
        // Started after all: what the platform said goes out as usual.
        for (const auto &m : heldBack) {
            if (previousHandler)
                previousHandler(m.first, QMessageLogContext(), QString::fromStdString(m.second));
            else
                fprintf(stderr, "%s\n", m.second.c_str());
        }
        heldBack.clear();
        UseLanguage(EnvironmentLanguage());
    }
    QApplication::setApplicationName(QStringLiteral("Quennick"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quennick"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quennick.Quennick"));
    // A closed window must not end the application: the event loop decides.
    QApplication::setQuitOnLastWindowClosed(false);
    ready = QCoreApplication::instance();
}

QString tbx::Pas2QString(ConstStr255Param text)
{
    if (!text)
        return QString();
    return QString::fromUtf8(reinterpret_cast<const char *>(text + 1), text[0]);
}

void tbx::QString2Pas(const QString &s, Str255 out)
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
