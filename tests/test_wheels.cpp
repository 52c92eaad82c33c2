// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The wheels beyond equal J-bend sides on the real form: every spoke count,
// 2:1 lacing, straight-pull heads, the lacing note and the form's size.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <cmath>
#include <cstring>
#include <string>

#include "calc/calculate_hit.h"
#include "calc/geometry.h"
#include "calc/numtext.h"
#include "calc/spoke.h"
#include "form/commands.h"
#include "form/items.h"
#include "tests/built_wheel.h"
#include "form/wheel.h"
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

// The lighter side of 2:1 is DoCalculate with twice its own spokes; the
// fuller side's spokes are as long as the lacing table's, built in space
// (its paired rim holes take a quarter rim hole pitch off the span). The
// popup is offered only where the count divides by 3 and goes back to equal
// elsewhere.
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
        const std::string equal = Expected(2, 2, c.spokes1, c.spokes2, 2.6);
        const std::string light1 = equal.substr(0, equal.find(' '));
        const std::string light2 = equal.substr(equal.find(' ') + 1);
        if (c.spokes1 <= c.spokes2) {
            EXPECT_EQ(Text(iLength1), light1) << c.spokesValue;
        }
        if (c.spokes2 <= c.spokes1) {
            EXPECT_EQ(Text(iLength2), light2) << c.spokesValue;
        }
        Lacing lacing;
        ASSERT_TRUE(DoLacing((int)c.spokes1 / 2, (int)c.spokes2 / 2, 2, 2, &lacing));
        for (int side = 1; side <= 2; side++) {
            const BuiltSide b = {(side == 1 ? 45 : 57) / 2.0, side == 1 ? 35.0 : 20.0, 300,
                                 Seat::kHole, 0};
            const double built = BuildSide(lacing, side, b, 0).front().length;
            char text[kNumTextSize];
            Double2Str(round((0.998 * built - 1.3) * 100) / 100, 2, text);
            EXPECT_EQ(Text(side == 1 ? iLength1 : iLength2), text) << c.spokesValue;
        }
    }
    // The worked hub, 24 spokes, 16 on side 2, 2 crossings: 41,25° rather than
    // 45°, 278,06 rather than 279,42.
    ChooseValue(iSpokes, 1);
    DoSpokeCountHit(form);
    ChooseValue(iSpokesPerSide, kSidesMoreOn2);
    DoCalculateHit(form);
    EXPECT_EQ(Text(iLength2), "278,06");
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
    // Seats 1 mm off the radial line toward the rim end, 67,5° round:
    // sqrt(300² + r² + 1 - 2 x 300 (r cos 67,5° + sin 67,5°) + Z²) = 293,278 and
    // 290,026.
    EXPECT_TRUE(Popup(iSpokeExit)->isEnabled());
    EXPECT_TRUE(Field(iSeatOffset)->isEnabled());
    Field(iSeatOffset)->setText("1");
    DoCalculateHit(form);
    EXPECT_EQ(Lengths(), "292,69 289,45");
    // Along the tangent: sqrt(300² - r² + Z²) = 301,196 and 299,312, whatever
    // the crossings; the seat offset has nothing to move. The seats reach
    // acos(22,5 / 300) = 85,7°, 3,8 crossings of side 1's 16, not the 3 chosen.
    ChooseValue(iSpokeExit, kExitTangential);
    DoSpokeExitHit(form);
    EXPECT_FALSE(Field(iSeatOffset)->isEnabled());
    DoCalculateHit(form);
    EXPECT_EQ(Lengths(), "300,59 298,71");
    EXPECT_EQ(Label(iLacingNote).substr(0, 88),
              "Side 1: its seats send the spokes off along the tangent, 86° round the wheel: 3,8 "
              "cross");
    Popup(iCrossings1)->setCurrentIndex(4);
    Popup(iCrossings2)->setCurrentIndex(4);
    DoCalculateHit(form);
    EXPECT_EQ(Lengths(), "300,59 298,71");
    EXPECT_EQ(Label(iLacingNote), "") << "4 crossings are what the seats give";
    Popup(iCrossings1)->setCurrentIndex(3);
    Popup(iCrossings2)->setCurrentIndex(3);
    ChooseValue(iSpokeHead, kJBendHead);
    DoSpokeHeadHit(form);
    EXPECT_FALSE(Popup(iSpokeExit)->isEnabled());
    EXPECT_FALSE(Field(iSeatOffset)->isEnabled());
    EXPECT_TRUE(Field(iHoleDiameter)->isEnabled());
    EXPECT_EQ(Label(iSeatDiameterLabel), "Flange diameter:");
    EXPECT_EQ(Field(iFlangeDiameter1)->accessibleName().toStdString(), "Side 1 flange diameter");
    DoCalculateHit(form);
    EXPECT_EQ(Lengths(), "292,33 289,10");
}

// The worked hub (tangent at 85,70° for side 1, 84,55° for side 2): a side
// whose spokes reach at or past the tangent of its flange, past a quarter
// turn in a sentence of its own; 18 spokes on equal sides, crossed.
TEST_F(Wheels, LacingNoteSeesTheFlange)
{
    const struct {
        int spokesValue, sharing, x1, x2;
        const char *target;
        const char *note; // start of it; "" for none
    } cases[] = {
        {1, kSidesEqual, 3, 3, "", "Both sides: 3 and 3 crossings on 12 and 12 spokes take the"},
        {5, kSidesEqual, 2, 1, "",
         "Side 1: 2 crossings take its spokes 90,0° round the wheel, at or "
         "past the 85,7°"},
        {3, kSidesEqual, 3, 4, "",
         "Side 2: 4 crossings take its spokes 90,0° round the wheel, at or "
         "past the 84,5°"},
        {3, kSidesEqual, 3, 3, "", ""},
        {7, kSidesEqual, 0, 3, "", "Side 2: 3 crossings on its 10 spokes reach 108°"},
        {5, kSidesEqual, 3, 2, "", "Both sides: 3 and 2 crossings on 8 and 8 spokes take the"},
        {7, kSidesEqual, 3, 3, "", "Both sides: 3 and 3 crossings on 10 and 10 spokes reach past"},
        {6, kSidesMoreOn2, 2, 3, "", "Both sides: 2 and 3 crossings on 6 and 12 spokes take the"},
        // 18 spokes 2:1, side 2's 12 at 3 crossings: 90° less 5°, past 84,55°.
        {6, kSidesMoreOn2, 1, 3, "", "Side 2: 3 crossings take its spokes 85,0° round"},
        {6, kSidesMoreOn2, 1, 2, "", ""},
        {6, kSidesEqual, 1, 0, "", "18 spokes on equal sides cannot be laced evenly"},
        {6, kSidesEqual, 0, 0, "", ""},
        {4, kSidesMoreOn1, 2, 2, "120", "Side 1 at 28 % of the other side's tension"},
    };
    for (const auto &c : cases) {
        ChooseValue(iSpokes, c.spokesValue);
        DoSpokeCountHit(form);
        ChooseValue(iSpokesPerSide, c.sharing);
        Popup(iCrossings1)->setCurrentIndex(c.x1);
        Popup(iCrossings2)->setCurrentIndex(c.x2);
        Field(iTargetTension)->setText(c.target);
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

// What cannot be is said in the note: a target no spoke takes (the stretch,
// the tension and the length to buy left out), and parts no wheel has (the
// lengths still shown, as the form refuses no number).
TEST_F(Wheels, WhatCannotBeIsSaidInTheNote)
{
    const char kOutsideKgf[] =
        "No spoke or rim takes a tension outside 60 to 200 kgf on the higher-tension side: no "
        "stretch";
    const char kNoNumber[] = "The tension of the higher-tension side is no number";
    const std::string nines(255, '9');
    const struct {
        const char *name;
        int item; // the field typed into, with `text`
        std::string text;
        int unit;
        int item2; // and another (0: none), with `text2`
        const char *text2;
        const char *note; // its start
        bool target;      // the row is about the target: no stretch, tension or length to buy
    } cases[] = {
        {"HundredThousandKgf", iTargetTension, "1e5", kUnitKgf, 0, nullptr, kOutsideKgf, true},
        {"TwoHundredFiftyFiveNines", iTargetTension, nines, kUnitKgf, 0, nullptr, kOutsideKgf,
         true},
        {"NewtonsBeyondEverySpoke", iTargetTension, "1e308", kUnitNewton, 0, nullptr,
         "No spoke or rim takes a tension outside 588 to 1962 N on the higher-tension side: no "
         "stretch",
         true},
        {"NewtonsTypedInKgf", iTargetTension, "1200", kUnitKgf, 0, nullptr,
         "No spoke or rim takes a tension outside 60 to 200 kgf on the higher-tension side; in N "
         "it would be inside: is the unit right?",
         true},
        {"Negative", iTargetTension, "-120", kUnitKgf, 0, nullptr, kOutsideKgf, true},
        {"Zero", iTargetTension, "0", kUnitKgf, 0, nullptr, kOutsideKgf, true},
        {"NotANumber", iTargetTension, "nan", kUnitKgf, 0, nullptr, kNoNumber, true},
        {"Infinity", iTargetTension, "inf", kUnitNewton, 0, nullptr, kNoNumber, true},
        {"Overflow", iTargetTension, "1e400", kUnitKgf, 0, nullptr, kNoNumber, true},
        {"HexadecimalIsNot120", iTargetTension, "0x78", kUnitKgf, 0, nullptr, kNoNumber, true},
        {"FlangesBiggerThanTheRim", iRimDiameter, "100", kUnitKgf, iFlangeDiameter2, "300",
         "Side 2's flange, 300,00 mm across, is as wide as the rim (ERD 100,00 mm) or wider",
         false},
        {"NegativeFlangeDistance", iFlangeDistance1, "-6,8", kUnitKgf, 0, nullptr,
         "Side 1's flange distance from the centre, -6,80 mm, must be above 0", false},
        {"OffsetPastTheFlange", iRimOffset, "25", kUnitKgf, 0, nullptr,
         "The rim's spoke hole offset, 25,00 mm, reaches side 2's flange distance (20,00 mm)",
         false},
        {"ErdZero", iRimDiameter, "0", kUnitKgf, 0, nullptr,
         "The rim's diameter at the spoke ends (ERD) must be a number above 0", false},
        {"ErdNotANumber", iRimDiameter, "six hundred", kUnitKgf, 0, nullptr,
         "The rim's diameter at the spoke ends (ERD) must be a number above 0", false},
    };
    ChooseValue(iGauge1, kGaugeButted201820);
    ChooseValue(iGauge2, kGaugeButted201820);
    for (const auto &c : cases) {
        FillWorkedExample();
        Field(iTargetTension)->setText(c.target ? "" : "120");
        Field(c.item)->setText(QString::fromStdString(c.text));
        if (c.item2)
            Field(c.item2)->setText(c.text2);
        ChooseValue(iTensionUnit, c.unit);
        DoCalculateHit(form);
        EXPECT_EQ(Label(iLacingNote).substr(0, strlen(c.note)), c.note) << c.name;
        EXPECT_FALSE(Text(iLength1).empty()) << c.name << ": the lengths are still shown";
        if (!c.target)
            continue;
        EXPECT_EQ(Text(iTension1) + " " + Text(iTension2), "58 % 100 %") << c.name;
        EXPECT_EQ(Text(iStretch1) + Text(iStretch2) + Text(iLengthToBuy1) + Text(iLengthToBuy2), "")
            << c.name;
    }
}

// A wheel written into the form reads back the same, every field and popup
// by its value: the form's field tables and the record agree.
TEST_F(Wheels, WheelRecordRoundTripsThroughTheForm)
{
    Wheel w = Wheel();
    snprintf(w.rim.name, sizeof w.rim.name, "%s", "Caf\xC3\xA9 rim");
    snprintf(w.rim.size, sizeof w.rim.size, "%s", "584");
    snprintf(w.rim.notes, sizeof w.rim.notes, "%s", "rim notes");
    w.rim.diameter = 544.5, w.rim.offset = -1.25;
    snprintf(w.hub.name, sizeof w.hub.name, "%s", "Hub");
    snprintf(w.hub.axle, sizeof w.hub.axle, "%s", "12 x 142");
    snprintf(w.hub.notes, sizeof w.hub.notes, "%s", "hub notes");
    snprintf(w.hub.position, sizeof w.hub.position, "%s", "rear");
    w.hub.head = kStraightPullHead;
    w.hub.flangeDiameter1 = 44, w.hub.flangeDiameter2 = 46.25;
    w.hub.flangeDistance1 = 33.5, w.hub.flangeDistance2 = 19.75, w.hub.holeDiameter = 2.4;
    w.rim.offsetSide = 1, w.hub.exit = kExitTangential, w.hub.seatOffset = 0.75;
    w.crossings1 = 1, w.crossings2 = 2, w.spokes = 24, w.sharing = kSidesMoreOn1;
    w.gauge1 = kGaugePlain18, w.gauge2 = kGaugeButted201520;
    w.target = 1150, w.unit = kUnitNewton, w.stockStep = 1;
    Wheel2Form(form, w);
    EXPECT_EQ(Text(iRimDiameter) + " " + Text(iRimOffset) + " " + Text(iTargetTension),
              "544,50 -1,25 1150,00");
    EXPECT_EQ(Popup(iSpokes)->currentText().toStdString(), "24");
    Wheel back;
    Form2Wheel(form, &back);
    const std::string texts[][2] = {
        {w.rim.name, back.rim.name},        {w.rim.size, back.rim.size},
        {w.rim.notes, back.rim.notes},      {w.hub.name, back.hub.name},
        {w.hub.axle, back.hub.axle},        {w.hub.notes, back.hub.notes},
        {w.hub.position, back.hub.position}};
    for (const auto &t : texts)
        EXPECT_EQ(t[1], t[0]);
    const double numbers[][2] = {{w.rim.diameter, back.rim.diameter},
                                 {w.rim.offset, back.rim.offset},
                                 {w.hub.flangeDiameter1, back.hub.flangeDiameter1},
                                 {w.hub.flangeDiameter2, back.hub.flangeDiameter2},
                                 {w.hub.flangeDistance1, back.hub.flangeDistance1},
                                 {w.hub.flangeDistance2, back.hub.flangeDistance2},
                                 {w.hub.holeDiameter, back.hub.holeDiameter},
                                 {w.hub.seatOffset, back.hub.seatOffset},
                                 {w.target, back.target},
                                 {w.stockStep, back.stockStep}};
    for (const auto &n : numbers)
        EXPECT_EQ(n[1], n[0]);
    const int values[][2] = {{w.hub.head, back.hub.head},
                             {w.crossings1, back.crossings1},
                             {w.crossings2, back.crossings2},
                             {w.spokes, back.spokes},
                             {w.sharing, back.sharing},
                             {w.gauge1, back.gauge1},
                             {w.gauge2, back.gauge2},
                             {w.unit, back.unit},
                             {w.rim.offsetSide, back.rim.offsetSide},
                             {w.hub.exit, back.hub.exit}};
    for (const auto &v : values)
        EXPECT_EQ(v[1], v[0]);
}

// The window with openbox's title bar (about 22 pixels at scale 1) fits in
// 700 pixels, with the rows still to come.
TEST_F(Wheels, FormFitsALaptopScreen)
{
    const int titleBar = 30; // a generous allowance for the title bar and frame
    EXPECT_LE(FormWidget()->height() + titleBar, 700);
}

} // namespace
