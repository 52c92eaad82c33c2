// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The application object and the text conversions that every part of the layer uses.

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "toolbox/qt.h"

namespace {

// While the application object is made, everything Qt says is held back: when
// no window can open, Qt prints several lines and then aborts, where the user
// needs one line that says what failed, and a plain failure.
QtMessageHandler previousHandler = nullptr;
std::vector<std::pair<QtMsgType, std::string>> heldBack;

// The text between the first pair of double quotes after `after` in a held-back
// message, or "".
std::string Quoted(const std::string &text, const char *after)
{
    const size_t at = text.find(after);
    if (at == std::string::npos)
        return "";
    const size_t open = text.find('"', at);
    const size_t close = open == std::string::npos ? open : text.find('"', open + 1);
    return close == std::string::npos ? "" : text.substr(open + 1, close - open - 1);
}

// What Qt said while it tried to start a platform.
struct StartUpFailure {
    std::string missing;             // the platform asked for, when Qt has none of that name
    std::vector<std::string> failed; // each platform tried that could not start
    std::string xDisplay;            // the X display Qt could not reach ("" when none was named)
    std::string waylandError;        // why the Wayland connection failed
};

StartUpFailure ReadHeldBack()
{
    StartUpFailure f;
    for (const auto &m : heldBack) {
        const std::string &t = m.second;
        const size_t open = t.find('('), close = t.rfind(')');
        if (t.find("Could not find the Qt platform plugin") != std::string::npos)
            f.missing = Quoted(t, "plugin");
        else if (t.find("Could not load the Qt platform plugin") != std::string::npos)
            f.failed.push_back(Quoted(t, "plugin"));
        else if (t.compare(0, 28, "could not connect to display") == 0)
            f.xDisplay = t.substr(28); // "could not connect to display :5 ", trimmed below
        else if (t.compare(0, 24, "Failed to create wl_disp") == 0 && open != std::string::npos &&
                 close != std::string::npos && close > open)
            f.waylandError = t.substr(open + 1, close - open - 1); // the errno's text
    }
    const size_t first = f.xDisplay.find_first_not_of(' ');
    const size_t last = f.xDisplay.find_last_not_of(' ');
    f.xDisplay = first == std::string::npos ? "" : f.xDisplay.substr(first, last - first + 1);
    return f;
}

// Why one platform could not start, in the user's terms.
std::string PlatformFailure(const std::string &platform, const StartUpFailure &f)
{
    if (platform == "xcb")
        return f.xDisplay.empty() ? std::string("DISPLAY is unset")
                                  : "the X display \"" + f.xDisplay + "\" could not be reached";
    if (platform.compare(0, 7, "wayland") == 0) {
        const char *wayland = getenv("WAYLAND_DISPLAY");
        if (!wayland || !wayland[0])
            return "no Wayland compositor is running (WAYLAND_DISPLAY is unset)";
        std::string why =
            std::string("the Wayland display \"") + wayland + "\" could not be reached";
        if (!f.waylandError.empty())
            why += " (" + f.waylandError + ")";
        return why;
    }
    return "the platform \"" + platform + "\" could not start";
}

// The one line said when no platform could start: the platform Qt could not
// find, or each one it tried and why that failed.
std::string NoWindowLine(const std::string &fatal)
{
    const StartUpFailure f = ReadHeldBack();
    std::string line = "quennick: cannot open a window: ";
    if (!f.missing.empty()) {
        line += "Qt has no platform \"" + f.missing + "\" (-platform or QT_QPA_PLATFORM)";
        const size_t list = fatal.find("Available platform plugins are: ");
        if (list != std::string::npos) {
            const std::string names = fatal.substr(list + 32);
            line += "; it has " + names.substr(0, names.find_first_of(".\n"));
        }
        return line;
    }
    const char *wayland = getenv("WAYLAND_DISPLAY");
    if (f.failed.size() == 1 && f.failed[0] == "xcb" && f.xDisplay.empty() &&
        (!wayland || !wayland[0]))
        return line + "no display: DISPLAY and WAYLAND_DISPLAY are unset";
    for (size_t i = 0; i < f.failed.size(); i++)
        line += (i ? "; " : "") + PlatformFailure(f.failed[i], f);
    if (f.failed.empty())
        line += fatal.substr(0, fatal.find('\n'));
    return line;
}

void StartUpMessages(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtFatalMsg) {
        fprintf(stderr, "%s\n", NoWindowLine(text.toStdString()).c_str());
        _exit(1);
    }
    heldBack.emplace_back(type, text.toStdString());
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
// A value that names no existing folder, or a relative one, Qt would make as
// given (XDG_RUNTIME_DIR=/nonexistent, run as root, writes to /): drop it, so
// that Qt takes the same fallback as for a missing variable.
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
        (st.st_mode & 0777) == 0700) {
        setenv("XDG_RUNTIME_DIR", own, 1);
        return;
    }
    if (given && (given[0] != '/' || stat(given, &st) != 0 || !S_ISDIR(st.st_mode)))
        unsetenv("XDG_RUNTIME_DIR");
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
