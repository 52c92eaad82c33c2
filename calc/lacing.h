// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How a wheel is laced: for every rim hole, the flange its spoke comes from,
// the hub hole on that flange and the way the spoke leans. Plain data, made
// without a window, drawn by the toolbox layer and written out as steps.
#ifndef QUENNICK_CALC_LACING_H
#define QUENNICK_CALC_LACING_H

#include <stddef.h>

enum { kMaxLacingSpokes = 96 };

// A spoke's lean, seen from side 2 with the wheel turning clockwise: a
// trailing spoke's rim end lies behind its hub hole, a leading spoke's ahead;
// a radial spoke (0 crossings) neither.
enum SpokeKind { kTrailing = 0, kLeading = 1, kRadial = 2 };

struct RimHole {
    int side;    // 1 or 2
    int hubHole; // on that side's flange, from 1
    SpokeKind kind;
    double angle; // degrees clockwise from the valve hole, as seen from side 2
};

struct Lacing {
    int spokes;  // rim holes in all
    int spokes1; // spokes of side 1 and side 2
    int spokes2;
    int crossings1; // crossings of each side's spokes with their own side's
    int crossings2;
    int keySide;                    // the side of rim hole 1, whose spoke is the key spoke
    RimHole hole[kMaxLacingSpokes]; // hole[0] is rim hole 1
    // Angles of the hub holes of side 1 (hub1[0] is hole 1) and side 2, in
    // degrees clockwise from the valve hole's direction, as seen from side 2.
    double hub1[kMaxLacingSpokes];
    double hub2[kMaxLacingSpokes];
};

// Laces a wheel with `spokes1` spokes on side 1 and `spokes2` on side 2: the
// same number on both, or twice as many on one side (2:1). The valve hole sits
// at the top, between the last rim hole and rim hole 1, which is the first
// clockwise as seen from side 2. Rim holes are evenly spaced: with equal sides
// they alternate between the sides; with 2:1 they run in threes, two of the
// fuller side and one of the other. Each flange's hub holes are evenly spaced
// and turned to face that side's rim holes best, so that with equal sides the
// two flanges are half a hole apart. Leading and trailing spokes alternate on
// each flange, each spoke crossing `crossings` spokes of its own side; the two
// spokes beside the valve hole lean the same way (they stay clear of a pump),
// and rim hole 1's spoke is a trailing one. Returns false, with `out` cleared,
// for counts that cannot be laced so: a side of fewer than 2 spokes, a crossed
// side with an odd count (a radial one may have any), more
// than kMaxLacingSpokes in all, counts neither equal nor 2:1, or crossings
// below 0 or from half a side's count up (the spoke would reach round the
// hub to its own radial hole).
bool DoLacing(int spokes1, int spokes2, int crossings1, int crossings2, Lacing *out);

// Rim holes of `side` with spokes of `kind`, from 1, in the order a builder
// puts them in (clockwise from the valve); returns how many were written
// (at most `max`).
int LacingSet(const Lacing &lacing, int side, SpokeKind kind, int *rimHoles, int max);

// Which face of its flange a J-bend spoke's head sits on: heads out (the head
// on the flange's outer face, the spoke leaving by the inner face) or heads
// in. A straight-pull hub's seats decide it themselves.
enum SpokeHeads { kHeadsOut = 0, kHeadsIn = 1 };

// Trailing spokes go heads out and leading spokes heads in, so heads in and
// out alternate round each flange; radial spokes go heads in.
SpokeHeads Kind2Heads(SpokeKind kind);

// One step of lacing: spokes of one side and one lean that go in together,
// each from hub hole `hubHole[i]` to rim hole `rimHole[i]` (both from 1),
// clockwise from the valve.
struct LacingStep {
    int side;
    SpokeKind kind;
    int count;
    int hubHole[kMaxLacingSpokes];
    int rimHole[kMaxLacingSpokes];
};

// The steps in a builder's order: the key spoke into rim hole 1, the rest of
// its side's trailing spokes, the other side's trailing spokes, then each
// side's leading spokes; a radial side's spokes after its key spoke in one
// step. Writes at most `max` and returns how many; none for a wheel that was
// not laced.
int LacingSteps(const Lacing &lacing, LacingStep *steps, int max);

// How a builder finds the other flange's holes: hub holes are counted
// clockwise as the wheel is seen from side 2 on both flanges; the key spoke's
// hub hole is `keyHub` of the key side, and the other side's hub hole
// `otherHub` lies half a hole of the key side's flange from it, clockwise
// (`turn` 1) or counterclockwise (-1) as seen from side 2. Of two such holes
// (equal sides) the counterclockwise one, whose spoke runs beside the key
// spoke. Returns false for a wheel that was not laced.
struct FlangeReference {
    int keyHub;
    int otherHub;
    int turn;
};
bool Lacing2Reference(const Lacing &lacing, FlangeReference *out);

#endif
