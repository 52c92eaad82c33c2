// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What cannot be: target tensions no spoke takes, parts no wheel has, lacings
// that cannot be laced.
#include <math.h>

#include <string>

#include <gtest/gtest.h>

#include "calc/checks.h"

namespace {

const std::string kNines(255, '9');

struct TargetCase {
    const char *name;
    std::string text;
    bool newtons;
    TargetKind kind;
};

const TargetCase kTargets[] = {
    {"NothingTyped", "", false, kTargetEmpty},
    {"BlanksOnly", "  \t", false, kTargetEmpty},
    {"UsualKgf", "120", false, kTargetInRange},
    {"UsualNewtonsWithComma", "1176,8", true, kTargetInRange},
    {"LeastKgf", "60", false, kTargetInRange},
    {"MostKgf", "200", false, kTargetInRange},
    {"JustOverMostKgf", "200,1", false, kTargetOutOfRange},
    {"JustUnderLeastKgf", "59,9", false, kTargetOutOfRange},
    {"LeastNewtons", "588", true, kTargetInRange},
    {"MostNewtons", "1962", true, kTargetInRange},
    {"JustOverMostNewtons", "1963", true, kTargetOutOfRange},
    {"HundredThousandKgf", "1e5", false, kTargetOutOfRange},
    {"TwoHundredFiftyFiveNines", kNines, false, kTargetOutOfRange},
    {"Huge1e308Newtons", "1e308", true, kTargetOutOfRange},
    {"NewtonsTypedAsKgf", "1200", false, kTargetOtherUnit},
    {"KgfTypedAsNewtons", "120", true, kTargetOtherUnit},
    {"Negative", "-120", false, kTargetOutOfRange},
    {"Zero", "0", false, kTargetOutOfRange},
    {"NotANumberWord", "nan", false, kTargetNotNumber},
    {"Infinity", "inf", true, kTargetNotNumber},
    {"OverflowsToInfinity", "1e400", false, kTargetNotNumber},
    {"HexadecimalIsNot120", "0x78", false, kTargetNotNumber},
    {"NegativeHexadecimal", " -0X78", true, kTargetNotNumber},
    {"Letters", "abc", false, kTargetNotNumber},
};

class Target : public testing::TestWithParam<TargetCase> {};

TEST_P(Target, Kind)
{
    const TargetCase &c = GetParam();
    double value = -1;
    EXPECT_EQ(ReadTarget(c.text.c_str(), c.newtons, &value), c.kind);
}

INSTANTIATE_TEST_SUITE_P(ReadTarget, Target, testing::ValuesIn(kTargets),
                         [](const auto &info) { return std::string(info.param.name); });

// The worked wheel's parts: ERD 600, flanges 45 and 57 at 35 and 20 mm.
struct PartsCase {
    const char *name;
    double rim, offset, diameter1, diameter2, distance1, distance2;
    PartsKind kind;
    int side;
};

const PartsCase kParts[] = {
    {"WorkedWheel", 600, 0, 45, 57, 35, 20, kPartsFine, 0},
    {"OffsetRimWithinTheFlanges", 600, 5, 45, 57, 35, 20, kPartsFine, 0},
    {"ErdZero", 0, 0, 45, 57, 35, 20, kPartsNoRim, 0},
    {"ErdNegative", -600, 0, 45, 57, 35, 20, kPartsNoRim, 0},
    {"ErdNotANumber", NAN, 0, 45, 57, 35, 20, kPartsNoRim, 0},
    {"FlangesBiggerThanTheRim", 100, 0, 300, 300, 35, 20, kPartsFlangeOverRim, 1},
    {"Side2FlangeAsWideAsTheRim", 600, 0, 45, 600, 35, 20, kPartsFlangeOverRim, 2},
    {"NegativeFlangeDistance", 600, 0, 45, 57, -6.8, 20, kPartsFlangeDistance, 1},
    {"Side2FlangeAtTheCentre", 600, 0, 45, 57, 35, 0, kPartsFlangeDistance, 2},
    {"OffsetPastSide2Flange", 600, 25, 45, 57, 35, 20, kPartsOffsetPastFlange, 2},
    {"OffsetPastSide1Flange", 600, -40, 45, 57, 35, 20, kPartsOffsetPastFlange, 1},
};

class Parts : public testing::TestWithParam<PartsCase> {};

TEST_P(Parts, Check)
{
    const PartsCase &c = GetParam();
    const PartsCheck p =
        CheckParts(c.rim, c.offset, c.diameter1, c.diameter2, c.distance1, c.distance2);
    EXPECT_EQ(p.kind, c.kind);
    EXPECT_EQ(p.side, c.side);
}

INSTANTIATE_TEST_SUITE_P(CheckParts, Parts, testing::ValuesIn(kParts),
                         [](const auto &info) { return std::string(info.param.name); });

struct LacingCase {
    const char *name;
    int spokes1, spokes2, crossings1, crossings2;
    LacingKind kind;
    int side, most;
};

const LacingCase kLacings[] = {
    {"ThirtyTwoThreeCross", 16, 16, 3, 3, kLacingFine, 0, 0},
    {"TwentyFourTwoToOne", 8, 16, 2, 2, kLacingFine, 0, 0},
    {"EighteenRadial", 9, 9, 0, 0, kLacingFine, 0, 0},
    {"SixteenAtFourCrossings", 8, 8, 4, 4, kLacingTooManyCrossings, 1, 3},
    {"EighteenEqualCrossed", 9, 9, 2, 2, kLacingOddCrossedSide, 1, 0},
    {"EighteenSide2CrossedAlone", 9, 9, 0, 1, kLacingOddCrossedSide, 2, 0},
    {"NoSpokes", 0, 0, 3, 3, kLacingOtherCounts, 1, 0},
};

class Laceable : public testing::TestWithParam<LacingCase> {};

TEST_P(Laceable, Check)
{
    const LacingCase &c = GetParam();
    const LacingCheck l = CheckLacing(c.spokes1, c.spokes2, c.crossings1, c.crossings2);
    EXPECT_EQ(l.kind, c.kind);
    EXPECT_EQ(l.side, c.side);
    EXPECT_EQ(l.most, c.most);
}

INSTANTIATE_TEST_SUITE_P(CheckLacing, Laceable, testing::ValuesIn(kLacings),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
