// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/form_fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "app/globals.h"
#include "app/shell.h"
#include "catalogue/catalogue_testing.h"
#include "form/items.h"
#include "toolbox/testing.h"

QWidget *FormWidget()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("MainForm"))
            return w;
    return nullptr;
}

QWindow *FormWindow()
{
    QWidget *w = FormWidget();
    return w ? w->windowHandle() : nullptr;
}

QWidget *Item(int n)
{
    QWidget *form = FormWidget();
    return form ? form->findChild<QWidget *>(QStringLiteral("item%1").arg(n)) : nullptr;
}

QLineEdit *Field(int n)
{
    return qobject_cast<QLineEdit *>(Item(n));
}

QComboBox *Popup(int n)
{
    return qobject_cast<QComboBox *>(Item(n));
}

void ChooseValue(int n, int value)
{
    QComboBox *popup = Popup(n);
    const int index = popup->findData(value);
    popup->setCurrentIndex(index >= 0 ? index : value - 1);
}

std::string Text(int n)
{
    QLineEdit *e = Field(n);
    return e ? e->text().toStdString() : std::string("<no field>");
}

QPoint Centre(int n)
{
    QWidget *w = Item(n);
    return w->mapTo(w->window(), w->rect().center());
}

MenuRef ItemMenu(DialogRef dialog, DialogItemIndex item)
{
    ControlRef control = nullptr;
    GetDialogItemAsControl(dialog, item, &control);
    MenuHandle menu = nullptr;
    GetBevelButtonMenuHandle(control, &menu);
    return menu;
}

void FillWorkedExample()
{
    Field(iRimDiameter)->setText(QStringLiteral("600"));
    Field(iFlangeDiameter1)->setText(QStringLiteral("45"));
    Field(iFlangeDiameter2)->setText(QStringLiteral("57"));
    Field(iFlangeDistance1)->setText(QStringLiteral("35"));
    Field(iFlangeDistance2)->setText(QStringLiteral("20"));
    Field(iHoleDiameter)->setText(QStringLiteral("2,6"));
    Popup(iCrossings1)->setCurrentIndex(3);
    Popup(iCrossings2)->setCurrentIndex(3);
    ChooseValue(iSpokes, 3);
}

void ClickItem(int n)
{
    QTest::mouseClick(FormWindow(), Qt::LeftButton, Qt::NoModifier, Centre(n));
}

void Key(Qt::Key key, Qt::KeyboardModifiers mods)
{
    QTest::keyClick(FormWindow(), key, mods);
}

void TypeText(const QString &text)
{
    for (QChar c : text)
        QTest::keyClick(FormWindow(), c.toLatin1());
}

void FocusItem(int n)
{
    Item(n)->setFocus(Qt::OtherFocusReason);
}

Script::Script() : timers_(new QObject) {}

Script::~Script()
{
    delete timers_;
}

Script &Script::Then(std::function<void()> step, int delayMs)
{
    steps_.push_back(Step{nullptr, std::move(step), delayMs});
    return *this;
}

Script &Script::When(std::function<bool()> ready, std::function<void()> step)
{
    steps_.push_back(Step{std::move(ready), std::move(step), 20});
    return *this;
}

bool Script::Settled() const
{
    if (ToolboxQueuedEvents() != 0)
        return false;
    return ToolboxNullEvents() > idleMark_ || QApplication::activePopupWidget() ||
           QApplication::activeModalWidget();
}

void Script::Start()
{
    next_ = 0;
    timedOut_ = didNotEnd_ = false;
    QTimer::singleShot(10000, timers_, [this] {
        if (!Finished()) {
            timedOut_ = true;
            alive = FALSE;
        }
    });
    if (!steps_.empty())
        QTimer::singleShot(steps_[0].delayMs, timers_, [this] { RunNext(); });
}

void Script::Stop()
{
    delete timers_;
    timers_ = new QObject;
}

void Script::RunNext()
{
    if (timedOut_ || Finished())
        return;
    const Step &now = steps_[next_];
    if (now.ready ? !now.ready() : !Settled()) {
        QTimer::singleShot(5, timers_, [this] { RunNext(); });
        return;
    }
    auto step = now.run;
    next_++;
    idleMark_ = ToolboxNullEvents();
    if (next_ < steps_.size()) {
        QTimer::singleShot(steps_[next_].delayMs, timers_, [this] { RunNext(); });
    } else {
        // The last step: the program has five seconds to end.
        QTimer::singleShot(5000, timers_, [this] {
            didNotEnd_ = true;
            alive = FALSE;
            if (QWidget *popup = QApplication::activePopupWidget())
                popup->close();
        });
    }
    step();
}

QWidget *OpenPopup()
{
    return QApplication::activePopupWidget();
}

void ChooseInList(int k)
{
    auto *view = qobject_cast<QAbstractItemView *>(OpenPopup()->focusWidget());
    view->setCurrentIndex(view->model()->index(k - 1, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

QWidget *AboutBox()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("AboutBox"))
            return w;
    return nullptr;
}

std::string FixturePath(const std::string &name)
{
    return std::string(QUENNICK_FIXTURES) + "/" + name;
}

std::string ExeIn(const std::string &folder)
{
    return folder + "Quennick/Contents/Linux/quennick";
}

int RunProgram(const std::string &folder, Script &script, const char *buildFile)
{
    std::string exe = ExeIn(folder);
    std::string file = buildFile ? buildFile : "";
    char *argv[] = {&exe[0], buildFile ? &file[0] : nullptr, nullptr};
    script.Start();
    ShellIgnoreRunningExecutable(true);
    const int result = QuennickMain(buildFile ? 2 : 1, argv);
    script.Stop();
    EXPECT_FALSE(script.TimedOut()) << "the script did not finish within its time";
    EXPECT_FALSE(script.DidNotEnd()) << "the program did not end after the script's last step";
    ToolboxReset();
    FreeCatalogues();
    QApplication::processEvents();
    return result;
}

TempFolder::TempFolder()
{
    char tmpl[] = "/tmp/quennick-test-XXXXXX";
    path_ = mkdtemp(tmpl);
    path_ += "/";
}

TempFolder::~TempFolder()
{
    remove((path_ + "rims.txt").c_str());
    remove((path_ + "hubs.txt").c_str());
    remove((path_ + "meters.txt").c_str());
    rmdir(path_.c_str());
}

void TempFolder::Write(const std::string &name, const std::string &bytes)
{
    std::ofstream(path_ + name, std::ios::binary) << bytes;
}

void FormTest::SetUp()
{
    alive = TRUE;
    form = GetNewDialog(kMainFormID, nullptr, kFirstWindowOfClass);
    ASSERT_NE(form, nullptr);
    theDialog = form;
    theReadings = Readings();
    const SInt16 ids[] = {kProgramMenuID, kFileMenuID, kEditMenuID, kWheelMenuID};
    for (SInt16 id : ids)
        InsertMenu(GetMenu(id), 0);
    DrawMenuBar();
    ShowWindow(GetDialogWindow(form));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(FormWindow()));
}

void FormTest::TearDown()
{
    DisposeDialog(form);
    theDialog = nullptr;
    ToolboxReset();
    FreeCatalogues();
    QApplication::processEvents();
}

EventRecord Next()
{
    EventRecord e{};
    for (int i = 0; i < 20; i++)
        if (WaitNextEvent(everyEvent, &e, 1, nullptr))
            return e;
    return e;
}
