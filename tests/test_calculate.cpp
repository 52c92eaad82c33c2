// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Calculate command on the real form.
#include <QApplication>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

#include "calc/calculate_hit.h"
#include "calc/numtext.h"
#include "calc/spoke.h"
#include "form/items.h"
#include "tests/form_fixture.h"
#include "tests/locale_names.h"

namespace {

class Calculate : public FormTest {
  protected:
    void Fill(const char *rim, const char *d1, const char *d2, const char *z1, const char *z2,
              const char *hole, int crossings1, int crossings2, int spokesValue)
    {
        Field(iRimDiameter)->setText(QString::fromUtf8(rim));
        Field(iFlangeDiameter1)->setText(QString::fromUtf8(d1));
        Field(iFlangeDiameter2)->setText(QString::fromUtf8(d2));
        Field(iFlangeDistance1)->setText(QString::fromUtf8(z1));
        Field(iFlangeDistance2)->setText(QString::fromUtf8(z2));
        Field(iHoleDiameter)->setText(QString::fromUtf8(hole));
        Popup(iCrossings1)->setCurrentIndex(crossings1);
        Popup(iCrossings2)->setCurrentIndex(crossings2);
        ChooseValue(iSpokes, spokesValue);
    }
};

TEST_F(Calculate, WorkedExample)
{
    Fill("600", "45", "57", "35", "20", "2,6", 3, 3, 3);
    DoCalculateHit(form);
    EXPECT_EQ(Text(iLength1), "292,33");
    EXPECT_EQ(Text(iLength2), "289,10");
    EXPECT_EQ(Text(iHoleDiameter), "2,6") << "reading must not change what the user typed";
}

TEST_F(Calculate, PointAndCommaAreTheSame)
{
    Fill("600.0", "45,0", "57.00", "35", "20", "2.6", 3, 3, 3);
    DoCalculateHit(form);
    EXPECT_EQ(Text(iLength1), "292,33");
    EXPECT_EQ(Text(iLength2), "289,10");
}

TEST_F(Calculate, SpokeCountOutsideThePopupShowsNoResult)
{
    Fill("600", "45", "57", "35", "20", "2,6", 3, 3, 3);
    Popup(iSpokes)->setCurrentIndex(-1); // no entry: value 0
    DoCalculateHit(form);
    EXPECT_EQ(Text(iLength1), kNoResultText);
    EXPECT_EQ(Text(iLength2), kNoResultText);
}

TEST_F(Calculate, EmptyOrWordsCountAsZero)
{
    Fill("", "", "none", "", "", "", 0, 2, 1);
    DoCalculateHit(form);
    EXPECT_EQ(Text(iLength1), "0,00");
    EXPECT_EQ(Text(iLength2), "0,00");
    Field(iHoleDiameter)->setText(QStringLiteral("4"));
    DoCalculateHit(form);
    EXPECT_EQ(Text(iLength1), "-2,00");
}

// A length that is not a number or infinite shows "no result", never "nan" or
// "inf"; the other side still shows its own.
TEST_F(Calculate, NoFiniteLengthShowsNoResult)
{
    const struct {
        const char *name, *rim, *d1, *d2;
        bool side2Finite;
        bool infinite; // side 1's length overflows rather than being no number
    } cases[] = {
        // Radial, no offset, flange and rim equal but for the last digit: q falls
        // just below zero by rounding on side 1 only.
        {"square_root_of_less_than_zero", "367.23231643288085", "367.2323164328809", "45", true,
         false},
        {"infinity_minus_infinity", "1e200", "1e200", "1e200", false, false},
        {"overflow_to_infinity", "1e200", "0", "45", false, true},
    };
    for (const auto &c : cases) {
        Fill(c.rim, c.d1, c.d2, "0", "35", "0", 0, 3, 3);
        double length1, length2;
        DoCalculate(atof(c.d1), atof(c.d2), 0, 35, atof(c.rim), 0, 3, 32, 0, &length1, &length2);
        EXPECT_EQ(std::isinf(length1), c.infinite) << c.name;
        DoCalculateHit(form);
        EXPECT_EQ(Text(iLength1), kNoResultText) << c.name;
        EXPECT_EQ(Text(iLength2) != kNoResultText, c.side2Finite) << c.name;
    }
}

// A share that cannot be worked out shows nothing (which wheels give one is
// Wheel2Results' table, tests/test_results.cpp).
TEST_F(Calculate, NoTensionShareShowsNothing)
{
    Fill("600", "45", "57", "0", "20", "2,6", 3, 3, 3); // a flange distance of 0
    DoCalculateHit(form);
    EXPECT_EQ(Text(iTension1) + Text(iTension2), "");
    Fill("600", "45", "57", "35", "20", "2,6", 3, 3, 3);
    Popup(iSpokes)->setCurrentIndex(-1); // no length: no tension either
    DoCalculateHit(form);
    EXPECT_EQ(Text(iTension1) + Text(iTension2), "");
}

// The rim's spoke hole offset moves the spoke bed toward the side chosen:
// empty or 0 gives exactly the lengths of DoCalculate, whichever side; 2
// toward side 2 those of the shifted distances, toward side 1 the other way.
TEST_F(Calculate, RimOffset)
{
    const struct {
        const char *rim, *d1, *d2, *z1, *z2, *hole;
        int x1, x2, spokes;
        const char *offset;
        double shift;
    } cases[] = {
        {"600", "45", "57", "35", "20", "2,6", 3, 3, 3, "", 0},
        {"600", "45", "57", "35", "20", "2,6", 3, 3, 3, "0", 0},
        {"601,5", "44", "44", "25,5", "35,5", "2,4", 2, 1, 4, "0,00", 0},
        {"388", "38", "38", "35", "35", "2", 0, 0, 1, "-0", 0},
        {"622", "58", "58", "33", "22", "2,6", 4, 4, 4, "0", 0},
        {"600", "45", "57", "35", "20", "2,6", 3, 3, 3, "2", 2},
        {"600", "45", "57", "35", "20", "2,6", 3, 3, 3, "-1.5", -1.5},
    };
    for (int toward = 1; toward <= 2; toward++) {
        for (const auto &c : cases) {
            Fill(c.rim, c.d1, c.d2, c.z1, c.z2, c.hole, c.x1, c.x2, c.spokes);
            Field(iRimOffset)->setText(QString::fromUtf8(c.offset));
            ChooseValue(iOffsetSide, toward);
            DoCalculateHit(form);
            char text[7][32];
            const char *fields[] = {c.rim, c.d1, c.d2, c.z1, c.z2, c.hole};
            double v[6];
            for (int i = 0; i < 6; i++) {
                snprintf(text[i], sizeof text[i], "%s", fields[i]);
                Str2Double(text[i], &v[i]);
            }
            const double shift = toward == 2 ? c.shift : -c.shift;
            double l1, l2;
            DoCalculate(v[1], v[2], v[3] + shift, v[4] - shift, v[0], c.x1, c.x2,
                        SpokeCount(c.spokes), v[5], &l1, &l2);
            char expected1[kNumTextSize], expected2[kNumTextSize];
            Double2Str(l1, 2, expected1);
            Double2Str(l2, 2, expected2);
            EXPECT_EQ(Text(iLength1), expected1)
                << c.rim << " offset " << c.offset << " " << toward;
            EXPECT_EQ(Text(iLength2), expected2)
                << c.rim << " offset " << c.offset << " " << toward;
        }
    }
    Fill("600", "45", "57", "35", "20", "2,6", 3, 3, 3);
    Field(iRimOffset)->setText(QStringLiteral("2"));
    ChooseValue(iOffsetSide, 2);
    DoCalculateHit(form);
    EXPECT_EQ(Text(iLength1) + " " + Text(iLength2), "292,58 288,97");
    // A rear rim's holes toward side 1, as such rims are made: 2 mm evens the
    // tensions (33 and 22 from the centre plane).
    ChooseValue(iOffsetSide, 1);
    DoCalculateHit(form);
    EXPECT_EQ(Text(iLength1) + " " + Text(iLength2), "292,10 289,24");
}

class CalculateUnderLocale : public Calculate,
                             public ::testing::WithParamInterface<const char *> {};

TEST_P(CalculateUnderLocale, SameResults)
{
    const std::string saved = setlocale(LC_ALL, nullptr);
    if (!setlocale(LC_ALL, GetParam()))
        GTEST_SKIP() << GetParam() << " is not installed";
    Fill("600", "45", "57.0", "35,0", "20", "2.6", 3, 3, 3);
    DoCalculateHit(form);
    setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(Text(iLength1), "292,33");
    EXPECT_EQ(Text(iLength2), "289,10");
}

INSTANTIATE_TEST_SUITE_P(Locales, CalculateUnderLocale,
                         ::testing::Values("C", "en_US.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"),
                         LocaleName());

} // namespace
