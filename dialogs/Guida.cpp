#include "dialogs/Guida.h"
#include "common/ui/WindowBuild.h"
#include "common/ui/Look.h"

#include "common/OpenURL.h"
#include "common/Platform.h"
#include "common/ui/Widgets.h"
#include "dialogs/Artwork.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

WindowHandle<TfrmGuida> frmGuida;

TfrmGuida::TfrmGuida(QWidget *owner) : QDialog(owner)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmGuida"));
        setWindowTitle(QStringLiteral(" Guida all'utilizzo del software"));
        MakeFixedWindow(this, 670, 572);
        SetGradientBackground(this, Qt::white, Look::HelpBottom);

        imgLogo = MakeNamed<QLabel>(this, QStringLiteral("imgLogo"));
        imgLogo->setGeometry(22, 10, 625, 70);

        lblTitolo = MakeNamed<QLabel>(this, QStringLiteral("lblTitolo"), QStringLiteral("Argomento della guida."));
        lblTitolo->setGeometry(22, 88, 625, 28);
        QFont titleFont(QStringLiteral("Arial"));
        titleFont.setPixelSize(16);
        titleFont.setBold(true);
        lblTitolo->setFont(titleFont);
        QPalette titlePalette = lblTitolo->palette();
        titlePalette.setColor(QPalette::WindowText, Look::HelpTopic);
        lblTitolo->setPalette(titlePalette);

        txtGuida = MakeNamed<QPlainTextEdit>(this, QStringLiteral("txtGuida"));
        txtGuida->setGeometry(22, 122, 625, 350);
        txtGuida->setReadOnly(true);
        txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        QFont textFont = Look::Verdana();
        textFont.setPixelSize(12);
        textFont.setBold(true);
        txtGuida->setFont(textFont);

        imgPDF = new ClickLabel(this, QStringLiteral("imgPDF"));
        imgPDF->setGeometry(22, 484, 36, 36);
        lnkWeb = new ClickLabel(this, QStringLiteral("lnkWeb"));
        lnkWeb->setText(QStringLiteral("Visualizza guida in formato PDF"));
        MakeTextLink(lnkWeb, {imgPDF});
        lnkWeb->adjustSize();
        lnkWeb->move(66, 502 - lnkWeb->height() / 2);

        btnChiudi = MakeNamed<QPushButton>(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"));
        btnChiudi->setGeometry(527, 524, 120, 34);

        connect(lnkWeb, &ClickLabel::clicked, this, &TfrmGuida::lnkWebClick);
        connect(imgPDF, &ClickLabel::clicked, this, &TfrmGuida::lnkWebClick);
        connect(btnChiudi, &QPushButton::clicked, this, &TfrmGuida::btnChiudiClick);

        DrawOnFirstShow(this, [this] {
            imgLogo->setPixmap(Artwork::HelpHeading(imgLogo->size()));
            imgPDF->setPixmap(Artwork::PdfIcon(imgPDF->size()));
        });

        CenterWindow(this);
    });
}

void TfrmGuida::lnkWebClick() { TMisc::Open("\"" + ProgramFolder() + "Guida.pdf\""); }

void TfrmGuida::btnChiudiClick() { close(); }

void ShowHelp(QWidget *owner, const QString &title, const QString &text)
{
    OpenModal<TfrmGuida>(owner, [&](TfrmGuida &help) {
        help.lblTitolo->setText(title);
        help.txtGuida->setPlainText(text);
    });
}
