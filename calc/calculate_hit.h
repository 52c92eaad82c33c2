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
// The rim's spoke hole offset (item 24, toward the side item 43 says) is taken
// from that side's flange distance and added to the other's first; 0 or an
// empty field changes nothing. Items 25
// and 26 show each side's tension as a whole percentage of the tighter side's
// ("58 %"), or nothing when either length is no result or a flange distance is
// zero or less.
// Each side is laced with its own spoke count (item 27: equal, or 2:1); a
// straight-pull head (item 28) takes no hole off and leaves its seat as items
// 44 and 45 say. Each side's spokes are as the lacing lays them
// (calc/geometry.h). Items 30 and 31 show each side's bracing angle; item 29
// words LacingNoteOf (calc/lacing_note.h), and is empty when nothing applies.
// With a target tension (item 36, in the unit of item 37) items 25 and 26
// add each side's tension ("58 % · 69 kgf"), items 38 and 39 show the stretch
// of the side's spoke gauge (items 34, 35) and the note warns of a looser side
// below 50 % when no side crosses its own flange. Items 40 and 41 show the
// stock length to buy (item 42's step), and its difference from the length
// it stands for ("290 mm, +0,6"): the unstretched spoke (the geometric length
// less half the hole, less the stretch), or without a stretch the length shown.
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

// What a result field shows when there is no length to show, in English.
extern const char kNoResultText[];

// Texts of string list 128 (kResultStringsID).
enum { kNoResultString = 1 };

#endif
