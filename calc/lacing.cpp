// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/lacing.h"

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
