// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The helpers that work out a figure of the form from what a builder measured
// or a maker publishes: each a small modal dialog that fills the form's
// fields when asked and says what it filled in, until it is closed.
#ifndef QUENNICK_FORM_HELPERS_H
#define QUENNICK_FORM_HELPERS_H

#include "toolbox/toolbox.h"

// Dialog templates of the helpers.
enum { kErdHelperID = 132, kFlangeDistanceHelperID = 133, kFlangeDiameterHelperID = 134 };

// Their items: the same numbers in each.
enum {
    hClose = 1,  // button; Escape and the close box too
    hFillIn = 2, // button, the default one
    hMethod = 3, // popup: which measurement or which published figures
    hHowTo = 4,  // label: what to measure, for the method chosen
    hLabelA = 5, // labels and number fields of the method's figures
    hFieldA = 6,
    hLabelB = 7,
    hFieldB = 8,
    hLabelC = 9, // template 133 only
    hFieldC = 10,
    hReport = 11, // label: what was filled in, or why nothing was
    hSide = 12    // popup, template 134 only: kBothSides, kSide1Only, kSide2Only
};
enum { kBothSides = 1, kSide1Only = 2, kSide2Only = 3 };

// The helpers' words (string list 156), by index.
enum { kHelperStringsID = 156 };
enum {
    kHowSpokes = 1, // ERD helper
    kHowTool,
    kMeasuredAcross,
    kNippleLength,
    kRodLength,
    kErdFilled, // ^1 the ERD, ^2 the measurement, ^3 what is added at each end
    kErdNone,
    kHowWidth, // flange distance helper
    kHowLocknuts,
    kFlangeToFlange,
    kOffsetToSide1,
    kOverLocknuts,
    kLocknutToFlange1,
    kLocknutToFlange2,
    kDistancesFilled, // ^1 side 1's distance, ^2 side 2's
    kDistancesNone,
    kHowOuterEdges, // flange diameter helper
    kHowSameEdges,
    kHoleDiameter,
    kDiameterFilled, // ^1 the diameter, ^2 which side
    kDiameterNone,
    kWordBothSides,
    kWordSide1,
    kWordSide2
};

// The ERD from a measurement across the rim (item 10 of `form`).
void DoErdHelper(DialogRef form);
// Each flange's distance from the centre from a maker's figures (items 16, 17).
void DoFlangeDistanceHelper(DialogRef form);
// The flange diameter from a measurement across it (items 14 and 15).
void DoFlangeDiameterHelper(DialogRef form);

#endif
