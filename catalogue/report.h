// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the reader found in a catalogue file, for `quennick --check`: the file's
// line ends, its text encoding, its header, and for every record the line it
// came from and what the form would show oddly.
#ifndef QUENNICK_CATALOGUE_REPORT_H
#define QUENNICK_CATALOGUE_REPORT_H

#include <stdint.h>
#include <stdio.h>

#include "catalogue/catalogue.h"
#include "catalogue/encoding.h"

// The most records a list gives, the shipped catalogue and the user's own
// together: a chooser's value is 16-bit.
enum { kMaxRecords = 32767 };

// The most bytes read of one catalogue file, in each of its two passes: 32 MiB.
// The longest catalogue the program can use, 32,767 records of 254 bytes and
// their line ends, is under 8.4 MB, and real ones are a few kilobytes; this
// leaves four times the longest for blank and over-long lines. Without a limit
// a 50 GB sparse file, or a link to /proc/self/pagemap, keeps start-up reading
// for minutes; with it the worst file (32 MiB of blank lines) costs under a
// second. Reading stops before the line the budget ends in.
const int64_t kCatalogueByteBudget = (int64_t)32 << 20;

// A line number in a catalogue file. 64-bit, so that no file can hold more
// lines than it counts (and the byte budget keeps them far below 2^31).
typedef int64_t LineNumber;

enum { kMaxHeaderLines = 8 };

// Room for the data folder (the 512-byte `path`) and a catalogue's name.
enum { kCatalogueNameSize = 512 + 16 };

// Why a catalogue file gave no records at all. kFileSameAsShipped: the user's
// file is the shipped file itself (the same device and inode), read once.
enum FileProblem { kFileRead, kFileMissing, kFileUnreadable, kFileNotRegular, kFileSameAsShipped };

struct RecordNote {
    LineNumber line;    // line number in the file, from 1
    SInt16 fields;      // fields found (tabs + 1), at most the format's count
    UInt16 notNumber;   // bit i: number field i + 1 holds text that is no number
    UInt16 emptyNumber; // bit i: number field i + 1 is empty
    UInt16 notFinite;   // bit i: number field i + 1 is infinite or not a number
    UInt16 negative;    // bit i: number field i + 1 is below 0
    UInt16 hex;         // bit i: number field i + 1 is written in hexadecimal
    bool cut;           // the line was longer than 254 bytes
};

struct CatalogueReport {
    char file[kCatalogueNameSize]; // where the file was looked for
    FileProblem problem;
    int error;        // errno when the file could not be opened
    LineNumber lines; // lines read, header and blank lines included
    LineNumber crLines, lfLines, crlfLines;
    bool unterminated;       // the last line had no line end
    LineNumber nonUtf8Lines; // lines that are not valid UTF-8
    TextEncoding singleByte; // how the texts of those lines are shown
    SInt32 headerCount;
    char header[kMaxHeaderLines][kUtf8LineSize]; // the header lines, in UTF-8
    LineNumber blankLines;                       // blank lines among the records, skipped
    LineNumber stoppedAtLine;                    // the first record left out when the list's record
                                                 // limit was reached; 0 when none was
    LineNumber budgetLine;    // the line the byte budget ended in; 0 when it did not
    int64_t budgetBytes;      // that budget
    int readError;            // errno of a read that failed; 0 when none did
    LineNumber readErrorLine; // the line it failed in
    SInt32 firstRecord;       // this file's records are the table's firstRecord..
    SInt32 records;           // ..firstRecord + records - 1
    bool keepNotes;           // set by the caller: fill `notes`
    RecordNote *notes;        // one per record of this file; freed by FreeReport
};

// One catalogue file of a list: its stream (null when it could not be opened:
// it gives no records) and its report.
struct CatalogueSource {
    FILE *file;
    CatalogueReport *report;
};

// The files of a list, in the order they are read: the catalogue beside the
// application, then the user's own.
enum { kShippedFile, kUserFile, kListFiles };

// Opens a catalogue for reading: only a regular file (or a link to one) is
// opened, and never waits (a named pipe with no writer gives null at once).
// Sets `problem` (and `error`) when it gives null.
FILE *OpenCatalogueFile(const char *name, FileProblem *problem, int *error);

// As ReadRims and ReadHubs, also filling `report` (which must start zeroed but
// for keepNotes).
void ReadRimsReport(FILE *file, MenuRef rimMenu, CatalogueReport *report);
void ReadHubsReport(FILE *file, MenuRef hubMenu, CatalogueReport *report);

// Reads `count` files into one table and menu, their records one after the
// other in the order given, at most kMaxRecords in all. The table is allocated
// once, for every file's records; each report must start zeroed but for
// keepNotes.
void ReadRimSources(const CatalogueSource *sources, int count, MenuRef rimMenu);
void ReadHubSources(const CatalogueSource *sources, int count, MenuRef hubMenu);

// Reads "rims.txt" and "hubs.txt" as DoReadData does: from `folder`, then from
// `userFolder` (each ending in a slash; null or "" for none), describing each
// file in its report (each zeroed first). A folder "" has no catalogues.
void ReadCatalogues(const char *folder, const char *userFolder, MenuRef rimMenu, MenuRef hubMenu,
                    CatalogueReport rims[kListFiles], CatalogueReport hubs[kListFiles]);

void FreeReport(CatalogueReport *report);

#endif
