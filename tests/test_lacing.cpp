// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lacing rules, for every count and crossing the form offers, equal sides
// and 2:1 either way.

#include <math.h>
#include <stdio.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calc/lacing.h"

namespace {

struct Case {
    int spokes1, spokes2, crossings1, crossings2;
};

std::vector<Case> Cases()
{
    std::vector<Case> all;
    const int sides[][2] = {{8, 8},   {9, 9},   {10, 10}, {12, 12}, {14, 14},
                            {16, 16}, {18, 18}, {20, 20}, {24, 24}, {6, 12},
                            {12, 6},  {8, 16},  {16, 8},  {12, 24}, {24, 12}};
    for (const auto &s : sides)
        for (int x1 = 0; x1 <= 4; x1++)
            for (int x2 = 0; x2 <= 4; x2++)
                all.push_back({s[0], s[1], x1, x2});
    return all;
}

std::string Name(const testing::TestParamInfo<Case> &info)
{
    const Case &c = info.param;
    char name[64];
    snprintf(name, sizeof name, "s%d_%d_x%d_%d", c.spokes1, c.spokes2, c.crossings1, c.crossings2);
    return name;
}

const double kPi = 3.14159265358979323846;

// A spoke as it lies in the wheel's plane: hub hole to rim hole, on a hub of
// a small flange and a road rim.
struct Segment {
    double x1, y1, x2, y2;
};

Segment SpokeLine(double hubAngle, double rimAngle)
{
    const double h = hubAngle * kPi / 180, r = rimAngle * kPi / 180;
    return {22 * sin(h), 22 * cos(h), 300 * sin(r), 300 * cos(r)};
}

bool Cross(const Segment &a, const Segment &b)
{
    auto side = [](double ax, double ay, double bx, double by, double px, double py) {
        return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
    };
    const double d1 = side(a.x1, a.y1, a.x2, a.y2, b.x1, b.y1);
    const double d2 = side(a.x1, a.y1, a.x2, a.y2, b.x2, b.y2);
    const double d3 = side(b.x1, b.y1, b.x2, b.y2, a.x1, a.y1);
    const double d4 = side(b.x1, b.y1, b.x2, b.y2, a.x2, a.y2);
    return d1 * d2 < 0 && d3 * d4 < 0;
}

// The angle from a to b, in (-180, 180].
double Turn(double a, double b)
{
    double d = fmod(b - a, 360.0);
    if (d <= -180)
        d += 360;
    if (d > 180)
        d -= 360;
    return d;
}

class LacingRules : public testing::TestWithParam<Case> {};

TEST_P(LacingRules, Hold)
{
    const Case c = GetParam();
    Lacing l;
    const bool laced = DoLacing(c.spokes1, c.spokes2, c.crossings1, c.crossings2, &l);
    // A spoke that would reach half-way round its flange cannot be laced, nor
    // a crossed side of an odd count (its spokes could not alternate).
    auto fits = [](int n, int x) { return x == 0 || (n % 2 == 0 && 2 * x < n); };
    const bool possible = fits(c.spokes1, c.crossings1) && fits(c.spokes2, c.crossings2);
    ASSERT_EQ(laced, possible);
    if (!laced)
        return;
    const int n = c.spokes1 + c.spokes2;
    ASSERT_EQ(l.spokes, n);
    const double *hub[3] = {nullptr, l.hub1, l.hub2};
    const int count[3] = {0, c.spokes1, c.spokes2};
    const int crossings[3] = {0, c.crossings1, c.crossings2};

    // Every hub hole of a side takes one spoke.
    for (int side = 1; side <= 2; side++) {
        std::vector<int> used(count[side] + 1, 0);
        for (int i = 0; i < n; i++)
            if (l.hole[i].side == side) {
                ASSERT_GE(l.hole[i].hubHole, 1);
                ASSERT_LE(l.hole[i].hubHole, count[side]);
                used[l.hole[i].hubHole]++;
            }
        for (int k = 1; k <= count[side]; k++)
            EXPECT_EQ(used[k], 1) << "side " << side << " hub hole " << k;
    }

    // Around the rim: equal sides alternate; 2:1 never puts the sparser
    // side's spokes side by side, nor three of the fuller side in a row.
    for (int i = 0; i < n; i++) {
        const int here = l.hole[i].side, next = l.hole[(i + 1) % n].side;
        const int after = l.hole[(i + 2) % n].side;
        if (c.spokes1 == c.spokes2) {
            EXPECT_NE(here, next) << "rim holes " << i + 1 << " and " << i + 2;
        } else {
            EXPECT_FALSE((here != l.keySide && next == here) ||
                         (here == l.keySide && next == here && after == here))
                << "rim hole " << i + 1;
        }
    }

    // On each flange, in hub hole order: trailing and leading alternate, and
    // a spoke's lean is where its rim hole lies from its hub hole.
    for (int side = 1; side <= 2; side++) {
        std::vector<int> kindAt(count[side], -1);
        for (int i = 0; i < n; i++) {
            const RimHole &h = l.hole[i];
            if (h.side != side)
                continue;
            kindAt[h.hubHole - 1] = h.kind;
            const double turn = Turn(h.angle, hub[side][h.hubHole - 1]);
            const double pitch = 360.0 / count[side];
            if (h.kind == kRadial) {
                EXPECT_LT(fabs(turn), pitch / 2) << "rim hole " << i + 1;
            } else {
                EXPECT_EQ(turn > 0, h.kind == kTrailing) << "rim hole " << i + 1;
            }
        }
        for (int k = 0; k < count[side]; k++) {
            if (crossings[side] == 0) {
                EXPECT_EQ(kindAt[k], kRadial);
            } else {
                EXPECT_NE(kindAt[k], kindAt[(k + 1) % count[side]]) << "hub hole " << k + 1;
            }
        }
    }

    // Each spoke crosses as many of its own side's as asked, in the plane,
    // while the spokes stay short of tangent (as far as a flange lets them
    // be laced).
    for (int i = 0; i < n; i++) {
        const RimHole &a = l.hole[i];
        if (crossings[a.side] * 360.0 / count[a.side] > 90)
            continue;
        int crossed = 0;
        for (int j = 0; j < n; j++) {
            const RimHole &b = l.hole[j];
            if (j != i && b.side == a.side &&
                Cross(SpokeLine(hub[a.side][a.hubHole - 1], a.angle),
                      SpokeLine(hub[b.side][b.hubHole - 1], b.angle)))
                crossed++;
        }
        EXPECT_EQ(crossed, crossings[a.side]) << "rim hole " << i + 1;
    }

    // The key spoke is side 2's (the drive side's) on equal sides, the fuller
    // side's on 2:1; it trails, and the spoke on the valve's other side leans
    // the same way; with equal sides the flanges are half a hole apart.
    EXPECT_EQ(l.keySide, c.spokes1 > c.spokes2 ? 1 : 2);
    EXPECT_EQ(l.hole[0].side, l.keySide);
    if (crossings[l.keySide] > 0) {
        EXPECT_EQ(l.hole[0].kind, kTrailing);
    }
    if (crossings[l.hole[n - 1].side] > 0) {
        EXPECT_EQ(l.hole[n - 1].kind, kTrailing);
    }
    if (c.spokes1 == c.spokes2) {
        EXPECT_NEAR(fabs(Turn(l.hub1[0], l.hub2[0])), 180.0 / c.spokes1, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, LacingRules, testing::ValuesIn(Cases()), Name);

// A builder who has only the steps: the key spoke's hub hole is any hole of
// its flange, the others are counted from it clockwise as seen from side 2,
// the other flange's holes from the one half a hole from the key spoke's, and
// rim holes clockwise from the valve. Laced so, the wheel is the table's, on a
// hub turned as the lacing turns it; heads alternate round each crossed
// flange, and each spoke reaches the rim hole the rim step gives its side.
class StepsReplayed : public testing::TestWithParam<Case> {};

TEST_P(StepsReplayed, RebuildTheTable)
{
    const Case c = GetParam();
    Lacing l;
    LacingStep steps[8];
    FlangeReference ref;
    if (!DoLacing(c.spokes1, c.spokes2, c.crossings1, c.crossings2, &l)) {
        EXPECT_EQ(LacingSteps(l, steps, 8), 0);
        EXPECT_FALSE(Lacing2Reference(l, &ref));
        return;
    }
    const int count = LacingSteps(l, steps, 8);
    ASSERT_TRUE(Lacing2Reference(l, &ref));
    const int n = l.spokes, key = l.keySide, other = 3 - key;
    const int spokes[3] = {0, c.spokes1, c.spokes2};
    const double *hub[3] = {nullptr, l.hub1, l.hub2};

    // The builder's hub: the key spoke's hole at an angle of its own.
    const double start = 200, keyPitch = 360.0 / spokes[key], otherPitch = 360.0 / spokes[other];
    auto builderHub = [&](int side, int hole) {
        return side == key ? start + (hole - ref.keyHub) * keyPitch
                           : start + ref.turn * keyPitch / 2 + (hole - ref.otherHub) * otherPitch;
    };
    const double turned = hub[key][ref.keyHub - 1] - start;
    for (int side = 1; side <= 2; side++)
        for (int h = 1; h <= spokes[side]; h++)
            EXPECT_NEAR(Turn(builderHub(side, h) + turned, hub[side][h - 1]), 0, 1e-9)
                << "side " << side << " hub hole " << h;

    // The key spoke first, alone; then every rim hole once, as the table has it.
    ASSERT_GE(count, 1);
    EXPECT_EQ(steps[0].count, 1);
    EXPECT_EQ(steps[0].side, key);
    EXPECT_EQ(steps[0].rimHole[0], 1);
    EXPECT_EQ(steps[0].hubHole[0], ref.keyHub);
    std::vector<int> laced(n + 1, 0);
    std::vector<std::vector<int>> heads(3);
    for (int side = 1; side <= 2; side++)
        heads[side].assign(spokes[side] + 1, -1);
    bool leadingYet = false;
    for (int s = 0; s < count; s++) {
        const LacingStep &step = steps[s];
        // Trailing and radial spokes before any leading one.
        EXPECT_FALSE(leadingYet && step.kind != kLeading) << "step " << s + 1;
        leadingYet = leadingYet || step.kind == kLeading;
        for (int i = 0; i < step.count; i++) {
            const int rim = step.rimHole[i];
            ASSERT_TRUE(rim >= 1 && rim <= n);
            laced[rim]++;
            const RimHole &h = l.hole[rim - 1];
            EXPECT_EQ(step.side, h.side) << "rim hole " << rim;
            EXPECT_EQ(step.hubHole[i], h.hubHole) << "rim hole " << rim;
            EXPECT_EQ(step.kind, h.kind) << "rim hole " << rim;
            heads[step.side][step.hubHole[i]] = Kind2Heads(step.kind);
            // Equal sides take the rim holes in turn, rim hole 1 the key
            // side's; 2:1 in threes, two of the key side's and one.
            const bool keys = c.spokes1 == c.spokes2 ? rim % 2 == 1 : rim % 3 != 0;
            EXPECT_EQ(step.side, keys ? key : other) << "rim hole " << rim;
        }
    }
    for (int r = 1; r <= n; r++)
        EXPECT_EQ(laced[r], 1) << "rim hole " << r;
    for (int side = 1; side <= 2; side++) {
        const bool radial = (side == 1 ? c.crossings1 : c.crossings2) == 0;
        for (int h = 1; h <= spokes[side]; h++) {
            const int next = heads[side][h % spokes[side] + 1];
            if (radial) {
                EXPECT_EQ(heads[side][h], kHeadsIn) << "side " << side << " hub hole " << h;
            } else {
                EXPECT_NE(heads[side][h], next) << "side " << side << " hub hole " << h;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, StepsReplayed, testing::ValuesIn(Cases()), Name);

} // namespace
