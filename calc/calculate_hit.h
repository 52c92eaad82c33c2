// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Calculate command: from the form's fields to the two spoke lengths.
#ifndef QUENNICK_CALC_CALCULATE_HIT_H
#define QUENNICK_CALC_CALCULATE_HIT_H

#include "toolbox/toolbox.h"

// Reads the rim, hub and lacing fields of the main form, computes both spoke
// lengths and shows them with 2 decimals in items 22 and 23. A field that holds
// no number counts as 0. A side with no finite length shows kNoResultText.
// The rim's spoke hole offset (item 24, toward side 2) is added to side 1's
// flange distance and taken from side 2's first; 0 changes nothing. Items 25
// and 26 show each side's tension as a whole percentage of the tighter side's
// ("58 %"), or nothing when either length is no result or a flange distance is
// zero or less.
// Each side is laced with its own spoke count (item 27: equal, or 2:1); a
// straight-pull head (item 28) takes no hole off. Items 30 and 31 show each
// side's bracing angle; item 29 says which side would cross its own flange
// (a crossing angle over 90 degrees), and is empty when neither would.
void DoCalculateHit(DialogRef dialog);

// String lists of resources/strings.txt that the Calculate command shows.
enum { kLacingStringsID = 129, kAngleStringsID = 131 };
// kLacingStringsID: the lacing note's sentences. kLacingTooSteep: ^1 side,
// ^2 crossings, ^3 that side's spokes, ^4 the crossing angle in degrees;
// kLacingBothTooSteep: ^1 and ^2 the crossings, ^3 and ^4 the spokes of sides 1 and 2.
enum { kLacingTooSteep = 1, kLacingBothTooSteep = 2 };
// kAngleStringsID: kAngleDegrees, ^1 an angle in degrees.
enum { kAngleDegrees = 1 };

// What a result field shows when there is no length to show.
extern const char kNoResultText[];

#endif
