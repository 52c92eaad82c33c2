// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What cannot be in a wheel the form describes: a target tension no spoke
// takes, parts no wheel has, and a lacing that cannot be laced. The form
// refuses no number; these say what is wrong so that the form can say it.
#ifndef QUENNICK_CALC_CHECKS_H
#define QUENNICK_CALC_CHECKS_H

// The tension a wheel's tighter side is built to, in kgf: from the least a
// wheel maker gives for a side's spokes to the most a hub maker allows
// (docs/geometry.md). In newtons the same range is widened to whole newtons.
extern const double kLeastTargetKgf; // 60
extern const double kMostTargetKgf;  // 200

// The range in kgf, or in whole newtons when `newtons` (588 to 1962).
void TargetRange(bool newtons, double *least, double *most);

// What a typed target tension is.
enum TargetKind {
    kTargetEmpty,      // nothing but white space: no target
    kTargetNotNumber,  // no number, not finite ("nan", "inf", "1e400") or hexadecimal ("0x78")
    kTargetOutOfRange, // a number outside TargetRange
    kTargetOtherUnit,  // outside the range, but inside it in the other unit (1200 kgf)
    kTargetInRange
};

// What a target already read as `value` is: kTargetNotNumber when it is not
// finite, else whether it lies in the range (never kTargetEmpty).
TargetKind TargetKindOf(double value, bool newtons);

// Reads the target as the form does (decimal comma or point, what follows the
// number ignored) and says what it is; `value` gets the number read, or 0.
// `text` is not changed.
TargetKind ReadTarget(const char *text, bool newtons, double *value);

// Parts no wheel has, in the order they are looked for. `side` names the
// side for the flange problems.
enum PartsKind {
    kPartsFine,
    kPartsNoRim,            // the ERD is 0 or less, or not a number
    kPartsFlangeOverRim,    // a flange (or head seat circle) as wide as the rim or wider
    kPartsFlangeDistance,   // a flange distance of 0 or less, as typed
    kPartsOffsetPastFlange, // the rim's offset takes a side's flange distance to 0 or less
};
struct PartsCheck {
    PartsKind kind;
    int side; // 1 or 2 for the flange problems, else 0
};

// Looks at the figures as the form holds them: distances as typed, before
// the rim's spoke hole offset (toward side 2) is added to side 1's and taken
// from side 2's. Values that are not numbers pass but for the ERD: they give
// no result anyway.
PartsCheck CheckParts(double rimDiameter, double offset, double flangeDiameter1,
                      double flangeDiameter2, double flangeDistance1, double flangeDistance2);

// Why a wheel cannot be laced, as DoLacing refuses it.
enum LacingKind {
    kLacingFine,
    kLacingOddCrossedSide,   // a crossed side with an odd count (18 on equal sides)
    kLacingTooManyCrossings, // crossings from half a side's count up (16 spokes at 4)
    kLacingOtherCounts       // no spokes, too many, or counts neither equal nor 2:1
};
struct LacingCheck {
    LacingKind kind;
    int side;   // the side it is about
    int spokes; // that side's spokes
    int most;   // the most crossings that side takes (kLacingTooManyCrossings)
};

LacingCheck CheckLacing(int spokes1, int spokes2, int crossings1, int crossings2);

#endif
