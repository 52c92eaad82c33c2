// The layer's own widgets, named in the dialog templates.
#ifndef QUENNICK_FORM_TOOLBOX_WIDGETS_H
#define QUENNICK_FORM_TOOLBOX_WIDGETS_H

#include <QDialog>
#include <QPushButton>

// A button with a pop-up list: pressing it, or Space or Down while it has the
// focus, shows its menu's entries and keeps the one chosen as its value.
class XMenuButton : public QPushButton {
public:
    explicit XMenuButton(QWidget *parent) : QPushButton(parent) {}

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
class XModalBox : public QDialog {
public:
    explicit XModalBox(QWidget *parent) : QDialog(parent) {}
    bool ownClose = false;

protected:
    void reject() override;
    void closeEvent(QCloseEvent *e) override;
};

#endif
