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

// The spoke count that the spoke-count popup's value (from 1) stands for:
// 24, 28, 32 or 36; 0 for any value outside 1 to 4.
double SpokeCount(int value);

#endif
