// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/globals.h"
#include "calc/numtext.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_testing.h"
#include "catalogue/encoding.h"
#include "catalogue/lines.h"
#include "catalogue/report.h"
#include "form/items.h"

RimRecord *rimt = nullptr;
SInt32 rimc = 0;
HubRecord *hubt = nullptr;
SInt32 hubc = 0;

namespace {

// A catalogue's line format: header lines, then records whose first `numbers`
// fields are numbers.
struct Format {
    int headerLines;
    int fields;
    int numbers;
};
const Format kRims = {1, 4, 1};
const Format kHubs = {8, 9, 5};
enum { kMostFields = 9 };

// How many lines past the record limit are looked at for another record.
enum { kLookPastLimit = 64 };

// Splits a line at its first count-1 tabs, each replaced by NUL. A line with
// too few tabs gives empty texts for the fields it lacks; the last field keeps
// any further tabs. Returns the number of fields the line had.
int SplitFields(char *line, char **fields, int count)
{
    static char empty[] = "";
    char *p = line;
    int found = 0;
    for (int i = 0; i < count; i++) {
        fields[i] = p ? p : empty;
        found += p != nullptr;
        if (i == count - 1 || !p)
            continue;
        char *tab = strchr(p, '\t');
        if (tab)
            *tab = '\0';
        p = tab ? tab + 1 : nullptr;
    }
    return found;
}

void CountEnd(CatalogueReport *report, const LineInfo &info)
{
    switch (info.end) {
    case kEndCR: report->crLines++; break;
    case kEndLF: report->lfLines++; break;
    case kEndCRLF: report->crlfLines++; break;
    case kEndOfFile: report->unterminated = true; break;
    }
}

// The first pass: counts the records (at most kMaxRecords), judges which
// single-byte encoding the file's non-UTF-8 lines are in, and notes the file's
// line ends. Leaves the file at its start.
SInt32 CountRecords(FILE *file, const Format &format, CatalogueReport *report)
{
    char line[kLineSize];
    LineInfo info;
    EncodingGuess guess;
    SInt32 lines = 0, records = 0;
    while (records < kMaxRecords && ReadLine(file, line, &info)) {
        lines++;
        CountEnd(report, info);
        if (!GuessLine(&guess, line))
            report->nonUtf8Lines++;
        if (lines <= format.headerLines)
            continue;
        if (IsBlankLine(line))
            report->blankLines++;
        else
            records++;
    }
    // At the limit, say where reading stopped if another record follows.
    if (records == kMaxRecords) {
        for (int i = 1; i <= kLookPastLimit && ReadLine(file, line, &info); i++)
            if (!IsBlankLine(line)) {
                report->stoppedAtLine = lines + i;
                break;
            }
    }
    report->lines = lines;
    // With no evidence (every line UTF-8) the texts need no single-byte table;
    // one is still set, in case the file changes before the second pass.
    report->singleByte = guess.utf8 ? kEncodingWindows1252 : GuessEncoding(&guess);
    rewind(file);
    return records;
}

// A record's own copy of a text: a valid UTF-8 text as it is, any other through
// the file's single-byte encoding. `lineUtf8` says the whole line was valid
// UTF-8, and so every field of it is.
char *CopyText(const char *field, bool lineUtf8, TextEncoding singleByte)
{
    if (lineUtf8 || IsUtf8(field))
        return _strdup(field);
    char text[kUtf8LineSize];
    Text2Utf8(field, singleByte, text, sizeof text);
    return _strdup(text);
}

void AppendEntry(MenuRef menu, const char *first, const char *second)
{
    if (!menu)
        return;
    // Both texts come from one line, so the entry always fits.
    char entry[2 * kUtf8LineSize + 2];
    const size_t a = first ? strlen(first) : 0, b = second ? strlen(second) : 0;
    if (a + b + 2 > sizeof entry)
        return;
    memcpy(entry, first, a);
    entry[a] = ' ';
    memcpy(entry + a + 1, second, b);
    entry[a + 1 + b] = '\0';
    XMenuAppendItemStr(menu, entry);
}

// The second pass, one record at a time.
struct Reader {
    FILE *file;
    Format format;
    CatalogueReport *report;
    SInt32 line;   // number of the line last read
    bool lineUtf8; // the line last read is valid UTF-8
    char text[kLineSize];
    char *fields[kMostFields];
};

void SkipHeader(Reader *r)
{
    LineInfo info;
    for (int i = 0; i < r->format.headerLines; i++) {
        if (!ReadLine(r->file, r->text, &info))
            return;
        r->line++;
        if (i < kMaxHeaderLines && r->report->headerCount == i) {
            Text2Utf8(r->text, IsUtf8(r->text) ? kEncodingUtf8 : r->report->singleByte,
                      r->report->header[i], kUtf8LineSize);
            r->report->headerCount++;
        }
    }
}

// Reads the next record's line, skipping blank lines, and splits it into fields.
bool NextRecord(Reader *r, RecordNote *note)
{
    LineInfo info;
    do {
        if (!ReadLine(r->file, r->text, &info))
            return false;
        r->line++;
    } while (IsBlankLine(r->text));
    note->line = r->line;
    note->cut = info.cut;
    r->lineUtf8 = IsUtf8(r->text);
    note->fields = (SInt16)SplitFields(r->text, r->fields, r->format.fields);
    note->notNumber = note->emptyNumber = 0;
    return true;
}

// Reads number field i of the current record into `value`, noting what is odd.
void ReadNumber(Reader *r, int i, double *value, RecordNote *note)
{
    if (r->fields[i][0] == '\0')
        note->emptyNumber |= (UInt16)(1u << i);
    if (!Str2Double(r->fields[i], value))
        note->notNumber |= (UInt16)(1u << i);
}

// Allocates a table of `count` records (calloc: a failure leaves null) and, when
// a report is asked for, the notes beside it.
void *AllocateTable(SInt32 count, size_t size, CatalogueReport *report)
{
    if (count <= 0)
        return nullptr;
    void *table = calloc((size_t)count, size);
    if (table && report->keepNotes)
        report->notes = (RecordNote *)calloc((size_t)count, sizeof(RecordNote));
    return table;
}

void KeepNote(CatalogueReport *report, SInt32 index, const RecordNote &note)
{
    if (report->notes)
        report->notes[index] = note;
}

} // namespace

FILE *OpenCatalogueFile(const char *name, FileProblem *problem, int *error)
{
    // Non-blocking, so that a named pipe with no writer cannot hold up start-up;
    // a regular file reads the same either way.
    const int fd = open(name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *error = errno;
        *problem = errno == ENOENT || errno == ENOTDIR ? kFileMissing : kFileUnreadable;
        return nullptr;
    }
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        *error = 0;
        *problem = kFileNotRegular;
        return nullptr;
    }
    FILE *file = fdopen(fd, "rb");
    if (!file) {
        *error = errno;
        *problem = kFileUnreadable;
        close(fd);
    }
    return file;
}

void ReadRimsReport(FILE *file, MenuRef rimMenu, CatalogueReport *report)
{
    const SInt32 capacity = CountRecords(file, kRims, report);
    RimRecord *table = (RimRecord *)AllocateTable(capacity, sizeof *table, report);
    Reader r = {file, kRims, report, 0, false, {0}, {nullptr}};
    SkipHeader(&r);
    if (!table)
        return;
    rimt = table;
    rimc = 0;
    RecordNote note;
    // Bounded by the count as well: the file may have grown between the passes.
    while (rimc < capacity && NextRecord(&r, &note)) {
        RimRecord *rim = &rimt[rimc];
        rim->text3 = CopyText(r.fields[3], r.lineUtf8, report->singleByte);
        rim->text1 = CopyText(r.fields[1], r.lineUtf8, report->singleByte);
        rim->text2 = CopyText(r.fields[2], r.lineUtf8, report->singleByte);
        AppendEntry(rimMenu, rim->text1, rim->text3);
        ReadNumber(&r, 0, &rim->diameter, &note);
        KeepNote(report, rimc, note);
        rimc++;
    }
}

void ReadHubsReport(FILE *file, MenuRef hubMenu, CatalogueReport *report)
{
    const SInt32 capacity = CountRecords(file, kHubs, report);
    HubRecord *table = (HubRecord *)AllocateTable(capacity, sizeof *table, report);
    Reader r = {file, kHubs, report, 0, false, {0}, {nullptr}};
    SkipHeader(&r);
    if (!table)
        return;
    hubt = table;
    hubc = 0;
    RecordNote note;
    while (hubc < capacity && NextRecord(&r, &note)) {
        HubRecord *hub = &hubt[hubc];
        ReadNumber(&r, 0, &hub->holeDiameter, &note);
        ReadNumber(&r, 1, &hub->flangeDiameter1, &note);
        ReadNumber(&r, 2, &hub->flangeDistance1, &note);
        ReadNumber(&r, 3, &hub->flangeDiameter2, &note);
        ReadNumber(&r, 4, &hub->flangeDistance2, &note);
        hub->text1 = CopyText(r.fields[5], r.lineUtf8, report->singleByte);
        hub->text2 = CopyText(r.fields[6], r.lineUtf8, report->singleByte);
        hub->text3 = CopyText(r.fields[7], r.lineUtf8, report->singleByte);
        hub->text4 = CopyText(r.fields[8], r.lineUtf8, report->singleByte);
        AppendEntry(hubMenu, hub->text1, hub->text4);
        KeepNote(report, hubc, note);
        hubc++;
    }
}

void ReadRims(FILE *file, MenuRef rimMenu)
{
    CatalogueReport report = {};
    ReadRimsReport(file, rimMenu, &report);
}

void ReadHubs(FILE *file, MenuRef hubMenu)
{
    CatalogueReport report = {};
    ReadHubsReport(file, hubMenu, &report);
}

void FreeReport(CatalogueReport *report)
{
    free(report->notes);
    report->notes = nullptr;
}

char *_strdup(const char *text)
{
    const size_t n = strlen(text) + 1;
    char *copy = (char *)malloc(n);
    if (copy)
        memcpy(copy, text, n);
    return copy;
}
