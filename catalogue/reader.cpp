// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <errno.h>
#include <fcntl.h>
#include <math.h>
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

// A catalogue's line format: header lines, then records of the fields of
// `table`, whose texts `entryName` and `entrySecond` make the menu entry.
struct Format {
    int headerLines;
    const CatalogueField *table;
    int fields;
    int entryName;
    int entrySecond;
};
const Format kRims = {1, kRimFields, kRimFieldCount, kRimEntryName, kRimEntrySecond};
const Format kHubs = {8, kHubFields, kHubFieldCount, kHubEntryName, kHubEntrySecond};
enum { kMostFields = kHubFieldCount > kRimFieldCount ? kHubFieldCount : kRimFieldCount };

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

int64_t byteBudget = kCatalogueByteBudget;

// After a line that could not be read: notes a read error or the byte budget,
// at line `line`. The errno of a failed read is still the stream's.
void NoteStop(FILE *file, const LineInfo &info, LineNumber line, CatalogueReport *report)
{
    if (ferror(file) && report->readError == 0) {
        report->readError = errno ? errno : EIO;
        report->readErrorLine = line;
    } else if (info.overBudget && report->budgetLine == 0) {
        report->budgetLine = line;
        report->budgetBytes = byteBudget;
    }
}

// The first pass: counts the records (at most `limit`), judges which
// single-byte encoding the file's non-UTF-8 lines are in, and notes the file's
// line ends. Leaves the file at its start.
SInt32 CountRecords(FILE *file, const Format &format, SInt32 limit, CatalogueReport *report)
{
    char line[kLineSize];
    LineInfo info = {kEndOfFile, false, false};
    EncodingGuess guess;
    LineNumber lines = 0;
    SInt32 records = 0;
    int64_t budget = byteBudget;
    errno = 0;
    bool more = true;
    while ((records < limit || lines < format.headerLines) &&
           (more = ReadLineWithin(file, line, &info, &budget))) {
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
    if (!more)
        NoteStop(file, info, lines + 1, report);
    // At the limit, say where reading stopped if another record follows.
    if (more && records == limit) {
        for (int i = 1; i <= kLookPastLimit; i++) {
            if (!ReadLineWithin(file, line, &info, &budget))
                break;
            if (!IsBlankLine(line)) {
                report->stoppedAtLine = lines + i;
                break;
            }
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
    LineNumber line; // number of the line last read
    int64_t budget;  // bytes left to read
    bool lineUtf8;   // the line last read is valid UTF-8
    char text[kLineSize];
    char *fields[kMostFields];
};

void SkipHeader(Reader *r)
{
    LineInfo info;
    for (int i = 0; i < r->format.headerLines; i++) {
        if (!ReadLineWithin(r->file, r->text, &info, &r->budget))
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
        if (!ReadLineWithin(r->file, r->text, &info, &r->budget)) {
            // The first pass saw the same error or budget, unless the file
            // changed in between.
            NoteStop(r->file, info, r->line + 1, r->report);
            return false;
        }
        r->line++;
    } while (IsBlankLine(r->text));
    *note = RecordNote();
    note->line = r->line;
    note->cut = info.cut;
    r->lineUtf8 = IsUtf8(r->text);
    note->fields = (SInt16)SplitFields(r->text, r->fields, r->format.fields);
    return true;
}

// True for number text in hexadecimal ("0x258", " -0X1p3"), which the library
// reads but no one writing a catalogue means.
bool IsHexNumber(const char *text)
{
    while (*text == ' ' || (*text >= '\t' && *text <= '\r'))
        text++;
    if (*text == '+' || *text == '-')
        text++;
    return text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

// Reads number field i of the current record into `value`, noting what is odd:
// no number, or one the form cannot use (every catalogue number is the size of
// a real part, which is finite and never below 0).
void ReadNumber(Reader *r, int i, double *value, RecordNote *note)
{
    const UInt16 bit = (UInt16)(1u << i);
    if (r->fields[i][0] == '\0')
        note->emptyNumber |= bit;
    const bool hex = IsHexNumber(r->fields[i]);
    if (!Str2Double(r->fields[i], value)) {
        note->notNumber |= bit;
        return;
    }
    if (!isfinite(*value))
        note->notFinite |= bit;
    else if (*value < 0)
        note->negative |= bit;
    if (hex)
        note->hex |= bit;
}

// Fills one record from the current line, field by field as the format's
// table places them, and appends its menu entry.
void Fill(Reader *r, char *record, RecordNote *note, MenuRef menu)
{
    const TextEncoding e = r->report->singleByte;
    for (int i = 0; i < r->format.fields; i++) {
        const CatalogueField &f = r->format.table[i];
        if (f.number) {
            ReadNumber(r, i, reinterpret_cast<double *>(record + f.record), note);
        } else {
            char *text = CopyText(r->fields[i], r->lineUtf8, e);
            memcpy(record + f.record, &text, sizeof text);
        }
    }
    char *name, *second;
    memcpy(&name, record + r->format.table[r->format.entryName].record, sizeof name);
    memcpy(&second, record + r->format.table[r->format.entrySecond].record, sizeof second);
    AppendEntry(menu, name, second);
}

// Reads the files of one list into one table, allocated once for all of them
// (calloc: a failure leaves null and no records). Returns the table and sets
// `*count`.
char *ReadList(const CatalogueSource *sources, int n, const Format &format, size_t size,
               MenuRef menu, SInt32 *count)
{
    SInt32 counted[kListFiles] = {0}, capacity = 0;
    for (int i = 0; i < n && i < kListFiles; i++)
        if (sources[i].file)
            capacity += counted[i] =
                CountRecords(sources[i].file, format, kMaxRecords - capacity, sources[i].report);
    char *table = capacity > 0 ? (char *)calloc((size_t)capacity, size) : nullptr;
    SInt32 filled = 0;
    for (int i = 0; i < n && i < kListFiles; i++) {
        if (!sources[i].file)
            continue;
        CatalogueReport *report = sources[i].report;
        Reader r = {sources[i].file, format, report, 0, byteBudget, false, {0}, {nullptr}};
        SkipHeader(&r);
        report->firstRecord = filled;
        if (!table || counted[i] == 0)
            continue;
        if (report->keepNotes)
            report->notes = (RecordNote *)calloc((size_t)counted[i], sizeof(RecordNote));
        RecordNote note;
        // Bounded by the count as well: the file may have grown between the passes.
        while (report->records < counted[i] && NextRecord(&r, &note)) {
            Fill(&r, table + (size_t)filled * size, &note, menu);
            if (report->notes)
                report->notes[report->records] = note;
            report->records++;
            filled++;
        }
    }
    *count = filled;
    return table;
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

void ReadRimSources(const CatalogueSource *sources, int count, MenuRef rimMenu)
{
    SInt32 n = 0;
    RimRecord *table = (RimRecord *)ReadList(sources, count, kRims, sizeof(RimRecord), rimMenu, &n);
    if (table) {
        rimt = table;
        rimc = n;
    }
}

void ReadHubSources(const CatalogueSource *sources, int count, MenuRef hubMenu)
{
    SInt32 n = 0;
    HubRecord *table = (HubRecord *)ReadList(sources, count, kHubs, sizeof(HubRecord), hubMenu, &n);
    if (table) {
        hubt = table;
        hubc = n;
    }
}

void ReadRimsReport(FILE *file, MenuRef rimMenu, CatalogueReport *report)
{
    const CatalogueSource source = {file, report};
    ReadRimSources(&source, 1, rimMenu);
}

void ReadHubsReport(FILE *file, MenuRef hubMenu, CatalogueReport *report)
{
    const CatalogueSource source = {file, report};
    ReadHubSources(&source, 1, hubMenu);
}

void SetCatalogueByteBudget(int64_t bytes)
{
    byteBudget = bytes > 0 ? bytes : kCatalogueByteBudget;
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
