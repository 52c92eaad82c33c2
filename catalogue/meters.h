// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tension meters' tables: "meters.txt" beside the application and the
// user's own in $XDG_DATA_HOME/quennick/, read as the catalogues are (any line
// end, UTF-8, Windows-1252 or Mac OS Roman texts, at most 32 MiB of a file).
// The first line is a header; then one row a line, tab-separated:
//   meter name, spoke (a diameter or gauge profile), reading, tension, unit (kgf or N)
// Rows with the same meter and spoke make one table, its unit the first
// row's; rows need not be in order.
#ifndef QUENNICK_CATALOGUE_METERS_H
#define QUENNICK_CATALOGUE_METERS_H

#include <stdio.h>

#include "calc/tension.h"
#include "catalogue/report.h"

// The meter tables read at start-up, shipped ones first; never changed after.
extern MeterTable *metert;
extern SInt32 meterc;

// Why a row was left out.
enum MeterProblem {
    kMeterFewFields = 1, // fewer than five fields
    kMeterNoName,        // the meter or spoke field is empty
    kMeterBadReading,    // the reading is no number, or below 0
    kMeterBadTension,    // the tension is no number, or not above 0
    kMeterBadUnit,       // the unit is neither kgf nor N
    kMeterOtherUnit,     // another unit than the table's first row
    kMeterSameReading,   // a reading the table has already
    kMeterTooManyRows,   // the table has kMaxMeterRows rows already
    kMeterTooManyTables, // kMaxMeterTables tables are read already
    kMeterCut            // the line was longer than 254 bytes (the row is still read)
};

enum { kMaxMeterNotes = 64 };

struct MeterNote {
    LineNumber line;
    MeterProblem problem;
};

struct MeterReport {
    char file[kCatalogueNameSize];
    FileProblem problem;
    int error;
    LineNumber lines, crLines, lfLines, crlfLines;
    bool unterminated;
    LineNumber nonUtf8Lines;
    TextEncoding singleByte;
    char header[kUtf8LineSize]; // the header line, in UTF-8
    LineNumber blankLines;
    LineNumber rows;       // rows read into tables
    LineNumber budgetLine; // the line the byte budget ended in; 0 when it did not
    int readError;         // errno of a read that failed
    LineNumber readErrorLine;
    int notes; // problems found; the first kMaxMeterNotes are in `note`
    MeterNote note[kMaxMeterNotes];
    SInt32 firstTable, tables; // this file's new tables
};

// Reads one open meter file into `tables` (room for kMaxMeterTables), whose
// first `*count` are already read: a row of a meter and spoke already there
// joins that table. `report` is zeroed first but for `file`.
void ReadMeterFile(FILE *file, MeterTable *tables, SInt32 *count, MeterReport *report);

// Reads "meters.txt" from `folder` and then from `userFolder` (each ending in a
// slash; null or "" for none) into metert and meterc, with a report of each
// file (may be null). A user's file that is the shipped one is read once.
void ReadMeters(const char *folder, const char *userFolder, MeterReport reports[kListFiles]);
void FreeMeters(void);

// The meter's entry, "meter, spoke" (cut to fit `size`).
void MeterName(const MeterTable &table, char *out, size_t size);

#endif
