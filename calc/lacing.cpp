// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/lacing.h"

#include <math.h>
#include <string.h>

namespace {

// A crossed side needs an even count, so that leading and trailing spokes
// alternate round its flange; a radial side (an 18-spoke front's 9) does not.
bool Fits(int n, int crossings)
{
    return n >= 2 && crossings >= 0 && (crossings == 0 || (n % 2 == 0 && 2 * crossings < n));
}

// Laces one side whose rim holes are known: the k-th of them (clockwise from
// the valve) has its radial hub hole k, and every other one trails.
// `firstTrails` picks whether the side's first rim hole trails.
void LaceSide(Lacing *l, int side, int n, int crossings, bool firstTrails, double *hub)
{
    int holes[kMaxLacingSpokes];
    int count = 0;
    for (int i = 0; i < l->spokes; i++)
        if (l->hole[i].side == side)
            holes[count++] = i;
    const double pitch = 360.0 / n;
    // Turn the flange so that hub hole k faces the side's k-th rim hole as well
    // as it can: the mean of their differences.
    double phase = 0;
    for (int k = 0; k < n; k++)
        phase += l->hole[holes[k]].angle - k * pitch;
    phase /= n;
    for (int k = 0; k < n; k++)
        hub[k] = phase + k * pitch;
    for (int k = 0; k < n; k++) {
        RimHole &h = l->hole[holes[k]];
        const bool trails = (k % 2 == 0) == firstTrails;
        // Trailing: the hub hole lies `crossings` holes ahead (clockwise) of
        // the radial one; leading: as far behind.
        const int hubIndex = ((trails ? k + crossings : k - crossings) % n + n) % n;
        h.hubHole = hubIndex + 1;
        h.kind = crossings == 0 ? kRadial : trails ? kTrailing : kLeading;
    }
}

} // namespace

bool DoLacing(int spokes1, int spokes2, int crossings1, int crossings2, Lacing *out)
{
    memset(out, 0, sizeof *out);
    const int total = spokes1 + spokes2;
    const bool equal = spokes1 == spokes2;
    const bool twoToOne = spokes1 == 2 * spokes2 || spokes2 == 2 * spokes1;
    if (!Fits(spokes1, crossings1) || !Fits(spokes2, crossings2) || total > kMaxLacingSpokes ||
        !(equal || twoToOne))
        return false;
    Lacing &l = *out;
    l.spokes = total;
    l.spokes1 = spokes1;
    l.spokes2 = spokes2;
    l.crossings1 = crossings1;
    l.crossings2 = crossings2;
    // The key spoke goes to side 2, the drive side of a rear wheel, or to the
    // fuller side of a 2:1 wheel.
    l.keySide = spokes1 > spokes2 ? 1 : 2;
    const int other = 3 - l.keySide;
    for (int i = 0; i < total; i++) {
        l.hole[i].angle = (i + 0.5) * 360.0 / total;
        // Equal sides alternate; 2:1 runs key side, key side, other side.
        l.hole[i].side =
            equal ? (i % 2 == 0 ? l.keySide : other) : (i % 3 == 2 ? other : l.keySide);
    }
    // Rim hole 1 trails. The last rim hole, left of the valve, is the other
    // side's last; with an even count that is its second, fourth... and trails
    // too when the other side's first leads: the two spokes at the valve then
    // lean the same way.
    const int nKey = l.keySide == 1 ? spokes1 : spokes2;
    const int nOther = total - nKey;
    LaceSide(&l, l.keySide, nKey, l.keySide == 1 ? crossings1 : crossings2, true,
             l.keySide == 1 ? l.hub1 : l.hub2);
    LaceSide(&l, other, nOther, other == 1 ? crossings1 : crossings2, false,
             other == 1 ? l.hub1 : l.hub2);
    return true;
}

int LacingSet(const Lacing &lacing, int side, SpokeKind kind, int *rimHoles, int max)
{
    int n = 0;
    for (int i = 0; i < lacing.spokes && n < max; i++)
        if (lacing.hole[i].side == side && lacing.hole[i].kind == kind)
            rimHoles[n++] = i + 1;
    return n;
}

SpokeHeads Kind2Heads(SpokeKind kind)
{
    return kind == kTrailing ? kHeadsOut : kHeadsIn;
}

int LacingSteps(const Lacing &l, LacingStep *steps, int max)
{
    if (l.spokes == 0)
        return 0;
    const int key = l.keySide, other = 3 - key;
    const int crossings[3] = {0, l.crossings1, l.crossings2};
    int n = 0;
    // A side's spokes of one lean, clockwise from the valve, leaving out rim
    // hole 1 when `skipKey`; a group with no spoke (a 2-spoke radial side's
    // rest) is no step.
    auto add = [&](int side, SpokeKind kind, bool onlyKey, bool skipKey) {
        if (n >= max)
            return;
        LacingStep &s = steps[n];
        s.side = side;
        s.kind = kind;
        s.count = 0;
        for (int i = 0; i < l.spokes; i++) {
            const RimHole &h = l.hole[i];
            if (h.side != side || h.kind != kind || (skipKey && i == 0) || (onlyKey && i != 0))
                continue;
            s.hubHole[s.count] = h.hubHole;
            s.rimHole[s.count] = i + 1;
            s.count++;
        }
        if (s.count > 0)
            n++;
    };
    const SpokeKind keyKind = crossings[key] == 0 ? kRadial : kTrailing;
    add(key, keyKind, true, false);
    add(key, keyKind, false, true);
    add(other, crossings[other] == 0 ? kRadial : kTrailing, false, false);
    const int leadingSides[2] = {key, other};
    for (int side : leadingSides)
        if (crossings[side] > 0)
            add(side, kLeading, false, false);
    return n;
}

bool Lacing2Reference(const Lacing &l, FlangeReference *out)
{
    if (l.spokes == 0)
        return false;
    const int key = l.keySide;
    const double *keyHubs = key == 1 ? l.hub1 : l.hub2, *otherHubs = key == 1 ? l.hub2 : l.hub1;
    const int nOther = key == 1 ? l.spokes2 : l.spokes1;
    out->keyHub = l.hole[0].hubHole;
    const double from = keyHubs[out->keyHub - 1];
    double best = 0;
    out->otherHub = 0;
    for (int k = 0; k < nOther; k++) {
        // The turn from the key spoke's hole to this one, in (-180, 180].
        double d = fmod(otherHubs[k] - from, 360.0);
        if (d <= -180)
            d += 360;
        if (d > 180)
            d -= 360;
        const bool nearer = fabs(d) < fabs(best) - 1e-9;
        const bool tieCounterclockwise = fabs(fabs(d) - fabs(best)) <= 1e-9 && d < 0;
        if (out->otherHub == 0 || nearer || tieCounterclockwise) {
            best = d;
            out->otherHub = k + 1;
        }
    }
    out->turn = best > 0 ? 1 : -1;
    return true;
}
