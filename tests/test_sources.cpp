// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Parts a builder can trust, on the real form: a chosen part's source and
// spoke head, nipple washers added to the ERD, and the stock lengths an ERD a
// millimetre either way gives.
#include <QComboBox>
#include <QLineEdit>

#include <string>
#include <vector>

#include "app/globals.h"
#include "calc/calculate_hit.h"
#include "form/commands.h"
#include "form/items.h"
#include "form/sheet.h"
#include "tests/form_fixture.h"

namespace {

bool FormShown()
{
    return FormWidget() && FormWidget()->isVisible();
}

class Sources : public FormTest {
  protected:
    void SetUp() override
    {
        FormTest::SetUp();
        FillWorkedExample(); // 600, 45/57, 35/20, hole 2,6, 3 crossings, 32 spokes
    }
    // Every result the Calculate shows, in item order.
    std::vector<std::string> Results()
    {
        DoCalculateHit(form);
        std::vector<std::string> shown;
        for (int n : {iLength1, iLength2, iTension1, iTension2, iBracing1, iBracing2, iStretch1,
                      iStretch2, iLengthToBuy1, iLengthToBuy2})
            shown.push_back(Text(n));
        return shown;
    }
};

// A washer under each nipple is the rim's ERD grown by two washers; no washer
// (empty, 0 or no number) gives exactly the results of today.
TEST_F(Sources, WashersAddTwiceTheirThicknessToTheErd)
{
    Popup(iGauge1)->setCurrentIndex(1);
    Popup(iGauge2)->setCurrentIndex(1);
    Field(iTargetTension)->setText(QStringLiteral("120"));
    const std::vector<std::string> without = Results();
    for (const char *none : {"", "0", "0,0", "none"}) {
        Field(iWasher)->setText(QString::fromUtf8(none));
        EXPECT_EQ(Results(), without) << '"' << none << '"';
    }
    Field(iWasher)->setText(QStringLiteral("0,5"));
    const std::vector<std::string> withWashers = Results();
    Field(iWasher)->clear();
    Field(iRimDiameter)->setText(QStringLiteral("601"));
    EXPECT_EQ(withWashers, Results()) << "0,5 mm washers are 1 mm more ERD";
    EXPECT_NE(withWashers, without);
}

// Beside each length to buy, the stock lengths the form itself gives with the
// ERD typed 1 mm shorter and 1 mm longer, with washers too.
TEST_F(Sources, ToleranceShowsTheLengthsToBuyOfTheErdEitherWay)
{
    for (int step : {kStockEven2mm, kStock1mm})
        for (const char *washer : {"", "0,8"})
            for (double erd : {600.0, 601.0, 541.5}) {
                ChooseValue(iStockLengths, step);
                Field(iWasher)->setText(QString::fromUtf8(washer));
                const auto buy = [&](double d) {
                    XDlgSetDouble(form, iRimDiameter, 2, d);
                    Results();
                    return Text(iLengthToBuy1).substr(0, 3) + " " +
                           Text(iLengthToBuy2).substr(0, 3);
                };
                const std::string shorter = buy(erd - 1), longer = buy(erd + 1);
                buy(erd);
                const std::string a[] = {shorter.substr(0, 3), shorter.substr(4)};
                const std::string b[] = {longer.substr(0, 3), longer.substr(4)};
                for (int side = 0; side < 2; side++) {
                    const std::string expected =
                        a[side] == b[side] ? a[side] + " mm" : a[side] + " to " + b[side] + " mm";
                    EXPECT_EQ(Text(side ? iErdTolerance2 : iErdTolerance1), expected)
                        << "ERD " << erd << ", washer " << washer << ", step " << step << ", side "
                        << side + 1;
                }
            }
}

// The sheet says which washers the lengths are worked from, and the ERD with
// them; without washers it shows no second ERD.
TEST_F(Sources, SheetSaysWhatTheWashersMake)
{
    char sheet[8192];
    Results();
    Results2Figures(theResults, sheet, sizeof sheet);
    EXPECT_EQ(std::string(sheet).find("ERD the lengths are worked from"), std::string::npos);
    Field(iWasher)->setText(QStringLiteral("0,5"));
    Results();
    Results2Figures(theResults, sheet, sizeof sheet);
    EXPECT_NE(std::string(sheet).find("Nipple washers, each\t0,50\n"
                                      "ERD the lengths are worked from\t601,00\n"),
              std::string::npos)
        << sheet;
}

// Choosing a part shows where its figures come from; choosing a hub sets the
// spoke head and the seat offset its record names, and the labels follow.
TEST(SourcesChosen, APartShowsItsSourceAndAHubItsSpokeHead)
{
    std::vector<std::string> shown;
    const auto note = [&] {
        shown.push_back(Text(iRimSource) + "|" + Text(iHubSource) + "|" +
                        Popup(iSpokeHead)->currentText().toStdString() + "|" +
                        std::to_string(Field(iHoleDiameter)->isEnabled()) + "|" +
                        Text(iSeatOffset) + "|" + std::to_string(Field(iSeatOffset)->isEnabled()));
    };
    Script s;
    s.When(FormShown, [] { ClickItem(iRimMenu); })
        .When(OpenPopup, [] { ChooseInList(1); })
        .Then([] { ClickItem(iHubMenu); })
        .When(OpenPopup, [] { ChooseInList(2); })
        .Then([&] {
            note();
            ClickItem(iHubMenu);
        })
        .When(OpenPopup, [] { ChooseInList(1); })
        .Then([&] {
            note();
            ClickItem(iClear);
        })
        .Then([&] {
            note();
            ClickItem(iQuit);
        });
    EXPECT_EQ(RunProgram(FixturePath("sources/"), s), 0);
    const std::vector<std::string> expected = {
        "maker data sheet, 2026|measured 2026-11-30|Straight-pull|0|3,50|1",
        "maker data sheet, 2026||J-bend|1|0,00|0",
        "||J-bend|1|0,00|0",
    };
    EXPECT_EQ(shown, expected);
}

} // namespace
