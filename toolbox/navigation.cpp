// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Choosing a file to open or save (Qt's file dialog, which a desktop portal
// serves where there is one), the question about unsaved changes, and alerts.
// Tests answer them without showing a window.

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

#include <string.h>

#include "toolbox/qt.h"
#include "toolbox/testing.h"

namespace {

struct Answers {
    bool on = false;      // tests answer; nothing is shown
    bool hasPath = false; // the chooser's answer: a path, or Cancel
    QString path;
    NavAskSaveChangesResult saveChanges = kNavAskSaveChangesCancel;
    int asked = 0;
    QString lastText; // the last question's or alert's text
};

Answers &A()
{
    static Answers a;
    return a;
}

QWidget *Parent()
{
    return tbx::Dialogs().empty() ? nullptr : tbx::Dialogs().front()->widget.data();
}

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8 ? utf8 : "");
}

// The chosen path into the caller's buffer; false when it does not fit.
Boolean ChosenPath(const QString &chosen, char *path, size_t size)
{
    const QByteArray bytes = QFile::encodeName(chosen);
    if (bytes.isEmpty() || (size_t)bytes.size() >= size)
        return FALSE;
    memcpy(path, bytes.constData(), (size_t)bytes.size() + 1);
    return TRUE;
}

Boolean RunChooser(QFileDialog::AcceptMode mode, const char *filter, const char *suffix,
                   const char *fileName, char *path, size_t size)
{
    tbx::EnsureApp();
    Answers &a = A();
    if (a.on) {
        a.asked++;
        return a.hasPath ? ChosenPath(a.path, path, size) : FALSE;
    }
    // The program keeps no settings, but Qt's own file dialog writes its
    // folder history to ~/.config/QtProject.conf when it closes: point Qt's
    // settings where nothing can be written, so that only the chosen file is.
    static const bool noSettings =
        (QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                            QStringLiteral("/dev/null")),
         QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                            QStringLiteral("/dev/null")),
         true);
    (void)noSettings;
    QFileDialog dialog(Parent());
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters(
        {Text(filter), QCoreApplication::translate("Navigation", "All files (*)")});
    if (suffix && *suffix)
        dialog.setDefaultSuffix(Text(suffix));
    if (fileName && *fileName) {
        const QFileInfo info(Text(fileName));
        if (info.isAbsolute())
            dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return FALSE;
    return ChosenPath(dialog.selectedFiles().front(), path, size);
}

} // namespace

Boolean NavGetFile(const char *filter, char *path, size_t size)
{
    return RunChooser(QFileDialog::AcceptOpen, filter, nullptr, nullptr, path, size);
}

Boolean NavPutFile(const char *filter, const char *suffix, const char *fileName, char *path,
                   size_t size)
{
    return RunChooser(QFileDialog::AcceptSave, filter, suffix, fileName, path, size);
}

NavAskSaveChangesResult NavAskSaveChanges(const NavAskSaveChangesTexts *texts)
{
    tbx::EnsureApp();
    Answers &a = A();
    a.lastText = Text(texts->question);
    if (a.on) {
        a.asked++;
        return a.saveChanges;
    }
    QMessageBox box(Parent());
    box.setIcon(QMessageBox::Warning);
    box.setTextFormat(Qt::PlainText);
    box.setText(Text(texts->question));
    box.setInformativeText(Text(texts->detail));
    QPushButton *save = box.addButton(Text(texts->save), QMessageBox::AcceptRole);
    QPushButton *dontSave = box.addButton(Text(texts->dontSave), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(Text(texts->cancel), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return kNavAskSaveChangesSave;
    if (box.clickedButton() == dontSave)
        return kNavAskSaveChangesDontSave;
    return kNavAskSaveChangesCancel;
}

void StandardAlert(SInt16 alertType, const char *error, const char *explanation)
{
    tbx::EnsureApp();
    Answers &a = A();
    a.lastText = Text(error);
    if (a.on) {
        a.asked++;
        return;
    }
    QMessageBox box(Parent());
    box.setIcon(alertType == kAlertStopAlert      ? QMessageBox::Critical
                : alertType == kAlertCautionAlert ? QMessageBox::Warning
                                                  : QMessageBox::Information);
    box.setTextFormat(Qt::PlainText);
    box.setText(Text(error));
    box.setInformativeText(Text(explanation));
    box.exec();
}

void ToolboxAnswerNavigation(Boolean on)
{
    Answers &a = A();
    a = Answers();
    a.on = on;
}

void ToolboxSetNavFile(const char *path)
{
    A().hasPath = path != nullptr;
    A().path = QFile::decodeName(path ? path : "");
}

void ToolboxSetSaveChangesAnswer(NavAskSaveChangesResult answer)
{
    A().saveChanges = answer;
}

int ToolboxNavigationAsked(void)
{
    return A().asked;
}

const char *ToolboxLastAlertText(void)
{
    static QByteArray text;
    text = A().lastText.toUtf8();
    return text.constData();
}
