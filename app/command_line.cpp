// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include <string.h>

#include "app/globals.h"
#include "calc/numtext.h"
#include "catalogue/catalogue_testing.h"
#include "catalogue/report.h"

#ifndef QUENNICK_VERSION
#define QUENNICK_VERSION "unknown"
#endif

namespace {

const char kUsage[] =
    "Usage: quennick [--check [FOLDER]] [--help] [--version]\n"
    "\n"
    "Works out the spoke lengths of a bicycle wheel, for each side, in a window.\n"
    "Rims and hubs come from rims.txt and hubs.txt in the folder that holds the\n"
    "Quennick application folder.\n"
    "\n"
    "  --check [FOLDER]  read rims.txt and hubs.txt as the program does (from FOLDER\n"
    "                    if given) and report every record and every line that the\n"
    "                    form would show oddly; needs no display, writes nothing.\n"
    "                    Exit status 0: no warning; 1: warnings; 2: a file is missing\n"
    "                    or unreadable.\n"
    "  --help            show this text\n"
    "  --version         show the program's version\n";

const char *const kRimNumbers[] = {"ERD"};
const char *const kHubNumbers[] = {"spoke hole diameter", "side 1 flange diameter",
                                   "side 1 flange distance", "side 2 flange diameter",
                                   "side 2 flange distance"};

const char *EncodingName(TextEncoding e)
{
    return e == kEncodingMacRoman ? "Mac OS Roman" : "Windows-1252";
}

const char *Problem(const CatalogueReport &r)
{
    switch (r.problem) {
    case kFileMissing: return "missing: there is no such file";
    case kFileNotRegular: return "unreadable: not a regular file";
    case kFileUnreadable: return r.error ? strerror(r.error) : "unreadable";
    case kFileRead: break;
    }
    return "";
}

// The warnings of one record; returns how many.
int RecordWarnings(FILE *out, const RecordNote &n, int fields, const char *const *numbers,
                   int numberCount)
{
    int warnings = 0;
    if (n.fields < fields) {
        fprintf(out, "    warning: line %d: %d of %d fields; the missing ones are empty or 0\n",
                (int)n.line, (int)n.fields, fields);
        warnings++;
    }
    for (int i = 0; i < numberCount && i < n.fields; i++) {
        if (n.emptyNumber & (1u << i))
            fprintf(out, "    warning: line %d: field %d (%s) is empty; it counts as 0\n",
                    (int)n.line, i + 1, numbers[i]);
        else if (n.notNumber & (1u << i))
            fprintf(out, "    warning: line %d: field %d (%s) is not a number; it counts as 0\n",
                    (int)n.line, i + 1, numbers[i]);
        else
            continue;
        warnings++;
    }
    if (n.cut) {
        fprintf(out, "    warning: line %d: longer than 254 bytes; the rest of it is left out\n",
                (int)n.line);
        warnings++;
    }
    return warnings;
}

// Describes one file; returns its number of warnings, or -1 when it could not
// be read.
int DescribeFile(FILE *out, const char *name, const CatalogueReport &r, bool hubs)
{
    fprintf(out, "%s: %s\n", name, r.file);
    if (r.problem != kFileRead) {
        fprintf(out, "  warning: %s; its chooser stays empty\n", Problem(r));
        return -1;
    }
    fprintf(out, "  %d lines; line ends:", (int)r.lines);
    if (r.crLines)
        fprintf(out, " CR %d", (int)r.crLines);
    if (r.lfLines)
        fprintf(out, " LF %d", (int)r.lfLines);
    if (r.crlfLines)
        fprintf(out, " CR LF %d", (int)r.crlfLines);
    fprintf(out, "%s\n", r.unterminated ? " (the last line has none)" : "");
    if (r.nonUtf8Lines == 0)
        fprintf(out, "  encoding: UTF-8\n");
    else
        fprintf(out, "  encoding: %d line(s) not UTF-8, shown as %s\n", (int)r.nonUtf8Lines,
                EncodingName(r.singleByte));
    fprintf(out, "  header, skipped:\n");
    for (int i = 0; i < r.headerCount; i++)
        fprintf(out, "    line %d: %s\n", i + 1, r.header[i]);
    if (r.blankLines)
        fprintf(out, "  %d blank line(s) skipped\n", (int)r.blankLines);

    const SInt32 count = hubs ? hubc : rimc;
    fprintf(out, "  %d record(s):\n", (int)count);
    int warnings = 0;
    char a[kNumTextSize], b[kNumTextSize], c[kNumTextSize], d[kNumTextSize], e[kNumTextSize];
    for (SInt32 i = 0; i < count; i++) {
        const SInt32 line = r.notes ? r.notes[i].line : 0;
        if (hubs) {
            const HubRecord &h = hubt[i];
            Double2Str(h.holeDiameter, 2, a);
            Double2Str(h.flangeDiameter1, 2, b);
            Double2Str(h.flangeDistance1, 2, c);
            Double2Str(h.flangeDiameter2, 2, d);
            Double2Str(h.flangeDistance2, 2, e);
            fprintf(out, "    line %d: %s %s | hole %s | flange 1 %s at %s | flange 2 %s at %s\n",
                    (int)line, h.text1, h.text4, a, b, c, d, e);
        } else {
            Double2Str(rimt[i].diameter, 2, a);
            fprintf(out, "    line %d: %s %s | ERD %s\n", (int)line, rimt[i].text1, rimt[i].text3,
                    a);
        }
        if (r.notes)
            warnings += hubs ? RecordWarnings(out, r.notes[i], 9, kHubNumbers, 5)
                             : RecordWarnings(out, r.notes[i], 4, kRimNumbers, 1);
    }
    if (r.stoppedAtLine) {
        fprintf(out, "  warning: line %d: reading stopped; a catalogue holds at most %d records\n",
                (int)r.stoppedAtLine, (int)kMaxRecords);
        warnings++;
    }
    return warnings;
}

} // namespace

int CheckCatalogues(const char *folder, FILE *out)
{
    CatalogueReport rims = {}, hubs = {};
    rims.keepNotes = hubs.keepNotes = true;
    FreeCatalogues();
    ReadCatalogues(folder, nullptr, nullptr, &rims, &hubs);
    if (folder[0] == '\0')
        fprintf(out, "No data folder: the program's own location could not be found.\n");
    const int rimWarnings = DescribeFile(out, "rims.txt", rims, false);
    const int hubWarnings = DescribeFile(out, "hubs.txt", hubs, true);
    const int records = (int)(rimc + hubc);
    FreeReport(&rims);
    FreeReport(&hubs);
    FreeCatalogues();
    if (rimWarnings < 0 || hubWarnings < 0) {
        fprintf(out, "%d record(s); a catalogue could not be read.\n", records);
        return kCheckMissing;
    }
    const int warnings = rimWarnings + hubWarnings;
    fprintf(out, "%d record(s), %d warning(s).\n", records, warnings);
    return warnings ? kCheckWarnings : kCheckClean;
}

bool AnswerCommandLine(int argc, char **argv, const char *dataFolder, FILE *out, int *status)
{
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--help") == 0 || strcmp(argv[i], "-h") == 0) {
            fputs(kUsage, out);
            *status = 0;
            return true;
        }
        if (strcmp(argv[i], "--version") == 0) {
            fprintf(out, "quennick %s\n", QUENNICK_VERSION);
            *status = 0;
            return true;
        }
        if (strcmp(argv[i], "--check") == 0) {
            // A folder given on the command line may lack its final slash.
            char folder[kPathSize];
            snprintf(folder, sizeof folder, "%s", dataFolder);
            if (i + 1 < argc && argv[i + 1][0] != '-') {
                const char *given = argv[i + 1];
                const size_t n = strlen(given);
                if (n + 2 > sizeof folder) {
                    fprintf(out, "quennick: the folder name is too long: %s\n", given);
                    *status = kCheckMissing;
                    return true;
                }
                snprintf(folder, sizeof folder, "%s%s", given,
                         n > 0 && given[n - 1] == '/' ? "" : "/");
            }
            *status = CheckCatalogues(folder, out);
            return true;
        }
    }
    return false;
}
