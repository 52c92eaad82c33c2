// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Each side's length, tension share and bracing angle against every spoke of
// the lacing table built in three dimensions; the lacing note at its
// boundaries.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "calc/geometry.h"
#include "calc/lacing.h"
#include "calc/lacing_note.h"
#include "calc/spoke.h"
#include "calc/wheel.h"
#include "tests/built_wheel.h"

namespace {

// The hubs: the worked J-bend rear hub on an ERD 600 rim, and a straight-pull
// front hub (PCD 55,5, 27 and 35,4 from the centre) on ERD 599, its seats on
// the radial line, 1,5 mm off it, or sending the spokes along the tangent.
struct Hub {
    const char *name;
    double d1, d2, z1, z2, rim, hole;
    bool straightPull;
    int exit;
    double seatOffset;
};
const Hub kHubs[] = {
    {"jbend", 45, 57, 35, 20, 600, 2.6, false, kExitAimed, 0},
    {"straight_pull_aimed", 55.5, 55.5, 27, 35.4, 599, 0, true, kExitAimed, 0},
    {"straight_pull_seat_offset", 55.5, 55.5, 27, 35.4, 599, 0, true, kExitAimed, 1.5},
    {"straight_pull_tangential", 55.5, 55.5, 27, 35.4, 599, 0, true, kExitTangential, 0},
};

struct Count {
    int spokes, sharing;
};

std::vector<Count> Counts()
{
    std::vector<Count> out;
    for (int value = 1; value <= 9; value++) {
        const int n = (int)SpokeCount(value);
        out.push_back({n, kSidesEqual});
        if (CanLaceTwoToOne(n)) {
            out.push_back({n, kSidesMoreOn2});
            out.push_back({n, kSidesMoreOn1});
        }
    }
    return out;
}

std::string CountName(const testing::TestParamInfo<Count> &info)
{
    const char *sharing[] = {"", "equal", "more_on_2", "more_on_1"};
    return std::to_string(info.param.spokes) + "_" + sharing[info.param.sharing];
}

class BuiltInSpace : public testing::TestWithParam<Count> {};

// Every crossing of the popup on both sides, every hub: where the lacing
// exists, each spoke built from the table has the side's length and bracing,
// the flange turned to balance its spokes leaves them spanning the side's
// angle, and the sideways pulls of the built spokes share the tension as the
// form does; where it does not exist, the J-bend wheel gets a note.
TEST_P(BuiltInSpace, EverySpokeOfTheLacingTable)
{
    const Count c = GetParam();
    double n1, n2;
    SideSpokes(c.spokes, c.sharing, &n1, &n2);
    for (const Hub &hub : kHubs) {
        for (int x1 = 0; x1 <= 4; x1++) {
            for (int x2 = 0; x2 <= 4; x2++) {
                SCOPED_TRACE(std::string(hub.name) + " " + std::to_string(x1) + "x" +
                             std::to_string(x2));
                const SpokeSide sides[2] = {
                    {hub.d1, hub.z1, hub.rim, (double)x1, n1, (double)c.spokes, hub.straightPull,
                     hub.exit, hub.seatOffset},
                    {hub.d2, hub.z2, hub.rim, (double)x2, n2, (double)c.spokes, hub.straightPull,
                     hub.exit, hub.seatOffset}};
                Lacing lacing;
                if (!DoLacing((int)n1 / 2, (int)n2 / 2, x1, x2, &lacing)) {
                    if (!hub.straightPull) {
                        EXPECT_NE(LacingNoteOf(sides[0], sides[1], hub.hole, 0, 0).kind, kNoteNone);
                    }
                    continue;
                }
                double pull[2];
                for (int s = 0; s < 2; s++) {
                    const BuiltSide b = {(s ? hub.d2 : hub.d1) / 2, s ? hub.z2 : hub.z1,
                                         hub.rim / 2,
                                         !hub.straightPull             ? Seat::kHole
                                         : hub.exit == kExitTangential ? Seat::kTangentSeat
                                                                       : Seat::kAimedSeat,
                                         hub.seatOffset};
                    const double turn = BalancedTurn(lacing, s + 1, b);
                    const double length = SideGeometric(sides[s]);
                    const double bracing = SideBracing(sides[s]);
                    const double span = std::fabs(
                        SpokeSpan(sides[s].crossings, sides[s].spokes, sides[s].wheelSpokes));
                    bool pointsBack = false;
                    pull[s] = 0;
                    for (const BuiltSpoke &spoke : BuildSide(lacing, s + 1, b, turn)) {
                        ASSERT_NEAR(spoke.length, length, 1e-6) << "side " << s + 1;
                        EXPECT_NEAR(asin(b.z / spoke.length) * 180 / M_PI, bracing, 1e-6);
                        // The flange stays where the lacing put it, but for
                        // radial spokes off their lines, which turn it.
                        if (b.seat == Seat::kHole ||
                            (b.seat == Seat::kAimedSeat && (span > 0 || b.offset == 0))) {
                            EXPECT_NEAR(std::fabs(spoke.span), span, 1e-7) << "side " << s + 1;
                        }
                        if (b.seat == Seat::kTangentSeat)
                            EXPECT_NEAR(spoke.tangent, 0, 1e-6) << "leaves along the tangent";
                        else
                            pointsBack = pointsBack || spoke.tangent <= 0 || span > M_PI / 2;
                        pull[s] += b.z / spoke.length;
                    }
                    EXPECT_EQ(pointsBack, PointsBackOverFlange(sides[s])) << "side " << s + 1;
                    const double shown = SideSpokeLength(sides[s], hub.hole);
                    EXPECT_NEAR(shown, 0.998 * length - hub.hole / 2, 0.005 + 1e-6);
                }
                // n1 T1 Z1 / L1 = n2 T2 Z2 / L2: the tighter side at 100.
                double p1, p2;
                ASSERT_TRUE(SidesTensionBalance(sides[0], sides[1], &p1, &p2));
                const double t1 = 1 / pull[0], t2 = 1 / pull[1];
                EXPECT_NEAR(p1, 100 * t1 / std::max(t1, t2), 1e-6);
                EXPECT_NEAR(p2, 100 * t2 / std::max(t1, t2), 1e-6);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWheel, BuiltInSpace, testing::ValuesIn(Counts()), CountName);

// The fuller side of 24 spokes 2:1 at 2 crossings spans 45° less a quarter
// of the 15° rim hole pitch, 41,25°, and the lighter side its full 90°; on
// the worked hub (side 2 fuller, r 28,5, R 300, Z 20):
// L = sqrt(28,5² + 300² - 2 x 28,5 x 300 cos 41,25° + 20²) = 279,921, shown
// 0,998 L - 1,3 = 278,06 (279,42 at 45°, a side laced as a wheel of 32).
TEST(SpokeSpan, TwoToOneByHand)
{
    EXPECT_NEAR(SpokeSpan(2, 32, 24) * 180 / M_PI, 41.25, 1e-6);
    EXPECT_NEAR(SpokeSpan(2, 16, 24) * 180 / M_PI, 90, 1e-6);
    const SpokeSide fuller = {57, 20, 600, 2, 32, 24, false, kExitAimed, 0};
    EXPECT_NEAR(SideGeometric(fuller), 279.921, 1e-3);
    EXPECT_EQ(SideSpokeLength(fuller, 2.6), 278.06);
    // Equal sides keep DoCalculate's expression to the last bit.
    for (double n : {16.0, 18.0, 20.0, 24.0, 28.0, 32.0, 36.0, 40.0, 48.0})
        for (double x = 0; x <= 4; x++)
            EXPECT_EQ(SpokeSpan(x, n, n), (12.566370616 * x) / n);
}

// Straight-pull, PCD 55,5 (r 27,75), ERD 599 (R 299,5), Z 27, 24 spokes at 2
// crossings (60°): aimed from the radial line 287,903; a seat 1 mm along the
// flange toward the rim end shortens it by R sin 60° / L = 0,90 mm; along
// the tangent sqrt(299,5² - 27,75² + 27²) = 299,431, reached at acos(27,75 /
// 299,5) = 84,68°, 2,82 crossings of a side of 12.
TEST(StraightPull, ByHand)
{
    SpokeSide side = {55.5, 27, 599, 2, 24, 24, true, kExitAimed, 0};
    EXPECT_NEAR(SideGeometric(side), 287.903, 1e-3);
    side.seatOffset = 1;
    EXPECT_NEAR(SideGeometric(side), 287.003, 1e-3);
    side.exit = kExitTangential;
    EXPECT_NEAR(SideGeometric(side), 299.431, 1e-3);
    EXPECT_NEAR(HubCrossings(side), 2.823, 1e-3);
    side.seatDiameter = 600; // wider than the rim: no tangent reaches it
    EXPECT_TRUE(std::isnan(SideGeometric(side)));
}

// The worked J-bend hub (flanges 45 and 57, ERD 600, hole 2,6) with equal
// sides: the tangent is at acos(22,5 / 300) = 85,70° for side 1 and
// acos(28,5 / 300) = 84,55° for side 2; the spoke line passes the next hole's
// centre (a head of at least the hole's 1,3 mm radius) at, side 1 / side 2:
// 32x4 90°, 1,06 / 1,13 mm; 24x3 90°, 2,17 / 2,45; 16x2 90°, 5,38 / 6,40;
// 32x3 67,5°, 4,35 / 5,31; 36x3 60°, 4,61 / 5,69; 24x2 60°, 7,66 / 9,50.
TEST(LacingNote, Boundaries)
{
    const struct {
        const char *name;
        double spokes, crossings;
        NoteKind kind;
        double clearance1;
    } cases[] = {
        {"32x4", 32, 4, kNoteBothPastTangent, 1.064},
        {"24x3", 24, 3, kNoteBothPastTangent, 2.165},
        {"16x2", 16, 2, kNoteBothPastTangent, 5.382},
        {"32x3", 32, 3, kNoteNone, 4.346},
        {"36x3", 36, 3, kNoteNone, 4.608},
        {"24x2", 24, 2, kNoteNone, 7.662},
    };
    for (const auto &c : cases) {
        const SpokeSide s1 = {45, 35, 600, c.crossings, c.spokes, c.spokes, false, kExitAimed, 0};
        const SpokeSide s2 = {57, 20, 600, c.crossings, c.spokes, c.spokes, false, kExitAimed, 0};
        EXPECT_EQ(LacingNoteOf(s1, s2, 2.6, 0, 0).kind, c.kind) << c.name;
        EXPECT_NEAR(NextHoleClearance(s1), c.clearance1, 1e-3) << c.name;
    }
    // 32x4 on one side alone: past the tangent by 4,30° (one sentence), and
    // its next hole's head would be passed at 1,06 mm.
    const SpokeSide s1 = {45, 35, 600, 4, 32, 32, false, kExitAimed, 0};
    SpokeSide s2 = {57, 20, 600, 3, 32, 32, false, kExitAimed, 0};
    LacingNote note = LacingNoteOf(s1, s2, 2.6, 0, 0);
    EXPECT_EQ(note.kind, kNotePastTangent);
    EXPECT_EQ(note.side, 1);
    EXPECT_NEAR(note.limit, 85.70, 0.01);
    // A head passed closer than its radius, the tangent not reached: a small
    // wheel (ERD 300) on a 30 mm flange at 36x4 spans 80°, short of
    // acos(15 / 150) = 84,26°, but passes the next hole's centre at 1,28 mm.
    s2 = {30, 20, 300, 4, 36, 36, false, kExitAimed, 0};
    const SpokeSide s1b = {30, 20, 300, 3, 36, 36, false, kExitAimed, 0};
    note = LacingNoteOf(s1b, s2, 2.6, 0, 0);
    EXPECT_EQ(note.kind, kNoteOverHead);
    EXPECT_EQ(note.side, 2);
    EXPECT_NEAR(note.distance, 1.285, 1e-3);
    EXPECT_EQ(LacingNoteOf(s1b, s2, 2.4, 0, 0).kind, kNoteNone) << "a smaller head clears it";
    // 18 spokes on equal sides, crossed: cannot alternate; radial may.
    const SpokeSide odd = {45, 35, 600, 2, 18, 18, false, kExitAimed, 0};
    const SpokeSide radial = {57, 20, 600, 0, 18, 18, false, kExitAimed, 0};
    EXPECT_EQ(LacingNoteOf(odd, radial, 2.6, 0, 0).kind, kNoteUneven);
    EXPECT_EQ(LacingNoteOf(radial, radial, 2.6, 2, 40).kind, kNoteMaySlacken);
}

// The maker's positive figure and the side the holes sit toward.
TEST(OffsetTowardSide2, FollowsTheChosenSide)
{
    EXPECT_EQ(OffsetTowardSide2(3, 2), 3);
    EXPECT_EQ(OffsetTowardSide2(3, 1), -3);
    EXPECT_EQ(OffsetTowardSide2(0, 1) + 35, 35);
}

// A wheel record's sides: 24 spokes, 16 on side 2, the rim's 3 mm toward side
// 1, straight-pull seats 1,5 mm off their lines.
TEST(WheelSides, FromTheRecord)
{
    Wheel w = {};
    w.rim.diameter = 599, w.rim.offset = 3, w.rim.offsetSide = 1;
    w.hub.flangeDiameter1 = w.hub.flangeDiameter2 = 55.5;
    w.hub.flangeDistance1 = 27, w.hub.flangeDistance2 = 35.4;
    w.hub.exit = kExitAimed, w.hub.seatOffset = 1.5;
    w.crossings1 = 1, w.crossings2 = 2, w.spokes = 24, w.sharing = kSidesMoreOn2;
    SpokeSide s1, s2;
    WheelSides(w, true, &s1, &s2);
    EXPECT_EQ(s1.distance, 24);
    EXPECT_EQ(s2.distance, 38.4);
    EXPECT_EQ(s1.spokes, 16);
    EXPECT_EQ(s2.spokes, 32);
    EXPECT_EQ(s2.wheelSpokes, 24);
    EXPECT_EQ(s2.seatOffset, 1.5);
    WheelSides(w, false, &s1, &s2);
    EXPECT_FALSE(s1.straightPull);
    EXPECT_EQ(s1.seatOffset, 0) << "a J-bend hole has no seat offset";
}

} // namespace
