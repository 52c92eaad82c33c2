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

enum { kLineSize = 256 };  // a line holds at most 254 bytes before its CR

// Reads one CR-ended line into `line` (kLineSize bytes) without its CR. Returns
// true when the line ended with a CR, false at the end of the file. A line
// longer than 254 bytes keeps its first 254 and the rest of it is skipped.
Boolean fgetline(FILE *file, char *line);

// A heap copy of `text`, or null when memory ran out.
char *_strdup(const char *text);

// Reads both catalogues from the data folder `path` into the tables and appends
// one entry per record to the rim and hub menus. A file that can't be read leaves
// its catalogue empty; nothing is reported. Returns 1.
SInt16 DoReadData(MenuRef rimMenu, MenuRef hubMenu);

// Read an open catalogue file into its table and menu (as DoReadData does).
void ReadRims(FILE *file, MenuRef rimMenu);
void ReadHubs(FILE *file, MenuRef hubMenu);

#endif
