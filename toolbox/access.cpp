// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Labels as assistive technology sees them. Qt offers a label's words only as
// its name, so a label whose accessible name says what it is (the lacing
// note) hides them. Here every label gives its words through a text interface;
// a numbered item's label with a name of its own is a status text: it gives
// its words as its description too, and says when they change.

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

#include "toolbox/qt.h"

namespace {

// The form's own labels that carry a name of their own: status texts.
bool IsStatusText(const QLabel *label)
{
    return tbx::ItemOfWidget(label) && !label->accessibleName().isEmpty();
}

class LabelAccess : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit LabelAccess(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override
    {
        if (!Label()->pixmap().isNull())
            return QAccessible::Graphic;
        return IsStatusText(Label()) ? QAccessible::StatusBar : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        const QLabel *label = Label();
        if (t == QAccessible::Name && label->accessibleName().isEmpty())
            return label->text();
        if (t == QAccessible::Description && label->accessibleDescription().isEmpty() &&
            IsStatusText(label))
            return label->text();
        return QAccessibleWidget::text(t);
    }

    // A label names the field it is the buddy of, as Qt's own label does.
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto found = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Labelled) && Label()->buddy())
            if (QAccessibleInterface *buddy =
                    QAccessible::queryAccessibleInterface(Label()->buddy()))
                found.append(qMakePair(buddy, QAccessible::Relation(QAccessible::Labelled)));
        return found;
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // The text interface of read-only plain text: no caret, no selection.
    QString text(int startOffset, int endOffset) const override
    {
        return Label()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return (int)Label()->text().size(); }
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return QString();
    }

  private:
    QLabel *Label() const { return static_cast<QLabel *>(widget()); }
};

QAccessibleInterface *LabelFactory(const QString &key, QObject *object)
{
    if (key == QLatin1String("QLabel") && object && object->isWidgetType())
        if (auto *label = qobject_cast<QLabel *>(object))
            return new LabelAccess(label);
    return nullptr;
}

} // namespace

void tbx::InstallLabelAccess()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(LabelFactory);
        installed = true;
    }
}

void tbx::LabelTextChanged(QLabel *label, const QString &before)
{
    if (!label || !QAccessible::isActive())
        return;
    // The words replaced, for whoever reads the text; and for a status text,
    // whose name stays, its description changed: a screen reader speaks it.
    QAccessibleTextUpdateEvent words(label, 0, before, label->text());
    QAccessible::updateAccessibility(&words);
    if (IsStatusText(label)) {
        QAccessibleEvent description(label, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&description);
    }
}
