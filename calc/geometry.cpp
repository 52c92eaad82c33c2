// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/geometry.h"

#include <math.h>

#include "calc/spoke.h"
#include "calc/wheel.h"

// 4 x 3.141592654 and its half: the angle constant to ten digits rather than
// pi, as the lengths that wheel builders compare against were worked out with.
static const double kFourPi = 12.566370616;
static const double kTwoPi = 6.283185308;

double SpokeSpan(double crossings, double spokes, double wheelSpokes)
{
    const double span = (kFourPi * crossings) / spokes;
    // Only the fuller side of 2:1 (twice its spokes exceed the wheel's) has
    // paired rim holes; every other side keeps the expression untouched.
    if (!(spokes > wheelSpokes))
        return span;
    // Its k-th hub hole sits a quarter pitch behind its k-th rim hole when k
    // is even and a quarter ahead when odd (the flange turned to the mean), and
    // each trailing spoke starts at an even k: every spoke falls short of X hub
    // hole spacings by that quarter.
    return span - (kTwoPi / wheelSpokes) / 4;
}

double SpokeLengthAt(double D, double Z, double angle, double R)
{
    // Every step a separate double operation in this order (the build turns
    // off fused multiply-add), so that every build rounds the same way.
    const double q = (D * D * 0.25 + R * R * 0.25) + (R * D * -0.5) * cos(angle) + Z * Z;
    return sqrt(q);
}

double SideGeometric(const SpokeSide &side)
{
    const double D = side.seatDiameter, Z = side.distance, R = side.rimDiameter;
    const double angle = SpokeSpan(side.crossings, side.spokes, side.wheelSpokes);
    if (!side.straightPull)
        return SpokeLengthAt(D, Z, angle, R);
    const double r = D / 2, rim = R / 2;
    if (side.exit == kExitTangential) {
        // Along the tangent from the seat to the rim circle, whatever the
        // crossings: R^2 - r^2 in the wheel's plane.
        const double q = rim * rim - r * r;
        return q >= 0 ? sqrt(q + Z * Z) : NAN;
    }
    const double s = side.seatOffset;
    if (s == 0)
        return SpokeLengthAt(D, Z, angle, R);
    const double a = fabs(angle);
    if (a == 0) {
        // Radial spokes, their seats all off their lines the same way: the hub
        // turns until each spoke runs at the axle, from a seat sqrt(r^2 + s^2)
        // out.
        const double along = rim - sqrt(r * r + s * s);
        return sqrt(along * along + Z * Z);
    }
    // The seat at (r, s) beside its radial line, the rim end at (R cos a,
    // R sin a): an offset toward the rim end shortens the spoke.
    const double q = rim * rim + r * r + s * s - 2 * rim * (r * cos(a) + s * sin(a)) + Z * Z;
    return sqrt(q);
}

double SideSpokeLength(const SpokeSide &side, double holeDiameter)
{
    const double raw = 0.998 * SideGeometric(side) - 0.5 * holeDiameter;
    return round(raw * 100) / 100;
}

double SideBracing(const SpokeSide &side)
{
    const double l = SideGeometric(side);
    if (!(l > 0) || !isfinite(l))
        return NAN;
    // The length can come out a rounding below the distance itself.
    double ratio = side.distance / l;
    ratio = ratio > 1 ? 1 : ratio < -1 ? -1 : ratio;
    return asin(ratio) * (180 / M_PI);
}

bool SidesTensionBalance(const SpokeSide &side1, const SpokeSide &side2, double *percent1,
                         double *percent2)
{
    const double z1 = side1.distance, z2 = side2.distance;
    const double n1 = side1.spokes, n2 = side2.spokes;
    if (!(z1 > 0) || !(z2 > 0) || !(n1 > 0) || !(n2 > 0))
        return false;
    const double l1 = SideGeometric(side1), l2 = SideGeometric(side2);
    if (!(l1 > 0) || !(l2 > 0) || !isfinite(l1) || !isfinite(l2))
        return false;
    // Spokes times tension times sideways share is the same on both sides.
    double t1 = l1 / z1, t2 = l2 / z2;
    if (n1 != n2) {
        // Only unequal counts divide, so that equal ones keep every bit.
        t1 = t1 / n1;
        t2 = t2 / n2;
    }
    const double tighter = t1 > t2 ? t1 : t2;
    if (!isfinite(tighter))
        return false;
    *percent1 = 100 * t1 / tighter;
    *percent2 = 100 * t2 / tighter;
    return true;
}

double HubCrossings(const SpokeSide &side)
{
    const double r = side.seatDiameter / 2, rim = side.rimDiameter / 2;
    if (!side.straightPull || side.exit != kExitTangential || !(r > 0) || !(r < rim) ||
        !(side.spokes > 0) || !(side.wheelSpokes > 0))
        return NAN;
    double angle = acos(r / rim);
    if (side.spokes > side.wheelSpokes)
        angle = angle + (kTwoPi / side.wheelSpokes) / 4;
    return angle * side.spokes / kFourPi;
}

double OffsetTowardSide2(double offset, int towardSide)
{
    return towardSide == 1 ? -offset : offset;
}

void WheelSides(const Wheel &wheel, bool straightPull, SpokeSide *side1, SpokeSide *side2)
{
    const double spokes = wheel.spokes;
    double spokes1, spokes2;
    SideSpokes(spokes, wheel.sharing, &spokes1, &spokes2);
    const double offset = OffsetTowardSide2(wheel.rim.offset, wheel.rim.offsetSide);
    const int exit = wheel.hub.exit == kExitTangential ? kExitTangential : kExitAimed;
    const double seatOffset = straightPull ? wheel.hub.seatOffset : 0;
    *side1 = {wheel.hub.flangeDiameter1,
              wheel.hub.flangeDistance1 + offset,
              wheel.rim.diameter,
              (double)wheel.crossings1,
              spokes1,
              spokes,
              straightPull,
              exit,
              seatOffset};
    *side2 = {wheel.hub.flangeDiameter2,
              wheel.hub.flangeDistance2 - offset,
              wheel.rim.diameter,
              (double)wheel.crossings2,
              spokes2,
              spokes,
              straightPull,
              exit,
              seatOffset};
}
