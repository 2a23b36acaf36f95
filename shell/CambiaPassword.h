#pragma once
#include "common/ui/WindowBuild.h"
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class HighlightRect;

// The password-change window, reached from the login window; it hides on close and returns there.
class TfrmCambiaPassword : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(QWidget *parent = nullptr);

    QLabel *imgLogo;
    QLabel *lblRigo05;
    QLabel *lblRigo06;
    QLabel *lblRigo07;
    HighlightRect *effPasswordOld;
    HighlightRect *effPasswordNew;
    HighlightRect *effConferma;
    QLineEdit *txtPasswordOld;
    QLineEdit *txtPasswordNew;
    QLineEdit *txtConferma;
    QPushButton *cmdOK;
    QPushButton *cmdEsci;
    QLabel *lblMemory;

public slots:
    void cmdOKClick();
    void cmdEsciClick();
    void txtPasswordChange();

protected:
    void showEvent(QShowEvent *e) override;   // FormShow
    void closeEvent(QCloseEvent *e) override; // FormClose
    bool eventFilter(QObject *watched, QEvent *e) override;
};

extern WindowHandle<TfrmCambiaPassword> frmCambiaPassword;
