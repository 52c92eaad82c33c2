// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loads generated catalogues of 1,000, 10,000 and 32,767 records and prints the
// median load time (tables only), menu fill time and first popup time, next to
// the same entries put into a plain QMenu one action at a time.
// Figures only: nothing here passes or fails.
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/globals.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_testing.h"
#include "form/items.h"
#include "toolbox/testing.h"

namespace {

const int kRuns = 9;

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::string RimFile(int n)
{
    std::string s = "ERD\tRim\tNotes\tSize\r";
    for (int i = 0; i < n; i++)
        s += std::to_string(540 + i % 80) + "," + std::to_string(i % 10) + "\tRim model " +
             std::to_string(i + 1) + "\talloy, 32 holes\t622x" + std::to_string(15 + i % 10) + "\r";
    return s;
}

double Ms(const QElapsedTimer &t)
{
    return (double)t.nsecsElapsed() / 1e6;
}

// Time from a press on the menu button until its list has been painted.
class ShowClock : public QObject {
  public:
    QElapsedTimer clock;
    double shownAfter = -1;
    bool eventFilter(QObject *obj, QEvent *e) override
    {
        if (e->type() != QEvent::Paint || !obj->isWidgetType() || shownAfter >= 0)
            return false;
        QWidget *popup = static_cast<QWidget *>(obj)->window();
        if (popup->windowType() != Qt::Popup)
            return false;
        const bool handled = obj->event(e); // the paint itself counts
        shownAfter = Ms(clock);
        QTimer::singleShot(0, [popup] { popup->hide(); });
        return handled;
    }
};

// Clicks the form's rim button through its window and takes the press from
// the loop's queue, ready for DialogSelect to open the list.
EventRecord PressRimButton()
{
    QWidget *button = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("MainForm"))
            button = w->findChild<QWidget *>(QStringLiteral("item4"));
    QTest::mouseClick(button->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      button->mapTo(button->window(), button->rect().center()));
    EventRecord e{};
    while (!WaitNextEvent(everyEvent, &e, 1, nullptr) || e.what != mouseDown) {
    }
    return e;
}

double FirstPopup()
{
    ShowClock clock;
    qApp->installEventFilter(&clock);
    EventRecord e = PressRimButton();
    DialogRef d;
    DialogItemIndex item;
    clock.clock.start();
    DialogSelect(&e, &d, &item);
    qApp->removeEventFilter(&clock);
    while (WaitNextEvent(everyEvent, &e, 0, nullptr)) {
    }
    return clock.shownAfter;
}

// Milliseconds each keystroke takes to narrow (and widen) an open list of the
// form's rim button: typing "model 1234", then Backspace back to nothing. The
// first keystroke also folds every entry once.
std::vector<double> FilterKeystrokes()
{
    std::vector<double> times;
    QTimer::singleShot(50, [&times] {
        QWidget *view = QApplication::activePopupWidget()->focusWidget();
        const QString typed = QStringLiteral("model 1234");
        QElapsedTimer t;
        for (QChar c : typed) {
            t.start();
            QTest::keyClick(view, c.toLatin1());
            QApplication::processEvents();
            times.push_back(Ms(t));
        }
        for (int i = 0; i < typed.size(); i++) {
            t.start();
            QTest::keyClick(view, Qt::Key_Backspace);
            QApplication::processEvents();
            times.push_back(Ms(t));
        }
        QTest::keyClick(view, Qt::Key_Escape);
    });
    EventRecord e = PressRimButton();
    DialogRef d;
    DialogItemIndex item;
    DialogSelect(&e, &d, &item);
    return times;
}

struct Row {
    int n;
    double load, fill, popup, qmenuFill, qmenuPopup;
};

Row Measure(int n)
{
    const std::string bytes = RimFile(n);
    std::vector<double> load, fill, popup, qfill, qpopup;
    for (int run = 0; run < kRuns; run++) {
        DialogRef form = GetNewDialog(kMainFormID, nullptr, kFirstWindowOfClass);
        ShowWindow(GetDialogWindow(form));
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("MainForm") &&
                !QTest::qWaitForWindowExposed(w->windowHandle()))
                fprintf(stderr, "the form did not show\n");
        ControlRef control = nullptr;
        GetDialogItemAsControl(form, iRimMenu, &control);
        MenuHandle menu = nullptr;
        GetBevelButtonMenuHandle(control, &menu);
        SetMenuFont(menu, 3, 9);

        FILE *f = fmemopen(const_cast<char *>(bytes.data()), bytes.size(), "rb");
        QElapsedTimer t;
        t.start();
        ReadRims(f, nullptr);
        load.push_back(Ms(t));
        fclose(f);
        FreeCatalogues();

        f = fmemopen(const_cast<char *>(bytes.data()), bytes.size(), "rb");
        t.start();
        ReadRims(f, menu);
        fill.push_back(Ms(t) - load.back());
        fclose(f);
        popup.push_back(FirstPopup());
        FreeCatalogues();
        DisposeDialog(form);

        // The baseline: the same entries as actions of a plain menu.
        QMenu plain;
        t.start();
        for (int i = 0; i < n; i++)
            plain.addAction(QStringLiteral("Rim model %1 622x%2").arg(i + 1).arg(15 + i % 10));
        qfill.push_back(Ms(t));
        ShowClock paint;
        qApp->installEventFilter(&paint);
        paint.clock.start();
        plain.popup(QPoint(0, 0));
        while (paint.shownAfter < 0)
            QApplication::processEvents();
        qApp->removeEventFilter(&paint);
        qpopup.push_back(paint.shownAfter);
        QApplication::processEvents();
    }
    return Row{n, Median(load), Median(fill), Median(popup), Median(qfill), Median(qpopup)};
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    printf("Big catalogues, median of %d runs, milliseconds (platform %s)\n", kRuns,
           qPrintable(QGuiApplication::platformName()));
    printf("%8s %10s %10s %12s %14s %14s %10s\n", "records", "load", "menu fill", "first popup",
           "QMenu fill", "QMenu popup", "fill ratio");
    for (int n : {1000, 10000, 32767}) {
        const Row r = Measure(n);
        printf("%8d %10.2f %10.2f %12.2f %14.2f %14.2f %10.3f\n", r.n, r.load, r.fill, r.popup,
               r.qmenuFill, r.qmenuPopup, r.fill / r.qmenuFill);
    }

    // Narrowing a list of 32,767 entries as the user types.
    DialogRef form = GetNewDialog(kMainFormID, nullptr, kFirstWindowOfClass);
    ShowWindow(GetDialogWindow(form));
    ControlRef control = nullptr;
    GetDialogItemAsControl(form, iRimMenu, &control);
    MenuHandle menu = nullptr;
    GetBevelButtonMenuHandle(control, &menu);
    const std::string bytes = RimFile(32767);
    FILE *f = fmemopen(const_cast<char *>(bytes.data()), bytes.size(), "rb");
    ReadRims(f, menu);
    fclose(f);
    std::vector<double> all;
    for (int run = 0; run < kRuns; run++) {
        const std::vector<double> times = FilterKeystrokes();
        all.insert(all.end(), times.begin(), times.end());
    }
    std::sort(all.begin(), all.end());
    printf("filter keystroke, 32767 entries: median %.2f ms, slowest %.2f ms (%zu keystrokes)\n",
           Median(all), all.back(), all.size());
    FreeCatalogues();
    DisposeDialog(form);
    return 0;
}
