// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The form's buttons, keys and popups, the menus, the clipboard and the About
// box, driven through the window while the program's own loop runs.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <string>

#include "app/globals.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_testing.h"
#include "form/commands.h"
#include "form/items.h"
#include "toolbox/testing.h"
#include "tests/form_fixture.h"

namespace {

const std::string kFixtures = FixturePath("");

// Counts the key presses of one key that reach a widget.
class KeyCounter : public QObject {
  public:
    explicit KeyCounter(int key) : key_(key) {}
    int count = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(e)->key() == key_)
            count++;
        return false;
    }

  private:
    int key_;
};

bool FormShown()
{
    return FormWidget() && FormWidget()->isVisible();
}

void ClickMenuTitle(int index)
{
    QMenuBar *bar = FormWidget()->findChild<QMenuBar *>();
    const QRect r = bar->actionGeometry(bar->actions()[index]);
    QTest::mouseClick(FormWindow(), Qt::LeftButton, Qt::NoModifier,
                      bar->mapTo(FormWidget(), r.center()));
}

void ChooseMenuItem(int index)
{
    auto *menu = qobject_cast<QMenu *>(OpenPopup());
    menu->setActiveAction(menu->actions()[index]);
    QTest::keyClick(menu, Qt::Key_Return);
}

TEST(Commands, ReturnAndEnterCalculateAndTypeNothing)
{
    KeyCounter returns(Qt::Key_Return), enters(Qt::Key_Enter);
    std::string afterReturn, afterEnter;
    Script s;
    s.When(FormShown,
           [&] {
               FillWorkedExample();
               FocusItem(iHoleDiameter);
               Field(iHoleDiameter)->installEventFilter(&returns);
               Field(iHoleDiameter)->installEventFilter(&enters);
               Key(Qt::Key_Return);
           })
        .Then([&] {
            afterReturn = Text(iLength1) + " " + Text(iLength2);
            Field(iLength1)->clear();
            Field(iLength2)->clear();
            Key(Qt::Key_Enter, Qt::KeypadModifier);
        })
        .Then([&] {
            afterEnter = Text(iLength1) + " " + Text(iLength2);
            Key(Qt::Key_Q, Qt::ControlModifier);
        });
    EXPECT_EQ(RunProgram(kFixtures, s), 0);
    EXPECT_FALSE(s.TimedOut());
    EXPECT_EQ(afterReturn, "292,33 289,10");
    EXPECT_EQ(afterEnter, "292,33 289,10");
    EXPECT_EQ(returns.count, 0);
    EXPECT_EQ(enters.count, 0);
}

// Held keys: their auto-repeats reach the form and keep editing, but a held
// Return or Enter never calculates again, whatever has the focus.
TEST(Commands, AutoRepeatsEditButNeverCalculate)
{
    const struct {
        const char *name;
        int focus;
        Qt::Key key;
        const char *text;
        const char *diameter, *length1;
    } cases[] = {
        {"return_in_a_field", iRimDiameter, Qt::Key_Return, "\r", "600", ""},
        {"return_on_calculate", iCalculate, Qt::Key_Return, "\r", "600", ""},
        {"enter_on_calculate", iCalculate, Qt::Key_Enter, "\r", "600", ""},
        {"backspace_deletes", iRimDiameter, Qt::Key_Backspace, "\b", "6", ""},
        {"digit_types", iRimDiameter, Qt::Key_5, "5", "60055", ""},
    };
    for (const auto &c : cases) {
        std::string diameter, length1;
        Script s;
        s.When(FormShown, [&] {
             FillWorkedExample();
             FocusItem(c.focus);
             Field(iRimDiameter)->end(false);
             for (int i = 0; i < 2; i++) {
                 QKeyEvent repeat(QEvent::KeyPress, c.key, Qt::NoModifier,
                                  QString::fromLatin1(c.text), true);
                 QCoreApplication::sendEvent(FormWindow(), &repeat);
             }
         }).Then([&] {
            diameter = Text(iRimDiameter);
            length1 = Text(iLength1);
            Key(Qt::Key_Q, Qt::ControlModifier);
        });
        EXPECT_EQ(RunProgram(kFixtures, s), 0) << c.name;
        EXPECT_EQ(diameter, c.diameter) << c.name;
        EXPECT_EQ(length1, c.length1) << c.name;
    }
}

TEST(Commands, EscapeEndsTheRunAndStillReachesTheForm)
{
    KeyCounter escapes(Qt::Key_Escape);
    Script s;
    s.When(FormShown, [&] {
        FocusItem(iRimDiameter);
        Field(iRimDiameter)->installEventFilter(&escapes);
        Key(Qt::Key_Escape);
    });
    EXPECT_EQ(RunProgram(kFixtures, s), 0);
    EXPECT_FALSE(s.TimedOut());
    EXPECT_EQ(escapes.count, 1);
}

TEST(Commands, QuitButtonEndsTheRun)
{
    Script s;
    s.When(FormShown, [] { ClickItem(iQuit); });
    EXPECT_EQ(RunProgram(kFixtures, s), 0);
    EXPECT_FALSE(s.TimedOut());
}

// Every field, results and lengths to buy of both sides included.
TEST(Commands, ClearEmptiesTextsAndZeroesNumbers)
{
    std::vector<int> fields;
    for (int n = 9; n <= 26; n++)
        fields.push_back(n);
    for (int n :
         {iBracing1, iBracing2, iTargetTension, iStretch1, iStretch2, iLengthToBuy1, iLengthToBuy2})
        fields.push_back(n);
    std::vector<std::string> shown;
    Script s;
    s.When(FormShown, [&] {
         for (int n : fields)
             Field(n)->setText(QStringLiteral("12,5 x"));
         ClickItem(iClear);
     }).Then([&] {
        for (int n : fields)
            shown.push_back(Text(n));
        ClickItem(iQuit);
    });
    EXPECT_EQ(RunProgram(kFixtures, s), 0);
    const std::vector<std::string> expected = {
        "",     "0,00", "",     "", "", "0,00", "0,00", "0,00", "0,00", "0,00", "", "", "",
        "0,00", "0,00", "0,00", "", "", "",     "",     "",     "",     "",     "", ""};
    EXPECT_EQ(shown, expected);
}

TEST(Commands, ChoosingHubThreeFillsItsFieldsAndLeavesTheResults)
{
    std::vector<std::string> shown;
    Script s;
    s.When(FormShown,
           [] {
               Field(iLength1)->setText(QStringLiteral("111,11"));
               Field(iLength2)->setText(QStringLiteral("222,22"));
               ClickItem(iHubMenu);
           })
        .When(OpenPopup, [] { ChooseInList(3); })
        .Then([&] {
            for (int n = 13; n <= 23; n++)
                shown.push_back(Text(n));
            ClickItem(iQuit);
        });
    EXPECT_EQ(RunProgram(kFixtures, s), 0);
    const std::vector<std::string> expected = {
        "rear",   "45,00",     "57,00",  "35,00", "20,00", "2,60", "Test high flange",
        "130 QR", "third hub", "111,11", "222,22"};
    EXPECT_EQ(shown, expected);
}

TEST(Commands, ChoosingARimFillsItsFields)
{
    std::vector<std::string> shown;
    Script s;
    s.When(FormShown, [] { ClickItem(iRimMenu); })
        .When(OpenPopup, [] { ChooseInList(2); })
        .Then([&] {
            for (int n = 9; n <= 12; n++)
                shown.push_back(Text(n));
            shown.push_back(Text(iLength1));
            ClickItem(iQuit);
        });
    EXPECT_EQ(RunProgram(kFixtures, s), 0);
    const std::vector<std::string> expected = {"559x21", "541,50", "Test mountain", "second rim",
                                               ""};
    EXPECT_EQ(shown, expected);
}

// A chooser's hit fills the form from the chosen record, the first when no
// entry was ever chosen; the list opens on the current entry, and Return
// there chooses it again.
TEST(Commands, ChooserHitsFillFromTheChosenRecord)
{
    std::string rimOfNoChoice, hubOfNoChoice, openedOn, chosenAgain;
    Script s;
    s.When(FormShown,
           [] {
               ToolboxPostItemHit(theDialog, iRimMenu);
               ToolboxPostItemHit(theDialog, iHubMenu);
           })
        .Then([&] {
            rimOfNoChoice = Text(iRimText1) + "|" + Text(iRimDiameter);
            hubOfNoChoice = Text(iHubText1) + "|" + Text(iFlangeDistance1);
            ClickItem(iRimMenu);
        })
        .When(OpenPopup, [] { ChooseInList(2); })
        .Then([] {
            Field(iRimText1)->setText(QStringLiteral("edited"));
            ClickItem(iRimMenu);
        })
        .When(OpenPopup,
              [&] {
                  auto *view = qobject_cast<QAbstractItemView *>(OpenPopup()->focusWidget());
                  openedOn = std::to_string(view->currentIndex().row() + 1);
                  QTest::keyClick(view, Qt::Key_Return);
              })
        .Then([&] {
            chosenAgain = Text(iRimText1);
            Key(Qt::Key_Q, Qt::ControlModifier);
        });
    EXPECT_EQ(RunProgram(kFixtures, s), 0);
    EXPECT_EQ(rimOfNoChoice, "Test road|600,00");
    EXPECT_EQ(hubOfNoChoice, "Test small|35,00");
    EXPECT_EQ(openedOn, "2");
    EXPECT_EQ(chosenAgain, "Test mountain");
}

TEST(Commands, WholeSessionFromTheKeyboard)
{
    // Rim 1 and hub 3 chosen with the keyboard alone, then Return.
    std::string lengths;
    Script s;
    s.When(FormShown,
           [] {
               FocusItem(iRimMenu);
               Key(Qt::Key_Space);
           })
        .When(OpenPopup, [] { QTest::keyClick(OpenPopup()->focusWidget(), Qt::Key_Return); })
        .When([] { return !OpenPopup(); },
              [] {
                  FocusItem(iHubMenu);
                  Key(Qt::Key_Down);
              })
        .When(OpenPopup,
              [] {
                  QWidget *list = OpenPopup()->focusWidget();
                  QTest::keyClick(list, Qt::Key_Down);
                  QTest::keyClick(list, Qt::Key_Down);
                  QTest::keyClick(list, Qt::Key_Enter);
              })
        .Then([] {
            Popup(iCrossings1)->setCurrentIndex(3);
            Popup(iCrossings2)->setCurrentIndex(3);
            ChooseValue(iSpokes, 3);
            Key(Qt::Key_Return);
        })
        .Then([&] {
            lengths = Text(iLength1) + " " + Text(iLength2);
            Key(Qt::Key_Escape);
        });
    EXPECT_EQ(RunProgram(kFixtures, s), 0);
    EXPECT_EQ(lengths, "292,33 289,10");
}

TEST(Commands, ClipboardThroughTheEditMenuKeys)
{
    std::string copied, afterCut, pasted, typed;
    Script s;
    s.When(FormShown,
           [] {
               Field(iRimDiameter)->setText(QStringLiteral("601,5"));
               FocusItem(iRimDiameter);
               Field(iRimDiameter)->selectAll();
               QApplication::clipboard()->clear();
               Key(Qt::Key_C, Qt::ControlModifier);
           })
        .Then([&] {
            copied = QApplication::clipboard()->text().toStdString();
            typed = Text(iRimDiameter);
            Field(iRimDiameter)->selectAll();
            Key(Qt::Key_X, Qt::ControlModifier);
        })
        .Then([&] {
            afterCut = Text(iRimDiameter);
            FocusItem(iHoleDiameter);
            Key(Qt::Key_V, Qt::ControlModifier);
        })
        .Then([&] {
            pasted = Text(iHoleDiameter);
            Key(Qt::Key_Q, Qt::ControlModifier);
        });
    EXPECT_EQ(RunProgram(kFixtures, s), 0);
    EXPECT_EQ(copied, "601,5");
    EXPECT_EQ(typed, "601,5") << "a command key must not type its letter";
    EXPECT_EQ(afterCut, "");
    EXPECT_EQ(pasted, "601,5");
}

// A result is copied as a user with a mouse would: drag across it, then Copy
// from the Edit menu or with Ctrl+C.
TEST(Commands, ResultsCopyWithTheMouse)
{
    std::vector<std::string> copied;
    auto dragAcross = [](int item) {
        QWidget *w = Item(item);
        const QPoint left = w->mapTo(FormWidget(), QPoint(2, w->height() / 2));
        const QPoint right = w->mapTo(FormWidget(), QPoint(w->width() - 2, w->height() / 2));
        QApplication::clipboard()->clear();
        QTest::mousePress(FormWindow(), Qt::LeftButton, Qt::NoModifier, left);
        QTest::mouseMove(FormWindow(), right);
        QTest::mouseRelease(FormWindow(), Qt::LeftButton, Qt::NoModifier, right);
    };
    auto clip = [&] { copied.push_back(QApplication::clipboard()->text().toStdString()); };
    Script s;
    s.When(FormShown,
           [] {
               FillWorkedExample();
               Key(Qt::Key_Return);
           })
        .Then([&] { dragAcross(iLength1); })
        .Then([] { Key(Qt::Key_C, Qt::ControlModifier); })
        .Then([&] {
            clip();
            dragAcross(iLength2);
        })
        .Then([] { ClickMenuTitle(2); })
        .When(OpenPopup, [] { ChooseMenuItem(3); })
        .Then([&] {
            clip();
            Key(Qt::Key_Q, Qt::ControlModifier);
        });
    EXPECT_EQ(RunProgram(kFixtures, s), 0);
    const std::vector<std::string> expected = {"292,33", "289,10"};
    EXPECT_EQ(copied, expected);
}

TEST(Commands, AboutBoxOpensFromTheMenuAndClosesWithOk)
{
    bool opened = false, closed = false;
    Script s;
    s.When(FormShown, [] { ClickMenuTitle(0); })
        .When(OpenPopup, [] { ChooseMenuItem(0); })
        .When([] { return AboutBox() && AboutBox()->isVisible(); },
              [&] {
                  opened = true;
                  QWidget *ok = AboutBox()->findChild<QWidget *>(QStringLiteral("item1"));
                  QTest::mouseClick(AboutBox()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                                    ok->mapTo(AboutBox(), ok->rect().center()));
              })
        .When([] { return !AboutBox(); },
              [&] {
                  closed = true;
                  Key(Qt::Key_Q, Qt::ControlModifier);
              });
    EXPECT_EQ(RunProgram(kFixtures, s), 0);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(s.TimedOut());
}

// A title stays highlighted only while its command runs: the first menu's
// while the About box is open, none after a command key or a menu choice.
TEST(Commands, MenuTitlesAreHighlightedOnlyWhileACommandRuns)
{
    MenuID afterKey = -1, afterChoice = -1, duringAbout = -1, afterAbout = -1;
    Script s;
    s.When(FormShown,
           [] {
               FocusItem(iRimDiameter);
               Key(Qt::Key_C, Qt::ControlModifier);
           })
        .Then([&] {
            afterKey = ToolboxHilitedMenu();
            ClickMenuTitle(2);
        })
        .When(OpenPopup, [] { ChooseMenuItem(3); })
        .Then([&] {
            afterChoice = ToolboxHilitedMenu();
            ClickMenuTitle(0);
        })
        .When(OpenPopup, [] { ChooseMenuItem(0); })
        .When([] { return AboutBox() && AboutBox()->isVisible(); },
              [&] {
                  duringAbout = ToolboxHilitedMenu();
                  QTest::keyClick(AboutBox()->windowHandle(), Qt::Key_Return);
              })
        .When([] { return !AboutBox(); }, [] {})
        .Then([&] {
            afterAbout = ToolboxHilitedMenu();
            Key(Qt::Key_Q, Qt::ControlModifier);
        });
    EXPECT_EQ(RunProgram(kFixtures, s), 0);
    EXPECT_EQ(afterKey, 0);
    EXPECT_EQ(afterChoice, 0);
    EXPECT_EQ(duringAbout, kProgramMenuID);
    EXPECT_EQ(afterAbout, 0);
}

TEST(Commands, EscapeClosesTheAboutBoxThroughItsLoop)
{
    bool closed = false;
    Script s;
    s.When(FormShown, [] { DoMenuCommand((kProgramMenuID << 16) | 1); })
        .When([] { return AboutBox() && AboutBox()->isVisible(); },
              [] { QTest::keyClick(AboutBox()->windowHandle(), Qt::Key_Escape); })
        .When([] { return !AboutBox(); },
              [&] {
                  closed = true;
                  ClickItem(iQuit);
              });
    EXPECT_EQ(RunProgram(kFixtures, s), 0);
    EXPECT_TRUE(closed);
}

TEST(Commands, MenuChoiceOfNothingDoesNothing)
{
    bool stillRunning = false;
    Script s;
    s.When(FormShown,
           [] {
               DoMenuCommand(0);
               DoMenuCommand(5); // menu 0, item 5
               DoMenuCommand((131 << 16) | 1);
               DoMenuCommand((kEditMenuID << 16) | 1);
               ClickMenuTitle(1);
           })
        .When(OpenPopup, [] { QTest::keyClick(OpenPopup(), Qt::Key_Escape); })
        .When([] { return !OpenPopup(); },
              [&] {
                  stillRunning = alive;
                  Key(Qt::Key_Escape);
              });
    EXPECT_EQ(RunProgram(kFixtures, s), 0);
    EXPECT_TRUE(stillRunning);
}

TEST(Commands, QuitFromTheFileMenu)
{
    Script s;
    s.When(FormShown, [] { ClickMenuTitle(1); }).When(OpenPopup, [] { ChooseMenuItem(0); });
    EXPECT_EQ(RunProgram(kFixtures, s), 0);
    EXPECT_FALSE(s.TimedOut());
}

TEST(Commands, MissingAboutTemplateLeavesTheProgramRunning)
{
    ToolboxHideTemplate(kAboutBoxID, TRUE);
    bool stillRunning = false;
    Script s;
    s.When(FormShown, [] { DoMenuCommand((kProgramMenuID << 16) | 1); }).Then([&] {
        stillRunning = alive && !AboutBox();
        Key(Qt::Key_Q, Qt::ControlModifier);
    });
    const int result = RunProgram(kFixtures, s);
    ToolboxHideTemplate(kAboutBoxID, FALSE);
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(stillRunning);
}

class NoRecord : public FormTest {};

TEST_F(NoRecord, ChoosingAnEntryWithNoRecordChangesNothing)
{
    // The menu has an entry but the table none: nothing is read and nothing changes.
    TempFolder folder;
    folder.Write("rims.txt", "h\r600\tA\tB\tC\r");
    snprintf(path, sizeof path, "%s", folder.Path().c_str());
    DoReadData(ItemMenu(form, iRimMenu), ItemMenu(form, iHubMenu));
    XMenuAppendItemStr(ItemMenu(form, iHubMenu), "Hub with no record");
    FreeCatalogues();
    Field(iRimText1)->setText(QStringLiteral("kept"));
    Field(iHubText1)->setText(QStringLiteral("kept"));
    for (DialogItemIndex item : {iRimMenu, iHubMenu}) {
        ClickItem(item);
        EventRecord e{};
        while (!WaitNextEvent(everyEvent, &e, 1, nullptr)) {
        }
        QTimer::singleShot(50, [] { ChooseInList(1); });
        DoDlgEvt(&e);
        for (int i = 0; i < 3; i++)
            if (WaitNextEvent(everyEvent, &e, 1, nullptr))
                DoDlgEvt(&e);
    }
    EXPECT_EQ(Text(iRimText1), "kept");
    EXPECT_EQ(Text(iHubText1), "kept");
    EXPECT_EQ(Text(iRimDiameter), "");
}

} // namespace
