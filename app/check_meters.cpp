// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// `quennick --check` for the meter tables: each meters.txt as the program
// reads it, every table with its rows, and a warning for every row left out.

#include <string.h>

#include "app/check_lines.h"
#include "app/command_line.h"
#include "calc/numtext.h"
#include "calc/spoke.h"
#include "catalogue/meters.h"

namespace {

const char *Why(MeterProblem p)
{
    switch (p) {
    case kMeterFewFields: return "fewer than 5 fields; the row is left out";
    case kMeterNoName: return "no meter or no spoke named; the row is left out";
    case kMeterBadReading: return "the reading is not a number of 0 or more; the row is left out";
    case kMeterBadTension: return "the tension is not a number above 0; the row is left out";
    case kMeterBadUnit: return "the unit is neither kgf nor N; the row is left out";
    case kMeterOtherUnit: return "another unit than the table's first row; the row is left out";
    case kMeterSameReading: return "the table has a row with this reading; the row is left out";
    case kMeterTooManyRows: return "the table has 64 rows already; the row is left out";
    case kMeterTooManyTables: return "64 tables are read already; the row is left out";
    case kMeterCut: return "longer than 254 bytes; the rest of it is left out";
    }
    return "";
}

int Describe(FILE *out, const MeterReport &r, bool user, bool *failed)
{
    fprintf(out, "meters.txt%s: %s\n", user ? ", your own" : "", r.file);
    if (r.problem == kFileMissing) {
        fprintf(out,
                "  not there (it is optional: the meter \"Tension (kgf/N)\" needs no table)\n");
        return 0;
    }
    if (r.problem == kFileSameAsShipped) {
        fprintf(out, "  the same file as the shipped one: read once\n");
        return 0;
    }
    if (r.problem != kFileRead) {
        fprintf(out, "  warning: %s; its tables are left out\n",
                r.problem == kFileNotRegular ? "unreadable: not a regular file"
                : r.error                    ? strerror(r.error)
                                             : "unreadable");
        *failed = true;
        return 0;
    }
    DescribeLines(out, r);
    fprintf(out, "  header, skipped:\n    line 1: %s\n", r.header);
    if (r.blankLines)
        fprintf(out, "  %lld blank line(s) skipped\n", (long long)r.blankLines);
    fprintf(out, "  %lld row(s) in %d new table(s):\n", (long long)r.rows, (int)r.tables);
    char a[kNumTextSize], b[kNumTextSize];
    for (SInt32 i = r.firstTable; i < r.firstTable + r.tables && metert; i++) {
        const MeterTable &t = metert[i];
        fprintf(out, "    %s, %s (%s):", t.meter, t.spoke, t.unit == kUnitNewton ? "N" : "kgf");
        for (int k = 0; k < t.rows; k++) {
            Double2Str(t.row[k].reading, 2, a);
            Double2Str(t.row[k].tension, 2, b);
            fprintf(out, " %s→%s", a, b);
        }
        fprintf(out, "%s\n", t.rows < 2 ? "; warning: fewer than 2 rows, no reading converts" : "");
    }
    int warnings = r.notes;
    for (SInt32 i = r.firstTable; i < r.firstTable + r.tables && metert; i++)
        warnings += metert[i].rows < 2;
    for (int i = 0; i < r.notes && i < kMaxMeterNotes; i++)
        fprintf(out, "    warning: line %lld: %s\n", (long long)r.note[i].line,
                Why(r.note[i].problem));
    if (r.notes > kMaxMeterNotes)
        fprintf(out, "    warning: %d more\n", r.notes - kMaxMeterNotes);
    if (r.budgetLine) {
        fprintf(out,
                "  warning: line %lld: reading stopped after 32 MiB; no meter file is that long\n",
                (long long)r.budgetLine);
        warnings++;
    }
    if (r.readError) {
        fprintf(out, "  warning: %s: reading failed in line %lld: %s\n", r.file,
                (long long)r.readErrorLine, strerror(r.readError));
        *failed = true;
    }
    return warnings;
}

} // namespace

int CheckMeters(const char *folder, const char *userFolder, FILE *out, bool *failed)
{
    MeterReport reports[kListFiles];
    ReadMeters(folder, userFolder, reports);
    int warnings = Describe(out, reports[kShippedFile], false, failed);
    if (userFolder && userFolder[0])
        warnings += Describe(out, reports[kUserFile], true, failed);
    FreeMeters();
    return warnings;
}
