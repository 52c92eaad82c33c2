// The rim and hub catalogues: "rims.txt" and "hubs.txt" in the data folder, read
// once at start-up into two tables that live until the process ends.
#ifndef QUENNICK_CATALOGUE_CATALOGUE_H
#define QUENNICK_CATALOGUE_CATALOGUE_H

#include <stdio.h>

#include "form/toolbox.h"

struct RimRecord {
    double diameter;  // rim diameter at the spoke ends
    char *text1;      // first part of the menu entry
    char *text2;
    char *text3;      // second part of the menu entry
};

struct HubRecord {
    double holeDiameter;
    double flangeDiameter1;
    double flangeDistance1;
    double flangeDiameter2;
    double flangeDistance2;
    char *text1;  // first part of the menu entry
    char *text2;
    char *text3;
    char *text4;  // second part of the menu entry
};

extern RimRecord *rimt;
extern SInt32 rimc;
extern HubRecord *hubt;
extern SInt32 hubc;

enum { kLineSize = 256 };  // a line holds at most 254 bytes before its line end

// Reads one line into `line` (kLineSize bytes) without its line end: CR, LF or
// CR LF. Returns true when a line was read, a last line with no line end
// included; false, with the empty text, at the end of the file. A line longer
// than 254 bytes keeps its first 254 and the rest of it is skipped.
Boolean fgetline(FILE *file, char *line);

// A heap copy of `text`, or null when memory ran out.
char *_strdup(const char *text);

// Reads both catalogues from the data folder `path` into the tables and appends
// one entry per record to the rim and hub menus. Blank lines among the records
// are skipped; at most 32,767 records of each file are read. A file that can't
// be read (missing, unreadable, or not a regular file) leaves its catalogue
// empty; nothing is reported. Returns 1.
SInt16 DoReadData(MenuRef rimMenu, MenuRef hubMenu);

// Read an open catalogue file into its table and menu (as DoReadData does; a
// null menu gets no entries).
void ReadRims(FILE *file, MenuRef rimMenu);
void ReadHubs(FILE *file, MenuRef hubMenu);

#endif
