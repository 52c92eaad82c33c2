// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/lacing_note.h"

#include <math.h>

namespace {

const double kDegrees = 180 / M_PI;

// Past a quarter turn by more than the ten-digit angle constant's excess over
// pi: 3 crossings of 12 spokes are a quarter turn exactly.
bool PastQuarterTurn(double degrees)
{
    return degrees > 90 + 1e-6;
}

double SpanDegrees(const SpokeSide &side)
{
    return fabs(SpokeSpan(side.crossings, side.spokes, side.wheelSpokes)) * kDegrees;
}

// A straight-pull seat aimed at its rim hole may sit off its radial line.
double SeatOffset(const SpokeSide &side)
{
    return side.straightPull && side.exit == kExitAimed ? side.seatOffset : 0;
}

} // namespace

double TangentSpan(const SpokeSide &side)
{
    const double r = side.seatDiameter / 2, rim = side.rimDiameter / 2, s = SeatOffset(side);
    const double seat = sqrt(r * r + s * s);
    if (!(r > 0) || !(seat < rim))
        return NAN;
    // R (r cos a + s sin a) = R seat cos(a - b), b = atan2(s, r): equal to
    // seat^2 at a = b + acos(seat / R).
    return (atan2(s, r) + acos(seat / rim)) * kDegrees;
}

bool PointsBackOverFlange(const SpokeSide &side)
{
    if (side.straightPull && side.exit == kExitTangential)
        return false;
    const double span = SpanDegrees(side), tangent = TangentSpan(side);
    return PastQuarterTurn(span) || (isfinite(tangent) && span >= tangent);
}

double NextHoleClearance(const SpokeSide &side)
{
    const double r = side.seatDiameter / 2, rim = side.rimDiameter / 2;
    const double n = side.spokes / 2;
    if (side.straightPull || !(side.crossings > 0) || !(n >= 2) || !(r > 0) || !(rim > 0))
        return NAN;
    // The hole at (r, 0), its rim end at angle a, the next hole the spoke
    // heads past a hub hole pitch round the same way.
    const double a = SpanDegrees(side) / kDegrees, pitch = 2 * M_PI / n;
    const double ux = rim * cos(a) - r, uy = rim * sin(a);
    const double wx = r * cos(pitch) - r, wy = r * sin(pitch);
    const double along = sqrt(ux * ux + uy * uy);
    if (!(along > 0))
        return NAN;
    return fabs(ux * wy - uy * wx) / along;
}

LacingNote LacingNoteOf(const SpokeSide &side1, const SpokeSide &side2, double holeDiameter,
                        int slackSide, double slackPercent)
{
    LacingNote note = {kNoteNone, 0, NAN, NAN, NAN, NAN, NAN};
    const SpokeSide *sides[2] = {&side1, &side2};
    // Leading and trailing spokes alternate round a crossed flange: an odd
    // count of them cannot.
    const double n1 = side1.spokes / 2, n2 = side2.spokes / 2;
    if (n1 == n2 && fmod(n1, 2) == 1 && (side1.crossings > 0 || side2.crossings > 0)) {
        note.kind = kNoteUneven;
        return note;
    }
    const bool back1 = PointsBackOverFlange(side1), back2 = PointsBackOverFlange(side2);
    if (back1 || back2) {
        const bool steep1 = PastQuarterTurn(SpanDegrees(side1));
        const bool steep2 = PastQuarterTurn(SpanDegrees(side2));
        if (back1 && back2) {
            note.kind = steep1 && steep2 ? kNoteBothTooSteep : kNoteBothPastTangent;
            return note;
        }
        const SpokeSide &s = back1 ? side1 : side2;
        note.side = back1 ? 1 : 2;
        note.angle = SpanDegrees(s);
        note.limit = TangentSpan(s);
        note.kind = (back1 ? steep1 : steep2) ? kNoteTooSteep : kNotePastTangent;
        return note;
    }
    for (int i = 0; i < 2; i++) {
        const double clearance = NextHoleClearance(*sides[i]);
        if (holeDiameter > 0 && clearance < holeDiameter / 2) {
            note.kind = kNoteOverHead;
            note.side = i + 1;
            note.distance = clearance;
            return note;
        }
    }
    for (int i = 0; i < 2; i++) {
        const double hub = HubCrossings(*sides[i]);
        if (isfinite(hub) && lround(hub) != lround(sides[i]->crossings)) {
            note.kind = kNoteHubCrossings;
            note.side = i + 1;
            note.crossings = hub;
            note.angle = acos(sides[i]->seatDiameter / sides[i]->rimDiameter) * kDegrees;
            return note;
        }
    }
    if (slackSide == 1 || slackSide == 2) {
        note.kind = kNoteMaySlacken;
        note.side = slackSide;
        note.percent = slackPercent;
    }
    return note;
}
