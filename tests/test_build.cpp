// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Build files in the running program: opening restores the form and
// calculates it, hostile files and failed saves say why and change nothing,
// the title names the open build, and unsaved changes are asked about.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "app/globals.h"
#include "form/build.h"
#include "form/commands.h"
#include "form/items.h"
#include "form/sheet.h"
#include "tests/form_fixture.h"
#include "toolbox/testing.h"

namespace {

std::string Contents(const std::string &path)
{
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string Title()
{
    return FormWidget()->windowTitle().toStdString();
}

// The worked example as a build file of its own.
std::string WriteRearWheel(const std::string &path)
{
    Build b;
    ClearBuild(&b);
    snprintf(b.wheel.name, sizeof b.wheel.name, "Rear, Anna");
    snprintf(b.wheel.notes, sizeof b.wheel.notes, "32 spokes bought");
    b.wheel.rim.diameter = 600;
    b.wheel.hub.flangeDiameter1 = 45;
    b.wheel.hub.flangeDiameter2 = 57;
    b.wheel.hub.flangeDistance1 = 35;
    b.wheel.hub.flangeDistance2 = 20;
    b.wheel.hub.holeDiameter = 2.6;
    EXPECT_EQ(WriteBuildFile(path.c_str(), b), 0);
    return path;
}

class BuildCommands : public FormTest {
  protected:
    void SetUp() override
    {
        FormTest::SetUp();
        theBuildFile[0] = '\0';
        ToolboxAnswerNavigation(TRUE);
    }
    void TearDown() override
    {
        ToolboxAnswerNavigation(FALSE);
        theBuildFile[0] = '\0';
        FormTest::TearDown();
    }
    TempFolder folder;
};

TEST_F(BuildCommands, OpeningRestoresTheFormAndCalculatesIt)
{
    const std::string path = WriteRearWheel(folder.Path() + "rear-wheel.quennick");
    ASSERT_TRUE(DoOpenBuild(path.c_str()));
    EXPECT_EQ(Text(iBuildName), "Rear, Anna");
    EXPECT_EQ(Text(iBuildNotes), "32 spokes bought");
    EXPECT_EQ(Text(iRimDiameter), "600,00");
    EXPECT_EQ(Text(iHoleDiameter), "2,60");
    EXPECT_EQ(Text(iLength1), "292,33");
    EXPECT_EQ(Text(iLength2), "289,10");
    EXPECT_EQ(Title(), "rear-wheel — Quennick");
    EXPECT_EQ(ToolboxNavigationAsked(), 0) << "no message for a good file";
    char figures[8192];
    Results2Figures(theResults, figures, sizeof figures);
    EXPECT_EQ(std::string(figures).substr(0, 43),
              "Name\tRear, Anna\nNotes\t32 spokes bought\nRim\n")
        << "the sheet names the build, one line each";
}

TEST_F(BuildCommands, TheTitleIsMarkedWhileTheBuildIsChanged)
{
    const std::string path = WriteRearWheel(folder.Path() + "rear-wheel.quennick");
    ASSERT_TRUE(DoOpenBuild(path.c_str()));
    Field(iBuildNotes)->setText(QStringLiteral("trued on Friday"));
    DoBuildTitle();
    EXPECT_EQ(Title(), "*rear-wheel — Quennick");
    Field(iBuildNotes)->setText(QStringLiteral("32 spokes bought"));
    DoBuildTitle();
    EXPECT_EQ(Title(), "rear-wheel — Quennick") << "back as saved: nothing to save";
    Field(iRimDiameter)->setText(QStringLiteral("601"));
    DoBuildTitle();
    ASSERT_TRUE(DoSaveCommand());
    EXPECT_EQ(Title(), "rear-wheel — Quennick");
    EXPECT_NE(Contents(path).find("\"erd\": 601.0"), std::string::npos);
}

TEST_F(BuildCommands, SaveAsOffersTheBuildsNameAndSavesWhereTheUserChose)
{
    FillWorkedExample();
    Field(iBuildName)->setText(QStringLiteral("front/rear"));
    const std::string path = folder.Path() + "chosen.quennick";
    ToolboxSetNavFile(path.c_str());
    DoMenuCommand((kFileMenuID << 16) | kSaveItem); // never saved: Save is Save As
    EXPECT_EQ(ToolboxNavigationAsked(), 1);
    EXPECT_EQ(std::string(theBuildFile), path);
    EXPECT_EQ(Title(), "chosen — Quennick");
    const std::string text = Contents(path);
    EXPECT_NE(text.find("\"name\": \"front/rear\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"length\": 292.33"), std::string::npos) << "results for tools to read";
}

// Files that cannot be opened: each says what is wrong in its own message,
// and neither the form nor the file changes.
struct HostileCase {
    const char *name;
    std::function<std::string(const std::string &folder)> make; // the path
    const char *message;
};

class HostileOpen : public BuildCommands, public ::testing::WithParamInterface<HostileCase> {};

TEST_P(HostileOpen, SaysWhyAndChangesNothing)
{
    const std::string path = GetParam().make(folder.Path());
    FillWorkedExample();
    Build before, after;
    Form2Build(theDialog, &before);
    struct stat was = {}, is = {};
    stat(path.c_str(), &was);
    EXPECT_FALSE(DoOpenBuild(path.c_str()));
    EXPECT_EQ(ToolboxNavigationAsked(), 1);
    EXPECT_EQ(std::string(ToolboxLastAlertText()), GetParam().message);
    Form2Build(theDialog, &after);
    EXPECT_TRUE(SameBuild(before, after));
    EXPECT_EQ(Title(), "Quennick");
    EXPECT_STREQ(theBuildFile, "");
    stat(path.c_str(), &is);
    EXPECT_EQ(is.st_size, was.st_size);
    EXPECT_EQ(is.st_mtim.tv_nsec, was.st_mtim.tv_nsec);
}

std::string Put(const std::string &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

const HostileCase kHostile[] = {
    {"NotABuild", [](const std::string &f) { return Put(f + "rims.txt", "ERD\tRim\n602\tx\n"); },
     "“rims.txt” is not a Quennick build file."},
    {"Damaged",
     [](const std::string &f) {
         return Put(f + "d.quennick", "{\"format\": \"Quennick build\", \"version\": 1, x}");
     },
     "“d.quennick” is damaged: it is not a build as Quennick writes one, and was not opened."},
    {"CutShort",
     [](const std::string &f) {
         const std::string text = Contents(WriteRearWheel(f + "whole.quennick"));
         return Put(f + "cut.quennick", text.substr(0, text.size() / 3));
     },
     "“cut.quennick” ends too soon: the file was cut short, and was not opened."},
    {"TooLarge",
     [](const std::string &f) {
         const std::string p = f + "huge.quennick";
         const int fd = open(p.c_str(), O_WRONLY | O_CREAT, 0644);
         EXPECT_EQ(ftruncate(fd, 2 << 20), 0);
         close(fd);
         return p;
     },
     "“huge.quennick” is larger than any build file (1 MiB), and was not opened."},
    {"AFolder",
     [](const std::string &f) {
         mkdir((f + "builds").c_str(), 0755);
         return f + "builds";
     },
     "“builds” is a folder, not a build file."},
    {"ANamedPipe",
     [](const std::string &f) {
         mkfifo((f + "pipe.quennick").c_str(), 0644);
         return f + "pipe.quennick";
     },
     "“pipe.quennick” is not a file but a named pipe or a device, and was not opened."},
    {"Missing", [](const std::string &f) { return f + "gone.quennick"; },
     "“gone.quennick” could not be opened: No such file or directory."},
};

INSTANTIATE_TEST_SUITE_P(Files, HostileOpen, ::testing::ValuesIn(kHostile),
                         [](const ::testing::TestParamInfo<HostileCase> &i) {
                             return i.param.name;
                         });

TEST_F(BuildCommands, ANewerVersionsFileOpensWhatItUnderstandsAndSaysSo)
{
    std::string text = Contents(WriteRearWheel(folder.Path() + "old.quennick"));
    text.replace(text.find("\"version\": 1"), 12, "\"version\": 2, \"readings\": [1.5]");
    const std::string path = Put(folder.Path() + "new.quennick", text);
    ASSERT_TRUE(DoOpenBuild(path.c_str()));
    EXPECT_EQ(Text(iLength1), "292,33");
    EXPECT_EQ(std::string(ToolboxLastAlertText()),
              "“new.quennick” was saved by a newer version of Quennick. What this version "
              "understands of it is shown; the rest is left out, and saving it here keeps only "
              "what is shown.");
}

TEST_F(BuildCommands, AFailedSaveSaysWhyAndKeepsTheFormAndTheOpenBuild)
{
    const std::string path = WriteRearWheel(folder.Path() + "rear-wheel.quennick");
    ASSERT_TRUE(DoOpenBuild(path.c_str()));
    Field(iBuildNotes)->setText(QStringLiteral("changed"));
    EXPECT_FALSE(DoSaveBuild((folder.Path() + "no-such-folder/x.quennick").c_str()));
    EXPECT_EQ(std::string(ToolboxLastAlertText()),
              "“x.quennick” could not be saved: No such file or directory. The file on the disk "
              "is as it was before.");
    EXPECT_EQ(Text(iBuildNotes), "changed");
    EXPECT_EQ(std::string(theBuildFile), path);
    DoBuildTitle();
    EXPECT_EQ(Title(), "*rear-wheel — Quennick");
}

// The question itself, as the user answers it: each button (and Escape)
// gives its own answer.
TEST_F(BuildCommands, TheQuestionsButtonsGiveTheirAnswers)
{
    ToolboxAnswerNavigation(FALSE);
    const struct {
        const char *name;
        std::function<void(QWidget *box)> answer;
        NavAskSaveChangesResult expected;
    } cases[] = {
        {"Save", [](QWidget *box) { QTest::keyClick(box, Qt::Key_Return); },
         kNavAskSaveChangesSave},
        {"Don't Save",
         [](QWidget *box) {
             for (QPushButton *b : box->findChildren<QPushButton *>())
                 if (b->text() == QStringLiteral("Don't Save"))
                     b->click();
         },
         kNavAskSaveChangesDontSave},
        {"Cancel", [](QWidget *box) { QTest::keyClick(box, Qt::Key_Escape); },
         kNavAskSaveChangesCancel},
    };
    const NavAskSaveChangesTexts texts = {"Save the changes?", "Or not.", "Save", "Don't Save",
                                          "Cancel"};
    for (const auto &c : cases) {
        QTimer::singleShot(0, [&c] {
            QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
            QWidget *box = QApplication::activeModalWidget();
            // A failed answer must not hang the suite: the box closes anyway.
            QTimer::singleShot(5000, box, [box] { box->close(); });
            c.answer(box);
        });
        EXPECT_EQ(NavAskSaveChanges(&texts), c.expected) << c.name;
    }
}

// Quitting with unsaved changes asks; each answer does what it says. The
// whole program runs, with the build named on its command line.
struct QuitCase {
    const char *name;
    NavAskSaveChangesResult answer;
    bool ends;
    bool saved;
};

class UnsavedChanges : public ::testing::TestWithParam<QuitCase> {};

TEST_P(UnsavedChanges, TheAnswerDecides)
{
    TempFolder folder;
    const std::string path = WriteRearWheel(folder.Path() + "rear-wheel.quennick");
    const std::string before = Contents(path);
    ToolboxAnswerNavigation(TRUE);
    bool aliveAfter = false;
    Script s;
    s.When([] { return FormWidget() && FormWidget()->isVisible() && Text(iLength1) == "292,33"; },
           [&] {
               FocusItem(iBuildNotes);
               Key(Qt::Key_End);
               TypeText(QStringLiteral(" and a rim"));
           })
        .Then([&] {
            ToolboxSetSaveChangesAnswer(GetParam().answer);
            Key(Qt::Key_Escape);
        })
        .Then([&] {
            aliveAfter = alive;
            if (alive) { // cancelled: still running; end without saving
                ToolboxSetSaveChangesAnswer(kNavAskSaveChangesDontSave);
                Key(Qt::Key_Escape);
            }
        });
    EXPECT_EQ(RunProgram(FixturePath(""), s, path.c_str()), 0);
    EXPECT_EQ(aliveAfter, !GetParam().ends);
    EXPECT_EQ(ToolboxNavigationAsked(), GetParam().ends ? 1 : 2);
    const std::string after = Contents(path);
    if (GetParam().saved)
        EXPECT_NE(after.find("32 spokes bought and a rim"), std::string::npos) << after;
    else
        EXPECT_EQ(after, before);
    ToolboxAnswerNavigation(FALSE);
    theBuildFile[0] = '\0';
}

INSTANTIATE_TEST_SUITE_P(
    Answers, UnsavedChanges,
    ::testing::Values(QuitCase{"Save", kNavAskSaveChangesSave, true, true},
                      QuitCase{"DontSave", kNavAskSaveChangesDontSave, true, false},
                      QuitCase{"Cancel", kNavAskSaveChangesCancel, false, false}),
    [](const ::testing::TestParamInfo<QuitCase> &i) { return i.param.name; });

// A form that was never saved or opened quits as it always did: no question.
TEST(UnsavedChangesOf, AFormNeverSavedQuitsWithoutAsking)
{
    ToolboxAnswerNavigation(TRUE);
    Script s;
    s.When([] { return FormWidget() && FormWidget()->isVisible(); },
           [] {
               FocusItem(iBuildNotes);
               TypeText(QStringLiteral("changed"));
           })
        .Then([] { Key(Qt::Key_Escape); });
    EXPECT_EQ(RunProgram(FixturePath(""), s), 0);
    EXPECT_EQ(ToolboxNavigationAsked(), 0);
    ToolboxAnswerNavigation(FALSE);
}

} // namespace
