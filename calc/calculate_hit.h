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
// kLacingBothTooSteep: ^1 and ^2 the crossings, ^3 and ^4 the spokes of sides 1 and 2.
// kLacingMaySlacken: ^1 the looser side, ^2 its whole percentage.
enum { kLacingTooSteep = 1, kLacingBothTooSteep = 2, kLacingMaySlacken = 3 };
// kTargetStringsID: a side's tension at the target, ^1 its percentage text,
// ^2 the tension. kBuyStringsID: ^1 the stock length, ^2 its difference from
// the computed length ("+0,6").
enum { kTargetStringsID = 132, kBuyStringsID = 133 };
enum { kTargetKgf = 1, kTargetNewton = 2 };
enum { kBuyLength = 1 };
// kAngleStringsID: kAngleDegrees, ^1 an angle in degrees.
enum { kAngleDegrees = 1 };

// What a result field shows when there is no length to show, in English.
extern const char kNoResultText[];

// Texts of string list 128 (kResultStringsID).
enum { kNoResultString = 1 };

#endif
