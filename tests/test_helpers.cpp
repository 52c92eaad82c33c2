// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The helpers on the real program: a button beside a field opens its dialog,
// the figures typed there fill the form when asked, the dialog says what it
// filled in (or why nothing), and Escape closes it.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <string>
#include <vector>

#include "form/helpers.h"
#include "form/items.h"
#include "tests/form_fixture.h"

namespace {

bool FormShown()
{
    return FormWidget() && FormWidget()->isVisible();
}

QWidget *Helper(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    return nullptr;
}

template <class T> T *In(QWidget *box, int n)
{
    return box->findChild<T *>(QStringLiteral("item%1").arg(n));
}

void Press(QWidget *box, int n)
{
    QWidget *b = In<QWidget>(box, n);
    QTest::mouseClick(box->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      b->mapTo(box, b->rect().center()));
}

struct HelperCase {
    const char *name;
    int button;             // the form's button that opens it
    const char *box;        // its dialog's object name
    int method, side;       // popup entries, from 0
    const char *a, *b, *c;  // the figures typed
    std::vector<int> items; // the form's items it fills
    std::string filled;     // what they show after
    std::string report;
};

// Each helper with each method, against the sums worked by hand in
// test_figures.cpp, and one case each of figures that give nothing.
TEST(Helpers, FillTheFormAndSayWhatTheyDid)
{
    const HelperCase cases[] = {
        {"ERD, measuring tool",
         iErdHelper,
         "ErdHelper",
         1,
         0,
         "151,5",
         "200,5",
         "",
         {iRimDiameter},
         "552,50",
         "ERD 552,50 mm filled in: 151,50 across and twice 200,50."},
        {"ERD, spokes and nipples",
         iErdHelper,
         "ErdHelper",
         0,
         0,
         "578",
         "12",
         "",
         {iRimDiameter},
         "602,00",
         "ERD 602,00 mm filled in: 578,00 across and twice 12,00."},
        {"ERD, nothing measured",
         iErdHelper,
         "ErdHelper",
         0,
         0,
         "",
         "12",
         "",
         {iRimDiameter},
         "",
         "These figures give no ERD"},
        {"distances, flange to flange",
         iFlangeDistanceHelper,
         "FlangeDistanceHelper",
         0,
         0,
         "55",
         "7,5",
         "",
         {iFlangeDistance1, iFlangeDistance2},
         "35,00 20,00",
         "Flange distances filled in: side 1 35,00 mm, side 2 20,00 mm."},
        {"distances, locknuts",
         iFlangeDistanceHelper,
         "FlangeDistanceHelper",
         1,
         0,
         "100",
         "15,65",
         "15,65",
         {iFlangeDistance1, iFlangeDistance2},
         "34,35 34,35",
         "Flange distances filled in: side 1 34,35 mm, side 2 34,35 mm."},
        {"distances, past a flange",
         iFlangeDistanceHelper,
         "FlangeDistanceHelper",
         0,
         0,
         "40",
         "25",
         "",
         {iFlangeDistance1, iFlangeDistance2},
         " ",
         "These figures give no flange distances"},
        {"diameter, outer edges, side 2",
         iFlangeDiameterHelper,
         "FlangeDiameterHelper",
         0,
         2,
         "59,6",
         "2,6",
         "",
         {iFlangeDiameter1, iFlangeDiameter2},
         " 57,00",
         "Flange diameter 57,00 mm filled in for side 2."},
        {"diameter, same edges, both",
         iFlangeDiameterHelper,
         "FlangeDiameterHelper",
         1,
         0,
         "45",
         "",
         "",
         {iFlangeDiameter1, iFlangeDiameter2},
         "45,00 45,00",
         "Flange diameter 45,00 mm filled in for both sides."},
    };
    for (const HelperCase &c : cases) {
        std::string filled, report;
        bool closed = false;
        Script s;
        s.When(FormShown, [&] { ClickItem(c.button); })
            .When([&] { return Helper(c.box) != nullptr; },
                  [&] {
                      QWidget *box = Helper(c.box);
                      In<QComboBox>(box, hMethod)->setCurrentIndex(c.method);
                      // As the user's choice would: the dialog words the method.
                      Q_EMIT In<QComboBox>(box, hMethod)->activated(c.method);
                      if (QComboBox *side = In<QComboBox>(box, hSide))
                          side->setCurrentIndex(c.side);
                      In<QLineEdit>(box, hFieldA)->setText(QString::fromUtf8(c.a));
                      In<QLineEdit>(box, hFieldB)->setText(QString::fromUtf8(c.b));
                      if (QLineEdit *third = In<QLineEdit>(box, hFieldC))
                          third->setText(QString::fromUtf8(c.c));
                      Press(box, hFillIn);
                  })
            .When([&] { return !In<QLabel>(Helper(c.box), hReport)->text().isEmpty(); },
                  [&] {
                      report = In<QLabel>(Helper(c.box), hReport)->text().toStdString();
                      for (size_t i = 0; i < c.items.size(); i++)
                          filled += (i ? " " : "") + Text(c.items[i]);
                      QTest::keyClick(Helper(c.box)->windowHandle(), Qt::Key_Escape);
                  })
            .When([&] { return !Helper(c.box); },
                  [&] {
                      closed = true;
                      Key(Qt::Key_Q, Qt::ControlModifier);
                  });
        EXPECT_EQ(RunProgram(FixturePath("numbers/"), s), 0) << c.name;
        EXPECT_EQ(filled, c.filled) << c.name;
        EXPECT_EQ(report.substr(0, c.report.size()), c.report) << c.name;
        EXPECT_TRUE(closed) << c.name;
        EXPECT_FALSE(s.TimedOut()) << c.name;
    }
}

} // namespace
