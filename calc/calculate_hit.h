// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Calculate command: from the form's fields to the two spoke lengths.
#ifndef QUENNICK_CALC_CALCULATE_HIT_H
#define QUENNICK_CALC_CALCULATE_HIT_H

#include "toolbox/toolbox.h"

// The Calculate command: reads the wheel the form describes (Form2Wheel),
// calculates it (Wheel2Results) into theResults, the record of the last
// Calculate that the build sheet and the lacing diagram show, and shows the
// results in the form (Results2Form).
void DoCalculateHit(DialogRef dialog);

// String lists of resources/strings.txt that the Calculate command shows.
enum { kLacingStringsID = 129, kAngleStringsID = 131 };
// kLacingStringsID: the lacing note's sentences. kLacingTooSteep: ^1 side,
// ^2 crossings, ^3 that side's spokes, ^4 the crossing angle in degrees;
// kLacingBothTooSteep and kLacingBothPastTangent: ^1 and ^2 the crossings, ^3
// and ^4 the spokes of sides 1 and 2. kLacingMaySlacken: ^1 the looser side
// (the side an offset rim's holes would sit toward), ^2 its whole percentage.
// kLacingPastTangent: ^1 side, ^2 crossings, ^3 the crossing angle, ^4 the
// tangent's. kLacingOverHead: ^1 side, ^2 crossings, ^3 its spokes, ^4 mm from
// the next hole's centre. kLacingUneven: ^1 the wheel's spokes, ^2 a side's.
// kLacingHubCrossings: ^1 side, ^2 the tangent's angle, ^3 its crossings (to
// the tenth), ^4 the side's spokes.
enum {
    kLacingTooSteep = 1,
    kLacingBothTooSteep = 2,
    kLacingMaySlacken = 3,
    kLacingPastTangent = 4,
    kLacingBothPastTangent = 5,
    kLacingOverHead = 6,
    kLacingUneven = 7,
    kLacingHubCrossings = 8
};
// kTargetStringsID: a side's tension at the target, ^1 its percentage text,
// ^2 the tension. kBuyStringsID: ^1 the stock length, ^2 its difference from
// the computed length ("+0,6").
enum { kTargetStringsID = 132, kBuyStringsID = 133 };
enum { kTargetKgf = 1, kTargetNewton = 2 };
enum { kBuyLength = 1 };
// kAngleStringsID: kAngleDegrees, ^1 an angle in degrees.
enum { kAngleDegrees = 1 };
// kPercentStringsID: kPercentWhole, ^1 a whole percentage ("58 %").
enum { kPercentStringsID = 163, kPercentWhole = 1 };

// kTargetNoteStringsID: the note on a target no spoke takes. kTargetNoNumber;
// kTargetOutOfRangeNote: ^1 to ^2 the range in ^3, the unit typed;
// kTargetOtherUnitNote: the same, and ^4 the other unit.
enum { kTargetNoteStringsID = 158 };
enum { kTargetNoNumber = 1, kTargetOutOfRangeNote = 2, kTargetOtherUnitNote = 3 };
// kWhatCannotBeID: the note on parts no wheel has, and why a wheel is not
// laced (the diagram and the sheet). kFlangeOverRim: ^1 side, ^2 its flange
// diameter, ^3 the ERD; kFlangeDistance: ^1 side, ^2 its distance;
// kOffsetPastFlange: ^1 the offset, ^2 side, ^3 its distance;
// kOddCrossedSide: ^1 side, ^2 its spokes; kTooManyCrossings: ^1 side, ^2 its
// spokes, ^3 the most crossings it takes, ^4 its crossings.
enum { kWhatCannotBeID = 159 };
enum {
    kNoRim = 1,
    kFlangeOverRim,
    kFlangeDistance,
    kOffsetPastFlange,
    kOddCrossedSide,
    kTooManyCrossings,
    kCountsCannotBeLaced,
    kNoLacingNoResult
};

// What a result field shows when there is no length to show, in English.
extern const char kNoResultText[];

// Texts of string list 128 (kResultStringsID).
enum { kNoResultString = 1 };

#endif
