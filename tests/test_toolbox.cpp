// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolbox layer's event side at its own level: input held as event records
// and given back to Qt by DialogSelect.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QAbstractItemView>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <string>
#include <vector>

#include "form/items.h"
#include "toolbox/testing.h"
#include "tests/form_fixture.h"

namespace {

class Toolbox : public FormTest {};

TEST_F(Toolbox, TypedKeysWaitAsRecordsUntilGivenBack)
{
    FocusItem(iRimDiameter);
    Key(Qt::Key_6);
    EXPECT_EQ(Text(iRimDiameter), "") << "the key must not reach the field before the loop";
    EventRecord e = Next();
    EXPECT_EQ(e.what, keyDown);
    EXPECT_EQ(e.message & charCodeMask, (UInt32)'6');
    ASSERT_TRUE(IsDialogEvent(&e));
    DialogRef d = nullptr;
    DialogItemIndex item = 0;
    EXPECT_FALSE(DialogSelect(&e, &d, &item));
    EXPECT_EQ(Text(iRimDiameter), "6");
}

TEST_F(Toolbox, KeysKeepTheirOrderAndCharacters)
{
    FocusItem(iHoleDiameter);
    TypeText("2,6");
    Key(Qt::Key_Backspace);
    Key(Qt::Key_5);
    EventRecord e;
    int records = 0;
    while ((e = Next()).what != nullEvent) {
        DialogRef d;
        DialogItemIndex item;
        DialogSelect(&e, &d, &item);
        records++;
    }
    EXPECT_EQ(records, 5);
    EXPECT_EQ(Text(iHoleDiameter), "2,5");
}

TEST_F(Toolbox, ClickOnCalculateReportsItThreeOnRelease)
{
    ClickItem(iCalculate);
    EventRecord down = Next();
    ASSERT_EQ(down.what, mouseDown);
    WindowRef w = nullptr;
    EXPECT_EQ(FindWindow(down.where, &w), inContent);
    EXPECT_EQ(w, GetDialogWindow(form));
    ASSERT_TRUE(IsDialogEvent(&down));
    DialogRef d = nullptr;
    DialogItemIndex item = 0;
    EXPECT_FALSE(DialogSelect(&down, &d, &item)) << "a press alone is no hit";
    EventRecord up = Next();
    ASSERT_EQ(up.what, mouseUp);
    ASSERT_TRUE(DialogSelect(&up, &d, &item));
    EXPECT_EQ(d, form);
    EXPECT_EQ(item, iCalculate);
}

TEST_F(Toolbox, ClickGivesFocusToTheFieldHit)
{
    ClickItem(iFlangeDistance2);
    for (EventRecord e; (e = Next()).what != nullEvent;) {
        DialogRef d;
        DialogItemIndex item;
        DialogSelect(&e, &d, &item);
    }
    EXPECT_EQ(QApplication::focusWidget(), Item(iFlangeDistance2));
}

TEST_F(Toolbox, DoubleClickSelectsAWord)
{
    Field(iRimText2)->setText(QStringLiteral("alloy rim"));
    const QPoint at =
        Field(iRimText2)->mapTo(FormWidget(), QPoint(12, Field(iRimText2)->height() / 2));
    QTest::mouseDClick(FormWindow(), Qt::LeftButton, Qt::NoModifier, at);
    for (EventRecord e; (e = Next()).what != nullEvent;) {
        DialogRef d;
        DialogItemIndex item;
        DialogSelect(&e, &d, &item);
    }
    EXPECT_EQ(Field(iRimText2)->selectedText().toStdString(), "alloy");
}

TEST_F(Toolbox, MenuButtonChoiceIsReportedAsAHit)
{
    ControlRef control = nullptr;
    GetDialogItemAsControl(form, iHubMenu, &control);
    MenuHandle menu = nullptr;
    ASSERT_EQ(GetBevelButtonMenuHandle(control, &menu), 0);
    for (const char *s : {"First hub", "Second hub", "Third hub"})
        XMenuAppendItemStr(menu, s);
    EXPECT_EQ(CountMenuItems(menu), 3);

    ClickItem(iHubMenu);
    EventRecord down = Next();
    ASSERT_EQ(down.what, mouseDown);
    // The list opens inside DialogSelect and runs until a choice: choose the third.
    QTimer::singleShot(50, [] {
        QWidget *list = QApplication::activePopupWidget();
        ASSERT_NE(list, nullptr);
        QWidget *view = list->focusWidget();
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Return);
    });
    DialogRef d = nullptr;
    DialogItemIndex item = 0;
    ASSERT_TRUE(DialogSelect(&down, &d, &item));
    EXPECT_EQ(item, iHubMenu);
    SInt16 value = 0;
    GetBevelButtonMenuValue(control, &value);
    EXPECT_EQ(value, 3);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(Toolbox, CancelledListIsNoHit)
{
    ControlRef control = nullptr;
    GetDialogItemAsControl(form, iRimMenu, &control);
    XMenuAppendItemStr(ItemMenu(form, iRimMenu), "Only rim");
    ClickItem(iRimMenu);
    EventRecord down = Next();
    QTimer::singleShot(50, [] {
        QWidget *list = QApplication::activePopupWidget();
        ASSERT_NE(list, nullptr);
        QTest::keyClick(list->focusWidget(), Qt::Key_Escape);
    });
    DialogRef d = nullptr;
    DialogItemIndex item = 0;
    EXPECT_FALSE(DialogSelect(&down, &d, &item));
    SInt16 value = -1;
    GetBevelButtonMenuValue(control, &value);
    EXPECT_EQ(value, 0);
}

// Typing in an open list narrows it to the entries that contain the text, in
// any case (fully folded: "ss" and "ß" are the same) and with or without
// accents, a character a key press, emoji too; Backspace takes back one and
// widens it again; the choice is reported by its number in the whole list;
// Escape chooses nothing. A screen reader hears what is shown from the list's
// description.
TEST_F(Toolbox, TypingNarrowsTheList)
{
    const struct {
        const char *name;
        const char *typed;
        int backspaces;
        std::vector<Qt::Key> keys;
        int shown; // rows shown before the keys
        bool hit;
        SInt16 value;
        const char *description; // null: not looked at
    } cases[] = {
        {"case_and_accents_fold",
         "cafe",
         0,
         {Qt::Key_Down, Qt::Key_Return},
         3,
         true,
         3,
         "Showing \u201C"
         "cafe\u201D, 3 of 8 entries"},
        {"accent_typed", "CAF\xC3\x89", 0, {Qt::Key_Return}, 3, true, 1, nullptr},
        {"backspace_widens", "cafex", 1, {Qt::Key_End, Qt::Key_Return}, 3, true, 4, nullptr},
        {"backspace_widens_from_one_row",
         "cafe r",
         1,
         {Qt::Key_End, Qt::Key_Return},
         3,
         true,
         4,
         nullptr},
        {"backspace_to_nothing",
         "x",
         1,
         {Qt::Key_Escape},
         8,
         false,
         0,
         "8 entries; type to narrow the list"},
        {"nothing_found", "xyz", 0, {Qt::Key_Return, Qt::Key_Escape}, 0, false, 0, nullptr},
        {"escape_chooses_nothing", "road", 0, {Qt::Key_Escape}, 1, false, 0, nullptr},
        {"ss_finds_sharp_s", "strasse", 0, {Qt::Key_Return}, 2, true, 6, nullptr},
        {"sharp_s_finds_ss", "\xC3\x9F", 0, {Qt::Key_End, Qt::Key_Return}, 2, true, 7, nullptr},
        {"emoji_typed", "\xF0\x9F\x9A\xB2", 0, {Qt::Key_Return}, 1, true, 8, nullptr},
        {"emoji_taken_back_whole", "\xF0\x9F\x9A\xB2", 1, {Qt::Key_Escape}, 8, false, 0, nullptr},
        {"space_chooses_the_entry_in_focus",
         "",
         0,
         {Qt::Key_Down, Qt::Key_Down, Qt::Key_Space},
         8,
         true,
         3,
         nullptr},
    };
    for (const auto &c : cases) {
        ToolboxReset();
        DisposeDialog(form);
        form = GetNewDialog(kMainFormID, nullptr, kFirstWindowOfClass);
        ShowWindow(GetDialogWindow(form));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(FormWindow()));
        ControlRef control = nullptr;
        GetDialogItemAsControl(form, iRimMenu, &control);
        for (const char *entry : {"Caf\xC3\xA9 Racer 622", "Road 622", "cafe latte 700",
                                  "CAF\xC3\x89 noir", "Mountain 559",
                                  "Stra\xC3\x9F"
                                  "e 584",
                                  "STRASSE 700", "Tour \xF0\x9F\x9A\xB2 635"})
            XMenuAppendItemStr(ItemMenu(form, iRimMenu), entry);
        ClickItem(iRimMenu);
        EventRecord down = Next();
        int shown = -1;
        std::string description;
        QTimer::singleShot(50, [&] {
            QWidget *view = QApplication::activePopupWidget()->focusWidget();
            // One key press a character, as the window system gives them.
            for (uint cp : QString::fromUtf8(c.typed).toUcs4()) {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier,
                                QString::fromUcs4(reinterpret_cast<const char32_t *>(&cp), 1));
                QApplication::sendEvent(view, &press);
            }
            for (int i = 0; i < c.backspaces; i++)
                QTest::keyClick(view, Qt::Key_Backspace);
            shown = qobject_cast<QAbstractItemView *>(view)->model()->rowCount();
            description = QAccessible::queryAccessibleInterface(view)
                              ->text(QAccessible::Description)
                              .toStdString();
            for (Qt::Key k : c.keys)
                if (QApplication::activePopupWidget())
                    QTest::keyClick(view, k);
        });
        DialogRef d = nullptr;
        DialogItemIndex item = 0;
        EXPECT_EQ((bool)DialogSelect(&down, &d, &item), c.hit) << c.name;
        EXPECT_EQ(shown, c.shown) << c.name;
        if (c.description) {
            EXPECT_EQ(description, c.description) << c.name;
        }
        SInt16 value = -1;
        GetBevelButtonMenuValue(control, &value);
        EXPECT_EQ(value, c.value) << c.name;
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << c.name;
    }
}

TEST_F(Toolbox, SpaceOnAFocusedButtonIsAHit)
{
    FocusItem(iClear);
    Key(Qt::Key_Space);
    DialogItemIndex hit = 0;
    for (EventRecord e; (e = Next()).what != nullEvent;) {
        DialogRef d;
        DialogItemIndex item;
        if (IsDialogEvent(&e) && DialogSelect(&e, &d, &item))
            hit = item;
    }
    EXPECT_EQ(hit, iClear);
}

TEST_F(Toolbox, MenuBarPressIsNotTheFormsAndOpensTheMenu)
{
    QMenuBar *bar = FormWidget()->findChild<QMenuBar *>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 4);
    const QRect edit = bar->actionGeometry(bar->actions()[2]);
    QTest::mouseClick(FormWindow(), Qt::LeftButton, Qt::NoModifier,
                      bar->mapTo(FormWidget(), edit.center()));
    EventRecord down = Next();
    ASSERT_EQ(down.what, mouseDown);
    EXPECT_FALSE(IsDialogEvent(&down));
    WindowRef w = nullptr;
    ASSERT_EQ(FindWindow(down.where, &w), inMenuBar);
    // Choose Paste, the fifth item, with the keyboard.
    QTimer::singleShot(50, [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->actions()[4]->text().toStdString(), "Paste\tCtrl+V");
        menu->setActiveAction(menu->actions()[4]);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    EXPECT_EQ(MenuSelect(down.where), (SInt32)((kEditMenuID << 16) | 5));
    HiliteMenu(0);
}

TEST_F(Toolbox, CommandKeysFindTheirMenuItems)
{
    EXPECT_EQ(MenuKey('q'), (kFileMenuID << 16) | 1);
    EXPECT_EQ(MenuKey('Q'), (kFileMenuID << 16) | 1);
    EXPECT_EQ(MenuKey('x'), (kEditMenuID << 16) | 3);
    EXPECT_EQ(MenuKey('c'), (kEditMenuID << 16) | 4);
    EXPECT_EQ(MenuKey('v'), (kEditMenuID << 16) | 5);
    EXPECT_EQ(MenuKey('z'), 0) << "Undo is shown but disabled";
    EXPECT_EQ(MenuKey('k'), 0);
    EXPECT_EQ(MenuKey('o'), (kFileMenuID << 16) | kOpenItem);
    EXPECT_EQ(MenuKey('s'), (kFileMenuID << 16) | kSaveItem);
    EXPECT_EQ(MenuKey('S'), (kFileMenuID << 16) | kSaveAsItem) << "Ctrl+Shift+S";
    HiliteMenu(0);
}

TEST_F(Toolbox, CommandKeyRecordCarriesTheLetter)
{
    Key(Qt::Key_C, Qt::ControlModifier);
    EventRecord e = Next();
    ASSERT_EQ(e.what, keyDown);
    EXPECT_TRUE(e.modifiers & cmdKey);
    EXPECT_EQ(e.message & charCodeMask, (UInt32)'c');
    Key(Qt::Key_Return);
    EXPECT_EQ(Next().message & charCodeMask, 13u);
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Next().message & charCodeMask, 3u);
    Key(Qt::Key_Escape);
    EXPECT_EQ(Next().message & charCodeMask, 27u);
}

TEST_F(Toolbox, LoneModifierKeysAreDropped)
{
    Key(Qt::Key_Shift);
    Key(Qt::Key_Control);
    EXPECT_EQ(Next().what, nullEvent);
}

TEST_F(Toolbox, WindowManagerCloseBecomesACloseBoxPress)
{
    FormWidget()->close();
    EXPECT_TRUE(FormWidget()->isVisible()) << "the loop decides, not Qt";
    EventRecord e = Next();
    ASSERT_EQ(e.what, mouseDown);
    EXPECT_FALSE(IsDialogEvent(&e));
    WindowRef w = nullptr;
    ASSERT_EQ(FindWindow(e.where, &w), inGoAway);
    EXPECT_EQ(w, GetDialogWindow(form));
    EXPECT_TRUE(TrackGoAway(w, e.where));
}

TEST_F(Toolbox, DragKeepsTheWindowInsideTheBounds)
{
    FormWidget()->move(-3000, -3000);
    QApplication::processEvents();
    const Rect bounds = {0, 0, 4096, 4096};
    const QRect frame = FormWidget()->frameGeometry();
    Point held;
    held.h = (SInt16)(frame.left() + frame.width() / 2);
    held.v = (SInt16)frame.top();
    DragWindow(GetDialogWindow(form), held, &bounds);
    const QRect after = FormWidget()->frameGeometry();
    EXPECT_GE(after.left() + after.width() / 2, 0);
    EXPECT_GE(after.top(), 0);
}

TEST_F(Toolbox, NoInputGivesANullEvent)
{
    EventRecord e;
    e.what = keyDown;
    EXPECT_FALSE(WaitNextEvent(everyEvent, &e, 2, nullptr));
    EXPECT_EQ(e.what, nullEvent);
    EXPECT_TRUE(IsDialogEvent(&e));
    DialogRef d;
    DialogItemIndex item;
    EXPECT_FALSE(DialogSelect(&e, &d, &item));
}

TEST_F(Toolbox, PendingDeletionsAreFreedWhileWaiting)
{
    QPointer<QObject> gone = new QObject;
    gone->deleteLater();
    EventRecord e;
    WaitNextEvent(everyEvent, &e, 1, nullptr);
    EXPECT_TRUE(gone.isNull());
}

TEST_F(Toolbox, ItemTextsAreCutOnACharacterBoundary)
{
    Handle h = nullptr;
    DialogItemType type;
    Rect box;
    GetDialogItem(form, iRimText2, &type, &h, &box);
    EXPECT_EQ(type, statText);
    // 200 two-byte letters: 400 bytes of UTF-8.
    Field(iRimText2)->setText(QString(200, QChar(0xE9)));
    Str255 text;
    GetDialogItemText(h, text);
    EXPECT_EQ(text[0], 254);
    EXPECT_EQ(text[253], 0xC3);
    EXPECT_EQ(text[254], 0xA9);
}

TEST_F(Toolbox, MenuTextIsLiteral)
{
    MenuRef menu = ItemMenu(form, iRimMenu);
    Str255 text;
    C2Pas("R&D (wide); rim!<b>", text);
    AppendMenuItemText(menu, text);
    EXPECT_EQ(CountMenuItems(menu), 1);
    ClickItem(iRimMenu);
    EventRecord down = Next();
    std::string shown;
    QTimer::singleShot(50, [&shown] {
        QWidget *list = QApplication::activePopupWidget();
        ASSERT_NE(list, nullptr);
        auto *view = qobject_cast<QAbstractItemView *>(list->focusWidget());
        ASSERT_NE(view, nullptr);
        shown = view->model()->index(0, 0).data().toString().toStdString();
        QTest::keyClick(view, Qt::Key_Escape);
    });
    DialogRef d;
    DialogItemIndex item;
    DialogSelect(&down, &d, &item);
    EXPECT_EQ(shown, "R&D (wide); rim!<b>");
}

TEST_F(Toolbox, InvalidMenusAreRefused)
{
    EXPECT_FALSE(IsValidMenu(nullptr));
    EXPECT_FALSE(IsValidMenu(reinterpret_cast<MenuRef>(this)));
    Str255 text;
    C2Pas("x", text);
    EXPECT_NE(AppendMenuItemText(nullptr, text), 0);
    EXPECT_EQ(GetMenu(999), nullptr);
}

// What a one-line field holds after Paste: the first line of the clipboard's
// text, with no control character left in it.
struct PasteCase {
    const char *name;
    const char16_t *before; // the field's text, the caret where '|' is
    const char16_t *clipboard;
    const char *after;
};

const PasteCase kPastes[] = {
    {"PlainTextAsItIs", u"|", u"2,6", "2,6"},
    {"TabBetweenCellsBecomesASpace", u"|", u"12\t0", "12 0"},
    {"UnixLineEndEndsIt", u"|", u"602\n35", "602"},
    {"WindowsLineEndEndsIt", u"|", u"602\r\n35\r\n", "602"},
    {"ClassicMacLineEndEndsIt", u"|", u"602\r35", "602"},
    {"UnicodeLineSeparatorEndsIt", u"|",
     u"602\u2028"
     u"35",
     "602"},
    {"OtherControlsDropped", u"|", u"6\u00010\u007f2\u009b", "602"},
    {"DirectionOverrideDropped", u"|", u"\u202e206", "206"},
    {"IntoTheMiddleKeepsTheRest", u"6|2", u"0\n9", "602"},
    {"OverASelectionKeepsTheRest", u"[60]2", u"60\t\n", "60 2"},
};

class Paste : public FormTest, public testing::WithParamInterface<PasteCase> {};

TEST_P(Paste, OneLineWithoutControls)
{
    const PasteCase &c = GetParam();
    QString before = QString::fromUtf16(c.before);
    FocusItem(iRimDiameter);
    QLineEdit *field = Field(iRimDiameter);
    const int caret = before.indexOf(QLatin1Char('|'));
    const int from = before.indexOf(QLatin1Char('[')), to = before.indexOf(QLatin1Char(']'));
    field->setText(
        before.remove(QLatin1Char('|')).remove(QLatin1Char('[')).remove(QLatin1Char(']')));
    if (caret >= 0)
        field->setCursorPosition(caret);
    else
        field->setSelection(from, to - from - 1);
    QApplication::clipboard()->setText(QString::fromUtf16(c.clipboard));
    DialogPaste(form);
    EXPECT_EQ(Text(iRimDiameter), c.after);
}

INSTANTIATE_TEST_SUITE_P(Toolbox, Paste, testing::ValuesIn(kPastes),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ToolboxTemplates, MissingTemplateGivesNoDialog)
{
    ToolboxHideTemplate(kMainFormID, TRUE);
    EXPECT_EQ(GetNewDialog(kMainFormID, nullptr, kFirstWindowOfClass), nullptr);
    ToolboxHideTemplate(kMainFormID, FALSE);
    DialogRef d = GetNewDialog(kMainFormID, nullptr, kFirstWindowOfClass);
    EXPECT_NE(d, nullptr);
    DisposeDialog(d);
}

} // namespace
