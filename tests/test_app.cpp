// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole program in this process: start-up, the loop's routing, the ways out.
#include <QApplication>
#include <QMenuBar>
#include <QTest>

#include <string>

#include "app/globals.h"
#include "app/shell.h"
#include "catalogue/catalogue.h"
#include "form/items.h"
#include "toolbox/testing.h"
#include "tests/form_fixture.h"

namespace {

const std::string kFixtures = FixturePath("");

bool FormShown()
{
    return FormWidget() && FormWidget()->isVisible();
}

// Notes what had been loaded when the form first showed.
class ShowWatcher : public QObject {
  public:
    SInt32 rims = -1, hubs = -1;
    int rimEntries = -1;
    std::string title;
    bool eventFilter(QObject *obj, QEvent *e) override
    {
        if (e->type() == QEvent::Show && obj->objectName() == QLatin1String("MainForm") &&
            rims < 0) {
            rims = rimc;
            hubs = hubc;
            title = static_cast<QWidget *>(obj)->windowTitle().toStdString();
            ControlRef control = nullptr;
            GetDialogItemAsControl(theDialog, iRimMenu, &control);
            MenuHandle menu = nullptr;
            GetBevelButtonMenuHandle(control, &menu);
            rimEntries = CountMenuItems(menu);
        }
        return false;
    }
};

TEST(App, FormShowsOnlyOnceTheCataloguesAreLoaded)
{
    ShowWatcher watcher;
    qApp->installEventFilter(&watcher);
    QStringList titles;
    Script s;
    s.When(FormShown, [&] {
        for (QAction *a : FormWidget()->findChild<QMenuBar *>()->actions())
            titles << a->text();
        Key(Qt::Key_Q, Qt::ControlModifier);
    });
    EXPECT_EQ(RunProgram(kFixtures, s), 0);
    qApp->removeEventFilter(&watcher);
    EXPECT_EQ(watcher.rims, 3);
    EXPECT_EQ(watcher.hubs, 4);
    EXPECT_EQ(watcher.rimEntries, 3);
    EXPECT_EQ(watcher.title, "Quennick");
    EXPECT_EQ(titles.join(QLatin1Char(',')).toStdString(), "Quennick,File,Edit,Wheel");
}

TEST(App, ExampleCataloguesLoad)
{
    SInt32 rims = 0, hubs = 0;
    Script s;
    s.When(FormShown, [&] {
        rims = rimc;
        hubs = hubc;
        Key(Qt::Key_Escape);
    });
    EXPECT_EQ(RunProgram(std::string(QUENNICK_EXAMPLES) + "/", s), 0);
    EXPECT_GE(rims, 12);
    EXPECT_GE(hubs, 12);
}

TEST(App, PickHubAndRimThenReturn)
{
    std::string lengths;
    Script s;
    s.When(FormShown, [] { ClickItem(iHubMenu); })
        .When(OpenPopup, [] { ChooseInList(3); })
        .When([] { return !OpenPopup(); }, [] { ClickItem(iRimMenu); })
        .When(OpenPopup, [] { ChooseInList(1); })
        .When([] { return !OpenPopup(); }, [] { Key(Qt::Key_Return); })
        .Then([&] {
            lengths = Text(iLength1) + " " + Text(iLength2);
            Key(Qt::Key_Q, Qt::ControlModifier);
        });
    EXPECT_EQ(RunProgram(kFixtures, s), 0);
    // Rim 1 is 600, hub 3 the worked example's, and the form opens on 3 crossings, 32 spokes.
    EXPECT_EQ(lengths, "292,33 289,10");
}

struct WayOut {
    const char *name;
    std::function<void()> act;
};

class EndsWithZero : public ::testing::TestWithParam<WayOut> {};

TEST_P(EndsWithZero, Ends)
{
    Script s;
    s.When(FormShown, GetParam().act);
    EXPECT_EQ(RunProgram(kFixtures, s), 0);
    EXPECT_FALSE(s.TimedOut());
    EXPECT_EQ(FormWidget(), nullptr) << "the form is disposed of";
}

INSTANTIATE_TEST_SUITE_P(App, EndsWithZero,
                         ::testing::Values(WayOut{"ctrl_q",
                                                  [] { Key(Qt::Key_Q, Qt::ControlModifier); }},
                                           WayOut{"escape", [] { Key(Qt::Key_Escape); }},
                                           WayOut{"quit_button", [] { ClickItem(iQuit); }},
                                           WayOut{"close_box", [] { FormWidget()->close(); }}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(App, MissingFormTemplateEndsAtOnceWithMinusOne)
{
    ToolboxHideTemplate(kMainFormID, TRUE);
    Script s;
    const int result = RunProgram(kFixtures, s);
    ToolboxHideTemplate(kMainFormID, FALSE);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(rimc, 0) << "no catalogue may be read";
    EXPECT_EQ(rimt, nullptr);
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_EQ(w->findChild<QMenuBar *>(), nullptr) << "no menu may be installed";
}

TEST(App, DataFolderComesFromTheExecutablePath)
{
    std::string folder;
    Script s;
    s.When(FormShown, [&] {
        folder = path;
        Key(Qt::Key_Escape);
    });
    RunProgram(kFixtures, s);
    EXPECT_EQ(folder, kFixtures);
}

TEST(App, IdleLoopSleepsBetweenEvents)
{
    long before = 0, during = 0;
    Script s;
    s.When(FormShown, [&] { before = ToolboxNullEvents(); })
        .Then(
            [&] {
                during = ToolboxNullEvents() - before;
                Key(Qt::Key_Escape);
            },
            1000);
    RunProgram(kFixtures, s);
    // Five ticks a wait: about twelve passes a second, not thousands.
    EXPECT_GT(during, 2);
    EXPECT_LT(during, 40);
}

} // namespace
