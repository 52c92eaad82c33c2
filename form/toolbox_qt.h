// Inside the toolbox layer: the records behind the opaque references, and the
// helpers that the layer's files share. Only toolbox_*.cpp include this.
#ifndef QUENNICK_FORM_TOOLBOX_QT_H
#define QUENNICK_FORM_TOOLBOX_QT_H

#include <QByteArray>
#include <QFont>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

#include "form/toolbox.h"

class QAction;
class QMenu;
class QWindow;

struct OpaqueWindowPtr {
    OpaqueDialogPtr *dialog;
};

struct OpaqueGrafPtr {
    OpaqueDialogPtr *dialog;
};

// A menu: either one of the menu bar's (loaded by ID) or a menu button's list.
struct OpaqueMenuRef {
    SInt16 id = 0;
    QString title;
    struct Entry {
        QString text;
        QChar commandKey;  // upper case; null for none
        bool enabled = true;
        bool separator = false;
    };
    std::vector<Entry> entries;  // bar menus
    QStringList list;            // menu-button lists: one text per entry
    int listWidth = -1;          // widest entry in pixels, -1 until measured
    QFont font;
    bool hasFont = false;
    QMenu *qmenu = nullptr;      // the bar's popup, once installed
};

// One numbered item of a dialog.
struct OpaqueControlRef {
    OpaqueDialogPtr *dialog = nullptr;
    DialogItemIndex number = 0;
    QPointer<QWidget> widget;
    OpaqueMenuRef *menu = nullptr;  // menu buttons only
    SInt16 menuValue = 0;           // menu buttons: last chosen entry, 0 for none
};

struct OpaqueDialogPtr {
    SInt16 templateID = 0;
    QPointer<QWidget> widget;
    bool modal = false;                    // runs under ModalDialog
    std::vector<std::unique_ptr<OpaqueControlRef>> items;  // index 0 is item 1
    DialogItemIndex modalHit = 0;          // ModalDialog's pending hit
    OpaqueWindowPtr window{this};
    OpaqueGrafPtr port{this};
};

// The application object, made on first use so that the system needs no set-up call.
void XEnsureApp();

// Texts between the system's length-prefixed UTF-8 and Qt.
QString XPas2QString(ConstStr255Param text);
void XQString2Pas(const QString &s, Str255 out);

// Every live dialog, front-most last.
std::vector<OpaqueDialogPtr *> &XDialogs();
OpaqueDialogPtr *XDialogOfWindow(const QWindow *window);
OpaqueDialogPtr *XDialogOfWidget(const QWidget *widget);
OpaqueControlRef *XItemOfWidget(const QWidget *widget);

// Events: the layer's queue. Called when a dialog is made or goes away, and by a
// control whose signal fired (a hit).
void XEventsWatch(OpaqueDialogPtr *dialog);
void XEventsForget(OpaqueDialogPtr *dialog);
void XEventsItemHit(OpaqueControlRef *item);
void XEventsReset();

// Menus: the menu bar lives in the first modeless dialog.
void XMenuBarAttach(OpaqueDialogPtr *dialog);
void XMenuBarDetach(OpaqueDialogPtr *dialog);
QWidget *XMenuBarWidget();
bool XMenuIsLive(const OpaqueMenuRef *menu);
MenuRef XMenuNewList();
// Shows a menu button's list below the button and returns the entry chosen (from
// 1), or 0 when the user cancelled. Runs its own loop until the list closes.
SInt16 XMenuPopupList(OpaqueMenuRef *menu, QWidget *button, SInt16 current);

#endif
