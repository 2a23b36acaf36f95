#include "shell/Password.h"

#include "common/Log.h"
#include "common/ui/WindowBuild.h"
#include "common/ui/Look.h"

#include "common/IniFile.h"
#include "common/Platform.h"
#include "common/Text.h"
#include "common/ui/Widgets.h"
#include "dialogs/Artwork.h"
#include "shell/Avvio.h"
#include "shell/CambiaPassword.h"
#include "shell/Crypt.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <climits>

WindowHandle<TfrmPassword> frmPassword;

QString ReadStoredPassword()
{
    QString stored = IniReadString(ProgramFile(PasswordFileName), QStringLiteral("Accesso"), QStringLiteral("Valore"));
    return TrimText(UnscramblePassword(stored));
}

TfrmPassword::TfrmPassword(QWidget *parent) : QWidget(parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmPassword"));
        setWindowTitle(QStringLiteral(" Tavoren - Accesso"));
        MakeFixedWindow(this, 480, 460);
        SetGradientBackground(this, Look::LoginTop, Qt::white);

        imgLogo = MakeNamed<QLabel>(this, QStringLiteral("imgLogo"));
        imgLogo->setGeometry(20, 15, 440, 230);
        imgLogo->setPixmap(Artwork::LoginHeading(imgLogo->size()));

        lblRigo05 =
            MakeNamed<QLabel>(this, QStringLiteral("lblRigo05"), QStringLiteral("Immetti la password e premi OK."));
        lblRigo05->setGeometry(40, 258, 400, 24);
        QFont labelFont = lblRigo05->font();
        labelFont.setPixelSize(14);
        labelFont.setBold(true);
        lblRigo05->setFont(labelFont);

        txtPassword = MakeNamed<QLineEdit>(this, QStringLiteral("txtPassword"));
        txtPassword->setGeometry(40, 290, 400, 36);
        txtPassword->setEchoMode(QLineEdit::Password);
        txtPassword->setMaxLength(INT_MAX);
        QFont editFont = Look::Verdana();
        editFont.setPixelSize(14);
        editFont.setBold(true);
        txtPassword->setFont(editFont);
        effPassword = AttachFieldHighlight(txtPassword, QStringLiteral("effPassword"));
        txtPassword->installEventFilter(this);

        cmdOK = MakeNamed<QPushButton>(this, QStringLiteral("cmdOK"), QStringLiteral("OK"));
        cmdOK->setGeometry(40, 348, 190, 36);
        cmdOK->setEnabled(false);
        cmdEsci = MakeNamed<QPushButton>(this, QStringLiteral("cmdEsci"), QStringLiteral("Esci"));
        cmdEsci->setGeometry(250, 348, 190, 36);
        btnCambiaPassword =
            MakeNamed<QPushButton>(this, QStringLiteral("btnCambiaPassword"), QStringLiteral("Cambia password"));
        btnCambiaPassword->setGeometry(40, 400, 400, 36);

        lblMemory = MakeNamed<QLabel>(this, QStringLiteral("lblMemory"));
        lblMemory->hide();

        connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::txtPasswordChange);
        connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
        connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
        connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);

        CenterWindow(this);
    });
}

void TfrmPassword::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    txtPassword->setFocus(Qt::OtherFocusReason);
}

void TfrmPassword::closeEvent(QCloseEvent *e)
{
    // Closing the main window by any means ends the run.
    e->accept();
    platform().quit();
}

bool TfrmPassword::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == txtPassword) {
        if (e->type() == QEvent::KeyPress) {
            int key = static_cast<QKeyEvent *>(e)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !TrimText(txtPassword->text()).isEmpty())
                cmdOKClick();
        } else if (e->type() == QEvent::KeyRelease) {
            txtPasswordChange();
        }
    }
    return QWidget::eventFilter(watched, e);
}

void TfrmPassword::txtPasswordChange() { cmdOK->setEnabled(!TrimText(txtPassword->text()).isEmpty()); }

void TfrmPassword::cmdOKClick()
{
    bool accepted = false;
    try {
        lblMemory->setText(ReadStoredPassword());
        accepted = TrimText(UpperText(txtPassword->text())) == lblMemory->text();
        lblMemory->clear();
    } catch (const std::exception &e) {
        LogFailure(QStringLiteral("reading the password: ") + QString::fromStdString(e.what()));
        lblMemory->clear();
        ShowPlainBox(QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                                    "password. Si consiglia di reinstallare il software."));
        return;
    }
    if (accepted) {
        frmAvvio->show();
        hide();
    } else {
        ShowPlainBox(QStringLiteral("Attenzione: password errata."));
        txtPassword->clear();
        txtPassword->setFocus(Qt::OtherFocusReason);
    }
}

void TfrmPassword::cmdEsciClick()
{
    // closeEvent ends the run.
    close();
}

void TfrmPassword::btnCambiaPasswordClick()
{
    frmCambiaPassword->show();
    hide();
}
