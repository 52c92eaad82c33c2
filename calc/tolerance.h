// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How much the rim's figure matters: the ERD that nipple washers give, and the
// stock lengths a side's spoke would take with the ERD a millimetre either way.
#ifndef QUENNICK_CALC_TOLERANCE_H
#define QUENNICK_CALC_TOLERANCE_H

// The ERD the spoke lengths are worked from when a washer of `washer` mm sits
// under each nipple: every nipple sits a washer further out, at both ends of
// the diameter, so the ERD grows by twice the washer. A washer of 0, below 0
// or not a number is none, and gives `erd` itself, to the last bit.
double WasherErd(double erd, double washer);

// One side of a wheel as the length to buy is worked out for it.
struct BuySide {
    double flangeDiameter; // or the head seat circle of a straight-pull hub
    double flangeDistance; // from the centre plane, the rim's offset applied
    double crossings;
    double spokes;       // as DoCalculate takes them: twice the side's own
    double holeDiameter; // 0 for a straight-pull head
    int gauge;           // kGauge... (calc/spoke.h)
    double newtons;      // the side's tension at the target; not a number for none
};

// The length a side's stock length stands for, with the rim's ERD `erd`: the
// unstretched spoke (the geometric length less half the hole, less its stretch
// at the side's tension) when the gauge and tension give a stretch, otherwise
// the length DoCalculate gives. Not a number when there is no such length.
double LengthToBuyFor(const BuySide &side, double erd);

// The stock lengths (every `step` mm) the side's spoke would take with the
// ERD `spread` mm shorter and longer than `erd`. Either is not a number when
// there is no length.
void ErdTolerance(const BuySide &side, double erd, double spread, double step, double *shorter,
                  double *longer);

#endif
