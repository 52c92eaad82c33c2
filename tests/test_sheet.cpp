// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The build sheet from the real form: copied as text with its tab-separated
// lacing table and its steps, printed to PDF, and the lacing diagram window.
#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QApplication>
#include <QDialog>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

#include <stdio.h>
#include <string.h>
#include <stdlib.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "calc/calculate_hit.h"
#include "calc/lacing.h"
#include "calc/spoke.h"
#include "form/commands.h"
#include "form/items.h"
#include "tests/form_fixture.h"
#include "toolbox/testing.h"

namespace {

struct SheetWheel {
    const char *name;
    int spokesValue, sharing, crossings1, crossings2;
    int spokes1, spokes2; // what the lacing must have on each side
    const char *sharingWord;
    // Where the rim step puts rim hole 1, and where the other flange's holes
    // are counted from (worked out by hand from the lacing's hub angles).
    const char *rim, *otherFlange;
};

const SheetWheel kWheels[] = {
    {"worked_32_3x", 3, kSidesEqual, 3, 3, 16, 16, "equal", "rim hole 1 must sit toward side 2",
     "On side 1's flange, hub hole 3 is the hole half a hole spacing counterclockwise"},
    {"24_2to1_more_on_2", 1, kSidesMoreOn2, 2, 2, 8, 16, "2:1, more on side 2",
     "Rim holes 1 and 2 take side 2's spokes, rim hole 3 side 1's",
     "On side 1's flange, hub hole 1 is the hole half a hole spacing counterclockwise"},
    {"36_2to1_more_on_1_radial_2", 4, kSidesMoreOn1, 3, 0, 24, 12, "2:1, more on side 1",
     "Rim holes 1 and 2 take side 1's spokes, rim hole 3 side 2's",
     "On side 2's flange, hub hole 2 is the hole half a hole spacing clockwise"},
};

class Sheet : public FormTest, public testing::WithParamInterface<SheetWheel> {
  protected:
    void SetUp() override
    {
        FormTest::SetUp();
        FillWorkedExample();
        const SheetWheel &w = GetParam();
        ChooseValue(iSpokes, w.spokesValue);
        DoSpokeCountHit(form);
        ChooseValue(iSpokesPerSide, w.sharing);
        ChooseValue(iCrossings1, w.crossings1 + 1);
        ChooseValue(iCrossings2, w.crossings2 + 1);
        DoCalculateHit(form);
    }
};

std::string Section(const std::string &text, const std::string &heading)
{
    const size_t at = text.find("\n" + heading + "\n");
    if (at == std::string::npos)
        return "";
    const size_t from = at + heading.size() + 2;
    const size_t end = text.find("\n\n", from);
    return text.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

TEST_P(Sheet, CopiedTextHoldsTheFiguresStepsAndOneTableLinePerRimHole)
{
    const SheetWheel &w = GetParam();
    DoMenuCommand((kEditMenuID << 16) | kCopySheetItem);
    const std::string text = QGuiApplication::clipboard()->text().toStdString();

    for (const std::string &line :
         {"Spoke length, side 1\t" + Text(iLength1), "Spoke length, side 2\t" + Text(iLength2),
          "Bracing angle, side 2\t" + Text(iBracing2), "Tension, side 1\t" + Text(iTension1),
          "Tension, side 2\t" + Text(iTension2), std::string("Spokes per side\t") + w.sharingWord,
          std::string("Spoke head\tJ-bend")})
        EXPECT_NE(text.find("\n" + line + "\n"), std::string::npos) << line;

    // The table: one line per rim hole, as the lacing has it.
    Lacing l;
    ASSERT_TRUE(DoLacing(w.spokes1, w.spokes2, w.crossings1, w.crossings2, &l));
    std::string expected = "Rim hole\tSide\tHub hole\tSpoke\n";
    const char *words[] = {"trailing", "leading", "radial"};
    for (int i = 0; i < l.spokes; i++)
        expected += std::to_string(i + 1) + "\t" + std::to_string(l.hole[i].side) + "\t" +
                    std::to_string(l.hole[i].hubHole) + "\t" + words[l.hole[i].kind] + "\n";
    const size_t table = text.find("\nLacing table\n");
    ASSERT_NE(table, std::string::npos);
    EXPECT_EQ(text.substr(table + 14), expected);

    // The steps name every rim hole once, with the hub hole the table gives it.
    // The steps are numbered lines: the rim, the hub holes, then the key
    // spoke; the rim step and the other flange's say where to count from.
    const std::string steps = Section(text, "Lacing steps");
    std::istringstream lines(steps);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        number++;
        EXPECT_EQ(line.rfind(std::to_string(number) + ". ", 0), 0u) << line;
        if (number == 1) {
            EXPECT_NE(line.find(w.rim), std::string::npos) << line;
        }
        if (number == 3) {
            EXPECT_EQ(line.rfind("3. The key spoke, side ", 0), 0u) << line;
            EXPECT_NE(line.find(", head out: from hub hole "), std::string::npos) << line;
        }
    }
    EXPECT_NE(steps.find(w.otherFlange), std::string::npos) << steps;
    std::set<int> rimHoles;
    QRegularExpression pair(QStringLiteral("(\\d+)→(\\d+)"));
    auto it = pair.globalMatch(QString::fromStdString(steps));
    while (it.hasNext()) {
        const auto m = it.next();
        const int hub = m.captured(1).toInt(), rim = m.captured(2).toInt();
        ASSERT_TRUE(rim >= 1 && rim <= l.spokes) << rim;
        EXPECT_EQ(hub, l.hole[rim - 1].hubHole) << "rim hole " << rim;
        EXPECT_TRUE(rimHoles.insert(rim).second) << "rim hole " << rim << " twice";
    }
    // Rim hole 1 is the key spoke's step, which names it in words.
    EXPECT_EQ(rimHoles.size(), (size_t)l.spokes - 1);
    EXPECT_EQ(rimHoles.count(1), 0u);
}

INSTANTIATE_TEST_SUITE_P(Wheels, Sheet, testing::ValuesIn(kWheels),
                         [](const testing::TestParamInfo<SheetWheel> &info) {
                             return std::string(info.param.name);
                         });

// The lacing table a sheet holds for this lacing, from its heading line on.
std::string TableOf(const Lacing &l)
{
    std::string table = "Rim hole\tSide\tHub hole\tSpoke\n";
    const char *words[] = {"trailing", "leading", "radial"};
    for (int i = 0; i < l.spokes; i++)
        table += std::to_string(i + 1) + "\t" + std::to_string(l.hole[i].side) + "\t" +
                 std::to_string(l.hole[i].hubHole) + "\t" + words[l.hole[i].kind] + "\n";
    return table;
}

class LastCalculated : public FormTest {};

// Calculate at 3 crossings, choose 2 without calculating, Clear, type another
// rim: the sheet and the diagram still describe the wheel that was
// calculated, never its lengths beside another wheel's lacing. Its figures are the record's,
// written as the form writes numbers (the typed "600" as "600,00").
TEST_F(LastCalculated, SheetAndDiagramAreOneWheelAfterAChangeWithoutCalculate)
{
    FillWorkedExample();
    EventRecord enter{};
    enter.what = keyDown;
    enter.message = kReturnCharCode;
    DoDlgEvt(&enter);
    DoMenuCommand((kFileMenuID << 16) | kLacingItem);
    ChooseValue(iCrossings1, 3); // 2 crossings, not calculated
    ChooseValue(iCrossings2, 3);
    ClickItem(iClear); // the form's figures and results go; the last calculation stays
    for (EventRecord e = Next(); e.what != nullEvent; e = Next())
        DoDlgEvt(&e);
    ASSERT_EQ(Text(iLength1), "0,00");
    Field(iRimDiameter)->setText(QStringLiteral("584"));
    DoMenuCommand((kEditMenuID << 16) | kCopySheetItem);
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    for (const char *line : {"Spoke length, side 1\t292,33", "Crossings, side 1\t3",
                             "Crossings, side 2\t3", "Diameter at the spoke ends (ERD)\t600,00"})
        EXPECT_NE(text.find(std::string("\n") + line + "\n"), std::string::npos) << line;
    Lacing l;
    ASSERT_TRUE(DoLacing(16, 16, 3, 3, &l));
    const size_t table = text.find("\nLacing table\n");
    ASSERT_NE(table, std::string::npos);
    EXPECT_EQ(text.substr(table + 14), TableOf(l)) << "the 3-cross table of the lengths shown";
    auto *window = static_cast<QWidget *>(ToolboxLacingWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->accessibleDescription().contains(QStringLiteral("with 3 crossings")))
        << window->accessibleDescription().toStdString();
    window->hide();
}

// A wheel that cannot be laced, or whose lengths cannot be, says why on the
// sheet, under the steps' heading and with no table, and in the diagram's
// description instead of asking for a Calculate.
struct NoStepsCase {
    const char *name;
    int spokesValue, crossings1, crossings2;
    const char *rim, *flanges; // ERD and both flange diameters typed
    const char *why;           // the start of the sentence
    bool rimAlone;             // the diagram shows the rim alone and says why
};

const NoStepsCase kNoSteps[] = {
    {"SixteenAtFourCrossings", 5, 4, 4, "600", "45",
     "No lacing: side 1's 8 spokes take at most 3 crossings; with 4 a spoke", true},
    {"EighteenEqualCrossed", 6, 2, 2, "600", "45", "No lacing: side 1's 9 spokes cannot be crossed",
     true},
    {"LengthsWithNoResult", 3, 3, 3, "1e308", "45", "No lacing: a spoke length has no result.",
     false},
    {"FlangesBiggerThanTheRim", 3, 3, 3, "100", "300", "Side 1's flange, 300,00 mm across", false},
};

class NoSteps : public FormTest, public testing::WithParamInterface<NoStepsCase> {};

TEST_P(NoSteps, SheetAndDiagramSayWhy)
{
    const NoStepsCase &c = GetParam();
    FillWorkedExample();
    ChooseValue(iSpokes, c.spokesValue);
    DoSpokeCountHit(form);
    ChooseValue(iCrossings1, c.crossings1 + 1);
    ChooseValue(iCrossings2, c.crossings2 + 1);
    Field(iRimDiameter)->setText(c.rim);
    Field(iFlangeDiameter1)->setText(c.flanges);
    Field(iFlangeDiameter2)->setText(c.flanges);
    DoCalculateHit(form);
    DoMenuCommand((kEditMenuID << 16) | kCopySheetItem);
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    std::string steps = Section(text, "Lacing steps");
    if (!steps.empty() && steps.back() == '\n')
        steps.pop_back(); // the sheet's last line
    EXPECT_EQ(steps.substr(0, strlen(c.why)), c.why) << text;
    EXPECT_EQ(steps.find('\n'), std::string::npos) << "one sentence: " << steps;
    EXPECT_EQ(text.find("\nLacing table\n"), std::string::npos) << text;
    if (!c.rimAlone)
        return;
    DoMenuCommand((kFileMenuID << 16) | kLacingItem);
    auto *window = static_cast<QWidget *>(ToolboxLacingWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->accessibleDescription().startsWith(QStringLiteral("The rim alone. ") +
                                                           QString::fromUtf8(c.why)))
        << window->accessibleDescription().toStdString();
    window->hide();
}

INSTANTIATE_TEST_SUITE_P(Wheels, NoSteps, testing::ValuesIn(kNoSteps),
                         [](const auto &info) { return std::string(info.param.name); });

std::string Shell(const std::string &command)
{
    std::string out;
    FILE *p = popen(command.c_str(), "r");
    if (!p)
        return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, n);
    return pclose(p) == 0 ? out : "failed: " + out;
}

class Printed : public FormTest {};

// The PDF that File > Print makes of the worked wheel: one A4 page holding the
// results, the steps and the table; turned into a PNG to look at.
TEST_F(Printed, WorkedWheelIsOneA4PageWithItsFiguresAndTable)
{
    FillWorkedExample();
    DoCalculateHit(form);
    const std::string pdf = std::string(QUENNICK_TEST_OUT) + "/build-sheet.pdf";
    remove(pdf.c_str());
    ToolboxPrintToPdf(pdf.c_str());
    DoMenuCommand((kFileMenuID << 16) | kPrintItem);
    ToolboxPrintToPdf(nullptr);

    const std::string info = Shell("pdfinfo '" + pdf + "'");
    EXPECT_TRUE(
        QString::fromStdString(info).contains(QRegularExpression(QStringLiteral("Pages: +1\n"))))
        << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    const std::string text = Shell("pdftotext -layout '" + pdf + "' -");
    for (const char *word : {"Quennick build sheet", "292,33", "289,10", "Lacing steps",
                             "3. The key spoke", "Lacing table", "valve", "key"})
        EXPECT_NE(text.find(word), std::string::npos) << word;
    // Every rim hole's line is on the page, the last one too.
    EXPECT_NE(text.find("32 "), std::string::npos);
    Lacing l;
    ASSERT_TRUE(DoLacing(16, 16, 3, 3, &l));
    const char *words[] = {"trailing", "leading", "radial"};
    const QString page = QString::fromStdString(text);
    for (int i = 0; i < l.spokes; i++) {
        const QString row = QStringLiteral("(^|\\s)%1\\s+%2\\s+%3\\s+%4(\\s|$)")
                                .arg(i + 1)
                                .arg(l.hole[i].side)
                                .arg(l.hole[i].hubHole)
                                .arg(QLatin1String(words[l.hole[i].kind]));
        EXPECT_TRUE(page.contains(QRegularExpression(row))) << "rim hole " << i + 1;
    }
    const std::string png = std::string(QUENNICK_TEST_OUT) + "/build-sheet";
    EXPECT_EQ(Shell("pdftoppm -png -r 60 -singlefile '" + pdf + "' '" + png + "'"), "");
    std::ifstream picture(png + ".png", std::ios::binary);
    EXPECT_TRUE(picture.good());
}

// File > Lacing diagram shows a window that screen readers can name and that
// says what it shows; Calculate redraws it.
TEST_F(Printed, LacingDiagramWindowIsNamedAndFollowsCalculate)
{
    FillWorkedExample();
    DoCalculateHit(form);
    DoMenuCommand((kFileMenuID << 16) | kLacingItem);
    auto *window = static_cast<QWidget *>(ToolboxLacingWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->accessibleName().toStdString(), "Lacing diagram");
    EXPECT_TRUE(window->accessibleDescription().contains(QStringLiteral("32 spokes, 16 on side 1")))
        << window->accessibleDescription().toStdString();
    ChooseValue(iSpokes, 1);
    DoSpokeCountHit(form);
    ChooseValue(iSpokesPerSide, kSidesMoreOn2);
    ChooseValue(iCrossings1, 2); // 1 crossing on side 1, 3 on side 2
    EventRecord enter{};
    enter.what = keyDown;
    enter.message = kReturnCharCode;
    DoDlgEvt(&enter);
    for (const char *says :
         {"24 spokes, 8 on side 1 with 1 crossings", "16 on side 2 with 3 crossings"})
        EXPECT_TRUE(window->accessibleDescription().contains(QString::fromUtf8(says)))
            << window->accessibleDescription().toStdString();
    window->hide();
}

// The print preview, as a screen reader finds it: its parts are named, and the
// page says in words what it shows.
TEST_F(Printed, PreviewNamesItsPartsAndReadsThePage)
{
    FillWorkedExample();
    DoCalculateHit(form);
    struct Part {
        std::string what; // a combo box's own name is its value: what it is, its description
        std::string said;
    };
    std::vector<Part> parts;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget *preview = QApplication::activeModalWidget();
        if (!preview || !preview->isVisible())
            return;
        timer.stop();
        std::vector<QAccessibleInterface *> todo = {QAccessible::queryAccessibleInterface(preview)};
        while (!todo.empty()) {
            QAccessibleInterface *node = todo.back();
            todo.pop_back();
            const QAccessible::Role role = node->role();
            // (The toolbar's box around the page field is a plain panel.)
            const bool inToolBar = node->parent() && node->parent()->role() == QAccessible::ToolBar;
            if ((role == QAccessible::Client && !inToolBar) || role == QAccessible::EditableText)
                parts.push_back({node->text(QAccessible::Name).toStdString(),
                                 node->text(QAccessible::Description).toStdString()});
            if (role == QAccessible::ComboBox)
                parts.push_back({node->text(QAccessible::Description).toStdString(), ""});
            for (int i = 0; i < node->childCount(); i++)
                if (node->child(i)->role() != QAccessible::List) // the zoom box's entries
                    todo.push_back(node->child(i));
        }
        static_cast<QDialog *>(preview)->reject();
    });
    timer.start(20);
    DoMenuCommand((kFileMenuID << 16) | kPrintItem);

    std::multiset<std::string> names;
    for (const Part &p : parts) {
        names.insert(p.what);
        if (p.what != "Page")
            continue;
        for (const char *said :
             {"Quennick build sheet", "Spoke length, side 1: 292,33", "3. The key spoke",
              "Lacing table", "Rim hole, Side, Hub hole, Spoke"})
            EXPECT_NE(p.said.find(said), std::string::npos) << said << " in " << p.said;
    }
    const std::multiset<std::string> expected = {"Print preview", "Page", "Page",
                                                 "Zoom",          "Zoom", "Page number"};
    EXPECT_EQ(names, expected);
}

} // namespace
