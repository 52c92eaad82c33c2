// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Included by: toolbox/*.cpp only (it includes Qt).
// Inside the toolbox layer: the records behind the opaque references, and the
// helpers that the layer's files share.
#ifndef QUENNICK_TOOLBOX_QT_H
#define QUENNICK_TOOLBOX_QT_H

#include <QByteArray>
#include <QFont>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

#include "toolbox/toolbox.h"

class QAction;
class QLabel;
class QMenu;
class QWindow;

struct OpaqueWindowPtr {
    OpaqueDialogPtr *dialog;
};

struct OpaqueGrafPtr {
    OpaqueDialogPtr *dialog;
};

// A menu, of one of two kinds: a menu of the menu bar, loaded by ID, with its
// entries and their command keys; or a menu button's list, one text per entry.
struct OpaqueMenuRef {
    enum Kind { kBarMenu, kButtonList };
    Kind kind = kBarMenu;
    QFont font; // set by SetMenuFont
    bool hasFont = false;

    // kBarMenu
    SInt16 id = 0;
    QString title;
    struct Entry {
        QString text;
        QChar commandKey;   // upper case; null for none
        bool shift = false; // the command key is Ctrl+Shift+key
        bool enabled = true;
        bool separator = false;
    };
    std::vector<Entry> entries;
    QMenu *qmenu = nullptr; // the bar's popup, once installed

    // kButtonList
    QStringList list;
    int listWidth = -1; // widest entry in pixels, -1 until measured
};

// One numbered item of a dialog.
struct OpaqueControlRef {
    OpaqueDialogPtr *dialog = nullptr;
    DialogItemIndex number = 0;
    QPointer<QWidget> widget;
    OpaqueMenuRef *menu = nullptr; // menu buttons only
    SInt16 menuValue = 0;          // menu buttons: last chosen entry, 0 for none
};

struct OpaqueDialogPtr {
    SInt16 templateID = 0;
    QPointer<QWidget> widget;
    bool modal = false;                                   // runs under ModalDialog
    std::vector<std::unique_ptr<OpaqueControlRef>> items; // index 0 is item 1
    DialogItemIndex modalHit = 0;                         // ModalDialog's pending hit
    OpaqueWindowPtr window{this};
    OpaqueGrafPtr port{this};
};

// The layer's own functions, which the program never calls: the X prefix is
// the program's (its helpers over the toolbox), tbx:: is the layer's.
namespace tbx {

// app.cpp: the application object, made on first use so that the
// system needs no set-up call; texts between the system's length-prefixed
// UTF-8 and Qt.
void EnsureApp();
// Registers the compiled definitions (menus, strings) once; safe to call again.
void InitResources();
// The language the user's settings ask for (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG, the first set one): "de", "fr", "nl", "it" or "es", or null for English.
const char *EnvironmentLanguage();
// Shows Qt's texts and the program's in this language from now on (null:
// English); widgets made before keep their texts. Called when the application
// object is made.
void UseLanguage(const char *language);
QString Pas2QString(ConstStr255Param text);
void QString2Pas(const QString &s, Str255 out);

// access.cpp: every label gives its words to assistive technology (a text
// interface; a numbered item's label with a name of its own, a status text,
// as its description too). Installed before the first dialog is made.
void InstallLabelAccess();
// Tells assistive technology that a label's words changed from `before`.
void LabelTextChanged(QLabel *label, const QString &before);

// registry.cpp: every live dialog (front-most last) and menu.
std::vector<OpaqueDialogPtr *> &Dialogs();
OpaqueDialogPtr *DialogOfWidget(const QWidget *widget);
OpaqueControlRef *ItemOfWidget(const QWidget *widget);
OpaqueMenuRef *NewMenu(OpaqueMenuRef::Kind kind);
void DropNewestMenu(); // a menu that could not be loaded after all
bool IsLiveMenu(const OpaqueMenuRef *menu);

// eventqueue.cpp: a control whose signal fired reports a hit on its
// item; a press that the loop is to see at a screen point (the menu bar's
// title of an entry chosen outside MenuSelect).
void ItemHit(OpaqueControlRef *item);
void QueuePress(QWindow *window, QPoint global);
// capture.cpp: a modeless dialog's window is watched from when it is
// made until it goes away.
void WatchDialog(OpaqueDialogPtr *dialog);
void ForgetDialog(OpaqueDialogPtr *dialog);
// events.cpp: drops every queued event (tests).
void ResetEvents();

// menubar.cpp: the menu bar lives in the first modeless dialog.
void AttachMenuBar(OpaqueDialogPtr *dialog);
void DetachMenuBar(OpaqueDialogPtr *dialog);
QWidget *MenuBarWidget();
void AppendBarEntry(OpaqueMenuRef *menu, const QString &text);
void ResetMenuBar(); // tests: no menu installed

// menubutton.cpp: shows a menu button's list below the button and
// returns the entry chosen (from 1), or 0 when the user cancelled. Runs its
// own loop until the list closes.
SInt16 PopUpList(OpaqueMenuRef *menu, QWidget *button, SInt16 current);

} // namespace tbx

#endif
