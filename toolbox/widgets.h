// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Included by: toolbox/*.cpp and the compiled dialog templates only (it includes Qt).
// The layer's own widgets, named in the dialog templates (menubutton.cpp,
// dialogs.cpp), and the rule of one-line fields (oneline.cpp).
#ifndef QUENNICK_TOOLBOX_WIDGETS_H
#define QUENNICK_TOOLBOX_WIDGETS_H

#include <QDialog>
#include <QPushButton>

class QLineEdit;

namespace tbx {

// A button with a pop-up list: pressing it with the mouse, Space, Down or F4
// while it has the focus, or by any other way a button is clicked (an
// assistive tool's Press action), shows its menu's entries and keeps the one
// chosen as its value.
class MenuButton : public QPushButton {
  public:
    explicit MenuButton(QWidget *parent);

  protected:
    void mousePressEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void paintEvent(QPaintEvent *) override;

  private:
    void Open();
};

// A modal box (the About box): Escape and the window's close box report item 1
// to ModalDialog instead of hiding the box behind its loop.
class ModalBox : public QDialog {
  public:
    explicit ModalBox(QWidget *parent) : QDialog(parent) {}
    bool ownClose = false;

  protected:
    void reject() override;
    void closeEvent(QCloseEvent *e) override;
};

// Keeps `edit` to one line without control characters: of a text pasted,
// dropped or set, the first line is kept, a tab becoming a space; the rest of
// the field stays as it was.
void KeepOneLine(QLineEdit *edit);

} // namespace tbx

#endif
