#pragma once
#include "common/ui/WindowBuild.h"
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class HighlightRect;

// The password file in the program folder (INI format despite its name).
inline const QString PasswordFileName = QStringLiteral("unins000.dll");

// The password in force: the stored value unscrambled and trimmed (empty when the file or key is
// missing). Throws ConversionError when the stored value is not hexadecimal.
QString ReadStoredPassword();

// The login window: the main window and the only one shown at start.
class TfrmPassword : public QWidget {
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget *parent = nullptr);

    QLabel *imgLogo;
    QLabel *lblRigo05;
    HighlightRect *effPassword;
    QLineEdit *txtPassword;
    QPushButton *cmdOK;
    QPushButton *cmdEsci;
    QPushButton *btnCambiaPassword;
    QLabel *lblMemory;

public slots:
    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();
    void txtPasswordChange();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
};

extern WindowHandle<TfrmPassword> frmPassword;
