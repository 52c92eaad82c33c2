// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One side's spokes as the lacing lays them: the angle they span at the axle,
// where they leave the hub, their length, bracing and tension share.
#ifndef QUENNICK_CALC_GEOMETRY_H
#define QUENNICK_CALC_GEOMETRY_H

// How a straight-pull hub sends its spokes off their seats (values of item
// 44): aimed at the spoke's rim hole from a seat on the head seat circle
// (moved along the flange by the seat offset), or along the tangent of that
// circle.
enum { kExitAimed = 1, kExitTangential = 2 };

// The spokes of one side of a wheel.
struct SpokeSide {
    double seatDiameter; // J-bend: the flange's hole circle; straight-pull: the head seat circle
    double distance;     // of that circle from the centre plane, after the rim's offset
    double rimDiameter;  // ERD
    double crossings;
    double spokes;      // twice this side's own, as DoCalculate takes them
    double wheelSpokes; // spokes in the whole wheel
    bool straightPull;
    int exit;          // kExitAimed or kExitTangential (straight-pull only)
    double seatOffset; // straight-pull, aimed: the seat's distance off the radial line, mm
};

// The angle at the axle, in radians, between a spoke's seat in the hub and its
// end in the rim, as DoLacing lays the side and with the hub turned where the
// side's leading and trailing spokes balance. A side of evenly spaced rim
// holes (equal sides, or the lighter side of 2:1: `spokes` no more than
// `wheelSpokes`) spans (12.566370616 x crossings) / spokes, DoCalculate's
// expression, bit for bit. The fuller side of 2:1 has its rim holes in pairs
// (two of its own, one of the other side's) but its hub holes evenly spaced:
// every one of its spokes spans a quarter of a rim hole pitch less. Negative
// for its radial spokes (a quarter pitch the other way): only the size counts.
double SpokeSpan(double crossings, double spokes, double wheelSpokes);

// The straight distance from a seat on a circle of diameter D, Z from the
// centre plane, to a rim point at `angle` round the axle on a circle of
// diameter R: the root of D^2/4 + R^2/4 - (R D / 2) cos(angle) + Z^2, each
// step a separate double operation in that order.
double SpokeLengthAt(double D, double Z, double angle, double R);

// The seat-to-rim length of the side's spokes, before the stretch factor and
// the hole. A straight-pull spoke aimed from a seat moved s along the flange
// toward its rim end: sqrt(R^2 + r^2 + s^2 - 2 R (r cos a + s sin a) + Z^2);
// with s = 0 exactly SpokeLengthAt. Tangential: sqrt(R^2 - r^2 + Z^2), NAN
// when the seat circle is wider than the rim's.
double SideGeometric(const SpokeSide &side);

// The length shown: 0.998 x SideGeometric less half the hole, to the hundredth
// with halves away from zero (DoCalculate's rounding).
double SideSpokeLength(const SpokeSide &side, double holeDiameter);

// asin(Z / SideGeometric), in degrees; NAN when the length is not a positive
// finite number.
double SideBracing(const SpokeSide &side);

// Each side's tension as a percentage of the tighter side's, from
// n1 T1 Z1 / L1 = n2 T2 Z2 / L2 with L = SideGeometric: for equal J-bend sides
// exactly what DoSideTensionBalance gives. False, leaving the percentages
// alone, as DoSideTensionBalance.
bool SidesTensionBalance(const SpokeSide &side1, const SpokeSide &side2, double *percent1,
                         double *percent2);

// The crossings at which a tangential straight-pull side's spokes reach the
// rim: the span acos(r/R) in crossings of this side (not a whole number in
// general). NAN for any other side, or when the seat circle is not inside the
// rim's.
double HubCrossings(const SpokeSide &side);

// The rim's spoke hole offset toward side 2, from the maker's figure and the
// side the holes sit toward (1 or 2; any other value counts as 2).
double OffsetTowardSide2(double offset, int towardSide);

struct Wheel;

// The two sides of a wheel record (calc/wheel.h) as the lacing lays them:
// each side's own count from the wheel's spokes and sharing (SideSpokes), the
// rim's offset taken from the flange distance of the side its holes sit
// toward and added to the other's, the straight-pull figures when
// `straightPull` (the record's head says so; its values belong to the form).
void WheelSides(const Wheel &wheel, bool straightPull, SpokeSide *side1, SpokeSide *side2);

#endif
