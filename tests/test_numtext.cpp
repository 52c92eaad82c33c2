// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Number text: the decimal comma in both directions, whatever the process locale.
#include <clocale>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "tests/locale_names.h"

#include "calc/numtext.h"

namespace {

struct ReadCase {
    const char *name;
    const char *text;
    double value;
    bool ok;
};

const ReadCase kReads[] = {
    {"comma", "12,5", 12.5, true},
    {"point", "12.5", 12.5, true},
    {"empty_is_zero_and_true", "", 0.0, true},
    {"letters_are_zero_and_false", "abc", 0.0, false},
    {"blanks_are_zero_and_false", "   ", 0.0, false},
    {"leading_space_trailing_unit", " 7,25mm", 7.25, true},
    {"thousands_point_ends_number", "1.234,5", 1.234, true},
    {"negative", "-3,75", -3.75, true},
    {"exponent", "1,5e2", 150.0, true},
    {"leading_lf_skipped", "\n601,5", 601.5, true},
    {"sign_only", "-", 0.0, false},
    {"hex_prefix_without_digits", "0x", 0.0, false},
    {"hex_number", " -0x1p3", -8.0, true},
    {"exponent_letter_alone", "12e", 12.0, true},
};

class Read : public ::testing::TestWithParam<ReadCase> {};

TEST_P(Read, Value)
{
    const ReadCase &c = GetParam();
    char text[64];
    snprintf(text, sizeof text, "%s", c.text);
    double v = -99;
    EXPECT_EQ(Str2Double(text, &v), c.ok ? TRUE : FALSE);
    EXPECT_DOUBLE_EQ(v, c.value);
}

INSTANTIATE_TEST_SUITE_P(Str2Double, Read, ::testing::ValuesIn(kReads),
                         [](const auto &info) { return std::string(info.param.name); });

// Str2Double reads what sscanf "%lf" reads, result and value to the bit: the
// spellings of infinity and not-a-number, and decimals at the edge of what a
// division by a power of ten rounds exactly ("9588669.333006409" and
// "84458534.636599306", of 16 and 17 significant digits, are past 2^53 as
// integers and would be rounded twice).
TEST(Str2Double, AgreesWithScanfToTheBit)
{
    const char *texts[] = {"inf",
                           "infi",
                           "infin",
                           "infini",
                           "infinit",
                           "Infinite",
                           "infinity",
                           "-INFINITY",
                           "+iNf5",
                           "in",
                           "nan",
                           "NaNx",
                           "nan(12)",
                           "n",
                           "0.1",
                           "602.35",
                           "-0",
                           "123456789012345",
                           "1234567890123456",
                           ".5",
                           "5.",
                           "0.30000000000000004",
                           "9007199254740993",
                           "9588669.333006409",
                           "84458534.636599306",
                           "1.0000000000000000000001",
                           "0.0000000000000000000001",
                           "0.00000000000000000000001",
                           "4.35 mm"};
    for (const char *t : texts) {
        char text[64];
        snprintf(text, sizeof text, "%s", t);
        double expected = 0, value = 0;
        const bool expectedOk = sscanf(t, "%lf", &expected) == 1;
        const bool ok = Str2Double(text, &value);
        EXPECT_EQ(ok, expectedOk) << t;
        if (!expectedOk)
            expected = 0;
        if (!std::isnan(expected)) {
            EXPECT_EQ(memcmp(&value, &expected, sizeof value), 0) << t << ": " << value;
        }
    }
}

TEST(Str2Double, TurnsCommasIntoPointsInPlace)
{
    char text[] = "12,5";
    double v;
    Str2Double(text, &v);
    EXPECT_STREQ(text, "12.5");
    char thousands[] = "1.234,5";
    Str2Double(thousands, &v);
    EXPECT_STREQ(thousands, "1.234.5");
}

struct WriteCase {
    const char *name;
    double value;
    SInt16 decimals;
    const char *text;
};

const WriteCase kWrites[] = {
    {"rounds_by_library", 281.2351, 2, "281,24"},
    {"zero", 0.0, 2, "0,00"},
    {"negative", -1.0, 2, "-1,00"},
    {"nine_decimals_fall_back_to_four", 3.14159, 9, "3,1416"},
    {"negative_decimals_fall_back_to_four", 3.14159, -1, "3,1416"},
    {"no_rounding_of_its_own", 0.125, 2, "0,12"},
    {"no_decimals", 292.5, 0, "292"},
    {"eight_decimals", 1.0 / 3.0, 8, "0,33333333"},
    {"negative_zero_keeps_sign", -0.0, 2, "-0,00"},
    {"no_grouping", 1234567.0, 1, "1234567,0"},
};

class Write : public ::testing::TestWithParam<WriteCase> {};

TEST_P(Write, Text)
{
    const WriteCase &c = GetParam();
    char text[kNumTextSize];
    Double2Str(c.value, c.decimals, text);
    EXPECT_STREQ(text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Double2Str, Write, ::testing::ValuesIn(kWrites),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Double2Str, HugeValuesStayInsideTheBuffer)
{
    // 1e300 with 8 decimals would need over 300 characters in fixed point.
    char text[kNumTextSize + 16];
    memset(text, 'X', sizeof text);
    Double2Str(1e300, 8, text);
    EXPECT_LT(strlen(text), (size_t)kNumTextSize);
    EXPECT_EQ(text[kNumTextSize], 'X') << "wrote past the 256-byte buffer";
    EXPECT_STREQ(text, "1e+300");
    Double2Str(-DBL_MAX, 2, text);
    EXPECT_STREQ(text, "-1,79769313486232e+308");
}

TEST(Double2Str, EveryMagnitudeFits)
{
    // Around the point where fixed-point text stops fitting 255 characters.
    for (int e = 240; e <= 308; e++) {
        for (SInt16 decimals : {0, 2, 8}) {
            char text[kNumTextSize + 1];
            text[kNumTextSize] = 'X';
            Double2Str(pow(10.0, e) * 1.5, decimals, text);
            ASSERT_EQ(text[kNumTextSize], 'X') << "1.5e" << e;
            ASSERT_LT(strlen(text), (size_t)kNumTextSize);
            ASSERT_EQ(strchr(text, '.'), nullptr);
            double back;
            ASSERT_TRUE(Str2Double(text, &back));
            ASSERT_NEAR(back / (pow(10.0, e) * 1.5), 1.0, 1e-14) << text;
        }
    }
}

TEST(Double2Str, NotANumber)
{
    char text[kNumTextSize];
    Double2Str(INFINITY, 2, text);
    EXPECT_STREQ(text, "inf");
    Double2Str(NAN, 2, text);
    EXPECT_NE(strstr(text, "nan"), nullptr);
}

// The windowing library sets the user's locale; the decimal comma must be the
// program's own rule all the same.
class UnderLocale : public ::testing::TestWithParam<const char *> {
  protected:
    void SetUp() override
    {
        saved_ = setlocale(LC_ALL, nullptr);
        if (!setlocale(LC_ALL, GetParam()))
            GTEST_SKIP() << GetParam() << " is not installed";
    }
    void TearDown() override { setlocale(LC_ALL, saved_.c_str()); }
    std::string saved_;
};

TEST_P(UnderLocale, ReadsAndWritesTheSame)
{
    char point[] = "12.5", comma[] = "12,5";
    double a, b;
    Str2Double(point, &a);
    Str2Double(comma, &b);
    EXPECT_DOUBLE_EQ(a, 12.5);
    EXPECT_DOUBLE_EQ(b, 12.5);
    char text[kNumTextSize];
    Double2Str(292.33, 2, text);
    EXPECT_STREQ(text, "292,33");
    Double2Str(1234.5, 1, text);
    EXPECT_STREQ(text, "1234,5");
}

INSTANTIATE_TEST_SUITE_P(Locales, UnderLocale,
                         ::testing::Values("C", "C.UTF-8", "en_US.UTF-8", "de_DE.UTF-8",
                                           "fr_FR.UTF-8"),
                         LocaleName());

} // namespace
