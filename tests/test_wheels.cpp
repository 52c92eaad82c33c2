// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The wheels beyond equal J-bend sides on the real form: every spoke count,
// 2:1 lacing, straight-pull heads, the lacing note and the form's size.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <cstring>
#include <string>

#include "calc/calculate_hit.h"
#include "calc/numtext.h"
#include "calc/spoke.h"
#include "form/commands.h"
#include "form/items.h"
#include "tests/form_fixture.h"

namespace {

class Wheels : public FormTest {
  protected:
    void SetUp() override
    {
        FormTest::SetUp();
        FillWorkedExample(); // 600, 45/57, 35/20, hole 2,6
    }
    // What the form shows for DoCalculate's lengths of these inputs.
    static std::string Expected(double x1, double x2, double spokes1, double spokes2, double hole)
    {
        double l1, l2, unused;
        DoCalculate(45, 57, 35, 20, 600, x1, x2, spokes1, hole, &l1, &unused);
        DoCalculate(45, 57, 35, 20, 600, x1, x2, spokes2, hole, &unused, &l2);
        char t1[kNumTextSize], t2[kNumTextSize];
        Double2Str(l1, 2, t1);
        Double2Str(l2, 2, t2);
        return std::string(t1) + " " + t2;
    }
    std::string Lengths() { return Text(iLength1) + " " + Text(iLength2); }
    static std::string Label(int n)
    {
        return qobject_cast<QLabel *>(Item(n))->text().toStdString();
    }
};

TEST_F(Wheels, EveryCountAndCrossingGivesDoCalculatesLengths)
{
    const char *entries[] = {"16", "18", "20", "24", "28", "32", "36", "40", "48"};
    ASSERT_EQ(Popup(iSpokes)->count(), 9);
    for (int i = 0; i < 9; i++) {
        ASSERT_EQ(Popup(iSpokes)->itemText(i).toStdString(), entries[i]) << "ascending order";
        Popup(iSpokes)->setCurrentIndex(i);
        const double spokes = SpokeCount(XDlgGetValue(form, iSpokes));
        ASSERT_EQ(spokes, atof(entries[i]));
        for (int x = 0; x <= 4; x++) {
            Popup(iCrossings1)->setCurrentIndex(x);
            Popup(iCrossings2)->setCurrentIndex(4 - x);
            DoCalculateHit(form);
            EXPECT_EQ(Lengths(), Expected(x, 4 - x, spokes, spokes, 2.6))
                << entries[i] << " spokes, " << x << " crossings";
        }
    }
}

// Each side is DoCalculate with twice its own spokes; the popup is offered
// only where the count divides by 3 and goes back to equal elsewhere.
TEST_F(Wheels, TwoToOneSidesAreLacedWithTheirOwnCounts)
{
    const struct {
        int spokesValue, sharing;
        double spokes1, spokes2;
    } cases[] = {
        {4, kSidesEqual, 36, 36},   {6, kSidesMoreOn2, 12, 24}, {1, kSidesMoreOn2, 16, 32},
        {9, kSidesMoreOn2, 32, 64}, {4, kSidesMoreOn1, 48, 24},
    };
    Popup(iCrossings1)->setCurrentIndex(2);
    Popup(iCrossings2)->setCurrentIndex(2);
    for (const auto &c : cases) {
        ChooseValue(iSpokes, c.spokesValue);
        DoSpokeCountHit(form);
        EXPECT_TRUE(Popup(iSpokesPerSide)->isEnabled()) << c.spokesValue;
        ChooseValue(iSpokesPerSide, c.sharing);
        DoCalculateHit(form);
        EXPECT_EQ(Lengths(), Expected(2, 2, c.spokes1, c.spokes2, 2.6)) << c.spokesValue;
    }
    // The last wheel was 2:1: 32 spokes take no 2:1, so the popup goes back to equal.
    ChooseValue(iSpokes, 3);
    DoSpokeCountHit(form);
    EXPECT_FALSE(Popup(iSpokesPerSide)->isEnabled());
    EXPECT_EQ(XDlgGetValue(form, iSpokesPerSide), kSidesEqual);
}

TEST_F(Wheels, StraightPullTakesNoHoleAndSaysWhatItsFiguresAre)
{
    ChooseValue(iSpokeHead, kStraightPullHead);
    DoSpokeHeadHit(form);
    EXPECT_FALSE(Field(iHoleDiameter)->isEnabled());
    EXPECT_EQ(Label(iSeatDiameterLabel), "Head seat circle diameter (PCD):");
    EXPECT_EQ(Field(iFlangeDistance2)->accessibleName().toStdString(),
              "Side 2 head seat distance from the centre");
    DoCalculateHit(form);
    EXPECT_EQ(Lengths(), Expected(3, 3, 32, 32, 0));
    ChooseValue(iSpokeHead, kJBendHead);
    DoSpokeHeadHit(form);
    EXPECT_TRUE(Field(iHoleDiameter)->isEnabled());
    EXPECT_EQ(Label(iSeatDiameterLabel), "Flange diameter:");
    EXPECT_EQ(Field(iFlangeDiameter1)->accessibleName().toStdString(), "Side 1 flange diameter");
    DoCalculateHit(form);
    EXPECT_EQ(Lengths(), "292,33 289,10");
}

// A side whose crossing angle (720 x crossings / its 2n) passes 90 degrees.
TEST_F(Wheels, LacingNoteOnlyPastAQuarterTurn)
{
    const struct {
        int spokesValue, sharing, x1, x2;
        const char *note; // start of it; "" for none
    } cases[] = {
        {1, kSidesEqual, 3, 3, ""}, // 24: 90 degrees exactly
        {5, kSidesEqual, 2, 1, ""}, // 16: 90 and 45
        {7, kSidesEqual, 0, 3, "Side 2: 3 crossings on its 10 spokes reach 108°"},
        {5, kSidesEqual, 3, 2, "Side 1: 3 crossings on its 8 spokes reach 135°"},
        {7, kSidesEqual, 3, 3, "Both sides: 3 and 3 crossings on 10 and 10 spokes"},
        {6, kSidesMoreOn2, 2, 3, "Side 1: 2 crossings on its 6 spokes reach 120°"},
        {6, kSidesMoreOn2, 1, 3, ""}, // 60 and 90 degrees
    };
    for (const auto &c : cases) {
        ChooseValue(iSpokes, c.spokesValue);
        DoSpokeCountHit(form);
        ChooseValue(iSpokesPerSide, c.sharing);
        Popup(iCrossings1)->setCurrentIndex(c.x1);
        Popup(iCrossings2)->setCurrentIndex(c.x2);
        DoCalculateHit(form);
        EXPECT_EQ(Label(iLacingNote).substr(0, strlen(c.note)), c.note) << c.spokesValue;
        EXPECT_EQ(Label(iLacingNote).empty(), !*c.note) << c.spokesValue;
        EXPECT_NE(Text(iLength1), "0,00") << "the lengths are still computed";
    }
}

// The worked wheel with 2,0/1,8/2,0 spokes on both sides: the target in kgf or
// in newtons (1 kgf = 9,80665 N) gives the same stretch and lengths to buy.
// Geometric lengths 294,22 and 290,98, side 1 at 57,78 %; unstretched (less
// the half hole 1,3 and the stretch) 292,52 and 288,99.
TEST_F(Wheels, TargetInKgfOrNewtons)
{
    const struct {
        const char *target;
        int unit, stock;
        const char *tension1, *tension2, *stretch1, *stretch2, *buy1, *buy2;
    } cases[] = {
        {"120", kUnitKgf, kStockEven2mm, "58 % · 69 kgf", "100 % · 120 kgf", "0,40", "0,69",
         "292 mm, -0,5", "288 mm, -1,0"},
        {"1176,798", kUnitNewton, kStockEven2mm, "58 % · 680 N", "100 % · 1177 N", "0,40", "0,69",
         "292 mm, -0,5", "288 mm, -1,0"},
        {"1176.798", kUnitNewton, kStock1mm, "58 % · 680 N", "100 % · 1177 N", "0,40", "0,69",
         "293 mm, +0,5", "289 mm, +0,0"},
        // No target: today's tensions, and today's lengths 292,33 and 289,10 rounded.
        {"", kUnitKgf, kStockEven2mm, "58 %", "100 %", "", "", "292 mm, -0,3", "290 mm, +0,9"},
    };
    ChooseValue(iGauge1, kGaugeButted201820);
    ChooseValue(iGauge2, kGaugeButted201820);
    for (const auto &c : cases) {
        Field(iTargetTension)->setText(c.target);
        ChooseValue(iTensionUnit, c.unit);
        ChooseValue(iStockLengths, c.stock);
        DoCalculateHit(form);
        EXPECT_EQ(Lengths(), "292,33 289,10");
        EXPECT_EQ(Text(iTension1) + " | " + Text(iTension2),
                  std::string(c.tension1) + " | " + c.tension2);
        EXPECT_EQ(Text(iStretch1) + " " + Text(iStretch2),
                  std::string(c.stretch1) + " " + c.stretch2);
        EXPECT_EQ(Text(iLengthToBuy1) + " | " + Text(iLengthToBuy2),
                  std::string(c.buy1) + " | " + c.buy2);
    }
}

// With 2:1 the side with fewer spokes carries more tension each; a looser side
// below half the target's may go slack, unless the note already says that a
// side cannot be laced at all.
TEST_F(Wheels, TensionSharesWithUnequalCounts)
{
    const struct {
        int spokesValue, sharing, crossings;
        const char *tension1, *tension2, *note;
    } cases[] = {
        {1, kSidesMoreOn2, 2, "100 % · 120 kgf", "81 % · 98 kgf", ""},                  // 8 and 16
        {4, kSidesMoreOn1, 3, "27 % · 33 kgf", "100 % · 120 kgf", "Side 1 at 27 % of"}, // 24, 12
        {1, kSidesMoreOn1, 2, "27 % · 33 kgf", "100 % · 120 kgf", "Side 1 at 27 % of"},
        {1, kSidesMoreOn1, 3, "26 % · 31 kgf", "100 % · 120 kgf", "Side 2: 3 crossings"},
        {3, kSidesEqual, 3, "58 % · 69 kgf", "100 % · 120 kgf", ""},
    };
    Field(iTargetTension)->setText("120");
    for (const auto &c : cases) {
        ChooseValue(iSpokes, c.spokesValue);
        DoSpokeCountHit(form);
        ChooseValue(iSpokesPerSide, c.sharing);
        Popup(iCrossings1)->setCurrentIndex(c.crossings);
        Popup(iCrossings2)->setCurrentIndex(c.crossings);
        DoCalculateHit(form);
        EXPECT_EQ(Text(iTension1) + " | " + Text(iTension2),
                  std::string(c.tension1) + " | " + c.tension2)
            << c.spokesValue << " " << c.sharing;
        EXPECT_EQ(Label(iLacingNote).substr(0, strlen(c.note)), c.note) << c.spokesValue;
        EXPECT_EQ(Label(iLacingNote).empty(), !*c.note) << c.spokesValue;
    }
}

// The window with openbox's title bar (about 22 pixels at scale 1) fits in
// 700 pixels, with the rows still to come.
TEST_F(Wheels, FormFitsALaptopScreen)
{
    const int titleBar = 30; // a generous allowance for the title bar and frame
    EXPECT_LE(FormWidget()->height() + titleBar, 700);
}

} // namespace
