// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolbox layer's windows as the user sees them: where they go, how wide
// they grow, what their menus say, and a double click's drag.
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <string>

#include "form/items.h"
#include "tests/form_fixture.h"

namespace {

class Windows : public FormTest {};

void HandAllBack()
{
    for (EventRecord e; (e = Next()).what != nullEvent;) {
        DialogRef d;
        DialogItemIndex item;
        DialogSelect(&e, &d, &item);
    }
}

// The point a window is held by in a drag: the middle of its title bar.
QPoint Held()
{
    const QRect frame = FormWidget()->frameGeometry();
    return QPoint(frame.left() + frame.width() / 2, frame.top());
}

// The bounds hold to the pixel: the right and bottom edges are outside them.
TEST_F(Windows, DragStopsAtTheLastPixelOfTheBounds)
{
    const struct {
        const char *name;
        QPoint held, after;
    } cases[] = {
        {"past_the_bottom_right", {5000, 5000}, {4095, 4095}},
        {"one_past_the_right", {4096, 200}, {4095, 200}},
        {"one_past_the_bottom", {1000, 4096}, {1000, 4095}},
        {"on_the_last_pixel", {4095, 4095}, {4095, 4095}},
    };
    const Rect bounds = {0, 0, 4096, 4096};
    for (const auto &c : cases) {
        FormWidget()->move(FormWidget()->pos() + c.held - Held());
        QApplication::processEvents();
        ASSERT_EQ(Held(), c.held) << c.name;
        Point start;
        start.h = (SInt16)c.held.x();
        start.v = (SInt16)c.held.y();
        DragWindow(GetDialogWindow(form), start, &bounds);
        QApplication::processEvents();
        EXPECT_EQ(Held(), c.after) << c.name;
    }
}

// The About box is the form's own: the window system keeps it over the form,
// and it opens centred over the form wherever the form is.
TEST_F(Windows, AboutBoxBelongsToTheFormAndOpensOverIt)
{
    FormWidget()->move(37, 23);
    QApplication::processEvents();
    DialogRef about = GetNewDialog(kAboutBoxID, nullptr, kFirstWindowOfClass);
    ASSERT_NE(about, nullptr);
    ShowWindow(GetDialogWindow(about));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(AboutBox()->windowHandle()));
    EXPECT_EQ(AboutBox()->parentWidget(), FormWidget());
    const QPoint off =
        AboutBox()->frameGeometry().center() - FormWidget()->frameGeometry().center();
    EXPECT_LE(off.manhattanLength(), 2) << off.x() << "," << off.y();
    DisposeDialog(about);
}

// A long typed text shortens the hint line with an ellipsis; the list keeps
// its width, during and after.
TEST_F(Windows, TypingNeverWidensTheOpenList)
{
    XMenuAppendItemStr(ItemMenu(form, iRimMenu), "Road 622");
    ClickItem(iRimMenu);
    EventRecord down = Next();
    int opened = -1, typed = -1, erased = -1;
    QString hint;
    QTimer::singleShot(50, [&] {
        QWidget *popup = QApplication::activePopupWidget();
        QWidget *view = popup->focusWidget();
        opened = popup->width();
        QTest::keyClicks(view, QString(300, QLatin1Char('w')));
        QApplication::processEvents();
        typed = popup->width();
        hint = popup->findChild<QLabel *>()->text();
        QTest::keyClick(view, Qt::Key_Backspace);
        QApplication::processEvents();
        erased = popup->width();
        QTest::keyClick(view, Qt::Key_Escape);
    });
    DialogRef d;
    DialogItemIndex item;
    DialogSelect(&down, &d, &item);
    EXPECT_EQ(typed, opened);
    EXPECT_EQ(erased, opened);
    EXPECT_TRUE(hint.endsWith(QChar(0x2026))) << hint.toStdString();
}

// A menu bar entry shows its text as given: "&" is no shortcut marker. What it
// shows is what a screen reader reads.
TEST_F(Windows, MenuBarEntriesAreLiteral)
{
    MenuRef menu = GetMenu(kFileMenuID);
    Str255 text;
    C2Pas("Fish & Chips", text);
    ASSERT_EQ(AppendMenuItemText(menu, text), 0);
    InsertMenu(menu, 0);
    DrawMenuBar();
    QMenuBar *bar = FormWidget()->findChild<QMenuBar *>();
    QMenu *added = bar->actions().last()->menu();
    QAccessibleInterface *entry = QAccessible::queryAccessibleInterface(added);
    ASSERT_NE(entry, nullptr);
    entry = entry->child(entry->childCount() - 1);
    EXPECT_EQ(entry->text(QAccessible::Name).toStdString(), "Fish & Chips");
}

// The File menu shows Shift in Save As's command key.
TEST_F(Windows, ShiftedCommandKeysShowShift)
{
    QMenuBar *bar = FormWidget()->findChild<QMenuBar *>();
    QMenu *file = bar->actions().at(1)->menu();
    ASSERT_GE(file->actions().size(), kSaveAsItem);
    EXPECT_EQ(file->actions().at(kSaveAsItem - 1)->text().toStdString(), "Save As…\tCtrl+Shift+S");
}

// Each command's item number is the place of its entry in the menu, so that
// choosing the entry runs the command (the menu list puts separators between).
TEST_F(Windows, EachMenuCommandSitsAtItsEntry)
{
    const struct {
        SInt16 menu;
        MenuItemIndex item;
        const char *text;
    } cases[] = {
        {kProgramMenuID, kAboutItem, "About Quennick"},
        {kFileMenuID, kQuitItem, "Quit"},
        {kFileMenuID, kLacingItem, "Lacing diagram\u2026"},
        {kFileMenuID, kPrintItem, "Print\u2026"},
        {kFileMenuID, kOpenItem, "Open\u2026"},
        {kFileMenuID, kSaveItem, "Save"},
        {kFileMenuID, kSaveAsItem, "Save As\u2026"},
        {kEditMenuID, kCutItem, "Cut"},
        {kEditMenuID, kCopyItem, "Copy"},
        {kEditMenuID, kPasteItem, "Paste"},
        {kEditMenuID, kCopySheetItem, "Copy build sheet"},
    };
    for (const auto &c : cases) {
        Str255 text;
        GetMenuItemText(GetMenu(c.menu), c.item, text);
        EXPECT_EQ(std::string((const char *)text + 1, text[0]), c.text)
            << "menu " << c.menu << " item " << c.item;
    }
}

// A double click selects a word; keeping the button down on its second press
// and dragging extends the selection, as in any text field.
TEST_F(Windows, DoubleClickThenDragExtendsTheSelection)
{
    QLineEdit *field = Field(iRimText2);
    field->setText(QStringLiteral("alloy rim tube"));
    const QPoint from = field->mapTo(FormWidget(), QPoint(12, field->height() / 2));
    const QPoint to = field->mapTo(FormWidget(), QPoint(field->width() - 2, field->height() / 2));
    // As the window system sends them: press, release, press (Qt makes the
    // double click of it), a move with the button held, release.
    QWindow *w = FormWindow();
    const struct {
        QPoint at;
        Qt::MouseButtons held;
        Qt::MouseButton button;
        QEvent::Type type;
    } events[] = {
        {from, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress},
        {from, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease},
        {from, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress},
        {to, Qt::LeftButton, Qt::NoButton, QEvent::MouseMove},
        {to, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease},
    };
    for (const auto &e : events) {
        QTest::lastMouseTimestamp += 20;
        qt_handleMouseEvent(w, e.at, w->mapToGlobal(e.at), e.held, e.button, e.type, Qt::NoModifier,
                            QTest::lastMouseTimestamp);
        QApplication::processEvents();
    }
    QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval;
    HandAllBack();
    EXPECT_EQ(field->selectedText().toStdString(), "alloy rim tube");
}

} // namespace
