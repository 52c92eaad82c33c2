// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rim and hub catalogues: "rims.txt" and "hubs.txt" in the data folder, read
// once at start-up into two tables that live until the process ends.
#ifndef QUENNICK_CATALOGUE_CATALOGUE_H
#define QUENNICK_CATALOGUE_CATALOGUE_H

#include <stdio.h>

#include "calc/wheel.h"
#include "toolbox/toolbox.h"

// One line of "rims.txt". Texts are UTF-8, owned, never null once read (a
// copy that could not be allocated is null and shows as "").
struct RimRecord {
    double diameter; // field 1: rim diameter at the spoke ends (ERD), item 10
    char *text1;     // field 2: name, first part of the menu entry, item 11
    char *text2;     // field 3: notes, item 12
    char *text3;     // field 4: size, second part of the menu entry, item 9
};

// One line of "hubs.txt", fields in file order.
struct HubRecord {
    double holeDiameter;    // field 1: spoke hole diameter, item 18
    double flangeDiameter1; // field 2: side 1 flange diameter, item 14
    double flangeDistance1; // field 3: side 1 flange distance from the centre plane, item 16
    double flangeDiameter2; // field 4: side 2 flange diameter, item 15
    double flangeDistance2; // field 5: side 2 flange distance, item 17
    char *text1;            // field 6: name, first part of the menu entry, item 19
    char *text2;            // field 7: axle, item 20
    char *text3;            // field 8: notes, item 21
    char *text4;            // field 9: position (front, rear), second part of the entry, item 13
};

// A field of a catalogue line: where the reader puts it in the record and
// where the record's value goes in the wheel the form shows. Each list's
// fields are in file order, the number fields first. A new catalogue field is
// one more line in kRimFields or kHubFields (catalogue/fields.cpp), beside
// its member in the record and the Wheel.
struct CatalogueField {
    const char *name; // what `quennick --check` calls it
    bool number;      // a double, else a text (char *)
    size_t record;    // offset of the member in RimRecord or HubRecord
    size_t wheel;     // offset in Wheel of the double or char[kWheelTextSize] it fills
};
enum { kRimFieldCount = 4, kHubFieldCount = 9 };
extern const CatalogueField kRimFields[kRimFieldCount];
extern const CatalogueField kHubFields[kHubFieldCount];
// The two fields whose texts make a record's menu entry, name first.
enum { kRimEntryName = 1, kRimEntrySecond = 3, kHubEntryName = 5, kHubEntrySecond = 8 };

// Copies a record's fields into the wheel's members that kRimFields or
// kHubFields name; every other member stays as it is. A text is cut to 255
// bytes as an item's text is (before an incomplete UTF-8 character).
void Rim2Wheel(const RimRecord &rim, Wheel *wheel);
void Hub2Wheel(const HubRecord &hub, Wheel *wheel);

// The tables, filled once by DoReadData and never changed: rimt holds rimc
// records (null and 0 when there are none); hubt and hubc likewise.
extern RimRecord *rimt;
extern SInt32 rimc;
extern HubRecord *hubt;
extern SInt32 hubc;

enum { kLineSize = 256 }; // a line holds at most 254 bytes before its line end

// Reads one line into `line` (kLineSize bytes) without its line end: CR, LF or
// CR LF. Returns true when a line was read, a last line with no line end
// included; false, with the empty text, at the end of the file. A line longer
// than 254 bytes keeps its first 254 and the rest of it is skipped.
Boolean fgetline(FILE *file, char *line);

// A heap copy of `text`, or null when memory ran out.
char *_strdup(const char *text);

// Reads both catalogues from the data folder `path` into the tables and appends
// one entry per record to the rim and hub menus; then the user's own
// "rims.txt" and "hubs.txt" from `userPath`, whose records follow the shipped
// ones in the same table and menu. Blank lines among the records are skipped;
// at most 32,767 records of each list are read, and at most 32 MiB of each
// file. A file that can't be read (missing, unreadable, or not a regular file)
// gives no records, and a read error keeps the records before it; nothing is
// reported. Returns 1.
SInt16 DoReadData(MenuRef rimMenu, MenuRef hubMenu);

// Read an open catalogue file into its table and menu (as DoReadData does; a
// null menu gets no entries).
void ReadRims(FILE *file, MenuRef rimMenu);
void ReadHubs(FILE *file, MenuRef hubMenu);

#endif
