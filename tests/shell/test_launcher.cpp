#include "ShellFixture.h"

#include "animals/Cani.h"
#include "animals/CreaRTF.h"
#include "animals/ExpCani.h"
#include "animals/StampaCane.h"
#include "animals/Zoom.h"
#include "animals/TrovaCani.h"
#include "appointments/Confermati.h"
#include "appointments/DaConfermare.h"
#include "appointments/ExpGiornaliere.h"
#include "appointments/ExpImminenti.h"
#include "appointments/ExpMensili.h"
#include "appointments/ExpScadenzario.h"
#include "appointments/NonConfermati.h"
#include "appointments/TrovaScadenzario.h"
#include "appointments/Scadenzario.h"
#include "certificates/Autorizzazione_Eutanasia.h"
#include "certificates/Certificato_Decesso.h"
#include "certificates/Certificato_Malattia.h"
#include "certificates/Certificato_Sanitario.h"
#include "certificates/Certificato_Vaccinazione.h"
#include "certificates/Consenso_Intervento.h"
#include "certificates/Consenso_Privacy.h"
#include "certificates/ExpAutorizzazioni_Eutanasia.h"
#include "certificates/ExpCertificati_Decesso.h"
#include "certificates/ExpCertificati_Malattia.h"
#include "certificates/ExpCertificati_Movimento.h"
#include "certificates/ExpCertificati_Sanitari.h"
#include "certificates/ExpCertificati_Vaccinazione.h"
#include "certificates/ExpConsensi_Interventi.h"
#include "certificates/MenuCertificati.h"
#include "certificates/TrovaAutorizzazioni_Eutanasia.h"
#include "certificates/TrovaCertificati_Decesso.h"
#include "certificates/TrovaCertificati_Malattia.h"
#include "certificates/TrovaCertificati_Movimento.h"
#include "certificates/TrovaCertificati_Sanitari.h"
#include "certificates/TrovaCertificati_Vaccinazione.h"
#include "certificates/TrovaConsensi_Interventi.h"
#include "common/ui/Widgets.h"
#include "owners/Carta.h"
#include "owners/Clienti.h"
#include "owners/ExpClienti.h"
#include "owners/Iban.h"
#include "owners/Privacy.h"
#include "owners/Ricontatta.h"
#include "owners/TrovaClienti.h"
#include "pricelist/ExpServizi.h"
#include "pricelist/Giacenza.h"
#include "invoices/DatiVeicolo.h"
#include "invoices/Logo.h"
#include "invoices/Numerazione.h"
#include "pricelist/Servizi.h"
#include "pricelist/Sottoscorta.h"
#include "pricelist/StampaServizi.h"
#include "pricelist/TrovaServizi.h"
#include "dialogs/AllegaCartella.h"
#include "invoices/Fatture.h"
#include "invoices/MenuFatture.h"
#include "invoice_reports/Riepiloghi.h"
#include "invoice_reports/Sospese.h"
#include "invoice_reports/ExpFatture.h"
#include "invoice_reports/Statistiche.h"
#include "invoice_reports/TrovaFatture.h"
#include "invoice_reports/StampaFat.h"
#include "invoice_reports/AnteprimaFat.h"
#include "invoice_reports/Crea_PDF_Fat.h"
#include "shell/Avvio.h"
#include "animals/CostiCane.h"
#include "dialogs/Calendario.h"
#include "shell/CambiaPassword.h"
#include "dialogs/CodFisc.h"
#include "dialogs/Guida.h"
#include "shell/HelpTexts.h"
#include "shell/Info.h"
#include "common/Maker.h"
#include "dialogs/NumerazioneDoc.h"
#include "dialogs/PartitaIVA.h"
#include "shell/Password.h"
#include "shell/Splash.h"

#include <QLineEdit>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include <vector>

// Qt's hook table: slot 3 is called with every QObject as it is constructed.
extern Q_CORE_EXPORT quintptr qtHookData[];

namespace {

std::vector<QObject *> *createdObjects = nullptr;
void (*previousAddHook)(QObject *) = nullptr;

void RecordCreated(QObject *o)
{
    if (createdObjects)
        createdObjects->push_back(o);
    if (previousAddHook)
        previousAddHook(o);
}

constexpr int AddQObjectHook = 3;

} // namespace

TEST(Startup, CreatesTheWindowsInTableOrderAndShowsNone)
{
    ScriptedPlatform sp;
    std::vector<QObject *> created;
    createdObjects = &created;
    previousAddHook = reinterpret_cast<void (*)(QObject *)>(qtHookData[AddQObjectHook]);
    qtHookData[AddQObjectHook] = reinterpret_cast<quintptr>(&RecordCreated);
    CreateStartupWindows();
    qtHookData[AddQObjectHook] = reinterpret_cast<quintptr>(previousAddHook);
    createdObjects = nullptr;

    const std::vector<QWidget *> expected{
        frmPassword, frmAvvio,          frmCambiaPassword, frmGuida,         frmInfo,    frmSplash,
        frmCodFisc,  frmPartitaIva,     frmCarta,          frmIban,          frmClienti, frmAllegaCartella,
        frmTrovaClienti, frmExpClienti, frmRicontatta, frmCani, frmZoom, frmTrovaCani, frmExpCani, frmStampaCane,
        frmCreaRTF, frmCostiCane, frmScadenzario,
        frmExpImminenti, frmExpGiornaliere, frmExpMensili, frmExpScadenzario, frmConfermati, frmNonConfermati,
        frmTrovaScadenzario, frmDaConfermare,
        frmServizi, frmGiacenza, frmSottoscorta, frmExpServizi, frmTrovaServizi, frmStampaServizi,
        frmMenuFatture, frmFatture, frmStatistiche, frmLogo, frmNumerazione, frmDatiVeicolo, frmSospese,
        frmExpFatture, frmRiepAnnuale, frmRiepMensile, frmRiepTrimestrale, frmTrovaFatture, frmStampaFat,
        frmAnteprimaFat, frmCrea_PDF_Fat,
        frmMenuCertificati, frmCertificato_Sanitario,
        frmCalendario, frmNumerazioneDoc, frmTrovaCertificati_Sanitari, frmExpCertificati_Sanitari,
        frmCertificato_Vaccinazione, frmTrovaCertificati_Vaccinazione, frmExpCertificati_Vaccinazione,
        frmCertificato_Malattia, frmTrovaCertificati_Malattia, frmExpCertificati_Malattia,
        frmCertificato_Decesso, frmTrovaCertificati_Decesso, frmExpCertificati_Decesso,
        frmAutorizzazione_Eutanasia, frmTrovaAutorizzazioni_Eutanasia, frmExpAutorizzazioni_Eutanasia,
        frmConsenso_Intervento, frmTrovaConsensi_Interventi, frmExpConsensi_Interventi,
        frmConsenso_Privacy, frmTrovaCertificati_Movimento, frmExpCertificati_Movimento,
        frmPrivacy};
    std::vector<QWidget *> order;
    for (QObject *o : created)
        for (QWidget *w : expected)
            if (o == w)
                order.push_back(w);
    EXPECT_EQ(order, expected);
    for (QWidget *w : expected) {
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isWindow());
        EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
    }
    EXPECT_TRUE(frmAvvio->windowState() & Qt::WindowMaximized);

    DestroyStartupWindows();
    EXPECT_EQ(frmPassword, nullptr);
    EXPECT_EQ(frmAvvio, nullptr);
    EXPECT_EQ(frmCambiaPassword, nullptr);
    EXPECT_EQ(frmGuida, nullptr);
    EXPECT_EQ(frmInfo, nullptr);
    EXPECT_EQ(frmSplash, nullptr);
}

class Launcher : public ShellWindows {
protected:
    void SetUp() override
    {
        ShellWindows::SetUp();
        frmAvvio->show();
    }
    // Clicks the picture and returns the window that it showed modally (destroyed since).
    QString clickAndCatchModal(ClickLabel *picture, const std::function<void(QWidget *)> &drive = {})
    {
        sp.clear();
        QPointer<QWidget> shown;
        sp.onModal = [&](QWidget *w) {
            shown = w;
            EXPECT_EQ(w->parentWidget(), frmAvvio);
            EXPECT_TRUE(w->isWindow());
            if (drive)
                drive(w);
        };
        QTest::mouseClick(picture, Qt::LeftButton);
        sp.onModal = nullptr;
        EXPECT_TRUE(shown.isNull()) << "the creator destroys the window";
        EXPECT_TRUE(frmAvvio->isVisible());
        auto modal = sp.callsOf("modal");
        return modal.size() == 1 ? modal[0].text : QString();
    }
};

TEST_F(Launcher, InformationPicturesOpenTheirWindows)
{
    EXPECT_EQ(frmAvvio->windowTitle(), QStringLiteral(" Tavoren"));
    EXPECT_EQ(clickAndCatchModal(frmAvvio->imgInfo,
                                 [](QWidget *w) {
                                     EXPECT_EQ(w->windowTitle(), QStringLiteral(" Informazioni su Tavoren"));
                                 }),
              QStringLiteral("TfrmInfo"));
    EXPECT_EQ(clickAndCatchModal(frmAvvio->imgCopyright,
                                 [](QWidget *w) {
                                     EXPECT_EQ(w->windowTitle(), QStringLiteral(" Tavoren - Orsanti"));
                                 }),
              QStringLiteral("TfrmSplash"));

    sp.clear();
    QTest::mouseClick(frmAvvio->imgSito, Qt::LeftButton);
    ASSERT_EQ(sp.calls.size(), 1u);
    EXPECT_EQ(sp.calls[0].kind, QStringLiteral("document"));
    EXPECT_EQ(sp.calls[0].text, MakerWebAddress);
}

TEST_F(Launcher, GeneralHelpShowsItsTitleAndText)
{
    QString title, text;
    QSize client;
    EXPECT_EQ(clickAndCatchModal(frmAvvio->imgGuida,
                                 [&](QWidget *w) {
                                     auto *help = qobject_cast<TfrmGuida *>(w);
                                     ASSERT_NE(help, nullptr);
                                     title = help->lblTitolo->text();
                                     text = help->txtGuida->toPlainText();
                                     client = help->size();
                                     EXPECT_TRUE(help->txtGuida->isReadOnly());
                                 }),
              QStringLiteral("TfrmGuida"));
    EXPECT_EQ(title, QStringLiteral("Uno sguardo a Tavoren."));
    EXPECT_TRUE(text.startsWith(GeneralHelpParagraphs().value(0))) << text.left(80).toStdString();
    // The paragraphs stand apart by one empty line.
    EXPECT_EQ(text, QString(GeneralHelpText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(client, QSize(670, 572));
}

TEST_F(Launcher, PriceListCommandShowsTheCardAndClosingItComesBack)
{
    QTest::mouseClick(frmAvvio->imgTariffario, Qt::LeftButton);
    EXPECT_TRUE(frmServizi->isVisible());
    EXPECT_FALSE(frmAvvio->isVisible());
    frmServizi->txtDescrizione->setText("non salvata");
    frmServizi->close();
    EXPECT_TRUE(frmAvvio->isVisible());
    EXPECT_FALSE(frmServizi->isVisible());
    // Shown again, the card is blank: unsaved input is gone.
    QTest::mouseClick(frmAvvio->btnTariffario, Qt::LeftButton);
    EXPECT_TRUE(frmServizi->isVisible());
    EXPECT_EQ(frmServizi->txtDescrizione->text(), "");
    EXPECT_EQ(frmServizi->txtPrezzo->text(), "0,00");
    frmServizi->close();
}

TEST_F(Launcher, ExitAndClosingEndTheRun)
{
    QTest::mouseClick(frmAvvio->imgEsci, Qt::LeftButton);
    EXPECT_EQ(sp.callsOf("quit").size(), 1u);
    sp.clear();
    frmAvvio->close();
    EXPECT_EQ(sp.callsOf("quit").size(), 1u);
}

TEST_F(Launcher, PanelStaysCentredInTheClientArea)
{
    frmAvvio->setWindowState(Qt::WindowNoState);
    frmAvvio->resize(1200, 900);
    QApplication::processEvents();
    EXPECT_EQ(frmAvvio->panContainer->geometry(), QRect((1200 - 995) / 2, (900 - 692) / 2, 995, 692));
    frmAvvio->resize(1016, 713);
    QApplication::processEvents();
    EXPECT_EQ(frmAvvio->panContainer->pos(), QPoint(10, 10));
    // The twins of each application stand one under the other, the button picture under the photo.
    EXPECT_EQ(frmAvvio->imgFatture->size(), QSize(226, 196));
    EXPECT_EQ(frmAvvio->btnFatture->size(), QSize(308, 38));
    EXPECT_EQ(frmAvvio->imgFatture->geometry().center().x(), frmAvvio->btnFatture->geometry().center().x());
    EXPECT_LT(frmAvvio->imgFatture->geometry().bottom(), frmAvvio->btnFatture->geometry().top());
    for (QLabel *picture : frmAvvio->panContainer->findChildren<QLabel *>())
        EXPECT_FALSE(picture->pixmap().isNull()) << picture->objectName().toStdString();
}

// The links of the three information windows and the commands behind them.
class InfoWindows : public ShellWindows {
protected:
    std::vector<PlatformCall> documentsOpenedBy(const QList<ClickLabel *> &pictures)
    {
        sp.clear();
        for (ClickLabel *p : pictures)
            QTest::mouseClick(p, Qt::LeftButton);
        return sp.callsOf("document");
    }
};

TEST_F(InfoWindows, AboutLinkWritesAnEmailToTheMaker)
{
    TfrmInfo info;
    const QString mail = "\"mailto:" + MakerEmail +
                         "?subject=Software Tavoren&body=Salve, desidererei avere le seguenti informazioni sul "
                         "software in oggetto:\"";
    auto docs = documentsOpenedBy({info.lnkWeb, info.imgEmail});
    ASSERT_EQ(docs.size(), 2u);
    EXPECT_EQ(docs[0].text, mail);
    EXPECT_EQ(docs[1].text, mail);
    EXPECT_EQ(info.lnkWeb->text(), MakerEmail);
}

TEST_F(InfoWindows, SplashLinkOpensTheMakersSite)
{
    TfrmSplash splash(frmAvvio);
    auto docs = documentsOpenedBy({splash.lnkWeb, splash.imgWeb});
    ASSERT_EQ(docs.size(), 2u);
    EXPECT_EQ(docs[0].text, MakerWebAddress);
    EXPECT_EQ(docs[1].text, MakerWebAddress);
    EXPECT_EQ(splash.imgLogo->size(), QSize(625, 380));
}

TEST_F(InfoWindows, HelpLinkOpensTheQuotedGuide)
{
    sp.onModal = [&](QWidget *w) {
        auto *help = qobject_cast<TfrmGuida *>(w);
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->lblTitolo->text(), QStringLiteral("Titolo."));
        EXPECT_EQ(help->txtGuida->toPlainText(), QStringLiteral("Uno.\n\nDue."));
        auto docs = documentsOpenedBy({help->lnkWeb, help->imgPDF});
        ASSERT_EQ(docs.size(), 2u);
        EXPECT_EQ(docs[0].text, "\"" + sp.folder() + "Guida.pdf\"");
        EXPECT_EQ(docs[1].text, docs[0].text);
        QTest::mouseClick(help->btnChiudi, Qt::LeftButton);
        EXPECT_FALSE(help->isVisible());
    };
    ShowHelp(frmAvvio, QStringLiteral("Titolo."), QStringLiteral("Uno.\r\n\r\nDue."));
}

TEST_F(InfoWindows, LinkTurnsOrangeWhileHeldDownOnItOrItsIcon)
{
    TfrmInfo info;
    const QColor darkBlue(0, 0, 139), orange(255, 165, 0);
    auto colour = [&] { return info.lnkWeb->palette().color(QPalette::WindowText); };
    EXPECT_EQ(colour(), darkBlue);
    EXPECT_TRUE(info.lnkWeb->font().underline());
    for (ClickLabel *part : {info.lnkWeb, info.imgEmail}) {
        QTest::mousePress(part, Qt::LeftButton);
        EXPECT_EQ(colour(), orange) << part->objectName().toStdString();
        QTest::mouseRelease(part, Qt::LeftButton);
        EXPECT_EQ(colour(), darkBlue) << part->objectName().toStdString();
    }
}

TEST_F(InfoWindows, ChiudiClosesEachWindow)
{
    TfrmInfo info;
    TfrmSplash splash;
    TfrmGuida help;
    for (QDialog *w : std::initializer_list<QDialog *>{&info, &splash, &help}) {
        w->show();
        EXPECT_FALSE(w->findChild<QLabel *>(QStringLiteral("imgLogo"))->pixmap().isNull());
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("btnChiudi")), Qt::LeftButton);
        EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
    }
    EXPECT_TRUE(sp.calls.empty());
}

// Every fixed window of the shell and the shared dialogs, with its frame, fits the client area that a
// 1024 x 768 screen gives a maximised window, as the launcher's panel does.
TEST_F(ShellWindows, FixedWindowsFitASmallScreen)
{
    const QSize smallScreenClient(1016, 713);
    const QWidget *fixed[] = {frmPassword, frmCambiaPassword, frmGuida,          frmInfo,
                              frmSplash,   frmCodFisc,        frmPartitaIva,     frmAllegaCartella,
                              frmCalendario, frmNumerazioneDoc};
    for (const QWidget *w : fixed) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_EQ(w->minimumSize(), w->maximumSize()) << "a fixed window";
        EXPECT_LE(w->width(), smallScreenClient.width());
        EXPECT_LE(w->height(), smallScreenClient.height());
    }
    EXPECT_LE(frmAvvio->panContainer->width(), smallScreenClient.width());
    EXPECT_LE(frmAvvio->panContainer->height(), smallScreenClient.height());
}
