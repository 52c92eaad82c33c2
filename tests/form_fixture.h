// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shared ground for the tests that run the real form on Qt's offscreen platform.
#ifndef QUENNICK_TESTS_FORM_FIXTURE_H
#define QUENNICK_TESTS_FORM_FIXTURE_H

#include <QComboBox>
#include <QObject>
#include <QLineEdit>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <QWindow>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolbox/toolbox.h"

// The main form's window and its items, found as the user would see them.
QWidget *FormWidget();
QWindow *FormWindow();
QWidget *Item(int n);
QLineEdit *Field(int n);
QComboBox *Popup(int n);
// Chooses the entry of popup n that stands for `value`, as the user would.
void ChooseValue(int n, int value);
std::string Text(int n);
// The centre of item n in window coordinates.
QPoint Centre(int n);

// The menu of a menu-button item (4 or 5) of a dialog.
MenuRef ItemMenu(DialogRef dialog, DialogItemIndex item);
// Fills the fields and popups of the main form with the worked example.
void FillWorkedExample();

// Input through the form's window, as the window system would deliver it.
void ClickItem(int n);
void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier);
void TypeText(const QString &text);
void FocusItem(int n);
// Takes the next event record, waiting a few passes for it; nullEvent when none came.
EventRecord Next();

// Steps run one after another from timers while the program's own loop runs.
// A watchdog ends the run if the script has not finished within 10 seconds, or
// if the program has not ended 5 seconds after its last step; RunProgram then
// fails the test.
class Script {
  public:
    Script();
    ~Script();
    // Runs the step once the program has handled everything the previous step
    // did (its queue is empty and its loop has been idle since, or a pop-up or
    // modal box is running its own loop), and at least `delayMs` after it.
    Script &Then(std::function<void()> step, int delayMs = 0);
    // Waits until `ready` holds (checked every 20 ms), then runs the step.
    Script &When(std::function<bool()> ready, std::function<void()> step);
    void Start();
    // Cancels whatever the script still had pending.
    void Stop();
    bool Finished() const { return next_ >= steps_.size(); }
    bool TimedOut() const { return timedOut_; }
    bool DidNotEnd() const { return didNotEnd_; }

  private:
    void RunNext();
    bool Settled() const;
    struct Step {
        std::function<bool()> ready;
        std::function<void()> run;
        int delayMs;
    };
    std::vector<Step> steps_;
    size_t next_ = 0;
    long idleMark_ = 0;
    bool timedOut_ = false;
    bool didNotEnd_ = false;
    QObject *timers_; // owns the script's timers: none outlives the script
};

// The pop-up list or menu that is open now, if any.
QWidget *OpenPopup();
// Chooses entry k (from 1) in the open pop-up list with the keyboard.
void ChooseInList(int k);
// The About box, while it exists.
QWidget *AboutBox();

// Where the fixture catalogues lie, and a fake executable path whose data folder
// is the given folder.
std::string FixturePath(const std::string &name);
std::string ExeIn(const std::string &folder);

// Runs the whole program in this process with the data folder `folder` while
// `script` drives it, with `buildFile` on its command line if given; returns
// main's result.
int RunProgram(const std::string &folder, Script &script, const char *buildFile = nullptr);

// A temporary folder with the given catalogue files (null: no such file).
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    void Write(const std::string &name, const std::string &bytes);
    const std::string &Path() const { return path_; } // ends in a slash

  private:
    std::string path_;
};

// The main form made from template 128, shown, with the menus installed; torn
// down after the test.
class FormTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    DialogRef form = nullptr;
};

#endif
