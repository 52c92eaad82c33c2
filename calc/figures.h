// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sums that turn what a builder measures, or what a maker publishes, into
// the figures the form asks for. Plain arithmetic on millimetres; a result
// that is no usable size (not finite, or not above 0) is not a number, so
// that the caller fills in nothing.
#ifndef QUENNICK_CALC_FIGURES_H
#define QUENNICK_CALC_FIGURES_H

// The ERD from a measurement across the rim: two spokes in opposite holes with
// their nipples, pulled tight, measured where the spokes enter the nipples,
// and each nipple's length added (`perSide` the nipple length); or a measuring
// tool, two rods of known length seated in opposite holes, measured between
// their ends, each rod's length added (`perSide` the rod length). Either way
// `across` + 2 x `perSide`; not a number unless both are above 0.
double ErdFromMeasurement(double across, double perSide);

// Each flange's distance from the centre plane from the distance between the
// flanges (centre to centre) and how far the middle between them lies off
// the hub's centre toward side 1 (0 for a centred hub): half the width plus
// the offset on side 1, less it on side 2.
void FlangeDistancesFromWidth(double flangeToFlange, double offsetToSide1, double *distance1,
                              double *distance2);

// Each flange's distance from the centre plane from the width over the
// locknuts and each flange's distance (to its middle) from its own locknut:
// half the width less that distance.
void FlangeDistancesFromLocknuts(double overLocknuts, double locknutToFlange1,
                                 double locknutToFlange2, double *distance1, double *distance2);

// The flange's pitch circle diameter (through the spoke holes' centres) from
// a measurement across two opposite holes' outer edges, less one hole's
// diameter (each outer edge lies half a hole beyond the circle).
double PitchDiameterFromOuterEdges(double acrossOuterEdges, double holeDiameter);

#endif
