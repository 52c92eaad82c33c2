// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The spoke tension window, driven from the keyboard through its own window,
// and the readings on the build sheet.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QClipboard>
#include <QLabel>
#include <QTableWidget>
#include <QRegularExpression>
#include <QTest>

#include <string>

#include "app/globals.h"
#include "calc/calculate_hit.h"
#include "catalogue/meters.h"
#include "form/commands.h"
#include "form/items.h"
#include "form/tension.h"
#include "tests/form_fixture.h"
#include "toolbox/testing.h"

namespace {

class Tensions : public FormTest {
  protected:
    void TearDown() override
    {
        if (auto *w = static_cast<QWidget *>(ToolboxTensionWindow()))
            w->hide();
        FreeMeters();
        FormTest::TearDown();
    }
};

QWidget *TensionWindow()
{
    return static_cast<QWidget *>(ToolboxTensionWindow());
}

QTableWidget *Table()
{
    return TensionWindow()->findChild<QTableWidget *>("readings");
}

std::string Cell(int row, int column)
{
    return Table()->item(row, column)->text().toStdString();
}

std::string LabelText(const char *name)
{
    // What a screen reader reads: the label's accessible name is its text.
    QLabel *l = TensionWindow()->findChild<QLabel *>(name);
    return QAccessible::queryAccessibleInterface(l)->text(QAccessible::Name).toStdString();
}

void Press(Qt::Key key)
{
    QTest::keyClick(TensionWindow()->windowHandle(), key);
}

void Type(const char *text)
{
    for (const char *c = text; *c; c++)
        QTest::keyClick(TensionWindow()->windowHandle(), *c);
}

void OpenForWorkedWheel(DialogRef form)
{
    FillWorkedExample();
    DoCalculateHit(form);
    DoMenuCommand((kWheelMenuID << 16) | kTensionsItem);
    ASSERT_NE(TensionWindow(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(TensionWindow()->windowHandle()));
    QApplication::setActiveWindow(TensionWindow());
}

// Before any Calculate the window says so, and lists no spoke.
TEST_F(Tensions, BeforeAnyCalculateTheWindowSaysSo)
{
    ClearedResults(Wheel(), &theResults);
    DoMenuCommand((kWheelMenuID << 16) | kTensionsItem);
    ASSERT_NE(TensionWindow(), nullptr);
    EXPECT_TRUE(TensionWindow()->isVisible());
    EXPECT_FALSE(Table()->isVisible());
    bool said = false;
    for (QLabel *l : TensionWindow()->findChildren<QLabel *>())
        said = said || (l->isVisible() && l->text().startsWith("No wheel calculated yet"));
    EXPECT_TRUE(said);
}

// 32 readings typed at the stand without the mouse: Return moves on, Backspace
// takes back a slip or goes back a row, Up goes back to correct.
TEST_F(Tensions, ThirtyTwoReadingsTypedFromTheKeyboard)
{
    OpenForWorkedWheel(form);
    EXPECT_EQ(TensionWindow()->windowTitle().toStdString().rfind("Spoke tensions: ", 0), 0u);
    ASSERT_EQ(Table()->rowCount(), 32);
    for (int i = 0; i < 32; i++) {
        ASSERT_EQ(Table()->currentRow(), i);
        if (i == 3) {
            Press(Qt::Key_Backspace); // on an empty reading: back a row, and on again
            ASSERT_EQ(Table()->currentRow(), 2);
            Press(Qt::Key_Return);
        }
        if (i == 7) {
            Type("19");
            Press(Qt::Key_Backspace);
            Type("30");
        } else if (i == 30) {
            Type("1O0"); // a letter O for a zero: kept, marked, left out
        } else {
            Type("100");
        }
        Press(Qt::Key_Return);
    }
    Press(Qt::Key_Up);
    ASSERT_EQ(Table()->currentRow(), 30);
    EXPECT_EQ(Cell(30, 5), "not a reading: left out");
    EXPECT_TRUE(Table()->item(30, 0)->font().bold());
    Press(Qt::Key_Backspace);
    Press(Qt::Key_Backspace);
    Type("00");

    EXPECT_EQ(std::string(theReadings.hole[7].text), "130");
    EXPECT_EQ(std::string(theReadings.hole[30].text), "100");
    EXPECT_EQ(Cell(7, 3), "130");
    EXPECT_EQ(Cell(7, 4), "130 kgf");
    EXPECT_EQ(Cell(30, 5), "");
    // Rim hole 8's side: 15 spokes at 100 and one at 130, mean 101,875 kgf;
    // 130 is 27,6 % over it.
    const int side = theResults.lacing.hole[7].side;
    EXPECT_EQ(Cell(7, 5), "28 % over its side's mean: loosen");
    const std::string figures = LabelText("figures");
    EXPECT_NE(
        figures.find("Side " + std::to_string(side) + ": mean 102 kgf, from 16 of its 16 spokes"),
        std::string::npos)
        << figures;
    EXPECT_EQ(LabelText("outside"),
              "Spokes outside ±20 % of their side's mean, furthest first:\nrim hole 8, side " +
                  std::to_string(side) + ": 28 % over its side's mean: loosen");
    // A screen reader reads a row whole.
    EXPECT_EQ(Table()->item(7, 3)->data(Qt::AccessibleDescriptionRole).toString().toStdString(),
              "rim hole 8, side " + std::to_string(side) + ", hub hole " +
                  std::to_string(theResults.lacing.hole[7].hubHole) +
                  ": 130, 130 kgf, 28 % over its side's mean: loosen");
    // A picture of the window to look at.
    EXPECT_TRUE(TensionWindow()->grab().save(QUENNICK_TEST_OUT "/tension-window.png"));
}

// With "side 1's spokes, then side 2's", Return walks one side's rim holes
// in order and then the other's.
TEST_F(Tensions, ReturnCanWalkOneSideThenTheOther)
{
    OpenForWorkedWheel(form);
    QComboBox *order = TensionWindow()->findChild<QComboBox *>("order");
    order->setCurrentIndex(1);
    std::vector<int> expected;
    for (int s = 1; s <= 2; s++)
        for (int i = 0; i < 32; i++)
            if (theResults.lacing.hole[i].side == s)
                expected.push_back(i);
    Table()->setCurrentCell(expected[0], 3);
    Table()->setFocus();
    std::vector<int> walked(1, Table()->currentRow());
    for (int i = 1; i < 33; i++) {
        Press(Qt::Key_Return);
        walked.push_back(Table()->currentRow());
    }
    expected.push_back(expected.back()); // Return on the last row stays there
    EXPECT_EQ(walked, expected);
}

// Copied build sheet: one tab-separated row per rim hole, once there are readings.
TEST_F(Tensions, SheetCarriesTheReadings)
{
    FillWorkedExample();
    DoCalculateHit(form);
    DoMenuCommand((kEditMenuID << 16) | kCopySheetItem);
    EXPECT_EQ(QGuiApplication::clipboard()->text().indexOf("Tension readings"), -1);
    SetReading(&theReadings, 0, "21,5");
    SetReading(&theReadings, 1, "x");
    theReadings.count = 32;
    DoMenuCommand((kEditMenuID << 16) | kCopySheetItem);
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    const size_t at = text.find("\nTension readings\nRim hole\tSide\tReading\tTension\n");
    ASSERT_NE(at, std::string::npos) << text;
    const std::string s1 = std::to_string(theResults.lacing.hole[0].side);
    const std::string s2 = std::to_string(theResults.lacing.hole[1].side);
    EXPECT_NE(text.find("\n1\t" + s1 + "\t21,5\t22 kgf\n2\t" + s2 + "\tx\t\n3\t", at),
              std::string::npos)
        << text.substr(at);
    EXPECT_NE(text.find("\n32\t", at), std::string::npos);

    // Printed: a second page with the chart and the same rows.
    const std::string pdf = std::string(QUENNICK_TEST_OUT) + "/tension-sheet.pdf";
    remove(pdf.c_str());
    ToolboxPrintToPdf(pdf.c_str());
    DoMenuCommand((kFileMenuID << 16) | kPrintItem);
    ToolboxPrintToPdf(nullptr);
    std::string page2;
    if (FILE *p = popen(("pdftotext -f 2 -l 2 -layout '" + pdf + "' - 2>&1").c_str(), "r")) {
        char buf[4096];
        for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;)
            page2.append(buf, n);
        pclose(p);
    }
    EXPECT_NE(page2.find("Tension readings"), std::string::npos) << page2;
    EXPECT_TRUE(QString::fromStdString(page2).contains(
        QRegularExpression(QStringLiteral("(^|\\s)1\\s+%1\\s+21,5\\s+22 kgf").arg(s1.c_str()))))
        << page2;
}

} // namespace
