// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the reader found in a catalogue file, for `quennick --check`: the file's
// line ends, its text encoding, its header, and for every record the line it
// came from and what the form would show oddly.
#ifndef QUENNICK_CATALOGUE_REPORT_H
#define QUENNICK_CATALOGUE_REPORT_H

#include <stdio.h>

#include "catalogue/catalogue.h"
#include "catalogue/encoding.h"

// The most records a catalogue gives: a chooser's value is 16-bit.
enum { kMaxRecords = 32767 };

enum { kMaxHeaderLines = 8 };

// Room for the data folder (the 512-byte `path`) and a catalogue's name.
enum { kCatalogueNameSize = 512 + 16 };

// Why a catalogue file gave no records at all.
enum FileProblem { kFileRead, kFileMissing, kFileUnreadable, kFileNotRegular };

struct RecordNote {
    SInt32 line;        // line number in the file, from 1
    SInt16 fields;      // fields found (tabs + 1), at most the format's count
    UInt16 notNumber;   // bit i: number field i + 1 holds text that is no number
    UInt16 emptyNumber; // bit i: number field i + 1 is empty
    bool cut;           // the line was longer than 254 bytes
};

struct CatalogueReport {
    char file[kCatalogueNameSize]; // where the file was looked for
    FileProblem problem;
    int error;    // errno when the file could not be opened
    SInt32 lines; // lines read, header and blank lines included
    SInt32 crLines, lfLines, crlfLines;
    bool unterminated;       // the last line had no line end
    SInt32 nonUtf8Lines;     // lines that are not valid UTF-8
    TextEncoding singleByte; // how the texts of those lines are shown
    SInt32 headerCount;
    char header[kMaxHeaderLines][kUtf8LineSize]; // the header lines, in UTF-8
    SInt32 blankLines;                           // blank lines among the records, skipped
    SInt32 stoppedAtLine;                        // the line after the last record read when the
                          // record limit was reached; 0 when the whole file was read
    bool keepNotes;    // set by the caller: fill `notes`
    RecordNote *notes; // one per record of the table; freed by FreeReport
};

// Opens a catalogue for reading: only a regular file (or a link to one) is
// opened, and never waits (a named pipe with no writer gives null at once).
// Sets `problem` (and `error`) when it gives null.
FILE *OpenCatalogueFile(const char *name, FileProblem *problem, int *error);

// As ReadRims and ReadHubs, also filling `report` (which must start zeroed but
// for keepNotes).
void ReadRimsReport(FILE *file, MenuRef rimMenu, CatalogueReport *report);
void ReadHubsReport(FILE *file, MenuRef hubMenu, CatalogueReport *report);

// Reads "rims.txt" and "hubs.txt" from `folder` (ending in a slash) as
// DoReadData does, describing each file in its report (each zeroed first). A
// folder "" has no catalogues.
void ReadCatalogues(const char *folder, MenuRef rimMenu, MenuRef hubMenu, CatalogueReport *rims,
                    CatalogueReport *hubs);

void FreeReport(CatalogueReport *report);

#endif
