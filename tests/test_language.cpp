// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program in the user's language: which language the environment asks
// for, every kind of text shown in it, and every label fitting its place, on
// the form and on the printed build sheet.
#include <QApplication>
#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpression>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "calc/calculate_hit.h"
#include "calc/spoke.h"
#include "form/commands.h"
#include "form/items.h"
#include "tests/form_fixture.h"
#include "toolbox/testing.h"

namespace {

const char *const kVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

struct EnvironmentCase {
    const char *name;
    const char *values[4]; // LANGUAGE, LC_ALL, LC_MESSAGES, LANG; null: unset
    const char *language;  // null: English
};

TEST(Language, FollowsTheVariablesInOrder)
{
    const EnvironmentCase cases[] = {
        {"nothing set", {nullptr, nullptr, nullptr, nullptr}, nullptr},
        {"LANG alone", {nullptr, nullptr, nullptr, "de_DE.UTF-8"}, "de"},
        {"LC_MESSAGES over LANG", {nullptr, nullptr, "fr_FR.UTF-8", "de_DE.UTF-8"}, "fr"},
        {"LC_ALL over LC_MESSAGES", {nullptr, "nl_NL.UTF-8", "fr_FR.UTF-8", "de_DE"}, "nl"},
        {"LANGUAGE over LC_ALL", {"it", "nl_NL.UTF-8", nullptr, "de_DE"}, "it"},
        {"LANGUAGE's first language spoken", {"pt_BR:es_ES:fr", nullptr, nullptr, "de_DE"}, "es"},
        {"LANGUAGE asks for English first", {"en_GB:de", nullptr, nullptr, "de_DE"}, nullptr},
        {"LANGUAGE of none spoken", {"pt:ja", nullptr, nullptr, "de_DE"}, nullptr},
        {"empty counts as unset", {"", "", "", "es_ES.UTF-8"}, "es"},
        {"C locale is English", {nullptr, "C", nullptr, "de_DE.UTF-8"}, nullptr},
        {"a language not spoken is English", {nullptr, nullptr, "ja_JP.UTF-8", "fr_FR"}, nullptr},
        {"country and modifier", {nullptr, nullptr, nullptr, "nl_BE@euro"}, "nl"},
        {"code alone", {nullptr, nullptr, nullptr, "it"}, "it"},
        {"longer code is another language", {nullptr, nullptr, nullptr, "frr_DE"}, nullptr},
    };
    std::vector<std::pair<const char *, std::string>> saved;
    for (const char *v : kVariables)
        if (const char *value = getenv(v))
            saved.emplace_back(v, value);
    for (const EnvironmentCase &c : cases) {
        for (int i = 0; i < 4; i++) {
            if (c.values[i])
                setenv(kVariables[i], c.values[i], 1);
            else
                unsetenv(kVariables[i]);
        }
        const char *got = ToolboxEnvironmentLanguage();
        EXPECT_STREQ(got ? got : "English", c.language ? c.language : "English") << c.name;
    }
    for (const char *v : kVariables)
        unsetenv(v);
    for (const auto &s : saved)
        setenv(s.first, s.second.c_str(), 1);
}

// The form made after switching to a language; English again afterwards.
class InLanguage : public FormTest, public ::testing::WithParamInterface<const char *> {
  protected:
    void SetUp() override
    {
        ToolboxUseLanguage(GetParam());
        FormTest::SetUp();
    }
    void TearDown() override
    {
        FormTest::TearDown();
        ToolboxUseLanguage(nullptr);
    }
};

class German : public InLanguage {};

// One text of each kind, each from its own source: a label, an accessible
// name and description, a tool tip (the form template), a menu title and entry (the menu
// list), a text of the program's code (the string list), a text of the
// toolbox layer and one of Qt's own.
TEST_P(German, EveryKindOfText)
{
    QWidget *w = FormWidget();
    EXPECT_EQ(w->findChild<QLabel *>(QStringLiteral("rimNameLabel"))->text(), "Felge:");
    EXPECT_EQ(Item(iRimDiameter)->accessibleName(), "Felgendurchmesser an den Speichenenden");
    EXPECT_EQ(Item(iSpokes)->accessibleDescription(), "Speichen im Laufrad");
    EXPECT_TRUE(Item(iRimDiameter)->toolTip().startsWith("Effektiver Felgendurchmesser"));
    QMenuBar *bar = w->findChild<QMenuBar *>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 4);
    EXPECT_EQ(bar->actions()[1]->text(), "Datei");
    EXPECT_EQ(bar->actions()[2]->menu()->actions()[2]->text(), "Ausschneiden\tCtrl+X");
    EXPECT_EQ(w->windowTitle(), "Quennick");

    FillWorkedExample();
    Popup(iSpokes)->setCurrentIndex(-1); // no spoke count: no result
    DoCalculateHit(form);
    EXPECT_EQ(Text(iLength1), "kein Ergebnis");
    ChooseValue(iSpokes, 3); // 32 spokes
    DoCalculateHit(form);
    EXPECT_EQ(Text(iLength1), "292,33"); // the decimal comma stays

    EXPECT_EQ(QCoreApplication::translate("list", "Type to narrow the list"),
              "Tippen, um die Liste einzugrenzen");
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Copy"), "&Kopieren");
}

INSTANTIATE_TEST_SUITE_P(Languages, German, ::testing::Values("de"));

// A percentage as each language writes it: a no-break space before the sign
// in German, French and Spanish, none in Dutch and Italian, English as it was.
struct PercentCase {
    const char *language, *share;
};

class Percent : public FormTest, public ::testing::WithParamInterface<PercentCase> {
  protected:
    void SetUp() override
    {
        ToolboxUseLanguage(GetParam().language);
        FormTest::SetUp();
    }
    void TearDown() override
    {
        FormTest::TearDown();
        ToolboxUseLanguage(nullptr);
    }
};

TEST_P(Percent, SharesAreWrittenTheLanguagesWay)
{
    FillWorkedExample();
    DoCalculateHit(form);
    EXPECT_EQ(Text(iTension1), GetParam().share);
}

INSTANTIATE_TEST_SUITE_P(Languages, Percent,
                         ::testing::Values(PercentCase{nullptr, "58 %"},
                                           PercentCase{"de", "58\u00a0%"},
                                           PercentCase{"fr", "58\u00a0%"}, PercentCase{"nl", "58%"},
                                           PercentCase{"it", "58%"},
                                           PercentCase{"es", "58\u00a0%"}),
                         [](const ::testing::TestParamInfo<PercentCase> &info) {
                             return std::string(info.param.language ? info.param.language : "en");
                         });

// The words of the build sheet printed to a PDF file, each with its box in
// points (pdftotext -bbox).
struct Word {
    double x0, y0, x1, y1;
    std::string text;
};

std::vector<Word> PrintedWords(const std::string &pdf)
{
    ToolboxPrintToPdf(pdf.c_str());
    DoMenuCommand((kFileMenuID << 16) | kPrintItem);
    ToolboxPrintToPdf(nullptr);
    std::string out;
    if (FILE *p = popen(("pdftotext -bbox '" + pdf + "' -").c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0)
            out.append(buf, n);
        pclose(p);
    }
    // Pages apart: a word on the second page lies below every word of the first.
    std::vector<Word> words;
    const QRegularExpression word(QString::fromLatin1(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    const QStringList pages = QString::fromStdString(out).split(QStringLiteral("<page "));
    for (int page = 0; page < pages.size(); page++) {
        auto it = word.globalMatch(pages[page]);
        while (it.hasNext()) {
            const auto m = it.next();
            words.push_back({m.captured(1).toDouble(), m.captured(2).toDouble() + page * 10000,
                             m.captured(3).toDouble(), m.captured(4).toDouble() + page * 10000,
                             m.captured(5).toStdString()});
        }
    }
    return words;
}

class PrintedSheet : public InLanguage {};

// No word of the printed sheet runs into another on its line: a long label
// into its value, a table heading into the next column.
TEST_P(PrintedSheet, NoWordRunsIntoAnother)
{
    FillWorkedExample();
    ChooseValue(iGauge1, kGaugeButted201820);
    ChooseValue(iGauge2, kGaugeButted201820);
    Field(iTargetTension)->setText("120");
    DoCalculateHit(form);
    const std::vector<Word> words = PrintedWords(std::string(QUENNICK_TEST_OUT) + "/sheet-" +
                                                 (GetParam() ? GetParam() : "en") + ".pdf");
    ASSERT_GT(words.size(), 300u);
    for (size_t i = 0; i < words.size(); i++)
        for (size_t j = i + 1; j < words.size(); j++) {
            const Word &a = words[i], &b = words[j];
            const double across = qMin(a.x1, b.x1) - qMax(a.x0, b.x0);
            const double down = qMin(a.y1, b.y1) - qMax(a.y0, b.y0);
            EXPECT_FALSE(across > 0.5 && down > 0.5 * qMin(a.y1 - a.y0, b.y1 - b.y0))
                << a.text << " and " << b.text;
        }
}

INSTANTIATE_TEST_SUITE_P(Languages, PrintedSheet,
                         ::testing::Values(nullptr, "de", "fr", "nl", "it", "es"),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             return std::string(info.param ? info.param : "en");
                         });

class LabelsFit : public InLanguage {};

// The checks of the form as it is now laid out.
void LabelsFitTheForm()
{
    QWidget *w = FormWidget();
    // Labels that changed ask their group boxes for a new layout.
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    w->layout()->activate();
    std::vector<QWidget *> shown;
    for (QWidget *c : w->findChildren<QWidget *>()) {
        if (!c->isVisibleTo(w) ||
            !(qobject_cast<QLabel *>(c) || qobject_cast<QAbstractButton *>(c) ||
              qobject_cast<QComboBox *>(c)))
            continue;
        shown.push_back(c);
        const std::string name = c->objectName().toStdString();
        const QSize wanted = qobject_cast<QComboBox *>(c) ? c->minimumSizeHint() : c->sizeHint();
        EXPECT_GE(c->width(), wanted.width()) << name;
        EXPECT_GE(c->height(), c->minimumSizeHint().height()) << name;
        const QRect place(c->mapTo(w, QPoint(0, 0)), c->size());
        EXPECT_TRUE(w->rect().contains(place)) << name;
    }
    for (size_t i = 0; i < shown.size(); i++)
        for (size_t j = i + 1; j < shown.size(); j++) {
            QWidget *a = shown[i], *b = shown[j];
            if (a->isAncestorOf(b) || b->isAncestorOf(a))
                continue;
            const QRect ra(a->mapTo(w, QPoint(0, 0)), a->size());
            const QRect rb(b->mapTo(w, QPoint(0, 0)), b->size());
            EXPECT_FALSE(ra.intersects(rb))
                << a->objectName().toStdString() << " and " << b->objectName().toStdString();
        }
    // A combo box shows its entries in its place: the longest one fits.
    for (QComboBox *c : w->findChildren<QComboBox *>()) {
        const QFontMetrics fm(c->font());
        for (int i = 0; i < c->count(); i++)
            EXPECT_LT(fm.horizontalAdvance(c->itemText(i)), c->width() - 20)
                << c->objectName().toStdString() << ": " << c->itemText(i).toStdString();
    }
}

// Every label, button and popup of the form shows its whole text: its place
// is at least as large as its text asks for, inside the window, and no two
// overlap. Run at scale 2 too (QT_SCALE_FACTOR, a test of its own). The hub's
// labels change with the spoke head: both sets are looked at.
TEST_P(LabelsFit, EveryLabelHasRoomForItsText)
{
    for (int head : {kJBendHead, kStraightPullHead}) {
        SCOPED_TRACE(head == kJBendHead ? "J-bend" : "straight-pull");
        ChooseValue(iSpokeHead, head);
        DoSpokeHeadHit(form);
        LabelsFitTheForm();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LabelsFit,
                         ::testing::Values(nullptr, "de", "fr", "nl", "it", "es"),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             return std::string(info.param ? info.param : "en");
                         });

} // namespace
