// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The build sheet: the form's figures, the lacing steps and the lacing table,
// as text for the clipboard and as a page for the printer; and the lacing
// diagram window.
#ifndef QUENNICK_FORM_SHEET_H
#define QUENNICK_FORM_SHEET_H

#include <stddef.h>

#include "calc/lacing.h"
#include "calc/tension.h"
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
// The lacing steps: a step's line begins with its number (^1) and may go on
// with sentences of its own.
enum {
    kStepKey = 1,               // ^1 step, ^2 side, ^3 hub hole
    kStepKeyRest,               // ^1 step, ^2 side, ^3 pairs
    kStepTrailing,              // ^1 step, ^2 side, ^3 the key side, ^4 pairs
    kStepLeading,               // ^1 step, ^2 side, ^3 pairs
    kStepKeyRestRadial,         // ^1 step, ^2 side, ^3 pairs
    kStepRadial,                // ^1 step, ^2 side, ^3 pairs
    kStepRim,                   // ^1 step
    kRimInTurn,                 // ^1 the key side: equal sides
    kRimOwnFlange,              //
    kRimThrees,                 // ^1 the key side, ^2 the other: 2:1
    kRimDrilled2to1,            // ^1 the key side
    kRimAlternate2to1,          //
    kStepHubHoles,              // ^1 step
    kHubKey,                    // ^1 the key side, ^2 the key spoke's hub hole
    kHeadsRule,                 //
    kHeadsStraightPull,         //
    kStepOtherClockwise,        // ^1 step, ^2 the other side, ^3 its hub hole, ^4 the key side
    kStepOtherCounterclockwise, // the same
    kStepKeyRadial,             // ^1 step, ^2 side, ^3 hub hole
    kLeadingCrosses,            // ^1 crossings
    kLeadingCrossesOne          // the same for 1 crossing
};

// The lacing as numbered steps, one a line: how to hold the rim and where rim
// hole 1 is, how hub holes are counted, the key spoke beside the valve hole,
// the rest of its side's trailing spokes, where the other flange's holes are
// counted from, the other side's trailing spokes, then each side's leading
// spokes (radial sides in one step), each group with its heads in or out.
// Returns the length written; the text is cut to fit `size` and always ends
// in a NUL.
size_t Lacing2Steps(const Lacing &lacing, char *out, size_t size);

// The lacing table: a line of headings, then one tab-separated line per rim
// hole: rim hole, side, hub hole, and "leading", "trailing" or "radial".
size_t Lacing2Table(const Lacing &lacing, char *out, size_t size);

// Every figure of the calculated wheel, a heading line per group and
// "label<tab>value" lines, in the order of the sheet's figure table: each
// value as the form shows it for that wheel (WheelText, WheelValue,
// ResultText of form/wheel.h).
size_t Results2Figures(const Results &results, char *out, size_t size);

// Why the calculated wheel has no lacing: a side that cannot be crossed, too
// many crossings, counts that cannot be laced; the empty text when it is
// laced or nothing was calculated. Returns the length written.
size_t UnlacedText(const Results &results, char *out, size_t size);

// Why the build sheet lists no lacing steps (CanBuild is false): what the
// parts cannot be, why there is no lacing, or a length with no result; the
// empty text for a wheel to build.
size_t NoStepsText(const Results &results, char *out, size_t size);

// The whole sheet as text: title, figures, steps and table; for a wheel that
// cannot be built, the sentence why under the steps' heading and no table.
// With readings typed, their table (Readings2Table, form/tension.h) follows.
size_t Results2SheetText(const Results &results, char *out, size_t size,
                         const Readings *readings = nullptr);

// Menu commands, all of the last calculated wheel (theResults): show its
// lacing diagram, or update the diagram when it is shown (after a
// calculation); print the build sheet; copy it as text. A wheel changed in
// the form since is not theirs until it is calculated.
void DoLacingDiagram(const Results &results, Boolean show);
void DoPrintSheet(const Results &results);
void DoCopySheet(const Results &results);

#endif
