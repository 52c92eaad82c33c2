// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The build sheet: the form's figures, the lacing steps and the lacing table,
// as text for the clipboard and as a page for the printer; and the lacing
// diagram window.
#ifndef QUENNICK_FORM_SHEET_H
#define QUENNICK_FORM_SHEET_H

#include <stddef.h>

#include "calc/lacing.h"
#include "calc/wheel.h"
#include "toolbox/toolbox.h"

// String lists of the sheet's words and of the lacing steps.
enum { kSheetStringsID = 140, kStepStringsID = 141 };
enum {
    kSheetTitle = 1,
    kSheetRim,
    kSheetHub,
    kSheetLacing,
    kSheetResults,
    kLabelName,
    kLabelSize,
    kLabelNotes,
    kLabelRimDiameter,
    kLabelRimOffset,
    kLabelPosition,
    kLabelAxle,
    kLabelFlangeDiameter1,
    kLabelFlangeDiameter2,
    kLabelFlangeDistance1,
    kLabelFlangeDistance2,
    kLabelHoleDiameter,
    kLabelCrossings1,
    kLabelCrossings2,
    kLabelSpokes,
    kLabelLength1,
    kLabelLength2,
    kLabelTension1,
    kLabelTension2,
    kSheetSteps,
    kSheetTable,
    kTableRimHole,
    kTableSide,
    kTableHubHole,
    kTableSpoke,
    kWordLeading,
    kWordTrailing,
    kWordRadial,
    kPairFormat, // ^1 hub hole, ^2 rim hole
    kLabelSpokesPerSide,
    kLabelSpokeHead,
    kLabelLacingNote,
    kLabelBracing1,
    kLabelBracing2,
    kWordSidesEqual, // the entries of the spokes-per-side popup, in value order
    kWordMoreOn2,
    kWordMoreOn1,
    kWordJBend, // the entries of the spoke head popup, in value order
    kWordStraightPull,
    kLabelSeatDiameter1, // items 14 to 17 for a straight-pull hub
    kLabelSeatDiameter2,
    kLabelSeatDistance1,
    kLabelSeatDistance2,
    kLabelGauge1,
    kLabelGauge2,
    kLabelTargetTension,
    kLabelTensionUnit,
    kLabelStockLengths,
    kLabelStretch1,
    kLabelStretch2,
    kLabelLengthToBuy1,
    kLabelLengthToBuy2,
    kWordGaugeNotSet, // the entries of the spoke gauge popups, in value order
    kWordPlain20,
    kWordPlain18,
    kWordPlain23,
    kWordButted201820,
    kWordButted201520,
    kWordKgf, // the entries of the tension unit popup, in value order
    kWordNewton,
    kWordStockEven2mm, // the entries of the stock lengths popup, in value order
    kWordStock1mm
};
enum {
    kStepKey = 1,       // ^1 step, ^2 side, ^3 hub hole
    kStepKeyRest,       // ^1 step, ^2 side, ^3 pairs
    kStepTrailing,      // ^1 step, ^2 side, ^3 the key side, ^4 pairs
    kStepLeading,       // ^1 step, ^2 side, ^3 pairs, ^4 crossings
    kStepKeyRestRadial, // ^1 step, ^2 side, ^3 pairs
    kStepRadial         // ^1 step, ^2 side, ^3 pairs
};

// The lacing as numbered steps, one a line: the key spoke beside the valve
// hole, the rest of its side's trailing spokes, the other side's trailing
// spokes, then each side's leading spokes (radial sides in one step). Returns
// the length written; the text is cut to fit `size` and always ends in a NUL.
size_t Lacing2Steps(const Lacing &lacing, char *out, size_t size);

// The lacing table: a line of headings, then one tab-separated line per rim
// hole: rim hole, side, hub hole, and "leading", "trailing" or "radial".
size_t Lacing2Table(const Lacing &lacing, char *out, size_t size);

// Every figure of the calculated wheel, a heading line per group and
// "label<tab>value" lines, in the order of the sheet's figure table: each
// value as the form shows it for that wheel (WheelText, WheelValue,
// ResultText of form/wheel.h).
size_t Results2Figures(const Results &results, char *out, size_t size);

// The whole sheet as text: title, figures, steps and table.
size_t Results2SheetText(const Results &results, char *out, size_t size);

// Menu commands, all of the last calculated wheel (theResults): show its
// lacing diagram, or update the diagram when it is shown (after a
// calculation); print the build sheet; copy it as text. A wheel changed in
// the form since is not theirs until it is calculated.
void DoLacingDiagram(const Results &results, Boolean show);
void DoPrintSheet(const Results &results);
void DoCopySheet(const Results &results);

#endif
