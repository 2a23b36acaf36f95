#include "shell/CambiaPassword.h"

#include "common/Log.h"
#include "common/ui/WindowBuild.h"
#include "common/ui/CardPanel.h"
#include "common/ui/Look.h"

#include "common/IniFile.h"
#include "common/Platform.h"
#include "common/Text.h"
#include "common/ui/Widgets.h"
#include "dialogs/Artwork.h"
#include "shell/Crypt.h"
#include "shell/Password.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <climits>

WindowHandle<TfrmCambiaPassword> frmCambiaPassword;

namespace {

// The stored form keeps 8 bits per character and counts characters in 8 bits.
constexpr int MaxPasswordLength = 255;

} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(QWidget *parent) : QWidget(parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmCambiaPassword"));
        setWindowTitle(QStringLiteral(" Cambia password"));
        MakeFixedWindow(this, 480, 470);
        SetGradientBackground(this, Look::LoginTop, Qt::white);

        imgLogo = MakeNamed<QLabel>(this, QStringLiteral("imgLogo"));
        imgLogo->setGeometry(20, 15, 440, 140);
        DrawPictureOnFirstShow(imgLogo, Artwork::ChangeHeading);

        QFont labelFont = font();
        labelFont.setPixelSize(14);
        labelFont.setBold(true);
        QFont editFont = Look::Verdana();
        editFont.setPixelSize(14);
        editFont.setBold(true);

        const struct {
            QLabel *&label;
            QString labelName, caption;
            QLineEdit *&edit;
            QString editName;
            HighlightRect *&rect;
            QString rectName;
        } rows[] = {
            {lblRigo05, "lblRigo05", "Vecchia password:", txtPasswordOld, "txtPasswordOld", effPasswordOld,
             "effPasswordOld"},
            {lblRigo06, "lblRigo06", "Nuova password:", txtPasswordNew, "txtPasswordNew", effPasswordNew,
             "effPasswordNew"},
            {lblRigo07, "lblRigo07", "Conferma nuova password:", txtConferma, "txtConferma", effConferma,
             "effConferma"},
        };
        int y = 168;
        for (const auto &row : rows) {
            row.label = MakeNamed<QLabel>(this, row.labelName, row.caption);
            row.label->setGeometry(40, y, 400, 22);
            row.label->setFont(labelFont);
            row.edit = MakeNamed<QLineEdit>(this, row.editName);
            row.edit->setGeometry(40, y + 26, 400, 34);
            row.edit->setEchoMode(QLineEdit::Password);
            row.edit->setMaxLength(INT_MAX);
            row.edit->setFont(editFont);
            row.rect = AttachFieldHighlight(row.edit, row.rectName);
            row.edit->installEventFilter(this);
            connect(row.edit, &QLineEdit::textChanged, this, &TfrmCambiaPassword::txtPasswordChange);
            y += 74;
        }
        EnterFocusChain({txtPasswordOld, txtPasswordNew, txtConferma});

        cmdOK = MakeNamed<QPushButton>(this, QStringLiteral("cmdOK"), QStringLiteral("OK"));
        cmdOK->setGeometry(40, 400, 190, 36);
        cmdOK->setEnabled(false);
        cmdEsci = MakeNamed<QPushButton>(this, QStringLiteral("cmdEsci"), QStringLiteral("Chiudi"));
        cmdEsci->setGeometry(250, 400, 190, 36);

        lblMemory = MakeNamed<QLabel>(this, QStringLiteral("lblMemory"));
        lblMemory->hide();

        connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
        connect(cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdEsciClick);

        CenterWindow(this);
    });
}

void TfrmCambiaPassword::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    lblMemory->clear();
    txtPasswordOld->setFocus(Qt::OtherFocusReason);
}

void TfrmCambiaPassword::closeEvent(QCloseEvent *e)
{
    // The window is only hidden; the login window comes back with an empty password.
    e->accept();
    if (frmPassword) {
        frmPassword->lblMemory->clear();
        frmPassword->txtPassword->clear();
        frmPassword->show();
        frmPassword->txtPassword->setFocus(Qt::OtherFocusReason);
    }
}

bool TfrmCambiaPassword::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() == QEvent::KeyRelease &&
        (watched == txtPasswordOld || watched == txtPasswordNew || watched == txtConferma))
        txtPasswordChange();
    return QWidget::eventFilter(watched, e);
}

void TfrmCambiaPassword::txtPasswordChange()
{
    cmdOK->setEnabled(!TrimText(txtPasswordOld->text()).isEmpty() && !TrimText(txtPasswordNew->text()).isEmpty() &&
                      !TrimText(txtConferma->text()).isEmpty());
}

void TfrmCambiaPassword::cmdOKClick()
{
    auto refuseNew = [this](const QString &message) {
        ShowPlainBox(message);
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus(Qt::OtherFocusReason);
    };
    try {
        lblMemory->setText(ReadStoredPassword());
        bool oldMatches = TrimText(UpperText(txtPasswordOld->text())) == lblMemory->text();
        lblMemory->clear();
        if (!oldMatches) {
            ShowPlainBox(QStringLiteral("Attenzione: vecchia password errata."));
            txtPasswordOld->clear();
            txtPasswordOld->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (TrimText(txtPasswordNew->text()) != TrimText(txtConferma->text())) {
            refuseNew(QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. E' "
                                     "necessario reinserire entrambi i valori."));
            return;
        }
        // A password that the stored form cannot hold could never be matched again.
        const QString fresh = TrimText(UpperText(txtPasswordNew->text()));
        if (fresh.size() > MaxPasswordLength) {
            refuseNew(QStringLiteral("Attenzione: la nuova password non può superare i 255 caratteri."));
            return;
        }
        if (std::any_of(fresh.begin(), fresh.end(), [](QChar c) { return c.unicode() > 0xFF; })) {
            refuseNew(QStringLiteral("Attenzione: la nuova password contiene caratteri non ammessi."));
            return;
        }
        lblMemory->setText(TrimText(ScramblePassword(fresh)));
        IniWriteString(ProgramFile(PasswordFileName), QStringLiteral("Accesso"), QStringLiteral("Valore"),
                       lblMemory->text());
        lblMemory->clear();
    } catch (const std::exception &e) {
        LogFailure(QStringLiteral("changing the password: ") + QString::fromStdString(e.what()));
        lblMemory->clear();
        ShowPlainBox(QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica della "
                                    "password. Si consiglia di reinstallare il software."));
        return;
    }
    ShowPlainBox(QStringLiteral("Modifica della password completata con successo."));
    close();
}

void TfrmCambiaPassword::cmdEsciClick() { close(); }
