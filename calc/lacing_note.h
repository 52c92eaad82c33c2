// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the hub lets a lacing do, seen from its geometry: spokes that point
// back over their own flange, spokes that run over the next spoke's head, a
// count that cannot alternate; and the note that says so.
#ifndef QUENNICK_CALC_LACING_NOTE_H
#define QUENNICK_CALC_LACING_NOTE_H

#include "calc/geometry.h"
#include "calc/wheel.h"

// The span at which a spoke leaves its seat along the tangent of the seat
// circle, acos(r / R) in degrees (a straight-pull seat moved s along the flange:
// where R (r cos a + s sin a) = r^2 + s^2). NAN when there is no such span
// (a seat circle of no size, or not inside the rim's).
double TangentSpan(const SpokeSide &side);

// Whether the side's spokes point back over their own flange: a span past a
// quarter turn, or at or past TangentSpan. Never for a tangential
// straight-pull side, whose seats send the spokes along the tangent itself.
bool PointsBackOverFlange(const SpokeSide &side);

// How far the line of a J-bend spoke passes from the centre of the next hole
// of its flange (the one it heads past), in mm, in the flange's plane. NAN for
// a straight-pull or radial side, a side of fewer than 2 spokes, or a flange
// of no size.
double NextHoleClearance(const SpokeSide &side);

// The lacing note for the two sides: the first of a crossed side of an odd
// count on equal sides, a side pointing back over its flange (both sides in
// one sentence), a side whose spokes pass the next hole's centre closer than
// a head's radius (a head is at least as wide as the hole it bears on, so half
// of `holeDiameter`; no such note without a hole), a tangential straight-pull
// side laced with other crossings than its seats give, and a looser side (1
// or 2; 0 for none) at `slackPercent` that may go slack. kNoteNone when none
// applies.
LacingNote LacingNoteOf(const SpokeSide &side1, const SpokeSide &side2, double holeDiameter,
                        int slackSide, double slackPercent);

#endif
