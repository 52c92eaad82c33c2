// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// At the truing stand: each spoke's meter reading, the meter's table that turns
// a reading into a tension, and the figures a builder evens the wheel out by.
// Plain data and pure functions: no window, no files.
#ifndef QUENNICK_CALC_TENSION_H
#define QUENNICK_CALC_TENSION_H

#include "calc/lacing.h"
#include "calc/wheel.h"

// Room for a reading as typed: a meter shows a few digits.
enum { kReadingTextSize = 32 };
// Meter tables: rows of one table, room for a name, tables read in all.
enum { kMaxMeterRows = 64, kMeterTextSize = 128, kMaxMeterTables = 64 };

// One rim hole's reading: the text kept exactly as typed (cut to 31 bytes on a
// character boundary), and the number it holds when it is one.
struct SpokeReading {
    char text[kReadingTextSize];
    bool valid;   // the text is a number of 0 or more, and nothing else
    double value; // the number; 0 when not valid
};

// The readings of a wheel, one per rim hole in rim hole order (hole[0] is rim
// hole 1). Rim holes with no reading have the empty text.
struct Readings {
    int count;
    SpokeReading hole[kMaxLacingSpokes];
    char meter[2 * kMeterTextSize +
               8]; // the meter chosen, as MeterName gives it; "" for one that shows tension
    int band;      // the band chosen, in %: 10 or 20 (0 counts as 20)
};

// Why a reading gives no tension, or where its tension lies.
enum ReadingState {
    kReadingEmpty = 0, // nothing typed
    kReadingBad,       // text that is no number, or a number below 0: left out of the figures
    kReadingOutside,   // beyond the meter table's rows: never extrapolated, left out
    kReadingInBand,    // a tension within the band round its side's mean
    kReadingUnder,     // below the band: tighten
    kReadingOver       // above the band: loosen
};

// Reads a reading: a number with a decimal comma or point, white space round
// it allowed, nothing else, not below 0. False (and 0) for any other text.
bool Text2Reading(const char *text, double *value);

// The band the readings are judged by, in %: 10, or 20 for anything else.
int BandOf(const Readings &readings);

// Sets rim hole `hole`'s (from 0) text and whether it is a reading: a number
// with a decimal comma or point, white space round it allowed, nothing else,
// and not below 0. Does nothing for a hole outside the readings.
void SetReading(Readings *readings, int hole, const char *text);

// The meter tables: one per meter and spoke, rows ordered by reading.

struct MeterRow {
    double reading;
    double tension; // in the table's unit
};

struct MeterTable {
    char meter[kMeterTextSize]; // the meter's name, UTF-8
    char spoke[kMeterTextSize]; // the spoke it is for: a diameter or a gauge profile
    int unit;                   // kUnitKgf or kUnitNewton (calc/spoke.h)
    int rows;                   // at most kMaxMeterRows, readings strictly rising
    MeterRow row[kMaxMeterRows];
};

// Turns a reading into a tension in `unit`. With a null table the reading is
// the tension itself, in `unit` (a meter that shows tension). Otherwise a
// reading between two rows is interpolated linearly, one on a row is that row's
// tension; one below the first row or above the last, or a table of fewer than
// two rows, gives false and NAN: a tension is never extrapolated.
bool Reading2Tension(const MeterTable *table, double reading, int unit, double *tension);

// The figures of one side: the mean of the spokes that have a tension, and,
// with a target, the side's share of it and the mean against that share.
struct SideTension {
    int counted;         // spokes with a tension
    int spokes;          // spokes of this side
    double mean;         // NAN when none is counted
    double share;        // the side's tension at the target: NAN without a target
    double meanVsTarget; // (mean - share) / share, in %; NAN without both
};

struct SpokeTension {
    int rimHole; // from 1
    int side;
    int hubHole;
    double angle; // degrees clockwise from the valve, as the lacing diagram places it
    ReadingState state;
    double tension;   // in the wheel's unit; NAN when there is none
    double deviation; // from its side's mean, in % of it; NAN when there is none
};

// Everything the tension window, the chart and the sheet show.
struct TensionFigures {
    int spokes;  // rim holes, 0 for a wheel that was not laced
    int unit;    // the wheel's unit
    double band; // in %: 10 or 20
    SpokeTension spoke[kMaxLacingSpokes];
    SideTension side[3];               // side[1] and side[2]
    int outside;                       // spokes outside the band
    int outsideHole[kMaxLacingSpokes]; // their rim holes (from 1), by how far out, furthest first
};

// The figures of the readings for the calculated wheel, through `table` (null:
// readings are tensions). Only spokes with a tension count: empty, bad and
// out-of-table readings are marked and left out. A spoke is outside the band
// when its deviation is more than `band` % either way (exactly `band` is in).
// Each side's share is its tension at the target (results' side tension);
// without a lacing there are no spokes.
void Readings2Figures(const Results &results, const Readings &readings, const MeterTable *table,
                      double band, TensionFigures *out);

#endif
