// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The spoke tension window of the last calculated wheel, and the readings
// table of the build sheet: the readings (theReadings) through the chosen
// meter, worded in the user's language.
#ifndef QUENNICK_FORM_TENSION_H
#define QUENNICK_FORM_TENSION_H

#include <stddef.h>

#include "calc/tension.h"
#include "calc/wheel.h"
#include "toolbox/toolbox.h"

// String lists of the tension window: its words, the notes of a row, the
// figures, and the chart in words.
enum {
    kTensionStringsID = 150,
    kTensionNotesID = 151,
    kTensionFiguresID = 152,
    kTensionChartID = 153
};
enum {
    kTensionTitle = 1,   // ^1 the wheel
    kTensionNoWheel,     // before any Calculate
    kTensionDirectMeter, // the meter that shows tension
    kTensionWheelName,   // ^1 rim, ^2 hub, ^3 spokes
    kTensionReadingWord, // column headings after rim hole, side, hub hole (list 140)
    kTensionTensionWord,
    kTensionNoteWord,
    kTensionSheetHeading // the sheet's readings table
};
enum {
    kNoteNotReading = 1, // a row's note
    kNoteOutsideTable,
    kNoteUnder, // ^1 percentage
    kNoteOver,
    kNoteListed,    // ^1 rim hole, ^2 side, ^3 the note
    kNoteAllInBand, // ^1 the band
    kNoteListHeading,
    kNoteRowName // ^1 rim hole, ^2 side, ^3 hub hole, ^4 reading, tension and note
};
enum { kFigureMean = 1, kFigureNoReading, kFigureTarget };

// The meter `readings` go through: null for the one that shows tension (and
// for a meter no longer among the tables).
const MeterTable *ChosenMeter(const Readings &readings);

// The figures of the readings for the wheel, through the chosen meter and band.
void ReadingsFigures(const Results &results, const Readings &readings, TensionFigures *out);

// The readings table of the build sheet: a line of headings (rim hole, side,
// reading, tension), then one tab-separated line per rim hole; the empty text
// when no reading is typed. Returns the length written (cut to fit `size`).
size_t Readings2Table(const Results &results, const Readings &readings, char *out, size_t size);

// Shows the tension window of `results` in front (`show`), or brings a shown
// one up to date (after a Calculate). Before any Calculate it says so.
void DoTensionWindow(const Results &results, Boolean show);

// What the tension window hands back: a reading typed, a meter or band chosen
// (TensionProc, toolbox/toolbox.h). Updates theReadings and the window.
void DoTensionEdit(SInt16 what, SInt16 row, const char *text);

#endif
