// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Dialogs, their numbered items, controls, windows and ports, on Qt Widgets.
// A dialog is built from a Designer template; item N is the widget named "itemN".

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QKeyEvent>

#include <algorithm>

#include "toolbox/qt.h"
#include "toolbox/testing.h"
#include "toolbox/widgets.h"
#include "ui_128.h"
#include "ui_129.h"

namespace {

GrafPtr currentPort = nullptr;
std::vector<SInt16> hiddenTemplates; // tests: templates that seem to be missing

// The dialog templates, compiled from their Designer files: a template is made
// by number as the toolbox would load it, without parsing XML at run time.
struct Template {
    SInt16 id;
    QWidget *(*make)();
};

const Template kTemplates[] = {
    {128,
     [] {
         auto *w = new QWidget;
         Ui_MainForm().setupUi(w);
         return w;
     }},
    {129,
     []() -> QWidget * {
         auto *w = new tbx::ModalBox(nullptr);
         Ui_AboutBox().setupUi(w);
         return w;
     }},
};

QWidget *MakeTemplate(SInt16 id)
{
    if (std::find(hiddenTemplates.begin(), hiddenTemplates.end(), id) != hiddenTemplates.end())
        return nullptr;
    for (const Template &t : kTemplates)
        if (t.id == id)
            return t.make();
    return nullptr;
}

} // namespace

void tbx::ModalBox::reject()
{
    if (OpaqueDialogPtr *d = tbx::DialogOfWidget(this))
        d->modalHit = 1;
}

void tbx::ModalBox::closeEvent(QCloseEvent *e)
{
    if (ownClose) {
        QDialog::closeEvent(e);
        return;
    }
    e->ignore();
    reject();
}

namespace {

OpaqueDialogPtr *DialogOf(WindowRef w)
{
    return w ? w->dialog : nullptr;
}

QWidget *WidgetOf(Handle h)
{
    auto *item = static_cast<OpaqueControlRef *>(h);
    return item ? item->widget.data() : nullptr;
}

// Connects the signals by which an item reports that the user acted on it.
void ConnectHits(OpaqueControlRef *item)
{
    QWidget *w = item->widget;
    if (dynamic_cast<tbx::MenuButton *>(w))
        return; // reports its own choice
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        QObject::connect(b, &QAbstractButton::clicked, [item] { tbx::ItemHit(item); });
    else if (auto *c = qobject_cast<QComboBox *>(w))
        QObject::connect(c, qOverload<int>(&QComboBox::activated), [item] { tbx::ItemHit(item); });
}

// A popup whose template lists values for its entries ("itemValues": numbers
// separated by spaces, in entry order) carries them as the entries' data.
void SetEntryValues(QComboBox *combo)
{
    const QStringList values =
        combo->property("itemValues").toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < values.size() && i < combo->count(); i++)
        combo->setItemData(i, values[i].toInt());
}

void CollectItems(OpaqueDialogPtr *d)
{
    static const QRegularExpression itemName(QStringLiteral("^item([0-9]{1,4})$"));
    const auto children = d->widget->findChildren<QWidget *>();
    for (QWidget *w : children) {
        const auto m = itemName.match(w->objectName());
        if (!m.hasMatch())
            continue;
        const int n = m.captured(1).toInt();
        if (n < 1)
            continue;
        if ((int)d->items.size() < n)
            d->items.resize(n);
        auto item = std::make_unique<OpaqueControlRef>();
        item->dialog = d;
        item->number = (DialogItemIndex)n;
        item->widget = w;
        if (dynamic_cast<tbx::MenuButton *>(w))
            item->menu = tbx::NewMenu(OpaqueMenuRef::kButtonList);
        if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            edit->setMaxLength(255);
            tbx::KeepOneLine(edit);
        }
        if (auto *combo = qobject_cast<QComboBox *>(w))
            SetEntryValues(combo);
        d->items[n - 1] = std::move(item);
        ConnectHits(d->items[n - 1].get());
    }
}

} // namespace

void ToolboxHideTemplate(SInt16 templateID, Boolean hidden)
{
    hiddenTemplates.erase(std::remove(hiddenTemplates.begin(), hiddenTemplates.end(), templateID),
                          hiddenTemplates.end());
    if (hidden)
        hiddenTemplates.push_back(templateID);
}

DialogRef GetNewDialog(SInt16 templateID, void *, WindowRef)
{
    tbx::EnsureApp();
    tbx::InstallLabelAccess();
    QWidget *w = MakeTemplate(templateID);
    if (!w)
        return nullptr;
    auto *d = new OpaqueDialogPtr;
    d->templateID = templateID;
    d->widget = w;
    d->modal = qobject_cast<QDialog *>(w) != nullptr;
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    // Windows keep their template's size: no maximize button, and a modal box
    // no minimize button either. A modal box made while a modeless dialog
    // exists belongs to it: the window system keeps it over that window and
    // Qt centres it there (a Wayland compositor would otherwise place it
    // anywhere).
    if (d->modal) {
        QWidget *owner = nullptr;
        for (OpaqueDialogPtr *other : tbx::Dialogs())
            if (!other->modal && other->widget)
                owner = other->widget;
        if (owner)
            w->setParent(owner);
        w->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    } else {
        w->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
    }
    CollectItems(d);
    tbx::Dialogs().push_back(d);
    if (!d->modal) {
        tbx::WatchDialog(d);
        tbx::AttachMenuBar(d);
    }
    return d;
}

void DisposeDialog(DialogRef d)
{
    if (!d)
        return;
    auto &all = tbx::Dialogs();
    all.erase(std::remove(all.begin(), all.end(), d), all.end());
    if (currentPort == &d->port)
        currentPort = nullptr;
    tbx::ForgetDialog(d);
    tbx::DetachMenuBar(d);
    if (auto *box = dynamic_cast<tbx::ModalBox *>(d->widget.data()))
        box->ownClose = true;
    delete d->widget.data();
    delete d;
}

WindowRef GetDialogWindow(DialogRef d)
{
    return d ? &d->window : nullptr;
}

CGrafPtr GetDialogPort(DialogRef d)
{
    return d ? &d->port : nullptr;
}

void GetDialogItem(DialogRef d, DialogItemIndex n, DialogItemType *type, Handle *handle, Rect *box)
{
    OpaqueControlRef *item = nullptr;
    if (d && n >= 1 && n <= (int)d->items.size())
        item = d->items[n - 1].get();
    QWidget *w = item ? item->widget.data() : nullptr;
    if (type) {
        *type = 0;
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            *type = edit->isReadOnly() ? statText : editText;
        else if (qobject_cast<QLabel *>(w))
            *type = statText;
        else if (w)
            *type = ctrlItem + btnCtrl;
    }
    if (handle)
        *handle = w ? item : nullptr;
    if (box) {
        *box = Rect{0, 0, 0, 0};
        if (w) {
            const QRect r(w->mapTo(d->widget, QPoint(0, 0)), w->size());
            SetRect(box, (SInt16)r.left(), (SInt16)r.top(), (SInt16)(r.right() + 1),
                    (SInt16)(r.bottom() + 1));
        }
    }
}

SInt16 GetDialogItemAsControl(DialogRef d, DialogItemIndex n, ControlRef *control)
{
    Handle h = nullptr;
    GetDialogItem(d, n, nullptr, &h, nullptr);
    if (control)
        *control = static_cast<ControlRef>(h);
    return h ? 0 : -1;
}

void SetDialogItemText(Handle h, ConstStr255Param text)
{
    QWidget *w = WidgetOf(h);
    const QString s = tbx::Pas2QString(text);
    // A text that is already shown is not set again: a Calculate that changes
    // nothing costs no relayout and tells assistive tools nothing new.
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        if (edit->text() != s)
            edit->setText(s);
        edit->setCursorPosition(0);
    } else if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->text() != s) {
            const QString before = label->text();
            label->setText(s);
            tbx::LabelTextChanged(label, before);
        }
    } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        button->setText(s);
    }
}

void GetDialogItemText(Handle h, Str255 text)
{
    QWidget *w = WidgetOf(h);
    QString s;
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        s = edit->text();
    else if (auto *label = qobject_cast<QLabel *>(w))
        s = label->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        s = button->text();
    tbx::QString2Pas(s, text);
}

SInt16 SetDialogDefaultItem(DialogRef d, DialogItemIndex n)
{
    Handle h = nullptr;
    GetDialogItem(d, n, nullptr, &h, nullptr);
    auto *b = qobject_cast<QPushButton *>(WidgetOf(h));
    if (!b)
        return -1;
    b->setDefault(true);
    return 0;
}

namespace {

QLineEdit *ActiveField(DialogRef d)
{
    if (!d || !d->widget)
        return nullptr;
    return qobject_cast<QLineEdit *>(d->widget->focusWidget());
}

} // namespace

void DialogCut(DialogRef d)
{
    if (QLineEdit *e = ActiveField(d); e && !e->isReadOnly())
        e->cut();
}

void DialogCopy(DialogRef d)
{
    if (QLineEdit *e = ActiveField(d))
        e->copy();
}

void DialogPaste(DialogRef d)
{
    if (QLineEdit *e = ActiveField(d); e && !e->isReadOnly())
        e->paste();
}

void ModalDialog(ModalFilterUPP, DialogItemIndex *itemHit)
{
    OpaqueDialogPtr *box = nullptr;
    for (OpaqueDialogPtr *d : tbx::Dialogs())
        if (d->modal && d->widget && d->widget->isVisible())
            box = d;
    if (!box) {
        // Nothing to wait for: report the box's closing item so that no caller
        // loops forever on a box that is not there.
        *itemHit = 1;
        return;
    }
    box->modalHit = 0;
    while (!box->modalHit) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    *itemHit = box->modalHit;
}

SInt16 GetControlValue(ControlRef c)
{
    if (!c || !c->widget)
        return 0;
    if (auto *combo = qobject_cast<QComboBox *>(c->widget.data())) {
        const QVariant value = combo->currentData();
        return value.isValid() ? (SInt16)value.toInt() : (SInt16)(combo->currentIndex() + 1);
    }
    if (c->menu)
        return c->menuValue;
    if (auto *b = qobject_cast<QAbstractButton *>(c->widget.data()))
        return b->isCheckable() && b->isChecked() ? 1 : 0;
    return 0;
}

void SetControlValue(ControlRef c, SInt16 value)
{
    auto *combo = c ? qobject_cast<QComboBox *>(c->widget.data()) : nullptr;
    if (!combo)
        return;
    int index = combo->findData(QVariant((int)value));
    if (index < 0 && !combo->itemData(0).isValid() && value >= 1 && value <= combo->count())
        index = value - 1;
    if (index >= 0)
        combo->setCurrentIndex(index);
}

void EnableControl(ControlRef c)
{
    if (c && c->widget)
        c->widget->setEnabled(true);
}

void DisableControl(ControlRef c)
{
    if (c && c->widget)
        c->widget->setEnabled(false);
}

void SetControlAccessibleName(ControlRef c, ConstStr255Param name)
{
    if (!c || !c->widget)
        return;
    const QString s = tbx::Pas2QString(name);
    c->widget->setAccessibleName(s);
    if (qobject_cast<QComboBox *>(c->widget.data()))
        c->widget->setAccessibleDescription(s);
}

SInt16 GetBevelButtonMenuHandle(ControlRef c, MenuHandle *menu)
{
    *menu = c ? c->menu : nullptr;
    return *menu ? 0 : -1;
}

SInt16 GetBevelButtonMenuValue(ControlRef c, SInt16 *value)
{
    *value = c ? c->menuValue : 0;
    return c && c->menu ? 0 : -1;
}

void IdleControls(WindowRef)
{
    // Qt blinks the caret and animates controls on its own timers.
}

void SetWTitle(WindowRef w, ConstStr255Param title)
{
    OpaqueDialogPtr *d = DialogOf(w);
    if (d && d->widget)
        d->widget->setWindowTitle(tbx::Pas2QString(title));
}

void ShowWindow(WindowRef w)
{
    OpaqueDialogPtr *d = DialogOf(w);
    if (!d || !d->widget)
        return;
    QWidget *widget = d->widget;
    // The window keeps the size its template gives: no resizing, no zooming.
    widget->adjustSize();
    widget->setFixedSize(widget->size());
    if (d->modal)
        widget->setWindowModality(Qt::ApplicationModal);
    widget->show();
    widget->raise();
    widget->activateWindow();
    // Keyboard users start at the first item of the Tab order.
    if (!widget->focusWidget()) {
        QWidget *first = widget->nextInFocusChain();
        while (first != widget && !((first->focusPolicy() & Qt::TabFocus) && first->isEnabled() &&
                                    first->isVisibleTo(widget)))
            first = first->nextInFocusChain();
        if (first != widget)
            first->setFocus(Qt::TabFocusReason);
    }
}

void InvalWindowRect(WindowRef w, const Rect *r)
{
    OpaqueDialogPtr *d = DialogOf(w);
    if (d && d->widget && r)
        d->widget->update(QRect(r->left, r->top, r->right - r->left, r->bottom - r->top));
}

SInt16 TransitionWindow(WindowRef w, SInt16, SInt16 action, const Rect *)
{
    OpaqueDialogPtr *d = DialogOf(w);
    if (!d || !d->widget)
        return -1;
    if (action == kWindowShowTransitionAction)
        ShowWindow(w);
    else if (action == kWindowHideTransitionAction)
        d->widget->hide();
    return 0;
}

void GetPort(GrafPtr *port)
{
    *port = currentPort;
}

void SetPort(GrafPtr port)
{
    currentPort = port;
}

Rect *GetPortBounds(CGrafPtr port, Rect *bounds)
{
    *bounds = Rect{0, 0, 0, 0};
    if (port && port->dialog && port->dialog->widget) {
        const QSize s = port->dialog->widget->size();
        SetRect(bounds, 0, 0, (SInt16)s.width(), (SInt16)s.height());
    }
    return bounds;
}

void EraseRect(const Rect *r)
{
    if (currentPort && currentPort->dialog && currentPort->dialog->widget && r)
        currentPort->dialog->widget->update(
            QRect(r->left, r->top, r->right - r->left, r->bottom - r->top));
}

void SetRect(Rect *r, SInt16 left, SInt16 top, SInt16 right, SInt16 bottom)
{
    r->left = left;
    r->top = top;
    r->right = right;
    r->bottom = bottom;
}

void InitCursor(void)
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}
