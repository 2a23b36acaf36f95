#include "shell/Info.h"
#include "common/ui/WindowBuild.h"

#include "common/OpenURL.h"
#include "common/ui/Widgets.h"
#include "dialogs/Artwork.h"
#include "common/Maker.h"

#include <QPushButton>

WindowHandle<TfrmInfo> frmInfo;

TfrmInfo::TfrmInfo(QWidget *owner) : QDialog(owner)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmInfo"));
        setWindowTitle(QStringLiteral(" Informazioni su Tavoren"));
        MakeFixedWindow(this, 520, 300);
        SetGradientBackground(this, Qt::black, Qt::white);

        imgLogo = MakeNamed<QLabel>(this, QStringLiteral("imgLogo"));
        imgLogo->setGeometry(20, 20, 480, 110);

        imgEmail = new ClickLabel(this, QStringLiteral("imgEmail"));
        imgEmail->setGeometry(120, 176, 40, 30);
        lnkWeb = new ClickLabel(this, QStringLiteral("lnkWeb"));
        lnkWeb->setText(MakerEmail);
        MakeTextLink(lnkWeb, {imgEmail});
        lnkWeb->adjustSize();
        lnkWeb->move(170, 191 - lnkWeb->height() / 2);

        btnChiudi = MakeNamed<QPushButton>(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"));
        btnChiudi->setGeometry(380, 248, 120, 34);

        connect(lnkWeb, &ClickLabel::clicked, this, &TfrmInfo::lnkWebClick);
        connect(imgEmail, &ClickLabel::clicked, this, &TfrmInfo::lnkWebClick);
        connect(btnChiudi, &QPushButton::clicked, this, &TfrmInfo::btnChiudiClick);

        DrawOnFirstShow(this, [this] {
            imgLogo->setPixmap(Artwork::InfoHeading(imgLogo->size()));
            imgEmail->setPixmap(Artwork::EnvelopeIcon(imgEmail->size()));
        });

        CenterWindow(this);
    });
}

void TfrmInfo::lnkWebClick()
{
    // Subject and body go as they are, blanks included.
    TMisc::Open("\"mailto:" + MakerEmail +
                "?subject=Software Tavoren&body=Salve, desidererei avere le seguenti informazioni sul software in "
                "oggetto:\"");
}

void TfrmInfo::btnChiudiClick() { close(); }
