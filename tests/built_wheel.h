// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every spoke of a lacing built as a segment in three dimensions, from its
// seat in the hub to its hole in the rim, with each flange turned to where
// its spokes' turning pulls balance: the construction the closed forms are
// held against.
#ifndef QUENNICK_TESTS_BUILT_WHEEL_H
#define QUENNICK_TESTS_BUILT_WHEEL_H

#include <cmath>
#include <vector>

#include "calc/geometry.h"
#include "calc/lacing.h"

// How a side's spokes leave the hub.
enum class Seat { kHole, kAimedSeat, kTangentSeat };

struct BuiltSide {
    double r, z, R; // seat circle radius, distance from the centre plane, rim radius
    Seat seat;
    double offset; // a straight-pull seat's offset along the flange toward its rim end
};

struct BuiltSpoke {
    double length;  // seat to rim hole
    double span;    // radians at the axle between seat and rim hole, signed
    double tangent; // (rim hole - seat) . seat in the wheel's plane: <= 0 points back
    double torque;  // turning pull about the axle at unit tension: seat x spoke direction
};

// The spokes of `side` (1 or 2) as `lacing` lays them, the flange turned by
// `turn` radians from the lacing's own angles.
inline std::vector<BuiltSpoke> BuildSide(const Lacing &lacing, int side, const BuiltSide &b,
                                         double turn)
{
    std::vector<BuiltSpoke> out;
    const double *hub = side == 1 ? lacing.hub1 : lacing.hub2;
    for (int i = 0; i < lacing.spokes; i++) {
        const RimHole &h = lacing.hole[i];
        if (h.side != side)
            continue;
        const double psi = h.angle * M_PI / 180;
        const double phi = hub[h.hubHole - 1] * M_PI / 180 + turn;
        double d = std::remainder(psi - phi, 2 * M_PI);
        const double q[2] = {b.R * std::cos(psi), b.R * std::sin(psi)};
        double s[2] = {b.r * std::cos(phi), b.r * std::sin(phi)};
        if (b.seat == Seat::kAimedSeat) {
            // Along the flange, toward the rim end.
            const double sign = d >= 0 ? 1 : -1;
            s[0] += -sign * b.offset * std::sin(phi);
            s[1] += sign * b.offset * std::cos(phi);
        } else if (b.seat == Seat::kTangentSeat) {
            // The seat on the circle whose tangent runs to the rim hole, on
            // the side of it the lacing puts the hub hole.
            const double a = std::acos(b.r / b.R);
            const double at = psi - (d >= 0 ? a : -a);
            s[0] = b.r * std::cos(at);
            s[1] = b.r * std::sin(at);
            d = d >= 0 ? a : -a;
        }
        const double dx = q[0] - s[0], dy = q[1] - s[1];
        const double length = std::sqrt(dx * dx + dy * dy + b.z * b.z);
        out.push_back({length, d, dx * s[0] + dy * s[1], (s[0] * dy - s[1] * dx) / length});
    }
    return out;
}

// The turning pull of a side's spokes about the axle at one tension, as the
// flange is turned by `turn`: seat x spoke direction.
inline double Torque(const Lacing &lacing, int side, const BuiltSide &b, double turn)
{
    double sum = 0;
    for (const BuiltSpoke &s : BuildSide(lacing, side, b, turn))
        sum += s.torque;
    return sum;
}

// The turn, within half a hub hole pitch, at which the side's spokes balance
// (bisection); the lacing's own angles when they already do.
inline double BalancedTurn(const Lacing &lacing, int side, const BuiltSide &b)
{
    const int n = side == 1 ? lacing.spokes1 : lacing.spokes2;
    if (b.seat == Seat::kTangentSeat || std::fabs(Torque(lacing, side, b, 0)) < 1e-9)
        return 0;
    double lo = -M_PI / n, hi = M_PI / n;
    for (int i = 0; i < 100; i++) {
        const double mid = (lo + hi) / 2;
        if ((Torque(lacing, side, b, mid) > 0) == (Torque(lacing, side, b, hi) > 0))
            hi = mid;
        else
            lo = mid;
    }
    return (lo + hi) / 2;
}

#endif
