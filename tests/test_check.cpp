// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// quennick --check: what it reports for good, odd and missing catalogues.
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "catalogue/catalogue_testing.h"

namespace {

std::string Check(const std::string &folder, int *status, const char *userFolder = nullptr)
{
    char *text = nullptr;
    size_t size = 0;
    FILE *out = open_memstream(&text, &size);
    *status = CheckCatalogues(folder.c_str(), userFolder, out);
    fclose(out);
    std::string s(text, size);
    free(text);
    return s;
}

// A stream into a string, read back when done.
struct Capture {
    Capture() : file(open_memstream(&text, &size)) {}
    ~Capture()
    {
        if (file)
            fclose(file);
        free(text);
    }
    std::string Text()
    {
        fflush(file);
        return std::string(text, size);
    }
    char *text = nullptr;
    size_t size = 0;
    FILE *file;
};

// Runs the command line `args` (after the program's name); returns whether it
// was answered, with its status, output and errors.
struct Answer {
    bool answered;
    int status;
    std::string out, err;
};

Answer RunArgs(std::vector<std::string> args, FILE *out = nullptr, const char *dataFolder = "",
               const char *userFolder = "")
{
    args.insert(args.begin(), "quennick");
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(&a[0]);
    argv.push_back(nullptr);
    Capture o, e;
    Answer a = {false, -1, "", ""};
    a.answered = AnswerCommandLine((int)args.size(), argv.data(), dataFolder, userFolder,
                                   out ? out : o.file, e.file, &a.status);
    a.out = o.Text();
    a.err = e.Text();
    return a;
}

bool Says(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

TEST(Check, ReportsRecordsWarningsAndMissingFiles)
{
    const struct {
        std::string folder;
        int status;
        std::vector<std::string> says;
    } cases[] = {
        {QUENNICK_EXAMPLES "/",
         kCheckClean,
         {"13 record(s):\n    line 2: Road box section 622x15 | ERD 602,00\n",
          "line 11: Road high flange drive side rear | hole 2,60 | flange 1 45,00 at 35,00 | "
          "flange 2 57,00 at 20,00\n",
          "26 record(s), 0 warning(s).\n"}},
        {QUENNICK_FIXTURES "/broken/",
         kCheckMissing,
         {"line ends: CR LF 6\n", "1 blank line(s) skipped\n",
          "warning: line 4: field 1 (ERD) is not a number; it counts as 0\n",
          "warning: line 5: 2 of 4 fields; the missing ones are empty or 0\n",
          "warning: line 6: longer than 254 bytes; the rest of it is left out\n",
          "hubs.txt: " QUENNICK_FIXTURES "/broken/hubs.txt\n  warning: missing"}},
    };
    for (const auto &c : cases) {
        int status = -1;
        const std::string report = Check(c.folder, &status);
        EXPECT_EQ(status, c.status) << c.folder;
        for (const std::string &s : c.says)
            EXPECT_NE(report.find(s), std::string::npos) << "missing: " << s << "\nin:\n" << report;
    }
}

TEST(Check, AnswersOnlyItsOwnOptions)
{
    char arg0[] = "quennick", check[] = "--check", platform[] = "-platform",
         offscreen[] = "offscreen";
    char folder[] = QUENNICK_FIXTURES; // no final slash
    char *checkArgs[] = {arg0, check, folder};
    char *qtArgs[] = {arg0, platform, offscreen};
    int status = -1;
    FILE *out = fopen("/dev/null", "w");
    EXPECT_TRUE(AnswerCommandLine(3, checkArgs, "", "", out, out, &status));
    EXPECT_EQ(status, kCheckClean);
    EXPECT_FALSE(AnswerCommandLine(3, qtArgs, "", "", out, out, &status));
    fclose(out);
}

struct ArgsCase {
    const char *name;
    std::vector<std::string> args;
    bool answered;
    int status;
    std::string says; // in the output, or in the errors when the status is 2
};

// Unknown options and extra arguments are mistakes, with the usage line and
// status 2; "--" ends the options, so that a folder may start with "-".
TEST(CommandLine, IsStrictOnceItIsOurs)
{
    char tmpl[] = "/tmp/quennick-args-XXXXXX";
    const std::string dir = mkdtemp(tmpl);
    ASSERT_EQ(symlink(QUENNICK_FIXTURES, (dir + "/-dir").c_str()), 0);
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    ASSERT_EQ(chdir(dir.c_str()), 0);
    const std::string usage = "Usage: quennick [--check [FOLDER]]";
    const ArgsCase cases[] = {
        {"folder after --",
         {"--check", "--", "-dir"},
         true,
         kCheckClean,
         "rims.txt: -dir/rims.txt"},
        {"folder before --check",
         {QUENNICK_FIXTURES, "--check"},
         true,
         kCheckClean,
         "hubs.txt: " QUENNICK_FIXTURES "/hubs.txt"},
        {"option-like folder", {"--check", "-dir"}, true, 2, "unknown option '-dir'\n" + usage},
        {"empty folder", {"--check", ""}, true, 2, "the folder name is empty\n" + usage},
        {"two folders", {"--check", "-dir", "x"}, true, 2, "unknown option '-dir'"},
        {"extra argument", {"--check", "--", "-dir", "x"}, true, 2, "extra argument 'x'\n" + usage},
        {"unknown option after", {"--check", "--bogus"}, true, 2, "unknown option '--bogus'"},
        {"unknown option before", {"-x", "--check"}, true, 2, "unknown option '-x'"},
        {"Qt option with --check",
         {"--check", "-platform", "offscreen"},
         true,
         2,
         "unknown option '-platform'"},
        {"help with an argument", {"--help", "x"}, true, 2, "extra argument 'x'"},
        {"version with an option", {"--version", "-v"}, true, 2, "unknown option '-v'"},
        {"help", {"--help"}, true, 0, usage},
        {"short help", {"-h"}, true, 0, usage},
        {"the window's options", {"-platform", "offscreen"}, false, -1, ""},
        {"--check after --", {"--", "--check"}, false, -1, ""},
    };
    for (const ArgsCase &c : cases) {
        const Answer a = RunArgs(c.args);
        EXPECT_EQ(a.answered, c.answered) << c.name;
        EXPECT_EQ(a.status, c.status) << c.name;
        EXPECT_TRUE(Says(a.status == 2 ? a.err : a.out, c.says)) << c.name << "\nout:\n"
                                                                 << a.out << "\nerr:\n"
                                                                 << a.err;
        if (a.status == 2) {
            EXPECT_EQ(a.out, "") << c.name;
        }
    }
    ASSERT_EQ(chdir(cwd), 0);
    unlink((dir + "/-dir").c_str());
    rmdir(dir.c_str());
}

// The window's command line names at most one build file; the windowing
// library's options and their values are not one.
TEST(CommandLine, NamesOneBuildFile)
{
    const struct {
        const char *name;
        std::vector<std::string> args;
        bool mistake;
        const char *file; // null: none
    } cases[] = {
        {"none", {}, false, nullptr},
        {"a file", {"rear.quennick"}, false, "rear.quennick"},
        {"after the window's options",
         {"-platform", "xcb", "-reverse", "a.quennick"},
         false,
         "a.quennick"},
        {"a style given with =", {"-style=fusion", "a.quennick"}, false, "a.quennick"},
        {"a file starting with - after --", {"--", "-rear.quennick"}, false, "-rear.quennick"},
        {"a value only", {"-platform", "offscreen"}, false, nullptr},
        {"two files", {"a.quennick", "b.quennick"}, true, nullptr},
        {"an empty name", {""}, true, nullptr},
    };
    for (const auto &c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.begin(), "quennick");
        std::vector<char *> argv;
        for (std::string &a : args)
            argv.push_back(&a[0]);
        Capture e;
        const char *file = nullptr;
        int status = -1;
        EXPECT_EQ(BuildFileArgument((int)argv.size(), argv.data(), &file, e.file, &status),
                  c.mistake)
            << c.name;
        if (c.mistake) {
            EXPECT_EQ(status, 2) << c.name;
            EXPECT_TRUE(Says(e.Text(), "Usage: quennick")) << c.name;
        } else {
            EXPECT_STREQ(file, c.file) << c.name;
        }
    }
}

// Output that cannot be written is an error, in one line, with status 2.
TEST(CommandLine, OutputErrorsAreErrors)
{
    const std::vector<std::string> cases[] = {{"--help"},
                                              {"--version"},
                                              {"--check", QUENNICK_FIXTURES},
                                              {"--check", "--", "/nonexistent"}};
    for (const auto &args : cases) {
        FILE *full = fopen("/dev/full", "w");
        ASSERT_NE(full, nullptr);
        const Answer a = RunArgs(args, full);
        fclose(full);
        EXPECT_EQ(a.status, 2) << args[0];
        EXPECT_EQ(a.err, "quennick: write error: No space left on device\n") << args[0];
    }
    // A closed standard output.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    FILE *closed = fdopen(fds[1], "w");
    close(fds[1]);
    close(fds[0]);
    const Answer a = RunArgs({"--version"}, closed);
    fclose(closed);
    EXPECT_EQ(a.status, 2);
    EXPECT_EQ(a.err, "quennick: write error: Bad file descriptor\n");
}

// Numbers that read but that the form cannot use: not finite, below 0, or hexadecimal.
TEST(Check, WarnsAboutNumbersTheFormCannotUse)
{
    int status = -1;
    const std::string report = Check(QUENNICK_FIXTURES "/numbers/", &status);
    EXPECT_EQ(status, kCheckWarnings);
    const char *says[] = {
        "line 2: Good 622x15 | ERD 602,00\n    line 3:",
        "warning: line 3: field 1 (ERD) is nan, not a finite number; the form cannot calculate "
        "with it\n",
        "warning: line 4: field 1 (ERD) is inf, not a finite number;",
        "warning: line 5: field 1 (ERD) is inf, not a finite number;",
        "warning: line 6: field 1 (ERD) is -602,00; no part measures below 0\n",
        "warning: line 7: field 1 (ERD) is hexadecimal; it reads as 600,00\n",
        "warning: line 8: field 1 (ERD) is hexadecimal; it reads as -8,00\n",
    };
    for (const char *s : says)
        EXPECT_TRUE(Says(report, s)) << "missing: " << s << "\nin:\n" << report;
    // The summary counts each warning it printed, once.
    int printed = 0;
    for (size_t at = report.find("warning: "); at != std::string::npos;
         at = report.find("warning: ", at + 1))
        printed++;
    EXPECT_TRUE(Says(report, ", " + std::to_string(printed) + " warning(s).\n")) << report;
}

// The optional fields: each record lists the ones its line gives; a spoke
// head it cannot read, a figure it cannot use and fields after the last are
// warned about.
TEST(Check, ListsSourcesAndWarnsAboutOddOptionalFields)
{
    int status = -1;
    const std::string report = Check(QUENNICK_FIXTURES "/sources/", &status);
    EXPECT_EQ(status, kCheckWarnings);
    const char *says[] = {
        "    line 2: Sourced rim 622x15 | ERD 602,00 | source: maker data sheet, 2026\n"
        "    line 3: Plain rim 622x15 | ERD 600,00\n",
        "    line 4: Too many 622x19 | ERD 601,00 | source: measured 2026-11-30\n"
        "    warning: line 4: more than 5 fields; the ones after field 5 are left out\n",
        "    line 9: Old style rear | hole 2,60 | flange 1 45,00 at 35,00 | flange 2 57,00 at "
        "20,00\n    line 10:",
        "    line 10: Straight front | hole 2,60 | flange 1 40,00 at 32,00 | flange 2 40,00 at "
        "32,00 | spoke head: straight-pull | source: measured 2026-11-30 | head seat figure: "
        "3,50\n",
        "    line 11: Odd head front | hole 2,60 | flange 1 40,00 at 32,00 | flange 2 40,00 at "
        "32,00 | spoke head: J-bend\n"
        "    warning: line 11: field 10 (spoke head) is neither J-bend nor straight-pull; it "
        "counts as J-bend\n",
        "    warning: line 12: field 12 (head seat figure) is -1,00; no part measures below 0\n",
        "7 record(s), 3 warning(s).\n",
    };
    for (const char *s : says)
        EXPECT_TRUE(Says(report, s)) << "missing: " << s << "\nin:\n" << report;
}

TEST(Check, AShortHubRecordIsWarnedAboutOnce)
{
    int status = -1;
    const std::string report = Check(QUENNICK_FIXTURES "/numbers/", &status);
    EXPECT_TRUE(Says(report, "    line 9:   | hole 2,60 | flange 1 45,00 at 35,00 | flange 2 0,00 "
                             "at 0,00\n"
                             "    warning: line 9: 3 of 9 fields; the missing ones are empty or 0\n"
                             "    line 10: Whole rear"))
        << report;
}

TEST(Check, AReadErrorNamesTheFileAndItsError)
{
    char tmpl[] = "/tmp/quennick-check-XXXXXX";
    const std::string dir = std::string(mkdtemp(tmpl)) + "/";
    ASSERT_EQ(symlink("/proc/self/mem", (dir + "rims.txt").c_str()), 0);
    ASSERT_EQ(symlink(QUENNICK_FIXTURES "/hubs.txt", (dir + "hubs.txt").c_str()), 0);
    int status = -1;
    const std::string report = Check(dir, &status);
    EXPECT_EQ(status, kCheckMissing);
    EXPECT_TRUE(Says(report, "  warning: " + dir +
                                 "rims.txt: reading failed in line 1: Input/output error"))
        << report;
    unlink((dir + "rims.txt").c_str());
    unlink((dir + "hubs.txt").c_str());
    rmdir(dir.c_str());
}

TEST(Check, SaysWhereTheByteBudgetStoppedReading)
{
    SetCatalogueByteBudget(60); // the fixture's rims.txt is 120 bytes
    int status = -1;
    const std::string report = Check(QUENNICK_FIXTURES "/", &status);
    SetCatalogueByteBudget(0);
    EXPECT_EQ(status, kCheckWarnings);
    EXPECT_TRUE(Says(report, "    line 2: Test road 622x15 | ERD 600,00\n"
                             "  warning: line 3: reading stopped after 60 bytes; no catalogue is "
                             "that long\n"))
        << report;
}

// Without a folder, --check reads what the program reads: the shipped
// catalogues and then the user's own, each file reported in that order.
TEST(Check, ReportsTheUsersOwnCataloguesAfterTheShippedOnes)
{
    const std::string user = QUENNICK_FIXTURES "/user/quennick/";
    const Answer a = RunArgs({"--check"}, nullptr, QUENNICK_FIXTURES "/", user.c_str());
    EXPECT_EQ(a.status, kCheckClean) << a.out;
    const std::string files[] = {
        "rims.txt: " QUENNICK_FIXTURES "/rims.txt\n", "rims.txt, your own: " + user + "rims.txt\n",
        "hubs.txt: " QUENNICK_FIXTURES "/hubs.txt\n", "hubs.txt, your own: " + user + "hubs.txt\n",
        "10 record(s), 0 warning(s).\n"};
    size_t at = 0;
    for (const std::string &f : files) {
        const size_t next = a.out.find(f, at);
        EXPECT_NE(next, std::string::npos) << "missing or out of order: " << f << "\nin:\n"
                                           << a.out;
        at = next == std::string::npos ? at : next;
    }
    EXPECT_TRUE(Says(a.out, "  2 record(s):\n    line 2: My own road 622x19 | ERD 605,50\n"));
    // The user's own are optional; with none there, all is still well.
    const Answer none =
        RunArgs({"--check"}, nullptr, QUENNICK_FIXTURES "/", "/nonexistent/quennick/");
    EXPECT_EQ(none.status, kCheckClean) << none.out;
    EXPECT_TRUE(Says(none.out, "rims.txt, your own: /nonexistent/quennick/rims.txt\n"
                               "  not there (it is optional)\n"));
    const Answer nowhere = RunArgs({"--check"}, nullptr, QUENNICK_FIXTURES "/", "");
    EXPECT_EQ(nowhere.status, kCheckClean);
    EXPECT_TRUE(Says(nowhere.out, "Your own catalogues: none;")) << nowhere.out;
}

// A user's catalogue that is the shipped file itself, by a link or by its
// folder under another path, is read once: its records come once, and
// --check says why the user's file gave none.
TEST(Check, TheShippedFileByAnotherPathIsReadOnce)
{
    char tmpl[] = "/tmp/quennick-same-XXXXXX";
    const std::string dir = std::string(mkdtemp(tmpl)) + "/";
    const std::string shipped = dir + "shipped/";
    ASSERT_EQ(mkdir(shipped.c_str(), 0700), 0);
    for (const char *name : {"rims.txt", "hubs.txt"})
        ASSERT_EQ(system(("cp " QUENNICK_FIXTURES "/" + std::string(name) + " " + shipped).c_str()),
                  0);
    const int alone = [&] {
        int status = -1;
        const std::string report = Check(shipped, &status);
        return atoi(report.substr(report.rfind('\n', report.size() - 2) + 1).c_str());
    }();
    const struct {
        const char *name;
        std::function<std::string()> userFolder; // makes it, ending in a slash
    } cases[] = {
        {"symbolic links",
         [&] {
             mkdir((dir + "symbolic").c_str(), 0700);
             for (const char *n : {"rims.txt", "hubs.txt"})
                 symlink((shipped + n).c_str(), (dir + "symbolic/" + n).c_str());
             return dir + "symbolic/";
         }},
        {"hard links",
         [&] {
             mkdir((dir + "hard").c_str(), 0700);
             for (const char *n : {"rims.txt", "hubs.txt"})
                 link((shipped + n).c_str(), (dir + "hard/" + n).c_str());
             return dir + "hard/";
         }},
        {"the folder by another path", [&] { return dir + "shipped/./"; }},
    };
    for (const auto &c : cases) {
        const std::string user = c.userFolder();
        const Answer a = RunArgs({"--check"}, nullptr, shipped.c_str(), user.c_str());
        EXPECT_EQ(a.status, kCheckClean) << c.name << "\n" << a.out;
        EXPECT_TRUE(Says(a.out, "rims.txt, your own: " + user +
                                    "rims.txt\n  the same file as the shipped one: read once\n"))
            << c.name << "\n"
            << a.out;
        EXPECT_TRUE(Says(a.out, "\n" + std::to_string(alone) + " record(s), 0 warning(s).\n"))
            << c.name << "\n"
            << a.out;
    }
    EXPECT_EQ(system(("rm -r " + dir).c_str()), 0);
}

} // namespace
