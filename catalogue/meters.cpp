// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/meters.h"

#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <sys/stat.h>

#include "calc/spoke.h"
#include "catalogue/lines.h"

MeterTable *metert = nullptr;
SInt32 meterc = 0;

namespace {

void CountEnd(MeterReport *report, const LineInfo &info)
{
    switch (info.end) {
    case kEndCR: report->crLines++; break;
    case kEndLF: report->lfLines++; break;
    case kEndCRLF: report->crlfLines++; break;
    case kEndOfFile: report->unterminated = true; break;
    }
}

void Note(MeterReport *report, LineNumber line, MeterProblem problem)
{
    if (report->notes < kMaxMeterNotes)
        report->note[report->notes] = {line, problem};
    report->notes++;
}

// Splits a line in place at its tabs; returns the number of fields (at most `max`).
int SplitFields(char *line, char **fields, int max)
{
    int n = 0;
    fields[n++] = line;
    for (char *p = line; *p && n < max; p++)
        if (*p == '\t') {
            *p = '\0';
            fields[n++] = p + 1;
        }
    return n;
}

// A field's text in UTF-8 with the spaces round it taken off.
void FieldText(const char *field, TextEncoding singleByte, char *out, size_t size)
{
    char text[kUtf8LineSize];
    Text2Utf8(field, IsUtf8(field) ? kEncodingUtf8 : singleByte, text, sizeof text);
    const char *start = text;
    while (*start == ' ')
        start++;
    size_t n = strlen(start);
    while (n > 0 && start[n - 1] == ' ')
        n--;
    if (n >= size) {
        n = size - 1;
        while (n > 0 && ((unsigned char)start[n] & 0xC0) == 0x80)
            n--;
    }
    memcpy(out, start, n);
    out[n] = '\0';
}

int UnitOf(const char *text)
{
    while (*text == ' ')
        text++;
    char word[8] = {0};
    size_t n = 0;
    while (text[n] && text[n] != ' ' && n < sizeof word - 1) {
        word[n] = text[n];
        n++;
    }
    if (strcasecmp(word, "kgf") == 0)
        return kUnitKgf;
    if (strcmp(word, "N") == 0)
        return kUnitNewton;
    return 0;
}

// Puts one row into its table, keeping the rows in rising reading order.
MeterProblem AddRow(MeterTable *tables, SInt32 *count, const char *meter, const char *spoke,
                    double reading, double tension, int unit)
{
    MeterTable *t = nullptr;
    for (SInt32 i = 0; i < *count && !t; i++)
        if (strcmp(tables[i].meter, meter) == 0 && strcmp(tables[i].spoke, spoke) == 0)
            t = &tables[i];
    if (!t) {
        if (*count >= kMaxMeterTables)
            return kMeterTooManyTables;
        t = &tables[(*count)++];
        memset(t, 0, sizeof *t);
        snprintf(t->meter, sizeof t->meter, "%s", meter);
        snprintf(t->spoke, sizeof t->spoke, "%s", spoke);
        t->unit = unit;
    }
    if (unit != t->unit)
        return kMeterOtherUnit;
    int at = 0;
    while (at < t->rows && t->row[at].reading < reading)
        at++;
    if (at < t->rows && t->row[at].reading == reading)
        return kMeterSameReading;
    if (t->rows >= kMaxMeterRows)
        return kMeterTooManyRows;
    memmove(&t->row[at + 1], &t->row[at], (size_t)(t->rows - at) * sizeof t->row[0]);
    t->row[at] = {reading, tension};
    t->rows++;
    return (MeterProblem)0;
}

void NoteStop(FILE *file, const LineInfo &info, LineNumber line, MeterReport *report)
{
    if (ferror(file) && report->readError == 0) {
        report->readError = errno ? errno : EIO;
        report->readErrorLine = line;
    } else if (info.overBudget && report->budgetLine == 0) {
        report->budgetLine = line;
    }
}

FILE *OpenOne(const char *folder, MeterReport *report)
{
    memset(report, 0, sizeof *report);
    const int n = snprintf(report->file, sizeof report->file, "%smeters.txt", folder ? folder : "");
    if (!folder || folder[0] == '\0' || n < 0 || n >= (int)sizeof report->file) {
        report->problem = kFileMissing;
        report->error = ENOENT;
        return nullptr;
    }
    return OpenCatalogueFile(report->file, &report->problem, &report->error);
}

} // namespace

void ReadMeterFile(FILE *file, MeterTable *tables, SInt32 *count, MeterReport *report)
{
    char name[kCatalogueNameSize];
    memcpy(name, report->file, sizeof name);
    memset(report, 0, sizeof *report);
    memcpy(report->file, name, sizeof name);
    report->firstTable = *count;

    // First pass: the line ends and which single-byte encoding the texts that
    // are not UTF-8 are in, as for the catalogues.
    char line[kLineSize];
    LineInfo info = {kEndOfFile, false, false};
    EncodingGuess guess;
    int64_t budget = kCatalogueByteBudget;
    LineNumber lines = 0;
    errno = 0;
    while (ReadLineWithin(file, line, &info, &budget)) {
        lines++;
        CountEnd(report, info);
        if (!GuessLine(&guess, line))
            report->nonUtf8Lines++;
    }
    NoteStop(file, info, lines + 1, report);
    report->lines = lines;
    report->singleByte = guess.utf8 ? kEncodingWindows1252 : GuessEncoding(&guess);
    if (report->readError)
        return;
    rewind(file);

    // Second pass: the rows, up to where the first pass stopped.
    budget = kCatalogueByteBudget;
    for (LineNumber n = 1; n <= lines && ReadLineWithin(file, line, &info, &budget); n++) {
        if (n == 1) {
            Text2Utf8(line, IsUtf8(line) ? kEncodingUtf8 : report->singleByte, report->header,
                      sizeof report->header);
            continue;
        }
        if (IsBlankLine(line)) {
            report->blankLines++;
            continue;
        }
        if (info.cut)
            Note(report, n, kMeterCut);
        char *f[5];
        if (SplitFields(line, f, 5) < 5) {
            Note(report, n, kMeterFewFields);
            continue;
        }
        char meter[kMeterTextSize], spoke[kMeterTextSize];
        FieldText(f[0], report->singleByte, meter, sizeof meter);
        FieldText(f[1], report->singleByte, spoke, sizeof spoke);
        double reading = 0, tension = 0;
        const int unit = UnitOf(f[4]);
        MeterProblem p = (MeterProblem)0;
        if (!meter[0] || !spoke[0])
            p = kMeterNoName;
        else if (!Text2Reading(f[2], &reading))
            p = kMeterBadReading;
        else if (!Text2Reading(f[3], &tension) || !(tension > 0))
            p = kMeterBadTension;
        else if (!unit)
            p = kMeterBadUnit;
        else
            p = AddRow(tables, count, meter, spoke, reading, tension, unit);
        if (p)
            Note(report, n, p);
        else
            report->rows++;
    }
    report->tables = *count - report->firstTable;
}

void ReadMeters(const char *folder, const char *userFolder, MeterReport reports[kListFiles])
{
    FreeMeters();
    metert = (MeterTable *)calloc(kMaxMeterTables, sizeof(MeterTable));
    MeterReport own[kListFiles];
    MeterReport *r = reports ? reports : own;
    FILE *files[kListFiles] = {OpenOne(folder, &r[kShippedFile]),
                               OpenOne(userFolder, &r[kUserFile])};
    // The user's file may be the shipped one itself: its tables are read once.
    struct stat a, b;
    if (files[0] && files[1] && fstat(fileno(files[0]), &a) == 0 &&
        fstat(fileno(files[1]), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino) {
        fclose(files[1]);
        files[1] = nullptr;
        r[kUserFile].problem = kFileSameAsShipped;
    }
    for (int i = 0; i < kListFiles; i++) {
        if (!files[i])
            continue;
        if (metert)
            ReadMeterFile(files[i], metert, &meterc, &r[i]);
        fclose(files[i]);
    }
}

void FreeMeters(void)
{
    free(metert);
    metert = nullptr;
    meterc = 0;
}

void MeterName(const MeterTable &table, char *out, size_t size)
{
    snprintf(out, size, "%s, %s", table.meter, table.spoke);
}
