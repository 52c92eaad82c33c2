// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Calculate command: from the form's fields to the two spoke lengths.
#ifndef QUENNICK_CALC_CALCULATE_HIT_H
#define QUENNICK_CALC_CALCULATE_HIT_H

#include "toolbox/toolbox.h"

// Reads the rim, hub and lacing fields of the main form, computes both spoke
// lengths and shows them with 2 decimals in items 22 and 23. A field that holds
// no number counts as 0. A side with no finite length shows text 1 of string
// list 128 in the user's language (kNoResultText in English).
// The rim's spoke hole offset (item 24, toward side 2) is added to side 1's
// flange distance and taken from side 2's first; 0 changes nothing. Items 25
// and 26 show each side's tension as a whole percentage of the tighter side's
// ("58 %"), or nothing when either length is no result or a flange distance is
// zero or less.
// Each side is laced with its own spoke count (item 27: equal, or 2:1); a
// straight-pull head (item 28) takes no hole off. Items 30 and 31 show each
// side's bracing angle; item 29 says which side would cross its own flange
// (a crossing angle over 90 degrees), and is empty when neither would.
// With a target tension (item 36, in the unit of item 37) items 25 and 26
// add each side's tension ("58 % · 69 kgf"), items 38 and 39 show the stretch
// of the side's spoke gauge (items 34, 35) and the note warns of a looser side
// below 50 % when no side crosses its own flange. Items 40 and 41 show the
// stock length to buy (item 42's step), and its difference from the length
// it stands for ("290 mm, +0,6"): the unstretched spoke (the geometric length
// less half the hole, less the stretch), or without a stretch the length shown.
// Nipple washers (item 57, mm under each nipple) add twice their thickness to
// the ERD every figure is worked from; none changes nothing. Items 58 and 59
// show the stock lengths each side would take with that ERD 1 mm shorter and
// longer ("292 to 294 mm", or "294 mm" when both are the same).
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
// kToleranceStringsID: kToleranceRange, ^1 and ^2 the stock lengths of the
// shorter and the longer ERD; kToleranceOne, ^1 the one stock length of both.
enum { kToleranceStringsID = 154 };
enum { kToleranceRange = 1, kToleranceOne = 2 };
enum { kBuyLength = 1 };
// kAngleStringsID: kAngleDegrees, ^1 an angle in degrees.
enum { kAngleDegrees = 1 };

// What a result field shows when there is no length to show, in English.
extern const char kNoResultText[];

// Texts of string list 128 (kResultStringsID).
enum { kNoResultString = 1 };

#endif
