// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include <errno.h>
#include <string.h>

#include "app/check_lines.h"
#include "app/globals.h"
#include "calc/numtext.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_testing.h"
#include "catalogue/report.h"

#ifndef QUENNICK_VERSION
#define QUENNICK_VERSION "unknown"
#endif

namespace {

const char kUsageLine[] = "Usage: quennick [--check [FOLDER]] [--help] [--version] [BUILD-FILE]\n";

const char kUsageRest[] =
    "\n"
    "Works out the spoke lengths of a bicycle wheel, for each side, in a window,\n"
    "and opens BUILD-FILE, a wheel saved with File > Save (a .quennick file).\n"
    "Rims and hubs come from rims.txt and hubs.txt in the folder that holds the\n"
    "Quennick application folder, and then from your own rims.txt and hubs.txt in\n"
    "$XDG_DATA_HOME/quennick (~/.local/share/quennick when XDG_DATA_HOME is unset).\n"
    "\n"
    "  --check [FOLDER]  read the catalogues as the program does (only FOLDER's, if\n"
    "                    given) and report every record and every line that the\n"
    "                    form would show oddly; needs no display, writes nothing.\n"
    "                    Exit status 0: no warning; 1: warnings; 2: a file is missing\n"
    "                    or unreadable. The tension meters' tables, meters.txt beside\n"
    "                    the catalogues, are checked too.\n"
    "  --help            show this text\n"
    "  --version         show the program's version\n"
    "  --                end the options; a FOLDER starting with '-' goes after it\n";

const char *Problem(const CatalogueReport &r)
{
    switch (r.problem) {
    case kFileMissing: return "missing: there is no such file";
    case kFileNotRegular: return "unreadable: not a regular file";
    case kFileUnreadable: return r.error ? strerror(r.error) : "unreadable";
    case kFileRead:
    case kFileSameAsShipped: break;
    }
    return "";
}

// The warnings of one record of a list whose fields are `fields`; returns how
// many. An optional field the line ends before is no fault.
int RecordWarnings(FILE *out, const RecordNote &n, const char *record, const CatalogueField *fields,
                   int fieldCount)
{
    int warnings = 0;
    const long long line = (long long)n.line;
    const int required = RequiredFields(fields, fieldCount);
    if (n.fields < required) {
        fprintf(out, "    warning: line %lld: %d of %d fields; the missing ones are empty or 0\n",
                line, (int)n.fields, required);
        warnings++;
    }
    char value[kNumTextSize];
    for (int i = 0; i < fieldCount && i < n.fields; i++) {
        const unsigned bit = 1u << i;
        const char *name = fields[i].name;
        if (fields[i].kind == kFieldHead && n.badHead) {
            fprintf(out,
                    "    warning: line %lld: field %d (%s) is neither J-bend nor straight-pull; "
                    "it counts as J-bend\n",
                    line, i + 1, name);
            warnings++;
        }
        if (fields[i].kind != kFieldNumber)
            continue;
        double number;
        memcpy(&number, record + fields[i].record, sizeof number);
        Double2Str(number, 2, value);
        if (n.emptyNumber & bit)
            fprintf(out, "    warning: line %lld: field %d (%s) is empty; it counts as 0\n", line,
                    i + 1, name);
        else if (n.notNumber & bit)
            fprintf(out, "    warning: line %lld: field %d (%s) is not a number; it counts as 0\n",
                    line, i + 1, name);
        else if (n.notFinite & bit)
            fprintf(out,
                    "    warning: line %lld: field %d (%s) is %s, not a finite number; the form "
                    "cannot calculate with it\n",
                    line, i + 1, name, value);
        else if (n.negative & bit)
            fprintf(out, "    warning: line %lld: field %d (%s) is %s; no part measures below 0\n",
                    line, i + 1, name, value);
        if ((n.emptyNumber | n.notNumber | n.notFinite | n.negative) & bit)
            warnings++;
        // A hexadecimal number is odd whatever its value: one more warning.
        if (n.hex & bit) {
            fprintf(out, "    warning: line %lld: field %d (%s) is hexadecimal; it reads as %s\n",
                    line, i + 1, name, value);
            warnings++;
        }
    }
    if (n.cut) {
        fprintf(out, "    warning: line %lld: longer than 254 bytes; the rest of it is left out\n",
                line);
        warnings++;
    }
    if (n.extra) {
        fprintf(out,
                "    warning: line %lld: more than %d fields; the ones after field %d are left "
                "out\n",
                line, fieldCount, fieldCount);
        warnings++;
    }
    return warnings;
}

// The optional fields a record's line gave, after its line: " | name: value"
// for each (the spoke head by its name; a text or number only when there is
// one), ending the line.
void DescribeOptional(FILE *out, const char *record, const CatalogueField *fields, int fieldCount,
                      const RecordNote *note)
{
    for (int i = RequiredFields(fields, fieldCount); i < fieldCount; i++) {
        if (note && note->fields <= i)
            break;
        const CatalogueField &f = fields[i];
        const char *at = record + f.record;
        char value[kNumTextSize];
        switch (f.kind) {
        case kFieldText: {
            const char *text;
            memcpy(&text, at, sizeof text);
            if (text && text[0])
                fprintf(out, " | %s: %s", f.name, text);
            break;
        }
        case kFieldHead: {
            int head;
            memcpy(&head, at, sizeof head);
            fprintf(out, " | %s: %s", f.name, SpokeHead2Str(head));
            break;
        }
        case kFieldNumber: {
            double number;
            memcpy(&number, at, sizeof number);
            if (number == 0)
                break; // none given
            Double2Str(number, 2, value);
            fprintf(out, " | %s: %s", f.name, value);
            break;
        }
        }
    }
    fputc('\n', out);
}

// Describes one file; returns its number of warnings and sets `*failed` when
// it could not be read, or not to its end. A user's own file that is not
// there is no warning: it is optional.
int DescribeFile(FILE *out, const char *name, const CatalogueReport &r, bool hubs, bool user,
                 bool *failed)
{
    fprintf(out, "%s%s: %s\n", name, user ? ", your own" : "", r.file);
    if (r.problem != kFileRead) {
        if (user && r.problem == kFileMissing) {
            fprintf(out, "  not there (it is optional)\n");
            return 0;
        }
        if (r.problem == kFileSameAsShipped) {
            fprintf(out, "  the same file as the shipped one: read once\n");
            return 0;
        }
        fprintf(out, "  warning: %s; %s\n", Problem(r),
                user ? "its records are left out" : "its chooser stays empty");
        *failed = true;
        return 0;
    }
    DescribeLines(out, r);
    fprintf(out, "  header, skipped:\n");
    for (int i = 0; i < r.headerCount; i++)
        fprintf(out, "    line %d: %s\n", i + 1, r.header[i]);
    if (r.blankLines)
        fprintf(out, "  %lld blank line(s) skipped\n", (long long)r.blankLines);

    fprintf(out, "  %d record(s):\n", (int)r.records);
    int warnings = 0;
    char a[kNumTextSize], b[kNumTextSize], c[kNumTextSize], d[kNumTextSize], e[kNumTextSize];
    for (SInt32 k = 0; k < r.records; k++) {
        const SInt32 i = r.firstRecord + k;
        const long long line = r.notes ? (long long)r.notes[k].line : 0;
        if (hubs) {
            const HubRecord &h = hubt[i];
            Double2Str(h.holeDiameter, 2, a);
            Double2Str(h.flangeDiameter1, 2, b);
            Double2Str(h.flangeDistance1, 2, c);
            Double2Str(h.flangeDiameter2, 2, d);
            Double2Str(h.flangeDistance2, 2, e);
            fprintf(out, "    line %lld: %s %s | hole %s | flange 1 %s at %s | flange 2 %s at %s",
                    line, h.text1, h.text4, a, b, c, d, e);
            DescribeOptional(out, reinterpret_cast<const char *>(&h), kHubFields, kHubFieldCount,
                             r.notes ? &r.notes[k] : nullptr);
            if (r.notes)
                warnings += RecordWarnings(out, r.notes[k], reinterpret_cast<const char *>(&h),
                                           kHubFields, kHubFieldCount);
        } else {
            Double2Str(rimt[i].diameter, 2, a);
            fprintf(out, "    line %lld: %s %s | ERD %s", line, rimt[i].text1, rimt[i].text3, a);
            DescribeOptional(out, reinterpret_cast<const char *>(&rimt[i]), kRimFields,
                             kRimFieldCount, r.notes ? &r.notes[k] : nullptr);
            if (r.notes)
                warnings +=
                    RecordWarnings(out, r.notes[k], reinterpret_cast<const char *>(&rimt[i]),
                                   kRimFields, kRimFieldCount);
        }
    }
    if (r.stoppedAtLine) {
        fprintf(out,
                "  warning: line %lld: reading stopped; the %s list holds at most %d records\n",
                (long long)r.stoppedAtLine, hubs ? "hub" : "rim", (int)kMaxRecords);
        warnings++;
    }
    if (r.budgetLine) {
        fprintf(out,
                "  warning: line %lld: reading stopped after %lld bytes; no catalogue is that "
                "long\n",
                (long long)r.budgetLine, (long long)r.budgetBytes);
        warnings++;
    }
    if (r.readError) {
        fprintf(out,
                "  warning: %s: reading failed in line %lld: %s; the records before it are kept\n",
                r.file, (long long)r.readErrorLine, strerror(r.readError));
        *failed = true;
    }
    return warnings;
}

// Flushes `out`; when anything written to it was lost, says so in one line on
// `err` (as ls does) and sets the status to 2.
void CheckOutput(FILE *out, FILE *err, int *status)
{
    if (fflush(out) == 0 && !ferror(out))
        return;
    const int e = errno;
    fprintf(err, "quennick: write error%s%s\n", e ? ": " : "", e ? strerror(e) : "");
    *status = 2;
}

bool IsOwnOption(const char *arg)
{
    return strcmp(arg, "--help") == 0 || strcmp(arg, "-h") == 0 || strcmp(arg, "--version") == 0 ||
           strcmp(arg, "--check") == 0;
}

// A mistake on the command line: one line saying what, the usage line, status 2.
bool UsageError(FILE *err, int *status, const char *what, const char *arg)
{
    fprintf(err, "quennick: %s%s%s%s\n", what, arg ? " '" : "", arg ? arg : "", arg ? "'" : "");
    fputs(kUsageLine, err);
    fputs("Try 'quennick --help' for more.\n", err);
    *status = 2;
    return true;
}

// Options of the windowing library that take the next argument as their value.
bool TakesValue(const char *arg)
{
    static const char *const options[] = {"-platform",      "-platformpluginpath",
                                          "-platformtheme", "-plugin",
                                          "-qmljsdebugger", "-qwindowgeometry",
                                          "-geometry",      "-qwindowicon",
                                          "-icon",          "-qwindowtitle",
                                          "-title",         "-display",
                                          "-name",          "-style",
                                          "-stylesheet",    "-session"};
    for (const char *o : options)
        if (strcmp(arg, o) == 0)
            return true;
    return false;
}

} // namespace

bool BuildFileArgument(int argc, char **argv, const char **file, FILE *err, int *status)
{
    *file = nullptr;
    bool options = true;
    for (int i = 1; i < argc; i++) {
        const char *arg = argv[i];
        if (options && strcmp(arg, "--") == 0) {
            options = false;
        } else if (options && arg[0] == '-' && arg[1] != '\0') {
            if (TakesValue(arg))
                i++; // the windowing library's, with its value
        } else if (arg[0] == '\0') {
            return UsageError(err, status, "the build file name is empty", nullptr);
        } else if (*file) {
            return UsageError(err, status, "extra argument", arg);
        } else {
            *file = arg;
        }
    }
    return false;
}

int CheckCatalogues(const char *folder, const char *userFolder, FILE *out)
{
    CatalogueReport rims[kListFiles] = {}, hubs[kListFiles] = {};
    for (int i = 0; i < kListFiles; i++)
        rims[i].keepNotes = hubs[i].keepNotes = true;
    FreeCatalogues();
    ReadCatalogues(folder, userFolder, nullptr, nullptr, rims, hubs);
    if (folder[0] == '\0')
        fprintf(out, "No data folder: the program's own location could not be found.\n");
    bool failed = false;
    int warnings = 0;
    const bool user = userFolder && userFolder[0];
    for (int hub = 0; hub < 2; hub++) {
        const CatalogueReport *reports = hub ? hubs : rims;
        const char *name = hub ? "hubs.txt" : "rims.txt";
        warnings += DescribeFile(out, name, reports[kShippedFile], hub, false, &failed);
        if (user)
            warnings += DescribeFile(out, name, reports[kUserFile], hub, true, &failed);
    }
    if (userFolder && !user)
        fprintf(out, "Your own catalogues: none; neither XDG_DATA_HOME nor HOME names a folder.\n");
    const int records = (int)(rimc + hubc);
    warnings += CheckMeters(folder, userFolder, out, &failed);
    for (int i = 0; i < kListFiles; i++) {
        FreeReport(&rims[i]);
        FreeReport(&hubs[i]);
    }
    FreeCatalogues();
    if (failed) {
        fprintf(out, "%d record(s); a catalogue could not be read.\n", records);
        return kCheckMissing;
    }
    fprintf(out, "%d record(s), %d warning(s).\n", records, warnings);
    return warnings ? kCheckWarnings : kCheckClean;
}

bool AnswerCommandLine(int argc, char **argv, const char *dataFolder, const char *userFolder,
                       FILE *out, FILE *err, int *status)
{
    // Only an own option before any "--" makes the command line ours; every
    // other is the windowing library's (-platform and the like).
    bool ours = false;
    for (int i = 1; i < argc && !ours && strcmp(argv[i], "--") != 0; i++)
        ours = IsOwnOption(argv[i]);
    if (!ours)
        return false;

    bool help = false, version = false, check = false, options = true;
    const char *folderName = nullptr;
    for (int i = 1; i < argc; i++) {
        const char *arg = argv[i];
        if (options && strcmp(arg, "--") == 0) {
            options = false;
        } else if (options && arg[0] == '-' && arg[1] != '\0') {
            if (strcmp(arg, "--help") == 0 || strcmp(arg, "-h") == 0)
                help = true;
            else if (strcmp(arg, "--version") == 0)
                version = true;
            else if (strcmp(arg, "--check") == 0)
                check = true;
            else
                return UsageError(err, status, "unknown option", arg);
        } else if (!folderName) {
            folderName = arg;
        } else {
            return UsageError(err, status, "extra argument", arg);
        }
    }
    if (folderName && !check)
        return UsageError(err, status, "extra argument", folderName);
    if (help) {
        fputs(kUsageLine, out);
        fputs(kUsageRest, out);
        *status = 0;
    } else if (version) {
        fprintf(out, "quennick %s\n", QUENNICK_VERSION);
        *status = 0;
    } else if (folderName) {
        // A folder given on the command line may lack its final slash.
        const size_t n = strlen(folderName);
        if (n == 0)
            return UsageError(err, status, "the folder name is empty", nullptr);
        char folder[kPathSize];
        if (n + 2 > sizeof folder) {
            fprintf(err, "quennick: the folder name is too long: %s\n", folderName);
            *status = kCheckMissing;
            return true;
        }
        snprintf(folder, sizeof folder, "%s%s", folderName, folderName[n - 1] == '/' ? "" : "/");
        *status = CheckCatalogues(folder, nullptr, out);
    } else {
        *status = CheckCatalogues(dataFolder, userFolder ? userFolder : "", out);
    }
    CheckOutput(out, err, status);
    return true;
}
