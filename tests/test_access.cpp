// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keyboard use and screen readers: the Tab order in reading order, and the
// names that assistive tools read for every item.
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <map>
#include <string>
#include <vector>

#include "calc/calculate_hit.h"
#include "form/commands.h"
#include "form/items.h"
#include "tests/form_fixture.h"

namespace {

bool FormShown()
{
    return FormWidget() && FormWidget()->isVisible();
}

std::string Focused()
{
    QWidget *w = FormWidget()->focusWidget();
    return w ? w->objectName().toStdString() : "";
}

TEST(Access, TabWalksTheFormInReadingOrder)
{
    std::vector<std::string> order;
    Script s;
    s.When(FormShown, [&] { order.push_back(Focused()); });
    for (int i = 0; i < 49; i++)
        s.Then([&] { Key(Qt::Key_Tab); }, 20).Then([&] { order.push_back(Focused()); }, 60);
    s.Then([] { Key(Qt::Key_Escape); });
    EXPECT_EQ(RunProgram(FixturePath(""), s), 0);
    // The rim, hub and flange column, then lacing and results, then the
    // build's name and notes; "Spokes per
    // side" (item 27) is greyed out for 32 spokes, and the straight-pull
    // figures (items 44 and 45) for a J-bend hub, and so skipped.
    const std::vector<std::string> expected = {
        "item4",  "item11", "item9",  "item12", "item55", "item60", "item10", "item24", "item43",
        "item57", "item5",  "item19", "item13", "item20", "item21", "item56", "item28", "item18",
        "item14", "item15", "item62", "item16", "item17", "item61", "item6",  "item7",  "item8",
        "item34", "item35", "item36", "item37", "item42", "item22", "item23", "item25", "item26",
        "item30", "item31", "item38", "item39", "item40", "item41", "item58", "item59", "item50",
        "item52", "item1",  "item2",  "item3",  "item4"};
    EXPECT_EQ(order, expected);
}

TEST(Access, EveryItemHasANameThatSaysWhatItIs)
{
    std::map<int, std::string> names;
    std::map<int, QAccessible::Role> roles;
    Script s;
    s.When(FormShown, [&] {
        // Walk the form's accessibility tree as a screen reader would.
        std::vector<QAccessibleInterface *> todo = {
            QAccessible::queryAccessibleInterface(FormWidget())};
        while (!todo.empty()) {
            QAccessibleInterface *node = todo.back();
            todo.pop_back();
            if (!node)
                continue;
            const QString object = node->object() ? node->object()->objectName() : QString();
            if (object.startsWith(QLatin1String("item"))) {
                const int n = object.mid(4).toInt();
                // On Linux a combo box's name is its value; what it is, a
                // screen reader reads from its description.
                const QAccessible::Text what = node->role() == QAccessible::ComboBox
                                                   ? QAccessible::Description
                                                   : QAccessible::Name;
                names[n] = node->text(what).toStdString();
                roles[n] = node->role();
            }
            for (int i = 0; i < node->childCount(); i++)
                todo.push_back(node->child(i));
        }
        Key(Qt::Key_Escape);
    });
    EXPECT_EQ(RunProgram(FixturePath(""), s), 0);
    const std::map<int, std::string> expected = {{1, "Quit"},
                                                 {2, "Clear the form"},
                                                 {3, "Calculate the spoke lengths"},
                                                 {4, "Choose a rim"},
                                                 {5, "Choose a hub"},
                                                 {6, "Side 1 crossings"},
                                                 {7, "Side 2 crossings"},
                                                 {8, "Spokes in the wheel"},
                                                 {9, "Rim size"},
                                                 {10, "Rim diameter at the spoke ends"},
                                                 {11, "Rim name"},
                                                 {12, "Rim notes"},
                                                 {13, "Hub position"},
                                                 {14, "Side 1 flange diameter"},
                                                 {15, "Side 2 flange diameter"},
                                                 {16, "Side 1 flange distance from the centre"},
                                                 {17, "Side 2 flange distance from the centre"},
                                                 {18, "Spoke hole diameter"},
                                                 {19, "Hub name"},
                                                 {20, "Hub axle"},
                                                 {21, "Hub notes"},
                                                 {22, "Side 1 spoke length"},
                                                 {23, "Side 2 spoke length"},
                                                 {24, "Spoke hole offset"},
                                                 {25, "Side 1 spoke tension"},
                                                 {26, "Side 2 spoke tension"},
                                                 {27, "Spokes per side"},
                                                 {28, "Spoke head"},
                                                 {29, "Lacing note"},
                                                 {30, "Side 1 bracing angle"},
                                                 {31, "Side 2 bracing angle"},
                                                 {32, "Flange diameter:"},
                                                 {33, "Flange distance from the centre:"},
                                                 {34, "Side 1 spoke gauge"},
                                                 {35, "Side 2 spoke gauge"},
                                                 {36, "Tension of the higher-tension side"},
                                                 {37, "Tension unit"},
                                                 {38, "Side 1 stretch"},
                                                 {39, "Side 2 stretch"},
                                                 {40, "Side 1 length to buy"},
                                                 {41, "Side 2 length to buy"},
                                                 {42, "Stock lengths"},
                                                 {43, "Spoke holes offset toward"},
                                                 {44, "Straight-pull spokes leave"},
                                                 {45, "Seat offset"},
                                                 {55, "Rim source"},
                                                 {56, "Hub source"},
                                                 {57, "Nipple washer thickness"},
                                                 {58, "Side 1 length to buy with the ERD 1 mm "
                                                      "either way"},
                                                 {59, "Side 2 length to buy with the ERD 1 mm "
                                                      "either way"},
                                                 {60, "Work out the ERD from a measurement"},
                                                 {61, "Work out the flange distances from the "
                                                      "maker's figures"},
                                                 {62, "Work out the flange diameter from a "
                                                      "measurement"},
                                                 {50, "Build name"},
                                                 {51, "Name:"},
                                                 {52, "Build notes"},
                                                 {53, "Notes:"}};
    EXPECT_EQ(names, expected);
    EXPECT_EQ(roles[iCalculate], QAccessible::Button);
    EXPECT_EQ(roles[iSpokes], QAccessible::ComboBox);
    EXPECT_EQ(roles[iRimDiameter], QAccessible::EditableText);
}

TEST(Access, ReturnCalculatesFromAnyItem)
{
    // From a popup, a button and a read-only text alike.
    std::vector<std::string> results;
    Script s;
    s.When(FormShown, FillWorkedExample);
    for (int item : {iSpokes, iRimMenu, iLength2, iQuit}) {
        s.Then([item] {
             Field(iLength1)->clear();
             FocusItem(item);
             Key(Qt::Key_Return);
         }).Then([&] { results.push_back(Text(iLength1)); }, 80);
    }
    s.Then([] { Key(Qt::Key_Escape); });
    EXPECT_EQ(RunProgram(FixturePath(""), s), 0);
    EXPECT_EQ(results, std::vector<std::string>(4, "292,33"));
}

QString Words(QAccessibleInterface *node)
{
    QAccessibleTextInterface *text = node ? node->textInterface() : nullptr;
    return text ? text->text(0, text->characterCount()) : QStringLiteral("<no text>");
}

class LabelWords : public FormTest {};

// The lacing note's name says what it is; its words are its text and its
// description, and it is a status text. A label whose words are its name (the
// flange row's) gives them as its text as well. (That a new note is announced
// needs an accessibility bus: the end-to-end session hears it.)
TEST_F(LabelWords, ReachAssistiveTechnology)
{
    FillWorkedExample();
    ChooseValue(iSpokes, 7); // 20 spokes at 3 crossings: past a quarter turn
    DoSpokeCountHit(form);
    DoCalculateHit(form);
    auto *label = qobject_cast<QLabel *>(Item(iLacingNote));
    ASSERT_NE(label, nullptr);
    const QString said = label->text();
    ASSERT_FALSE(said.isEmpty());
    QAccessibleInterface *note = QAccessible::queryAccessibleInterface(label);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->text(QAccessible::Name), QStringLiteral("Lacing note"));
    EXPECT_EQ(note->text(QAccessible::Description), said);
    EXPECT_EQ(Words(note), said);
    EXPECT_EQ(note->role(), QAccessible::StatusBar);

    ChooseValue(iSpokeHead, kStraightPullHead);
    DoSpokeHeadHit(form);
    QWidget *row = Item(iSeatDiameterLabel);
    QAccessibleInterface *rowLabel = QAccessible::queryAccessibleInterface(row);
    ASSERT_NE(rowLabel, nullptr);
    EXPECT_EQ(rowLabel->text(QAccessible::Name),
              QStringLiteral("Head seat circle diameter (PCD):"));
    EXPECT_EQ(Words(rowLabel), rowLabel->text(QAccessible::Name));
    EXPECT_EQ(rowLabel->text(QAccessible::Description), QString());
    EXPECT_EQ(rowLabel->role(), QAccessible::StaticText);

    // A caption still says which field it names, as Qt's own label does.
    auto *caption = FormWidget()->findChild<QLabel *>(QStringLiteral("rimDiameterLabel"));
    ASSERT_TRUE(caption && caption->buddy());
    const auto labelled =
        QAccessible::queryAccessibleInterface(caption)->relations(QAccessible::Labelled);
    ASSERT_EQ(labelled.size(), 1);
    EXPECT_EQ(labelled[0].first->object(), caption->buddy());
}

} // namespace
