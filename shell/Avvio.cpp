#include "shell/Avvio.h"
#include "common/ui/WindowBuild.h"
#include "common/ui/Look.h"

#include "common/Dates.h"
#include "common/OpenURL.h"
#include "common/Platform.h"
#include "common/ui/Widgets.h"
#include "animals/Cani.h"
#include "appointments/Scadenzario.h"
#include "owners/Clienti.h"
#include "certificates/MenuCertificati.h"
#include "invoices/MenuFatture.h"
#include "pricelist/Servizi.h"
#include "dialogs/Artwork.h"
#include "dialogs/Guida.h"
#include "shell/HelpTexts.h"
#include "shell/Info.h"
#include "common/Maker.h"
#include "shell/Splash.h"

#include <QCloseEvent>
#include <QLabel>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

WindowHandle<TfrmAvvio> frmAvvio;

namespace {

constexpr int PanelWidth = 995;
constexpr int PanelHeight = 692;
constexpr QSize PhotoSize(226, 196);
constexpr QSize ButtonSize(308, 38);

} // namespace

TfrmAvvio::TfrmAvvio(QWidget *parent) : QWidget(parent)
{
    BuildWhenNeeded(this, [this] {
        // FormCreate
        ApplyFormatSettings();

        setObjectName(QStringLiteral("frmAvvio"));
        setWindowTitle(QStringLiteral(" Tavoren"));
        resize(1016, 713);
        SetGradientBackground(this, Look::LauncherTop, Look::LauncherBottom);

        panContainer = MakeNamed<QWidget>(this, QStringLiteral("panContainer"));
        panContainer->resize(PanelWidth, PanelHeight);
        shpSfondo = MakeNamed<QWidget>(panContainer, QStringLiteral("shpSfondo"));
        shpSfondo->setGeometry(0, 0, PanelWidth, PanelHeight);
        SetGradientBackground(shpSfondo, Qt::white, Look::LauncherPanel);

        // The pictures are drawn when the launcher is first shown, after the login.
        auto pictures = std::make_shared<std::vector<std::function<void()>>>();
        auto picture = [&pictures](QLabel *label, const QRect &where, std::function<QPixmap(QSize)> art) {
            label->setGeometry(where);
            pictures->push_back([label, art] { label->setPixmap(art(label->size())); });
        };
        auto command = [this, &picture](const QString &name, const QRect &where, std::function<QPixmap(QSize)> art,
                                        void (TfrmAvvio::*handler)()) {
            auto *label = new ClickLabel(panContainer, name);
            picture(label, where, std::move(art));
            connect(label, &ClickLabel::clicked, this, handler);
            return label;
        };

        imgTitolo = MakeNamed<QLabel>(panContainer, QStringLiteral("imgTitolo"));
        picture(imgTitolo, QRect((PanelWidth - 520) / 2, 6, 520, 64), Artwork::LauncherTitle);
        imgSottotitolo = MakeNamed<QLabel>(panContainer, QStringLiteral("imgSottotitolo"));
        picture(imgSottotitolo, QRect(0, 72, PanelWidth, 40), Artwork::LauncherSubtitle);
        imgInfo = command("imgInfo", QRect(10, 10, 48, 48), Artwork::InfoIcon, &TfrmAvvio::imgInfoClick);
        imgGuida =
            command("imgGuida", QRect(PanelWidth - 58, 10, 48, 48), Artwork::HelpIcon, &TfrmAvvio::imgGuidaClick);

        // Two rows of three applications: a photograph with its button picture under it; both run the
        // same command.
        using App = Artwork::Application;
        const struct {
            App app;
            QString photoName, buttonName;
            ClickLabel *&photo;
            ClickLabel *&button;
            void (TfrmAvvio::*handler)();
        } apps[] = {
            {App::Owners, "imgProprietari", "btnProprietari", imgProprietari, btnProprietari,
             &TfrmAvvio::imgProprietariClick},
            {App::Animals, "imgAnimali", "btnAnimali", imgAnimali, btnAnimali, &TfrmAvvio::imgAnimaliClick},
            {App::Certificates, "imgCertificati", "btnCertificati", imgCertificati, btnCertificati,
             &TfrmAvvio::imgCertificatiClick},
            {App::Appointments, "imgAppuntamenti", "btnAppuntamenti", imgAppuntamenti, btnAppuntamenti,
             &TfrmAvvio::imgAppuntamentiClick},
            {App::PriceList, "imgTariffario", "btnTariffario", imgTariffario, btnTariffario,
             &TfrmAvvio::imgTariffarioClick},
            {App::Invoices, "imgFatture", "btnFatture", imgFatture, btnFatture, &TfrmAvvio::imgFattureClick},
        };
        const int columnGap = (PanelWidth - 3 * ButtonSize.width()) / 4;
        for (int i = 0; i < 6; ++i) {
            const auto &a = apps[i];
            const App app = a.app;
            const int left = columnGap + (i % 3) * (ButtonSize.width() + columnGap);
            const int top = 122 + (i / 3) * 252;
            a.photo = command(
                a.photoName, QRect(QPoint(left + (ButtonSize.width() - PhotoSize.width()) / 2, top), PhotoSize),
                [app](QSize size) { return Artwork::ApplicationPhoto(app, size); }, a.handler);
            a.button = command(
                a.buttonName, QRect(QPoint(left, top + PhotoSize.height() + 6), ButtonSize),
                [app](QSize size) { return Artwork::ApplicationButton(app, size); }, a.handler);
        }

        imgSito = command("imgSito", QRect(0, 620, PanelWidth, 32), Artwork::MakerStrip, &TfrmAvvio::imgSitoClick);
        imgCopyright =
            command("imgCopyright", QRect(10, 654, 32, 32), Artwork::CopyrightMark, &TfrmAvvio::imgCopyrightClick);
        imgEsci = command("imgEsci", QRect(PanelWidth - 42, 654, 32, 32), Artwork::ExitCross, &TfrmAvvio::imgEsciClick);
        DrawOnFirstShow(this, [pictures] {
            for (const auto &draw : *pictures)
                draw();
        });

        setWindowState(Qt::WindowMaximized);
        centerPanel();
    });
}

void TfrmAvvio::centerPanel()
{
    // Centred in the client area; a client smaller than the panel keeps its top left corner.
    panContainer->move(std::max(0, (width() - PanelWidth) / 2), std::max(0, (height() - PanelHeight) / 2));
}

void TfrmAvvio::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    centerPanel();
}

void TfrmAvvio::closeEvent(QCloseEvent *e)
{
    e->accept();
    platform().quit();
}

// The application windows are connected here as they are built.
void TfrmAvvio::imgProprietariClick()
{
    frmClienti->show();
    hide();
}
void TfrmAvvio::imgAnimaliClick()
{
    frmCani->show();
    hide();
}
void TfrmAvvio::imgCertificatiClick()
{
    frmMenuCertificati->show();
    hide();
}
void TfrmAvvio::imgAppuntamentiClick()
{
    frmScadenzario->show();
    hide();
}
void TfrmAvvio::imgTariffarioClick()
{
    frmServizi->show();
    hide();
}
void TfrmAvvio::imgFattureClick()
{
    frmMenuFatture->show();
    hide();
}

void TfrmAvvio::imgInfoClick()
{
    OpenModal<TfrmInfo>(this);
}

void TfrmAvvio::imgCopyrightClick()
{
    OpenModal<TfrmSplash>(this);
}

void TfrmAvvio::imgGuidaClick() { ShowHelp(this, GeneralHelpTitle(), GeneralHelpText()); }

void TfrmAvvio::imgSitoClick() { TMisc::Open(MakerWebAddress); }

void TfrmAvvio::imgEsciClick() { platform().quit(); }
