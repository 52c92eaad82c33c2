// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The spoke length formula.
#ifndef QUENNICK_CALC_SPOKE_H
#define QUENNICK_CALC_SPOKE_H

// Computes the spoke length of each side of a wheel, rounded to hundredths with
// halves away from zero. Lengths share the unit of the inputs. No input is range
// checked: a side can come out negative, or not finite for degenerate or huge
// inputs (the caller decides how to show that).
void DoCalculate(double flangeDiameter1, double flangeDiameter2, double flangeDistance1,
                 double flangeDistance2, double rimDiameter, double crossings1, double crossings2,
                 double spokes, double holeDiameter, double *length1, double *length2);

// How the spoke tension of the two sides compares: each side's tension as a
// percentage of the tighter side's (so one of them is 100). The two sides'
// spokes pull the rim sideways in balance, so a side's tension goes with the
// inverse of its spokes' sideways share: flange distance over the geometric
// spoke length (the length before the stretch factor and the hole). Same
// inputs as DoCalculate, without the hole. Returns false, leaving the
// percentages alone, when a flange distance is zero or less or a geometric
// length is not a positive finite number.
bool DoTensionBalance(double flangeDiameter1, double flangeDiameter2, double flangeDistance1,
                      double flangeDistance2, double rimDiameter, double crossings1,
                      double crossings2, double spokes, double *percent1, double *percent2);

// The same balance when the sides have spoke counts of their own (each as
// DoCalculate takes it, twice the side's spokes): the sideways pulls balance
// when n1 T1 Z1 / L1 = n2 T2 Z2 / L2. Equal counts give exactly what
// DoTensionBalance gives. False, as there, also for a count of zero or less.
bool DoSideTensionBalance(double flangeDiameter1, double flangeDiameter2, double flangeDistance1,
                          double flangeDistance2, double rimDiameter, double crossings1,
                          double crossings2, double spokes1, double spokes2, double *percent1,
                          double *percent2);

// The straight distance from the spoke's seat in the hub (a flange hole's
// centre, or a straight-pull head's seat) to its end in the rim, before the
// stretch factor and the hole: the root of DoCalculate's sum, bit for bit.
double SpokeGeometricLength(double flangeDiameter, double flangeDistance, double crossings,
                            double rimDiameter, double spokes);

// The angle at the axle, in degrees, between a spoke's seat in the hub and its
// end in the rim for a side of evenly spaced rim holes: 720 x crossings /
// spokes (spokes as DoCalculate takes them). SpokeSpan (calc/geometry.h)
// gives every side's span as the lacing lays it, 2:1 included.
double CrossingAngle(double crossings, double spokes);

// The angle of the spoke to the wheel's plane, in degrees: asin(Z / L), L the
// geometric length. Not a number when L is not a positive finite number.
double BracingAngle(double flangeDiameter, double flangeDistance, double crossings,
                    double rimDiameter, double spokes);

// The spoke count that the spoke-count popup's value (from 1) stands for:
// 1 to 4 give 24, 28, 32 and 36, and 5 to 9 the counts added after them (16,
// 18, 20, 40, 48: kSpokeCounts); 0 for any other value.
double SpokeCount(int value);

// The values of the spokes-per-side popup.
enum { kSidesEqual = 1, kSidesMoreOn2 = 2, kSidesMoreOn1 = 3 };

// The values of the spoke head popup: how the spokes sit in the hub.
enum { kJBendHead = 1, kStraightPullHead = 2 };

// The values of the tension unit popup.
enum { kUnitKgf = 1, kUnitNewton = 2 };

// Whether a wheel of `spokes` can be laced 2:1 (two thirds on one side).
bool CanLaceTwoToOne(double spokes);

// Each side's count as DoCalculate takes it (twice that side's own spokes):
// both `spokes` for equal sides; with 2:1 the side with more spokes has two
// thirds of them. A wheel that cannot be laced 2:1, or an unknown `sharing`,
// gives equal sides.
void SideSpokes(double spokes, int sharing, double *spokes1, double *spokes2);

// The values of the spoke gauge popups: stainless spokes, plain or butted
// (diameters in mm at the head, the middle and the thread).
enum {
    kGaugeNotSet = 1,
    kGaugePlain20 = 2,
    kGaugePlain18 = 3,
    kGaugePlain23 = 4,
    kGaugeButted201820 = 5,
    kGaugeButted201520 = 6
};

// Newtons in a kilogram-force.
extern const double kNewtonsPerKgf;

// How much a spoke of geometric length `length` (mm) stretches under
// `tension` newtons: T L / (E A), the sections of a butted spoke in series.
// Not a number for kGaugeNotSet or an unknown gauge.
double SpokeStretch(int gauge, double tension, double length);

// `length` rounded to the nearest stock length: a multiple of `step` mm (2
// gives even lengths), halves up.
double StockLength(double length, double step);

// Whether the looser side, at `percent` of the tighter side's tension (as
// shown: a whole percentage), may go slack when the wheel is loaded: below 50.
bool MaySlacken(double percent);

#endif
