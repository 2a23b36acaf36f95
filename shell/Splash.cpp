#include "shell/Splash.h"
#include "common/ui/WindowBuild.h"
#include "common/ui/Look.h"

#include "common/OpenURL.h"
#include "common/ui/Widgets.h"
#include "dialogs/Artwork.h"
#include "common/Maker.h"

#include <QPushButton>

WindowHandle<TfrmSplash> frmSplash;

TfrmSplash::TfrmSplash(QWidget *owner) : QDialog(owner)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmSplash"));
        setWindowTitle(QStringLiteral(" Tavoren - ") + MakerName);
        MakeFixedWindow(this, 665, 470);
        SetGradientBackground(this, Look::SplashTop, Look::SplashBottom);

        imgLogo = MakeNamed<QLabel>(this, QStringLiteral("imgLogo"));
        imgLogo->setGeometry(20, 15, 625, 380);

        imgWeb = new ClickLabel(this, QStringLiteral("imgWeb"));
        imgWeb->setGeometry(20, 417, 36, 36);
        lnkWeb = new ClickLabel(this, QStringLiteral("lnkWeb"));
        lnkWeb->setText(MakerWebAddress);
        MakeTextLink(lnkWeb, {imgWeb});
        lnkWeb->adjustSize();
        lnkWeb->move(64, 435 - lnkWeb->height() / 2);

        btnChiudi = MakeNamed<QPushButton>(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"));
        btnChiudi->setGeometry(525, 418, 120, 34);

        connect(lnkWeb, &ClickLabel::clicked, this, &TfrmSplash::lnkWebClick);
        connect(imgWeb, &ClickLabel::clicked, this, &TfrmSplash::lnkWebClick);
        connect(btnChiudi, &QPushButton::clicked, this, &TfrmSplash::btnChiudiClick);

        DrawOnFirstShow(this, [this] {
            imgLogo->setPixmap(Artwork::MakerLogo(imgLogo->size()));
            imgWeb->setPixmap(Artwork::GlobeIcon(imgWeb->size()));
        });

        CenterWindow(this, parentWidget());
    });
}

void TfrmSplash::lnkWebClick() { TMisc::Open(MakerWebAddress); }

void TfrmSplash::btnChiudiClick() { close(); }
